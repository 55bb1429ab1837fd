// The generation-11 user record: its layout, a new ORT's bytes, the round
// trip through the pages, the codings of items 14, 20 and 61, the 25-entry
// directory categories and the checks of the load direction.

#include "editor/core/text_helpers.h"
#include "editor/user_partition/user_v11_items.h"
#include "editor/user_partition/user_v11_short_head.h"
#include "user_v11_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

using namespace User_Mod;
using usertest::Set_User_Current;
using usertest::Set_User_Loaded;

namespace {

QString Directory_Line(const QString& name, const QString& number, int priority, bool is_protected)
{
    return name.leftJustified(18) + number.leftJustified(22) + QString::number(priority)
           + QStringLiteral("    ") + (is_protected ? QStringLiteral("Yes") : QStringLiteral("No "));
}

QByteArray Dashes(int count)
{
    return QByteArray(count, '-') + QByteArray(1, '\0');
}

class UserV11Test : public usertest::ShortRecordTest {};

class UserV11FeatureTest : public UserV11Test, public ::testing::WithParamInterface<int> {};
class UserV11TypeTest : public UserV11Test, public ::testing::WithParamInterface<int> {};

} // namespace

TEST(UserV11Layout, FieldsLieInsideTheRecordWithoutOverlap)
{
    EXPECT_EQ(core::Check_Layout(User_Record_V11_Layout(), V11_LENGTH), QString());
    // Without overlap, fields whose widths add up to the length cover every byte.
    int covered = 0;
    for (const core::Field_Def& field : User_Record_V11_Layout())
        covered += field.width * field.count;
    EXPECT_EQ(covered, 7272);
    EXPECT_EQ(V11_LENGTH, 7272);
    const core::Record& record = User_Record_V11();
    EXPECT_EQ(record.Length(), 7272);
    EXPECT_EQ(record.Offset_Of(V8_GES_Name, 127), 33 + 127 * 18);
    EXPECT_EQ(record.Offset_Of(V8_Dir_Protected, 99), 2494 + 99 * 38);
    EXPECT_EQ(record.Offset_Of(V8_Category_Name, 3), 6258 + 33);
    EXPECT_EQ(record.Offset_Of(V8_Cabin_Number, 20), 6700);
    EXPECT_EQ(record.Offset_Of(V8_Item_45_Index, 3), 7146);
    EXPECT_EQ(record.Offset_Of(V8_Item_61_A, 3), 7159);
    EXPECT_EQ(record.Offset_Of(V8_PSID_2, 9), 7175 + 63);
    EXPECT_EQ(record.Offset_Of(V8_PSID_Count), 7240);
    EXPECT_EQ(record.Offset_Of(V8_Revision), 7271);
    EXPECT_THROW(record.Offset_Of(V8_Dir_Name, 100), core::Record_Error);
    EXPECT_THROW(record.Field(V8_Item_63), core::Record_Error); // not in this generation
}

