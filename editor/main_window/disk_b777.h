#pragma once
// The Boeing 777 AIMS upload disk. Its files are written by the upload-disk
// writer component; this is the one place the upload dialog hands the job to.

#include "editor/main_window/disk_hooks.h"

#include <QString>
#include <functional>

class QDialog;

namespace main_window {

struct B777_Upload_Job {
    QString Folder;                        // ends in "/"
    const Disk_Hooks* Hooks = nullptr;
    std::function<QString()> Ask_Identifier; // the B777 identifier, "" when cancelled
    QDialog* Upload_Dialog = nullptr;        // hidden while the identifier is asked
};

// Writes the disk; true on success. The upload dialog stays open otherwise.
bool Write_B777_Upload(const B777_Upload_Job& job);

// The box shown while the writer component is not part of the program.
QString B777_Unavailable_Text();

} // namespace main_window
