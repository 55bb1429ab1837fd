#pragma once
// The folder a disk is written into: the folder's path in Directory_Selector
// and a Browse... button that opens the folder chooser. A typed path that is
// no folder is refused with an information box and the last good folder
// comes back.

#include <QString>
#include <QWidget>
#include <optional>

class QLineEdit;
class QPushButton;

namespace main_window {

// The folder with a trailing "/" (a root already has one).
QString Target_Folder(const QString& path);

} // namespace main_window

class Disk_Folder_Chooser final : public QWidget {
    Q_OBJECT
public:
    explicit Disk_Folder_Chooser(const QString& caption, QWidget* parent = nullptr);

    QLineEdit* Directory_Selector() const { return directory_; }

    // The folder list's path, made absolute.
    QString Path() const;
    // Sets the path; false (with the box) when it is no folder.
    bool Set_Path(const QString& path);
    // The folder to write into, ending in "/".
    QString Target() const { return main_window::Target_Folder(Path()); }
    // The folder the field shows, ending in "/": a typed path that has not
    // been taken yet (OK activated while the field keeps the focus) is taken
    // first. None, with the box, when it is no folder.
    std::optional<QString> Shown_Target();

    void Browse_Click();

private:
    // Takes the typed path when it differs from the folder; false when it is
    // no folder.
    bool Directory_Edited();

    QString caption_;
    QString path_;
    bool checking_ = false; // a typed path is being checked (its box may be up)
    QLineEdit* directory_ = nullptr;
    QPushButton* browse_ = nullptr;
};
