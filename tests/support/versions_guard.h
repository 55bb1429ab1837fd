#pragma once
// Resets the program-wide version state when a test starts and again when it
// ends, so that no test sees the levels another one set.

#include "editor/core/ort_types.h"

namespace testsupport {

struct Versions_Guard {
    Versions_Guard() { core::Reset_Versions(); }
    ~Versions_Guard() { core::Reset_Versions(); }
    Versions_Guard(const Versions_Guard&) = delete;
    Versions_Guard& operator=(const Versions_Guard&) = delete;
};

} // namespace testsupport
