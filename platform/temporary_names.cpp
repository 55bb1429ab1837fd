#include "platform/temporary_names.h"

#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr char WORK_FOLDER_PREFIX[] = ".mrv-work-";
constexpr char FRESH_PREFIX[] = "n-";
constexpr char JOURNAL_PREFIX[] = "j-";
constexpr int PREFIX_LENGTH = 2;
constexpr int RANDOM_LENGTH = 10;
// Enough for any number of writers racing for names and for the work
// folder, which another writer may remove the moment it is empty.
constexpr int ATTEMPTS = 100;
constexpr char LETTERS[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr mode_t WORK_FOLDER_MODE = S_IRWXU;
constexpr mode_t OTHERS_WRITE = S_IWGRP | S_IWOTH;

bool Is_Name_Letter(char c) { return c != '\0' && std::strchr(LETTERS, c) != nullptr; }

QByteArray Random_Letters()
{
    QByteArray letters;
    for (int i = 0; i < RANDOM_LENGTH; ++i)
        letters += LETTERS[QRandomGenerator::system()->bounded(int(sizeof(LETTERS) - 1))];
    return letters;
}

// Whether name is prefix followed by exactly the random letters.
bool Has_Shape(const QByteArray& name, const char* prefix)
{
    if (name.size() != PREFIX_LENGTH + RANDOM_LENGTH || !name.startsWith(prefix))
        return false;
    for (qsizetype i = PREFIX_LENGTH; i < name.size(); ++i) {
        if (!Is_Name_Letter(name[i]))
            return false;
    }
    return true;
}

QByteArray Own_Name() { return WORK_FOLDER_PREFIX + QByteArray::number(::geteuid()); }

// Opens the folder at path if it is a real folder of the user's own, taking
// back the write permission of others should it have them; -1 with errno
// otherwise (ENOTDIR or ELOOP for something else, EPERM for another's).
int Open_Own_Folder(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_uid != ::geteuid()) {
        ::close(fd);
        errno = EPERM;
        return -1;
    }
    if ((info.st_mode & OTHERS_WRITE) != 0 && ::fchmod(fd, info.st_mode & 07777 & ~OTHERS_WRITE) != 0) {
        ::close(fd);
        errno = EPERM;
        return -1;
    }
    return fd;
}

bool Lock(int fd, int operation)
{
    int result = 0;
    while ((result = ::flock(fd, operation)) != 0 && errno == EINTR) {
    }
    return result == 0;
}

} // namespace