TEST_P(UserV11FeatureTest, NewOrtBytesAtTheirOffsets)
{
    const int feature = GetParam();
    New_V11(1, feature);
    Update_Data(*pages);

    EXPECT_EQ(V11().mid(0, 25), QByteArray("FACTORY SET  OWNER REQS ") + QByteArray(1, '\0'));
    EXPECT_EQ(V11().mid(25, 5), QByteArray(5, '\0'));
    EXPECT_EQ(V11_Number(2334, 4), 12);
    EXPECT_EQ(V11_Number(2450, 4), 8);
    EXPECT_EQ(V11().mid(30 + 12 * 18, 3), QByteArray("\x3F\xFF\x01", 3));
    EXPECT_EQ(V11().mid(33 + 12 * 18, 15), Dashes(14));
    EXPECT_EQ(V11_Byte(2338 + 8 * 7), 63);
    EXPECT_EQ(V11().mid(2339 + 8 * 7, 6), Dashes(5));
    EXPECT_EQ(V11_Number(2454, 4), 2);
    // Every directory entry is a filler: 14 and 18 dashes, priority 3.
    for (int element : {0, 24, 25, 99}) {
        const int at = 2458 + 38 * element;
        EXPECT_EQ(V11().mid(at, 15), Dashes(14)) << element;
        EXPECT_EQ(V11().mid(at + 15, 19), Dashes(18)) << element;
        EXPECT_EQ(V11_Number(at + 34, 2), 3) << element;
        EXPECT_EQ(V11_Number(at + 36, 2), 0) << element;
    }
    EXPECT_EQ(V11().mid(6258, 11), QByteArray("CATEGORY1") + QByteArray(2, '\0'));
    EXPECT_EQ(V11().mid(6258 + 33, 11), QByteArray("CATEGORY4") + QByteArray(2, '\0'));
    EXPECT_EQ(V11_Number(6308, 4), 3);
    EXPECT_EQ(V11_Number(6312, 4), 0);
    for (int pair0 : {6320, 6320 + 19, 6700, 6700 + 19})
        EXPECT_EQ(V11().mid(pair0, 19), Dashes(18)) << pair0;
    EXPECT_EQ(V11().mid(6320 + 2 * 19, 19), Dashes(18));
    EXPECT_EQ(V11_Number(7080, 2), 0);
    EXPECT_EQ(V11_Number(7082, 2), 1);
    EXPECT_EQ(V11_Number(7086, 2), 0);
    EXPECT_EQ(V11_Number(7088, 4), 1); // index 0 + 1
    EXPECT_EQ(V11_Number(7092, 4), 2);
    EXPECT_EQ(V11().mid(7108, 8), QByteArray("68396839"));
    EXPECT_EQ(V11_Number(7116, 2), 1);
    EXPECT_EQ(V11_Number(7118, 2), 1);
    EXPECT_EQ(V11_Number(7126, 2), 0);
    EXPECT_EQ(V11_Number(7130, 2), 1);
    EXPECT_EQ(V11_Number(7132, 2), 0xFFFF);
    EXPECT_EQ(V11_Number(7134, 2), 0);
    EXPECT_EQ(V11().mid(7148, 6), QByteArray("\x06\x02\x05\x06\x01\x02", 6));
    if (feature != 0) {
        // Item 61 at index 4: A 0, B 1; the bytes between are 1.
        EXPECT_EQ(V11().mid(7156, 4), QByteArray("\x00\x01\x01\x01", 4));
        EXPECT_EQ(V11_Number(7160, 4), 180);
        EXPECT_EQ(V11_Number(7164, 4), 1);
    } else {
        EXPECT_TRUE(V11_Zero(7156, 7168));
    }
    EXPECT_EQ(V11().mid(7168, 2), QByteArray(2, '\0'));
    EXPECT_EQ(V11().mid(7170, 7), QByteArray("\x3F\x00\x00\x00\x00\x00\x00", 7));
    EXPECT_EQ(V11_Byte(7170 + 9 * 7), 63);
    EXPECT_EQ(V11_Byte(7240), 0);
    EXPECT_TRUE(V11_Zero(7241, 7271));
    EXPECT_EQ(V11_Byte(7271), 1);
}

INSTANTIATE_TEST_SUITE_P(FeatureLevels, UserV11FeatureTest, ::testing::Values(0, 5));

