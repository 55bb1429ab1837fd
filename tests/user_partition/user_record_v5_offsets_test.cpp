// Generation-5 user record checked from outside its layout table: a record
// written here byte by byte at the documented offsets comes back in the page
// controls through the real load, and the texts the load cleans go back into
// the record blank-padded.

#include "editor/user_partition/user_record_v5.h"
#include "record_bytes.h"
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
using usertest::Cabin_Offset;
using usertest::Directory_Offset;
using usertest::Put_Number;

namespace {

void Put_Text(QByteArray& b, int at, const char* text)
{
    for (int i = 0; text[i]; ++i)
        b[at + i] = text[i];
}

// Every directory entry and cabin number unassigned, so that only what a
// test puts in is listed.
QByteArray Empty_Record()
{
    QByteArray b(7170, '\0');
    for (int element = 0; element < 100; ++element)
        Put_Text(b, 2473 + 38 * element, "------------------");
    for (int element = 0; element < 40; ++element)
        Put_Text(b, 6320 + 19 * element, "------------------");
    // Item 20: 1 is a list index that every reading of the field accepts.
    Put_Number(b, 7088, 4, 1);
    return b;
}

class V5OffsetsTest : public usertest::ShortRecordTest {
protected:
    // The record as a loaded type-5 file into defaulted pages of a
    // generation-14 target.
    void Load(const QByteArray& bytes, int airframer = 0)
    {
        User_Record_V5().Set_Bytes(bytes);
        Set_User_Loaded(5, 0);
        Set_User_Current(14, 1, 5, airframer);
        Set_User_Defaults_New(*pages);
        Update_GUI_V5(*pages);
    }
    static QByteArray Stored(int at, int width) { return User_Record_V5().Bytes().mid(at, width); }
};

} // namespace

TEST_F(V5OffsetsTest, ListIndexesAndNumbersFromTheirOffsets)
{
    QByteArray b = Empty_Record();
    Put_Number(b, 2454, 4, 1);   // item 4
    Put_Number(b, 6302, 4, 2);   // item 7
    Put_Number(b, 6306, 2, 1);   // item 10
    Put_Number(b, 6308, 4, 1);   // item 13
    Put_Number(b, 6312, 4, 15);  // item 14
    Put_Number(b, 6316, 4, 1);   // item 15
    Put_Number(b, 7080, 2, 0x7777); // reserved, not read
    Put_Number(b, 7082, 2, 1);   // item 19 SDU 1
    Put_Number(b, 7084, 2, 0);   // item 19 SDU 2
    Put_Number(b, 7086, 2, 0x7777);
    Put_Number(b, 7092, 4, 1);   // item 21
    Put_Number(b, 7096, 4, 0);
    Put_Number(b, 7100, 4, 0);   // item 24
    Put_Number(b, 7104, 4, 1);
    Put_Number(b, 7120, 4, 1);   // item 35
    Put_Number(b, 7124, 2, 1);   // item 36
    Put_Number(b, 7128, 2, 0);   // item 40
    Put_Number(b, 7130, 2, 1);
    const int item_45[4][2] = {{0xFFFF, 1}, {12, 0}, {999, 1}, {345, 0}};
    for (int i = 0; i < 4; ++i) {
        Put_Number(b, 7132 + 4 * i, 2, item_45[i][0]);
        Put_Number(b, 7134 + 4 * i, 2, item_45[i][1]);
    }
    for (int i = 0; i < 6; ++i)
        b[7148 + i] = static_cast<char>(i == 5 ? 99 : i + 1);
    Put_Number(b, 7154, 2, 1);   // item 58
    Put_Number(b, 7160, 4, 215); // item 62 in tenths
    Put_Number(b, 7164, 4, 1);
    Load(b);

    Page_Cockpit_Voice& voice = pages->Cockpit_Voice();
    Page_Cabin& cabin = pages->Cabin();
    Page_General& general = pages->General();
    EXPECT_EQ(general.Control_04->currentIndex(), 1);
    EXPECT_EQ(voice.Control_07->currentIndex(), 2);
    EXPECT_EQ(cabin.Control_10->currentIndex(), 1);
    EXPECT_EQ(cabin.Control_13->currentIndex(), 1);
    EXPECT_EQ(voice.Control_14->currentIndex(), 15);
    EXPECT_EQ(voice.Control_15->currentIndex(), 1);
    EXPECT_EQ(voice.Control_19a->currentIndex(), 1);
    EXPECT_EQ(voice.Control_19b->currentIndex(), 0);
    EXPECT_EQ(cabin.Control_21a->currentIndex(), 1);
    EXPECT_EQ(cabin.Control_21b->currentIndex(), 0);
    EXPECT_EQ(cabin.Control_24a->currentIndex(), 0);
    EXPECT_EQ(cabin.Control_24b->currentIndex(), 1);
    EXPECT_EQ(voice.Control_35->currentIndex(), 1);
    EXPECT_EQ(voice.Control_36->currentIndex(), 1);
    EXPECT_EQ(general.Control_40a->currentIndex(), 0);
    EXPECT_EQ(general.Control_40b->currentIndex(), 1);
    EXPECT_EQ(general.Control_58->currentIndex(), 1);
    // Item 45 numbers are signed 16-bit.
    EXPECT_EQ(cabin.Control_45_1a1->text(), QStringLiteral("-1"));
    EXPECT_EQ(cabin.Control_45_1b1->currentIndex(), 1);
    EXPECT_EQ(cabin.Control_45_1a2->text(), QStringLiteral("12"));
    EXPECT_EQ(cabin.Control_45_1b2->currentIndex(), 0);
    EXPECT_EQ(cabin.Control_45_2a1->text(), QStringLiteral("999"));
    EXPECT_EQ(cabin.Control_45_2b1->currentIndex(), 1);
    EXPECT_EQ(cabin.Control_45_2a2->text(), QStringLiteral("345"));
    EXPECT_EQ(cabin.Control_45_2b2->currentIndex(), 0);
    const char* weights[] = {"1", "2", "3", "4", "5", "99"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(pages->Dual().Control_49[static_cast<std::size_t>(i)]->text(), QLatin1String(weights[i]));
    EXPECT_EQ(pages->HSD_Cnfg().Control_62->text(), QStringLiteral("21.5"));
    EXPECT_TRUE(pages->Main.Label_User_Modified->isHidden());
}

TEST_F(V5OffsetsTest, Item61FlagBytesAcrossTheTwoPlaces)
{
    struct Case {
        int b[6];
        int index;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 0}, 4}, // code 3
        {{1, 1, 1, 1, 1, 1}, 1}, // code 7
        {{1, 1, 1, 1, 0, 1}, 0}, // code 6
        {{1, 1, 0, 1, 0, 0}, 2}, // code 4
        {{0, 1, 0, 1, 0, 0}, 3}, // code 0
        {{0, 1, 0, 1, 1, 1}, 5}, // code 1
        {{1, 0, 1, 1, 0, 0}, 4}, // b1 not 1: code 3
        {{0, 0, 0, 0, 1, 1}, 2}, // code 3 + 1
        {{1, 1, 1, 1, 1, 0}, 0}, // b5 not 1: b4 ignored
    };
    for (const Case& c : cases) {
        QByteArray b = Empty_Record();
        for (int i = 0; i < 4; ++i)
            b[7156 + i] = static_cast<char>(c.b[i]);
        b[7168] = static_cast<char>(c.b[4]);
        b[7169] = static_cast<char>(c.b[5]);
        Load(b);
        EXPECT_EQ(pages->General().Control_61->currentIndex(), c.index)
            << c.b[0] << c.b[1] << c.b[2] << c.b[3] << c.b[4] << c.b[5];
    }
}

