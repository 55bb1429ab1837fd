#pragma once
// The record that lets the replacement of several files of one folder be
// taken back: by the writer itself when one of its steps fails, and by the
// user's next writer in that folder when the process ended in between (a
// kill, a crash). Before any target is touched, every target that holds a
// file keeps it as a backup in the user's work folder (a second name of the
// same file, or a copy where the file system has no second names), and the
// journal, held under a lock while its writer runs, lists every target,
// whether it held a file and which. Before a new file takes a target's
// place, the journal records which file that is (its inode, size and
// modification time, none of which its rename changes).
//
// As long as the journal is there the replacement is incomplete: taking it
// back puts each backup in its target's place and removes each target that
// held no file, but only where the target still holds exactly the file this
// writer put there, unchanged since. A target that holds anything else (its
// old file, a file another program put there, nothing) is left alone, and
// its backup is dropped. Keeping the new files removes the journal first
// (from then on they stay) and the backups after it; a backup whose journal
// is gone is cleared as left over.
//
// Replacements nest: a set written while a guard of the same process covers
// some of its targets records its new files in the guard's journal too, so
// that the guard can take them back after a kill.

#include "platform/atomic_file.h"
#include "platform/temporary_names.h"

#include <QByteArray>
#include <sys/stat.h>
#include <vector>

namespace platform {

// What identifies a file and its contents, as far as a rename keeps them.
struct File_Stamp {
    qulonglong Device = 0;
    qulonglong Inode = 0;
    qlonglong Size = 0;
    qlonglong Seconds = 0;     // of the last modification
    qlonglong Nanoseconds = 0;

    static File_Stamp Of(const struct stat& info);
    bool Same_File(const File_Stamp& other) const
    {
        return Device == other.Device && Inode == other.Inode;
    }
    bool operator==(const File_Stamp&) const = default;
};

class Replacement_Journal {
public:
    Replacement_Journal();
    ~Replacement_Journal(); // takes back what was begun and not kept
    Replacement_Journal(const Replacement_Journal&) = delete;
    Replacement_Journal& operator=(const Replacement_Journal&) = delete;

    // Records the native targets, all in folder, and keeps a backup of each
    // file there; failed receives the index of the target that failed. A
    // target that is neither a file nor a link is refused.
    File_Write_Result Begin(const QByteArray& folder, const std::vector<QByteArray>& targets,
                            qsizetype* failed);
    // Records that the file described by fresh is about to take target's
    // place (here and in any journal of this process that covers target).
    File_Write_Result Placing(const QByteArray& target, const struct stat& fresh);
    // The targets keep what they hold now.
    void Keep();
    // Every target that holds what this writer put there holds again what
    // it held at Begin. What cannot be put back stays recorded for the
    // user's next writer in the folder.
    void Take_Back();

    struct Entry {
        QByteArray Name;     // the target's name in its folder
        QByteArray Backup;   // the backup's name in the work folder
        bool Had_File = false;
        File_Stamp Original; // the file the target held
        File_Stamp Kept;     // its backup
        bool Placed = false;
        File_Stamp Fresh;    // the file this writer put there
    };

    // A journal of the same process that covers some of this one's targets.
    struct Outer {
        int Fd = -1;
        std::vector<QByteArray> Names; // its targets, in its order
    };

private:
    void End(bool remove_backups);

    QByteArray folder_;
    Work_Folder work_;
    QByteArray name_; // the journal's name in the work folder
    int fd_ = -1;     // open and locked from Begin to the end
    std::vector<Entry> entries_;
    std::vector<Outer> outers_;
    bool recorded_ = false; // the journal lists the targets: they may change
};

// Takes back every replacement in folder whose writer (of this user) ended
// before it was complete, and clears every file of the user's work folder
// there that no writer holds any more. Where the folder has no work folder
// of the user's it does nothing else.
void Recover_Folder(const QByteArray& folder);

} // namespace platform
