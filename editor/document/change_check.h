#pragma once
// Unsaved-change detection: the page controls are copied into the records
// of the current type, and the CRC of the data (laid out as a file of that
// type holds it) is compared with the saved baseline.

#include <cstdint>

class Page_Set;

namespace Change_Check {

struct Comparison {
    bool Changed = false;
    std::uint16_t CRC = 0; // the CRC of the current data
};

// Compares without moving the baseline (for a question that only decides
// what to ask).
Comparison Compare_With_Baseline(Page_Set& pages, std::uint16_t baseline);

// True when the data differ from the baseline; the current CRC then becomes
// the baseline, so a second check without an edit answers false. Errors of
// the partition code pass to the caller and leave the baseline unchanged.
bool Check_ORT_Changed(Page_Set& pages, std::uint16_t& last_saved_crc);

} // namespace Change_Check
