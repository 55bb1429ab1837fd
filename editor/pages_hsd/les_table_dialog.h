#pragma once
// The modal dialog in which one entry of a Swift64 LES preference list is
// added or edited: SAT ID (octal), LES ID (decimal) and a preference digit.
// Add_LES and Edit_LES build the dialog, show it modally over the owner and
// return the compact six-character entry made by OK (SAT 2 + LES 3 +
// preference 1), or an empty text when the user left it any other way.

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class LES_Table_Dialog : public QDialog {
    Q_OBJECT
public:
    explicit LES_Table_Dialog(QWidget* owner = nullptr);

    // Fills the fields for a new entry (empty IDs, preference 1).
    void Prepare_Add();
    // Fills the fields from a list line (SAT columns 1-2, LES 5-7, preference 10).
    void Prepare_Edit(const QString& line);

    // The entry built by OK during this showing; empty otherwise.
    QString Result() const { return result_; }

    void OK_Click();
    void Cancel_Click();

    QLabel* Label_Sat_ID = nullptr;
    QLabel* Label_LES_ID = nullptr;
    QLabel* Label_Preference = nullptr;
    QLineEdit* Control_Sat_ID = nullptr;
    QLineEdit* Control_LES_ID = nullptr;
    QComboBox* Control_Preference = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void reject() override;

private:
    QString result_;
};

// The dialog functions; caption is the dialog's window title.
QString Add_LES(QWidget* owner, const QString& caption);
QString Edit_LES(QWidget* owner, const QString& caption, const QString& line);