TEST_F(V5OffsetsTest, Item62OnlyWithAPositivePresenceFlag)
{
    for (const std::int64_t flag : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{0x80000000}}) {
        QByteArray b = Empty_Record();
        Put_Number(b, 7160, 4, 99);
        Put_Number(b, 7164, 4, flag);
        Load(b);
        EXPECT_NE(pages->HSD_Cnfg().Control_62->text(), QStringLiteral("9.9")) << flag;
    }
    QByteArray b = Empty_Record();
    Put_Number(b, 7160, 4, 99);
    Put_Number(b, 7164, 4, 2);
    Load(b);
    EXPECT_EQ(pages->HSD_Cnfg().Control_62->text(), QStringLiteral("9.9"));
}

TEST_F(V5OffsetsTest, GesAndSatelliteLinesAndNamesStoredBackBlankPadded)
{
    QByteArray b = Empty_Record();
    // Entry 2 of the GES table, 18 bytes from 30.
    const int ges = 30 + 18 * 2;
    for (int i = 0; i < 3; ++i) {
        b[30 + 18 * i] = 1;
        b[31 + 18 * i] = 1;
        b[32 + 18 * i] = 1;
        Put_Text(b, 33 + 18 * i, "X");
    }
    b[ges] = 012;
    b[ges + 1] = static_cast<char>(0345);
    b[ges + 2] = 7;
    Put_Text(b, ges + 3, "third~ges");
    Put_Number(b, 2334, 4, 3);
    // Entry 1 of the satellite table, 7 bytes from 2338.
    b[2338] = 1;
    Put_Text(b, 2339, "A");
    b[2345] = 033;
    Put_Text(b, 2346, "sat-b");
    Put_Number(b, 2450, 4, 2);
    Load(b);

    QListWidget* ges_list = pages->Sat_GES().Control_02;
    ASSERT_EQ(ges_list->count(), 3);
    EXPECT_EQ(ges_list->item(2)->text(), QStringLiteral("12   345   7   THIRD GES      "));
    EXPECT_EQ(Stored(ges + 3, 15), QByteArray("THIRD GES      "));
    QListWidget* sat_list = pages->Sat_GES().Control_03;
    ASSERT_EQ(sat_list->count(), 2);
    EXPECT_EQ(sat_list->item(1)->text(), QStringLiteral("33   SAT-B "));
    EXPECT_EQ(Stored(2346, 6), QByteArray("SAT-B "));
    // The cleaned name does not spill into the next entry.
    EXPECT_EQ(static_cast<std::uint8_t>(Stored(2352, 1).at(0)), 0);
}

