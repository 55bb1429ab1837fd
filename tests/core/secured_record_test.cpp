#include "editor/core/secured_record.h"

#include <gtest/gtest.h>

#include <vector>

using namespace core::secured;

namespace {

struct Generation {
    std::int32_t version;
    core::Layout layout;
    int length;
};

std::vector<Generation> Generations()
{
    return {{4, Layout_V4(), LENGTH_V4},
            {7, Layout_V7(), LENGTH_V7},
            {10, Layout_V10(), LENGTH_V10},
            {13, Layout_V13(), LENGTH_V13}};
}

int Covered_Bytes(core::Layout layout)
{
    int covered = 0;
    for (const core::Field_Def& def : layout)
        covered += def.width * def.count;
    return covered;
}

} // namespace

TEST(SecuredRecordLayout, EveryLayoutFitsItsRecordAndCoversEveryByte)
{
    for (const Generation& g : Generations()) {
        SCOPED_TRACE(g.version);
        EXPECT_EQ(core::Check_Layout(g.layout, g.length), QString());
        // No overlap (checked above) and the widths add up: no gap either.
        EXPECT_EQ(Covered_Bytes(g.layout), g.length);
        EXPECT_EQ(Length_Of_Version(g.version), g.length);
        EXPECT_EQ(Layout_Of_Version(g.version).data(), g.layout.data());
    }
    EXPECT_EQ(Length_Of_Version(8), 0);
    EXPECT_TRUE(Layout_Of_Version(99).empty());
}

TEST(SecuredRecordLayout, LengthsInTheFile)
{
    EXPECT_EQ(LENGTH_V4, 418);
    EXPECT_EQ(LENGTH_V7, 658);
    EXPECT_EQ(LENGTH_V10, 426);
    EXPECT_EQ(LENGTH_V13, 1170);
}

TEST(SecuredRecordLayout, CommonBodyOffsets)
{
    for (const Generation& g : Generations()) {
        SCOPED_TRACE(g.version);
        const core::Record r(g.layout, g.length);
        EXPECT_EQ(r.Offset_Of(Description), 0);
        EXPECT_EQ(r.Field(Description).width, 25);
        EXPECT_EQ(r.Offset_Of(Item01), 25);
        EXPECT_EQ(r.Offset_Of(Item18), 45);
        EXPECT_EQ(r.Offset_Of(Item22_HGA), 49);
        EXPECT_EQ(r.Offset_Of(Item23, 1), 55);
        EXPECT_EQ(r.Offset_Of(Item28, 0), 61);
        EXPECT_EQ(r.Offset_Of(Item28, 3), 73);
        EXPECT_EQ(r.Offset_Of(Item29, 1), 81);
        EXPECT_EQ(r.Offset_Of(Item29, 3), 89);
        EXPECT_EQ(r.Offset_Of(Item30), 93);
        EXPECT_EQ(r.Offset_Of(Item31), 97);
        EXPECT_EQ(r.Offset_Of(Item32), 99);
        EXPECT_EQ(r.Offset_Of(Item38, 0), 101);
        EXPECT_EQ(r.Offset_Of(Item38, 49), 297);
        EXPECT_EQ(r.Offset_Of(Item39), 301);
        EXPECT_EQ(r.Offset_Of(Item41, 0), 303);
        EXPECT_EQ(r.Offset_Of(Item41, 43), 346);
        EXPECT_EQ(r.Offset_Of(Item41, 51), 354);
        EXPECT_EQ(r.Offset_Of(Item42), 355);
        EXPECT_EQ(r.Offset_Of(Item43), 356);
        EXPECT_EQ(r.Offset_Of(Item44), 357);
        EXPECT_EQ(r.Offset_Of(Item46, 2), 363);
        EXPECT_EQ(r.Offset_Of(Item47, 1), 365);
        EXPECT_EQ(r.Offset_Of(Item48), 366);
        EXPECT_EQ(r.Offset_Of(Item50), 370);
        EXPECT_EQ(r.Offset_Of(Item51, 0), 374);
        EXPECT_EQ(r.Offset_Of(Item51, 1), 381);
        EXPECT_EQ(r.Offset_Of(Item52), 388);
        EXPECT_EQ(r.Offset_Of(Item54), 392);
        EXPECT_EQ(r.Offset_Of(Modified_Flag), 394);
        EXPECT_EQ(r.Offset_Of(Item56), 396);
        EXPECT_EQ(r.Offset_Of(Item57, 0), 398);
        EXPECT_EQ(r.Offset_Of(Item57, 1), 400);
        EXPECT_EQ(r.Offset_Of(Item22_IGA), 402);
        EXPECT_EQ(r.Offset_Of(Item59), 404);
        EXPECT_EQ(r.Offset_Of(Audio_Level_Companion), 405);
        EXPECT_EQ(r.Offset_Of(Item60), 406);
    }
}

