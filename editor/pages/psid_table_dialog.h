#pragma once
// The dialog "PSID Information": one row of the PSID table entered or
// changed. Used as a function: Add_Sat and Edit_Sat show it modally and
// return the compact row (see psid_row.h), or "" when it was cancelled or
// closed by its window button.

#include "editor/pages/psid_row.h"

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class PSID_Table_Dialog : public QDialog {
    Q_OBJECT
public:
    explicit PSID_Table_Dialog(QWidget* owner = nullptr);

    // Presets of a new row: Sat ID 0, revision 0, both PSIDs 1770.
    static QString Add_Sat(QWidget* owner = nullptr);
    // The fields filled from a table row.
    static QString Edit_Sat(const QString& row, QWidget* owner = nullptr);
    // The fields filled from a compact row (what the user entered before).
    static QString Edit_Entered(const QString& compact, QWidget* owner = nullptr);

    // Puts the values into the fields and clears the result.
    void Fill(const pages::PSID_Fields& fields);
    void Fill_Presets();

    // The compact row after OK; "" otherwise.
    const QString& Result() const { return result_; }

    // The buttons' handlers (also for driving the dialog from code).
    void OK_Click();
    void Cancel_Click();

    QLabel* Label_Sat_ID;
    QLineEdit* Control_Sat_ID;
    QLabel* Label_Table_Revision;
    QLineEdit* Control_Table_Revision;
    QLabel* Label_PSID_1;
    QLineEdit* Control_PSID_1;
    QLabel* Label_PSID_2;
    QLineEdit* Control_PSID_2;
    std::array<QLabel*, 2> Label_Hex{};
    QPushButton* OKButton;
    QPushButton* CancelButton;

private:
    QString Run();

    QString result_;
};
