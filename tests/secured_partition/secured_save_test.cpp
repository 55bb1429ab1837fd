#include "tests/secured_partition/secured_fixture.h"

#include "editor/core/crc_utils.h"
#include "editor/core/failure_mask.h"
#include "editor/pages/page_frame.h"
#include "editor/secured_partition/secured_mod.h"

using namespace secured_test;

namespace {

// Expected records are built by hand from the documented offsets, without
// the layout tables.
void Put16(QByteArray& b, int at, int v)
{
    b[at] = static_cast<char>((v >> 8) & 0xFF);
    b[at + 1] = static_cast<char>(v & 0xFF);
}

void Put32(QByteArray& b, int at, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>((u >> (24 - 8 * i)) & 0xFF);
}

void Put_Text(QByteArray& b, int at, const char* text)
{
    for (int i = 0; text[i]; ++i)
        b[at + i] = text[i];
}

// CRC-16/X-25, bit by bit.
std::uint16_t X25(const QByteArray& bytes)
{
    std::uint16_t crc = 0xFFFF;
    for (const char c : bytes) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0x8408)
                            : static_cast<std::uint16_t>(crc >> 1);
    }
    return static_cast<std::uint16_t>(~crc);
}

// The body of every generation with the factory defaults (zones left zero).
QByteArray Default_Body(int length)
{
    QByteArray b(length, '\0');
    Put_Text(b, 0, "------------------------");
    Put32(b, 45, 2);   // item 18 "-50 dBm0"
    Put32(b, 49, 7);   // item 22 HGA
    Put16(b, 53, 1);   // item 23 SDU 1 "Allowed"
    Put16(b, 55, 1);
    Put32(b, 61, 16);
    Put32(b, 65, 16);
    Put32(b, 69, 25);
    Put32(b, 73, 25);
    Put32(b, 77, 80);
    Put32(b, 81, 80);
    Put32(b, 85, -50);
    Put32(b, 89, -50);
    Put32(b, 93, 40);
    Put16(b, 301, 5);
    for (int i = 303; i <= 354; ++i)
        b[i] = static_cast<char>(0xFF);
    Put32(b, 357, 12); // "Priority 2"
    b[361] = static_cast<char>(125);
    b[362] = 50;
    b[363] = 30;
    b[364] = 5;
    b[365] = 30;
    Put_Text(b, 374, "<SAT");
    Put_Text(b, 381, "<SAT-2");
    Put16(b, 398, 250);
    Put16(b, 400, 2000);
    b[404] = 56;
    b[405] = static_cast<char>(128);
    return b;
}

class SecuredSave : public Secured_Fixture {
protected:
    // A new ORT of the generation, saved.
    const QByteArray& Save_New(std::int32_t version, int feature_level, int airframer_level = 0,
                               int revision = 0)
    {
        Set_Current(version, feature_level, airframer_level, revision);
        Secured_Mod::Set_Secured_Defaults_New(P());
        Secured_Mod::Update_Data(P());
        return Record(version).Bytes();
    }
};

} // namespace

TEST_F(SecuredSave, NewGeneration2RecordHoldsTheFactoryDefaults)
{
    QByteArray expected = Default_Body(658);
    expected[657] = 3;
    const QByteArray& saved = Save_New(7, 1, 0, 3);
    EXPECT_EQ(saved.toHex(), expected.toHex());
    EXPECT_EQ(core::Calc_CRC16(saved), X25(expected));
}

TEST_F(SecuredSave, NewGeneration3RecordAtFeatureLevel0KeepsCodecAndRfu)
{
    core::Chosen_Type().RFU_Default_Index = 1;
    QByteArray expected = Default_Body(426);
    Put16(expected, 57, 1); // item 27 "Yes" from the second SDU model
    Put16(expected, 59, 1);
    expected[404] = 0;      // items 59 and 60 are not kept at level 0
    expected[405] = 0;
    const QByteArray& saved = Save_New(10, 0);
    EXPECT_EQ(saved.toHex(), expected.toHex());
    EXPECT_EQ(core::Calc_CRC16(saved), X25(expected));
}

TEST_F(SecuredSave, Generation3AboveLevel0WritesZeroZonesAndTheFixedCompanion)
{
    core::Chosen_Type().RFU_Default_Index = 1;
    Set_Current(10, 1);
    Secured_Mod::Set_Secured_Defaults_New(P());
    P().Cockpit_Voice().Control_06b2->setCurrentIndex(2);
    P().General().Control_27a->setCurrentIndex(1);
    Set_Tag(P().Cabin().Control_59, QStringLiteral("7"));
    P().Cabin().Control_59->setText(QStringLiteral("99"));
    P().General().Control_60->setCurrentIndex(1);
    Secured_Mod::Update_Data(P());
    const QByteArray& b = Record(10).Bytes();
    EXPECT_EQ(b.mid(29, 16), QByteArray(16, '\0'));
    EXPECT_EQ(b.mid(57, 4), QByteArray(4, '\0'));
    EXPECT_EQ(static_cast<std::uint8_t>(b[404]), 99);
    EXPECT_EQ(static_cast<std::uint8_t>(b[405]), 128); // not the tag value
    EXPECT_EQ(b.mid(406, 2), QByteArray::fromHex("0001"));
    EXPECT_EQ(b[425], 0);
}

