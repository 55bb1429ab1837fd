#pragma once
// The page "HSD SwiftBroadband Service Presets": the packet-data service
// items of the user partition. Every control is public under its item name.
// Label arrays have gaps: an index without a label holds nullptr.

#include "editor/pages/page_frame.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace pages {
class Up_Down;
}

class Page_HSD_SBB : public Page_Frame {
    Q_OBJECT
public:
    Page_HSD_SBB();

    void Write_Text_Output(QStringList& lines) override;
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;

    QGroupBox* Frame_BGAN = nullptr;
    QGroupBox* Frame_SDU1 = nullptr;
    QGroupBox* Frame_SDU2 = nullptr;

    std::array<QLabel*, 19> Label_User_L3{};
    std::array<QLabel*, 31> Label_User_L4{};

    QComboBox* Control_77a = nullptr;
    // 0 maximum down, 1 maximum up, 2 guaranteed down, 3 guaranteed up
    std::array<QLineEdit*, 4> Control_77b{};
    QLineEdit* Control_80 = nullptr;
    std::array<QComboBox*, 2> Control_89{};
    QLineEdit* Control_90pac = nullptr;
    pages::Up_Down* UpDown_90pac = nullptr;
    QLineEdit* Control_90per = nullptr;
    pages::Up_Down* UpDown_90per = nullptr;
    QComboBox* Control_96 = nullptr;
    QComboBox* Control_97 = nullptr;
    QComboBox* Control_99 = nullptr;
    QComboBox* Control_101 = nullptr;
    QLineEdit* Control_102 = nullptr;
    pages::Up_Down* UpDown_102 = nullptr;

private:
    void Build_Controls();
    void Build_Layout();
    void Bind_Fields();
};