TEST_P(UserV11TypeTest, RecordThroughThePagesIsAFixedPoint)
{
    New_V11(2);
    Page_Cockpit_Numbers& cockpit = pages->Cockpit_Numbers();
    for (int j = 0; j < 25; ++j)
        cockpit.Control_05[3]->addItem(
            Directory_Line(QStringLiteral("NAME %1").arg(j), QStringLiteral("5551%1").arg(j), j % 10,
                           j % 2 == 0));
    cockpit.Control_05[0]->addItem(Directory_Line(QStringLiteral("PILOT"), QStringLiteral("0044 1234/5"),
                                                  2, false));
    cockpit.Control_05_Tab->setTabText(2, QStringLiteral("MINE"));
    pages->General().Control_78->addItem(QStringLiteral("12      42   0x1770 0x4C90"));
    pages->General().Control_78->addItem(QStringLiteral("61     255   0x0000 0x2000"));
    pages->General().Control_34->setText(QStringLiteral("QX"));
    pages->General().Control_61->setCurrentIndex(2);
    pages->Cockpit_Voice().Control_14->setCurrentIndex(16);
    pages->Cockpit_Voice().Control_20->setCurrentIndex(1);
    pages->Cabin().Control_45_2a1->setText(QStringLiteral("999"));
    pages->Cabin().Control_45_2b1->setCurrentIndex(1);
    pages->Cabin().Control_25b->setText(QStringLiteral("12"));
    pages->Cabin_Numbers().Control_26b[0]->setChecked(true);
    pages->Cabin_Numbers().Control_16_Sat2_ChB[9]->setText(QStringLiteral("0044-1234"));
    pages->Cabin_Numbers().Control_16_Sat1_ChA[1]->setText(QStringLiteral("------------------"));
    pages->Dual().Control_49[5]->setText(QStringLiteral("99"));
    pages->HSD_Cnfg().Control_62->setText(QStringLiteral("24.5"));
    delete pages->Sat_GES().Control_02->takeItem(0);
    pages->Main.Control_33->setText(QStringLiteral("my ort"));
    Update_Data(*pages);
    const QByteArray saved = V11();
    EXPECT_EQ(V11_Number(6312, 4), 255);
    EXPECT_EQ(V11_Number(7088, 4), 2);
    EXPECT_EQ(V11_Number(7160, 4), 245);
    EXPECT_EQ(V11_Byte(7240), 2);
    EXPECT_EQ(V11().mid(7170, 7), QByteArray("\x0A\x00\x2A\x17\x70\x4C\x90", 7));
    // Names and numbers keep the blanks of their columns.
    EXPECT_EQ(V11().mid(2458 + 38 * 75, 15), QByteArray("NAME 0        ") + QByteArray(1, '\0'));
    EXPECT_EQ(V11_Number(2458 + 38 * 75 + 36, 2), 1);

    Reload_V11(GetParam(), 5, 0, 2);
    EXPECT_EQ(pages->Cockpit_Voice().Control_14->currentIndex(), 16);
    EXPECT_EQ(pages->Cockpit_Voice().Control_20->currentIndex(), 1);
    EXPECT_EQ(pages->General().Control_61->currentIndex(), 2);
    EXPECT_EQ(pages->General().Control_78->count(), 2);
    EXPECT_EQ(pages->General().Control_78->item(1)->text(), QStringLiteral("61     255   0x0000 0x2000"));
    EXPECT_EQ(cockpit.Control_05[3]->count(), 25);
    EXPECT_EQ(cockpit.Control_05[0]->item(0)->text(),
              Directory_Line(QStringLiteral("PILOT"), QStringLiteral("0044 1234/5"), 2, false));
    EXPECT_EQ(cockpit.Control_05_Tab->tabText(2), QStringLiteral("MINE"));
    EXPECT_EQ(cockpit.Control_05_Tab->currentIndex(), 0);
    EXPECT_EQ(pages->Cabin().Control_45_2a1->text(), QStringLiteral("999"));
    EXPECT_EQ(pages->Cabin().Control_45_1a1->text(), QStringLiteral("-1"));
    EXPECT_EQ(pages->Cabin().Control_25b->text(), QStringLiteral("12"));
    EXPECT_EQ(pages->HSD_Cnfg().Control_62->text(), QStringLiteral("24.5"));
    EXPECT_EQ(pages->Sat_GES().Control_02->count(), 11);
    EXPECT_TRUE(pages->Cabin_Numbers().Control_16_Sat2_ChB[9]->isEnabled());
    EXPECT_FALSE(pages->Cabin_Numbers().Control_16_Sat1_ChB[9]->isEnabled());
    EXPECT_EQ(pages->Main.Control_33->text(), QStringLiteral("MY ORT"));
    const QByteArray reloaded = V11();
    for (int i = 0; i < V11_LENGTH; ++i)
        ASSERT_EQ(reloaded.at(i), saved.at(i)) << "first difference at offset " << i;
}

