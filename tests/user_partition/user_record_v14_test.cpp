// The generation-14 user record against a page set: the bytes a save
// writes, record -> controls -> record, and the checks of the load.

#include "user_v14_fixture.h"

#include "editor/core/item_facts.h"
#include "editor/core/text_helpers.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/psid_row.h"
#include "editor/pages_hsd/hsd_defaults.h"
#include "editor/pages_tables/cockpit_number_line.h"
#include "editor/pages_tables/ges_line.h"
#include "editor/pages_tables/sat_row.h"
#include "editor/user_partition/user_mod.h"
#include "editor/user_partition/user_record_v14_layout.h"
#include "editor/user_partition/user_record_v8.h"
#include "editor/user_partition/user_v14_convert.h"
#include "editor/user_partition/user_v8_io.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

using namespace v14test;
using modSat_Table_Dialog::Sat_Row;

namespace {

constexpr int SBB = 1, ISDN = 2, MPDS = 4;

QString Sat_Line(std::int16_t id, const char* name, std::int16_t pref, std::int16_t services,
                 float longitude)
{
    Sat_Row row;
    row.Sat_ID = id;
    row.Name = QString::fromLatin1(name);
    row.Pref = pref;
    row.Services = services;
    row.Longitude = longitude;
    return modSat_Table_Dialog::Get_Sat_Row(row);
}

void Set_Lines(QListWidget* list, const QStringList& lines)
{
    list->clear();
    list->addItems(lines);
}

QStringList Lines(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

// Values other than the factory defaults in every item the load direction
// reads with Airframer_Level 0 (item 13 is not read there and stays).
void Edit_Pages(Page_Set& p)
{
    Set_Lines(p.Sat_GES().Control_03,
              {Sat_Line(1, "AOR-W", 1, SBB | MPDS, -0.5F), Sat_Line(2, "POR", 0, 0, 0.0F),
               Sat_Line(3, "IOR", 1, ISDN, 180.0F)});
    Set_Lines(p.Sat_GES().Control_02, {ges::GES_Line(QStringLiteral("01"), QStringLiteral("021"),
                                                     QStringLiteral("1"), QStringLiteral("EIK")),
                                       ges::GES_Line(QStringLiteral("03"), QStringLiteral("305"),
                                                     QStringLiteral("0"), QStringLiteral("PERTH"))});
    Set_Lines(p.Cockpit_Numbers().Control_05[1],
              {tables::Cockpit_Number_Line(QStringLiteral("OPS"), QStringLiteral("0012345"), 2, true),
               tables::Cockpit_Number_Line(QStringLiteral("MAINT"), QStringLiteral("99"), 4, false)});
    p.Cockpit_Numbers().Set_Category_Name(2, QStringLiteral("CREW"));
    p.General().Control_78->clear();
    p.General().Control_78->addItem(pages::Format_PSID_Row({1, 5, 0x1770, 0}));
    p.General().Control_04->setCurrentIndex(2);
    p.General().Control_34->setText(QStringLiteral("QX"));
    p.General().Control_40b->setCurrentIndex(1);
    p.General().Control_61->setCurrentIndex(5);
    p.Cockpit_Voice().Control_14->setCurrentIndex(16);
    p.Cockpit_Voice().Control_20->setCurrentIndex(0);
    p.Cockpit_Voice().Control_63->setCurrentIndex(1);
    p.Dual().Control_49[3]->setText(QStringLiteral("42"));
    p.Cabin().Control_25b->setText(QStringLiteral("1234"));
    p.Cabin().Control_45_2a1->setText(QStringLiteral("17"));
    p.Cabin().Control_45_2b1->setCurrentIndex(1);
    p.Cabin_Numbers().Control_16_Sat1_ChA[1]->setText(QStringLiteral("00441234567"));
    p.Cabin_Numbers().Control_16_Sat2_ChB[9]->setText(QStringLiteral("123-456"));
    p.Cabin_Numbers().Control_26a[0]->setChecked(true);
    p.Cabin_Numbers().Control_26b[1]->setChecked(true);
    Page_HSD_Cnfg& cnfg = p.HSD_Cnfg();
    cnfg.Control_62->setText(QStringLiteral("12.5"));
    cnfg.Control_64->setText(QStringLiteral("30.0"));
    const char* octets[] = {"10", "1", "2", "3"};
    for (int k = 0; k < 4; ++k)
        cnfg.Control_72a2[static_cast<std::size_t>(k)]->setText(QString::fromLatin1(octets[k]));
    cnfg.Control_68a[0]->setText(QStringLiteral("A"));
    cnfg.Control_68b[5]->setText(QStringLiteral("FF"));
    cnfg.Control_69[1]->setText(QStringLiteral("ac-Name"));
    cnfg.Control_76->setText(QStringLiteral("200"));
    cnfg.Control_81user[0]->setText(QStringLiteral("user0"));
    cnfg.Control_81pass[1]->setText(QStringLiteral("Secret15chars-a"));
    cnfg.Control_82b[1]->setText(QStringLiteral("host"));
    cnfg.Control_85user[1]->setText(QStringLiteral("chap"));
    cnfg.Control_98[1]->setCurrentIndex(2);
    cnfg.Control_100->setCurrentIndex(2);
    Page_HSD_SBB& sbb = p.HSD_SBB();
    sbb.Control_77b[2]->setText(QStringLiteral("65535"));
    sbb.Control_80->setText(QStringLiteral("APN.EXAMPLE"));
    sbb.Control_89[1]->setCurrentIndex(2);
    sbb.Control_90pac->setText(QStringLiteral("65535"));
    sbb.Control_90per->setText(QStringLiteral("40000"));
    sbb.Control_102->setText(QStringLiteral("50000"));
    sbb.Control_99->setCurrentIndex(1);
    delete p.HSD_S64().Control_67->takeItem(0);
    p.Sat_GES().Control_92[0]->setCurrentIndex(3);
    p.Sat_GES().Control_92[2]->setCurrentIndex(0);
    p.Sat_GES().Control_94->setText(QStringLiteral("12"));
    p.Sat_GES().Control_108->setText(QStringLiteral("7"));
    Page_PIMBIT& pim = p.PIMBIT();
    pim.Control_103[6]->setText(QStringLiteral("250"));
    pim.Control_104[1]->setCurrentIndex(1);
    pim.Control_105[0]->setText(QStringLiteral("9"));
    pim.Control_106_Az[2]->setText(QStringLiteral("-15"));
    pim.Control_106_El[0]->setText(QStringLiteral("12.5"));
    pim.Control_107->setText(QStringLiteral("33"));
    p.Main.Control_33->setText(QStringLiteral("MY ORT"));
    p.Main.Control_86->setText(QStringLiteral("ABC12DEFGHIJ345"));
}

// Every byte that differs, as "offset: a / b".
QStringList Differences(const QByteArray& a, const QByteArray& b)
{
    QStringList out;
    for (int i = 0; i < std::min(a.size(), b.size()) && out.size() < 20; ++i)
        if (a[i] != b[i])
            out << QStringLiteral("%1: %2 / %3").arg(i).arg(static_cast<std::uint8_t>(a[i])).arg(static_cast<std::uint8_t>(b[i]));
    return out;
}

} // namespace

// --- save direction ---------------------------------------------------------

TEST_F(V14Test, NewOrtBytesAtTheirOffsets)
{
    User_Mod::Set_User_Defaults_New(*pages);
    User_Mod::Update_Data(*pages);

    EXPECT_EQ(Bytes().size(), User_Mod::RECORD_LENGTH_V14);
    EXPECT_EQ(Bytes().left(25), QByteArray("FACTORY SET  OWNER REQS ") + QByteArray(1, '\0'));
    EXPECT_EQ(Number_At(18480, 2), 0);
    EXPECT_EQ(Number_At(18486, 2), 0);
    EXPECT_EQ(Number_At(18526, 2), 0);
    EXPECT_EQ(Number_At(18564, 4), 1);
    EXPECT_EQ(Byte_At(18557), 1); // A1, A3 and B1 of item 61
    EXPECT_EQ(Byte_At(18559), 1);
    EXPECT_EQ(Byte_At(18569), 1);
    // Both ports of both SDUs, then the DHCP address.
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<std::int16_t>(k);
        EXPECT_EQ(Byte_At(18576 + k), User_Mod::Default_72a1(i));
        EXPECT_EQ(Byte_At(18580 + k), User_Mod::Default_72a2(i));
        EXPECT_EQ(Byte_At(18584 + k), User_Mod::Default_72b1(i));
        EXPECT_EQ(Byte_At(18588 + k), User_Mod::Default_72b2(i));
        EXPECT_EQ(Byte_At(18592 + k), User_Mod::Default_73(i));
        EXPECT_EQ(Byte_At(18624 + k), User_Mod::Default_75(i));
    }
    const int sats = pages->Sat_GES().Control_03->count();
    EXPECT_EQ(Number_At(2450, 4), sats);
    EXPECT_EQ(Number_At(19502, 4), sats);
    EXPECT_EQ(Number_At(2334, 4), pages->Sat_GES().Control_02->count());
    // LES lists: 12 lines each, the rest 63, 999, 0.
    EXPECT_EQ(Number_At(19022, 4), 12);
    EXPECT_EQ(Number_At(19122, 4), 12);
    for (const int entry : {18686 + 4 * 12, 18686 + 4 * 83, 19026 + 4 * 12, 19026 + 4 * 23}) {
        EXPECT_EQ(Byte_At(entry), 63);
        EXPECT_EQ(Number_At(entry + 1, 2), 999);
        EXPECT_EQ(Byte_At(entry + 3), 0);
    }
    // An empty PSID table.
    EXPECT_EQ(Byte_At(19196), 0);
    EXPECT_EQ(Byte_At(19126), 63);
    EXPECT_EQ(Number_At(19127, 6), 0);
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(Number_At(19506 + 5 * j, 4), j);
    EXPECT_EQ(Bytes().mid(19643, 1722), QByteArray(1722, '\0'));
    EXPECT_EQ(Byte_At(21365), 1);
    EXPECT_TRUE(messages.Boxes().isEmpty());
}

