#pragma once
// Writes NON_LOAD.CRC, DISK.DIR, MMMSSSSS.HDR and CONFIG.LDR into the
// parameters' folder from the text report MMMSSSSS.TXT and the ORT image
// MMMSSSSS.001 that the client put there. Every output is written under a
// temporary name first and renamed only when all four are complete, so a
// failed call leaves no partial load files behind.

#include "writer/upload_parameters.h"

#include <QString>
#include <functional>

namespace quarnel {

// Called with each step's status text before the step runs.
using Step_Reporter = std::function<void(const QString& text)>;

// Empty on success, else the text of the failure box.
QString Write_777_Files(const Upload_Parameters& p, const Step_Reporter& step);

// Suffix of the temporary names ("DISK.DIR" is first written as
// "DISK.DIR" + this).
inline constexpr const char* TEMPORARY_SUFFIX = ".partial";

} // namespace quarnel