INSTANTIATE_TEST_SUITE_P(UserOnlyAndComposite, UserV11TypeTest, ::testing::Values(11, 12));

TEST_F(UserV11Test, Item61KeepsFourOfItsSixPositions)
{
    const int expected[] = {0, 0, 2, 3, 4, 3};
    const char* stored[] = {"\x01\x01\x01\x01", "\x01\x01\x01\x01", "\x01\x01\x00\x01",
                            "\x00\x01\x00\x01", "\x00\x01\x01\x01", "\x00\x01\x00\x01"};
    for (int index = 0; index < 6; ++index) {
        New_V11();
        pages->General().Control_61->setCurrentIndex(index);
        Update_Data(*pages);
        EXPECT_EQ(V11().mid(7156, 4), QByteArray(stored[index], 4)) << index;
        Reload_V11();
        EXPECT_EQ(pages->General().Control_61->currentIndex(), expected[index]) << index;
    }
}

TEST_F(UserV11Test, Item61IndexOutsideItsCodingLeavesTheFlags)
{
    core::Record& record = User_Record_V11();
    record.Set(V8_Item_61_A, 7, 0);
    record.Set(V8_Item_61_A, 9, 2);
    Write_Item_61_V11(record, 6);
    EXPECT_EQ(record.Bytes().mid(7156, 4), QByteArray("\x07\x01\x09\x01", 4));
    Write_Item_61_V11(record, -1);
    EXPECT_EQ(record.Bytes().mid(7156, 4), QByteArray("\x07\x01\x09\x01", 4));
    // Keys other than 6, 4 and 0 give index 4.
    EXPECT_EQ(Item_61_Index_V11(record), 4);
    record.Set(V8_Item_61_A, 0, 0);
    record.Set(V8_Item_61_A, 1, 2);
    EXPECT_EQ(Item_61_Index_V11(record), 4);
}

TEST_F(UserV11Test, FeatureLevelZeroKeepsItems61And62AtTheirDefaults)
{
    New_V11();
    pages->General().Control_61->setCurrentIndex(0);
    pages->HSD_Cnfg().Control_62->setText(QStringLiteral("3.5"));
    Update_Data(*pages);
    Reload_V11(11, 0);
    EXPECT_EQ(pages->General().Control_61->currentIndex(), 4);
    EXPECT_EQ(pages->HSD_Cnfg().Control_62->text(), QStringLiteral("18.0"));
    EXPECT_TRUE(V11_Zero(7156, 7168));
}

TEST_F(UserV11Test, AirframerLevelsDecideWhatIsLoaded)
{
    New_V11();
    pages->General().Control_04->setCurrentIndex(1);
    pages->Cabin().Control_13->setCurrentIndex(1);
    pages->Cockpit_Voice().Control_14->setCurrentIndex(5);
    pages->Cockpit_Voice().Control_15->setCurrentIndex(1);
    pages->Cockpit_Voice().Control_19a->setCurrentIndex(0);
    pages->Cockpit_Voice().Control_36->setCurrentIndex(1);
    pages->Cockpit_Numbers().Control_05_Tab->setTabText(0, QStringLiteral("OWN"));
    Update_Data(*pages);
    const QByteArray saved = V11();

    Reload_V11(11, 5, 0);
    EXPECT_EQ(pages->General().Control_04->currentIndex(), 1);
    EXPECT_EQ(pages->Cabin().Control_13->currentIndex(), 1); // the user's choice survives level 0
    EXPECT_EQ(pages->Cockpit_Voice().Control_14->currentIndex(), 5);
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05_Tab->tabText(0), QStringLiteral("OWN"));

    User_Record_V11().Set_Bytes(saved);
    Open_Report();
    Reload_V11(11, 5, 1);
    const QString report = Report_Text();
    EXPECT_EQ(pages->General().Control_04->currentIndex(), 2); // factory, not loaded
    EXPECT_EQ(pages->Cabin().Control_13->currentIndex(), 1);   // loaded through the report
    EXPECT_TRUE(report.contains(QStringLiteral("    Item xiii - Default:    "))) << report.toStdString();
    EXPECT_FALSE(report.contains(QStringLiteral("Item iv "))) << report.toStdString();
    EXPECT_EQ(pages->Cockpit_Voice().Control_14->currentIndex(), 16); // the airframer's value
    EXPECT_EQ(pages->Cockpit_Voice().Control_19a->currentIndex(), 0); // loaded
    EXPECT_EQ(pages->Cockpit_Voice().Control_36->currentIndex(), 1);
    EXPECT_NE(pages->Cockpit_Numbers().Control_05_Tab->tabText(0), QStringLiteral("OWN"));

    User_Record_V11().Set_Bytes(saved);
    Reload_V11(11, 5, 2);
    EXPECT_EQ(pages->Cockpit_Voice().Control_19a->currentIndex(), 1); // factory
    EXPECT_EQ(pages->Cockpit_Voice().Control_36->currentIndex(), 0);
}