// The first part of the record repeats the generation-8 head.
TEST_F(V14Test, HeadMatchesGenerationEight)
{
    Edit_Pages(*pages);
    User_Mod::Update_Data_V14(*pages);
    Set_Current(2, 5, 0);
    core::Versions().User_Current.Partition_Version = 8;
    User_Mod::Update_Data_V8(*pages);
    const QByteArray v8 = User_Mod::User_Record_V8().Bytes();
    EXPECT_EQ(Differences(v8.left(18571), Bytes().left(18571)), QStringList());
    User_Mod::User_Record_V8().Clear();
}

TEST_F(V14Test, EditedValuesAtTheirOffsets)
{
    Edit_Pages(*pages);
    pages->HSD_Cnfg().Control_81pass[1]->setMaxLength(16); // the record holds 16, the page 15
    pages->HSD_Cnfg().Control_81pass[1]->setText(QStringLiteral("Secret16chars-ab"));
    User_Mod::Update_Data_V14(*pages);

    EXPECT_EQ(Byte_At(18556), 0); // item 61 order 5: A0 0, A2 0, B0 1
    EXPECT_EQ(Byte_At(18558), 0);
    EXPECT_EQ(Byte_At(18568), 1);
    EXPECT_EQ(Number_At(17712, 4), 255); // item 14 "Immediate"
    EXPECT_EQ(Number_At(18488, 4), 1);   // item 20 index 0
    EXPECT_EQ(Number_At(18560, 4), 125);
    EXPECT_EQ(Number_At(18571, 4), 300);
    EXPECT_EQ(Bytes().mid(18580, 4), QByteArray("\x0A\x01\x02\x03", 4));
    EXPECT_EQ(Byte_At(18628), 0x0A);
    EXPECT_EQ(Byte_At(18639), 0xFF);
    EXPECT_EQ(Bytes().mid(18656, 16), QByteArray("ac-Name") + QByteArray(9, '\0'));
    EXPECT_EQ(Byte_At(18676), 200);
    EXPECT_EQ(Number_At(18682, 2), 0xFFFF);
    EXPECT_EQ(Bytes().mid(19205, 41), QByteArray("APN.EXAMPLE") + QByteArray(30, '\0'));
    EXPECT_EQ(Bytes().mid(19294, 16), QByteArray("Secret16chars-ab")); // no NUL
    EXPECT_EQ(Bytes().mid(19440, 16), QByteArray("ABC12DEFGHIJ345") + QByteArray(1, '\0'));
    EXPECT_EQ(Number_At(19462, 4), 2);      // item 89 SDU 2
    EXPECT_EQ(Number_At(19600, 4), 2);      // item 98 element 1
    EXPECT_EQ(Number_At(19466, 2), 0xFFFF); // item 90 packets 65535
    EXPECT_EQ(Number_At(19468, 2), 40000);
    EXPECT_EQ(Number_At(19614, 2), 50000);
    EXPECT_EQ(Byte_At(19510), 3); // item 92 element 0
    EXPECT_EQ(Number_At(19523, 2), 12);
    EXPECT_EQ(Number_At(19616, 2), 7);
    EXPECT_EQ(Byte_At(19624), 250);
    EXPECT_EQ(Byte_At(19626), 1);
    EXPECT_EQ(Number_At(19636, 2), 0xFFF1); // azimuth -15
    EXPECT_EQ(Number_At(19638, 2), 25);     // elevation 12.5
    EXPECT_EQ(Byte_At(19642), 33);
    EXPECT_EQ(Number_At(19022, 4), 11);
    EXPECT_EQ(Byte_At(18686 + 4 * 11), 63); // the freed MPDS entry
    EXPECT_EQ(Number_At(19196, 1), 1);
    EXPECT_EQ(Bytes().mid(19126, 7), QByteArray("\x01\x00\x05\x17\x70\x00\x00", 7));
    // Cockpit directory: category 1 entry 0, then a fill entry.
    const int entry = 2458 + 38 * 100;
    EXPECT_EQ(Bytes().mid(entry, 15), QByteArray("OPS           ") + QByteArray(1, '\0'));
    EXPECT_EQ(Number_At(entry + 34, 2), 2);
    EXPECT_EQ(Number_At(entry + 36, 2), 1);
    EXPECT_EQ(Bytes().mid(entry + 76, 15), QByteArray(14, '-') + QByteArray(1, '\0'));
    EXPECT_EQ(Bytes().mid(entry + 76 + 15, 19), QByteArray(18, '-') + QByteArray(1, '\0'));
    EXPECT_EQ(Number_At(entry + 76 + 34, 2), 3);
    EXPECT_EQ(Bytes().mid(17658 + 22, 11), QByteArray("CREW") + QByteArray(7, '\0'));
    EXPECT_EQ(Number_At(18518, 2), 1); // item 26 SDU 2 shared
}

