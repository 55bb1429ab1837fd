// The secured records of generations 1 to 4 checked byte by byte from
// outside their layout tables: values typed into the page controls land at
// their offsets with their widths and codings through the real save, and
// records written here by hand come back in the controls through the real
// load.

#include "tests/secured_partition/secured_fixture.h"

#include "editor/core/failure_mask.h"
#include "editor/pages/page_frame.h"
#include "editor/secured_partition/secured_mod.h"

#include <algorithm>
#include <vector>

using namespace secured_test;

namespace {

// --- bytes by hand --------------------------------------------------------

void Put(QByteArray& b, int at, int width, std::int64_t value)
{
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        b[at + i] = static_cast<char>(value & 0xFF);
}

void Put_Text(QByteArray& b, int at, const char* text)
{
    for (int i = 0; text[i]; ++i)
        b[at + i] = text[i];
}

std::int64_t Unsigned_At(const QByteArray& b, int at, int width)
{
    std::int64_t value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(b.at(at + i));
    return value;
}

// Two's complement of the width.
std::int64_t Signed_At(const QByteArray& b, int at, int width)
{
    const std::int64_t value = Unsigned_At(b, at, width);
    const std::int64_t sign = std::int64_t{1} << (8 * width - 1);
    return (value & sign) ? value - 2 * sign : value;
}

bool All_Zero(const QByteArray& b, int first, int last)
{
    return b.mid(first, last - first + 1) == QByteArray(last - first + 1, '\0');
}

QByteArray Text_Field(const char* text, int width)
{
    QByteArray bytes(text);
    return bytes + QByteArray(width - bytes.size(), '\0');
}

// The failure-mask line of the given codes.
QString Mask_Line(const char* level1, const char* sru, const char* fail, const QString& type)
{
    return core::Format_Failure_Entry(QLatin1String(level1), QLatin1String(sru),
                                      QLatin1String(fail), type);
}

class SecuredRecordOffsets : public Secured_Fixture {
protected:
    // Selects `wanted`, or the last entry of a shorter list; the index chosen.
    static int Pick(QComboBox* box, int wanted)
    {
        box->setCurrentIndex(std::min(wanted, box->count() - 1));
        return box->currentIndex();
    }

    void New_Ort(std::int32_t version, int feature_level, int airframer_level = 0, int revision = 0)
    {
        Set_Current(version, feature_level, airframer_level, revision);
        Secured_Mod::Set_Secured_Defaults_New(P());
    }

    const QByteArray& Save(std::int32_t version)
    {
        Secured_Mod::Update_Data(P());
        return Record(version).Bytes();
    }

    // The hand-made record loaded as a file of `loaded_type` into a target
    // of `target` with the given levels.
    void Load(const QByteArray& bytes, std::int32_t loaded_type, std::int32_t target,
              int feature_level, int airframer_level = 0)
    {
        Record(core::secured::Version_Of_Type(loaded_type)).Set_Bytes(bytes);
        Set_Current(target, feature_level, airframer_level, 1);
        Set_Loaded_Type(loaded_type);
        Secured_Mod::Set_Secured_Defaults_New(P());
        Secured_Mod::Update_GUI(P());
    }

