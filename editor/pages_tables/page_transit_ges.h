#pragma once
// "Auto Transit Call GES Table": item 41 of the secured partition, a grid of
// 44 cells (eleven call types by four satellites), each a button whose
// caption is the cell's GES identifier in octal. Clicking a cell edits it in
// Transit_GES_Dialog.

#include "editor/pages/page_frame.h"
#include "editor/pages_tables/transit_ges_cell.h"

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;

class Page_Transit_GES : public Page_Frame {
    Q_OBJECT
public:
    Page_Transit_GES();

    void Setup_ToolTips(int mode) override;
    void Write_Text_Output(QStringList& lines) override;
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;

    // The selected cell's value and title, read and written by the dialog.
    void Set_Sel_GES(std::int16_t value) { sel_value_ = value; }
    std::int16_t Get_Sel_GES() const { return sel_value_; }
    QString Get_41_Title() const { return sel_title_; }

    // A click on cell index (0 to 43): edits the cell in the dialog.
    void Control_41_Click(int index);
    // Asks, then sets every cell to "377".
    void Control_41_Reset_Click();

    std::array<QPushButton*, transit::TRANSIT_CELLS> Control_41{};
    std::array<QLabel*, transit::TRANSIT_ROWS> Static_Label_Zone{};
    std::array<QLabel*, transit::TRANSIT_COLUMNS> Label_Static{};
    QPushButton* Control_41_Reset;

private:
    std::int16_t sel_value_ = 0;
    QString sel_title_;
};