TEST_F(V14Test, ServiceTablePackedInListOrder)
{
    Edit_Pages(*pages);
    User_Mod::Update_Data_V14(*pages);

    // Satellite and preference entries follow the list.
    const int ids[] = {1, 2, 3};
    const int prefs[] = {1, 0, 1};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Byte_At(2338 + 7 * i), ids[i]);
        EXPECT_EQ(Byte_At(19470 + 2 * i), ids[i]);
        EXPECT_EQ(Byte_At(19471 + 2 * i), prefs[i]);
    }
    EXPECT_EQ(Bytes().mid(2338 + 7 * 2 + 1, 6), QByteArray("IOR") + QByteArray(3, '\0'));
    EXPECT_EQ(Bytes().mid(2338 + 7 * 3, 7), QByteArray("\x3F-----\0", 7));
    EXPECT_EQ(Bytes().mid(19470 + 2 * 3, 2), QByteArray("\x3F\x00", 2));
    // POR offers nothing: the service table holds AOR-W and IOR only.
    EXPECT_EQ(Number_At(19589, 4), 2);
    EXPECT_EQ(Bytes().mid(19525, 4), QByteArray("\x01\x05\x03\xFF", 4));
    EXPECT_EQ(Bytes().mid(19529, 4), QByteArray("\x03\x02\x01\x68", 4));
    for (int j = 2; j < 16; ++j)
        EXPECT_EQ(Bytes().mid(19525 + 4 * j, 4), QByteArray("\x3F\x00\x00\x00", 4)) << j;
}

TEST_F(V14Test, EmptySatelliteListWritesEmptyEntries)
{
    pages->Sat_GES().Control_03->clear();
    User_Mod::Update_Data_V14(*pages);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(Bytes().mid(2338 + 7 * i, 7), QByteArray("\x3F-----\0", 7));
        EXPECT_EQ(Bytes().mid(19470 + 2 * i, 2), QByteArray("\x3F\x00", 2));
        EXPECT_EQ(Bytes().mid(19525 + 4 * i, 4), QByteArray("\x3F\x00\x00\x00", 4));
    }
    EXPECT_EQ(Number_At(2450, 4), 0);
    EXPECT_EQ(Number_At(19502, 4), 0);
    EXPECT_EQ(Number_At(19589, 4), 0);
}

TEST_F(V14Test, LongitudesCodedAndReadBack)
{
    Set_Lines(pages->Sat_GES().Control_03,
              {Sat_Line(1, "A", 1, SBB, -0.5F), Sat_Line(2, "B", 1, SBB, 180.0F),
               Sat_Line(3, "C", 1, SBB, -180.0F)});
    User_Mod::Update_Data_V14(*pages);
    EXPECT_EQ(Number_At(19527, 2), 0x03FF);
    EXPECT_EQ(Number_At(19531, 2), 0x0168);
    EXPECT_EQ(Number_At(19535, 2), 0x0298);

    auto other = Make_Pages();
    User_Mod::Update_GUI_V14(*other);
    const QStringList lines = Lines(other->Sat_GES().Control_03);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_FLOAT_EQ(modSat_Table_Dialog::Parse_Sat_Line(lines[0]).Longitude, -0.5F);
    EXPECT_FLOAT_EQ(modSat_Table_Dialog::Parse_Sat_Line(lines[1]).Longitude, 180.0F);
    EXPECT_FLOAT_EQ(modSat_Table_Dialog::Parse_Sat_Line(lines[2]).Longitude, -180.0F);
}

