#pragma once
// Checked access to record fields for the save direction: a value that does
// not fit its field is an error of the save, never a silently cut value.

#include "editor/core/record_layout.h"

#include <QString>
#include <cstdint>

namespace User_Mod {

// Stores value into the field element; raises core::Record_Error when the
// value lies outside what the field's encoding holds.
void Put_Number(core::Record& record, int id, std::int64_t value, int index = 0);

// The text of a box read as a whole number in the base (blanks around it
// allowed); raises core::Record_Error naming the field when it is none.
std::int64_t Text_Number(const QString& text, int base, const char* field);

} // namespace User_Mod
