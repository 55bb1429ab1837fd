// Generation-14 user record checked byte by byte from outside its layout
// table: the fields behind the generation-8 head (addresses of both ports,
// the tail of high-speed-data, satellite-service and PIM/BIT items) through
// the real save, and hand-written bytes through the real load.

#include "record_bytes.h"
#include "user_v14_fixture.h"

#include "editor/pages_hsd/hsd_defaults.h"
#include "editor/user_partition/user_mod.h"
#include "editor/user_partition/user_record_v14.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

using namespace v14test;
using User_Mod::Format_LES_Entry;
using User_Mod::Make_LES_Element;
using usertest::Other;
using usertest::Pick;
using usertest::Text_Field;

namespace {

class V14OffsetsTest : public V14Test {
protected:
    static void Put_Bytes(int offset, const QByteArray& field)
    {
        usertest::Put_Field_Into(User_Mod::User_Record_V14(), offset, field);
    }
};

} // namespace

TEST_F(V14OffsetsTest, AddressesOfBothPortsFollowTheHead)
{
    Page_HSD_Cnfg& cnfg = pages->HSD_Cnfg();
    const std::array<std::array<QLineEdit*, 4>*, 13> boxes = {
        &cnfg.Control_72a1, &cnfg.Control_72a2, &cnfg.Control_72b1, &cnfg.Control_72b2,
        &cnfg.Control_73a1, &cnfg.Control_73a2, &cnfg.Control_73b1, &cnfg.Control_73b2,
        &cnfg.Control_74a1, &cnfg.Control_74a2, &cnfg.Control_74b1, &cnfg.Control_74b2,
        &cnfg.Control_75};
    QByteArray octets;
    for (std::size_t n = 0; n < boxes.size(); ++n) {
        for (std::size_t p = 0; p < 4; ++p) {
            const int value = static_cast<int>(10 * n + p + 1);
            (*boxes[n])[p]->setText(QString::number(value));
            octets.append(static_cast<char>(value));
        }
    }
    cnfg.Control_64->setText(QStringLiteral("29.9"));
    const int item_63 = Pick(pages->Cockpit_Voice().Control_63, 2);
    const int item_65 = Pick(cnfg.Control_65, 2);
    User_Mod::Update_Data_V14(*pages);
    EXPECT_EQ(Byte_At(18570), item_63);
    EXPECT_EQ(Number_At(18571, 4), 299);
    EXPECT_EQ(Byte_At(18575), item_65);
    EXPECT_EQ(Bytes().mid(18576, 52), octets);

    // Record -> controls: the n-th address at 18576 + 4n, first octet first.
    Put_Bytes(18580, QByteArray("\x0B\x0C\x0D\x0E", 4));   // 72, SDU 1 port 2
    Put_Bytes(18620, QByteArray("\xC0\xA8\x00\xFE", 4));   // 74, SDU 2 port 2
    auto other = Make_Pages();
    User_Mod::Update_GUI_V14(*other);
    EXPECT_EQ(other->HSD_Cnfg().Control_72a2[0]->text(), QStringLiteral("11"));
    EXPECT_EQ(other->HSD_Cnfg().Control_72a2[3]->text(), QStringLiteral("14"));
    EXPECT_EQ(other->HSD_Cnfg().Control_74b2[0]->text(), QStringLiteral("192"));
    EXPECT_EQ(other->HSD_Cnfg().Control_74b2[3]->text(), QStringLiteral("254"));
    EXPECT_EQ(other->HSD_Cnfg().Control_75[2]->text(), QStringLiteral("123"));
    EXPECT_EQ(other->HSD_Cnfg().Control_64->text(), QStringLiteral("29.9"));
}

