#pragma once

#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "editor/pages/pimbit_defaults.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <array>

// The page "PIMBIT Presets": the PIM/BIT thresholds and antenna beam items
// 103 to 107 of user partitions with feature level 5 and above.
class Page_PIMBIT : public Page_Frame {
    Q_OBJECT
public:
    Page_PIMBIT();

    void Write_Text_Output(QStringList& lines) override;
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;

    // The value a spin button holds: the whole number of its field after the
    // last check or click; for the elevations the field in tenths of a
    // degree, rounded to the half degree the record holds.
    static int Spin_Value(const pages::Up_Down* spin);
    static void Set_Spin_Value(pages::Up_Down* spin, int value);

    // An elevation in degrees rounded to the nearest half degree, in tenths
    // (12.3 gives 125).
    static int Elevation_Tenths(double degrees);

    QGroupBox* Frame_103;
    std::array<QLineEdit*, User_Mod::COUNT_103> Control_103{};
    std::array<pages::Up_Down*, User_Mod::COUNT_103> UpDown_103{};
    std::array<QLabel*, 8> Label_User_L5_103{}; // 0-6 the orders, 7 the heading

    QGroupBox* Frame_104;
    std::array<QComboBox*, User_Mod::COUNT_104> Control_104{};
    std::array<QLabel*, User_Mod::COUNT_104> Label_User_L5_104{};

    QGroupBox* Frame_105;
    std::array<QLineEdit*, User_Mod::COUNT_105> Control_105{};
    std::array<pages::Up_Down*, User_Mod::COUNT_105> UpDown_105{};
    std::array<QLabel*, 9> Label_User_L5_105{}; // 0-3 A to D, 4-8 explanations

    QGroupBox* Frame_106;
    std::array<QLineEdit*, User_Mod::COUNT_106_AZ> Control_106_Az{};
    std::array<pages::Up_Down*, User_Mod::COUNT_106_AZ> UpDown_106_Az{};
    std::array<QLabel*, User_Mod::COUNT_106_AZ> Label_User_L5_106_Az{};
    std::array<QLineEdit*, User_Mod::COUNT_106_EL> Control_106_El{};
    std::array<pages::Up_Down*, User_Mod::COUNT_106_EL> UpDown_106_El{};
    std::array<QLabel*, User_Mod::COUNT_106_EL> Label_User_L5_106_El{};

    QLabel* Label_User_L5_107;
    QLineEdit* Control_107;
    pages::Up_Down* UpDown_107;

private:
    void Build_103();
    void Build_104();
    void Build_105();
    void Build_106();
    void Build_107();
};