    // Each control with a value other than its default; the list indexes
    // chosen are kept for the checks.
    struct Lists {
        int item01, item18, item23a, item23b, item31, item32, item42, item43, item48, item50,
            item52, item54, item56, item60;
    };
    Lists Edit_Body()
    {
        Page_General& g = P().General();
        Page_Cockpit_Voice& v = P().Cockpit_Voice();
        Page_Power& w = P().Power();
        Page_Cabin& c = P().Cabin();
        Page_Dual& d = P().Dual();
        Lists l{};
        P().Main.Control_53->setText(QStringLiteral("my ort 7"));
        l.item01 = Pick(g.Control_01, 1);
        l.item18 = Pick(g.Control_18, 3);
        w.Control_22a->setText(QStringLiteral("31"));
        l.item23a = Pick(c.Control_23a, 0);
        l.item23b = Pick(c.Control_23b, 1);
        w.Control_28a1->setText(QStringLiteral("1"));
        w.Control_28a2->setText(QStringLiteral("2"));
        w.Control_28b1->setText(QStringLiteral("3"));
        w.Control_28b2->setText(QStringLiteral("31"));
        w.Control_29a1->setText(QStringLiteral("-12"));
        w.Control_29a2->setText(QStringLiteral("8.25"));
        w.Control_29b1->setText(QStringLiteral("19.05"));
        w.Control_29b2->setText(QStringLiteral("19"));
        g.Control_30->setText(QStringLiteral("25.5"));
        l.item31 = Pick(v.Control_31, 1);
        l.item32 = Pick(v.Control_32, 1);
        QListWidget* masks = P().Failure_Masks().Control_38;
        masks->clear();
        masks->addItem(Mask_Line("0B", "Z", "0F", core::MASK_TYPE_INDICTMENT));
        masks->addItem(Mask_Line("FF", "7", "80", core::MASK_TYPE_FAILURE));
        w.Control_39->setText(QStringLiteral("90"));
        P().Transit_GES().Control_41[0]->setText(QStringLiteral("001"));
        P().Transit_GES().Control_41[5]->setText(QStringLiteral("000"));
        P().Transit_GES().Control_41[43]->setText(QStringLiteral("177"));
        l.item42 = Pick(v.Control_42, 2);
        l.item43 = Pick(v.Control_43, 3);
        w.Control_44->setCurrentIndex(3); // "Priority 4"
        v.Control_46a->setText(QStringLiteral("255"));
        v.Control_46b->setText(QStringLiteral("0"));
        v.Control_46c->setText(QStringLiteral("77"));
        g.Control_47a->setText(QStringLiteral("200"));
        g.Control_47b->setText(QStringLiteral("1"));
        l.item48 = Pick(d.Control_48, 1);
        l.item50 = Pick(d.Control_50, 1);
        g.Control_51a->setText(QStringLiteral("ab"));
        g.Control_51b->setText(QStringLiteral("x-2 yz"));
        l.item52 = Pick(g.Control_52, 1);
        l.item54 = Pick(g.Control_54, 2);
        l.item56 = Pick(d.Control_56, 1);
        w.Control_57a->setText(QStringLiteral("65535"));
        w.Control_57b->setText(QStringLiteral("65536"));
        w.Control_22b->setText(QStringLiteral("12"));
        c.Control_59->setText(QStringLiteral("200"));
        Set_Tag(c.Control_59, QStringLiteral("17"));
        l.item60 = Pick(g.Control_60, 1);
        // Codec and RFU controls, which generations 2 and 4 do not keep.
        v.Control_06a1->setCurrentIndex(1);
        v.Control_06b2->setCurrentIndex(2);
        g.Control_27a->setCurrentIndex(1);
        return l;
    }

    // The body bytes 0 to 407 apart from the zones, as Edit_Body set them.
    static void Expect_Body(const QByteArray& b, const Lists& l)
    {
        EXPECT_EQ(b.mid(0, 25), Text_Field("MY ORT 7", 25));
        struct Row {
            int offset;
            int width;
            std::int64_t value;
        };
        const Row rows[] = {
            {25, 4, l.item01}, {45, 4, l.item18}, {49, 4, 31},
            {53, 2, l.item23a}, {55, 2, l.item23b},
            {61, 4, 1}, {65, 4, 2}, {69, 4, 3}, {73, 4, 31},
            {77, 4, -120}, {81, 4, 82}, {85, 4, -50}, {89, 4, 190}, // 19.05 is above 19.0
            {93, 4, 255},
            {97, 2, l.item31}, {99, 2, l.item32},
            {301, 2, 90},
            {355, 1, l.item42}, {356, 1, l.item43},
            {357, 4, 9},
            {361, 1, 255}, {362, 1, 0}, {363, 1, 77}, {364, 1, 200}, {365, 1, 1},
            {366, 4, l.item48}, {370, 4, l.item50}, {388, 4, l.item52},
            {392, 2, l.item54}, {394, 2, 0}, {396, 2, l.item56},
            {398, 2, 65535}, {400, 2, 2000}, {402, 2, 12},
        };
        for (const Row& row : rows)
            EXPECT_EQ(row.width == 1 || row.offset == 398 || row.offset == 400
                          ? Unsigned_At(b, row.offset, row.width)
                          : Signed_At(b, row.offset, row.width),
                      row.value)
                << "offset " << row.offset;
        // Failure masks: two words, big-endian, then 48 empty slots.
        EXPECT_EQ(b.mid(101, 4), QByteArray::fromHex("0520B30F"));
        EXPECT_EQ(b.mid(105, 4), QByteArray::fromHex("020FF780"));
        EXPECT_TRUE(All_Zero(b, 109, 300));
        // Transit cells: octal captions as bytes, eight trailing 255 bytes.
        EXPECT_EQ(static_cast<std::uint8_t>(b.at(303)), 1);
        EXPECT_EQ(static_cast<std::uint8_t>(b.at(304)), 255);
        EXPECT_EQ(static_cast<std::uint8_t>(b.at(308)), 0);
        EXPECT_EQ(static_cast<std::uint8_t>(b.at(346)), 127);
        EXPECT_EQ(b.mid(347, 8), QByteArray(8, '\xFF'));
        EXPECT_EQ(b.mid(374, 7), Text_Field("AB", 7));
        EXPECT_EQ(b.mid(381, 7), Text_Field("X-2 YZ", 7));
    }
};

} // namespace

