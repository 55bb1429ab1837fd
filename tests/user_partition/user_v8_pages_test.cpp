// The generation-8 user record against a page set: a new ORT's bytes at
// each revision, the round trip through the pages, the airframer and
// high-speed-data load rules, report lines and failing saves.

#include "editor/core/text_helpers.h"
#include "editor/pages/page_frame.h"
#include "editor/user_partition/user_mod.h"
#include "editor/user_partition/user_v8_io.h"
#include "user_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>

using namespace User_Mod;
using usertest::Set_User_Current;
using usertest::Set_User_Loaded;

namespace {

class UserV8Test : public usertest::UserPagesTest {
protected:
    // A new generation-8 ORT saved into the record.
    void New_And_Save(int revision, int feature = 5, int airframer = 0)
    {
        Set_User_Current(8, revision, feature, airframer);
        Set_User_Defaults_New(*pages);
        Update_Data(*pages);
    }

    // Loads the record into freshly defaulted pages as a converted type-8 file.
    void Reload(int loaded_revision, int feature = 5, int airframer = 0, int revision = 2)
    {
        Set_User_Loaded(8, loaded_revision);
        Set_User_Current(8, revision, feature, airframer);
        Convert_User(*pages);
    }

    bool Zero_Run(int begin, int end) const
    {
        const QByteArray bytes = Bytes();
        for (int i = begin; i < end; ++i) {
            if (bytes.at(i) != 0)
                return false;
        }
        return true;
    }
};

class UserV8NewOrtTest : public UserV8Test, public ::testing::WithParamInterface<int> {};

} // namespace

TEST_P(UserV8NewOrtTest, FactoryBytesAtTheirOffsets)
{
    const int revision = GetParam();
    New_And_Save(revision);

    EXPECT_EQ(Bytes().mid(0, 25), QByteArray("FACTORY SET  OWNER REQS ") + QByteArray(1, '\0'));
    EXPECT_EQ(Bytes().mid(25, 5), QByteArray(5, '\0'));
    EXPECT_EQ(Number_At(2334, 4), 12); // GES lines
    EXPECT_EQ(Number_At(2450, 4), 8);  // satellite lines
    EXPECT_EQ(Byte_At(30 + 12 * 18), 63); // first unused GES element
    EXPECT_EQ(Byte_At(30 + 12 * 18 + 1), 255);
    EXPECT_EQ(Byte_At(2338 + 8 * 7), 63);
    EXPECT_EQ(Number_At(2454, 4), 2);
    EXPECT_EQ(Bytes().mid(2458, 15), QByteArray(14, '-') + QByteArray(1, '\0')); // empty directory
    EXPECT_EQ(Number_At(2458 + 34, 2), 3);
    EXPECT_EQ(Bytes().mid(17658, 11), QByteArray("CATEGORY1") + QByteArray(2, '\0'));
    EXPECT_EQ(Number_At(17708, 4), 3);  // item 13 "Headset"
    EXPECT_EQ(Number_At(17712, 4), 0);  // item 14
    EXPECT_EQ(Bytes().mid(17720, 19), QByteArray(18, '-') + QByteArray(1, '\0'));
    EXPECT_EQ(Bytes().mid(17720 + 3 * 19, 19), QByteArray(18, '-') + QByteArray(1, '\0'));
    EXPECT_EQ(Number_At(18482, 2), 1);  // item 19 "Preempt"
    EXPECT_EQ(Number_At(18488, 4), 1);  // item 20: index 0 + 1
    EXPECT_EQ(Number_At(18492, 4), 2);
    EXPECT_EQ(Bytes().mid(18508, 8), QByteArray("68396839"));
    EXPECT_EQ(Number_At(18516, 2), 1);  // item 26 "Shared"
    EXPECT_EQ(Number_At(18518, 2), 1);
    EXPECT_EQ(Number_At(18526, 2), 0);  // modified flag
    EXPECT_EQ(Number_At(18530, 2), 1);  // item 40b "Enabled"
    EXPECT_EQ(Number_At(18532, 2), 0xFFFF); // item 45 number -1
    EXPECT_EQ(Number_At(18534, 2), 0);
    EXPECT_EQ(Bytes().mid(18548, 6), QByteArray("\x06\x02\x05\x06\x01\x02", 6));
    // Item 61 at index 4: A0 0, A2 1, B0 1; A1, A3, B1 always 1.
    EXPECT_EQ(Bytes().mid(18556, 4), QByteArray("\x00\x01\x01\x01", 4));
    EXPECT_EQ(Bytes().mid(18568, 2), QByteArray("\x01\x01", 2));
    EXPECT_EQ(Number_At(18560, 4), 180);
    EXPECT_EQ(Number_At(18564, 4), 1);
    EXPECT_EQ(Byte_At(18570), 3);
    EXPECT_EQ(Number_At(19172, 1), 0);
    EXPECT_EQ(Byte_At(19102), 63);
    EXPECT_TRUE(Zero_Run(19173, 19319));
    EXPECT_EQ(Byte_At(19319), revision);

    if (revision == 2) {
        EXPECT_EQ(Number_At(18571, 4), 160);
        EXPECT_EQ(Byte_At(18575), 0);
        EXPECT_EQ(Bytes().mid(18576, 8), QByteArray("\xC0\xA8\x00\x01\xC0\xA8\x00\x02", 8));
        EXPECT_EQ(Bytes().mid(18584, 4), QByteArray("\xFF\xFF\xFF\x00", 4));
        EXPECT_EQ(Bytes().mid(18592, 8), QByteArray(8, '\0'));
        EXPECT_EQ(Bytes().mid(18600, 4), QByteArray("\xC0\xA8\x00\x64", 4));
        EXPECT_EQ(Bytes().mid(18616, 16), QByteArray("DataIO") + QByteArray(10, '\0'));
        EXPECT_EQ(Bytes().mid(18632, 16), QByteArray("DataIO-2") + QByteArray(8, '\0'));
        EXPECT_EQ(Number_At(18648, 2), 1);
        EXPECT_EQ(Byte_At(18652), 50);
        EXPECT_EQ(Byte_At(18653), 3);
        EXPECT_EQ(Number_At(18998, 4), 12);
        EXPECT_EQ(Number_At(19098, 4), 12);
        EXPECT_EQ(Bytes().mid(18662 + 8 * 4, 4), QByteArray("\x02\x00\x16\x01", 4)); // 2, 22, 1
        EXPECT_EQ(Bytes().mid(18662 + 12 * 4, 4), QByteArray("\x3F\x03\xE7\x00", 4)); // fill
    } else {
        // Revision 1 writes zeros; any other leaves the cleared record of a
        // new ORT.
        EXPECT_TRUE(Zero_Run(V8_HSD_BEGIN, V8_HSD_END));
    }
}

