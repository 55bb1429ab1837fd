#pragma once
// The editor's own identification, shown by About and the report header.

namespace main_window {

inline constexpr const char* APP_VERSION_TEXT = "5.3";
inline constexpr const char* APP_PART_NUMBER = "KT6650382-107";
// Revision number of this build of the editor.
inline constexpr int APP_REVISION = 1;

} // namespace main_window
