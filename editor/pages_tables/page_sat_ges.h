#pragma once
// "GES and Satellite Data": the satellite table, the GES table and four
// handover and recovery items of the user partition. The tables live in two
// list boxes as fixed-column lines (ges_line.h, sat_row.h); the user
// partition code fills and reads them, this page edits, sorts and reports
// them.

#include "editor/pages/page_frame.h"
#include "editor/pages_tables/ges_line.h"
#include "editor/pages_tables/sat_row.h"

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Sat_Table_Dialog;

namespace pages {
class Up_Down;
}

class Page_Sat_GES : public Page_Frame {
    Q_OBJECT
public:
    static constexpr int SAT_TABLE_MAX = 16;
    static constexpr int GES_TABLE_MAX = ges::GES_TABLE_MAX;

    Page_Sat_GES();
    ~Page_Sat_GES() override;

    void Setup_ToolTips(int mode) override;
    void Write_Text_Output(QStringList& lines) override;
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;

    // Empties both tables; run before an ORT is opened, created or converted,
    // since loading adds lines at the end.
    void Clear_Lists();

    // The GES table sorted by satellite in the direction of its button's Tag
    // (the Tag then reverses), and sorted ascending by the whole line without
    // touching the Tag (before every save).
    void Control_02_Sort_Sat_Click();
    void Control_02_Sort_Sat_Ascending();
    // The satellite table sorted by column index (0 to 4).
    void cmdSatTableSort_Click(int index);

    // What "Update Tables" runs after the user agreed: the merge of the
    // factory satellite and GES lines, which belongs to the document code.
    void Set_Update_Tables_Action(std::function<void()> action) { update_tables_ = std::move(action); }

    // Sizes each list to the columns of its lines, under the sort buttons
    // that head them: the GES list to its whole line, the satellite list to
    // the first sat_columns columns (1 to 5) of its line.
    void Fit_Tables(int sat_columns);

    // The satellite dialog of this page; it lives as long as the page.
    Sat_Table_Dialog* Sat_Dialog();

    // Button handlers.
    void Control_02_Add_Click();
    void Control_02_Edit_Click();
    void Control_02_Delete_Click();
    void Control_02_Sort_GES_Click();
    void Control_02_Sort_Pref_Click();
    void Control_02_Sort_GES_Name_Click();
    void Control_03_Add_Click();
    void Control_03_Edit_Click();
    void Control_03_Delete_Click();
    void Control_2_3_Reset_Click();

    // Controls.
    QGroupBox* Frame_GES;
    QListWidget* Control_02;
    QGroupBox* Frame_Sat;
    QListWidget* Control_03;
    QGroupBox* Frame_92;
    std::array<QComboBox*, 3> Control_92{};
    QComboBox* Control_93;
    QLineEdit* Control_94;
    pages::Up_Down* UpDown_94;
    QLineEdit* Control_108;
    pages::Up_Down* UpDown_108;
    // Elements 9, 10, 11, 20, 21, 22, 31 and 32 exist; the others are null.
    std::array<QLabel*, 33> Label_User_L4{};

    QPushButton* Control_02_Add;
    QPushButton* Control_02_Edit;
    QPushButton* Control_02_Delete;
    QPushButton* Control_02_Sort_Sat;
    QPushButton* Control_02_Sort_GES;
    QPushButton* Control_02_Sort_Pref;
    QPushButton* Control_02_Sort_GES_Name;
    QPushButton* Control_2_3_Reset;
    QPushButton* Control_03_Add;
    QPushButton* Control_03_Edit;
    QPushButton* Control_03_Delete;
    std::array<QPushButton*, modSat_Table_Dialog::SAT_COLUMN_COUNT> cmdSatTableSort{};

private:
    void Build_GES_Frame();
    void Build_Sat_Frame();
    void Build_Items();
    void Sort_GES(QPushButton* button, ges::GES_Sort column);
    // mode 1 adds, mode 2 replaces the selected line.
    void Store_GES_Entry(const QString& entry, int mode);
    void Store_Sat_Entry(const modSat_Table_Dialog::Sat_Row& row, int mode);
    QString Sat_Choices() const;

    Sat_Table_Dialog* sat_dialog_ = nullptr;
    std::function<void()> update_tables_;
};
