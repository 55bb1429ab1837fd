#include "platform/atomic_file.h"

#include "platform/atomic_file_journal.h"
#include "platform/temporary_names.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr mode_t NEW_FILE_MODE = 0666; // less the process's umask
constexpr mode_t ANY_WRITE = S_IWUSR | S_IWGRP | S_IWOTH;

// Whether the native target, in the state old, may be replaced.
File_Write_Result Check_Existing(const QByteArray& target, const struct stat& old)
{
    if (S_ISDIR(old.st_mode))
        return {File_Write_Step::Not_Writable, EISDIR};
    // A read-only file is refused rather than replaced behind its back, also
    // where the process's privileges would let it write.
    if (::access(target.constData(), W_OK) != 0)
        return {File_Write_Step::Not_Writable, errno};
    if ((old.st_mode & ANY_WRITE) == 0)
        return {File_Write_Step::Not_Writable, EACCES};
    return {};
}

// Whether the native target may be replaced; a missing one may be created.
File_Write_Result Check_Native(const QByteArray& target)
{
    struct stat old {};
    if (target.isEmpty() || ::stat(target.constData(), &old) != 0)
        return {};
    return Check_Existing(target, old);
}

// Unnamed files are linked into the folder through /proc.
bool Unnamed_Files_Usable()
{
    static const bool usable = ::access("/proc/self/fd", X_OK) == 0;
    return usable;
}

// The errors by which open(O_TMPFILE) tells that the file system or the
// kernel has no unnamed files.
bool No_Unnamed_Files(int error)
{
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

} // namespace

QByteArray Native_Target(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink() && info.exists())
        return QFile::encodeName(info.canonicalFilePath());
    return QFile::encodeName(path);
}

bool File_Write_Result::Disk_Full() const
{
#ifdef EDQUOT
    if (Error == EDQUOT)
        return true;
#endif
    return Error == ENOSPC || Error == EFBIG;
}

bool File_Write_Result::Permission_Refused() const
{
    return Error == EACCES || Error == EPERM || Error == EROFS;
}

bool File_Write_Result::Folder_Missing() const { return Error == ENOENT || Error == ENOTDIR; }

File_Write_Result Check_Replaceable(const QString& path) { return Check_Native(Native_Target(path)); }

Atomic_File::Atomic_File(const QString& path) : path_(path) {}

Atomic_File::~Atomic_File() { Discard(); }

File_Write_Result Atomic_File::Open()
{
    Discard();
    if (path_.isEmpty())
        return Fail(File_Write_Step::Open, ENOENT);
    target_ = Native_Target(path_);
    folder_ = Folder_Of(target_);
    struct stat old {};
    const bool exists = ::stat(target_.constData(), &old) == 0;
    // A name the system cannot look up (too long, a loop of links, a folder
    // that may not be searched) cannot be written either.
    if (!exists && errno != ENOENT)
        return Fail(File_Write_Step::Open, errno);
    if (exists && check_at_open_) {
        const File_Write_Result allowed = Check_Existing(target_, old);
        if (!allowed.Ok())
            return Fail(allowed.Step, allowed.Error);
    }

    // What a writer killed in this folder left is taken back or cleared first.
    Recover_Folder(folder_);
    if (Unnamed_Files_Usable()) {
        fd_ = ::open(folder_.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, NEW_FILE_MODE);
        if (fd_ >= 0)
            unnamed_ = true;
        else if (!No_Unnamed_Files(errno))
            return Fail(File_Write_Step::Open, errno);
    }
    if (fd_ < 0) {
        if (const int error = work_.Open(folder_))
            return Fail(File_Write_Step::Open, error);
        fd_ = work_.Create(Temporary_Kind::Fresh, NEW_FILE_MODE, temporary_);
        if (fd_ < 0)
            return Fail(File_Write_Step::Open, errno);
    } else {
        static_cast<void>(Lock_Temporary(fd_));
    }
    // The replacement keeps the old file's permissions.
    if (exists && S_ISREG(old.st_mode))
        static_cast<void>(::fchmod(fd_, old.st_mode & 07777));
    return {};
}

File_Write_Result Atomic_File::Write(QByteArrayView bytes)
{
    if (fd_ < 0)
        return Fail(File_Write_Step::Write, EBADF);
    const off_t end = ::lseek(fd_, 0, SEEK_END);
    if (end < 0)
        return Fail(File_Write_Step::Write, errno);
    return Write_At(end, bytes);
}

File_Write_Result Atomic_File::Write_At(qint64 offset, QByteArrayView bytes)
{
    if (fd_ < 0 || offset < 0)
        return Fail(File_Write_Step::Write, EBADF);
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    off_t at = static_cast<off_t>(offset);
    while (left > 0) {
        const ssize_t written = ::pwrite(fd_, data, static_cast<size_t>(left), at);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return Fail(File_Write_Step::Write, errno);
        }
        data += written;
        left -= written;
        at += written;
    }
    return {};
}

std::optional<QByteArray> Atomic_File::Read_At(qint64 offset, qint64 length) const
{
    if (fd_ < 0 || offset < 0 || length < 0)
        return std::nullopt;
    QByteArray bytes(length, '\0');
    qint64 done = 0;
    while (done < length) {
        const ssize_t got = ::pread(fd_, bytes.data() + done, static_cast<size_t>(length - done),
                                    static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;
        done += got;
    }
    return bytes;
}

File_Write_Result Atomic_File::Check_Target() const { return Check_Native(target_); }

File_Write_Result Atomic_File::Commit()
{
    const File_Write_Result sealed = Seal();
    return sealed.Ok() ? Put_In_Place() : sealed;
}

File_Write_Result Atomic_File::Seal()
{
    if (fd_ < 0)
        return Fail(File_Write_Step::Commit, EBADF);
    // Some file systems report a full disk only when the data are flushed.
    if (::fsync(fd_) != 0 && errno != EINVAL)
        return Fail(File_Write_Step::Write, errno);
    if (unnamed_) {
        // The file is locked already, so no clearing takes it once named.
        if (const int error = work_.Open(folder_))
            return Fail(File_Write_Step::Commit, error);
        if (!work_.Link(fd_, temporary_))
            return Fail(File_Write_Step::Commit, errno);
        unnamed_ = false;
    }
    return {};
}

File_Write_Result Atomic_File::Put_In_Place()
{
    if (fd_ < 0 || temporary_.isEmpty())
        return Fail(File_Write_Step::Commit, EBADF);
    if (::renameat(work_.Fd(), temporary_.constData(), AT_FDCWD, target_.constData()) != 0)
        return Fail(File_Write_Step::Commit, errno);
    temporary_.clear();
    ::close(fd_); // flushed already: the data are on the disk
    fd_ = -1;
    work_.Close();
    return {};
}

File_Write_Result Atomic_File::Fail(File_Write_Step step, int error)
{
    Discard();
    return {step, error};
}

void Atomic_File::Discard()
{
    if (!temporary_.isEmpty())
        ::unlinkat(work_.Fd(), temporary_.constData(), 0);
    temporary_.clear();
    work_.Close();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    unnamed_ = false;
}

File_Write_Result Write_Whole_File(const QString& path, QByteArrayView bytes)
{
    Atomic_File file(path);
    File_Write_Result result = file.Open();
    if (result.Ok())
        result = file.Write(bytes);
    if (result.Ok())
        result = file.Commit();
    return result;
}

} // namespace platform