TEST_F(UserV11Test, CategoryBeyondTwentyFiveEntriesIsCutAndReported)
{
    New_V11();
    QListWidget* list = pages->Cockpit_Numbers().Control_05[1];
    for (int j = 0; j < 30; ++j)
        list->addItem(Directory_Line(QStringLiteral("N%1").arg(j), QStringLiteral("%1").arg(100 + j), 1,
                                     false));
    Open_Report();
    Update_Data(*pages);
    const QStringList entries = Report_Entries();
    ASSERT_EQ(entries.size(), 2) << entries.join('\n').toStdString();
    EXPECT_EQ(entries[0],
              QStringLiteral("*** Item v - Category Size, CATEGORY2 - Value out of range, was: 30"));
    EXPECT_TRUE(entries[1].endsWith(QStringLiteral("             Changed to: 25")));
    EXPECT_EQ(list->count(), 25);
    EXPECT_EQ(list->item(24)->text().left(3), QStringLiteral("N24"));
    EXPECT_EQ(V11().mid(2458 + 38 * 49, 3), QByteArray("N24"));
    EXPECT_EQ(V11().mid(2458 + 38 * 50, 15), Dashes(14)); // category 3 starts empty
}

TEST_F(UserV11Test, ConvertingALongerDirectoryGoesOn)
{
    // A generation-8 ORT with 40 entries in its first category.
    Set_User_Current(8, 2, 5, 0);
    Set_User_Defaults_New(*pages);
    for (int j = 0; j < 40; ++j)
        pages->Cockpit_Numbers().Control_05[0]->addItem(
            Directory_Line(QStringLiteral("E%1").arg(j), QStringLiteral("%1").arg(j), 0, true));
    Update_Data(*pages);

    Set_User_Loaded(8, 2);
    Set_User_Current(11, 1, 5, 0);
    Open_Report();
    EXPECT_NO_THROW(Convert_User(*pages));
    const QString report = Report_Text();
    EXPECT_TRUE(report.contains(
        QStringLiteral("*** Item v - Category Size, CATEGORY1 - Value out of range, was: 40")))
        << report.toStdString();
    EXPECT_EQ(pages->Cockpit_Numbers().Control_05[0]->count(), 25);
    EXPECT_EQ(V11().mid(2458 + 38 * 24, 4), QByteArray("E24 "));
    EXPECT_EQ(V11().mid(2458 + 38 * 25, 15), Dashes(14));
}

TEST_F(UserV11Test, DirectoryEntriesWithADashAreNotShown)
{
    New_V11();
    Update_Data(*pages);
    core::Record& record = User_Record_V11();
    record.Set_Text(V8_Dir_Name, QStringLiteral("CREW"), 27);
    record.Set_Text(V8_Dir_Number, QStringLiteral("12345"), 27);
    record.Set(V8_Dir_Priority, 12, 27);
    record.Set(V8_Dir_Protected, 2, 27);
    record.Set_Text(V8_Dir_Name, QStringLiteral("HIDDEN"), 28);
    record.Set_Text(V8_Dir_Number, QStringLiteral("-5"), 28);
    Open_Report();
    Reload_V11();
    const QStringList entries = Report_Entries();
    QListWidget* list = pages->Cockpit_Numbers().Control_05[1];
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), Directory_Line(QStringLiteral("CREW"), QStringLiteral("12345"), 3, true));
    ASSERT_GE(entries.size(), 2) << entries.join('\n').toStdString();
    EXPECT_EQ(entries[0], QStringLiteral("*** Item v - Priority, CATEGORY2, 2 - Value out of range, was: 12"));
    EXPECT_FALSE(entries.join('\n').contains(QStringLiteral("HIDDEN")));
}

