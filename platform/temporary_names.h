#pragma once
// The work folder in which a replacement keeps its own files for a moment:
// a fresh file from its naming to its rename, the backups of the files a set
// replaces and the journal of that set. It is the hidden folder ".mrv-work"
// inside the targets' folder (the same file system, so that one rename puts
// a file in place), made when a file needs a name and removed again when it
// is empty. Nothing but the writer's own files is ever put in it: clearing
// what a killed writer left there touches no file of the user's, and where
// there is nothing to clear it costs one look-up.
//
// The names in it are short and random and always created exclusively. A
// file in use is held under a lock; a file is locked before any clearing can
// see it (creation and clearing exclude each other through a lock on the
// work folder itself).

#include <QByteArray>

#include <sys/types.h>

namespace platform {

enum class Temporary_Kind {
    Fresh,   // new contents on their way to a target: "n-" + random letters
    Journal, // the record of a set of replacements: "j-" + random letters
};

// The folder of a native file name ("." when it has none).
QByteArray Folder_Of(const QByteArray& path);

// The work folder of folder.
QByteArray Work_Folder(const QByteArray& folder);

// A fresh random name of kind in folder's work folder.
QByteArray Temporary_Name(const QByteArray& folder, Temporary_Kind kind);

// Whether name (a bare name in the work folder) is a fresh file's or a
// journal's name, or a backup's of the journal journal ("j-..." + "." + a
// number); journal receives the journal's name.
bool Is_Fresh_Name(const QByteArray& name);
bool Is_Journal_Name(const QByteArray& name);
bool Is_Backup_Name(const QByteArray& name, QByteArray& journal);

// Makes folder's work folder with folder's permissions, unless it is there;
// 0 or the errno.
int Make_Work_Folder(const QByteArray& folder);

// Removes folder's work folder when nothing is left in it.
void Remove_Work_Folder(const QByteArray& folder);

// Creates a file of kind with mode (less the umask) in folder's work folder,
// locked before any clearing can see it; its descriptor, or -1 with errno.
// name receives its full name.
int Create_Temporary(const QByteArray& folder, Temporary_Kind kind, mode_t mode, QByteArray& name);

// Takes the lock that marks a temporary as in use; false when another
// holder has it.
bool Lock_Temporary(int fd);

// The lock on a work folder by which creation (shared) and clearing
// (exclusive, never waiting) exclude each other.
class Work_Folder_Lock {
public:
    Work_Folder_Lock(const QByteArray& folder, bool exclusive);
    ~Work_Folder_Lock();
    Work_Folder_Lock(const Work_Folder_Lock&) = delete;
    Work_Folder_Lock& operator=(const Work_Folder_Lock&) = delete;

    // The open work folder (-1 when it is not there); Held() whether the
    // lock was taken.
    int Fd() const { return fd_; }
    bool Held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

} // namespace platform
