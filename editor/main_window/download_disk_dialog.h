#pragma once
// "Create Download Disk": writes the config.ldr that tells a data loader to
// read the ORT out of the SDU into the chosen folder.

#include "editor/main_window/disk_hooks.h"

#include <QDialog>

class Disk_Folder_Chooser;
class QPushButton;

class Create_Download_Disk_Dialog final : public QDialog {
    Q_OBJECT
public:
    Create_Download_Disk_Dialog(main_window::Disk_Hooks hooks, QWidget* owner);

    Disk_Folder_Chooser* Folder() const { return folder_; }

    // OK: writes the file into the folder the field shows and closes; a
    // file error, or a typed path that is no folder, shows its box and the
    // dialog stays open.
    void OKButton_Click();
    void CancelButton_Click();

private:
    main_window::Disk_Hooks hooks_;
    Disk_Folder_Chooser* folder_ = nullptr;
};
