#pragma once
// The page "Cockpit Comm Presets": the cockpit voice items. Secured: SCDU
// telephone-number preselect (31), ACP call initiation (32), air-to-ground
// chime (42), SCDU call prompts (43), the three cockpit audio levels (46) and
// per SDU the dedication of the two codecs (6). User: headset resources (7),
// camp-on duration and timeout action (14, 15), ground-to-air preemption
// (19), preferred call routing (20), headset call barring (35), headset
// transit calls (36) and WSC manual dialing (63).
//
// Items 31 and 32 must not be "Disabled" with "Main Menu": leaving either
// combo box corrects the other one, and ValidateControls checks the pair as
// well, so that a forbidden pair is never saved unnoticed.
//
// The controls are public: the partition code reads and writes them by name.
// Each spin button keeps its current value in its dynamic property "Value".

#include "editor/pages/page_frame.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace pages {
class Up_Down;
}

class Page_Cockpit_Voice : public Page_Frame {
    Q_OBJECT
public:
    Page_Cockpit_Voice();

    void Setup_ToolTips(int mode) override;
    void Write_Text_Output(QStringList& lines) override;
    void Dual(bool bDual) override;
    // Validates the focused field, then (while the secured partition is
    // shown) corrects a forbidden pair of items 31 and 32 with its box.
    bool ValidateControls() override;

    // Secured items.
    QComboBox* Control_31 = nullptr;
    QComboBox* Control_32 = nullptr;
    QComboBox* Control_42 = nullptr;
    QComboBox* Control_43 = nullptr;
    QLineEdit* Control_46a = nullptr; // microphone
    QLineEdit* Control_46b = nullptr; // sidetone
    QLineEdit* Control_46c = nullptr; // receive audio
    pages::Up_Down* UpDown_46a = nullptr;
    pages::Up_Down* UpDown_46b = nullptr;
    pages::Up_Down* UpDown_46c = nullptr;
    // Item 6: codec 1 (a) and codec 2 (b) dedication, SDU 1 and SDU 2.
    QComboBox* Control_06a1 = nullptr;
    QComboBox* Control_06b1 = nullptr;
    QComboBox* Control_06a2 = nullptr;
    QComboBox* Control_06b2 = nullptr;
    QGroupBox* Frame_SDU1 = nullptr;
    QGroupBox* Frame_SDU2 = nullptr;

    // User items.
    QComboBox* Control_07 = nullptr;
    QComboBox* Control_14 = nullptr;
    QComboBox* Control_15 = nullptr;
    QComboBox* Control_19a = nullptr; // priority 2
    QComboBox* Control_19b = nullptr; // priority 3
    QComboBox* Control_20 = nullptr;
    QComboBox* Control_35 = nullptr;
    QComboBox* Control_36 = nullptr;
    QComboBox* Control_63 = nullptr;

    std::array<QLabel*, 10> Label_Sec_L0{};
    std::array<QLabel*, 9> Label_User_L0{};
    std::array<QLabel*, 1> Label_User_L2{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Leaving { Item_31, Item_32 };

    void Build_Labels_And_Combos();
    void Build_Secured();
    void Build_User();
    void Bind_Levels();
    void Bind_Hints();
    // The pairing rule: the item being left keeps its value, the other one
    // of a forbidden pair is corrected after a box.
    void Check_Pairing(Leaving leaving);

    bool checking_pair_ = false;
};
