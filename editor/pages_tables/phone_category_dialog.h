#pragma once
// "Category Name": changes the name of one cockpit directory category.
// Enter acts as OK and Esc as Cancel wherever the focus is; closing the
// window by its close box is Cancel.

#include <QDialog>
#include <QString>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

class Phone_Category_Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Phone_Category_Dialog(QWidget* owner = nullptr);

    // Shows the name (all its text selected) and keeps it as the result.
    void Prepare(const QString& name);

    // OK: the upper-cased text as a record field of 10 characters (NUL-padded
    // to 11); Cancel: the name passed in.
    const QString& Result() const { return result_; }

    void OK_Click();
    void Cancel_Click();

    QLineEdit* Control_Category_Name = nullptr;
    QLabel* Label_Cat_Name = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString result_;
};

// The modal function: the new name, or the name passed in when cancelled.
QString Edit_Category_Name(const QString& name, QWidget* owner);
