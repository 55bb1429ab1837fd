#include "platform/atomic_file_set.h"

#include "platform/temporary_names.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int NAME_ATTEMPTS = 100;

enum class Backup_Way {
    None,   // there was no file to keep
    Linked, // a second name of the replaced file; the target keeps it too
    Moved,  // the replaced file itself, moved aside
};

// A replaced file kept under a temporary name until its replacement is
// complete, locked against other processes' clearing while it is kept.
struct Backup {
    QByteArray Name;
    Backup_Way Way = Backup_Way::None;
    int Fd = -1;
};

// The errors by which link() tells that the file system has no hard links.
bool Links_Unsupported(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK;
}

// Moves target aside to a fresh name that nobody else holds; 0 or errno.
int Move_Aside(const QByteArray& target, const QByteArray& folder, Backup& backup)
{
    for (int attempt = 0; attempt < NAME_ATTEMPTS; ++attempt) {
        const QByteArray name = Temporary_Name(folder, Temporary_Kind::Backup);
        if (::renameat2(AT_FDCWD, target.constData(), AT_FDCWD, name.constData(),
                        RENAME_NOREPLACE) == 0) {
            backup.Name = name;
            backup.Way = Backup_Way::Moved;
            return 0;
        }
        if (errno == EEXIST)
            continue;
        if (errno != EINVAL && errno != ENOSYS)
            return errno;
        // No exclusive rename here: take the name with a file of our own
        // first, then move the target over it.
        const int placeholder =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (placeholder < 0) {
            if (errno == EEXIST)
                continue;
            return errno;
        }
        ::close(placeholder);
        if (::rename(target.constData(), name.constData()) != 0) {
            const int error = errno;
            ::unlink(name.constData());
            return error;
        }
        backup.Name = name;
        backup.Way = Backup_Way::Moved;
        return 0;
    }
    return EEXIST;
}

// Keeps the file at target as a backup in folder; 0 or errno.
int Keep_Backup(const QByteArray& target, const QByteArray& folder, Backup& backup)
{
    backup.Fd = ::open(target.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (backup.Fd >= 0)
        static_cast<void>(Lock_Temporary(backup.Fd));
    for (int attempt = 0; attempt < NAME_ATTEMPTS; ++attempt) {
        const QByteArray name = Temporary_Name(folder, Temporary_Kind::Backup);
        if (::link(target.constData(), name.constData()) == 0) {
            backup.Name = name;
            backup.Way = Backup_Way::Linked;
            return 0;
        }
        if (errno == EEXIST)
            continue;
        if (Links_Unsupported(errno))
            return Move_Aside(target, folder, backup);
        return errno;
    }
    return EEXIST;
}

// Puts the backup back at target, replacing whatever is there now. A backup
// that cannot be put back keeps its name: it may be the old file's only copy.
void Restore(const QByteArray& target, Backup& backup)
{
    if (backup.Way != Backup_Way::None && ::rename(backup.Name.constData(), target.constData()) == 0)
        backup.Way = Backup_Way::None;
}

// Lets go of the backup, keeping whatever it still names.
void Release(Backup& backup)
{
    if (backup.Fd >= 0)
        ::close(backup.Fd);
    backup = Backup();
}

// Removes the backup: its file is not needed any more.
void Remove(Backup& backup)
{
    if (backup.Way != Backup_Way::None)
        ::unlink(backup.Name.constData());
    Release(backup);
}

} // namespace

struct Atomic_File_Set::Placed {
    QByteArray Target;
    Backup Kept;
};

Atomic_File_Set::~Atomic_File_Set() = default;

Atomic_File& Atomic_File_Set::Add(const QString& path)
{
    files_.push_back(std::make_unique<Atomic_File>(path));
    files_.back()->check_at_open_ = false;
    return *files_.back();
}

File_Write_Result Atomic_File_Set::Commit()
{
    failed_path_.clear();
    for (const auto& file : files_) {
        const File_Write_Result allowed = file->Check_Target();
        if (!allowed.Ok()) {
            failed_path_ = file->Path();
            return allowed;
        }
    }
    for (const auto& file : files_) {
        const File_Write_Result sealed = file->Seal();
        if (!sealed.Ok()) {
            failed_path_ = file->Path();
            return sealed;
        }
    }

    std::vector<Placed> placed;
    for (const auto& file : files_) {
        Placed step{file->Target(), {}};
        struct stat old {};
        if (::lstat(step.Target.constData(), &old) == 0) {
            if (const int error = Keep_Backup(step.Target, file->folder_, step.Kept)) {
                Release(step.Kept);
                failed_path_ = file->Path();
                Take_Back(placed);
                return {File_Write_Step::Commit, error};
            }
        }
        const File_Write_Result put = file->Put_In_Place();
        if (!put.Ok()) {
            // The target is as it was, or its file was moved aside and goes
            // back now.
            if (step.Kept.Way == Backup_Way::Moved)
                Restore(step.Target, step.Kept);
            if (step.Kept.Way == Backup_Way::Linked)
                Remove(step.Kept);
            Release(step.Kept);
            failed_path_ = file->Path();
            Take_Back(placed);
            return put;
        }
        placed.push_back(std::move(step));
    }
    for (Placed& step : placed)
        Remove(step.Kept);
    return {};
}

void Atomic_File_Set::Take_Back(std::vector<Placed>& placed)
{
    for (auto step = placed.rbegin(); step != placed.rend(); ++step) {
        if (step->Kept.Way == Backup_Way::None)
            ::unlink(step->Target.constData());
        else
            Restore(step->Target, step->Kept);
        Release(step->Kept);
    }
    placed.clear();
}

File_Write_Result Write_Whole_Files(std::span<const File_Bytes> files, QString* failed_path)
{
    Atomic_File_Set set;
    for (const File_Bytes& file : files) {
        Atomic_File& member = set.Add(file.Path);
        File_Write_Result result = member.Open();
        if (result.Ok())
            result = member.Write(file.Bytes);
        if (!result.Ok()) {
            if (failed_path)
                *failed_path = file.Path;
            return result;
        }
    }
    const File_Write_Result result = set.Commit();
    if (!result.Ok() && failed_path)
        *failed_path = set.Failed_Path();
    return result;
}

} // namespace platform
