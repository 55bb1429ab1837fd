#pragma once
// ORT type codes, partition configuration, the four version-info records and
// the record sizes by type. The version state is program-wide: one instance
// lives for the whole run.

#include <QByteArray>
#include <cstdint>

namespace core {

constexpr std::int32_t ORT_TYPE_NONE = 99;
constexpr std::int32_t PARTITION_ABSENT = 99;

// The editor's own version code and the header size that every writer puts
// into the file header.
constexpr std::int16_t TOOL_VERSION = 36;
constexpr std::int16_t HEADER_SIZE = 44;

enum Partition_Config_Value : std::int32_t {
    PARTITION_SECURED = 0,
    PARTITION_USER = 1,
    PARTITION_COMPOSITE = 2,
};

struct ORT_Version_Info {
    std::int32_t ORT_Type = 0;
    std::int32_t Partition_Version = 0;
    std::uint8_t Record_Revision = 0;
    std::uint8_t Feature_Level = 0;
    std::uint8_t Airframer_Level = 0;

    bool operator==(const ORT_Version_Info&) const = default;
};

struct Version_State {
    ORT_Version_Info Secured_Current;
    ORT_Version_Info Secured_Loaded;
    ORT_Version_Info User_Current;
    ORT_Version_Info User_Loaded;
    std::int32_t ORT_Type = 0;         // the current type
    std::int32_t Partition_Config = 0; // 0 secured, 1 user, 2 composite
};

// The program-wide version state; all zero at start-up.
Version_State& Versions();
void Reset_Versions();

namespace Secured_Mod {
constexpr std::int32_t Record_Size_V4 = 417;
constexpr std::int32_t Record_Size_V7 = 657;
constexpr std::int32_t Record_Size_V10 = 425;
constexpr std::int32_t Record_Size_V13 = 1169;
} // namespace Secured_Mod
namespace User_Mod {
constexpr std::int32_t Record_Size_V5 = 7169;
constexpr std::int32_t Record_Size_V8 = 19319;
constexpr std::int32_t Record_Size_V11 = 7271;
constexpr std::int32_t Record_Size_V14 = 21365;
} // namespace User_Mod
namespace Composite_Mod {
constexpr std::int32_t Record_Size_V6 = 7587;
constexpr std::int32_t Record_Size_V9 = 19977;
constexpr std::int32_t Record_Size_V12 = 7697;
constexpr std::int32_t Record_Size_V15 = 22535;
} // namespace Composite_Mod

// Record size constant of a type (one less than its data length on file);
// 0 for a value that is no ORT type.
std::int32_t Get_Record_Length(std::int32_t type);

// User record size constant of a type's generation, or 0 where the type
// carries no user record.
std::int32_t User_Record_Size(std::int32_t type);

// True for the types a writer produces (7 to 15).
bool Is_Writable_Type(std::int32_t type);

// Sets Partition_Config and the current ORT_Type from the two partition
// versions that the type dialog chose.
void Set_Version_Numbers(std::int32_t secured_version, std::int32_t user_version);

// Fills the two loaded version records from a file's type and its data
// bytes (the records as read, secured first). The revision is the last byte
// of each record of generations 2 to 4.
void Set_Loaded_Versions(std::int32_t type, const QByteArray& data);

} // namespace core
