#pragma once
// The names of the files a replacement keeps beside its target for a moment:
// the fresh file between its writing and its rename, and the backup of the
// file it replaces. The names are short, so that a target of any length the
// file system takes leaves room for them; random, so that nobody can place a
// file or a link under them in advance (they are always created exclusively);
// and recognisable, so that those a killed process left behind can be told
// apart and cleared. While a process uses such a file it holds a lock on it.

#include <QByteArray>

namespace platform {

enum class Temporary_Kind {
    Fresh,  // new contents on their way to the target
    Backup, // a replaced file, kept until its replacement is complete
};

// folder + "/.mrv-" + kind letter + "-" + random letters and digits.
QByteArray Temporary_Name(const QByteArray& folder, Temporary_Kind kind);

// The folder of a native file name ("." when it has none).
QByteArray Folder_Of(const QByteArray& path);

// Takes the lock that marks a temporary as in use; false when another
// holder has it.
bool Lock_Temporary(int fd);

// Removes the temporaries in folder that no process holds any more: fresh
// files always, backups only while the replaced file is still in place under
// another name (a backup that is its file's only name is kept).
void Clear_Stale_Temporaries(const QByteArray& folder);

} // namespace platform
