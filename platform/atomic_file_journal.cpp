#include "platform/atomic_file_journal.h"

#include <QByteArrayList>
#include <QSet>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr char HEADER[] = "merivane replacement journal 2";
constexpr char WRITER[] = "pid";
constexpr char FOOTER[] = "end";
constexpr char PLACED[] = "placed";
constexpr int COPY_CHUNK = 65536;
// A journal lists a handful of files; anything longer is none of ours.
constexpr qsizetype MAX_JOURNAL = 1 << 20;
constexpr mode_t ANY_ACCESS = 07777;

using Entry = Replacement_Journal::Entry;
using Outer = Replacement_Journal::Outer;

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

// Appends line to the journal fd and flushes it; 0 or the errno.
int Append(int fd, const QByteArray& line)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return errno;
    if (const int error = Write_All(fd, line.constData(), line.size(), info.st_size))
        return error;
    return ::fdatasync(fd) != 0 && errno != EINVAL ? errno : 0;
}

// The bytes of the open file fd, up to limit; nothing when it cannot be
// read or is longer.
std::optional<QByteArray> Read_All(int fd, qsizetype limit)
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
            return text;
        text.append(chunk.constData(), got);
        if (text.size() > limit)
            return std::nullopt;
    }
}

// Copies the regular file open as in (described by info) to the new file
// copy of the work folder with its permissions, and flushes it; 0 or the
// errno.
int Copy_File(int in, const struct stat& info, int work_fd, const QByteArray& copy)
{
    const int out = ::openat(work_fd, copy.constData(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (out < 0)
        return errno;
    int error = 0;
    QByteArray chunk(COPY_CHUNK, '\0');
    off_t at = 0;
    for (;;) {
        const ssize_t got = ::read(in, chunk.data(), static_cast<size_t>(chunk.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = errno;
        if (got <= 0 || (error = Write_All(out, chunk.constData(), got, at)) != 0)
            break;
        at += got;
    }
    if (!error && ::fchmod(out, info.st_mode & ANY_ACCESS) != 0)
        error = errno;
    if (!error && ::fsync(out) != 0 && errno != EINVAL)
        error = errno;
    ::close(out);
    if (error)
        ::unlinkat(work_fd, copy.constData(), 0);
    return error;
}

// Keeps the file or link target (described by info) under the name backup
// of the work folder; 0 or the errno. Nothing else is ever opened: a FIFO,
// a device or a socket is refused.
int Keep_Backup(const QByteArray& target, const struct stat& info, int work_fd,
                const QByteArray& backup)
{
    if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
        return EINVAL;
    if (::linkat(AT_FDCWD, target.constData(), work_fd, backup.constData(), 0) == 0)
        return 0;
    if (!Links_Unsupported(errno) || !S_ISREG(info.st_mode))
        return errno;
    const int in = ::open(target.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (in < 0)
        return errno;
    struct stat opened {};
    int error = ::fstat(in, &opened) != 0 ? errno : 0;
    // Only the very file that was looked at is copied.
    if (!error && (!S_ISREG(opened.st_mode) || opened.st_dev != info.st_dev ||
                   opened.st_ino != info.st_ino))
        error = EINVAL;
    if (!error)
        error = Copy_File(in, opened, work_fd, backup);
    ::close(in);
    return error;
}

QByteArray Backup_Name(const QByteArray& journal, std::size_t index)
{
    return journal + '.' + QByteArray::number(static_cast<qulonglong>(index));
}

QByteArray Name_Of(const QByteArray& target) { return target.mid(target.lastIndexOf('/') + 1); }

QByteArray Stamp_Text(const File_Stamp& stamp)
{
    return QByteArray::number(stamp.Device) + ' ' + QByteArray::number(stamp.Inode) + ' ' +
           QByteArray::number(stamp.Size) + ' ' + QByteArray::number(stamp.Seconds) + ' ' +
           QByteArray::number(stamp.Nanoseconds);
}

constexpr int STAMP_FIELDS = 5;

bool Read_Stamp(const QByteArrayList& fields, qsizetype at, File_Stamp& stamp)
{
    bool ok[STAMP_FIELDS] = {};
    stamp.Device = fields[at].toULongLong(&ok[0]);
    stamp.Inode = fields[at + 1].toULongLong(&ok[1]);
    stamp.Size = fields[at + 2].toLongLong(&ok[2]);
    stamp.Seconds = fields[at + 3].toLongLong(&ok[3]);
    stamp.Nanoseconds = fields[at + 4].toLongLong(&ok[4]);
    return ok[0] && ok[1] && ok[2] && ok[3] && ok[4];
}

QByteArray Journal_Text(const std::vector<Entry>& entries)
{
    QByteArray text = QByteArray(HEADER) + '\n' + WRITER + ' ' + QByteArray::number(::getpid()) + '\n';
    for (const Entry& entry : entries) {
        text += (entry.Had_File ? "1 " : "0 ") + Stamp_Text(entry.Original) + ' ' +
                Stamp_Text(entry.Kept) + ' ' + entry.Name.toPercentEncoding() + '\n';
    }
    return text + FOOTER + '\n';
}

QByteArray Placed_Line(std::size_t index, const File_Stamp& fresh)
{
    return QByteArray(PLACED) + ' ' + QByteArray::number(static_cast<qulonglong>(index)) + ' ' +
           Stamp_Text(fresh) + '\n';
}

struct Parsed_Journal {
    enum Kind {
        Foreign,   // not a journal of this writer's: left as it is
        Cut_Short, // its writer ended before it listed every target: none was touched
        Complete,
    } Kind = Foreign;
    qlonglong Writer = 0;
    std::vector<Entry> Entries;

    static Parsed_Journal Of(enum Kind kind)
    {
        Parsed_Journal parsed;
        parsed.Kind = kind;
        return parsed;
    }
};

// Reads a journal named journal; its backups are named after it.
Parsed_Journal Parse_Journal(const QByteArray& text, const QByteArray& journal)
{
    Parsed_Journal parsed;
    const QByteArray header = QByteArray(HEADER) + '\n';
    if (!text.startsWith(header))
        return Parsed_Journal::Of(header.startsWith(text) ? Parsed_Journal::Cut_Short
                                                          : Parsed_Journal::Foreign);
    QByteArrayList lines = text.mid(header.size()).split('\n');
    // The last line is cut off unless it ends in a line feed.
    lines.removeLast();
    parsed.Kind = Parsed_Journal::Cut_Short;
    if (lines.isEmpty())
        return parsed;
    const QByteArrayList writer = lines.takeFirst().split(' ');
    bool writer_ok = false;
    if (writer.size() == 2 && writer[0] == WRITER)
        parsed.Writer = writer[1].toLongLong(&writer_ok);
    if (!writer_ok)
        return Parsed_Journal::Of(Parsed_Journal::Foreign);
    constexpr qsizetype ENTRY_FIELDS = 2 + 2 * STAMP_FIELDS;
    bool listed = false;
    for (const QByteArray& line : lines) {
        const QByteArrayList fields = line.split(' ');
        if (!listed && line == FOOTER) {
            listed = true;
        } else if (!listed) {
            // "1" or "0" (the target held a file or not), its file, its
            // backup, its name.
            Entry entry;
            entry.Name = QByteArray::fromPercentEncoding(fields.value(ENTRY_FIELDS - 1));
            entry.Backup = Backup_Name(journal, parsed.Entries.size());
            entry.Had_File = fields[0] == "1";
            if (fields.size() != ENTRY_FIELDS || (fields[0] != "0" && fields[0] != "1") ||
                !Read_Stamp(fields, 1, entry.Original) ||
                !Read_Stamp(fields, 1 + STAMP_FIELDS, entry.Kept) || entry.Name.isEmpty() ||
                entry.Name.contains('/') || entry.Name == "." || entry.Name == "..")
                return Parsed_Journal::Of(Parsed_Journal::Foreign);
            parsed.Entries.push_back(entry);
        } else {
            // "placed", the index of the target, the file put there.
            bool index_ok = false;
            File_Stamp fresh;
            const qulonglong index =
                fields.size() == 2 + STAMP_FIELDS ? fields[1].toULongLong(&index_ok) : 0;
            if (fields[0] != PLACED || !index_ok || index >= parsed.Entries.size() ||
                !Read_Stamp(fields, 2, fresh))
                return Parsed_Journal::Of(Parsed_Journal::Foreign);
            parsed.Entries[index].Placed = true;
            parsed.Entries[index].Fresh = fresh;
        }
    }
    if (listed)
        parsed.Kind = Parsed_Journal::Complete;
    return parsed;
}

// The parsed journal name of the work folder, open as fd.
Parsed_Journal Read_Journal(int fd, const QByteArray& name)
{
    const std::optional<QByteArray> text = Read_All(fd, MAX_JOURNAL);
    return text ? Parse_Journal(*text, name) : Parsed_Journal{};
}

// The stamp of name in the folder dir_fd (the name itself, not where a link
// leads), when it is there.
std::optional<File_Stamp> Stamp_At(int dir_fd, const QByteArray& name, struct stat* info = nullptr)
{
    struct stat found {};
    if (::fstatat(dir_fd, name.constData(), &found, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    if (info)
        *info = found;
    return File_Stamp::Of(found);
}

// Removes the backup of entry when it is the one kept.
void Drop_Backup(int work_fd, const Entry& entry)
{
    if (!entry.Had_File)
        return;
    const std::optional<File_Stamp> kept = Stamp_At(work_fd, entry.Backup);
    if (kept && kept->Same_File(entry.Kept))
        ::unlinkat(work_fd, entry.Backup.constData(), 0);
}

// Puts entry's target back where it holds what the writer put there; false
// when that failed and may be tried again.
bool Undo_Entry(const QByteArray& folder, int work_fd, const Entry& entry)
{
    const QByteArray target = In_Folder(folder, entry.Name);
    struct stat info {};
    const std::optional<File_Stamp> now = Stamp_At(AT_FDCWD, target, &info);
    // A target that still holds its file (or its restored copy) is as it
    // was; one that holds anything but the writer's own file, unchanged,
    // was changed since by someone else and is left to them.
    const bool as_was = entry.Had_File && now &&
                        (now->Same_File(entry.Original) || now->Same_File(entry.Kept));
    const bool writers_own = entry.Placed && now && *now == entry.Fresh &&
                             S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
    if (as_was || !writers_own) {
        Drop_Backup(work_fd, entry);
        return true;
    }
    if (!entry.Had_File)
        return ::unlink(target.constData()) == 0 || errno == ENOENT;
    const std::optional<File_Stamp> kept = Stamp_At(work_fd, entry.Backup);
    // Without its own backup the old file cannot be had again.
    if (!kept || !kept->Same_File(entry.Kept))
        return true;
    return ::renameat(work_fd, entry.Backup.constData(), AT_FDCWD, target.constData()) == 0;
}

// Puts every target back as the entries record it; false when one could not
// be put back (its backup stays).
bool Undo(const QByteArray& folder, int work_fd, const std::vector<Entry>& entries)
{
    bool complete = true;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (!Undo_Entry(folder, work_fd, *entry))
            complete = false;
    }
    return complete;
}

// Opens the user's own regular file name of the work folder for reading
// (and writing), never following a link and never waiting; -1 otherwise.
int Open_Own_File(int work_fd, const QByteArray& name, int access)
{
    const int fd = ::openat(work_fd, name.constData(), access | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !Is_Own(info)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

QByteArrayList Names_In(int folder_fd)
{
    QByteArrayList names;
    const int listing = ::openat(folder_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return names;
    DIR* const dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return names;
    }
    while (const dirent* entry = ::readdir(dir))
        names.push_back(QByteArray(entry->d_name));
    ::closedir(dir);
    return names;
}

bool Same_File(int a, int b)
{
    struct stat first {};
    struct stat second {};
    return ::fstat(a, &first) == 0 && ::fstat(b, &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

// The journals of this process, other than own, that its writers hold in
// the work folder work_fd, open for writing, added to outers.
void Add_Outer_Journals(int work_fd, int own, std::vector<Outer>& outers)
{
    for (const QByteArray& name : Names_In(work_fd)) {
        if (!Is_Journal_Name(name))
            continue;
        const int fd = Open_Own_File(work_fd, name, O_RDWR);
        if (fd < 0)
            continue;
        if (Same_File(fd, own)) {
            ::close(fd);
            continue;
        }
        const Parsed_Journal parsed =
            Lock_Temporary(fd) ? Parsed_Journal{} : Read_Journal(fd, name);
        if (parsed.Kind != Parsed_Journal::Complete || parsed.Writer != ::getpid()) {
            ::close(fd);
            continue;
        }
        Outer outer{fd, {}};
        for (const Entry& entry : parsed.Entries)
            outer.Names.push_back(entry.Name);
        outers.push_back(outer);
    }
}

// The journals of this process, other than own, in every work folder of the
// user's in folder: a writer nested in another finds the outer one's
// journal whether both work in the folder of the user's name or, where that
// name is taken, each in one of a fresh name.
std::vector<Outer> Outer_Journals(const QByteArray& folder, int own)
{
    std::vector<Outer> outers;
    const int folder_fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_fd < 0)
        return outers;
    for (const QByteArray& name : Names_In(folder_fd)) {
        if (!Is_Own_Work_Folder_Name(name))
            continue;
        const int work_fd = ::openat(folder_fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        struct stat info {};
        if (work_fd >= 0 && ::fstat(work_fd, &info) == 0 && Is_Own(info))
            Add_Outer_Journals(work_fd, own, outers);
        if (work_fd >= 0)
            ::close(work_fd);
    }
    ::close(folder_fd);
    return outers;
}

} // namespace

File_Stamp File_Stamp::Of(const struct stat& info)
{
    return {static_cast<qulonglong>(info.st_dev), static_cast<qulonglong>(info.st_ino),
            static_cast<qlonglong>(info.st_size), static_cast<qlonglong>(info.st_mtim.tv_sec),
            static_cast<qlonglong>(info.st_mtim.tv_nsec)};
}

Replacement_Journal::Replacement_Journal() = default;

Replacement_Journal::~Replacement_Journal() { Take_Back(); }

File_Write_Result Replacement_Journal::Begin(const QByteArray& folder,
                                             const std::vector<QByteArray>& targets,
                                             qsizetype* failed)
{
    Take_Back();
    folder_ = folder;
    *failed = 0;
    Recover_Folder(folder);
    if (const int error = work_.Open(folder))
        return {File_Write_Step::Open, error};
    fd_ = work_.Create(Temporary_Kind::Journal, S_IRUSR | S_IWUSR, name_);
    if (fd_ < 0) {
        const int error = errno;
        work_.Close();
        return {File_Write_Step::Open, error};
    }
    for (const QByteArray& target : targets) {
        *failed = static_cast<qsizetype>(entries_.size());
        Entry entry;
        entry.Name = Name_Of(target);
        entry.Backup = Backup_Name(name_, entries_.size());
        struct stat info {};
        int error = ::lstat(target.constData(), &info) == 0 ? 0 : errno;
        if (!error) {
            entry.Had_File = true;
            entry.Original = File_Stamp::Of(info);
            error = Keep_Backup(target, info, work_.Fd(), entry.Backup);
            if (!error) {
                const std::optional<File_Stamp> kept = Stamp_At(work_.Fd(), entry.Backup);
                error = kept ? 0 : errno;
                entry.Kept = kept.value_or(File_Stamp{});
            }
        } else if (error == ENOENT) {
            error = 0;
        }
        if (error) {
            End(true);
            return {error == EINVAL ? File_Write_Step::Not_Writable : File_Write_Step::Commit, error};
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
    outers_ = Outer_Journals(folder_, fd_);
    return {};
}

File_Write_Result Replacement_Journal::Placing(const QByteArray& target, const struct stat& fresh)
{
    const File_Stamp stamp = File_Stamp::Of(fresh);
    const QByteArray name = Name_Of(target);
    if (Folder_Of(target) != folder_)
        return {};
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].Name != name)
            continue;
        if (const int error = Append(fd_, Placed_Line(i, stamp)))
            return {File_Write_Step::Commit, error};
        entries_[i].Placed = true;
        entries_[i].Fresh = stamp;
    }
    for (const Outer& outer : outers_) {
        for (std::size_t i = 0; i < outer.Names.size(); ++i) {
            if (outer.Names[i] != name)
                continue;
            if (const int error = Append(outer.Fd, Placed_Line(i, stamp)))
                return {File_Write_Step::Commit, error};
        }
    }
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
    if (!recorded_) {
        End(true);
        return;
    }
    // The journal on the disk also knows the files that writers nested in
    // this one put in place.
    Parsed_Journal parsed;
    if (::lseek(fd_, 0, SEEK_SET) == 0)
        parsed = Read_Journal(fd_, name_);
    const std::vector<Entry>& entries =
        parsed.Kind == Parsed_Journal::Complete ? parsed.Entries : entries_;
    // What cannot be put back stays for the user's next writer in the folder.
    End(Undo(folder_, work_.Fd(), entries));
}

void Replacement_Journal::End(bool remove_backups)
{
    if (remove_backups) {
        // The journal goes first: from then on the targets keep what they hold.
        ::unlinkat(work_.Fd(), name_.constData(), 0);
        for (const Entry& entry : entries_)
            ::unlinkat(work_.Fd(), entry.Backup.constData(), 0);
    }
    for (const Outer& outer : outers_)
        ::close(outer.Fd);
    outers_.clear();
    ::close(fd_); // lets go of the lock
    fd_ = -1;
    entries_.clear();
    recorded_ = false;
    work_.Close();
}

void Recover_Folder(const QByteArray& folder)
{
    Work_Folder work;
    if (!work.Open_Existing(folder))
        return;
    const Work_Folder_Lock lock(work, true);
    if (!lock.Held())
        return;
    const QByteArrayList names = Names_In(work.Fd());

    // Journals first: a journal that stays keeps its backups. One that
    // cannot be opened or read, that a writer holds, that is not of this
    // writer's making or that cannot be taken back whole stays.
    QSet<QByteArray> staying;
    for (const QByteArray& name : names) {
        if (!Is_Journal_Name(name))
            continue;
        const int fd = Open_Own_File(work.Fd(), name, O_RDONLY);
        bool gone = false;
        if (fd >= 0 && Lock_Temporary(fd)) {
            const Parsed_Journal parsed = Read_Journal(fd, name);
            const bool undone =
                parsed.Kind == Parsed_Journal::Cut_Short ||
                (parsed.Kind == Parsed_Journal::Complete && Undo(folder, work.Fd(), parsed.Entries));
            gone = undone && (::unlinkat(work.Fd(), name.constData(), 0) == 0 || errno == ENOENT);
        }
        if (fd >= 0)
            ::close(fd);
        if (!gone)
            staying.insert(name);
    }
    // Then the user's own backups and fresh files no writer holds.
    for (const QByteArray& name : names) {
        QByteArray journal;
        struct stat info {};
        if (::fstatat(work.Fd(), name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !Is_Own(info))
            continue;
        if (Is_Backup_Name(name, journal)) {
            if (!staying.contains(journal) && (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)))
                ::unlinkat(work.Fd(), name.constData(), 0);
        } else if (Is_Fresh_Name(name)) {
            const int fd = Open_Own_File(work.Fd(), name, O_RDONLY);
            if (fd < 0)
                continue;
            if (Lock_Temporary(fd))
                ::unlinkat(work.Fd(), name.constData(), 0);
            ::close(fd);
        }
    }
}

} // namespace platform
