#include "editor/user_partition/user_record_v11.h"

#include "editor/user_partition/user_v11_short_head.h"

namespace User_Mod {

namespace {

using core::Enc;

constexpr core::Field_Def TAIL[] = {
    {V11_Reserved_Text, "Reserved_Text", 7168, 2, Enc::Bytes},
    {V8_PSID_Sat, "PSID_Sat", 7170, 1, Enc::U8, V8_PSID_ENTRIES, 7},
    {V8_PSID_Revision, "PSID_Revision", 7171, 2, Enc::I16, V8_PSID_ENTRIES, 7},
    {V8_PSID_1, "PSID_1", 7173, 2, Enc::U16, V8_PSID_ENTRIES, 7},
    {V8_PSID_2, "PSID_2", 7175, 2, Enc::U16, V8_PSID_ENTRIES, 7},
    {V8_PSID_Count, "PSID_Count", 7240, 1, Enc::U8},
    {V8_Spare, "Spare", 7241, V11_SPARE_LENGTH, Enc::Bytes},
    {V8_Revision, "Revision", 7271, 1, Enc::U8},
};

constexpr auto LAYOUT = Join_Rows(TAIL);

} // namespace

core::Layout User_Record_V11_Layout()
{
    return LAYOUT;
}

core::Record& User_Record_V11()
{
    static core::Record record(LAYOUT, V11_LENGTH);
    return record;
}

} // namespace User_Mod
