#pragma once
// "Add a Failure Mask": the modal dialog that adds or modifies one failure
// mask. It returns the list line built by OK, or the empty text for Cancel
// and every other way out (the close box too).

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Failure_Entry_Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Failure_Entry_Dialog(QWidget* owner = nullptr);

    // Fields of a new mask: Level 1 "00", SRU "0", Fail "00", Indictment.
    void Prepare_Add();
    // Fields of an existing line.
    void Prepare_Modify(const QString& entry);

    QString Result() const { return result_; }

    static QString Add_Entry(QWidget* owner);
    static QString Modify_Entry(const QString& entry, QWidget* owner);

    QLineEdit* Control_Level1;
    QLineEdit* Control_SRUCode;
    QLineEdit* Control_FailCode;
    QComboBox* Control_Mask;
    QLabel* Level1_Label;
    QLabel* SRU_Label;
    QLabel* Failure_Label;
    QLabel* Mask_Label;
    QPushButton* OKButton;
    QPushButton* CancelButton;

public slots:
    void OKButton_Click();
    void CancelButton_Click();
    void reject() override;

private:
    QString Run();

    QString result_;
};