TEST_F(V5OffsetsTest, DirectoryCategoriesTextsAndCabinNumbers)
{
    QByteArray b = Empty_Record();
    const char* categories[] = {"COCKPIT", "CABIN", "PURSER", "OTHER"};
    for (int k = 0; k < 4; ++k)
        Put_Text(b, 6258 + 11 * k, categories[k]);
    const int purser = Directory_Offset(1, 3);
    Put_Text(b, purser, "purser");
    Put_Text(b, purser + 15, "12345");
    for (int i = 5; i < 19; ++i)
        b[purser + 15 + i] = '\0';
    Put_Number(b, purser + 34, 2, 4);
    Put_Number(b, purser + 36, 2, 0x8000); // any non-zero protection
    // An entry whose number holds only NULs is listed too.
    const int blank = Directory_Offset(3, 24);
    for (int i = 0; i < 38; ++i)
        b[blank + i] = '\0';
    Put_Text(b, 0, "desc five");
    Put_Text(b, 25, "ab1");
    Put_Text(b, 7108, "1234");
    Put_Text(b, 7112, "5a6");
    b.replace(Cabin_Offset(1, 4, 1), 19, QByteArray(19, '\0'));
    b.replace(Cabin_Offset(0, 9, 0), 19, QByteArray(19, '\0'));
    Put_Text(b, Cabin_Offset(1, 4, 1), "0044-55");
    Put_Text(b, Cabin_Offset(0, 9, 0), "12 34");
    Put_Number(b, 7116, 2, 1);
    Put_Number(b, 7118, 2, 2);
    Put_Number(b, 7126, 2, 0x0100);
    Load(b);

    Page_Cockpit_Numbers& cockpit = pages->Cockpit_Numbers();
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(cockpit.Control_05_Tab->tabText(k), QLatin1String(categories[k]));
    EXPECT_EQ(cockpit.Control_05_Tab->currentIndex(), 0);
    EXPECT_EQ(cockpit.Control_05[0]->count(), 0);
    ASSERT_EQ(cockpit.Control_05[1]->count(), 1);
    EXPECT_EQ(cockpit.Control_05[1]->item(0)->text(),
              QStringLiteral("PURSER").leftJustified(18) + QStringLiteral("12345").leftJustified(22)
                  + QStringLiteral("4    Yes"));
    EXPECT_EQ(Stored(purser, 15), QByteArray("PURSER         "));
    ASSERT_EQ(cockpit.Control_05[3]->count(), 1);
    EXPECT_EQ(cockpit.Control_05[3]->item(0)->text(), QString(40, QLatin1Char(' ')) + QStringLiteral("0    No "));

    EXPECT_EQ(pages->Main.Control_33->text(), QStringLiteral("DESC FIVE"));
    EXPECT_EQ(pages->General().Control_34->text(), QStringLiteral("ab1"));
    EXPECT_EQ(pages->Cabin().Control_25a->text(), QStringLiteral("1234"));
    EXPECT_EQ(pages->Cabin().Control_25b->text(), QStringLiteral("56"));
    EXPECT_EQ(Stored(7112, 4), QByteArray("56  "));
    EXPECT_EQ(Stored(7108, 4), QByteArray("1234"));

    Page_Cabin_Numbers& numbers = pages->Cabin_Numbers();
    EXPECT_EQ(numbers.Control_16_Sat2_ChB[4]->text(), QStringLiteral("0044-55"));
    EXPECT_EQ(numbers.Control_16_Sat1_ChA[9]->text(), QStringLiteral("1234"));
    EXPECT_EQ(Stored(Cabin_Offset(0, 9, 0), 19), QByteArray("1234               "));
    EXPECT_TRUE(numbers.Control_26a[1]->isChecked());
    EXPECT_TRUE(numbers.Control_26b[0]->isChecked());
    EXPECT_FALSE(numbers.Control_16_Sat1_ChB[1]->isEnabled());
    EXPECT_TRUE(numbers.Control_16_Sat2_ChB[1]->isEnabled());
    EXPECT_FALSE(pages->Main.Label_User_Modified->isHidden());
}
