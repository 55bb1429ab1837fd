// What the next writer in a folder does with what a killed writer left: it
// takes back only its own user's replacements, only where the targets still
// hold the files the killed writer put there, and never acts on anything
// planted in the folder or in its work folder.
#include "platform/atomic_file_set.h"
#include "platform/temporary_names.h"
#include "support/folder_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Set, the system refuses unnamed files, as some file systems do.
bool g_refuse_unnamed = false;

template <typename Function>
Function Next(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

int Open_Unless_Refused(const char* name, const char* path, int flags, va_list rest)
{
    if (g_refuse_unnamed && (flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    const mode_t mode = (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(rest, mode_t) : 0;
    static const auto open_next = Next<int (*)(const char*, int, ...)>("open");
    static const auto open64_next = Next<int (*)(const char*, int, ...)>("open64");
    return (name[4] == '6' ? open64_next : open_next)(path, flags, mode);
}

} // namespace

extern "C" {
int open(const char* path, int flags, ...)
{
    va_list rest;
    va_start(rest, flags);
    const int fd = Open_Unless_Refused("open", path, flags, rest);
    va_end(rest);
    return fd;
}
int open64(const char* path, int flags, ...)
{
    va_list rest;
    va_start(rest, flags);
    const int fd = Open_Unless_Refused("open64", path, flags, rest);
    va_end(rest);
    return fd;
}
}

namespace {

using Contents = test_support::Folder_Files;
using test_support::Folder_Contents;

void Put(const QString& path, const QByteArray& bytes) { test_support::Put_File(path, bytes); }

// Replaces path by a new file, as a program that writes elsewhere and
// renames (mv) does.
void Put_By_Rename(const QString& path, const QByteArray& bytes)
{
    const QString other = path + QStringLiteral(".elsewhere");
    Put(other, bytes);
    ASSERT_EQ(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()), 0);
}

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

QString Own_Work_Folder(const QString& folder)
{
    return QFile::decodeName(platform::Work_Folder_Name(Native(folder)));
}

// Runs body in a child process, ended as a kill would end it when body
// returns -1; the child's exit status, or -1 for a kill.
int In_Child(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const int status = body();
        if (status < 0)
            ::raise(SIGKILL);
        ::_exit(status);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return -2;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs body in a child process as the user uid (group gid); root only.
int As_User(uid_t uid, gid_t gid, const std::function<int()>& body)
{
    return In_Child([&] {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(gid, gid, gid) != 0 ||
            ::setresuid(uid, uid, uid) != 0)
            return 99;
        return body();
    });
}

// A disk of three files written under a guard, as the Boeing 777 upload
// writes it, in a process that is killed before the guard keeps them.
void Killed_Disk_Write(const QString& folder)
{
    const QStringList paths{folder + QStringLiteral("/x.cfg"), folder + QStringLiteral("/x.txt"),
                            folder + QStringLiteral("/config.ldr")};
    const int status = In_Child([&] {
        platform::Replacement_Guard guard;
        if (!guard.Begin(paths).Ok())
            return 1;
        const std::vector<platform::File_Bytes> files{{paths[0], "new image"},
                                                      {paths[1], "new report"},
                                                      {paths[2], "new loader"}};
        if (!platform::Write_Whole_Files(files, nullptr).Ok())
            return 2;
        ::raise(SIGKILL); // before the guard can keep or take back anything
        return 3;
    });
    ASSERT_EQ(status, -1);
}

// The next, unrelated, save into folder.
void Next_Save(const QString& folder)
{
    ASSERT_TRUE(platform::Write_Whole_File(folder + QStringLiteral("/other.cfg"), "other").Ok());
}

const Contents OLD_DISK{{QStringLiteral("x.cfg"), "old image"}, {QStringLiteral("x.txt"), "old report"}};

void Put_Old_Disk(const QString& folder)
{
    for (auto file = OLD_DISK.begin(); file != OLD_DISK.end(); ++file)
        Put(folder + QLatin1Char('/') + file.key(), file.value());
}

Contents With_Other(Contents contents)
{
    contents.insert(QStringLiteral("other.cfg"), "other");
    return contents;
}

} // namespace

// A killed disk write is put right by the next save: the older disk comes
// back whole, also for the files written by a writer nested in the guard.
TEST(Replacement_Recovery, A_Killed_Guarded_Write_Is_Taken_Back_Whole)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    Put_Old_Disk(folder);
    Killed_Disk_Write(folder);
    ASSERT_TRUE(QFileInfo::exists(Own_Work_Folder(folder)));
    ASSERT_EQ(Folder_Contents(folder).value(QStringLiteral("config.ldr")), "new loader");

    Next_Save(folder);
    EXPECT_EQ(Folder_Contents(folder), With_Other(OLD_DISK));
}

// A writer that is still running keeps its journal and backups: another
// save into the folder leaves them, and only once the writer is gone is its
// replacement taken back.
TEST(Replacement_Recovery, A_Journal_Held_By_A_Running_Writer_Stays_Whole)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    Put_Old_Disk(folder);
    int to_parent[2];
    int to_child[2];
    ASSERT_EQ(::pipe(to_parent), 0);
    ASSERT_EQ(::pipe(to_child), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        platform::Replacement_Guard guard;
        const std::vector<platform::File_Bytes> files{{folder + QStringLiteral("/x.cfg"), "new image"}};
        const bool written = guard.Begin(QStringList{files[0].Path, folder + QStringLiteral("/x.txt")}).Ok() &&
                             platform::Write_Whole_Files(files, nullptr).Ok();
        char byte = written ? 'w' : 'f';
        static_cast<void>(::write(to_parent[1], &byte, 1));
        static_cast<void>(::read(to_child[0], &byte, 1));
        ::raise(SIGKILL);
    }
    ASSERT_GT(child, 0);
    char byte = 0;
    ASSERT_EQ(::read(to_parent[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'w');
    const Contents held = Folder_Contents(Own_Work_Folder(folder));
    EXPECT_EQ(held.size(), 3); // the journal and two backups
    Next_Save(folder);
    EXPECT_EQ(Folder_Contents(Own_Work_Folder(folder)), held);
    EXPECT_EQ(Folder_Contents(folder).value(QStringLiteral("x.cfg")), "new image");

    ASSERT_EQ(::write(to_child[1], "k", 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    Next_Save(folder);
    EXPECT_EQ(Folder_Contents(folder), With_Other(OLD_DISK));
    for (const int fd : {to_parent[0], to_parent[1], to_child[0], to_child[1]})
        ::close(fd);
}

// Files the user put in place after the kill, by writing over them, by
// replacing them or anew, are the user's: the next save leaves them.
TEST(Replacement_Recovery, A_Stale_Journal_Leaves_What_Was_Changed_Since)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    Put_Old_Disk(folder);
    Killed_Disk_Write(folder);
    Put(folder + QStringLiteral("/x.cfg"), "users image");
    Put_By_Rename(folder + QStringLiteral("/x.txt"), "users report");
    Put(folder + QStringLiteral("/config.ldr"), "users loader");
    Next_Save(folder);
    EXPECT_EQ(Folder_Contents(folder),
              With_Other({{QStringLiteral("x.cfg"), "users image"},
                          {QStringLiteral("x.txt"), "users report"},
                          {QStringLiteral("config.ldr"), "users loader"}}));

    // The first write into an empty folder, then a whole disk copied in.
    QTemporaryDir empty;
    Killed_Disk_Write(empty.path());
    const Contents copied{{QStringLiteral("x.cfg"), "copied image"},
                          {QStringLiteral("x.txt"), "copied report"},
                          {QStringLiteral("config.ldr"), "copied loader"}};
    for (auto file = copied.begin(); file != copied.end(); ++file)
        Put(empty.path() + QLatin1Char('/') + file.key(), file.value());
    Next_Save(empty.path());
    EXPECT_EQ(Folder_Contents(empty.path()), With_Other(copied));
}

// Journals, backups and work folders the writer did not make are never
// acted on: the user's files stay, whatever the journal names, and what was
// planted stays as it was.
TEST(Replacement_Recovery, Planted_Journals_And_Work_Folders_Are_Not_Obeyed)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    QTemporaryDir outside;
    Put(outside.path() + QStringLiteral("/secret"), "outside");
    const QByteArray journal = "merivane replacement journal 2\npid 1\n"
                               "0 0 0 0 0 0 0 0 0 0 0 mine.txt\n"
                               "1 1 1 0 0 0 1 1 0 0 0 vic2.txt\nend\n"
                               "placed 0 0 0 0 0 0\n";
    const QByteArray old_journal = "merivane replacement journal 1\n0 0 0 mine.txt\n1 1 1 vic2.txt\nend\n";
    const auto plant = [&](const QString& work) {
        ASSERT_TRUE(QDir().mkpath(work));
        Put(work + QStringLiteral("/j-AbCdEfGh12"), journal);
        Put(work + QStringLiteral("/j-AbCdEfGh12.1"), "ATTACKER content");
        Put(work + QStringLiteral("/j-ZyXwVuTs98"), old_journal);
        ASSERT_TRUE(QFile::link(outside.path() + QStringLiteral("/secret"),
                                work + QStringLiteral("/j-ZyXwVuTs98.1")));
    };
    Put(folder + QStringLiteral("/mine.txt"), "mine");
    Put(folder + QStringLiteral("/vic2.txt"), "victim");
    plant(Own_Work_Folder(folder));
    plant(folder + QStringLiteral("/.mrv-work"));
    const Contents planted = Folder_Contents(folder + QStringLiteral("/.mrv-work"));
    const Contents before = Folder_Contents(folder);

    const std::vector<platform::File_Bytes> files{{folder + QStringLiteral("/new.cfg"), "new"},
                                                  {folder + QStringLiteral("/new.txt"), "text"}};
    ASSERT_TRUE(platform::Write_Whole_Files(files, nullptr).Ok());
    Contents expected = before;
    expected.insert(QStringLiteral("new.cfg"), "new");
    expected.insert(QStringLiteral("new.txt"), "text");
    EXPECT_EQ(Folder_Contents(folder), expected);
    EXPECT_EQ(Folder_Contents(folder + QStringLiteral("/.mrv-work")), planted);
    EXPECT_EQ(Folder_Contents(outside.path()).value(QStringLiteral("secret")), "outside");

    // A work folder that is a link to another folder is not followed.
    QTemporaryDir linked;
    plant(outside.path() + QStringLiteral("/work"));
    Put(linked.path() + QStringLiteral("/mine.txt"), "mine");
    ASSERT_TRUE(QFile::link(outside.path() + QStringLiteral("/work"), Own_Work_Folder(linked.path())));
    const Contents outside_before = Folder_Contents(outside.path() + QStringLiteral("/work"));
    Next_Save(linked.path());
    EXPECT_EQ(Folder_Contents(outside.path() + QStringLiteral("/work")), outside_before);
    EXPECT_EQ(Folder_Contents(linked.path()).value(QStringLiteral("mine.txt")), "mine");
}

// Whatever stands at the work folder's name, a save into a folder the user
// may write into succeeds, leaves that entry as it was and nothing behind.
TEST(Replacement_Recovery, An_Entry_At_The_Work_Folders_Name_Does_Not_Block_Saves)
{
    const std::vector<std::function<void(const QString&, const QString&)>> entries{
        [](const QString&, const QString& work) { Put(work, "a plain file"); },
        [](const QString&, const QString& work) {
            ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent/dangling"), work));
        },
        [](const QString&, const QString& work) { ASSERT_TRUE(QFile::link(QStringLiteral("/proc"), work)); },
        [](const QString&, const QString& work) {
            ASSERT_TRUE(QDir().mkdir(work));
            // Another account's folder, or one that others may write into.
            ASSERT_EQ(::chown(Native(work).constData(), 4242, 4242), ::geteuid() == 0 ? 0 : -1);
        },
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "entry " << i);
        QTemporaryDir dir;
        const QString folder = dir.path();
        entries[i](folder, Own_Work_Folder(folder));
        const Contents before = Folder_Contents(folder);
        ASSERT_TRUE(platform::Write_Whole_File(folder + QStringLiteral("/one.cfg"), "1").Ok());
        const std::vector<platform::File_Bytes> files{{folder + QStringLiteral("/a.cfg"), "a"},
                                                      {folder + QStringLiteral("/b.txt"), "b"}};
        ASSERT_TRUE(platform::Write_Whole_Files(files, nullptr).Ok());
        Contents expected = before;
        expected.insert(QStringLiteral("one.cfg"), "1");
        expected.insert(QStringLiteral("a.cfg"), "a");
        expected.insert(QStringLiteral("b.txt"), "b");
        EXPECT_EQ(Folder_Contents(folder), expected);
    }
}

// Writers of one user racing in one folder, whose work folder comes and
// goes between them, all succeed.
TEST(Replacement_Recovery, Concurrent_Saves_Into_One_Folder_All_Succeed)
{
    for (const bool refused : {false, true}) {
        SCOPED_TRACE(refused ? "unnamed files refused" : "unnamed files");
        g_refuse_unnamed = refused;
        QTemporaryDir dir;
        const QString folder = dir.path();
        constexpr int WRITERS = 6;
        constexpr int SAVES = 150;
        std::vector<pid_t> children;
        for (int writer = 0; writer < WRITERS; ++writer) {
            const pid_t child = ::fork();
            if (child == 0) {
                int failures = 0;
                const QString name = folder + QStringLiteral("/w%1-").arg(writer);
                for (int save = 0; save < SAVES; ++save) {
                    const std::vector<platform::File_Bytes> files{{name + QStringLiteral("a"), "a"},
                                                                  {name + QStringLiteral("b"), "b"}};
                    const bool ok = save % 2 == 0
                                        ? platform::Write_Whole_File(name + QStringLiteral("s"), "s").Ok()
                                        : platform::Write_Whole_Files(files, nullptr).Ok();
                    failures += ok ? 0 : 1;
                }
                ::_exit(failures > 0 ? 1 : 0);
            }
            ASSERT_GT(child, 0);
            children.push_back(child);
        }
        for (const pid_t child : children) {
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        EXPECT_FALSE(QFileInfo::exists(Own_Work_Folder(folder)));
    }
    g_refuse_unnamed = false;
}

// A FIFO at a target's name is never opened: the guard refuses it at once
// and the folder stays as it was.
TEST(Replacement_Recovery, A_Fifo_At_A_Target_Is_Refused_Without_Waiting)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    Put_Old_Disk(folder);
    ASSERT_EQ(::mkfifo(Native(folder + QStringLiteral("/NON_LOAD.CRC")).constData(), 0666), 0);
    const Contents before = Folder_Contents(folder);
    const int status = In_Child([&] {
        ::alarm(10);
        platform::Replacement_Guard guard;
        const platform::File_Write_Result begun = guard.Begin(
            QStringList{folder + QStringLiteral("/x.cfg"), folder + QStringLiteral("/NON_LOAD.CRC")});
        return !begun.Ok() && begun.Step == platform::File_Write_Step::Not_Writable &&
                       guard.Failed_Path().endsWith(QStringLiteral("NON_LOAD.CRC"))
                   ? 0
                   : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Folder_Contents(folder), before);
}

// Two accounts in one shared folder: neither acts on the other's work
// folder or files, and each one's killed write is put right by its own next
// save, even where the other saved in between.
TEST(Replacement_Recovery, Two_Accounts_Share_A_Folder)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as two accounts";
    constexpr uid_t A = 4101;
    constexpr uid_t B = 4102;
    constexpr gid_t GROUP = 4100;
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(Native(dir.path()).constData(), 0755), 0);
    for (const mode_t mode : {mode_t(01777), mode_t(02775)}) {
        SCOPED_TRACE(testing::Message() << "folder mode " << std::oct << mode);
        const QString folder = dir.path() + QStringLiteral("/shared%1").arg(mode, 0, 8);
        ASSERT_TRUE(QDir().mkdir(folder));
        ASSERT_EQ(::chown(Native(folder).constData(), 0, GROUP), 0);
        ASSERT_EQ(::chmod(Native(folder).constData(), mode), 0);
        const auto as = [&](uid_t user, const std::function<int()>& body) {
            return As_User(user, GROUP, [&] {
                ::umask(mode == 02775 ? 002 : 022);
                return body();
            });
        };

        // B's file, and a journal of A's that names it.
        ASSERT_EQ(as(B, [&] {
                      Put(folder + QStringLiteral("/vic1.txt"), "B's own");
                      return 0;
                  }),
                  0);
        ASSERT_EQ(as(A, [&] {
                      const QString work = folder + QStringLiteral("/.mrv-work-%1").arg(B);
                      QDir().mkdir(work);
                      ::chmod(Native(work).constData(), 0777);
                      Put(work + QStringLiteral("/j-AbCdEfGh12"),
                          "merivane replacement journal 2\npid 1\n0 0 0 0 0 0 0 0 0 0 0 vic1.txt\nend\n");
                      Put_Old_Disk(folder);
                      Killed_Disk_Write(folder);
                      return 0;
                  }),
                  0);
        const Contents killed = Folder_Contents(folder);
        ASSERT_EQ(killed.value(QStringLiteral("config.ldr")), "new loader");

        // B saves: nothing of A's is touched, and B's file stays.
        ASSERT_EQ(as(B, [&] {
                      return platform::Write_Whole_File(folder + QStringLiteral("/new.cfg"), "B").Ok() ? 0 : 1;
                  }),
                  0);
        Contents expected = killed;
        expected.insert(QStringLiteral("new.cfg"), "B");
        EXPECT_EQ(Folder_Contents(folder), expected);

        // A saves: A's killed disk write is taken back.
        ASSERT_EQ(as(A, [&] {
                      Next_Save(folder);
                      return 0;
                  }),
                  0);
        const Contents after = Folder_Contents(folder);
        EXPECT_EQ(after.value(QStringLiteral("x.cfg")), "old image");
        EXPECT_EQ(after.value(QStringLiteral("x.txt")), "old report");
        EXPECT_FALSE(after.contains(QStringLiteral("config.ldr")));
        EXPECT_EQ(after.value(QStringLiteral("vic1.txt")), "B's own");
        EXPECT_FALSE(after.contains(QStringLiteral(".mrv-work-%1").arg(A)));
    }
}

// Where a plain file stands at the work folder's name, a writer nested in a
// guard still records its file in the guard's journal: the guard, let go
// without keeping, takes back what the writer put in place.
TEST(Replacement_Recovery, A_Guard_Takes_Back_Nested_Writes_Where_The_Work_Folder_Name_Is_Taken)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QString path = folder + QStringLiteral("/x.cfg");
    Put(Own_Work_Folder(folder), "not a folder");
    Put(path, "old");
    const Contents before = Folder_Contents(folder);
    {
        platform::Replacement_Guard guard;
        ASSERT_TRUE(guard.Begin(QStringList{path}).Ok());
        const std::vector<platform::File_Bytes> files{{path, "new"}};
        ASSERT_TRUE(platform::Write_Whole_Files(files, nullptr).Ok());
        EXPECT_EQ(Folder_Contents(folder).value(QStringLiteral("x.cfg")), "new");
    }
    EXPECT_EQ(Folder_Contents(folder), before);
}