// --- save direction -----------------------------------------------------------

TEST_F(SecuredRecordOffsets, Generation4BodyPartNumberAndTail)
{
    New_Ort(13, 2, 0, 7);
    const Lists l = Edit_Body();
    P().Main.Control_87->setText(QStringLiteral("abc12def-hij345"));
    const QByteArray b = Save(13);
    ASSERT_EQ(b.size(), 1170);
    Expect_Body(b, l);
    EXPECT_TRUE(All_Zero(b, 29, 44)) << "zone A";
    EXPECT_TRUE(All_Zero(b, 57, 60)) << "zone B";
    EXPECT_EQ(Unsigned_At(b, 404, 1), 200);
    EXPECT_EQ(Unsigned_At(b, 405, 1), 17); // the hidden value kept with item 59
    EXPECT_EQ(Signed_At(b, 406, 2), l.item60);
    EXPECT_EQ(b.mid(408, 16), Text_Field("ABC12DEF-HIJ345", 16));
    EXPECT_TRUE(All_Zero(b, 424, 1168));
    EXPECT_EQ(Unsigned_At(b, 1169, 1), 7);
}

TEST_F(SecuredRecordOffsets, Generation2TailIsSpareAndRevision)
{
    New_Ort(7, 1, 0, 3);
    const Lists l = Edit_Body();
    const QByteArray b = Save(7);
    ASSERT_EQ(b.size(), 658);
    Expect_Body(b, l);
    EXPECT_TRUE(All_Zero(b, 29, 44));
    EXPECT_TRUE(All_Zero(b, 57, 60));
    EXPECT_EQ(Unsigned_At(b, 404, 1), 200);
    EXPECT_EQ(Unsigned_At(b, 405, 1), 17);
    EXPECT_EQ(Signed_At(b, 406, 2), l.item60);
    EXPECT_TRUE(All_Zero(b, 408, 656));
    EXPECT_EQ(Unsigned_At(b, 657, 1), 3);
}

TEST_F(SecuredRecordOffsets, Generation3AtLevel0KeepsCodecAndRfuAndZeroesItems59And60)
{
    New_Ort(10, 0, 0, 4);
    const Lists l = Edit_Body();
    Page_Cockpit_Voice& v = P().Cockpit_Voice();
    v.Control_06a1->setCurrentIndex(1);
    v.Control_06b1->setCurrentIndex(2);
    v.Control_06a2->setCurrentIndex(0);
    v.Control_06b2->setCurrentIndex(1);
    P().General().Control_27a->setCurrentIndex(1);
    P().General().Control_27b->setCurrentIndex(0);
    const QByteArray b = Save(10);
    ASSERT_EQ(b.size(), 426);
    Expect_Body(b, l);
    EXPECT_EQ(b.mid(29, 16), QByteArray::fromHex("00000001" "00000002" "00000000" "00000001"));
    EXPECT_EQ(b.mid(57, 4), QByteArray::fromHex("0001" "0000"));
    EXPECT_TRUE(All_Zero(b, 404, 407));
    EXPECT_TRUE(All_Zero(b, 408, 424));
    EXPECT_EQ(Unsigned_At(b, 425, 1), 4);
}

