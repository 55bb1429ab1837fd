#pragma once
// The work folder in which a replacement keeps its own files for a moment:
// a fresh file from its naming to its rename, the backups of the files a set
// replaces and the journal of that set. It lies inside the targets' folder
// (the same file system, so that one rename puts a file in place) and
// belongs to one user: ".mrv-work-" and the user's number, a real folder
// (never a link) owned by that user and writable by nobody else, made when a
// file needs a name and removed again when it is empty. Nothing but the
// writer's own files is ever put in it, and nothing else in it is ever
// touched: clearing what a killed writer left there acts only on the user's
// own regular files of the writer's names, and where there is no work folder
// it costs one look-up.
//
// Where an entry that is not the user's own work folder stands at its name
// (another account's folder, a plain file, a link), a save still goes ahead:
// it makes a work folder of a fresh random name for itself (writers nested
// in it, of the same process, find its journal there) and removes it when
// done. What a write killed there leaves is not cleared by others.
//
// The names in a work folder are short and random and always created
// exclusively. A file in use is held under a lock; a file is locked before
// any clearing can see it (creation and clearing exclude each other through
// a lock on the work folder itself).

#include <QByteArray>

#include <sys/stat.h>
#include <sys/types.h>

namespace platform {

enum class Temporary_Kind {
    Fresh,   // new contents on their way to a target: "n-" + random letters
    Journal, // the record of a set of replacements: "j-" + random letters
};

// The folder of a native file name ("." when it has none).
QByteArray Folder_Of(const QByteArray& path);

// The native name of name in folder.
QByteArray In_Folder(const QByteArray& folder, const QByteArray& name);

// The name of the user's own work folder in folder.
QByteArray Work_Folder_Name(const QByteArray& folder);

// Whether name (a bare name in the targets' folder) is one of the user's
// work folders: the one of the user's name, or one of a fresh name made
// where that name was taken.
bool Is_Own_Work_Folder_Name(const QByteArray& name);

// Whether name (a bare name in the work folder) is a fresh file's or a
// journal's name, or a backup's of the journal journal ("j-..." + "." + a
// number); journal receives the journal's name.
bool Is_Fresh_Name(const QByteArray& name);
bool Is_Journal_Name(const QByteArray& name);
bool Is_Backup_Name(const QByteArray& name, QByteArray& journal);

// Whether the entry described by info is the user's own: owned by the
// process's user and, for a folder, writable by nobody else.
bool Is_Own(const struct stat& info);

// Takes the lock that marks a temporary as in use; false when another
// holder has it.
bool Lock_Temporary(int fd);

// An open work folder. Every name in it is reached through its descriptor,
// so that nothing put at its name meanwhile is acted on.
class Work_Folder {
public:
    Work_Folder() = default;
    ~Work_Folder();
    Work_Folder(const Work_Folder&) = delete;
    Work_Folder& operator=(const Work_Folder&) = delete;

    // Opens folder's work folder, making it where it is missing, or a work
    // folder of a fresh name where its name is not the user's own; 0 or the
    // errno.
    int Open(const QByteArray& folder);
    // Opens folder's own work folder only when it is there and the user's
    // own; false otherwise.
    bool Open_Existing(const QByteArray& folder);

    bool Is_Open() const { return fd_ >= 0; }
    int Fd() const { return fd_; }

    // Creates a file of kind with mode (less the umask), locked before any
    // clearing can see it; its descriptor, or -1 with errno. name receives
    // its bare name.
    int Create(Temporary_Kind kind, mode_t mode, QByteArray& name);
    // Links the open unnamed file fd in under a fresh name; false with errno.
    bool Link(int fd, QByteArray& name);

    // Closes it, removing it when nothing is left in it.
    void Close();

private:
    // Opens the folder again where error tells that another writer removed
    // it; false when that is not why or when it cannot be opened.
    bool Reopen_If_Gone(int error);

    int fd_ = -1;
    QByteArray parent_; // the targets' folder
    QByteArray name_;   // the work folder's name in it
};

// The lock on a work folder by which creation (shared) and clearing
// (exclusive, never waiting) exclude each other.
class Work_Folder_Lock {
public:
    Work_Folder_Lock(const Work_Folder& folder, bool exclusive);
    ~Work_Folder_Lock();
    Work_Folder_Lock(const Work_Folder_Lock&) = delete;
    Work_Folder_Lock& operator=(const Work_Folder_Lock&) = delete;

    bool Held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

} // namespace platform