TEST_F(SecuredSave, NewGeneration4RecordCarriesThePartNumberAndRevision)
{
    core::Chosen_Type().Secured_Part_Number_Text = QStringLiteral("QZV5EABFSEC0001");
    QByteArray expected = Default_Body(1170);
    Put_Text(expected, 408, "QZV5EABFSEC0001");
    expected[1169] = 2;
    const QByteArray& saved = Save_New(13, 2, 0, 2);
    EXPECT_EQ(saved.toHex(), expected.toHex());
    EXPECT_EQ(core::Calc_CRC16(saved), X25(expected));
}

TEST_F(SecuredSave, EmptyPartNumberStoresSixteenNuls)
{
    Save_New(13, 2);
    EXPECT_EQ(Record(13).Bytes().mid(408, 16), QByteArray(16, '\0'));
}

TEST_F(SecuredSave, CompanionValueOfGenerations2And4IsTheHiddenTag)
{
    Set_Current(7, 1);
    Secured_Mod::Set_Secured_Defaults_New(P());
    Set_Tag(P().Cabin().Control_59, QStringLiteral("17"));
    Secured_Mod::Update_Data(P());
    EXPECT_EQ(Record(7).Bytes()[405], 17);
}

TEST_F(SecuredSave, NumbersOutsideTheirRangeStoreTheDefault)
{
    Set_Current(7, 1);
    Secured_Mod::Set_Secured_Defaults_New(P());
    Page_Power& power = P().Power();
    power.Control_22a->setText(QStringLiteral("40"));
    power.Control_22b->setText(QStringLiteral("40"));
    power.Control_29a1->setText(QStringLiteral("19.05"));
    power.Control_29a2->setText(QStringLiteral("-12"));
    power.Control_29b1->setText(QStringLiteral("8.25"));
    power.Control_57a->setText(QStringLiteral("65536"));
    power.Control_57b->setText(QStringLiteral("65535"));
    power.Control_39->setText(QStringLiteral("91"));
    P().General().Control_30->setText(QStringLiteral("25.5"));
    Secured_Mod::Update_Data(P());
    const QByteArray& b = Record(7).Bytes();
    EXPECT_EQ(b.mid(49, 4).toHex(), "00000007");
    EXPECT_EQ(b.mid(402, 2).toHex(), "0000");
    EXPECT_EQ(b.mid(77, 4).toHex(), "00000050");  // 80: default
    EXPECT_EQ(b.mid(81, 4).toHex(), "ffffff88");  // -120
    EXPECT_EQ(b.mid(85, 4).toHex(), "00000052");  // 82: a half to even
    EXPECT_EQ(b.mid(398, 2).toHex(), "00fa");     // 250: default
    EXPECT_EQ(b.mid(400, 2).toHex(), "ffff");
    EXPECT_EQ(b.mid(301, 2).toHex(), "0005");
    EXPECT_EQ(b.mid(93, 4).toHex(), "000000ff");  // 255
}

TEST_F(SecuredSave, ListIndexesAndItem44AttachedValue)
{
    Set_Current(7, 1);
    Secured_Mod::Set_Secured_Defaults_New(P());
    P().General().Control_01->setCurrentIndex(1);
    P().General().Control_54->setCurrentIndex(-1); // no selection: all ones
    P().Cockpit_Voice().Control_43->setCurrentIndex(3);
    P().Power().Control_44->setCurrentIndex(3);
    Secured_Mod::Update_Data(P());
    const QByteArray& b = Record(7).Bytes();
    EXPECT_EQ(b.mid(25, 4).toHex(), "00000001");
    EXPECT_EQ(b.mid(392, 2).toHex(), "ffff");
    EXPECT_EQ(b[356], 3);
    EXPECT_EQ(b.mid(357, 4).toHex(), "00000009"); // "Priority 4" carries 9
}

TEST_F(SecuredSave, FailureMasksFillSlotsInListOrder)
{
    Set_Current(7, 1);
    Secured_Mod::Set_Secured_Defaults_New(P());
    QListWidget* list = P().Failure_Masks().Control_38;
    const QString lines[] = {
        core::Format_Failure_Entry(QStringLiteral("1A"), QStringLiteral("3"), QStringLiteral("7F"),
                                   core::MASK_TYPE_FAILURE),
        core::Format_Failure_Entry(QStringLiteral("02"), QStringLiteral("Z"), QStringLiteral("00"),
                                   core::MASK_TYPE_INDICTMENT),
        core::Format_Failure_Entry(QStringLiteral("FF"), QStringLiteral("0"), QStringLiteral("01"),
                                   core::MASK_TYPE_FAILURE),
    };
    for (const QString& line : lines)
        list->addItem(line);
    Secured_Mod::Update_Data(P());
    const core::Record& r = Record(7);
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_EQ(r.Get(core::secured::Item38, slot), core::Text_To_Failure_Entry(lines[slot]));
    for (int slot = 3; slot < 50; ++slot)
        EXPECT_EQ(r.Get(core::secured::Item38, slot), 0) << slot;
}

