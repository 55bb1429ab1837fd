#include "editor/core/ort_types.h"

namespace core {

namespace {
Version_State g_versions;

struct Type_Row {
    std::int32_t type;
    std::int32_t secured_size; // 0: no secured record
    std::int32_t user_size;    // 0: no user record
    std::int32_t secured_version;
    std::int32_t user_version;
};

// One row per ORT type: which records the file holds, in order.
constexpr Type_Row TYPE_TABLE[] = {
    {4, Secured_Mod::Record_Size_V4, 0, 4, PARTITION_ABSENT},
    {5, 0, User_Mod::Record_Size_V5, PARTITION_ABSENT, 5},
    {6, Secured_Mod::Record_Size_V4, User_Mod::Record_Size_V5, 4, 5},
    {7, Secured_Mod::Record_Size_V7, 0, 7, PARTITION_ABSENT},
    {8, 0, User_Mod::Record_Size_V8, PARTITION_ABSENT, 8},
    {9, Secured_Mod::Record_Size_V7, User_Mod::Record_Size_V8, 7, 8},
    {10, Secured_Mod::Record_Size_V10, 0, 10, PARTITION_ABSENT},
    {11, 0, User_Mod::Record_Size_V11, PARTITION_ABSENT, 11},
    {12, Secured_Mod::Record_Size_V10, User_Mod::Record_Size_V11, 10, 11},
    {13, Secured_Mod::Record_Size_V13, 0, 13, PARTITION_ABSENT},
    {14, 0, User_Mod::Record_Size_V14, PARTITION_ABSENT, 14},
    {15, Secured_Mod::Record_Size_V13, User_Mod::Record_Size_V14, 13, 14},
};

const Type_Row* find_type(std::int32_t type)
{
    for (const Type_Row& row : TYPE_TABLE)
        if (row.type == type)
            return &row;
    return nullptr;
}
} // namespace

Version_State& Versions() { return g_versions; }

void Reset_Versions() { g_versions = Version_State{}; }

std::int32_t Get_Record_Length(std::int32_t type)
{
    const Type_Row* row = find_type(type);
    if (!row)
        return 0;
    if (row->secured_size && row->user_size)
        return row->secured_size + row->user_size + 1;
    return row->secured_size + row->user_size;
}

std::int32_t User_Record_Size(std::int32_t type)
{
    const Type_Row* row = find_type(type);
    return row ? row->user_size : 0;
}

bool Is_Writable_Type(std::int32_t type) { return type >= 7 && type <= 15; }

void Set_Version_Numbers(std::int32_t secured_version, std::int32_t user_version)
{
    Version_State& v = g_versions;
    if (user_version == PARTITION_ABSENT) {
        v.Partition_Config = PARTITION_SECURED;
        v.ORT_Type = secured_version;
    } else if (secured_version != PARTITION_ABSENT) {
        v.Partition_Config = PARTITION_COMPOSITE;
        switch (secured_version) {
        case 7: v.ORT_Type = 9; break;
        case 10: v.ORT_Type = 12; break;
        case 13: v.ORT_Type = 15; break;
        default: v.ORT_Type = ORT_TYPE_NONE; break;
        }
    } else {
        v.Partition_Config = PARTITION_USER;
        v.ORT_Type = user_version;
    }
}

void Set_Loaded_Versions(std::int32_t type, const QByteArray& data)
{
    Version_State& v = g_versions;
    for (ORT_Version_Info* info : {&v.Secured_Loaded, &v.User_Loaded}) {
        info->ORT_Type = type;
        info->Partition_Version = PARTITION_ABSENT;
        info->Record_Revision = 0;
    }
    const Type_Row* row = find_type(type);
    if (!row)
        return;
    const bool first_generation = type <= 6;
    // The revision is the record's last byte; a record cut short by a
    // caller's error reads as revision 0 rather than outside the data.
    auto last_byte = [&](qsizetype end) -> std::uint8_t {
        if (first_generation || end < 1 || end > data.size())
            return 0;
        return static_cast<std::uint8_t>(data[end - 1]);
    };
    const qsizetype secured_len = row->secured_size ? row->secured_size + 1 : 0;
    const qsizetype user_len = row->user_size ? row->user_size + 1 : 0;
    if (row->secured_size) {
        v.Secured_Loaded.Partition_Version = row->secured_version;
        v.Secured_Loaded.Record_Revision = last_byte(secured_len);
    }
    if (row->user_size) {
        v.User_Loaded.Partition_Version = row->user_version;
        v.User_Loaded.Record_Revision = last_byte(secured_len + user_len);
    }
}

} // namespace core
