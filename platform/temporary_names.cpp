#include "platform/temporary_names.h"

#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr char PREFIX[] = ".mrv-";
constexpr int PREFIX_LENGTH = sizeof(PREFIX) - 1;
constexpr int RANDOM_LENGTH = 10;
constexpr char LETTERS[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

constexpr char FRESH_LETTER = 'n';
constexpr char BACKUP_LETTER = 'b';

char Kind_Letter(Temporary_Kind kind)
{
    return kind == Temporary_Kind::Fresh ? FRESH_LETTER : BACKUP_LETTER;
}

bool Is_Name_Letter(char c)
{
    return c != '\0' && std::strchr(LETTERS, c) != nullptr;
}

// The kind letter of a temporary's name, or 0 for any other name.
char Temporary_Letter(const char* name)
{
    if (std::strlen(name) != PREFIX_LENGTH + 2 + RANDOM_LENGTH ||
        std::strncmp(name, PREFIX, PREFIX_LENGTH) != 0)
        return 0;
    const char letter = name[PREFIX_LENGTH];
    if ((letter != FRESH_LETTER && letter != BACKUP_LETTER) || name[PREFIX_LENGTH + 1] != '-')
        return 0;
    for (int i = PREFIX_LENGTH + 2; name[i] != '\0'; ++i) {
        if (!Is_Name_Letter(name[i]))
            return 0;
    }
    return letter;
}

} // namespace

QByteArray Temporary_Name(const QByteArray& folder, Temporary_Kind kind)
{
    QByteArray name = folder;
    if (!name.endsWith('/'))
        name += '/';
    name += PREFIX;
    name += Kind_Letter(kind);
    name += '-';
    for (int i = 0; i < RANDOM_LENGTH; ++i)
        name += LETTERS[QRandomGenerator::system()->bounded(int(sizeof(LETTERS) - 1))];
    return name;
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

bool Lock_Temporary(int fd)
{
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

void Clear_Stale_Temporaries(const QByteArray& folder)
{
    DIR* const dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const int dir_fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const char letter = Temporary_Letter(entry->d_name);
        if (letter == 0)
            continue;
        const int fd =
            ::openat(dir_fd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        // A file nobody holds is stale; one whose holder cannot be told is left.
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && Lock_Temporary(fd) &&
            (letter == FRESH_LETTER || info.st_nlink >= 2))
            ::unlinkat(dir_fd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

} // namespace platform
