#pragma once
// "GES Information": the modal dialog in which one GES table entry is added
// or edited. It returns the compact entry (see ges_line.h) built by OK, or
// the empty text for Cancel and for any other way out (the close box too).

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class GES_Table_Dialog : public QDialog {
    Q_OBJECT
public:
    explicit GES_Table_Dialog(QWidget* owner = nullptr);

    // Fills the satellite choices (10-character items joined without
    // separator) and selects the first.
    void Set_Sat_Choices(const QString& sat_choices);
    // Prepares an empty entry: first satellite, no GES ID, preference 1, no name.
    void Prepare_Add(const QString& sat_choices);
    // Prepares the entry of a GES line; a satellite that is not among the
    // choices leaves the first one selected.
    void Prepare_Edit(const QString& entry, const QString& sat_choices);

    // What OK (or the last showing) produced; empty after Cancel.
    QString Result() const { return result_; }

    // The modal functions: the compact entry, or empty when cancelled.
    // Add_GES refuses with a box when there is no satellite to choose.
    static QString Add_GES(const QString& sat_choices, QWidget* owner);
    static QString Edit_GES(const QString& entry, const QString& sat_choices, QWidget* owner);

    QComboBox* Control_Sat_ID;
    QLineEdit* Control_GES_Id;
    QComboBox* Control_Preference;
    QLineEdit* Control_GES_Name;
    QLabel* Label_SAT_ID;
    QLabel* Label_GES_ID;
    QLabel* Label_Preference;
    QLabel* Label_GES_Name;
    QPushButton* OKButton;
    QPushButton* CancelButton;

public slots:
    void OKButton_Click();
    void CancelButton_Click();
    // The close box and Escape are Cancel.
    void reject() override;

private:
    QString Run();

    QString result_;
};