TEST_F(SecuredRecordOffsets, Generation3AboveLevel0ZeroesZonesAndFixesTheCompanion)
{
    New_Ort(10, 1, 0, 5);
    const Lists l = Edit_Body();
    const QByteArray b = Save(10);
    Expect_Body(b, l);
    EXPECT_TRUE(All_Zero(b, 29, 44));
    EXPECT_TRUE(All_Zero(b, 57, 60));
    EXPECT_EQ(Unsigned_At(b, 404, 1), 200);
    EXPECT_EQ(Unsigned_At(b, 405, 1), 128); // not the hidden value 17
    EXPECT_EQ(Signed_At(b, 406, 2), l.item60);
    EXPECT_EQ(Unsigned_At(b, 425, 1), 5);
}

TEST_F(SecuredRecordOffsets, RangeDefaultsSignednessAndNoSelection)
{
    New_Ort(13, 2);
    Page_Power& w = P().Power();
    w.Control_22a->setText(QStringLiteral("40"));
    w.Control_22b->setText(QStringLiteral("40"));
    w.Control_28a1->setText(QStringLiteral("-1"));
    w.Control_39->setText(QStringLiteral("91"));
    w.Control_57a->setText(QStringLiteral("-1"));
    P().General().Control_30->setText(QStringLiteral("25.6"));
    P().Cockpit_Voice().Control_46a->setText(QStringLiteral("256"));
    P().General().Control_01->setCurrentIndex(-1);
    P().General().Control_54->setCurrentIndex(-1);
    P().Main.Control_87->clear();
    const QByteArray b = Save(13);
    EXPECT_EQ(Signed_At(b, 49, 4), 7);   // HGA default
    EXPECT_EQ(Signed_At(b, 402, 2), 0);  // IGA default, not 7
    EXPECT_EQ(Signed_At(b, 61, 4), 16);
    EXPECT_EQ(Signed_At(b, 301, 2), 5);
    EXPECT_EQ(Unsigned_At(b, 398, 2), 250);
    EXPECT_EQ(Signed_At(b, 93, 4), 40);
    EXPECT_EQ(Unsigned_At(b, 361, 1), 125);
    // No selection: all ones in the 32-bit and the 16-bit field.
    EXPECT_EQ(b.mid(25, 4), QByteArray(4, '\xFF'));
    EXPECT_EQ(b.mid(392, 2), QByteArray(2, '\xFF'));
    EXPECT_TRUE(All_Zero(b, 408, 423));
}