INSTANTIATE_TEST_SUITE_P(Revisions, UserV8NewOrtTest, ::testing::Values(0, 1, 2));

TEST_F(UserV8Test, RecordThroughThePagesIsAFixedPoint)
{
    Set_User_Current(8, 2, 5, 0);
    Set_User_Defaults_New(*pages);
    pages->General().Control_78->addItem(QStringLiteral("12      42   0x1770 0x4C90"));
    pages->General().Control_34->setText(QStringLiteral("QX"));
    pages->Cockpit_Numbers().Control_05[1]->addItem(
        QStringLiteral("PILOT").leftJustified(18) + QStringLiteral("5551234").leftJustified(22)
        + QStringLiteral("2    Yes"));
    pages->Cockpit_Numbers().Control_05_Tab->setTabText(2, QStringLiteral("MINE"));
    pages->Cockpit_Voice().Control_14->setCurrentIndex(16);
    pages->Cabin().Control_45_2a1->setText(QStringLiteral("12"));
    pages->Cabin().Control_45_2b1->setCurrentIndex(1);
    pages->Cabin_Numbers().Control_26b[0]->setChecked(true);
    pages->Cabin_Numbers().Control_16_Sat2_ChB[4]->setText(QStringLiteral("0044-1234"));
    pages->HSD_SBB().Control_77b[2]->setText(QStringLiteral("65535"));
    pages->HSD_Cnfg().Control_68b[5]->setText(QStringLiteral("AB"));
    pages->HSD_S64().Control_66->clear();
    pages->Main.Control_33->setText(QStringLiteral("my ort"));
    Update_Data(*pages);
    const QByteArray saved = Bytes();
    EXPECT_EQ(Number_At(17712, 4), 255);
    EXPECT_EQ(Number_At(18654 + 4, 2), 0xFFFF);

    Reload(2);
    EXPECT_EQ(pages->Cockpit_Voice().Control_14->currentIndex(), 16);
    EXPECT_EQ(pages->HSD_SBB().Control_77b[2]->text(), QStringLiteral("65535"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_68b[5]->text(), QStringLiteral("AB"));
    EXPECT_EQ(pages->Cabin().Control_45_2a1->text(), QStringLiteral("12"));
    EXPECT_EQ(pages->Cabin().Control_45_1a1->text(), QStringLiteral("-1"));
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05_Tab->tabText(2), QStringLiteral("MINE"));
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05[1]->count(), 1);
    EXPECT_EQ(pages->General().Control_78->count(), 1);
    EXPECT_EQ(pages->HSD_S64().Control_66->count(), 0);
    EXPECT_TRUE(pages->Cabin_Numbers().Control_16_Sat2_ChB[4]->isEnabled());
    EXPECT_FALSE(pages->Cabin_Numbers().Control_16_Sat1_ChB[4]->isEnabled());
    EXPECT_EQ(pages->Main.Control_33->text(), QStringLiteral("MY ORT"));
    EXPECT_EQ(Bytes(), saved);
}

