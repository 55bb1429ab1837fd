#pragma once
// Replacing a file whole and atomically: the bytes go into a fresh file
// beside the target, are flushed to the disk and then renamed over the
// target. Until that rename the target is untouched; a failure at any step
// removes the fresh file. Failures carry the system's error number, so that
// a full disk can be told apart from other write errors.
//
// Writing past the process's file-size limit raises SIGXFSZ, which ends the
// process unless it is ignored; a program that ignores it gets EFBIG here.

#include <QByteArrayView>
#include <QString>

namespace platform {

// Where a replacement failed.
enum class File_Write_Step {
    None,         // it did not fail
    Not_Writable, // the target is a folder or a read-only file
    Open,         // the fresh file could not be created
    Write,        // writing, flushing or closing the fresh file failed
    Commit,       // the rename over the target failed
};

struct File_Write_Result {
    File_Write_Step Step = File_Write_Step::None;
    int Error = 0; // the errno of the failing call

    bool Ok() const { return Step == File_Write_Step::None; }
    // ENOSPC, EDQUOT or EFBIG: no room on the file system, in the user's
    // quota or under the file-size limit.
    bool Disk_Full() const;
    // EACCES, EPERM or EROFS.
    bool Permission_Refused() const;
    // ENOENT or ENOTDIR: the target's folder does not exist.
    bool Folder_Missing() const;
};

// One replacement of a file. Open, then Write as often as needed, then
// Commit; a replacement that is not committed leaves the target as it was.
class Atomic_File {
public:
    explicit Atomic_File(const QString& path);
    ~Atomic_File();
    Atomic_File(const Atomic_File&) = delete;
    Atomic_File& operator=(const Atomic_File&) = delete;

    File_Write_Result Open();
    File_Write_Result Write(QByteArrayView bytes);
    File_Write_Result Commit();

private:
    File_Write_Result Fail(File_Write_Step step, int error);
    void Discard();

    QString path_;
    QByteArray target_;    // the native name the rename replaces
    QByteArray temporary_; // the native name of the fresh file, empty when none
    int fd_ = -1;
};

// Replaces path with bytes in one go.
File_Write_Result Write_Whole_File(const QString& path, QByteArrayView bytes);

} // namespace platform