TEST_F(SecuredSave, TransitCellsAreOctalBytesFollowedBy255)
{
    Set_Current(13, 2);
    Secured_Mod::Set_Secured_Defaults_New(P());
    P().Transit_GES().Control_41[0]->setText(QStringLiteral("010"));
    P().Transit_GES().Control_41[43]->setText(QStringLiteral("000"));
    Secured_Mod::Update_Data(P());
    const QByteArray& b = Record(13).Bytes();
    EXPECT_EQ(b[303], 8);
    EXPECT_EQ(b[304], static_cast<char>(0xFF));
    EXPECT_EQ(b[346], 0);
    EXPECT_EQ(b.mid(347, 8), QByteArray(8, static_cast<char>(0xFF)));
}

TEST_F(SecuredSave, TextsAreUpperCaseAndOnlyFromTheirSet)
{
    Set_Current(13, 2);
    Secured_Mod::Set_Secured_Defaults_New(P());
    P().Main.Control_53->setText(QStringLiteral("abc d\u00e9f"));
    P().General().Control_51a->setText(QStringLiteral("s\u00fcd"));
    P().Main.Control_87->setText(QStringLiteral("qzv-5/e"));
    Secured_Mod::Update_Data(P());
    const QByteArray& b = Record(13).Bytes();
    // Description and item 51 (printable upper case): a blank for the
    // foreign character; the part number (digits, letters, "-") drops it.
    EXPECT_EQ(b.mid(0, 25), QByteArray("ABC D F") + QByteArray(18, '\0'));
    EXPECT_EQ(b.mid(374, 7), QByteArray("S D") + QByteArray(4, '\0'));
    EXPECT_EQ(b.mid(408, 16), QByteArray("QZV-5E") + QByteArray(10, '\0'));
}

TEST_F(SecuredSave, LastByteIsTheCurrentRevisionAndTheModifiedFlagIsZero)
{
    for (std::int32_t version : {7, 10, 13}) {
        SCOPED_TRACE(version);
        Record(version).Set(core::secured::Modified_Flag, 1);
        const QByteArray& b = Save_New(version, 1, 0, 5);
        EXPECT_EQ(b[b.size() - 1], 5);
        EXPECT_EQ(b.mid(394, 2).toHex(), "0000");
    }
}

TEST_F(SecuredSave, OnlyTheCurrentGenerationIsWritten)
{
    Save_New(13, 2);
    EXPECT_EQ(Record(7).Bytes(), QByteArray(658, '\0'));
    EXPECT_EQ(Record(10).Bytes(), QByteArray(426, '\0'));
    EXPECT_EQ(Record(4).Bytes(), QByteArray(418, '\0'));
}

TEST_F(SecuredSave, UnsupportedVersionShowsItsBoxAndWritesNothing)
{
    for (std::int32_t version : {99, 4, 8}) {
        boxes.Clear();
        Set_Current(version);
        Secured_Mod::Update_Data(P());
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_EQ(boxes.Boxes()[0].text,
                  QStringLiteral("Secured Update_Data: Unsupported version: ") + QString::number(version));
        EXPECT_EQ(boxes.Boxes()[0].title, QString());
    }
    EXPECT_EQ(Record(4).Bytes(), QByteArray(418, '\0'));
}

TEST_F(SecuredSave, ValuesTheRecordCannotHoldAreRefusedAndKeepTheRecord)
{
    Save_New(7, 1);
    const QByteArray before = Record(7).Bytes();

    P().Cockpit_Voice().Control_42->setCurrentIndex(-1); // a byte field
    EXPECT_THROW(Secured_Mod::Update_Data(P()), Secured_Mod::Secured_Data_Error);
    P().Cockpit_Voice().Control_42->setCurrentIndex(0);

    P().Transit_GES().Control_41[5]->setText(QStringLiteral("400")); // above 255
    EXPECT_THROW(Secured_Mod::Update_Data(P()), Secured_Mod::Secured_Data_Error);
    P().Transit_GES().Control_41[5]->setText(QStringLiteral("08"));  // not octal
    EXPECT_THROW(Secured_Mod::Update_Data(P()), Secured_Mod::Secured_Data_Error);
    P().Transit_GES().Control_41[5]->setText(QStringLiteral("377"));

    P().General().Control_51b->setMaxLength(32767);
    P().General().Control_51b->setText(QStringLiteral("SEVENCH"));
    EXPECT_THROW(Secured_Mod::Update_Data(P()), Secured_Mod::Secured_Data_Error);
    P().General().Control_51b->setText(QStringLiteral("<SAT-2"));

    P().Power().Control_44->setCurrentIndex(-1);
    EXPECT_THROW(Secured_Mod::Update_Data(P()), Secured_Mod::Secured_Data_Error);
    P().Power().Control_44->setCurrentIndex(1);

    P().Failure_Masks().Control_38->addItem(QStringLiteral("not a mask line"));
    EXPECT_THROW(Secured_Mod::Update_Data(P()), core::Failure_Entry_Error);

    EXPECT_EQ(Record(7).Bytes(), before);
}