TEST_F(UserV8Test, AirframerLevelsDecideWhatIsLoaded)
{
    Set_User_Current(8, 2, 5, 0);
    Set_User_Defaults_New(*pages);
    pages->General().Control_04->setCurrentIndex(1);
    pages->Cabin().Control_13->setCurrentIndex(1);
    pages->Cockpit_Voice().Control_14->setCurrentIndex(5);
    pages->Cockpit_Voice().Control_15->setCurrentIndex(1);
    pages->Cockpit_Voice().Control_19a->setCurrentIndex(0);
    pages->Cockpit_Voice().Control_36->setCurrentIndex(1);
    pages->Cockpit_Numbers().Control_05_Tab->setTabText(0, QStringLiteral("OWN"));
    Update_Data(*pages);

    // Level 0: every item from the record, item 13 included.
    Reload(2, 5, 0);
    EXPECT_EQ(pages->General().Control_04->currentIndex(), 1);
    EXPECT_EQ(pages->Cabin().Control_13->currentIndex(), 1);
    EXPECT_EQ(pages->Cockpit_Voice().Control_14->currentIndex(), 5);
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05_Tab->tabText(0), QStringLiteral("OWN"));

    Open_Report();
    Reload(2, 5, 1);
    const QStringList entries = Report_Entries();
    EXPECT_EQ(pages->General().Control_04->currentIndex(), 2); // factory, not loaded
    EXPECT_EQ(pages->Cabin().Control_13->currentIndex(), 0);   // forced
    EXPECT_EQ(pages->Cockpit_Voice().Control_14->currentIndex(), 16);
    EXPECT_EQ(pages->Cockpit_Voice().Control_15->currentIndex(), 1);
    EXPECT_EQ(pages->Cockpit_Voice().Control_19a->currentIndex(), 0); // loaded
    EXPECT_EQ(pages->Cockpit_Voice().Control_36->currentIndex(), 1);
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05_Tab->tabText(0), QStringLiteral("EMERGENCY"));
    EXPECT_TRUE(entries.join('\n').contains(QStringLiteral("### "))) << entries.join('\n').toStdString();

    Reload(2, 5, 2);
    EXPECT_EQ(pages->General().Control_04->currentIndex(), 0);
    EXPECT_EQ(pages->Cockpit_Voice().Control_19a->currentIndex(), 1); // factory
    EXPECT_EQ(pages->Cockpit_Voice().Control_36->currentIndex(), 0);
}