TEST_F(V14Test, ComboWithoutSelection)
{
    pages->HSD_Cnfg().Control_70->setCurrentIndex(-1);
    pages->HSD_SBB().Control_99->setCurrentIndex(-1);
    User_Mod::Update_Data_V14(*pages);
    EXPECT_EQ(Number_At(18672, 2), 0xFFFF);
    EXPECT_EQ(Number_At(19604, 4), 0xFFFFFFFF);

    // A byte field cannot take it: the save fails and the record stays.
    const QByteArray before = Bytes();
    pages->Cockpit_Voice().Control_63->setCurrentIndex(-1);
    pages->HSD_Cnfg().Control_70->setCurrentIndex(1);
    EXPECT_THROW(User_Mod::Update_Data_V14(*pages), User_Mod::Record_Value_Error);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(V14Test, SaveRefusesValuesItsFieldsCannotHold)
{
    User_Mod::Update_Data_V14(*pages);
    const QByteArray before = Bytes();
    const auto number_of_failure = [this] {
        try {
            User_Mod::Update_Data_V14(*pages);
        } catch (const User_Mod::Record_Value_Error& e) {
            return e.Number();
        }
        return 0;
    };
    pages->HSD_Cnfg().Control_76->setText(QStringLiteral("abc"));
    EXPECT_EQ(number_of_failure(), User_Mod::ERROR_TYPE_MISMATCH);
    pages->HSD_Cnfg().Control_76->setText(QStringLiteral("7"));
    pages->HSD_Cnfg().Control_81user[1]->setMaxLength(32);
    pages->HSD_Cnfg().Control_81user[1]->setText(QString(17, QLatin1Char('u')));
    EXPECT_EQ(number_of_failure(), User_Mod::ERROR_OVERFLOW);
    pages->HSD_Cnfg().Control_81user[1]->clear();
    pages->HSD_SBB().Control_102->setText(QStringLiteral("65536"));
    EXPECT_EQ(number_of_failure(), User_Mod::ERROR_OVERFLOW);
    pages->HSD_SBB().Control_102->setText(QStringLiteral("0"));
    for (int i = 0; i < 17; ++i)
        pages->Sat_GES().Control_03->addItem(Sat_Line(10, "X", 1, 0, 0.0F));
    EXPECT_EQ(number_of_failure(), User_Mod::ERROR_SUBSCRIPT);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(V14Test, ClampedAndFallbackNumbers)
{
    pages->HSD_Cnfg().Control_64->setText(QStringLiteral("30.5"));
    pages->HSD_SBB().Control_77b[0]->setText(QStringLiteral("70000"));
    // Values the page's checks would not let stand.
    pages->Cabin().Control_45_1a1->setMaxLength(8);
    pages->Cabin().Control_45_1a1->setText(QStringLiteral("1000"));
    pages->Dual().Control_49[0]->setMaxLength(8);
    pages->Dual().Control_49[0]->setText(QStringLiteral("100"));
    User_Mod::Update_Data_V14(*pages);
    EXPECT_EQ(Number_At(18571, 4), 160); // the default 16.0 in tenths
    EXPECT_EQ(Number_At(18678, 2), 0);
    EXPECT_EQ(Number_At(18532, 2), 0xFFFF);
    EXPECT_EQ(Byte_At(18548), core::Stored(core::Fact(core::Item_Fact_Id::Item_49_0)).Default);
}

// --- PIM/BIT block by revision ---------------------------------------------

TEST_F(V14Test, PimBitBlockFollowsTheCurrentRevision)
{
    Edit_Pages(*pages);
    for (QLineEdit* edit : pages->PIMBIT().Control_106_El)
        edit->setMaxLength(8);
    pages->PIMBIT().Control_106_El[0]->setText(QStringLiteral("12.25"));
    pages->PIMBIT().Control_106_El[1]->setText(QStringLiteral("12.75"));
    User_Mod::Update_Data_V14(*pages);
    EXPECT_EQ(Number_At(19638, 2), 24);
    EXPECT_EQ(Number_At(19640, 2), 26);
    const QByteArray revision_1 = Bytes().mid(19618, 25);
    EXPECT_NE(revision_1, QByteArray(25, '\0'));

    Set_Current(2);
    pages->PIMBIT().Control_107->setText(QStringLiteral("1"));
    User_Mod::Update_Data_V14(*pages);
    EXPECT_EQ(Bytes().mid(19618, 25), revision_1);
    EXPECT_EQ(Byte_At(21365), 2);

    Set_Current(0);
    User_Mod::Update_Data_V14(*pages);
    EXPECT_EQ(Bytes().mid(19618, 25), QByteArray(25, '\0'));
    EXPECT_EQ(Byte_At(21365), 0);
}

TEST_F(V14Test, PimBitLoadedOnlyFromRevisionOne)
{
    Edit_Pages(*pages);
    User_Mod::Update_Data_V14(*pages);
    Put_At(19638, 2, 25);
    Put_At(19640, 2, 24);

    Set_Loaded(14, 2);
    auto defaults = Make_Pages();
    const QString default_107 = defaults->PIMBIT().Control_107->text();
    const QString default_el = defaults->PIMBIT().Control_106_El[1]->text();
    User_Mod::Update_GUI_V14(*defaults);
    EXPECT_EQ(defaults->PIMBIT().Control_107->text(), default_107);
    EXPECT_EQ(defaults->PIMBIT().Control_106_El[1]->text(), default_el);

    Set_Loaded(14, 1);
    auto loaded = Make_Pages();
    User_Mod::Update_GUI_V14(*loaded);
    const Page_PIMBIT& pim = loaded->PIMBIT();
    EXPECT_EQ(pim.Control_107->text(), QStringLiteral("33"));
    EXPECT_EQ(pim.Control_103[6]->text(), QStringLiteral("250"));
    EXPECT_EQ(pim.Control_104[1]->currentIndex(), 1);
    EXPECT_EQ(pim.Control_106_Az[2]->text(), QStringLiteral("-15"));
    EXPECT_EQ(pim.Control_106_El[0]->text(), QStringLiteral("12.5"));
    EXPECT_EQ(pim.Control_106_El[1]->text(), QStringLiteral("12"));
    // The elevation spin buttons count in tenths of the value shown.
    EXPECT_EQ(Page_PIMBIT::Spin_Value(pim.UpDown_106_El[0]), 125);
    EXPECT_EQ(Page_PIMBIT::Spin_Value(pim.UpDown_106_El[1]), 120);
    EXPECT_EQ(Page_PIMBIT::Spin_Value(pim.UpDown_107), 33);
}

// --- record -> controls -> record ---------------------------------------------

TEST_F(V14Test, UserOnlyRecordIsAFixedPoint)
{
    Edit_Pages(*pages);
    User_Mod::Update_Data_V14(*pages);
    const QByteArray saved = Bytes();

    auto other = Make_Pages();
    Set_Loaded(14, 1);
    User_Mod::Update_GUI(*other);
    User_Mod::Update_Data(*other);
    EXPECT_EQ(Differences(saved, Bytes()), QStringList());
    EXPECT_TRUE(messages.Boxes().isEmpty());

    const Page_Set& p = *other;
    EXPECT_EQ(p.General().Control_61->currentIndex(), 5);
    EXPECT_EQ(p.Cockpit_Voice().Control_14->currentIndex(), 16);
    EXPECT_EQ(p.HSD_SBB().Control_90pac->text(), QStringLiteral("65535"));
    EXPECT_EQ(p.HSD_SBB().Control_102->text(), QStringLiteral("50000"));
    EXPECT_EQ(p.HSD_SBB().Control_77b[2]->text(), QStringLiteral("65535"));
    EXPECT_EQ(p.HSD_Cnfg().Control_72a2[0]->text(), QStringLiteral("10"));
    EXPECT_EQ(p.HSD_Cnfg().Control_68b[5]->text(), QStringLiteral("FF"));
    EXPECT_EQ(p.HSD_Cnfg().Control_62->text(), QStringLiteral("12.5"));
    EXPECT_EQ(p.Main.Control_86->text(), QStringLiteral("ABC12DEFGHIJ345"));
    EXPECT_FALSE(p.Cabin_Numbers().Control_16_Sat2_ChB[1]->isEnabled());
    EXPECT_TRUE(p.Cabin_Numbers().Control_16_Sat1_ChB[1]->isEnabled());
    EXPECT_EQ(p.Cockpit_Numbers().Category_Name(2), QStringLiteral("CREW"));
    EXPECT_EQ(Lines(p.Cockpit_Numbers().Control_05[1]).value(0),
              QStringLiteral("OPS               0012345               2    Yes"));
    EXPECT_EQ(Lines(p.General().Control_78), QStringList{pages::Format_PSID_Row({1, 5, 0x1770, 0})});
}

TEST_F(V14Test, CompositeRecordIsAFixedPointThroughTheConversion)
{
    Edit_Pages(*pages);
    User_Mod::Update_Data_V14(*pages);
    const QByteArray saved = Bytes();

    Page_Set other;
    other.Create_Stand_In_Main_Controls();
    Set_Loaded(15, 1);
    User_Mod::Convert_User(other);
    EXPECT_EQ(Differences(saved, Bytes()), QStringList());
    EXPECT_TRUE(messages.Boxes().isEmpty());
}

// A new ORT of every airframer level and revision opens again unchanged,
// but for the trailing blanks of the factory descriptions, which the load
// trims.
TEST_F(V14Test, NewOrtOfEveryLevelIsAFixedPoint)
{
    for (const int airframer : {0, 1, 2, 3, 4}) {
        for (const int revision : {0, 1, 2}) {
            SCOPED_TRACE(QStringLiteral("airframer %1 revision %2").arg(airframer).arg(revision).toStdString());
            Set_Current(revision, 5, airframer);
            Page_Set first;
            first.Create_Stand_In_Main_Controls();
            User_Mod::Set_User_Defaults_New(first);
            User_Mod::Update_Data(first);
            const QByteArray saved = Bytes();

            Set_Loaded(airframer % 2 ? 15 : 14, revision);
            Page_Set second;
            second.Create_Stand_In_Main_Controls();
            User_Mod::Convert_User(second);
            // The description keeps its last blank.
            EXPECT_EQ(Differences(saved, Bytes()), QStringList());
        }
    }
    EXPECT_TRUE(messages.Boxes().isEmpty());
}

// The factory host names hold "_", which the page lets stand: a saved
// default ORT opens again without a change or a report line.
TEST_F(V14Test, FactoryValuesLoadWithoutReportLines)
{
    User_Mod::Update_Data_V14(*pages);
    auto other = Make_Pages();
    Open_Report();
    User_Mod::Update_GUI_V14(*other);
    const QStringList entries = Report_Entries();
    EXPECT_EQ(entries.filter(QStringLiteral("***")), QStringList());
    EXPECT_EQ(entries.filter(QStringLiteral("lxxxii")), QStringList());
    EXPECT_EQ(other->HSD_Cnfg().Control_82b[1]->text(), QStringLiteral("HSDU2_P2"));
}

TEST_F(V14Test, EveryItem61OrderSurvivesSaveAndLoad)
{
    for (int index = 0; index <= 5; ++index) {
        pages->General().Control_61->setCurrentIndex(index);
        User_Mod::Update_Data_V14(*pages);
        pages->General().Control_61->setCurrentIndex(index == 0 ? 1 : 0);
        User_Mod::Update_GUI_V14(*pages);
        EXPECT_EQ(pages->General().Control_61->currentIndex(), index);
    }
}

// --- checks of the load ------------------------------------------------------

TEST_F(V14Test, UnsignedSixteenBitItemsShowUnsigned)
{
    User_Mod::Update_Data_V14(*pages);
    Put_At(19466, 2, 0xFFFF);
    Put_At(19468, 2, 0x8000);
    Put_At(19614, 2, 0xFFFF);
    Put_At(19523, 2, 0xFFFF); // item 94 stays signed
    Open_Report();
    User_Mod::Update_GUI_V14(*pages);
    EXPECT_EQ(pages->HSD_SBB().Control_90pac->text(), QStringLiteral("65535"));
    EXPECT_EQ(pages->HSD_SBB().Control_90per->text(), QStringLiteral("32768"));
    EXPECT_EQ(pages->HSD_SBB().Control_102->text(), QStringLiteral("65535"));
    // -1 lies outside item 94's field: its default stands, reported.
    EXPECT_EQ(pages->Sat_GES().Control_94->text(), QStringLiteral("5"));
    EXPECT_EQ(Report_Entries().filter(QStringLiteral("Item xciv - Value out of range, was: -1")).size(), 1);
}

TEST_F(V14Test, Item92ElementOutsideTheArrayGoesToTheHighest)
{
    User_Mod::Update_Data_V14(*pages);
    Put_At(19506, 4, 7);
    Put_At(19510, 1, 0);
    Put_At(19511, 4, 1);
    Put_At(19515, 1, 2);
    Put_At(19516, 4, 1);
    Put_At(19520, 1, 1);
    User_Mod::Update_GUI_V14(*pages);
    EXPECT_EQ(pages->Sat_GES().Control_92[2]->currentIndex(), 0);
    EXPECT_EQ(pages->Sat_GES().Control_92[1]->currentIndex(), 1);
}

TEST_F(V14Test, ModifiedFlagShowsTheLabel)
{
    User_Mod::Update_Data_V14(*pages);
    Put_At(18526, 2, 1);
    User_Mod::Update_GUI_V14(*pages);
    EXPECT_FALSE(pages->Main.Label_User_Modified->isHidden());
    Put_At(18526, 2, 0);
    User_Mod::Update_GUI_V14(*pages);
    EXPECT_TRUE(pages->Main.Label_User_Modified->isHidden());
}

TEST_F(V14Test, BadCountsAndIndexesRefuseTheLoad)
{
    User_Mod::Update_Data_V14(*pages);
    const QByteArray good = Bytes();
    const auto failure = [this, &good](int offset, int width, std::int64_t value) {
        User_Mod::User_Record_V14().Set_Bytes(good);
        Put_At(offset, width, value);
        try {
            User_Mod::Update_GUI_V14(*pages);
        } catch (const User_Mod::Record_Value_Error& e) {
            return e.Number();
        }
        return 0;
    };
    EXPECT_EQ(failure(2334, 4, 129), User_Mod::ERROR_SUBSCRIPT);    // GES count
    EXPECT_EQ(failure(2334, 4, -1), User_Mod::ERROR_SUBSCRIPT);
    EXPECT_EQ(failure(2450, 4, 17), User_Mod::ERROR_SUBSCRIPT);     // satellite count
    EXPECT_EQ(failure(19589, 4, 17), User_Mod::ERROR_SUBSCRIPT);    // service count
    EXPECT_EQ(failure(17702, 4, 99), User_Mod::ERROR_INVALID_VALUE); // item 7
    EXPECT_EQ(failure(18570, 1, 200), User_Mod::ERROR_INVALID_VALUE); // item 63
    EXPECT_EQ(failure(19510, 1, 4), User_Mod::ERROR_INVALID_VALUE);  // item 92
    EXPECT_EQ(failure(19625, 1, 9), 0); // item 104: its default, with a "***" line
    EXPECT_EQ(failure(17702, 4, -1), 0); // no selection is a valid index
    EXPECT_EQ(failure(2334, 4, 128), 0); // a full table
}

TEST_F(V14Test, ReportedCountsAndItems)
{
    User_Mod::Update_Data_V14(*pages);
    Put_At(19022, 4, 85);  // MPDS count
    Put_At(19122, 4, 24);  // a full M-ISDN list
    Put_At(19196, 1, 11);  // PSID count
    Put_At(19604, 4, 9);   // item 99
    QByteArray bytes = Bytes();
    bytes.replace(19246, 4, "ab$c");
    User_Mod::User_Record_V14().Set_Bytes(bytes);

    Open_Report();
    User_Mod::Update_GUI_V14(*pages);
    const QStringList entries = Report_Entries();
    EXPECT_TRUE(entries.contains(QStringLiteral("*** Item lxxviii-Size - Value out of range, was: 11")));
    EXPECT_TRUE(entries.contains(QStringLiteral("*** Item lxvii-Size - Value out of range, was: 85")));
    EXPECT_FALSE(entries.join(QLatin1Char('\n')).contains(QStringLiteral("lxvi-Size")));
    EXPECT_TRUE(entries.contains(
        QStringLiteral("*** Item ic - Value out of range, changed to: ")
        + pages->HSD_SBB().Control_99->currentText()));
    EXPECT_TRUE(entries.contains(
        QStringLiteral("*** Item lxxxi - SDU 0, Username - Value out of range, was: ab$c")));
    EXPECT_EQ(pages->HSD_S64().Control_67->count(), 0);
    EXPECT_EQ(pages->HSD_S64().Control_66->count(), 24);
    EXPECT_EQ(pages->General().Control_78->count(), 0);
    EXPECT_EQ(pages->HSD_Cnfg().Control_81user[0]->text(), QStringLiteral("ab c"));
    // Checked counts and cleaned texts go back into the record.
    EXPECT_EQ(Number_At(19022, 4), 0);
    EXPECT_EQ(Byte_At(19196), 0);
    EXPECT_EQ(Bytes().mid(19246, 16), QByteArray("ab c") + QByteArray(12, ' '));
}

TEST_F(V14Test, StoredNumbersOutsideTheirFieldsLoadAsTheDefault)
{
    using Field = QLineEdit* (*)(Page_Set&);
    const Field weighting_0 = [](Page_Set& p) { return p.Dual().Control_49[0]; };
    const Field terminal_2a2 = [](Page_Set& p) { return p.Cabin().Control_45_2a2; };
    const Field item_62 = [](Page_Set& p) { return p.HSD_Cnfg().Control_62; };
    const Field item_76 = [](Page_Set& p) { return p.HSD_Cnfg().Control_76; };
    const Field item_94 = [](Page_Set& p) { return p.Sat_GES().Control_94; };
    const Field azimuth_2 = [](Page_Set& p) { return p.PIMBIT().Control_106_Az[2]; };
    const Field elevation_0 = [](Page_Set& p) { return p.PIMBIT().Control_106_El[0]; };
    const Field item_107 = [](Page_Set& p) { return p.PIMBIT().Control_107; };
    // Out of range: the default shows, with a "***" line; at the ends of the
    // range: the stored number shows, without one.
    const struct {
        int offset;
        int width;
        std::int64_t stored;
        Field field;
        const char* shown;
        const char* label; // nullptr: no report line
    } rows[] = {
        {18548, 1, 200, weighting_0, "6", "xlix-0"},
        {18549, 1, 255, [](Page_Set& p) { return p.Dual().Control_49[1]; }, "2", "xlix-1"},
        {18548, 1, 99, weighting_0, "99", nullptr},
        {18532, 2, 1000, [](Page_Set& p) { return p.Cabin().Control_45_1a1; }, "-1", "xlv-SDU 1, APHONE 1"},
        {18544, 2, -2, terminal_2a2, "-1", "xlv-SDU 2, APHONE 2"},
        {18544, 2, 999, terminal_2a2, "999", nullptr},
        {18560, 4, 251, item_62, "18.0", "lxii"},
        {18560, 4, 250, item_62, "25.0", nullptr},
        {18571, 4, -1, [](Page_Set& p) { return p.HSD_Cnfg().Control_64; }, "16.0", "lxiv"},
        {18676, 1, 251, item_76, "50", "lxxvi"},
        {18676, 1, 2, item_76, "50", "lxxvi"},
        {18676, 1, 3, item_76, "3", nullptr},
        {19523, 2, 100, item_94, "5", "xciv"},
        {19523, 2, 30, item_94, "30", nullptr},
        {19616, 2, 0, [](Page_Set& p) { return p.Sat_GES().Control_108; }, "5", "cviii"},
        {19618, 1, 69, [](Page_Set& p) { return p.PIMBIT().Control_103[0]; }, "208", "ciii-0"},
        {19636, 2, 100, azimuth_2, "15", "cvi-Azimuth 2"},
        {19636, 2, -99, azimuth_2, "-99", nullptr},
        {19638, 2, 181, elevation_0, "12.5", "cvi-Elevation 0"},
        {19638, 2, 180, elevation_0, "90", nullptr},
        {19642, 1, 100, item_107, "1", "cvii"},
        {19642, 1, 99, item_107, "99", nullptr},
    };
    User_Mod::Update_Data_V14(*pages);
    const QByteArray defaults = Bytes();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.offset);
        SCOPED_TRACE(row.stored);
        auto loaded = Make_Pages();
        User_Mod::User_Record_V14().Set_Bytes(defaults);
        Put_At(row.offset, row.width, row.stored);
        Open_Report();
        User_Mod::Update_GUI_V14(*loaded);
        EXPECT_EQ(row.field(*loaded)->text(), QLatin1String(row.shown));
        const QStringList lines = Report_Entries().filter(QStringLiteral("Value out of range, was: "));
        if (row.label) {
            EXPECT_EQ(lines, QStringList{QStringLiteral("*** Item ") + QLatin1String(row.label)
                                         + QStringLiteral(" - Value out of range, was: ")
                                         + QString::number(row.stored)});
        } else {
            EXPECT_EQ(lines, QStringList());
        }
    }
}

