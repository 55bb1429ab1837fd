#include "platform/atomic_file_journal.h"

#include "platform/temporary_names.h"

#include <QByteArrayList>
#include <QSet>

#include <cerrno>
#include <optional>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr char HEADER[] = "merivane replacement journal 1";
constexpr char FOOTER[] = "end";
constexpr int COPY_CHUNK = 65536;

using Entry = Replacement_Journal::Entry;

// The errors by which link() tells that the file system or the file allows
// no second name.
bool Links_Unsupported(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK;
}

int Write_All(int fd, const char* data, qsizetype size, off_t at)
{
    while (size > 0) {
        const ssize_t written = ::pwrite(fd, data, static_cast<size_t>(size), at);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        size -= written;
        at += written;
    }
    return 0;
}

// Copies the file source to the new file copy with its permissions and
// flushes it; 0 or the errno.
int Copy_File(const QByteArray& source, const QByteArray& copy)
{
    const int in = ::open(source.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return errno;
    struct stat info {};
    int error = ::fstat(in, &info) == 0 ? 0 : errno;
    const int out = error ? -1
                          : ::open(copy.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                   S_IRUSR | S_IWUSR);
    if (!error && out < 0)
        error = errno;
    QByteArray chunk(COPY_CHUNK, '\0');
    off_t at = 0;
    while (!error) {
        const ssize_t got = ::read(in, chunk.data(), static_cast<size_t>(chunk.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = errno;
        if (got <= 0)
            break;
        error = Write_All(out, chunk.constData(), got, at);
        at += got;
    }
    if (!error && ::fchmod(out, info.st_mode & 07777) != 0)
        error = errno;
    if (!error && ::fsync(out) != 0 && errno != EINVAL)
        error = errno;
    if (out >= 0)
        ::close(out);
    ::close(in);
    if (error && out >= 0)
        ::unlink(copy.constData());
    return error;
}

// Keeps the file target under the name backup; 0 or the errno.
int Keep_Backup(const QByteArray& target, const QByteArray& backup)
{
    if (::link(target.constData(), backup.constData()) == 0)
        return 0;
    return Links_Unsupported(errno) ? Copy_File(target, backup) : errno;
}

QByteArray Backup_Name(const QByteArray& journal, std::size_t index)
{
    return journal + '.' + QByteArray::number(static_cast<qulonglong>(index));
}

QByteArray In_Folder(const QByteArray& folder, const QByteArray& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QByteArray Journal_Text(const std::vector<Entry>& entries)
{
    QByteArray text = QByteArray(HEADER) + '\n';
    for (const Entry& entry : entries) {
        const QByteArray name = entry.Target.mid(entry.Target.lastIndexOf('/') + 1);
        text += (entry.Had_File ? "1 " : "0 ") + QByteArray::number(entry.Device) + ' ' +
                QByteArray::number(entry.Inode) + ' ' + name.toPercentEncoding() + '\n';
    }
    return text + FOOTER + '\n';
}

// The entries of a complete journal of folder; nothing when it was cut off
// before it was complete (then no target was touched yet).
std::optional<std::vector<Entry>> Read_Journal(int fd, const QByteArray& folder,
                                               const QByteArray& journal)
{
    QByteArray text;
    QByteArray chunk(COPY_CHUNK, '\0');
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), static_cast<size_t>(chunk.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        text.append(chunk.constData(), got);
    }
    QByteArrayList lines = text.split('\n');
    if (lines.size() < 3 || lines.takeFirst() != HEADER || lines.takeLast() != QByteArray() ||
        lines.takeLast() != FOOTER)
        return std::nullopt;
    std::vector<Entry> entries;
    for (const QByteArray& line : lines) {
        // "1" or "0" (the target held a file or not), its device and inode,
        // its name.
        const QByteArrayList fields = line.split(' ');
        bool device_ok = false;
        bool inode_ok = false;
        if (fields.size() != 4 || (fields[0] != "0" && fields[0] != "1"))
            return std::nullopt;
        Entry entry{{}, Backup_Name(journal, entries.size()), fields[0] == "1",
                    fields[1].toULongLong(&device_ok), fields[2].toULongLong(&inode_ok)};
        const QByteArray name = QByteArray::fromPercentEncoding(fields[3]);
        if (!device_ok || !inode_ok || name.isEmpty() || name.contains('/'))
            return std::nullopt;
        entry.Target = In_Folder(folder, name);
        entries.push_back(entry);
    }
    return entries;
}

// Puts every target back as the entries record it; false when one could not
// be put back (its backup stays).
bool Undo(const std::vector<Entry>& entries)
{
    bool complete = true;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (!entry->Had_File) {
            if (::unlink(entry->Target.constData()) != 0 && errno != ENOENT)
                complete = false;
            continue;
        }
        struct stat kept {};
        if (::lstat(entry->Backup.constData(), &kept) != 0)
            continue; // put back already
        // A target that still holds its file is as it was (also where that
        // file cannot be replaced, and its backup is a copy).
        struct stat now {};
        if (::lstat(entry->Target.constData(), &now) == 0 && now.st_dev == entry->Device &&
            now.st_ino == entry->Inode) {
            ::unlink(entry->Backup.constData());
            continue;
        }
        if (::rename(entry->Backup.constData(), entry->Target.constData()) == 0)
            ::unlink(entry->Backup.constData());
        else
            complete = false;
    }
    return complete;
}

// Takes back the unheld journal name of folder's work folder, open as fd;
// true when it is gone afterwards.
bool Recover_Journal(const QByteArray& folder, int work_fd, const QByteArray& name, int fd)
{
    const QByteArray journal = In_Folder(Work_Folder(folder), name);
    const std::optional<std::vector<Entry>> entries = Read_Journal(fd, folder, journal);
    if (entries && !Undo(*entries))
        return false;
    return ::unlinkat(work_fd, name.constData(), 0) == 0 || errno == ENOENT;
}

} // namespace

Replacement_Journal::~Replacement_Journal() { Take_Back(); }

File_Write_Result Replacement_Journal::Begin(const QByteArray& folder,
                                             const std::vector<QByteArray>& targets,
                                             qsizetype* failed)
{
    Take_Back();
    folder_ = folder;
    *failed = 0;
    Recover_Folder(folder);
    fd_ = Create_Temporary(folder, Temporary_Kind::Journal, S_IRUSR | S_IWUSR, name_);
    if (fd_ < 0)
        return {File_Write_Step::Open, errno};
    for (const QByteArray& target : targets) {
        *failed = static_cast<qsizetype>(entries_.size());
        Entry entry{target, Backup_Name(name_, entries_.size()), false};
        struct stat info {};
        int error = ::lstat(target.constData(), &info) == 0 ? 0 : errno;
        if (!error) {
            entry.Had_File = true;
            entry.Device = info.st_dev;
            entry.Inode = info.st_ino;
            error = Keep_Backup(target, entry.Backup);
        } else if (error == ENOENT) {
            error = 0;
        }
        if (error) {
            End(true);
            return {File_Write_Step::Commit, error};
        }
        entries_.push_back(entry);
    }
    const QByteArray text = Journal_Text(entries_);
    int error = Write_All(fd_, text.constData(), text.size(), 0);
    if (!error && ::fdatasync(fd_) != 0 && errno != EINVAL)
        error = errno;
    if (error) {
        End(true);
        return {File_Write_Step::Write, error};
    }
    recorded_ = true;
    return {};
}

void Replacement_Journal::Keep()
{
    if (fd_ >= 0)
        End(true);
}

void Replacement_Journal::Take_Back()
{
    if (fd_ < 0)
        return;
    // What cannot be put back stays for the next writer in the folder.
    End(!recorded_ || Undo(entries_));
}

void Replacement_Journal::End(bool remove_backups)
{
    if (remove_backups) {
        // The journal goes first: from then on the targets keep what they hold.
        ::unlink(name_.constData());
        for (const Entry& entry : entries_)
            ::unlink(entry.Backup.constData());
    }
    ::close(fd_); // lets go of the lock
    fd_ = -1;
    entries_.clear();
    recorded_ = false;
    Remove_Work_Folder(folder_);
}

void Recover_Folder(const QByteArray& folder)
{
    const Work_Folder_Lock lock(folder, true);
    if (!lock.Held())
        return;
    QList<QByteArray> names;
    if (const int listing = ::dup(lock.Fd()); listing >= 0) {
        DIR* const dir = ::fdopendir(listing);
        if (!dir) {
            ::close(listing);
            return;
        }
        while (const dirent* entry = ::readdir(dir))
            names.push_back(QByteArray(entry->d_name));
        ::closedir(dir);
    }

    // Journals first: a journal that stays keeps its backups.
    QSet<QByteArray> staying;
    for (const QByteArray& name : names) {
        if (!Is_Journal_Name(name))
            continue;
        const int fd = ::openat(lock.Fd(), name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (!Lock_Temporary(fd) || !Recover_Journal(folder, lock.Fd(), name, fd))
            staying.insert(name);
        ::close(fd);
    }
    for (const QByteArray& name : names) {
        QByteArray journal;
        if (Is_Backup_Name(name, journal)) {
            if (!staying.contains(journal))
                ::unlinkat(lock.Fd(), name.constData(), 0);
        } else if (Is_Fresh_Name(name)) {
            const int fd =
                ::openat(lock.Fd(), name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0)
                continue;
            if (Lock_Temporary(fd))
                ::unlinkat(lock.Fd(), name.constData(), 0);
            ::close(fd);
        }
    }
    Remove_Work_Folder(folder);
}

} // namespace platform