TEST(SecuredRecordLayout, ZonesAndTailsByGeneration)
{
    const core::Record v4(Layout_V4(), LENGTH_V4);
    const core::Record v7(Layout_V7(), LENGTH_V7);
    const core::Record v10(Layout_V10(), LENGTH_V10);
    const core::Record v13(Layout_V13(), LENGTH_V13);
    for (const core::Record* r : {&v4, &v10}) {
        EXPECT_EQ(r->Offset_Of(Item06, 0), 29);
        EXPECT_EQ(r->Offset_Of(Item06, 1), 33);
        EXPECT_EQ(r->Offset_Of(Item06, 3), 41);
        EXPECT_EQ(r->Offset_Of(Item27, 0), 57);
        EXPECT_EQ(r->Offset_Of(Item27, 1), 59);
        EXPECT_THROW(r->Field(Zone_A), core::Record_Error);
    }
    for (const core::Record* r : {&v7, &v13}) {
        EXPECT_EQ(r->Offset_Of(Zone_A), 29);
        EXPECT_EQ(r->Field(Zone_A).width, 16);
        EXPECT_EQ(r->Offset_Of(Zone_B), 57);
        EXPECT_EQ(r->Field(Zone_B).width, 4);
        EXPECT_THROW(r->Field(Item06), core::Record_Error);
    }
    EXPECT_EQ(v4.Offset_Of(Tail_Text), 408);
    EXPECT_THROW(v4.Field(Record_Revision), core::Record_Error);
    EXPECT_EQ(v7.Offset_Of(Record_Revision), 657);
    EXPECT_EQ(v7.Field(Spare).width, 249);
    EXPECT_EQ(v10.Offset_Of(Record_Revision), 425);
    EXPECT_EQ(v10.Field(Spare).width, 17);
    EXPECT_EQ(v13.Offset_Of(Item87), 408);
    EXPECT_EQ(v13.Field(Item87).width, 16);
    EXPECT_EQ(v13.Offset_Of(Spare), 424);
    EXPECT_EQ(v13.Offset_Of(Record_Revision), 1169);
    EXPECT_THROW(v7.Field(Item87), core::Record_Error);
}

TEST(SecuredRecordLayout, FieldsAreBigEndianAtTheirOffsets)
{
    core::Record r(Layout_V13(), LENGTH_V13);
    r.Set(Item44, 12);
    r.Set(Item57, 65535, 0);
    r.Set(Item22_IGA, -1);
    const QByteArray& b = r.Bytes();
    EXPECT_EQ(b.mid(357, 4), QByteArray::fromHex("0000000c"));
    EXPECT_EQ(b.mid(398, 2), QByteArray::fromHex("ffff"));
    EXPECT_EQ(r.Get(Item57, 0), 65535); // unsigned
    EXPECT_EQ(r.Get(Item22_IGA), -1);   // signed
}

TEST(SecuredRecords, ProgramWideRecordsByVersionAndType)
{
    Reset_Records();
    EXPECT_EQ(Record_Of_Version(4), &Records().V4);
    EXPECT_EQ(Record_Of_Version(7), &Records().V7);
    EXPECT_EQ(Record_Of_Version(10), &Records().V10);
    EXPECT_EQ(Record_Of_Version(13), &Records().V13);
    EXPECT_EQ(Record_Of_Version(99), nullptr);
    EXPECT_EQ(Record_For_Type(6), &Records().V4);
    EXPECT_EQ(Record_For_Type(9), &Records().V7);
    EXPECT_EQ(Record_For_Type(12), &Records().V10);
    EXPECT_EQ(Record_For_Type(15), &Records().V13);
    for (int user_type : {5, 8, 11, 14, 99, 0, 3})
        EXPECT_EQ(Record_For_Type(user_type), nullptr) << user_type;
    EXPECT_EQ(Records().V13.Length(), LENGTH_V13);

    Records().V7.Set(Item44, 9);
    Reset_Records();
    EXPECT_EQ(Records().V7.Bytes(), QByteArray(LENGTH_V7, '\0'));
}