// Every stored value that a list line, a control or the save cannot keep
// as it stands loads with its "***" line and is saved as the line keeps it.
TEST_F(V14Test, ValuesTheLoadCannotKeepAreReported)
{
    Edit_Pages(*pages);
    User_Mod::Update_Data_V14(*pages);
    const QByteArray edited = Bytes();
    const QString maint = pages->Cockpit_Numbers().Category_Name(1) + QStringLiteral(", 1");
    const int maint_entry = 2458 + 38 * 101; // category 1, entry 1
    const struct {
        int offset;
        int width;
        std::int64_t stored;
        QString label;
        const char* was;
        const char* changed_to;
        std::int64_t saved; // at the same offset
    } rows[] = {
        {maint_entry + 34, 2, 12, QStringLiteral("v - Priority, ") + maint, "12", "3", 3},
        {maint_entry + 34, 2, 32767, QStringLiteral("v - Priority, ") + maint, "32767", "3", 3},
        {maint_entry + 34, 2, 0xFFFF, QStringLiteral("v - Priority, ") + maint, "-1", "3", 3},
        {maint_entry + 34, 2, 99, QStringLiteral("v - Priority, ") + maint, "99", "3", 3},
        {maint_entry + 36, 2, 2, QStringLiteral("v - Protected, ") + maint, "2", "1", 1},
        {19471, 1, 2, QStringLiteral("xci"), "2", "1", 1},                        // item 91 of satellite 0
        {19470, 1, 5, QStringLiteral("xci-SAT ID"), "5(Octal)", "1(Octal)", 1},  // its copy of the Sat ID
        {19502, 4, 2, QStringLiteral("iii-Size"), "2", "3", 3},                   // the second count
        {19526, 1, 0xFF, QStringLiteral("xcv-Services Offered"), "FF(Hex)", "3F(Hex)", 0x3F},
        {19527, 2, 0x1FF, QStringLiteral("xcv-Sat Longitude"), "1FF(Hex)", "168(Hex)", 0x168},
        {19527, 2, 0xFFFF, QStringLiteral("xcv-Sat Longitude"), "FFFF(Hex)", "3FF(Hex)", 0x3FF},
        {18518, 2, 2, QStringLiteral("xxvi-SDU 2"), "2", "0", 0},
        {19506, 4, 7, QStringLiteral("xcii"), "7", "2", 0},  // saved in element order
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label.toStdString() + " " + std::to_string(row.stored));
        User_Mod::User_Record_V14().Set_Bytes(edited);
        Put_At(row.offset, row.width, row.stored);
        auto loaded = Make_Pages();
        Open_Report();
        ASSERT_NO_THROW(User_Mod::Update_GUI_V14(*loaded));
        const QStringList entries = Report_Entries();
        const QString first = QStringLiteral("*** Item ") + row.label + QStringLiteral(" - Value out of range, was: ")
                              + QLatin1String(row.was);
        EXPECT_EQ(entries.filter(QStringLiteral("***")), QStringList{first});
        const qsizetype at = entries.indexOf(first);
        ASSERT_GE(at, 0);
        EXPECT_TRUE(entries.value(at + 1).endsWith(QStringLiteral("             Changed to: ")
                                                   + QLatin1String(row.changed_to)))
            << entries.value(at + 1).toStdString();
        for (int k = 0; k < 4; ++k)
            for (const QString& line : Lines(loaded->Cockpit_Numbers().Control_05[static_cast<std::size_t>(k)]))
                EXPECT_EQ(line.size(), tables::COCKPIT_LINE_LENGTH) << line.toStdString();
        ASSERT_NO_THROW(User_Mod::Update_Data_V14(*loaded));
        EXPECT_EQ(Number_At(row.offset, row.width), row.saved);
    }
    // Texts longer than their line column or field, a blank in a satellite
    // name, no GES name.
    const struct {
        int offset;
        QByteArray stored;
        QString label;
        const char* changed_to;
        QByteArray saved;
    } texts[] = {
        {maint_entry, "ABCDEFGHIJKLMNO", QStringLiteral("v - Phone Name, ") + maint, "ABCDEFGHIJKLMN",
         QByteArray("ABCDEFGHIJKLMN") + '\0'},
        {2339, "AB CDE", QStringLiteral("iii - Sat Name"), "AB-CD", QByteArray("AB-CD") + '\0'},
        {33 + 18, QByteArray(15, '\0'), QStringLiteral("ii - GES Name"), "--------------",
         QByteArray("--------------") + '\0'},
        {17720 + 19 * 2, "1234567890123456789", QStringLiteral("xvi - APHONE A, 1, SDU 1"), "123456789012345678",
         QByteArray("123456789012345678") + '\0'},
    };
    for (const auto& row : texts) {
        SCOPED_TRACE(row.label.toStdString());
        QByteArray bytes = edited;
        bytes.replace(row.offset, row.stored.size(), row.stored);
        User_Mod::User_Record_V14().Set_Bytes(bytes);
        auto loaded = Make_Pages();
        Open_Report();
        ASSERT_NO_THROW(User_Mod::Update_GUI_V14(*loaded));
        const QStringList entries = Report_Entries();
        const QString first = QStringLiteral("*** Item ") + row.label + QStringLiteral(" - Value out of range, was: ")
                              + core::Strip_At_Null(QString::fromLatin1(row.stored));
        EXPECT_EQ(entries.filter(QStringLiteral("***")), QStringList{first});
        EXPECT_TRUE(entries.value(entries.indexOf(first) + 1).endsWith(QLatin1String(row.changed_to)));
        ASSERT_NO_THROW(User_Mod::Update_Data_V14(*loaded));
        EXPECT_EQ(Bytes().mid(row.offset, row.saved.size()), row.saved);
    }
    // Item 61 from a key that no list entry writes.
    User_Mod::User_Record_V14().Set_Bytes(edited);
    Put_At(18556, 1, 0);
    Put_At(18558, 1, 1);
    Put_At(18568, 1, 0); // key 2
    auto loaded = Make_Pages();
    Open_Report();
    User_Mod::Update_GUI_V14(*loaded);
    EXPECT_EQ(Report_Entries().filter(QStringLiteral("***")),
              QStringList{QStringLiteral("*** Item lxi - Value out of range, changed to: ")
                          + loaded->General().Control_61->itemText(4)});
    // A service entry whose satellite has no line.
    User_Mod::User_Record_V14().Set_Bytes(edited);
    Put_At(19525, 1, 9);
    loaded = Make_Pages();
    Open_Report();
    User_Mod::Update_GUI_V14(*loaded);
    EXPECT_EQ(Report_Entries().filter(QStringLiteral("***")),
              QStringList{QStringLiteral("*** Item xcv-SAT ID - Value out of range, was: 11(Octal)")});
}