QByteArray In_Folder(const QByteArray& folder, const QByteArray& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QByteArray Folder_Of(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

QByteArray Work_Folder_Name(const QByteArray& folder) { return In_Folder(folder, Own_Name()); }

bool Is_Own_Work_Folder_Name(const QByteArray& name)
{
    const QByteArray own = Own_Name();
    if (name == own)
        return true;
    if (name.size() != own.size() + 1 + RANDOM_LENGTH || !name.startsWith(own + '-'))
        return false;
    for (qsizetype i = own.size() + 1; i < name.size(); ++i) {
        if (!Is_Name_Letter(name[i]))
            return false;
    }
    return true;
}

bool Is_Fresh_Name(const QByteArray& name) { return Has_Shape(name, FRESH_PREFIX); }

bool Is_Journal_Name(const QByteArray& name) { return Has_Shape(name, JOURNAL_PREFIX); }

bool Is_Backup_Name(const QByteArray& name, QByteArray& journal)
{
    const qsizetype dot = name.indexOf('.');
    if (dot < 0 || dot + 1 == name.size() || !Is_Journal_Name(name.left(dot)))
        return false;
    for (qsizetype i = dot + 1; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9')
            return false;
    }
    journal = name.left(dot);
    return true;
}

bool Is_Own(const struct stat& info)
{
    if (info.st_uid != ::geteuid())
        return false;
    return !S_ISDIR(info.st_mode) || (info.st_mode & OTHERS_WRITE) == 0;
}

bool Lock_Temporary(int fd) { return Lock(fd, LOCK_EX | LOCK_NB); }

Work_Folder::~Work_Folder() { Close(); }

int Work_Folder::Open(const QByteArray& folder)
{
    Close();
    parent_ = folder;
    for (int attempt = 0; attempt < ATTEMPTS; ++attempt) {
        if (::mkdir(Work_Folder_Name(folder).constData(), WORK_FOLDER_MODE) != 0 && errno != EEXIST)
            return errno;
        if (Open_Existing(folder))
            return 0;
        // ENOENT: another writer removed it the moment it was empty.
        if (errno != ENOENT)
            break;
    }
    // Not the user's own: a folder of a fresh name serves this writer alone.
    for (int attempt = 0; attempt < ATTEMPTS; ++attempt) {
        const QByteArray name = Own_Name() + '-' + Random_Letters();
        const QByteArray path = In_Folder(folder, name);
        if (::mkdir(path.constData(), WORK_FOLDER_MODE) != 0) {
            if (errno == EEXIST)
                continue;
            return errno;
        }
        fd_ = Open_Own_Folder(path);
        if (fd_ < 0)
            return errno;
        name_ = name;
        return 0;
    }
    return EEXIST;
}

bool Work_Folder::Open_Existing(const QByteArray& folder)
{
    Close();
    parent_ = folder;
    fd_ = Open_Own_Folder(Work_Folder_Name(folder));
    if (fd_ < 0)
        return false;
    name_ = Own_Name();
    return true;
}

bool Work_Folder::Reopen_If_Gone(int error)
{
    // ENOENT from a folder that has no name any more: another writer removed
    // it the moment it was empty.
    struct stat info {};
    if (error != ENOENT || ::fstat(fd_, &info) != 0 || info.st_nlink != 0)
        return false;
    const QByteArray folder = parent_;
    return Open(folder) == 0;
}

int Work_Folder::Create(Temporary_Kind kind, mode_t mode, QByteArray& name)
{
    for (int attempt = 0; attempt < ATTEMPTS; ++attempt) {
        const Work_Folder_Lock lock(*this, false);
        const QByteArray candidate =
            (kind == Temporary_Kind::Fresh ? FRESH_PREFIX : JOURNAL_PREFIX) + Random_Letters();
        const int fd =
            ::openat(fd_, candidate.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            static_cast<void>(Lock_Temporary(fd));
            name = candidate;
            return fd;
        }
        if (errno != EEXIST && !Reopen_If_Gone(errno))
            return -1;
    }
    errno = EEXIST;
    return -1;
}

bool Work_Folder::Link(int fd, QByteArray& name)
{
    const QByteArray self = QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(fd);
    for (int attempt = 0; attempt < ATTEMPTS; ++attempt) {
        const QByteArray candidate = FRESH_PREFIX + Random_Letters();
        if (::linkat(AT_FDCWD, self.constData(), fd_, candidate.constData(), AT_SYMLINK_FOLLOW) == 0) {
            name = candidate;
            return true;
        }
        if (errno == EEXIST || Reopen_If_Gone(errno))
            continue;
        // Without /proc the file can be linked by itself, given the privilege.
        const int error = errno;
        if (::linkat(fd, "", fd_, candidate.constData(), AT_EMPTY_PATH) == 0) {
            name = candidate;
            return true;
        }
        if (errno != EEXIST && !Reopen_If_Gone(errno)) {
            errno = error;
            return false;
        }
    }
    errno = EEXIST;
    return false;
}

void Work_Folder::Close()
{
    if (fd_ < 0)
        return;
    // Removed only while no writer is creating in it and only while its name
    // still leads to it; a folder that still holds anything stays.
    const QByteArray path = In_Folder(parent_, name_);
    struct stat open {};
    struct stat named {};
    {
        const Work_Folder_Lock lock(*this, true);
        if (lock.Held() && ::fstat(fd_, &open) == 0 && ::lstat(path.constData(), &named) == 0 &&
            open.st_dev == named.st_dev && open.st_ino == named.st_ino)
            static_cast<void>(::rmdir(path.constData()));
    }
    ::close(fd_);
    fd_ = -1;
}

Work_Folder_Lock::Work_Folder_Lock(const Work_Folder& folder, bool exclusive)
{
    fd_ = folder.Is_Open() ? ::openat(folder.Fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    if (fd_ >= 0)
        held_ = Lock(fd_, exclusive ? LOCK_EX | LOCK_NB : LOCK_SH);
}

Work_Folder_Lock::~Work_Folder_Lock()
{
    if (fd_ >= 0)
        ::close(fd_); // lets go of the lock
}

} // namespace platform
