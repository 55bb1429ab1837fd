#include "platform/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int NAME_ATTEMPTS = 100;

// target + "." + six random letters and digits.
QByteArray Temporary_Name(const QByteArray& target)
{
    static constexpr char LETTERS[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name = target + '.';
    for (int i = 0; i < 6; ++i)
        name += LETTERS[QRandomGenerator::global()->bounded(int(sizeof(LETTERS) - 1))];
    return name;
}

// The file a write to path lands in: a link's target, else path itself.
QByteArray Native_Target(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink() && info.exists())
        return QFile::encodeName(info.canonicalFilePath());
    return QFile::encodeName(path);
}

} // namespace

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

Atomic_File::Atomic_File(const QString& path) : path_(path) {}

Atomic_File::~Atomic_File() { Discard(); }

File_Write_Result Atomic_File::Open()
{
    Discard();
    if (path_.isEmpty())
        return Fail(File_Write_Step::Open, ENOENT);
    target_ = Native_Target(path_);
    struct stat old {};
    const bool exists = ::stat(target_.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return Fail(File_Write_Step::Not_Writable, EISDIR);
    // A read-only file is refused rather than replaced behind its back.
    if (exists && ::access(target_.constData(), W_OK) != 0)
        return Fail(File_Write_Step::Not_Writable, errno);
    for (int attempt = 0; attempt < NAME_ATTEMPTS; ++attempt) {
        const QByteArray name = Temporary_Name(target_);
        fd_ = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            temporary_ = name;
            break;
        }
        if (errno != EEXIST)
            return Fail(File_Write_Step::Open, errno);
    }
    if (fd_ < 0)
        return Fail(File_Write_Step::Open, EEXIST);
    // The replacement keeps the old file's permissions.
    if (exists)
        static_cast<void>(::fchmod(fd_, old.st_mode & 07777));
    return {};
}

File_Write_Result Atomic_File::Write(QByteArrayView bytes)
{
    if (fd_ < 0)
        return Fail(File_Write_Step::Write, EBADF);
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return Fail(File_Write_Step::Write, errno);
        }
        data += written;
        left -= written;
    }
    return {};
}

File_Write_Result Atomic_File::Commit()
{
    if (fd_ < 0)
        return Fail(File_Write_Step::Commit, EBADF);
    // Some file systems report a full disk only when the data are flushed.
    if (::fsync(fd_) != 0 && errno != EINVAL)
        return Fail(File_Write_Step::Write, errno);
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0 && errno != EINTR)
        return Fail(File_Write_Step::Write, errno);
    if (::rename(temporary_.constData(), target_.constData()) != 0)
        return Fail(File_Write_Step::Commit, errno);
    temporary_.clear();
    return {};
}

File_Write_Result Atomic_File::Fail(File_Write_Step step, int error)
{
    Discard();
    return {step, error};
}

void Atomic_File::Discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty())
        ::unlink(temporary_.constData());
    temporary_.clear();
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
