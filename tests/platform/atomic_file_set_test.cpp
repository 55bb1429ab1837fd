// Replacing several files as one, with a failure or the end of the process
// at each write, link and rename the replacement makes; and what the writer
// clears in a folder.
#include "platform/atomic_file_set.h"
#include "support/folder_files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

#include <cerrno>
#include <csignal>
#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Fault { None, Fail, End_Process };

// The write, link or rename that meets the fault: the countdown's last.
Fault g_fault = Fault::None;
int g_countdown = 0;

bool Fault_Here()
{
    if (g_fault == Fault::None || --g_countdown != 0)
        return false;
    if (g_fault == Fault::End_Process)
        ::raise(SIGKILL);
    errno = EIO;
    return true;
}

template <typename Function>
Function Next(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

} // namespace

// The calls by which files are written, named and put in place.
extern "C" {
int rename(const char* from, const char* to)
{
    static const auto next = Next<int (*)(const char*, const char*)>("rename");
    return Fault_Here() ? -1 : next(from, to);
}
int renameat(int from_fd, const char* from, int to_fd, const char* to)
{
    static const auto next = Next<int (*)(int, const char*, int, const char*)>("renameat");
    return Fault_Here() ? -1 : next(from_fd, from, to_fd, to);
}
int link(const char* from, const char* to)
{
    static const auto next = Next<int (*)(const char*, const char*)>("link");
    return Fault_Here() ? -1 : next(from, to);
}
int linkat(int from_fd, const char* from, int to_fd, const char* to, int flags)
{
    static const auto next = Next<int (*)(int, const char*, int, const char*, int)>("linkat");
    return Fault_Here() ? -1 : next(from_fd, from, to_fd, to, flags);
}
ssize_t pwrite(int fd, const void* data, size_t size, off_t at)
{
    static const auto next = Next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
    return Fault_Here() ? -1 : next(fd, data, size, at);
}
ssize_t pwrite64(int fd, const void* data, size_t size, off_t at)
{
    static const auto next = Next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite64");
    return Fault_Here() ? -1 : next(fd, data, size, at);
}
}

namespace {

struct Armed_Fault {
    Armed_Fault(Fault fault, int step)
    {
        g_fault = fault;
        g_countdown = step;
    }
    ~Armed_Fault() { g_fault = Fault::None; }
    bool Met() const { return g_countdown <= 0; }
};

using Contents = test_support::Folder_Files;
using test_support::Folder_Contents;

void Put(const QString& path, const QByteArray& bytes) { test_support::Put_File(path, bytes); }

// The set, with the file that did not exist before last or, when
// new_file_first, first (so that steps still fail after it took its name).
std::vector<platform::File_Bytes> New_Set(const QString& folder, bool new_file_first = false)
{
    std::vector<platform::File_Bytes> files{
        {folder + QStringLiteral("/disk.cfg"), QByteArray("new image")},
        {folder + QStringLiteral("/disk.txt"), QByteArray("new report")},
        {folder + QStringLiteral("/config.ldr"), QByteArray("new loader")}};
    if (new_file_first)
        std::rotate(files.begin(), files.end() - 1, files.end());
    return files;
}

const Contents OLD_SET{{QStringLiteral("disk.cfg"), QByteArray("old image")},
                       {QStringLiteral("disk.txt"), QByteArray("old report")}};
const Contents NEW_SET{{QStringLiteral("config.ldr"), QByteArray("new loader")},
                       {QStringLiteral("disk.cfg"), QByteArray("new image")},
                       {QStringLiteral("disk.txt"), QByteArray("new report")}};

} // namespace

// A set whose write, link or rename fails at any one step leaves every older
// file back byte for byte and nothing new; a set whose process ends at any
// one step leaves the older set or the new one, and the next write into the
// folder leaves nothing of it behind.
TEST(Atomic_File_Set, Each_Step_Failing_Or_Ending_The_Process_Leaves_One_Whole_Set)
{
    for (const auto& [fault, new_file_first] :
         {std::pair{Fault::Fail, false}, std::pair{Fault::End_Process, false},
          std::pair{Fault::Fail, true}, std::pair{Fault::End_Process, true}}) {
        bool completed = false;
        for (int step = 1; !completed && step < 100; ++step) {
            SCOPED_TRACE(testing::Message() << (fault == Fault::Fail ? "failure" : "end")
                                            << " at step " << step
                                            << (new_file_first ? ", new file first" : ""));
            QTemporaryDir dir;
            const QString folder = dir.path();
            for (auto file = OLD_SET.begin(); file != OLD_SET.end(); ++file)
                Put(folder + QLatin1Char('/') + file.key(), file.value());
            const std::vector<platform::File_Bytes> files = New_Set(folder, new_file_first);

            if (fault == Fault::Fail) {
                const Armed_Fault armed(fault, step);
                QString failed;
                const bool written = platform::Write_Whole_Files(files, &failed).Ok();
                // A step tried another way may still succeed.
                completed = !armed.Met();
                EXPECT_TRUE(written || !completed);
                EXPECT_EQ(Folder_Contents(folder), written ? NEW_SET : OLD_SET);
                continue;
            }

            const pid_t child = ::fork();
            if (child == 0) {
                const Armed_Fault armed(fault, step);
                const bool written = platform::Write_Whole_Files(files, nullptr).Ok();
                ::_exit(written ? 0 : 1);
            }
            ASSERT_GT(child, 0);
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            completed = WIFEXITED(status);
            EXPECT_TRUE(completed ? WEXITSTATUS(status) == 0 : WTERMSIG(status) == SIGKILL);

            // The next write into the folder.
            ASSERT_TRUE(platform::Write_Whole_File(folder + QStringLiteral("/other"), "x").Ok());
            Contents found = Folder_Contents(folder);
            EXPECT_EQ(found.take(QStringLiteral("other")), QByteArray("x"));
            if (found != NEW_SET) {
                EXPECT_EQ(found, OLD_SET);
            }
        }
        EXPECT_TRUE(completed);
    }
}

// The writer clears only what it can have left itself: a file of the user's,
// whatever its name, stays.
TEST(Atomic_File_Set, Writes_Leave_The_Users_Own_Files)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    const Contents users{{QStringLiteral(".mrv-n-abcdefghij"), QByteArray("mine")},
                         {QStringLiteral(".mrv-b-abcdefghij"), QByteArray("mine too")}};
    for (auto file = users.begin(); file != users.end(); ++file)
        Put(folder + QLatin1Char('/') + file.key(), file.value());

    ASSERT_TRUE(platform::Write_Whole_File(folder + QStringLiteral("/one.cfg"), "1").Ok());
    const std::vector<platform::File_Bytes> files = New_Set(folder);
    ASSERT_TRUE(platform::Write_Whole_Files(files, nullptr).Ok());

    Contents expected = NEW_SET;
    expected.insert(users);
    expected.insert(QStringLiteral("one.cfg"), QByteArray("1"));
    EXPECT_EQ(Folder_Contents(folder), expected);
}