TEST_F(UserV11Test, StoredCountsAndIdsAreCheckedBeforeUse)
{
    New_V11();
    Update_Data(*pages);
    core::Record& record = User_Record_V11();
    record.Set(V8_GES_Count, 129);
    record.Set(V8_Sat_Count, -1);
    record.Set(V8_PSID_Count, 11);
    Open_Report();
    Reload_V11();
    const QString report = Report_Text();
    EXPECT_TRUE(report.contains(QStringLiteral("*** Item ii-Size - Value out of range, was: 129")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("*** Item iii-Size - Value out of range, was: -1")));
    EXPECT_TRUE(report.contains(QStringLiteral("*** Item lxxviii-Size - Value out of range, was: 11")));
    EXPECT_EQ(pages->Sat_GES().Control_02->count(), 0);
    EXPECT_EQ(pages->Sat_GES().Control_03->count(), 0);
    EXPECT_EQ(pages->General().Control_78->count(), 0);
    EXPECT_EQ(V11_Byte(7240), 0);
}

TEST_F(UserV11Test, PsidValuesAreCheckedAndZeroStaysZero)
{
    New_V11();
    pages->General().Control_78->addItem(QStringLiteral("12      42   0x1388 0x0000"));
    Update_Data(*pages);
    Open_Report();
    Reload_V11();
    const QStringList entries = Report_Entries();
    ASSERT_GE(entries.size(), 2) << entries.join('\n').toStdString();
    EXPECT_EQ(entries[0], QStringLiteral("*** Item lxxviii-PSID 1 - Value out of range, was: 1388(Hex)"));
    EXPECT_FALSE(entries.join('\n').contains(QStringLiteral("PSID 2")));
    EXPECT_EQ(pages->General().Control_78->item(0)->text(), QStringLiteral("12      42   0x1770 0x0000"));
}

TEST_F(UserV11Test, StoredIndexOutsideItsListFailsTheLoad)
{
    for (int field : {V8_Item_07, V8_Item_10, V8_Item_35, V8_Item_20}) {
        New_V11();
        Update_Data(*pages);
        User_Record_V11().Set(field, 40);
        Set_User_Loaded(11, 1);
        EXPECT_THROW(Update_GUI(*pages), core::Record_Error) << field;
    }
    // An item-45 assignment type outside its list loads the default (with a
    // "***" line).
    New_V11();
    Update_Data(*pages);
    User_Record_V11().Set(V8_Item_45_Index, -2, 1);
    EXPECT_NO_THROW(Update_GUI(*pages));
    EXPECT_EQ(pages->Cabin().Control_45_1b2->currentIndex(), 0);
}

TEST_F(UserV11Test, Item26ChoosesTheOptionAndTheChannelBBoxes)
{
    New_V11();
    Update_Data(*pages);
    User_Record_V11().Set(V8_Item_26, 2, 0);
    User_Record_V11().Set(V8_Item_26, 1, 1);
    User_Record_V11().Set(V8_Modified, 1);
    Reload_V11();
    Page_Cabin_Numbers& numbers = pages->Cabin_Numbers();
    EXPECT_TRUE(numbers.Control_26a[0]->isChecked());
    EXPECT_TRUE(numbers.Control_26b[1]->isChecked());
    for (int k = 1; k <= 9; ++k) {
        EXPECT_TRUE(numbers.Control_16_Sat1_ChB[static_cast<std::size_t>(k)]->isEnabled()) << k;
        EXPECT_FALSE(numbers.Control_16_Sat2_ChB[static_cast<std::size_t>(k)]->isEnabled()) << k;
    }
    EXPECT_FALSE(pages->Main.Label_User_Modified->isHidden());
    EXPECT_EQ(V11_Number(7116, 2), 0);
    EXPECT_EQ(V11_Number(7126, 2), 0);
}

