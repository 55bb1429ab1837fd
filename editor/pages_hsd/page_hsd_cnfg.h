#pragma once
// The page "HSD Configuration Presets": the network side of the high-speed
// data service per SDU and Ethernet port. Every control is public under its
// item name; the user-partition code reads and writes them directly.
//
// Index conventions: per-SDU arrays index 0 = SDU 1, 1 = SDU 2; address
// arrays index 0 = first octet .. 3 = last; MAC arrays index 0 = first of six.
// Label arrays have gaps: an index without a label holds nullptr.

#include "editor/pages/page_frame.h"

#include <array>
#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace pages {
class Up_Down;
}

class Page_HSD_Cnfg : public Page_Frame {
    Q_OBJECT
public:
    using Octet_Boxes = std::array<QLineEdit*, 4>;
    using MAC_Boxes = std::array<QLineEdit*, 6>;
    using SDU_Edits = std::array<QLineEdit*, 2>;
    using SDU_Combos = std::array<QComboBox*, 2>;

    Page_HSD_Cnfg();

    void Write_Text_Output(QStringList& lines) override;
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;

    // Frames.
    QGroupBox* Frame_SDU1 = nullptr;
    QGroupBox* Frame_SDU2 = nullptr;
    std::array<QGroupBox*, 2> FrameIP1{};
    std::array<QGroupBox*, 2> FrameIP2{};

    // Labels (captions and tags as the items name them).
    std::array<QLabel*, 2> Label_User_L1{};
    std::array<QLabel*, 23> Label_User_L3{};
    std::array<QLabel*, 28> Label_User_L4{};
    std::array<QLabel*, 36> Label_HSD_U{}; // the "." between octet boxes

    // Items.
    QLineEdit* Control_62 = nullptr;
    pages::Up_Down* UpDown_62 = nullptr;
    QLineEdit* Control_64 = nullptr;
    pages::Up_Down* UpDown_64 = nullptr;
    QComboBox* Control_65 = nullptr;
    MAC_Boxes Control_68a{};
    MAC_Boxes Control_68b{};
    SDU_Edits Control_69{};
    QComboBox* Control_70 = nullptr;
    QComboBox* Control_71 = nullptr;
    Octet_Boxes Control_72a1{};
    Octet_Boxes Control_72a2{};
    Octet_Boxes Control_72b1{};
    Octet_Boxes Control_72b2{};
    Octet_Boxes Control_73a1{};
    Octet_Boxes Control_73a2{};
    Octet_Boxes Control_73b1{};
    Octet_Boxes Control_73b2{};
    Octet_Boxes Control_74a1{};
    Octet_Boxes Control_74a2{};
    Octet_Boxes Control_74b1{};
    Octet_Boxes Control_74b2{};
    Octet_Boxes Control_75{};
    QLineEdit* Control_76 = nullptr;
    pages::Up_Down* UpDown_76 = nullptr;
    SDU_Combos Control_79_1{};
    SDU_Combos Control_79_2{};
    SDU_Edits Control_81user{};
    SDU_Edits Control_81pass{};
    SDU_Edits Control_82a{}; // SDU 1: index 0 port 1, index 1 port 2
    SDU_Edits Control_82b{}; // SDU 2
    QComboBox* Control_84 = nullptr;
    SDU_Edits Control_85user{};
    SDU_Edits Control_85pass{};
    QComboBox* Control_88 = nullptr;
    SDU_Combos Control_98{};
    QComboBox* Control_100 = nullptr;

private:
    void Build_General_Items();
    void Build_SDU_Frame(int sdu);
    QGroupBox* Build_Port_Frame(int sdu, int port);
    void Bind_Fields();
    void Bind_Address_Check(Octet_Boxes& boxes, std::uint8_t (*default_octet)(std::int16_t),
                            const QString& title);

    // Item 72 addresses must differ.
    bool Compare_IP(const Octet_Boxes& a, const Octet_Boxes& b) const;
    bool Is_IP_Unique(const Octet_Boxes& address) const;
    QString Next_Free_IP_Octet() const;
    QString Check_IP_Octet(Octet_Boxes& boxes, int index, const QString& text,
                           std::uint8_t (*default_octet)(std::int16_t), const QString& title);
    // The two PPPoE names must differ.
    QString Check_PPPoE_Name(int index, const QString& text);
};
