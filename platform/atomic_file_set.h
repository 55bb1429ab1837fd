#pragma once
// Replacing several files as one: each member is written like a lone
// Atomic_File, and none takes its target's place before all are written and
// flushed. The commit first checks every target at once (a folder or a
// read-only file is refused, as a lone file is refused when opened), then
// records the targets in a journal with a backup of each file there (see
// atomic_file_journal.h) and puts the members in place in the order they
// were added. When a step of that fails, every target gets its old file back
// and every new one is removed, so the folder holds what it held before;
// when the process ends in between, the next writer in the folder does the
// same. Only when the last member is in place does the journal go, and the
// backups with it.

#include "platform/atomic_file.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <span>
#include <vector>

namespace platform {

class Replacement_Journal;

// Keeps files as they are while something else replaces them: unless Keep()
// is called, each path holds again what it held at Begin when the guard goes
// (a path that held no file holds none), also after a kill, by the next
// writer in its folder.
class Replacement_Guard {
public:
    Replacement_Guard();
    ~Replacement_Guard();
    Replacement_Guard(const Replacement_Guard&) = delete;
    Replacement_Guard& operator=(const Replacement_Guard&) = delete;

    // Starts guarding the paths (a link stands for the file it leads to).
    File_Write_Result Begin(std::span<const QString> paths);
    // The path that failed the last Begin.
    const QString& Failed_Path() const { return failed_path_; }
    // The paths keep what they hold now.
    void Keep();

private:
    friend class Atomic_File_Set;

    // Begin for native targets; failed receives the index of the one that
    // failed.
    File_Write_Result Begin_Native(const std::vector<QByteArray>& targets, qsizetype* failed);
    // Records that the fresh file open as fd is about to take target's place.
    File_Write_Result Placing(const QByteArray& target, int fd);
    void Take_Back();

    std::vector<std::unique_ptr<Replacement_Journal>> journals_; // one per folder
    QString failed_path_;
};

class Atomic_File_Set {
public:
    Atomic_File_Set() = default;
    ~Atomic_File_Set();
    Atomic_File_Set(const Atomic_File_Set&) = delete;
    Atomic_File_Set& operator=(const Atomic_File_Set&) = delete;

    // A new member that replaces path; Open and Write it as a lone file.
    Atomic_File& Add(const QString& path);

    // Puts every member in place, or none. Every member must have been
    // opened and written.
    File_Write_Result Commit();

    // The path of the member that failed the last Commit.
    const QString& Failed_Path() const { return failed_path_; }

private:
    std::vector<std::unique_ptr<Atomic_File>> files_;
    QString failed_path_;
};

// The bytes of one file of a set.
struct File_Bytes {
    QString Path;
    QByteArray Bytes;
};

// Writes every file whole, in the order given, or none; failed_path
// receives the path of the file that failed.
File_Write_Result Write_Whole_Files(std::span<const File_Bytes> files, QString* failed_path);

} // namespace platform
