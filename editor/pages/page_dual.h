#pragma once
// The page "Dual Presets": the items of an installation with two SATCOM
// systems. Secured: the cockpit channel interface type (item 48), the
// presentation of the "Disable/Re-enable Other SATCOM" SCDU prompts (item 50)
// and the access to zero-preference GESs (item 56). User: the six weightings
// of the mastery handover algorithm (item 49). The items are single values:
// the page has no SDU columns and ignores Dual.
//
// The controls are public: the partition code reads and writes them by name.
// Each spin button keeps its current value in its dynamic property "Value".

#include "editor/pages/page_frame.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace pages {
class Up_Down;
}

class Page_Dual : public Page_Frame {
    Q_OBJECT
public:
    Page_Dual();

    void Setup_ToolTips(int mode) override;
    void Write_Text_Output(QStringList& lines) override;
    void Dual(bool bDual) override;

    QComboBox* Control_48 = nullptr; // "Fixed", "Shared"
    QComboBox* Control_50 = nullptr; // "Presented", "Suppressed"
    QComboBox* Control_56 = nullptr; // "Disallowed", "Allowed"
    // Item 49: whole numbers 0 to 99, element i beside Label_User_L0(i + 1).
    std::array<QLineEdit*, 6> Control_49{};
    std::array<pages::Up_Down*, 6> UpDown_49{};

    std::array<QLabel*, 3> Label_Sec_L0{};
    std::array<QLabel*, 7> Label_User_L0{};

private:
    void Build_Secured();
    void Build_User();

};
