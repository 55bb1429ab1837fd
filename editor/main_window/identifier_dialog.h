#pragma once
// "ORT Identifier": asks for the names an upload disk is written under. The
// Boeing 777 form asks for the diskette and data file part numbers and the
// manufacturer and product identifiers; the SFIM and automatic forms ask for
// one file identifier. Each use starts from a fresh dialog.

#include "editor/main_window/identifier_dialog_rules.h"

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

class Identifier_Dialog final : public QDialog {
    Q_OBJECT
public:
    explicit Identifier_Dialog(QWidget* owner = nullptr);

    // Modal uses: each returns the upload identifier, "" when cancelled.
    static QString SetB777_Identifier(QWidget* owner);
    static QString SetSFIM_Identifier(QWidget* owner);
    static QString SetAuto_Identifier(QWidget* owner);
    static QString Ask(main_window::Identifier_Kind kind, QWidget* owner);

    // Shows the fields of one kind (without showing the dialog).
    void Setup(main_window::Identifier_Kind kind);
    bool B777() const { return b777_; }
    QString Result() const { return result_; }

    QLineEdit* File_ID_Text() const { return file_id_; }
    QLineEdit* Data_PN_Text() const { return data_pn_; }
    QLineEdit* Disk_PN_Text() const { return disk_pn_; }
    QLineEdit* Manuf_ID_Text() const { return manuf_id_; }
    QLineEdit* Product_ID_Text() const { return product_id_; }
    QLabel* File_ID_Label() const { return file_id_label_; }

    // OK: validates the fields; accepts with the result or shows the
    // refusal and stays open.
    void OKButton_Click();
    void CancelButton_Click();

private:
    QLineEdit* Add_Field(const char* field_name, const char* label_name, const QString& caption,
                         int char_set, int max_length, QLabel** label_out = nullptr);

    bool b777_ = false;
    QString result_;
    QLineEdit* file_id_ = nullptr;
    QLineEdit* data_pn_ = nullptr;
    QLineEdit* disk_pn_ = nullptr;
    QLineEdit* manuf_id_ = nullptr;
    QLineEdit* product_id_ = nullptr;
    QLabel* file_id_label_ = nullptr;
    QList<QWidget*> file_row_;
    QList<QWidget*> b777_rows_;
};
