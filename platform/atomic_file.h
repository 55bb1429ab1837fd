#pragma once
// Replacing a file whole and atomically. The bytes go into a fresh file in
// the target's folder that has no name yet where the system allows it (else
// a short random one in the folder's work folder, see temporary_names.h),
// are flushed to the disk, and only then take the target's place by a
// rename. Until that rename the
// target is untouched; a failure at any step, or the end of the process,
// leaves no fresh file behind. Failures carry the system's error number, so
// that a full disk can be told apart from other write errors.
//
// Writing past the process's file-size limit raises SIGXFSZ, which ends the
// process unless it is ignored; a program that ignores it gets EFBIG here.

#include "platform/temporary_names.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace platform {

// Where a replacement failed.
enum class File_Write_Step {
    None,         // it did not fail
    Not_Writable, // the target is a folder or a read-only file
    Open,         // the fresh file could not be created
    Write,        // writing, flushing or closing the fresh file failed
    Commit,       // putting the fresh file in the target's place failed
};

struct File_Write_Result {
    File_Write_Step Step = File_Write_Step::None;
    int Error = 0; // the errno of the failing call

    bool Ok() const { return Step == File_Write_Step::None; }
    // ENOSPC, EDQUOT or EFBIG: no room on the file system, in the user's
    // quota or under the file-size limit.
    bool Disk_Full() const;
    // EACCES, EPERM or EROFS: the file, its folder or its disk refuses
    // writing (a read-only target is refused with EACCES).
    bool Permission_Refused() const;
    // ENOENT or ENOTDIR: the target's folder does not exist.
    bool Folder_Missing() const;
};

// The native name a write to path replaces: a link's target when path is a
// link, else path itself.
QByteArray Native_Target(const QString& path);

// Whether path may be replaced: a folder is refused with EISDIR, a read-only
// file (one the process may not write, or one nobody may write whatever the
// process's privileges) with EACCES or EROFS. A missing file may be created.
File_Write_Result Check_Replaceable(const QString& path);

// One replacement of a file. Open, then Write as often as needed, then
// Commit; a replacement that is not committed leaves the target as it was.
class Atomic_File {
public:
    explicit Atomic_File(const QString& path);
    ~Atomic_File();
    Atomic_File(const Atomic_File&) = delete;
    Atomic_File& operator=(const Atomic_File&) = delete;

    File_Write_Result Open();
    // Appends bytes to the fresh file.
    File_Write_Result Write(QByteArrayView bytes);
    // Writes bytes over the fresh file's bytes at offset.
    File_Write_Result Write_At(qint64 offset, QByteArrayView bytes);
    // Reads the fresh file back; nothing when it holds fewer bytes.
    std::optional<QByteArray> Read_At(qint64 offset, qint64 length) const;
    File_Write_Result Commit();

    // The path given, and the native name the commit replaces (a link's
    // target when the path is a link), known once opened.
    const QString& Path() const { return path_; }
    const QByteArray& Target() const { return target_; }

private:
    friend class Atomic_File_Set;

    // Whether the target may still be replaced (see Check_Replaceable).
    File_Write_Result Check_Target() const;
    // Flushes the fresh file and gives it a name of its own in the work
    // folder beside the target; the target is still untouched.
    File_Write_Result Seal();
    // Renames the sealed file over the target.
    File_Write_Result Put_In_Place();
    File_Write_Result Fail(File_Write_Step step, int error);
    void Discard();

    QString path_;
    QByteArray target_;    // the native name the rename replaces
    QByteArray folder_;    // the target's folder
    Work_Folder work_;     // where the fresh file has its name
    QByteArray temporary_; // the fresh file's name there, empty while it has none
    int fd_ = -1;
    bool unnamed_ = false;      // the fresh file has no name yet
    bool check_at_open_ = true; // else the commit of its set checks the target
};

// Replaces path with bytes in one go.
File_Write_Result Write_Whole_File(const QString& path, QByteArrayView bytes);

} // namespace platform