TEST_F(UserV11Test, FailedSaveLeavesTheRecordAsItWas)
{
    New_V11();
    Update_Data(*pages);
    const QByteArray before = V11();
    pages->Main.Control_33->setText(QStringLiteral("CHANGED"));
    pages->General().Control_78->addItem(QStringLiteral("zz      42   0x1770 0x4C90"));
    EXPECT_THROW(Update_Data(*pages), core::Record_Error);
    EXPECT_EQ(V11(), before);
}

// A shared-channel flag other than 0 and 1 loads as "Separate" with its
// "***" line, as in generation 14, and saves as 0.
TEST_F(UserV11Test, ASharedFlagOtherThanZeroOrOneIsReported)
{
    New_V11();
    Update_Data(*pages);
    User_Record_V11().Set(V8_Item_26, 2, 1);
    Open_Report();
    Reload_V11();
    const QStringList entries = Report_Entries();
    EXPECT_EQ(entries.filter(QStringLiteral("***")),
              QStringList{QStringLiteral("*** Item xxvi-SDU 2 - Value out of range, was: 2")})
        << entries.join('\n').toStdString();
    EXPECT_TRUE(pages->Cabin_Numbers().Control_26b[0]->isChecked());
    EXPECT_TRUE(pages->Cabin_Numbers().Control_16_Sat2_ChB[1]->isEnabled());
    EXPECT_EQ(User_Record_V11().Get(V8_Item_26, 1), 0);
}

// A cabin number longer than its box loads cut with its "***" line, as in
// generation 14.
TEST_F(UserV11Test, ACabinNumberLongerThanItsBoxIsReported)
{
    New_V11();
    Update_Data(*pages);
    usertest::Put_Field_Into(User_Record_V11(), usertest::Cabin_Offset(0, 1, 0), QByteArray("1234567890123456789"));
    Open_Report();
    Reload_V11();
    const QStringList entries = Report_Entries();
    const QString first =
        QStringLiteral("*** Item xvi - APHONE A, 1, SDU 1 - Value out of range, was: 1234567890123456789");
    EXPECT_EQ(entries.filter(QStringLiteral("***")), QStringList{first}) << entries.join('\n').toStdString();
    EXPECT_EQ(pages->Cabin_Numbers().Control_16_Sat1_ChA[1]->text(), QStringLiteral("123456789012345678"));
}

// Generations 8 and 11 take satellite names as the file holds them: no
// character set and no report line, and the save writes them back as they
// were.
TEST_F(UserV11Test, SatelliteNamesOfGenerations8And11KeepTheirCharacters)
{
    const QByteArray sats = QByteArray("\x0B", 1) + usertest::Text_Field("AOR,W", 6)
                            + QByteArray("\x0C", 1) + usertest::Text_Field("@OR-E", 6);
    for (const int generation : {8, 11}) {
        SCOPED_TRACE(generation);
        Set_User_Current(generation, 1, 5, 0);
        Set_User_Defaults_New(*pages);
        Update_Data(*pages);
        core::Record& record = generation == 8 ? User_Record_V8() : User_Record_V11();
        record.Set(V8_Sat_Count, 2);
        for (int i = 0; i < 2; ++i) {
            record.Set(V8_Sat_Id, static_cast<std::uint8_t>(sats.at(7 * i)), i);
            record.Set_Raw(V8_Sat_Name, sats.mid(7 * i + 1, 6), i);
        }
        Open_Report();
        Set_User_Loaded(generation, 1);
        Convert_User(*pages);
        const QString report = Report_Text();
        EXPECT_FALSE(report.contains(QStringLiteral("Sat Name"))) << report.toStdString();
        QListWidget* list = pages->Sat_GES().Control_03;
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("13   AOR,W"));
        EXPECT_EQ(list->item(1)->text(), QStringLiteral("14   @OR-E"));
        EXPECT_EQ(record.Bytes().mid(2338, 14), sats);
    }
}
