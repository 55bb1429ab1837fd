#include "editor/core/secured_record.h"

#include <array>

namespace core::secured {

namespace {

template <std::size_t A, std::size_t B>
constexpr std::array<Field_Def, A + B> Join(const std::array<Field_Def, A>& a,
                                            const std::array<Field_Def, B>& b)
{
    std::array<Field_Def, A + B> out{};
    for (std::size_t i = 0; i < A; ++i)
        out[i] = a[i];
    for (std::size_t i = 0; i < B; ++i)
        out[A + i] = b[i];
    return out;
}

// Bytes 0 to 407 apart from zones A and B.
constexpr std::array<Field_Def, 30> BODY{{
    {Description, "Description", 0, 25, Enc::Text},
    {Item01, "Item01", 25, 4, Enc::I32},
    {Item18, "Item18", 45, 4, Enc::I32},
    {Item22_HGA, "Item22_HGA", 49, 4, Enc::I32},
    {Item23, "Item23", 53, 2, Enc::I16, 2},
    {Item28, "Item28", 61, 4, Enc::I32, 4},
    {Item29, "Item29", 77, 4, Enc::I32, 4},
    {Item30, "Item30", 93, 4, Enc::I32},
    {Item31, "Item31", 97, 2, Enc::I16},
    {Item32, "Item32", 99, 2, Enc::I16},
    {Item38, "Item38", 101, 4, Enc::U32, FAILURE_MASK_SLOTS},
    {Item39, "Item39", 301, 2, Enc::I16},
    {Item41, "Item41", 303, 1, Enc::U8, TRANSIT_BYTES},
    {Item42, "Item42", 355, 1, Enc::U8},
    {Item43, "Item43", 356, 1, Enc::U8},
    {Item44, "Item44", 357, 4, Enc::I32},
    {Item46, "Item46", 361, 1, Enc::U8, 3},
    {Item47, "Item47", 364, 1, Enc::U8, 2},
    {Item48, "Item48", 366, 4, Enc::I32},
    {Item50, "Item50", 370, 4, Enc::I32},
    {Item51, "Item51", 374, 7, Enc::Text, 2},
    {Item52, "Item52", 388, 4, Enc::I32},
    {Item54, "Item54", 392, 2, Enc::I16},
    {Modified_Flag, "Modified_Flag", 394, 2, Enc::U16},
    {Item56, "Item56", 396, 2, Enc::I16},
    {Item57, "Item57", 398, 2, Enc::U16, 2},
    {Item22_IGA, "Item22_IGA", 402, 2, Enc::I16},
    {Item59, "Item59", 404, 1, Enc::U8},
    {Audio_Level_Companion, "Audio_Level_Companion", 405, 1, Enc::U8},
    {Item60, "Item60", 406, 2, Enc::I16},
}};

// Generations 1 and 3: item 6 in zone A, item 27 in zone B.
constexpr std::array<Field_Def, 2> ZONES_CODEC_RFU{{
    {Item06, "Item06", 29, 4, Enc::I32, 4},
    {Item27, "Item27", 57, 2, Enc::I16, 2},
}};

// Generations 2 and 4: both zones unused text.
constexpr std::array<Field_Def, 2> ZONES_UNUSED{{
    {Zone_A, "Zone_A", 29, 16, Enc::Text},
    {Zone_B, "Zone_B", 57, 4, Enc::Text},
}};

constexpr std::array<Field_Def, 1> TAIL_V4{{
    {Tail_Text, "Tail_Text", 408, 10, Enc::Text},
}};

constexpr std::array<Field_Def, 2> TAIL_V7{{
    {Spare, "Spare", 408, 249, Enc::Bytes},
    {Record_Revision, "Record_Revision", 657, 1, Enc::U8},
}};

constexpr std::array<Field_Def, 2> TAIL_V10{{
    {Spare, "Spare", 408, 17, Enc::Bytes},
    {Record_Revision, "Record_Revision", 425, 1, Enc::U8},
}};

constexpr std::array<Field_Def, 3> TAIL_V13{{
    {Item87, "Item87", 408, 16, Enc::Text},
    {Spare, "Spare", 424, 745, Enc::Bytes},
    {Record_Revision, "Record_Revision", 1169, 1, Enc::U8},
}};

template <std::size_t N>
constexpr auto With_Body(const std::array<Field_Def, N>& rest)
{
    return Join(BODY, rest);
}

constexpr auto LAYOUT_V4 = With_Body(Join(ZONES_CODEC_RFU, TAIL_V4));
constexpr auto LAYOUT_V7 = With_Body(Join(ZONES_UNUSED, TAIL_V7));
constexpr auto LAYOUT_V10 = With_Body(Join(ZONES_CODEC_RFU, TAIL_V10));
constexpr auto LAYOUT_V13 = With_Body(Join(ZONES_UNUSED, TAIL_V13));

Record_Set g_records{Record(LAYOUT_V4, LENGTH_V4), Record(LAYOUT_V7, LENGTH_V7),
                     Record(LAYOUT_V10, LENGTH_V10), Record(LAYOUT_V13, LENGTH_V13)};

// One row per generation: its layout, length and program-wide record.
struct Version_Row {
    std::int32_t version;
    Layout layout;
    int length;
    Record Record_Set::*record;
};

constexpr Version_Row VERSIONS[] = {
    {4, LAYOUT_V4, LENGTH_V4, &Record_Set::V4},
    {7, LAYOUT_V7, LENGTH_V7, &Record_Set::V7},
    {10, LAYOUT_V10, LENGTH_V10, &Record_Set::V10},
    {13, LAYOUT_V13, LENGTH_V13, &Record_Set::V13},
};

const Version_Row* Find_Version(std::int32_t partition_version)
{
    for (const Version_Row& row : VERSIONS)
        if (row.version == partition_version)
            return &row;
    return nullptr;
}

} // namespace

Layout Layout_V4() { return LAYOUT_V4; }
Layout Layout_V7() { return LAYOUT_V7; }
Layout Layout_V10() { return LAYOUT_V10; }
Layout Layout_V13() { return LAYOUT_V13; }

Layout Layout_Of_Version(std::int32_t partition_version)
{
    const Version_Row* row = Find_Version(partition_version);
    return row ? row->layout : Layout{};
}

int Length_Of_Version(std::int32_t partition_version)
{
    const Version_Row* row = Find_Version(partition_version);
    return row ? row->length : 0;
}

std::int32_t Version_Of_Type(std::int32_t ort_type)
{
    switch (ort_type) {
    case 4: case 6: return 4;
    case 7: case 9: return 7;
    case 10: case 12: return 10;
    case 13: case 15: return 13;
    default: return 0;
    }
}

Record_Set& Records() { return g_records; }

void Reset_Records()
{
    for (const Version_Row& row : VERSIONS)
        (g_records.*row.record).Clear();
}

Record* Record_Of_Version(std::int32_t partition_version)
{
    const Version_Row* row = Find_Version(partition_version);
    return row ? &(g_records.*row->record) : nullptr;
}

Record* Record_For_Type(std::int32_t ort_type)
{
    return Record_Of_Version(Version_Of_Type(ort_type));
}

} // namespace core::secured
