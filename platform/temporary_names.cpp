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

constexpr char WORK_FOLDER[] = ".mrv-work";
constexpr char FRESH_PREFIX[] = "n-";
constexpr char JOURNAL_PREFIX[] = "j-";
constexpr int PREFIX_LENGTH = 2;
constexpr int RANDOM_LENGTH = 10;
constexpr int NAME_ATTEMPTS = 100;
constexpr char LETTERS[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr mode_t PERMISSION_BITS = 07777;

bool Is_Name_Letter(char c) { return c != '\0' && std::strchr(LETTERS, c) != nullptr; }

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

QByteArray In_Folder(const QByteArray& folder, const char* name)
{
    QByteArray path = folder;
    if (!path.endsWith('/'))
        path += '/';
    return path + name;
}

} // namespace

QByteArray Folder_Of(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

QByteArray Work_Folder(const QByteArray& folder) { return In_Folder(folder, WORK_FOLDER); }

QByteArray Temporary_Name(const QByteArray& folder, Temporary_Kind kind)
{
    QByteArray name = Work_Folder(folder) + '/';
    name += kind == Temporary_Kind::Fresh ? FRESH_PREFIX : JOURNAL_PREFIX;
    for (int i = 0; i < RANDOM_LENGTH; ++i)
        name += LETTERS[QRandomGenerator::system()->bounded(int(sizeof(LETTERS) - 1))];
    return name;
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

int Make_Work_Folder(const QByteArray& folder)
{
    const QByteArray work = Work_Folder(folder);
    if (::mkdir(work.constData(), S_IRWXU) == 0) {
        // Whoever may write into the folder may also leave files in its work
        // folder and clear them.
        struct stat info {};
        if (::stat(folder.constData(), &info) == 0)
            static_cast<void>(::chmod(work.constData(), info.st_mode & PERMISSION_BITS));
        return 0;
    }
    if (errno != EEXIST)
        return errno;
    struct stat info {};
    if (::stat(work.constData(), &info) != 0)
        return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

void Remove_Work_Folder(const QByteArray& folder)
{
    static_cast<void>(::rmdir(Work_Folder(folder).constData()));
}

int Create_Temporary(const QByteArray& folder, Temporary_Kind kind, mode_t mode, QByteArray& name)
{
    for (int attempt = 0; attempt < NAME_ATTEMPTS; ++attempt) {
        if (const int error = Make_Work_Folder(folder)) {
            errno = error;
            return -1;
        }
        const Work_Folder_Lock lock(folder, false);
        // ENOENT: another writer removed the work folder since it was made.
        if (lock.Fd() < 0) {
            if (errno == ENOENT)
                continue;
            return -1;
        }
        const QByteArray candidate = Temporary_Name(folder, kind);
        const QByteArray base = candidate.mid(candidate.lastIndexOf('/') + 1);
        const int fd = ::openat(lock.Fd(), base.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            static_cast<void>(Lock_Temporary(fd));
            name = candidate;
            return fd;
        }
        if (errno != EEXIST && errno != ENOENT)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

bool Lock_Temporary(int fd)
{
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

Work_Folder_Lock::Work_Folder_Lock(const QByteArray& folder, bool exclusive)
{
    fd_ = ::open(Work_Folder(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    const int operation = exclusive ? LOCK_EX | LOCK_NB : LOCK_SH;
    int result = 0;
    while ((result = ::flock(fd_, operation)) != 0 && errno == EINTR) {
    }
    held_ = result == 0;
}

Work_Folder_Lock::~Work_Folder_Lock()
{
    if (fd_ >= 0)
        ::close(fd_); // lets go of the lock
}

} // namespace platform
