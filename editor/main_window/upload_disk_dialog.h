#pragma once
// "Create Upload Disk": writes an upload disk for one of five data-loader
// kinds into the chosen folder. The dialog lives as long as the main window
// and keeps its choices between showings; the ORT type dialog presets them
// when a software configuration is chosen.

#include "editor/main_window/disk_b777.h"
#include "editor/main_window/disk_hooks.h"
#include "editor/main_window/identifier_dialog_rules.h"
#include "editor/main_window/ort_type_options.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

class Disk_Folder_Chooser;
class QButtonGroup;
class QRadioButton;

class Create_Upload_Disk_Dialog final : public QDialog {
    Q_OBJECT
public:
    // Asks for an upload identifier of a kind; "" when cancelled.
    using Identifier_Asker = std::function<QString(main_window::Identifier_Kind kind)>;

    Create_Upload_Disk_Dialog(main_window::Disk_Hooks hooks, QWidget* owner);

    // Replaces the identifier dialog (tests).
    void Set_Identifier_Asker(Identifier_Asker asker) { ask_ = std::move(asker); }

    // Boeing 777 upload: the main window's description fields and the store
    // the writer component is found in (disk_b777_main.h installs them).
    void Set_B777_Services(main_window::B777_Services services) { b777_ = std::move(services); }
    const main_window::B777_Services& Get_B777_Services() const { return b777_; }

    Disk_Folder_Chooser* Folder() const { return folder_; }
    QRadioButton* Loader_File_Option(int index) const { return loader_options_.value(index); }
    QRadioButton* optArincLabel(int index) const { return label_options_.value(index); }
    int Loader_Index() const { return loader_index_; }
    QString Arinc_Label() const { return arinc_label_; }

    // A click on a loader option: stores its index, tells the main window the
    // data-loader type and selects the label that goes with it.
    void Loader_File_Option_Click(int index);
    // A click on a label option.
    void optArincLabel_Click(int index);
    // The choices of a software configuration, as if clicked.
    void Apply_Preset(const main_window::Upload_Preset& preset);

    // OK: runs the writer of the chosen loader on the folder the field
    // shows; closes on success, stays open otherwise. Cancel closes.
    void OKButton_Click();
    void CancelButton_Click();

private:
    bool Run_Writer(const QString& folder);
    bool Write_Loader_Disk(const QString& folder, int index);

    main_window::Disk_Hooks hooks_;
    Identifier_Asker ask_;
    main_window::B777_Services b777_; // Boeing 777 upload
    Disk_Folder_Chooser* folder_ = nullptr;
    QButtonGroup* loader_group_ = nullptr;
    QButtonGroup* label_group_ = nullptr;
    QList<QRadioButton*> loader_options_;
    QList<QRadioButton*> label_options_;
    int loader_index_ = 0;
    QString arinc_label_ = QStringLiteral("307");
};
