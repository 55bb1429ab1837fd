#pragma once
// "Cockpit Phone Number Entry": enters or changes one cockpit directory
// entry and returns it as a directory line. Closing the window by its close
// box or Esc is Cancel.

#include <QDialog>
#include <QString>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Cockpit_Numbers_Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Cockpit_Numbers_Dialog(QWidget* owner = nullptr);

    // Fill the controls for a new entry of the category (0 to 3), or from a
    // line of that category. The result starts empty.
    void Prepare_Add(int category);
    void Prepare_Edit(const QString& line, int category);

    // The line that OK built; empty until then and after Cancel.
    const QString& Result() const { return result_; }

    // The buttons' actions (OK keeps the dialog open when the number is empty
    // or begins with "-", or a field had to be corrected).
    void OK_Click();
    void Cancel_Click();

    QLineEdit* Control_Name = nullptr;
    QLineEdit* Control_Number = nullptr;
    QComboBox* Control_Priority = nullptr;
    QComboBox* Control_Protected = nullptr;
    std::array<QLabel*, 5> Cockpit_Label{};
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

public slots:
    void reject() override; // the close box and Esc

private:
    void Set_Priority_Fixed(bool fixed);

    QString result_;
};

// The modal functions: a new line for the category, or the changed line;
// "" when cancelled.
QString Add_Cockpit_Number(int category, QWidget* owner);
QString Edit_Cockpit_Number(const QString& line, int category, QWidget* owner);
