#pragma once
// Element defaults of the HSD configuration items and the default Swift64
// LES preference tables, with the formatter of one LES list line. These
// belong to the user partition's default module; the HSD pages use them for
// their field checks and their Reset buttons.

#include <QString>
#include <array>
#include <cstdint>

namespace User_Mod {

// One Swift64 LES preference element as the user record holds it: SAT ID,
// LES ID (16-bit, big-endian byte order), preference.
struct LES_Element {
    std::uint8_t Sat_ID = 0;
    std::array<std::uint8_t, 2> LES_ID{}; // big-endian
    std::uint8_t Preference = 0;
};

// An element from plain numbers (the LES ID stored big-endian).
LES_Element Make_LES_Element(std::uint8_t sat_id, std::int16_t les_id, std::uint8_t preference);
// The LES ID of an element read as a big-endian signed 16-bit number.
std::int16_t LES_ID_Value(const LES_Element& element);

constexpr int LES_DEFAULT_COUNT = 12;
using LES_Table = std::array<LES_Element, LES_DEFAULT_COUNT>;

// The default M-ISDN (item 66) and MPDS (item 67) lists; both hold the same
// twelve elements.
const LES_Table& Default_MISDN_LES();
const LES_Table& Default_MPDS_LES();

// The list line of an element: SAT ID in octal padded with "0" to 2, two
// blanks, LES ID in decimal padded with blanks in front to 3, two blanks,
// preference in decimal. Longer numbers are not cut.
QString Format_LES_Entry(const LES_Element& element);

// Default octet of box `index` (0 first octet .. 3 last) of an address; an
// index outside 0..3 gives 0.
std::uint8_t Default_72a1(std::int16_t index); // IP address SDU 1 port 1
// SDU 1 port 2; depends on the current user Airframer_Level ...
std::uint8_t Default_72a2(std::int16_t index);
// ... and is this at level 0, which its tooltip names at every level.
std::uint8_t Standard_72a2(std::int16_t index);
std::uint8_t Default_72b1(std::int16_t index); // SDU 2 port 1
std::uint8_t Default_72b2(std::int16_t index); // SDU 2 port 2
std::uint8_t Default_73(std::int16_t index);   // subnet mask
std::uint8_t Default_75(std::int16_t index);   // DHCP address

} // namespace User_Mod
