#pragma once
// Replacing several files as one: each member is written like a lone
// Atomic_File, and none takes its target's place before all are written and
// flushed. The commit first checks every target at once (a folder or a
// read-only file is refused, as a lone file is refused when opened), then
// puts the members in place in the order they were added, each replaced
// file kept as a backup until the last one is in place; when a step of that
// fails, every target already replaced gets its old file back and every new
// one is removed, so the folder holds what it held before.

#include "platform/atomic_file.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <span>
#include <vector>

namespace platform {

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
    struct Placed;
    void Take_Back(std::vector<Placed>& placed);

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