TEST_F(SecuredRecordOffsets, FactoryDefaultsOfGeneration4)
{
    New_Ort(13, 2, 0, 1);
    P().Main.Control_87->setText(QStringLiteral("QND1A1234567890"));
    const QByteArray b = Save(13);
    EXPECT_EQ(b.mid(0, 25), Text_Field("------------------------", 25));
    struct Row {
        int offset;
        int width;
        std::int64_t value;
    };
    const Row rows[] = {
        {25, 4, 0},    {45, 4, 2},   {49, 4, 7},    {53, 2, 1},   {55, 2, 1},   {61, 4, 16},
        {65, 4, 16},   {69, 4, 25},  {73, 4, 25},   {77, 4, 80},  {81, 4, 80},  {85, 4, -50},
        {89, 4, -50},  {93, 4, 40},  {97, 2, 0},    {99, 2, 0},   {301, 2, 5},  {357, 4, 12},
        {361, 1, 125}, {362, 1, 50}, {363, 1, 30},  {364, 1, 5},  {365, 1, 30}, {366, 4, 0},
        {370, 4, 0},   {388, 4, 0},  {392, 2, 0},   {396, 2, 0},  {398, 2, 250}, {400, 2, 2000},
        {402, 2, 0},   {404, 1, 56}, {405, 1, 128}, {406, 2, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Signed_At(b, row.offset, row.width) & ((std::int64_t{1} << (8 * row.width)) - 1),
                  row.value & ((std::int64_t{1} << (8 * row.width)) - 1))
            << "offset " << row.offset;
    EXPECT_EQ(b.mid(303, 52), QByteArray(52, '\xFF'));
    EXPECT_EQ(b.mid(374, 7), Text_Field("<SAT", 7));
    EXPECT_EQ(b.mid(381, 7), Text_Field("<SAT-2", 7));
    EXPECT_EQ(b.mid(408, 16), Text_Field("QND1A1234567890", 16));
}

// --- load direction -------------------------------------------------------------

namespace {

// A record of `length` bytes with a value in every body field.
QByteArray Hand_Record(int length)
{
    QByteArray b(length, '\0');
    Put_Text(b, 0, "loaded one");
    Put(b, 25, 4, 1);
    Put(b, 45, 4, 3);
    Put(b, 49, 4, 30);
    Put(b, 53, 2, 0);
    Put(b, 55, 2, 1);
    Put(b, 61, 4, 9);
    Put(b, 65, 4, 10);
    Put(b, 69, 4, 11);
    Put(b, 73, 4, 12);
    Put(b, 77, 4, -120);
    Put(b, 81, 4, 190);
    Put(b, 85, 4, -5);
    Put(b, 89, 4, 0);
    Put(b, 93, 4, 255);
    Put(b, 97, 2, 1);
    Put(b, 99, 2, 1);
    Put(b, 101, 4, 0x0520B30F); // slot 0
    Put(b, 109, 4, 0x020FF780); // slot 2; slot 1 empty
    Put(b, 113, 4, 0x00123456); // mask type 0: empty despite its codes
    Put(b, 301, 2, 88);
    for (int i = 0; i < 52; ++i)
        b[303 + i] = static_cast<char>(0xFF);
    b[303] = 8;
    b[304] = 0;
    b[346] = static_cast<char>(0xC0);
    b[355] = 1;
    b[356] = 2;
    Put(b, 357, 4, 10);
    b[361] = static_cast<char>(0xFE);
    b[362] = 7;
    b[363] = static_cast<char>(0x80);
    b[364] = static_cast<char>(0xFF);
    b[365] = 0;
    Put(b, 366, 4, 1);
    Put(b, 370, 4, 1);
    Put_Text(b, 374, "ABC");
    Put_Text(b, 381, "SAT-9");
    Put(b, 388, 4, 1);
    Put(b, 392, 2, 3);
    Put(b, 394, 2, 1);
    Put(b, 396, 2, 1);
    Put(b, 398, 2, 0xFFFF);
    Put(b, 400, 2, 0x8000);
    Put(b, 402, 2, 31);
    return b;
}

} // namespace

TEST_F(SecuredRecordOffsets, Generation4RecordIntoTheControls)
{
    QByteArray b = Hand_Record(1170);
    Put_Text(b, 29, "ZONE A TEXT");
    b[404] = static_cast<char>(0xE0);
    b[405] = 9;
    Put(b, 406, 2, 1);
    Put_Text(b, 408, "ABC12-PROD-0001");
    b[1169] = 2;
    Load(b, 13, 13, 2);

    EXPECT_EQ(P().Main.Control_53->text(), QStringLiteral("LOADED ONE"));
    Page_General& g = P().General();
    Page_Power& w = P().Power();
    Page_Cockpit_Voice& v = P().Cockpit_Voice();
    EXPECT_EQ(g.Control_01->currentIndex(), 1);
    EXPECT_EQ(g.Control_18->currentIndex(), 3);
    EXPECT_EQ(w.Control_22a->text(), QStringLiteral("30"));
    EXPECT_EQ(P().Cabin().Control_23a->currentIndex(), 0);
    EXPECT_EQ(P().Cabin().Control_23b->currentIndex(), 1);
    EXPECT_EQ(w.Control_28a1->text(), QStringLiteral("9"));
    EXPECT_EQ(w.Control_28a2->text(), QStringLiteral("10"));
    EXPECT_EQ(w.Control_28b1->text(), QStringLiteral("11"));
    EXPECT_EQ(w.Control_28b2->text(), QStringLiteral("12"));
    EXPECT_EQ(w.Control_29a1->text(), QStringLiteral("-12.0"));
    EXPECT_EQ(w.Control_29a2->text(), QStringLiteral("19.0"));
    EXPECT_EQ(w.Control_29b1->text(), QStringLiteral("-0.5"));
    EXPECT_EQ(w.Control_29b2->text(), QStringLiteral("0.0"));
    EXPECT_EQ(g.Control_30->text(), QStringLiteral("25.5"));
    EXPECT_EQ(v.Control_31->currentIndex(), 1);
    EXPECT_EQ(v.Control_32->currentIndex(), 1);
    QListWidget* masks = P().Failure_Masks().Control_38;
    ASSERT_EQ(masks->count(), 2);
    EXPECT_EQ(masks->item(0)->text(), Mask_Line("0B", "Z", "0F", core::MASK_TYPE_INDICTMENT));
    EXPECT_EQ(masks->item(1)->text(), Mask_Line("FF", "7", "80", core::MASK_TYPE_FAILURE));
    EXPECT_EQ(w.Control_39->text(), QStringLiteral("88"));
    EXPECT_EQ(P().Transit_GES().Control_41[0]->text(), QStringLiteral("010"));
    EXPECT_EQ(P().Transit_GES().Control_41[1]->text(), QStringLiteral("000"));
    EXPECT_EQ(P().Transit_GES().Control_41[2]->text(), QStringLiteral("377"));
    EXPECT_EQ(P().Transit_GES().Control_41[43]->text(), QStringLiteral("300"));
    EXPECT_EQ(v.Control_42->currentIndex(), 1);
    EXPECT_EQ(v.Control_43->currentIndex(), 2);
    EXPECT_EQ(w.Control_44->currentIndex(), 2); // 10: "Priority 3"
    EXPECT_EQ(v.Control_46a->text(), QStringLiteral("254"));
    EXPECT_EQ(v.Control_46b->text(), QStringLiteral("7"));
    EXPECT_EQ(v.Control_46c->text(), QStringLiteral("128"));
    EXPECT_EQ(g.Control_47a->text(), QStringLiteral("255"));
    EXPECT_EQ(g.Control_47b->text(), QStringLiteral("0"));
    EXPECT_EQ(P().Dual().Control_48->currentIndex(), 1);
    EXPECT_EQ(P().Dual().Control_50->currentIndex(), 1);
    EXPECT_EQ(g.Control_51a->text(), QStringLiteral("ABC"));
    EXPECT_EQ(g.Control_51b->text(), QStringLiteral("SAT-9"));
    EXPECT_EQ(g.Control_52->currentIndex(), 1);
    EXPECT_EQ(g.Control_54->currentIndex(), 3);
    EXPECT_EQ(P().Dual().Control_56->currentIndex(), 1);
    // Item 57 is unsigned: all ones is 65535, the top bit alone 32768.
    EXPECT_EQ(w.Control_57a->text(), QStringLiteral("65535"));
    EXPECT_EQ(w.Control_57b->text(), QStringLiteral("32768"));
    EXPECT_EQ(w.Control_22b->text(), QStringLiteral("31"));
    EXPECT_EQ(P().Cabin().Control_59->text(), QStringLiteral("224"));
    EXPECT_EQ(g.Control_60->currentIndex(), 1);
    // The part number keeps its minus signs.
    EXPECT_EQ(P().Main.Control_87->text(), QStringLiteral("ABC12-PROD-0001"));
    EXPECT_FALSE(P().Main.Label_Secure_Modified->isHidden());
    // Zones of generation 4 are not read: the codec and RFU defaults stay.
    EXPECT_EQ(v.Control_06a1->currentIndex(), 0);
    EXPECT_EQ(g.Control_27a->currentIndex(), P().General().Control_27b->currentIndex());
}

TEST_F(SecuredRecordOffsets, Generation1RecordWithCodecsAndTailText)
{
    QByteArray b = Hand_Record(418);
    Put(b, 29, 4, 1);
    Put(b, 33, 4, 2);
    Put(b, 37, 4, 0);
    Put(b, 41, 4, 1);
    Put(b, 57, 2, 1);
    Put(b, 59, 2, 0);
    b[404] = 99;
    Put(b, 406, 2, 1);
    Put(b, 394, 2, 0);
    Put_Text(b, 408, "TAILTEXT10");
    Load(b, 4, 10, 0);

    Page_Cockpit_Voice& v = P().Cockpit_Voice();
    EXPECT_EQ(v.Control_06a1->currentIndex(), 1);
    EXPECT_EQ(v.Control_06b1->currentIndex(), 2);
    EXPECT_EQ(v.Control_06a2->currentIndex(), 0);
    EXPECT_EQ(v.Control_06b2->currentIndex(), 1);
    EXPECT_EQ(P().General().Control_27a->currentIndex(), 1);
    EXPECT_EQ(P().General().Control_27b->currentIndex(), 0);
    // Level 0 target: items 59 and 60 keep their defaults.
    EXPECT_EQ(P().Cabin().Control_59->text(), QStringLiteral("56"));
    EXPECT_EQ(P().General().Control_60->currentIndex(), 0);
    EXPECT_EQ(P().Power().Control_57a->text(), QStringLiteral("65535"));
    EXPECT_TRUE(P().Main.Label_Secure_Modified->isHidden());

    // Saved into generation 3 at level 0 the codecs come back at their offsets.
    const QByteArray saved = Save(10);
    EXPECT_EQ(saved.mid(29, 16), b.mid(29, 16));
    EXPECT_EQ(saved.mid(57, 4), b.mid(57, 4));
    EXPECT_TRUE(All_Zero(saved, 404, 424));
}

TEST_F(SecuredRecordOffsets, Generation3RecordIntoALevel1TargetReadsItems59And60)
{
    QByteArray b = Hand_Record(426);
    Put(b, 29, 4, 2);
    Put(b, 57, 2, 1);
    b[404] = 99;
    b[405] = 5;
    Put(b, 406, 2, 1);
    b[425] = 9;
    Load(b, 10, 10, 1);
    EXPECT_EQ(P().Cockpit_Voice().Control_06a1->currentIndex(), 0);
    EXPECT_EQ(P().Cabin().Control_59->text(), QStringLiteral("99"));
    EXPECT_EQ(P().General().Control_60->currentIndex(), 1);

    const QByteArray saved = Save(10);
    EXPECT_TRUE(All_Zero(saved, 29, 44));
    EXPECT_TRUE(All_Zero(saved, 57, 60));
    EXPECT_EQ(Unsigned_At(saved, 404, 1), 99);
    EXPECT_EQ(Unsigned_At(saved, 405, 1), 128);
    EXPECT_EQ(Signed_At(saved, 406, 2), 1);
    EXPECT_EQ(Unsigned_At(saved, 425, 1), 1); // the target's revision
}

TEST_F(SecuredRecordOffsets, Generation2RecordAlwaysReadsItems59And60)
{
    QByteArray b = Hand_Record(658);
    b[404] = 12;
    Put(b, 406, 2, 1);
    Load(b, 7, 13, 0);
    EXPECT_EQ(P().Cabin().Control_59->text(), QStringLiteral("12"));
    EXPECT_EQ(P().General().Control_60->currentIndex(), 1);
    EXPECT_EQ(P().Main.Control_53->text(), QStringLiteral("LOADED ONE"));

    // Loaded into generation 4 the body bytes come back unchanged.
    const QByteArray saved = Save(13);
    for (const auto& [first, last] : std::vector<std::pair<int, int>>{
             {25, 28}, {45, 56}, {61, 100}, {301, 393}, {396, 404}, {406, 407}})
        EXPECT_EQ(saved.mid(first, last - first + 1), b.mid(first, last - first + 1))
            << "bytes " << first << " to " << last;
    // The used masks close up in slot order; the empty slots follow.
    EXPECT_EQ(saved.mid(101, 8), QByteArray::fromHex("0520B30F" "020FF780"));
    EXPECT_TRUE(All_Zero(saved, 109, 300));
    EXPECT_EQ(Unsigned_At(saved, 394, 2), 0); // the modified flag is cleared
}