TEST_F(V14Test, ListLinesBuiltFromTheRecord)
{
    Edit_Pages(*pages);
    User_Mod::Update_Data_V14(*pages);
    QByteArray bytes = Bytes();
    bytes.replace(33, 15, QByteArray("eik$") + QByteArray(11, '\0')); // GES name of entry 0
    User_Mod::User_Record_V14().Set_Bytes(bytes);
    Put_At(19589, 4, 3);           // a third service entry ...
    Put_At(19525 + 8, 1, 9);       // ... for satellite 11 (octal), which has no line
    Put_At(19525 + 9, 1, SBB);

    Open_Report();
    auto other = Make_Pages();
    User_Mod::Update_GUI_V14(*other);
    const QStringList entries = Report_Entries();

    EXPECT_TRUE(entries.contains(QStringLiteral("*** Item ii - GES Name - Value out of range, was: EIK$")));
    const QStringList ges = Lines(other->Sat_GES().Control_02);
    ASSERT_EQ(ges.size(), 2);
    EXPECT_EQ(ges[0], QStringLiteral("01   021   1   EIK            "));
    EXPECT_EQ(ges[1], QStringLiteral("03   305   0   PERTH          "));
    EXPECT_EQ(Lines(other->Sat_GES().Control_03),
              (QStringList{Sat_Line(1, "AOR-W", 1, SBB | MPDS, -0.5F), Sat_Line(2, "POR", 0, 0, 0.0F),
                           Sat_Line(3, "IOR", 1, ISDN, 180.0F)}));
    EXPECT_EQ(other->Cockpit_Numbers().Control_05[1]->count(), 2);
    EXPECT_EQ(Lines(other->Cockpit_Numbers().Control_05[1]).value(1),
              QStringLiteral("MAINT").leftJustified(18) + QStringLiteral("99").leftJustified(22)
                  + QStringLiteral("4    No "));
    EXPECT_EQ(Lines(other->HSD_S64().Control_67), Lines(pages->HSD_S64().Control_67));
    EXPECT_EQ(other->Cabin_Numbers().Control_16_Sat2_ChB[9]->text(), QStringLiteral("123-456"));
}

