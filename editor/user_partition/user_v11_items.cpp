#include "editor/user_partition/user_v11_items.h"

#include "editor/user_partition/user_record_v11.h"
#include "editor/user_partition/user_record_v8.h"
#include "editor/user_partition/user_v11_short_head.h"
#include "editor/user_partition/user_v8_fields.h"
#include "editor/user_partition/user_v8_lists.h"

namespace User_Mod {

namespace {

// A satellite line with its name blank-padded to the 6 characters of the field.
constexpr int SAT_LINE_LENGTH = 11;

int Element_Of(int category, int entry)
{
    return category * SHORT_DIRECTORY_ENTRIES + entry;
}

} // namespace

void Write_Short_Directory(core::Record& record, int category, const QStringList& lines)
{
    if (lines.size() > SHORT_DIRECTORY_ENTRIES)
        throw core::Record_Error(
            QStringLiteral("Cockpit directory category %1 holds %2 lines, more than its %3 entries")
                .arg(category)
                .arg(lines.size())
                .arg(SHORT_DIRECTORY_ENTRIES));
    Write_Directory_Entries(record, Element_Of(category, 0), SHORT_DIRECTORY_ENTRIES, lines);
}

// --- item 61 ---------------------------------------------------------------------

namespace {

struct Flags_V11 {
    int A;
    int B;
};
constexpr Flags_V11 ITEM_61_V11[] = {{1, 1}, {1, 1}, {1, 0}, {0, 0}, {0, 1}, {0, 0}};
constexpr int ITEM_61_ENTRIES = 6;
constexpr int ITEM_61_OTHER_INDEX = 4;

} // namespace

void Write_Item_61_V11(core::Record& record, int index)
{
    if (index >= 0 && index < ITEM_61_ENTRIES) {
        record.Set(V8_Item_61_A, ITEM_61_V11[index].A, V11_ITEM_61_A);
        record.Set(V8_Item_61_A, ITEM_61_V11[index].B, V11_ITEM_61_B);
    }
    record.Set(V8_Item_61_A, 1, 1);
    record.Set(V8_Item_61_A, 1, 3);
}

int Item_61_Index_V11(const core::Record& record)
{
    const std::int64_t key =
        2 * record.Get(V8_Item_61_A, V11_ITEM_61_B) + 4 * record.Get(V8_Item_61_A, V11_ITEM_61_A);
    switch (key) {
    case 6:
        return 0;
    case 4:
        return 2;
    case 0:
        return 3;
    default:
        return ITEM_61_OTHER_INDEX;
    }
}

int Item_61_Code_V5(const core::Record& record)
{
    const auto b = [&record](int i) {
        return static_cast<int>(i < 4 ? record.Get(V8_Item_61_A, i) : record.Get(V8_Item_61_B, i - 4));
    };
    int code = 3;
    if (b(1) == 1 && b(3) == 1)
        code = b(0) * 4 + b(2) * 2;
    if (b(5) == 1)
        code += b(4);
    return code;
}

int Item_61_Index_Of_Code_V5(int code)
{
    switch (code) {
    case 0:
        return 3;
    case 1:
        return 5;
    case 4:
        return 2;
    case 6:
        return 0;
    case 7:
        return 1;
    default:
        return ITEM_61_OTHER_INDEX;
    }
}

// --- satellites of generation 5 --------------------------------------------------

QStringList Read_Sat_Lines_V5(core::Record& record)
{
    QStringList lines = Read_Sat_Lines(record, Sat_Names::Cleaned);
    for (QString& line : lines)
        line = line.leftJustified(SAT_LINE_LENGTH);
    return lines;
}

} // namespace User_Mod
