#include "platform/atomic_file_set.h"

#include "platform/atomic_file_journal.h"
#include "platform/temporary_names.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace platform {

Replacement_Guard::Replacement_Guard() = default;

Replacement_Guard::~Replacement_Guard() { Take_Back(); }

File_Write_Result Replacement_Guard::Begin(std::span<const QString> paths)
{
    std::vector<QByteArray> targets;
    for (const QString& path : paths)
        targets.push_back(Native_Target(path));
    qsizetype failed = 0;
    const File_Write_Result result = Begin_Native(targets, &failed);
    failed_path_ = result.Ok() ? QString() : paths[failed];
    return result;
}

File_Write_Result Replacement_Guard::Begin_Native(const std::vector<QByteArray>& targets,
                                                  qsizetype* failed)
{
    Take_Back();
    // One journal for the targets of each folder, in the order they come.
    std::vector<QByteArray> folders;
    for (const QByteArray& target : targets) {
        const QByteArray folder = Folder_Of(target);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }
    for (const QByteArray& folder : folders) {
        std::vector<QByteArray> members;
        std::vector<qsizetype> indexes;
        for (std::size_t i = 0; i < targets.size(); ++i) {
            if (Folder_Of(targets[i]) == folder) {
                members.push_back(targets[i]);
                indexes.push_back(static_cast<qsizetype>(i));
            }
        }
        auto journal = std::make_unique<Replacement_Journal>();
        qsizetype member = 0;
        const File_Write_Result begun = journal->Begin(folder, members, &member);
        if (!begun.Ok()) {
            *failed = indexes[member];
            Take_Back();
            return begun;
        }
        journals_.push_back(std::move(journal));
    }
    return {};
}

File_Write_Result Replacement_Guard::Placing(const QByteArray& target, int fd)
{
    struct stat fresh {};
    if (::fstat(fd, &fresh) != 0)
        return {File_Write_Step::Commit, errno};
    for (const auto& journal : journals_) {
        if (const File_Write_Result recorded = journal->Placing(target, fresh); !recorded.Ok())
            return recorded;
    }
    return {};
}

void Replacement_Guard::Keep()
{
    for (const auto& journal : journals_)
        journal->Keep();
    journals_.clear();
}

void Replacement_Guard::Take_Back()
{
    while (!journals_.empty()) {
        journals_.back()->Take_Back();
        journals_.pop_back();
    }
}

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

    // Until Keep, a failure below puts back what the targets held.
    Replacement_Guard guard;
    std::vector<QByteArray> targets;
    for (const auto& file : files_)
        targets.push_back(file->Target());
    qsizetype failed = 0;
    const File_Write_Result kept = guard.Begin_Native(targets, &failed);
    if (!kept.Ok()) {
        failed_path_ = files_[static_cast<std::size_t>(failed)]->Path();
        return kept;
    }
    for (const auto& file : files_) {
        File_Write_Result put = guard.Placing(file->Target(), file->fd_);
        if (put.Ok())
            put = file->Put_In_Place();
        if (!put.Ok()) {
            failed_path_ = file->Path();
            return put;
        }
    }
    guard.Keep();
    return {};
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