TEST_F(V14OffsetsTest, TailIndexesLandAtTheirOffsetsAndComeBack)
{
    Page_HSD_Cnfg& cnfg = pages->HSD_Cnfg();
    Page_HSD_SBB& sbb = pages->HSD_SBB();
    Page_Sat_GES& sat = pages->Sat_GES();
    struct Row {
        QComboBox* box;
        int offset;
        int width;
    };
    const Row rows[] = {
        {cnfg.Control_70, 18672, 2},     {cnfg.Control_71, 18674, 2},     {sbb.Control_77a, 18677, 1},
        {cnfg.Control_79_1[0], 19197, 2}, {cnfg.Control_79_1[1], 19199, 2},
        {cnfg.Control_79_2[0], 19201, 2}, {cnfg.Control_79_2[1], 19203, 2},
        {cnfg.Control_84, 19374, 2},     {cnfg.Control_88, 19456, 2},
        {sbb.Control_89[0], 19458, 4},   {sbb.Control_89[1], 19462, 4},
        {sat.Control_93, 19521, 2},      {sbb.Control_96, 19593, 1},      {sbb.Control_97, 19594, 2},
        {cnfg.Control_98[0], 19596, 4},  {cnfg.Control_98[1], 19600, 4},
        {sbb.Control_99, 19604, 4},      {cnfg.Control_100, 19608, 4},    {sbb.Control_101, 19612, 2},
    };
    std::vector<int> chosen;
    for (const Row& row : rows)
        chosen.push_back(Pick(row.box, Other(row.box)));
    for (std::size_t j = 0; j < 3; ++j)
        sat.Control_92[j]->setCurrentIndex(static_cast<int>(3 - j));

    User_Mod::Update_Data_V14(*pages);
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(Number_At(rows[i].offset, rows[i].width), chosen[i]) << "offset " << rows[i].offset;
    // Item 92: element number, then its preference, five bytes an entry.
    EXPECT_EQ(Bytes().mid(19506, 15),
              QByteArray("\x00\x00\x00\x00\x03\x00\x00\x00\x01\x02\x00\x00\x00\x02\x01", 15));

    auto other = Make_Pages();
    User_Mod::Update_GUI_V14(*other);
    const Row other_rows[] = {
        {other->HSD_Cnfg().Control_70, 0, 0},      {other->HSD_Cnfg().Control_71, 0, 0},
        {other->HSD_SBB().Control_77a, 0, 0},      {other->HSD_Cnfg().Control_79_1[0], 0, 0},
        {other->HSD_Cnfg().Control_79_1[1], 0, 0}, {other->HSD_Cnfg().Control_79_2[0], 0, 0},
        {other->HSD_Cnfg().Control_79_2[1], 0, 0}, {other->HSD_Cnfg().Control_84, 0, 0},
        {other->HSD_Cnfg().Control_88, 0, 0},      {other->HSD_SBB().Control_89[0], 0, 0},
        {other->HSD_SBB().Control_89[1], 0, 0},    {other->Sat_GES().Control_93, 0, 0},
        {other->HSD_SBB().Control_96, 0, 0},       {other->HSD_SBB().Control_97, 0, 0},
        {other->HSD_Cnfg().Control_98[0], 0, 0},   {other->HSD_Cnfg().Control_98[1], 0, 0},
        {other->HSD_SBB().Control_99, 0, 0},       {other->HSD_Cnfg().Control_100, 0, 0},
        {other->HSD_SBB().Control_101, 0, 0},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(other_rows[i].box->currentIndex(), chosen[i]) << "offset " << rows[i].offset;
    for (std::size_t j = 0; j < 3; ++j)
        EXPECT_EQ(other->Sat_GES().Control_92[j]->currentIndex(), static_cast<int>(3 - j));
}

TEST_F(V14OffsetsTest, TailTextsAndNumbersLandAtTheirOffsets)
{
    Page_HSD_Cnfg& cnfg = pages->HSD_Cnfg();
    Page_HSD_SBB& sbb = pages->HSD_SBB();
    const char* macs[] = {"0", "1B", "ff", "A", "7", "C0"};
    for (std::size_t i = 0; i < 6; ++i) {
        cnfg.Control_68a[i]->setText(QLatin1String(macs[i]));
        cnfg.Control_68b[5 - i]->setText(QLatin1String(macs[i]));
    }
    cnfg.Control_69[0]->setText(QStringLiteral("Data-x"));
    cnfg.Control_76->setText(QStringLiteral("200"));
    const char* rates[] = {"65535", "0", "1", "300"};
    for (std::size_t i = 0; i < 4; ++i)
        sbb.Control_77b[i]->setText(QLatin1String(rates[i]));
    sbb.Control_80->setText(QStringLiteral("apn.example"));
    cnfg.Control_81user[0]->setText(QStringLiteral("user0"));
    cnfg.Control_81pass[1]->setText(QStringLiteral("Pass1"));
    cnfg.Control_82a[1]->setText(QStringLiteral("host_a1"));
    cnfg.Control_82b[0]->setText(QStringLiteral("host_b0"));
    cnfg.Control_85user[1]->setText(QStringLiteral("chap1"));
    cnfg.Control_85pass[0]->setText(QStringLiteral("secret0"));
    pages->Main.Control_86->setText(QStringLiteral("abc123"));
    sbb.Control_90pac->setText(QStringLiteral("65535"));
    sbb.Control_90per->setText(QStringLiteral("40000"));
    sbb.Control_102->setText(QStringLiteral("512"));
    pages->Sat_GES().Control_94->setText(QStringLiteral("29"));
    pages->Sat_GES().Control_108->setText(QStringLiteral("30"));

    User_Mod::Update_Data_V14(*pages);
    EXPECT_EQ(Bytes().mid(18628, 12), QByteArray("\x00\x1B\xFF\x0A\x07\xC0\xC0\x07\x0A\xFF\x1B\x00", 12));
    EXPECT_EQ(Bytes().mid(18640, 16), Text_Field("Data-x", 16));
    EXPECT_EQ(Byte_At(18676), 200);
    EXPECT_EQ(Bytes().mid(18678, 8), QByteArray("\xFF\xFF\x00\x00\x00\x01\x01\x2C", 8));
    EXPECT_EQ(Bytes().mid(19205, 41), Text_Field("APN.EXAMPLE", 41));
    EXPECT_EQ(Bytes().mid(19246, 16), Text_Field("user0", 16));
    EXPECT_EQ(Bytes().mid(19278 + 16, 16), Text_Field("Pass1", 16));
    EXPECT_EQ(Bytes().mid(19310 + 16, 16), Text_Field("host_a1", 16));
    EXPECT_EQ(Bytes().mid(19342, 16), Text_Field("host_b0", 16));
    EXPECT_EQ(Bytes().mid(19376 + 16, 16), Text_Field("chap1", 16));
    EXPECT_EQ(Bytes().mid(19408, 16), Text_Field("secret0", 16));
    EXPECT_EQ(Bytes().mid(19440, 16), Text_Field("ABC123", 16));
    EXPECT_EQ(Number_At(19466, 2), 0xFFFF);
    EXPECT_EQ(Number_At(19468, 2), 40000);
    EXPECT_EQ(Number_At(19614, 2), 512);
    EXPECT_EQ(Number_At(19523, 2), 29);
    EXPECT_EQ(Number_At(19616, 2), 30);
    EXPECT_EQ(Bytes().mid(19643, 1722), QByteArray(1722, '\0'));
    EXPECT_EQ(Byte_At(21365), 1);

    auto other = Make_Pages();
    User_Mod::Update_GUI_V14(*other);
    EXPECT_EQ(other->HSD_Cnfg().Control_68a[1]->text(), QStringLiteral("1B"));
    EXPECT_EQ(other->HSD_Cnfg().Control_68b[0]->text(), QStringLiteral("C0"));
    EXPECT_EQ(other->HSD_Cnfg().Control_76->text(), QStringLiteral("200"));
    EXPECT_EQ(other->HSD_SBB().Control_77b[0]->text(), QStringLiteral("65535"));
    EXPECT_EQ(other->HSD_SBB().Control_77b[3]->text(), QStringLiteral("300"));
    EXPECT_EQ(other->HSD_Cnfg().Control_82a[1]->text(), QStringLiteral("host_a1"));
    EXPECT_EQ(other->HSD_Cnfg().Control_85pass[0]->text(), QStringLiteral("secret0"));
    EXPECT_EQ(other->HSD_SBB().Control_90per->text(), QStringLiteral("40000"));
    EXPECT_EQ(other->HSD_SBB().Control_102->text(), QStringLiteral("512"));
    EXPECT_EQ(other->Sat_GES().Control_94->text(), QStringLiteral("29"));
    EXPECT_EQ(other->Sat_GES().Control_108->text(), QStringLiteral("30"));
    EXPECT_EQ(other->Main.Control_86->text(), QStringLiteral("ABC123"));
}

TEST_F(V14OffsetsTest, LesAndPsidTablesSitBehindTheAddresses)
{
    QListWidget* mpds = pages->HSD_S64().Control_67;
    mpds->clear();
    mpds->addItem(Format_LES_Entry(Make_LES_Element(012, 305, 2)));
    QListWidget* misdn = pages->HSD_S64().Control_66;
    misdn->clear();
    misdn->addItem(Format_LES_Entry(Make_LES_Element(03, 7, 9)));
    misdn->addItem(Format_LES_Entry(Make_LES_Element(077, 999, 1)));
    User_Mod::Update_Data_V14(*pages);
    EXPECT_EQ(Bytes().mid(18686, 8), QByteArray("\x0A\x01\x31\x02\x3F\x03\xE7\x00", 8));
    EXPECT_EQ(Bytes().mid(18686 + 83 * 4, 4), QByteArray("\x3F\x03\xE7\x00", 4));
    EXPECT_EQ(Number_At(19022, 4), 1);
    EXPECT_EQ(Bytes().mid(19026, 12), QByteArray("\x03\x00\x07\x09\x3F\x03\xE7\x01\x3F\x03\xE7\x00", 12));
    EXPECT_EQ(Bytes().mid(19026 + 23 * 4, 4), QByteArray("\x3F\x03\xE7\x00", 4));
    EXPECT_EQ(Number_At(19122, 4), 2);
    EXPECT_EQ(Byte_At(19126), 63); // empty PSID table
    EXPECT_EQ(Byte_At(19126 + 9 * 7), 63);
    EXPECT_EQ(Byte_At(19196), 0);

    // A PSID row written by hand comes back as its list line.
    Put_Bytes(19126, QByteArray("\x03\x00\x07\x17\x70\x00\x00", 7));
    Put_At(19196, 1, 1);
    auto other = Make_Pages();
    User_Mod::Update_GUI_V14(*other);
    ASSERT_EQ(other->General().Control_78->count(), 1);
    EXPECT_TRUE(other->General().Control_78->item(0)->text().startsWith(QStringLiteral("03")));
    EXPECT_TRUE(other->General().Control_78->item(0)->text().contains(QStringLiteral("0x1770")));
    EXPECT_EQ(other->HSD_S64().Control_66->count(), 2);
    EXPECT_EQ(other->HSD_S64().Control_66->item(1)->text(),
              Format_LES_Entry(Make_LES_Element(077, 999, 1)));
}

TEST_F(V14OffsetsTest, PimBitBlockAtItsOffsets)
{
    Page_PIMBIT& page = pages->PIMBIT();
    for (std::size_t k = 0; k < page.Control_103.size(); ++k)
        page.Control_103[k]->setText(QString::number(71 + k));
    for (std::size_t k = 0; k < page.Control_104.size(); ++k)
        Pick(page.Control_104[k], 1);
    for (std::size_t k = 0; k < page.Control_105.size(); ++k)
        page.Control_105[k]->setText(QString::number(21 + k));
    page.Control_106_Az[0]->setText(QStringLiteral("-15"));
    page.Control_106_Az[1]->setText(QStringLiteral("0"));
    page.Control_106_Az[2]->setText(QStringLiteral("90"));
    page.Control_106_El[0]->setText(QStringLiteral("12.5"));
    page.Control_106_El[1]->setText(QStringLiteral("27.5"));
    page.Control_107->setText(QStringLiteral("9"));
    User_Mod::Update_Data_V14(*pages);
    EXPECT_EQ(Bytes().mid(19618, 7), QByteArray("\x47\x48\x49\x4A\x4B\x4C\x4D", 7));
    EXPECT_EQ(Bytes().mid(19625, 3), QByteArray(3, '\x01'));
    EXPECT_EQ(Bytes().mid(19628, 4), QByteArray("\x15\x16\x17\x18", 4));
    EXPECT_EQ(Bytes().mid(19632, 6), QByteArray("\xFF\xF1\x00\x00\x00\x5A", 6));
    EXPECT_EQ(Bytes().mid(19638, 4), QByteArray("\x00\x19\x00\x37", 4));
    EXPECT_EQ(Byte_At(19642), 9);

    auto other = Make_Pages();
    Set_Loaded(14, 1);
    User_Mod::Update_GUI_V14(*other);
    EXPECT_EQ(other->PIMBIT().Control_103[6]->text(), QStringLiteral("77"));
    EXPECT_EQ(other->PIMBIT().Control_105[0]->text(), QStringLiteral("21"));
    EXPECT_EQ(other->PIMBIT().Control_106_Az[0]->text(), QStringLiteral("-15"));
    EXPECT_EQ(other->PIMBIT().Control_106_El[1]->text(), QStringLiteral("27.5"));
    EXPECT_EQ(other->PIMBIT().Control_107->text(), QStringLiteral("9"));
}

TEST_F(V14OffsetsTest, HeadKeepsTheGenerationEightOffsets)
{
    Page_General& general = pages->General();
    Page_Cockpit_Voice& voice = pages->Cockpit_Voice();
    Page_Cabin& cabin = pages->Cabin();
    struct Row {
        QComboBox* box;
        int offset;
        int width;
    };
    const Row rows[] = {
        {general.Control_04, 2454, 4},   {voice.Control_07, 17702, 4},     {cabin.Control_10, 17706, 2},
        {voice.Control_15, 17716, 4},    {voice.Control_19a, 18482, 2},    {voice.Control_19b, 18484, 2},
        {cabin.Control_21a, 18492, 4},   {cabin.Control_21b, 18496, 4},    {cabin.Control_24a, 18500, 4},
        {cabin.Control_24b, 18504, 4},   {voice.Control_35, 18520, 4},     {voice.Control_36, 18524, 2},
        {general.Control_40a, 18528, 2}, {general.Control_40b, 18530, 2},  {cabin.Control_45_1b2, 18538, 2},
        {cabin.Control_45_2b1, 18542, 2}, {cabin.Control_45_2b2, 18546, 2}, {general.Control_58, 18554, 2},
        {voice.Control_63, 18570, 1},
    };
    std::vector<int> chosen;
    for (const Row& row : rows)
        chosen.push_back(Pick(row.box, Other(row.box)));
    const int item_13 = Pick(cabin.Control_13, Other(cabin.Control_13));
    ASSERT_GE(general.Control_61->count(), 6);
    general.Control_61->setCurrentIndex(5);
    cabin.Control_25a->setText(QStringLiteral("9"));
    cabin.Control_45_2a2->setText(QStringLiteral("-1"));
    pages->Dual().Control_49[2]->setText(QStringLiteral("33"));
    pages->Cabin_Numbers().Control_16_Sat2_ChA[4]->setText(QStringLiteral("1234"));

    User_Mod::Update_Data_V14(*pages);
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(Number_At(rows[i].offset, rows[i].width), chosen[i]) << "offset " << rows[i].offset;
    EXPECT_EQ(Number_At(17708, 4), item_13);
    // Item 61 index 5: A0 0, A2 0, B0 1, the others 1.
    EXPECT_EQ(Bytes().mid(18556, 4), QByteArray("\x00\x01\x00\x01", 4));
    EXPECT_EQ(Bytes().mid(18568, 2), QByteArray("\x01\x01", 2));
    EXPECT_EQ(Bytes().mid(18508, 4), QByteArray("9   "));
    EXPECT_EQ(Number_At(18544, 2), 0xFFFF);
    EXPECT_EQ(Byte_At(18550), 33);
    EXPECT_EQ(Bytes().mid(17720 + 19 * 28, 19), Text_Field("1234", 19));

    // And back: the same offsets into a second page set.
    auto other = Make_Pages();
    User_Mod::Update_GUI_V14(*other);
    const Row back[] = {
        {other->General().Control_04, 0, 0},       {other->Cockpit_Voice().Control_07, 0, 0},
        {other->Cabin().Control_10, 0, 0},         {other->Cockpit_Voice().Control_15, 0, 0},
        {other->Cockpit_Voice().Control_19a, 0, 0}, {other->Cockpit_Voice().Control_19b, 0, 0},
        {other->Cabin().Control_21a, 0, 0},        {other->Cabin().Control_21b, 0, 0},
        {other->Cabin().Control_24a, 0, 0},        {other->Cabin().Control_24b, 0, 0},
        {other->Cockpit_Voice().Control_35, 0, 0}, {other->Cockpit_Voice().Control_36, 0, 0},
        {other->General().Control_40a, 0, 0},      {other->General().Control_40b, 0, 0},
        {other->Cabin().Control_45_1b2, 0, 0},     {other->Cabin().Control_45_2b1, 0, 0},
        {other->Cabin().Control_45_2b2, 0, 0},     {other->General().Control_58, 0, 0},
        {other->Cockpit_Voice().Control_63, 0, 0},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(back[i].box->currentIndex(), chosen[i]) << "offset " << rows[i].offset;
    EXPECT_EQ(other->General().Control_61->currentIndex(), 5);
    EXPECT_EQ(other->Cabin().Control_45_2a2->text(), QStringLiteral("-1"));
    EXPECT_EQ(other->Dual().Control_49[2]->text(), QStringLiteral("33"));
    EXPECT_EQ(other->Cabin_Numbers().Control_16_Sat2_ChA[4]->text(), QStringLiteral("1234"));
}
