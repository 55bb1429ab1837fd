#pragma once
// The main window's Disks commands and the part-number step of its save
// commands, with the dialogs they show. One object per main window, a child
// of it.

#include "editor/main_window/disk_hooks.h"
#include "editor/main_window/pn_formal_dialog.h"

#include <QObject>

class Create_Download_Disk_Dialog;
class Create_Upload_Disk_Dialog;
class PN_Casual_Dialog;
class QWidget;

class Disk_Commands final : public QObject {
    Q_OBJECT
public:
    // The dialogs are owned by main_window.
    Disk_Commands(QWidget* main_window, PN_Formal_Dialog::Context pn_context,
                  main_window::Disk_Hooks hooks);

    PN_Formal_Dialog& Formal_Dialog() const { return *formal_; }
    PN_Casual_Dialog& Casual_Dialog() const { return *casual_; }
    Create_Upload_Disk_Dialog& Upload_Dialog() const { return *upload_; }

    // The dialog of the main window's part-number step: ChangePN when the
    // data changed since the last save, else ConfirmPN.
    void Show_PN_Dialog(bool changed);

    void mnuCreateDownloadDisk_Click();
    void mnuCreateUploadDisk_Click();

private:
    main_window::Disk_Hooks hooks_;
    PN_Formal_Dialog* formal_ = nullptr;
    PN_Casual_Dialog* casual_ = nullptr;
    Create_Upload_Disk_Dialog* upload_ = nullptr;
    Create_Download_Disk_Dialog* download_ = nullptr;
};