TEST_F(V14Test, AirframerLevelSkipsItemsAndReportsItem13)
{
    Edit_Pages(*pages);
    pages->Cabin().Control_13->setCurrentIndex(2);
    User_Mod::Update_Data_V14(*pages);

    Set_Current(1, 5, 2);
    auto other = Make_Pages();
    const int default_04 = other->General().Control_04->currentIndex();
    const int default_14 = other->Cockpit_Voice().Control_14->currentIndex();
    const QString default_category = other->Cockpit_Numbers().Category_Name(2);
    User_Mod::Update_GUI_V14(*other);
    EXPECT_EQ(other->General().Control_04->currentIndex(), default_04);
    EXPECT_EQ(other->Cockpit_Voice().Control_14->currentIndex(), default_14);
    EXPECT_EQ(other->Cockpit_Numbers().Category_Name(2), default_category);
    EXPECT_EQ(other->Cabin().Control_13->currentIndex(), 2);
    EXPECT_EQ(other->General().Control_61->currentIndex(), 5);
}

TEST_F(V14Test, DispatcherRowOfGenerationFourteen)
{
    const User_Mod::Generation_Row* user_only = User_Mod::Generation_Of_Type(14);
    const User_Mod::Generation_Row* composite = User_Mod::Generation_Of_Type(15);
    ASSERT_NE(user_only, nullptr);
    EXPECT_EQ(user_only, composite);
    EXPECT_EQ(user_only->Update_Data, &User_Mod::Update_Data_V14);
    EXPECT_EQ(User_Mod::User_Record_For_Type(15), &User_Mod::User_Record_V14());
}
