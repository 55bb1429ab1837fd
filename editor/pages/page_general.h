#pragma once

#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <array>

// The page "General Presets": the general secured and user items and the
// PSID supplementary-frequency table (item 78).
class Page_General : public Page_Frame {
    Q_OBJECT
public:
    Page_General();

    void Setup_ToolTips(int mode) override;
    void Write_Text_Output(QStringList& lines) override;
    // The PSID table section (printed under the caption of Frame_PsidSupFreq).
    void Write_Text_Output_PSID(QStringList& lines) const;

    // The PSID list commands.
    void Control_78_Add_Click();
    void Control_78_Edit_Click();
    void Control_78_Delete_Click();
    // mode 1 adds the compact row, mode 2 replaces the selected row with it;
    // an empty row (a cancelled dialog) does nothing.
    void Add_Or_Replace_PSID_Row(const QString& compact, int mode);

    // --- Frame_Secured -------------------------------------------------------
    // Members 0 to 6 and 8 to 12; there is no member 7 (nullptr).
    std::array<QLabel*, 13> Label_Sec_L0{};
    std::array<QLabel*, 1> Label_Sec_L1{};
    QComboBox* Control_01;
    QComboBox* Control_18;
    QLineEdit* Control_30;
    pages::Up_Down* UpDown_30;
    QLineEdit* Control_47a;
    pages::Up_Down* UpDown_47a;
    QLineEdit* Control_47b;
    pages::Up_Down* UpDown_47b;
    QComboBox* Control_52;
    QComboBox* Control_54;
    QComboBox* Control_60;
    std::array<QGroupBox*, 1> Frame_SDU1{};
    QGroupBox* Frame_SDU2;
    QComboBox* Control_27a;
    QComboBox* Control_27b;
    QLineEdit* Control_51a;
    QLineEdit* Control_51b;

    // --- Frame_User ----------------------------------------------------------
    std::array<QLabel*, 7> Label_General_U{};
    QComboBox* Control_04;
    QLineEdit* Control_34;
    QComboBox* Control_40a;
    QComboBox* Control_40b;
    QComboBox* Control_58;
    QComboBox* Control_61;
    QGroupBox* Frame_PsidSupFreq;
    QListWidget* Control_78;
    QPushButton* Control_78_Add;
    QPushButton* Control_78_Edit;
    QPushButton* Control_78_Delete;
    QPushButton* Control_78_Sort_Sat;
    QPushButton* Control_78_Sort_Table_Revision;
    QPushButton* Control_78_Sort_PSID1;
    QPushButton* Control_78_Sort_PSID2;

private:
    void Build_Secured();
    void Build_User();
    void Build_PSID_Table();

};
