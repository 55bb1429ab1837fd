#pragma once
// The page "Power Control Presets": the secured items of the transmit power
// control (items 22, 28, 29, 39, 44 and 57). Every item belongs to the
// secured partition; items 28 and 29 have one column per SDU.
//
// The controls are public: the secured partition code reads and writes them
// by name. Each spin button keeps its current value in its dynamic property
// "Value" (the field's whole number; tenths for item 29).

#include "editor/pages/page_frame.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace pages {
class Up_Down;
}

class Page_Power : public Page_Frame {
    Q_OBJECT
public:
    Page_Power();

    void Setup_ToolTips(int mode) override;
    void Write_Text_Output(QStringList& lines) override;
    void SetVisiblity(bool bSecured, bool bUser) override;

    // Item 22: transmit gain thresholds, whole numbers 0 to 31.
    QLineEdit* Control_22a = nullptr; // HGA only
    QLineEdit* Control_22b = nullptr; // IGA only
    pages::Up_Down* UpDown_22a = nullptr;
    pages::Up_Down* UpDown_22b = nullptr;
    // Item 39: elevation handover threshold, 0 to 90 degrees.
    QLineEdit* Control_39 = nullptr;
    pages::Up_Down* UpDown_39 = nullptr;
    // Item 44: "Priority 1" to "Priority 4", item data 15, 12, 10, 9.
    QComboBox* Control_44 = nullptr;
    // Item 57: L-band reference offset calibration thresholds, 0 to 65535.
    QLineEdit* Control_57a = nullptr; // with IRS
    QLineEdit* Control_57b = nullptr; // without IRS
    pages::Up_Down* UpDown_57a = nullptr;
    pages::Up_Down* UpDown_57b = nullptr;
    // Item 28: default HPA backoff limits per SDU (a Class C, b Linear), 0 to 31.
    QLineEdit* Control_28a1 = nullptr;
    QLineEdit* Control_28a2 = nullptr;
    QLineEdit* Control_28b1 = nullptr;
    QLineEdit* Control_28b2 = nullptr;
    pages::Up_Down* UpDown_28a1 = nullptr;
    pages::Up_Down* UpDown_28a2 = nullptr;
    pages::Up_Down* UpDown_28b1 = nullptr;
    pages::Up_Down* UpDown_28b2 = nullptr;
    // Item 29: HPA minimum reportable output per SDU, -12.0 to 19.0 with one
    // decimal; the spin buttons count tenths.
    QLineEdit* Control_29a1 = nullptr;
    QLineEdit* Control_29a2 = nullptr;
    QLineEdit* Control_29b1 = nullptr;
    QLineEdit* Control_29b2 = nullptr;
    pages::Up_Down* UpDown_29a1 = nullptr;
    pages::Up_Down* UpDown_29a2 = nullptr;
    pages::Up_Down* UpDown_29b1 = nullptr;
    pages::Up_Down* UpDown_29b2 = nullptr;

    // Item, value and unit labels, Label_Sec_L0(0) to Label_Sec_L0(26).
    std::array<QLabel*, 27> Label_Sec_L0{};
    // The SDU columns of items 28 and 29.
    QGroupBox* Frame_SDU1 = nullptr;
    QGroupBox* Frame_SDU2 = nullptr;

private:
    void Build_Upper_Items();
    void Build_SDU_Items();
    void Bind_Fields();
};
