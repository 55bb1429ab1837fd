#include "editor/core/record_layout.h"

#include <gtest/gtest.h>

using namespace core;

namespace {
enum Id { Flag, Count, Names, Words, Tail };
constexpr Field_Def LAYOUT[] = {
    {Flag, "Flag", 0, 1, Enc::I8},
    {Count, "Count", 1, 2, Enc::U16},
    {Names, "Names", 3, 4, Enc::Text, 2, 6},
    {Words, "Words", 7, 2, Enc::I16, 2, 6},
    {Tail, "Tail", 15, 1, Enc::U8},
};
} // namespace

TEST(RecordLayout, FieldsAreReadAndWrittenBigEndianAtTheirOffsets)
{
    ASSERT_EQ(Check_Layout(LAYOUT, 16), QString());
    Record r(LAYOUT, 16);
    r.Set(Flag, -1);
    r.Set(Count, 0x1234);
    r.Set_Text(Names, "ab", 0);
    r.Set_Text(Names, "wxyz!", 1);
    r.Set(Words, -2, 1);
    r.Set(Tail, 7);
    EXPECT_EQ(r.Bytes().toHex(), QByteArray("ff12346162000000007778797afffe07"));
    EXPECT_EQ(r.Get(Flag), -1);
    EXPECT_EQ(r.Get(Count), 0x1234);
    EXPECT_EQ(r.Get(Words, 1), -2);
    EXPECT_EQ(r.Get_Text(Names, 1), "wxyz");
    EXPECT_EQ(r.Get_Text(Names, 0), QString::fromLatin1("ab\0\0", 4));
    EXPECT_EQ(r.Offset_Of(Words, 1), 13);
}

TEST(RecordLayout, BadAccessAndBadLayoutsAreRefused)
{
    Record r(LAYOUT, 16);
    EXPECT_THROW(r.Get(Words, 2), Record_Error);
    EXPECT_THROW(r.Get(Names), Record_Error);
    EXPECT_THROW(r.Set_Bytes(QByteArray(15, '\0')), Record_Error);
    EXPECT_THROW(r.Set_Raw(Tail, QByteArray(2, '\0')), Record_Error);
    EXPECT_NE(Check_Layout(LAYOUT, 15), QString()); // Tail outside
    constexpr Field_Def overlap[] = {{0, "A", 0, 2, Enc::U16}, {1, "B", 1, 1, Enc::U8}};
    EXPECT_TRUE(Check_Layout(overlap, 4).contains("overlaps"));
    constexpr Field_Def bad_width[] = {{0, "A", 0, 3, Enc::U16}};
    EXPECT_FALSE(Check_Layout(bad_width, 4).isEmpty());
}
