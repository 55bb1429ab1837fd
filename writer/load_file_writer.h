#pragma once
// Writes NON_LOAD.CRC, DISK.DIR, MMMSSSSS.HDR and CONFIG.LDR into the
// parameters' folder from the text report MMMSSSSS.TXT and the ORT image
// MMMSSSSS.001 that the client put there. The four are built as files
// without a name and take their names together only when all four are
// complete; a failed call leaves the folder as it was, older load files
// included, and no file of its own behind.

#include "writer/upload_parameters.h"

#include <QString>
#include <functional>

namespace quarnel {

// Called with each step's status text before the step runs.
using Step_Reporter = std::function<void(const QString& text)>;

// Empty on success, else the text of the failure box.
QString Write_777_Files(const Upload_Parameters& p, const Step_Reporter& step);

} // namespace quarnel
