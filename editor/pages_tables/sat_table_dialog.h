#pragma once
// "Satellite Information": the modal dialog in which one satellite of the
// satellite table is added or edited. The satellite page owns one instance
// for the whole run (the code that loads an ORT shows or hides its frames);
// the fields are set afresh before every showing. OK keeps what the fields
// hold; Cancel, Escape and the close box empty the Sat ID and name, so the
// row read back has no name and the page stores nothing.

#include "editor/pages_tables/sat_row.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pages {
class Up_Down;
}

class Sat_Table_Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Sat_Table_Dialog(QWidget* owner = nullptr);

    // Empty fields for a new satellite.
    void Clear_Fields();
    // The fields of an existing satellite.
    void Load_Row(const modSat_Table_Dialog::Sat_Row& row);
    // The row the fields hold now.
    modSat_Table_Dialog::Sat_Row Read_Row() const;

    // The spin button's value in tenths of a degree (-1800 to 1795).
    int Longitude_Tenths() const { return lng_tenths_; }
    void Set_Longitude_Tenths(int tenths);

    QLineEdit* Control_Sat_ID;
    QLineEdit* Control_Sat_Name;
    QGroupBox* Frame_91;
    QComboBox* Control_91;
    QGroupBox* Frame_95;
    std::array<QCheckBox*, modSat_Table_Dialog::SAT_SERVICE_COUNT> Control_95_Srv{};
    QLineEdit* Control_95_Lng;
    pages::Up_Down* UpDown_95_Lng;
    QLabel* Label_Sat_ID;
    QLabel* Label_Sat_Name;
    QLabel* Label_91;
    std::array<QLabel*, 3> Label_95{};
    QLabel* Label1;
    QPushButton* OKButton;
    QPushButton* CancelButton;

public slots:
    void OKButton_Click();
    void CancelButton_Click();
    void reject() override;

private:
    QString Check_Longitude(const QString& text, bool& cancel);

    int lng_tenths_ = 0;
};

namespace modSat_Table_Dialog {

// Shows the empty dialog for a new satellite and reads the result into row.
void Sat_Dialog_To_Row(Sat_Table_Dialog& dialog, Sat_Row& row);
// Shows the dialog with row in its fields and reads the result back into row.
void Sat_Row_To_Dialog(Sat_Table_Dialog& dialog, Sat_Row& row);

} // namespace modSat_Table_Dialog
