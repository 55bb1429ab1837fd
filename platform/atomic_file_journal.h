#pragma once
// The record that lets the replacement of several files of one folder be
// taken back: by the writer itself when one of its steps fails, and by the
// next writer in that folder when the process ended in between (a kill, a
// crash). Before any target is touched, every target that holds a file keeps
// it as a backup in the work folder (a second name of the same file, or a
// copy where the file system has no second names), and the journal, held
// under a lock while its writer runs, lists every target and whether it held
// a file. As long as the journal is there the replacement is incomplete:
// taking it back puts each backup in its target's place and removes each
// target that held no file, so the folder holds what it held before. Keeping
// the new files removes the journal first (from then on they stay) and the
// backups after it; a backup whose journal is gone is cleared as left over.

#include "platform/atomic_file.h"

#include <QByteArray>
#include <vector>

namespace platform {

class Replacement_Journal {
public:
    Replacement_Journal() = default;
    ~Replacement_Journal(); // takes back what was begun and not kept
    Replacement_Journal(const Replacement_Journal&) = delete;
    Replacement_Journal& operator=(const Replacement_Journal&) = delete;

    // Records the native targets, all in folder, and keeps a backup of each
    // file there; failed receives the index of the target that failed.
    File_Write_Result Begin(const QByteArray& folder, const std::vector<QByteArray>& targets,
                            qsizetype* failed);
    // The targets keep what they hold now.
    void Keep();
    // Every target holds again what it held at Begin. What cannot be put
    // back stays recorded for the next writer in the folder.
    void Take_Back();

    struct Entry {
        QByteArray Target;
        QByteArray Backup;
        bool Had_File = false;
        // The file the target held: while it still holds it, it is as it was.
        qulonglong Device = 0;
        qulonglong Inode = 0;
    };

private:
    void End(bool remove_backups);

    QByteArray folder_;
    QByteArray name_; // the journal's file
    int fd_ = -1;     // open and locked from Begin to the end
    std::vector<Entry> entries_;
    bool recorded_ = false; // the journal lists the targets: they may change
};

// Takes back every replacement in folder whose writer ended before it was
// complete, and clears every file of folder's work folder that no writer
// holds any more. Where the folder has no work folder it does nothing else.
void Recover_Folder(const QByteArray& folder);

} // namespace platform
