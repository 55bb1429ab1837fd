#include "editor/user_partition/user_record_v5.h"

#include "editor/user_partition/user_v11_short_head.h"

namespace User_Mod {

namespace {

constexpr core::Field_Def TAIL[] = {
    {V8_Item_61_B, "Item_61_Flags_4_5", 7168, 1, core::Enc::U8, 2},
};

constexpr auto LAYOUT = Join_Rows(TAIL);

} // namespace

core::Layout User_Record_V5_Layout()
{
    return LAYOUT;
}

core::Record& User_Record_V5()
{
    static core::Record record(LAYOUT, V5_LENGTH);
    return record;
}

} // namespace User_Mod
