#pragma once
// What the disk dialogs and the part-number step need of the main window,
// as plain function objects: the main window fills them with its own
// procedures, tests with stand-ins.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

namespace main_window {

struct Disk_Hooks {
    // The current ORT file as the main window's writer would write it to
    // path, its CRC made the baseline as that write makes it; false on a
    // failure, with its description (empty when the writer has shown its own
    // message). The disk writers put the bytes on the disk themselves.
    std::function<bool(const QString& path, QByteArray& bytes, QString& error)> ORT_File;
    // The text report for text_path, naming ort_path in its header; false
    // with a description on a failure.
    std::function<bool(const QString& text_path, const QString& ort_path, QByteArray& bytes,
                       QString& error)>
        Text_Report;
    // The saved baseline (the main window's last saved CRC).
    std::function<std::uint16_t()> Get_Last_Saved_CRC;
    std::function<void(std::uint16_t)> Set_Last_Saved_CRC;
    // The main window's part-number step (it shows the part-number dialog
    // for airframer ORTs and leaves the baseline alone).
    std::function<void()> Part_Number_Step;
    // The data-loader type the text report prints.
    std::function<void(const QString& caption)> Set_Data_Loader_Type;
    // The check of every field of the window and its pages (before the ORT
    // is written); false when a field kept the focus.
    std::function<bool()> Validate_Pages;
    // Makes the application folder the current folder again.
    std::function<void()> Restore_App_Folder;
};

// Writing a disk is not a save: the baseline goes back to what it was when
// the disk set is done, however it ends (the disk's report prints the CRC of
// the image written beside it).
class Baseline_Keeper {
public:
    explicit Baseline_Keeper(const Disk_Hooks& hooks) : hooks_(hooks)
    {
        if (hooks_.Get_Last_Saved_CRC)
            saved_ = hooks_.Get_Last_Saved_CRC();
    }
    ~Baseline_Keeper()
    {
        if (hooks_.Set_Last_Saved_CRC)
            hooks_.Set_Last_Saved_CRC(saved_);
    }
    Baseline_Keeper(const Baseline_Keeper&) = delete;
    Baseline_Keeper& operator=(const Baseline_Keeper&) = delete;

private:
    const Disk_Hooks& hooks_;
    std::uint16_t saved_ = 0;
};

} // namespace main_window