TEST_F(UserV8Test, HighSpeedDataBlockNeedsRevisionTwoAndFeatureLevelThree)
{
    Set_User_Current(8, 2, 5, 0);
    Set_User_Defaults_New(*pages);
    pages->HSD_Cnfg().Control_76->setText(QStringLiteral("77"));
    pages->HSD_Cnfg().Control_72a1[3]->setText(QStringLiteral("9"));
    pages->HSD_S64().Control_67->clear();
    Update_Data(*pages);
    const QByteArray saved = Bytes();

    Reload(1);
    EXPECT_EQ(pages->HSD_Cnfg().Control_76->text(), QStringLiteral("50"));
    EXPECT_EQ(pages->HSD_S64().Control_67->count(), 12);
    User_Record_V8().Set_Bytes(saved);
    Reload(2, 2);
    EXPECT_EQ(pages->HSD_Cnfg().Control_76->text(), QStringLiteral("50"));
    User_Record_V8().Set_Bytes(saved);
    Reload(2, 3);
    EXPECT_EQ(pages->HSD_Cnfg().Control_76->text(), QStringLiteral("77"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_72a1[3]->text(), QStringLiteral("9"));
    EXPECT_EQ(pages->HSD_S64().Control_67->count(), 0);
}

TEST_F(UserV8Test, OtherRevisionsKeepTheBlockTheRecordHeld)
{
    New_And_Save(2);
    QByteArray bytes = Bytes();
    bytes.replace(V8_HSD_BEGIN, V8_HSD_END - V8_HSD_BEGIN, QByteArray(V8_HSD_END - V8_HSD_BEGIN, 'Z'));
    User_Record_V8().Set_Bytes(bytes);
    Set_User_Loaded(8, 3);
    Set_User_Current(8, 3, 5, 0);
    Convert_User(*pages);
    EXPECT_EQ(Bytes().mid(V8_HSD_BEGIN, V8_HSD_END - V8_HSD_BEGIN),
              QByteArray(V8_HSD_END - V8_HSD_BEGIN, 'Z'));

    Set_User_Current(8, 1, 5, 0);
    Update_Data(*pages);
    EXPECT_TRUE(Zero_Run(V8_HSD_BEGIN, V8_HSD_END));
}

TEST_F(UserV8Test, ModifiedFlagShowsTheLabelAndIsSavedAsZero)
{
    New_And_Save(2);
    User_Record_V8().Set(V8_Modified, 1);
    Reload(2);
    EXPECT_FALSE(pages->Main.Label_User_Modified->isHidden());
    EXPECT_EQ(Number_At(18526, 2), 0);
    Reload(2);
    EXPECT_TRUE(pages->Main.Label_User_Modified->isHidden());
}

TEST_F(UserV8Test, OutOfRangeStoredValuesAreReported)
{
    New_And_Save(2);
    core::Record& record = User_Record_V8();
    record.Set(V8_Item_04, 7);
    record.Set_Text(V8_Cabin_Number, QStringLiteral("12AB"), 2);
    record.Set_Text(V8_Item_25, QStringLiteral("12x4"), 0);
    record.Set(V8_PSID_Count, 11);
    Open_Report();
    Reload(2);
    const QString report = Report_Entries().join('\n');
    EXPECT_TRUE(report.contains(QStringLiteral("*** Item iv - "))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("xvi - APHONE A, 1, SDU 1"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("xxv-SDU 1"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("lxxviii-Size"))) << report.toStdString();
    EXPECT_EQ(pages->General().Control_04->currentIndex(), 2);
    EXPECT_EQ(pages->General().Control_78->count(), 0);
}

TEST_F(UserV8Test, StoredIndexOutsideItsListFailsTheLoad)
{
    New_And_Save(2);
    User_Record_V8().Set(V8_Item_07, 9);
    Set_User_Loaded(8, 2);
    EXPECT_THROW(Update_GUI(*pages), core::Record_Error);
}

TEST_F(UserV8Test, ValuesOutsideTheirRangeAreStoredAsDefaults)
{
    Set_User_Current(8, 2, 5, 0);
    Set_User_Defaults_New(*pages);
    pages->Cabin().Control_45_1a1->setText(QStringLiteral("-5"));
    pages->Dual().Control_49[3]->setText(QStringLiteral("-1"));
    pages->HSD_Cnfg().Control_62->setText(QStringLiteral("x"));
    pages->HSD_Cnfg().Control_64->setText(QStringLiteral("31"));
    Update_Data(*pages);
    EXPECT_EQ(Number_At(18532, 2), 0xFFFF);
    EXPECT_EQ(Byte_At(18548 + 3), 6);
    EXPECT_EQ(Number_At(18560, 4), 180);
    EXPECT_EQ(Number_At(18571, 4), 160);
}

TEST_F(UserV8Test, FailedSaveLeavesTheRecordAsItWas)
{
    New_And_Save(2);
    const QByteArray before = Bytes();
    pages->Main.Control_33->setText(QStringLiteral("CHANGED"));
    pages->HSD_Cnfg().Control_76->setText(QStringLiteral("abc"));
    EXPECT_THROW(Update_Data(*pages), core::Record_Error);
    EXPECT_EQ(Bytes(), before);
    pages->HSD_Cnfg().Control_76->setText(QStringLiteral("256"));
    EXPECT_THROW(Update_Data(*pages), core::Record_Error);
    pages->HSD_Cnfg().Control_76->setText(QStringLiteral("255"));
    pages->HSD_Cnfg().Control_65->setCurrentIndex(-1);
    EXPECT_THROW(Update_Data(*pages), core::Record_Error);
    EXPECT_EQ(Bytes(), before);
}

namespace {

// The name and number bytes of directory element `element` of the record.
QByteArray Directory_Texts(const QByteArray& bytes, int element)
{
    return bytes.mid(2458 + 38 * element, 15 + 19);
}

// An unprotected entry of priority 2 into directory element `element`.
void Put_Directory_Entry(core::Record& record, int element, const QString& name, const QString& number)
{
    record.Set_Text(V8_Dir_Name, name, element);
    record.Set_Text(V8_Dir_Number, number, element);
    record.Set(V8_Dir_Priority, 2, element);
    record.Set(V8_Dir_Protected, 0, element);
}

QByteArray Blank_Padded_Field(const char* text, int width)
{
    return QByteArray(text).leftJustified(width - 1, ' ') + '\0';
}

} // namespace

// Characters the directory's sets refuse become blanks where they stand, in
// front of a name or number too: the report line, the list line and the
// saved bytes show the same text.
TEST_F(UserV8Test, DirectoryBlanksForRefusedCharactersStayWhereTheyStand)
{
    New_And_Save(2);
    const int element = 100; // category 1, entry 0
    Put_Directory_Entry(User_Record_V8(), element, QStringLiteral("~~ZZ"), QStringLiteral("*#0123"));
    Open_Report();
    Reload(2);
    const QStringList entries = Report_Entries();
    const QString report = entries.join('\n');
    EXPECT_EQ(entries.filter(QStringLiteral("v - Phone")).size(), 2) << report.toStdString();
    EXPECT_EQ(entries.filter(QRegularExpression(QStringLiteral("Changed to:   ZZ$"))).size(), 1)
        << report.toStdString();
    EXPECT_EQ(entries.filter(QRegularExpression(QStringLiteral("Changed to:   0123$"))).size(), 1)
        << report.toStdString();
    QListWidget* list = pages->Cockpit_Numbers().Control_05[1];
    ASSERT_GE(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("  ZZ").leftJustified(18)
                                         + QStringLiteral("  0123").leftJustified(22)
                                         + QStringLiteral("2    No "));
    EXPECT_EQ(Directory_Texts(Bytes(), element),
              Blank_Padded_Field("  ZZ", 15) + Blank_Padded_Field("  0123", 19));
}

// A stored number that begins with "-" marks an unused entry. One that does
// so only after its blanks loads without its minus sign, with its line, and
// stays through its save and reopening.
TEST_F(UserV8Test, ShownEntryWhoseNumberBeginsWithAMinusSurvivesItsSave)
{
    New_And_Save(2);
    const int element = 100; // category 1, entry 0
    Put_Directory_Entry(User_Record_V8(), element, QStringLiteral("NAV"), QStringLiteral(" -5551234"));
    const QString shown = QStringLiteral("NAV").leftJustified(18)
                          + QStringLiteral("5551234").leftJustified(22) + QStringLiteral("2    No ");
    Open_Report();
    Reload(2);
    QStringList entries = Report_Entries();
    const QStringList changes = entries.filter(QStringLiteral("v - Phone Number"));
    ASSERT_EQ(changes.size(), 1) << entries.join('\n').toStdString();
    EXPECT_TRUE(changes[0].startsWith(QStringLiteral("*** ")));
    EXPECT_TRUE(changes[0].endsWith(QStringLiteral("was:  -5551234")));
    EXPECT_TRUE(entries[entries.indexOf(changes[0]) + 1].endsWith(QStringLiteral("Changed to: 5551234")));
    QListWidget* list = pages->Cockpit_Numbers().Control_05[1];
    ASSERT_GE(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), shown);
    EXPECT_EQ(Directory_Texts(Bytes(), element),
              Blank_Padded_Field("NAV", 15) + Blank_Padded_Field("5551234", 19));

    Open_Report();
    Reload(2);
    entries = Report_Entries();
    EXPECT_TRUE(entries.filter(QStringLiteral("v - Phone")).isEmpty()) << entries.join('\n').toStdString();
    ASSERT_GE(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), shown);
}

// A saved entry with blanks in front reopens as the page showed it, without
// a line, and saves the same bytes again.
TEST_F(UserV8Test, DirectoryEntryWithBlanksInFrontReopensUnchanged)
{
    New_And_Save(2);
    const int element = 100; // category 1, entry 0
    User_Record_V8().Set_Text(V8_Dir_Name, QStringLiteral("  ZZ"), element);
    User_Record_V8().Set_Text(V8_Dir_Number, QStringLiteral("  0123"), element);
    Open_Report();
    Reload(2);
    Update_Data(*pages);
    EXPECT_TRUE(Report_Entries().filter(QStringLiteral("v - Phone")).isEmpty())
        << Report_Entries().join('\n').toStdString();
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05[1]->item(0)->text().left(24),
              QStringLiteral("  ZZ").leftJustified(18) + QStringLiteral("  0123"));
    EXPECT_EQ(Directory_Texts(Bytes(), element),
              Blank_Padded_Field("  ZZ", 15) + Blank_Padded_Field("  0123", 19));
}
