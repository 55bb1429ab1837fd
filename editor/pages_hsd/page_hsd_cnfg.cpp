#include "editor/pages_hsd/page_hsd_cnfg.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/core/validation.h"
#include "editor/core/value_helpers.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages_hsd/hsd_defaults.h"
#include "editor/pages_hsd/hsd_field_helpers.h"
#include "platform/message_service.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// Free-text fields hold at most 15 characters.
constexpr int NAME_LENGTH = 15;

using core::Item_Fact_Id;

constexpr const core::Item_Fact& ITEM_62 = core::Fact(Item_Fact_Id::Item_62);
constexpr const core::Item_Fact& ITEM_64 = core::Fact(Item_Fact_Id::Item_64);
constexpr const core::Item_Fact& MAC_OCTET = core::Fact(Item_Fact_Id::Item_68);
constexpr const core::Item_Fact& IP_OCTET = core::Fact(Item_Fact_Id::Item_72_75);
constexpr const core::Item_Fact& ITEM_76 = core::Fact(Item_Fact_Id::Item_76);

const char* const MSG_IP_UNIQUE = "IP Addresses must be unique, Setting to next available address";
const char* const MSG_IP_COLLISION = "IP Address collision ERROR";
const char* const MSG_PPPOE_SAME =
    "PPPoE AC Name for SDU1 must not be the same as PPPoE AC Name for SDU2, Setting to Defaults";
const char* const DEFAULT_PPPOE_1 = "DataIO";
const char* const DEFAULT_PPPOE_2 = "DataIO-2";

Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_HSD_Cnfg");
    setup.Caption = QStringLiteral("HSD Configuration Presets");
    setup.User_Caption = QStringLiteral("HSD Configuration User Options");
    return setup;
}

using pages::Label_Row;

// The item labels, array by array.
constexpr Label_Row LABELS_L1[] = {
    {0, ITEM_62.Title, "Item 62"},
    {1, "dBW", nullptr},
};
constexpr Label_Row LABELS_L3[] = {
    {0, ITEM_64.Title, "Item 64"},
    {1, "dBW", nullptr},
    {2, "HSD Registration Preference", "Item 65"},
    {4, "DHCP Address", "Item 75"},
    {5, ".", nullptr},
    {6, ".", nullptr},
    {7, ".", nullptr},
    {8, "MAC Address 1", "Item 68"},
    {9, "MAC Address 2", "Item 68"},
    {10, "Telnet Access", "Item 70"},
    {11, "DHCP Server Access", "Item 71"},
    {12, ITEM_76.Title, "Item 76"},
    {19, "IP Address", "Item 72"},
    {20, "Subnet Mask", "Item 73"},
    {21, "Default Gateway", "Item 74"},
    {22, "PPPoE AC Name", "Item 69"},
};
constexpr Label_Row LABELS_L4[] = {
    {0, "DHCP Client 2", "Item 79"},
    {1, "DHCP Client 1", "Item 79"},
    {2, "TFTP Software Upload", "Item 84"},
    {4, "TELNET", "Item 81"},
    {5, "Username", "Item 81"},
    {6, "Password", "Item 81"},
    {7, "Port Host Name", "Item 82"},
    {8, "MIB Self-Test", "Item 88"},
    {16, "CHAP/ PAP", "Item 85"},
    {17, "Username", "Item 85"},
    {18, "Password", "Item 85"},
    {23, "Ethernet Duplex Mode", "Item 98"},
    {27, "HSD Channel Preemption Preference", "Item 100"},
};

const QStringList ALLOWED = {QStringLiteral("Disallowed"), QStringLiteral("Allowed")};
const QStringList ENABLED = {QStringLiteral("Disabled"), QStringLiteral("Enabled")};

QStringList Duplex_Entries()
{
    return {QStringLiteral("Port 1: Half Duplex, Port 2: Half Duplex"),
            QStringLiteral("Port 1: Full Duplex,  Port 2: Half Duplex"),
            QStringLiteral("Port 1: Half Duplex, Port 2: Full Duplex"),
            QStringLiteral("Port 1: Full Duplex,  Port 2: Full Duplex")};
}

// The words before the position of a box in a row of boxes: an address
// octet, a MAC address byte.
const char* const OCTET_POSITION = "Part";
const char* const BYTE_POSITION = "Byte";

// The check of an address octet whose default is the octet of a default
// address (items 73 and 75).
pages::Field_Check Octet_Check(std::uint8_t default_octet, pages::Title_Source title)
{
    return pages::Real_Check(0, QString::number(default_octet), IP_OCTET.Minimum, IP_OCTET.Maximum,
                             std::move(title));
}

// The text of an address or MAC address whose every box holds the row's
// default ("0.0.0.0", "00-00-00-00-00-00").
QString All_Defaults(const core::Item_Fact& fact, int boxes, const QString& separator)
{
    return QStringList(boxes, core::Default_Text(fact)).join(separator);
}

// Sizes each box of a row to its text and lets the row's label name it,
// followed by the column heading (when not empty) and the box's position
// ("Part 1", "Byte 6").
template <std::size_t N>
void Fit_And_Name_Boxes(QLabel* label, const std::array<QLineEdit*, N>& boxes, const QString& heading,
                        const char* position)
{
    for (std::size_t i = 0; i < N; ++i) {
        pages::Fit_To_Length(boxes[i], boxes[i]->maxLength());
        QString name = QString::fromLatin1(position) + QLatin1Char(' ') + QString::number(i + 1);
        if (!heading.isEmpty())
            name = heading + QLatin1Char(' ') + name;
        pages::Label_Field(label, boxes[i], name);
    }
}

// "Default: " and the address whose octets give the default of each box.
QString Address_Tip(std::uint8_t (*default_octet)(std::int16_t))
{
    QStringList octets;
    for (std::int16_t i = 0; i < 4; ++i)
        octets << QString::number(default_octet(i));
    return QStringLiteral("Default: ") + octets.join(QLatin1Char('.'));
}

template <std::size_t N>
void Set_Tips(const std::array<QLineEdit*, N>& boxes, const QString& tip)
{
    for (QLineEdit* box : boxes)
        box->setToolTip(tip);
}

} // namespace

Page_HSD_Cnfg::Page_HSD_Cnfg() : Page_Frame(Setup())
{
    pages::Make_Labels(Label_User_L1, QStringLiteral("Label_User_L1"), LABELS_L1);
    pages::Make_Labels(Label_User_L3, QStringLiteral("Label_User_L3"), LABELS_L3);
    pages::Make_Labels(Label_User_L4, QStringLiteral("Label_User_L4"), LABELS_L4);
    Build_General_Items();
    auto* columns = new QHBoxLayout;
    Build_SDU_Frame(0);
    Build_SDU_Frame(1);
    columns->addWidget(Frame_SDU1, 0, Qt::AlignTop);
    columns->addWidget(Frame_SDU2, 0, Qt::AlignTop);
    columns->addStretch(1);
    User_Items()->addLayout(columns);
    Bind_Fields();
}

void Page_HSD_Cnfg::Build_General_Items()
{
    Control_62 = pages::Make_Edit(QStringLiteral("Control_62"), 0);
    UpDown_62 = pages::Make_Spin(QStringLiteral("UpDown_62"));
    Control_64 = pages::Make_Edit(QStringLiteral("Control_64"), 0);
    UpDown_64 = pages::Make_Spin(QStringLiteral("UpDown_64"));
    Control_65 = hsd::Make_Combo(QStringLiteral("Control_65"),
                                 {QStringLiteral("Automatic"), QStringLiteral("Swift64 Only"),
                                  QStringLiteral("BGAN Only")});
    for (int i = 0; i < 6; ++i) {
        Control_68a[i] = pages::Make_Edit(Array_Name(QStringLiteral("Control_68a"), i), core::Text_Length(MAC_OCTET));
        Control_68b[i] = pages::Make_Edit(Array_Name(QStringLiteral("Control_68b"), i), core::Text_Length(MAC_OCTET));
    }
    Control_70 = hsd::Make_Combo(QStringLiteral("Control_70"), ALLOWED);
    Control_71 = hsd::Make_Combo(QStringLiteral("Control_71"), ALLOWED);
    for (int i = 0; i < 4; ++i)
        Control_75[i] = pages::Make_Edit(Array_Name(QStringLiteral("Control_75"), i), core::Text_Length(IP_OCTET));
    Control_76 = pages::Make_Edit(QStringLiteral("Control_76"), 0);
    UpDown_76 = pages::Make_Spin(QStringLiteral("UpDown_76"));
    Control_84 = hsd::Make_Combo(QStringLiteral("Control_84"), ENABLED);
    Control_88 = hsd::Make_Combo(QStringLiteral("Control_88"), ALLOWED);
    Control_100 = hsd::Make_Combo(QStringLiteral("Control_100"),
                                  {QStringLiteral("Any Channel"), QStringLiteral("HSD Channel Card 1"),
                                   QStringLiteral("HSD Channel Card 2")});

    // Numbers are as wide as their widest value.
    pages::Fit_To_Length(Control_62, core::Text_Length(ITEM_62));
    pages::Fit_To_Length(Control_64, core::Text_Length(ITEM_64));
    pages::Fit_To_Length(Control_76, core::Text_Length(ITEM_76));

    auto* grid = new QGridLayout;
    int row = 0;
    auto value_row = [&](QLabel* label, QWidget* control, pages::Up_Down* spin, QLabel* unit) {
        hsd::Add_Field_Row(grid, row++, label, control, spin, unit);
    };
    auto boxes_row = [&](QLabel* label, const auto& boxes, const char* position,
                         const std::array<QLabel*, 3>& dots) {
        Fit_And_Name_Boxes(label, boxes, QString(), position);
        grid->addWidget(label, row, 0);
        auto* cell = new QHBoxLayout;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            cell->addWidget(boxes[i]);
            if (i < dots.size() && dots[i] && i + 1 < boxes.size())
                cell->addWidget(dots[i]);
        }
        cell->addStretch(1);
        grid->addLayout(cell, row, 1);
        ++row;
    };
    const std::array<QLabel*, 3> no_dots{};
    const std::array<QLabel*, 3> dhcp_dots{Label_User_L3[5], Label_User_L3[6], Label_User_L3[7]};
    value_row(Label_User_L1[0], Control_62, UpDown_62, Label_User_L1[1]);
    value_row(Label_User_L3[0], Control_64, UpDown_64, Label_User_L3[1]);
    value_row(Label_User_L3[2], Control_65, nullptr, nullptr);
    boxes_row(Label_User_L3[4], Control_75, OCTET_POSITION, dhcp_dots);
    boxes_row(Label_User_L3[8], Control_68a, BYTE_POSITION, no_dots);
    boxes_row(Label_User_L3[9], Control_68b, BYTE_POSITION, no_dots);
    value_row(Label_User_L3[10], Control_70, nullptr, nullptr);
    value_row(Label_User_L3[11], Control_71, nullptr, nullptr);
    value_row(Label_User_L3[12], Control_76, UpDown_76, nullptr);
    value_row(Label_User_L4[2], Control_84, nullptr, nullptr);
    value_row(Label_User_L4[8], Control_88, nullptr, nullptr);
    value_row(Label_User_L4[27], Control_100, nullptr, nullptr);
    grid->setColumnStretch(2, 1);
    User_Items()->addLayout(grid);
}

QGroupBox* Page_HSD_Cnfg::Build_Port_Frame(int sdu, int port)
{
    const QString sdu_letter = sdu == 0 ? QStringLiteral("a") : QStringLiteral("b");
    const QString port_digit = QString::number(port);
    const QString frame_name = port == 1 ? QStringLiteral("FrameIP1") : QStringLiteral("FrameIP2");
    QGroupBox* frame = pages::Make_Group(Array_Name(frame_name, sdu), QStringLiteral("Port ") + port_digit);
    auto* grid = new QGridLayout(frame);
    // Each field is named by its row and the SDU and port it belongs to.
    const QString heading = (sdu == 0 ? Frame_SDU1 : Frame_SDU2)->title() + QLatin1Char(' ') + frame->title();

    const struct {
        int item;
        QLabel* named; // the item label where it sits in this frame
    } rows[] = {
        {72, Label_User_L3[19]},
        {73, Label_User_L3[20]},
        {74, Label_User_L3[21]},
    };
    // The item labels sit in the first port frame; the others repeat their
    // captions.
    const bool first_frame = sdu == 0 && port == 1;
    // Separator labels: 9 per frame, frames in the order SDU 1 port 1, SDU 1
    // port 2, SDU 2 port 1, SDU 2 port 2.
    int dot = (sdu * 2 + (port - 1)) * 9;
    int row = 0;
    for (const auto& r : rows) {
        const QString name = QStringLiteral("Control_") + QString::number(r.item) + sdu_letter
                             + port_digit;
        Octet_Boxes boxes{};
        auto* cell = new QHBoxLayout;
        for (int i = 0; i < 4; ++i) {
            boxes[i] = pages::Make_Edit(Array_Name(name, i), core::Text_Length(IP_OCTET));
            cell->addWidget(boxes[i]);
            if (i < 3) {
                auto* label = new QLabel(QStringLiteral("."));
                label->setObjectName(Array_Name(QStringLiteral("Label_HSD_U"), dot));
                Label_HSD_U[static_cast<std::size_t>(dot++)] = label;
                cell->addWidget(label);
            }
        }
        cell->addStretch(1);
        QLabel* caption = first_frame ? r.named : new QLabel(r.named->text());
        Fit_And_Name_Boxes(caption, boxes, heading, OCTET_POSITION);
        grid->addWidget(caption, row, 0);
        grid->addLayout(cell, row, 1);
        ++row;

        Octet_Boxes* target = nullptr;
        if (r.item == 72)
            target = sdu == 0 ? (port == 1 ? &Control_72a1 : &Control_72a2)
                              : (port == 1 ? &Control_72b1 : &Control_72b2);
        else if (r.item == 73)
            target = sdu == 0 ? (port == 1 ? &Control_73a1 : &Control_73a2)
                              : (port == 1 ? &Control_73b1 : &Control_73b2);
        else
            target = sdu == 0 ? (port == 1 ? &Control_74a1 : &Control_74a2)
                              : (port == 1 ? &Control_74b1 : &Control_74b2);
        *target = boxes;
    }

    // Port host name: index 0 port 1, index 1 port 2. Its label is the
    // field's row label and shows and hides with the field.
    SDU_Edits& host = sdu == 0 ? Control_82a : Control_82b;
    QLineEdit* host_edit = pages::Make_Fixed_Pitch_Edit(
        Array_Name(sdu == 0 ? QStringLiteral("Control_82a") : QStringLiteral("Control_82b"), port - 1),
        NAME_LENGTH);
    pages::Fit_To_Length(host_edit, NAME_LENGTH);
    host[static_cast<std::size_t>(port - 1)] = host_edit;
    QLabel* host_label = first_frame ? Label_User_L4[7] : new QLabel(Label_User_L4[7]->text());
    pages::Label_Field(host_label, host_edit, heading);
    grid->addWidget(host_label, row, 0);
    grid->addWidget(host_edit, row, 1, Qt::AlignLeft);
    return frame;
}

void Page_HSD_Cnfg::Build_SDU_Frame(int sdu)
{
    const std::size_t i = static_cast<std::size_t>(sdu);
    QGroupBox* frame = sdu == 0 ? pages::Make_Group(QStringLiteral("Frame_SDU1"), QStringLiteral("SDU 1"))
                                : pages::Make_Group(QStringLiteral("Frame_SDU2"), QStringLiteral("SDU 2"));
    (sdu == 0 ? Frame_SDU1 : Frame_SDU2) = frame;

    FrameIP1[i] = Build_Port_Frame(sdu, 1);
    FrameIP2[i] = Build_Port_Frame(sdu, 2);

    Control_69[i] = pages::Make_Fixed_Pitch_Edit(Array_Name(QStringLiteral("Control_69"), sdu), NAME_LENGTH);
    Control_79_1[i] = hsd::Make_Combo(Array_Name(QStringLiteral("Control_79_1"), sdu), ENABLED);
    Control_79_2[i] = hsd::Make_Combo(Array_Name(QStringLiteral("Control_79_2"), sdu), ENABLED);
    Control_81user[i] = pages::Make_Fixed_Pitch_Edit(Array_Name(QStringLiteral("Control_81user"), sdu), NAME_LENGTH);
    Control_81pass[i] = pages::Make_Fixed_Pitch_Edit(Array_Name(QStringLiteral("Control_81pass"), sdu), NAME_LENGTH);
    Control_85user[i] = pages::Make_Fixed_Pitch_Edit(Array_Name(QStringLiteral("Control_85user"), sdu), NAME_LENGTH);
    Control_85pass[i] = pages::Make_Fixed_Pitch_Edit(Array_Name(QStringLiteral("Control_85pass"), sdu), NAME_LENGTH);
    Control_98[i] = hsd::Make_Combo(Array_Name(QStringLiteral("Control_98"), sdu), Duplex_Entries());

    for (QLineEdit* edit : {Control_69[i], Control_81user[i], Control_81pass[i], Control_85user[i],
                            Control_85pass[i]})
        pages::Fit_To_Length(edit, NAME_LENGTH);

    // SDU 1 carries the row captions; SDU 2 sits beside it row for row, and
    // its fields are named by the captions of SDU 1. The login rows also
    // carry the caption of their group (TELNET, CHAP/PAP).
    auto* grid = new QGridLayout(frame);
    const bool captions = sdu == 0;
    grid->addWidget(FrameIP1[i], 0, 0, 1, 3);
    grid->addWidget(FrameIP2[i], 1, 0, 1, 3);
    const struct {
        QLabel* group; // shown on the row
        QLabel* label;
        QWidget* control;
        QLabel* named_group; // the group the row belongs to
    } rows[] = {
        {nullptr, Label_User_L3[22], Control_69[i], nullptr},
        {nullptr, Label_User_L4[1], Control_79_1[i], nullptr},
        {nullptr, Label_User_L4[0], Control_79_2[i], nullptr},
        {Label_User_L4[4], Label_User_L4[5], Control_81user[i], Label_User_L4[4]},
        {nullptr, Label_User_L4[6], Control_81pass[i], Label_User_L4[4]},
        {Label_User_L4[16], Label_User_L4[17], Control_85user[i], Label_User_L4[16]},
        {nullptr, Label_User_L4[18], Control_85pass[i], Label_User_L4[16]},
        {nullptr, Label_User_L4[23], Control_98[i], nullptr},
    };
    int row = 2;
    for (const auto& r : rows) {
        if (captions) {
            if (r.group)
                grid->addWidget(r.group, row, 0);
            grid->addWidget(r.label, row, 1);
        }
        const QString heading = r.named_group ? r.named_group->text() + QLatin1Char(' ') + frame->title()
                                              : frame->title();
        pages::Label_Field(r.label, r.control, heading);
        grid->addWidget(r.control, row, captions ? 2 : 0, Qt::AlignLeft);
        ++row;
    }
    // The captions keep to the left; spare width goes to the fields' column.
    grid->setColumnStretch(captions ? 2 : 0, 1);
}

void Page_HSD_Cnfg::Bind_Fields()
{
    using pages::Focus_Rule;

    // Items 62 and 64: one decimal, the spin buttons hold tenths. Each check
    // gives the spin button the field's value, so an arrow steps from what
    // the field shows.
    const struct {
        QLineEdit* edit;
        pages::Up_Down* spin;
        QLabel* title;
        const core::Item_Fact& fact;
    } eirp[] = {
        {Control_62, UpDown_62, Label_User_L1[0], ITEM_62},
        {Control_64, UpDown_64, Label_User_L3[0], ITEM_64},
    };
    for (const auto& e : eirp) {
        QLineEdit* edit = e.edit;
        pages::Up_Down* spin = e.spin;
        const double minimum = e.fact.Minimum;
        const double maximum = e.fact.Maximum;
        const pages::Field_Check check = pages::Fact_Check(e.fact, pages::Caption_Of(e.title));
        pages::Bind_Field(
            edit, core::Chars::Digits_Point,
            [spin, minimum, maximum, check](const QString& text, bool& cancel) {
                const QString result = check(text, cancel);
                hsd::Set_Spin_Value(spin, core::Real_To_Tenths(result, minimum, maximum, 0));
                return result;
            },
            Focus_Rule::Move_On);
        const core::Stored_Range tenths = core::Stored(e.fact);
        hsd::Bind_Value_Spin(spin, edit, tenths.Minimum, tenths.Maximum, tenths.Default,
                             [edit](int value) { edit->setText(core::Format_Fixed(value / 10.0, 1)); });
    }

    // Item 72 with the uniqueness rule; 73, 74 and 75 plain octets.
    Bind_Address_Check(Control_72a1, &User_Mod::Default_72a1, QStringLiteral("IP Address SDU 1 Port 1"));
    Bind_Address_Check(Control_72a2, &User_Mod::Default_72a2, QStringLiteral("IP Address SDU 1 Port 2"));
    Bind_Address_Check(Control_72b1, &User_Mod::Default_72b1, QStringLiteral("IP Address SDU 2 Port 1"));
    Bind_Address_Check(Control_72b2, &User_Mod::Default_72b2, QStringLiteral("IP Address SDU 2 Port 2"));
    for (int i = 0; i < 4; ++i) {
        const auto index = static_cast<std::int16_t>(i);
        for (Octet_Boxes* boxes : {&Control_73a1, &Control_73a2, &Control_73b1, &Control_73b2})
            pages::Bind_Field((*boxes)[i], core::Chars::Digits,
                              Octet_Check(User_Mod::Default_73(index), pages::Caption_Of(Label_User_L3[20])),
                              Focus_Rule::Move_On);
        for (Octet_Boxes* boxes : {&Control_74a1, &Control_74a2, &Control_74b1, &Control_74b2})
            pages::Bind_Field((*boxes)[i], core::Chars::Digits,
                              pages::Fact_Check(IP_OCTET, pages::Caption_Of(Label_User_L3[21])),
                              Focus_Rule::Move_On);
        pages::Bind_Field(Control_75[i], core::Chars::Digits,
                          Octet_Check(User_Mod::Default_75(index), pages::Caption_Of(Label_User_L3[4])),
                          Focus_Rule::Move_On);
    }

    // Item 68: one hexadecimal octet per box.
    for (int i = 0; i < 6; ++i) {
        pages::Bind_Field(Control_68a[i], core::Chars::Hex,
                          pages::Fact_Check(MAC_OCTET, pages::Caption_Of(Label_User_L3[8])), Focus_Rule::Move_On);
        pages::Bind_Field(Control_68b[i], core::Chars::Hex,
                          pages::Fact_Check(MAC_OCTET, pages::Caption_Of(Label_User_L3[9])), Focus_Rule::Move_On);
    }

    // Item 76 keeps the focus after a correction.
    pages::Bind_Field(Control_76, core::Chars::Digits, pages::Fact_Check(ITEM_76, pages::Caption_Of(Label_User_L3[12])),
                      Focus_Rule::Keep_Focus);
    pages::Bind_Fact_Step(UpDown_76, Control_76, ITEM_76);

    // Names and logins: the character set alone; the PPPoE names must differ.
    for (int i = 0; i < 2; ++i) {
        pages::Bind_Field(
            Control_69[i], core::Chars::Mixed_Case_Name,
            [this, i](const QString& text, bool& /*cancel*/) { return Check_PPPoE_Name(i, text); },
            Focus_Rule::Move_On);
        hsd::Keep_Text_In_Set(Control_69[i], core::Chars::Mixed_Case_Name);
        for (QLineEdit* edit : {Control_81user[i], Control_81pass[i], Control_85user[i], Control_85pass[i]}) {
            pages::Bind_Field(edit, core::Chars::Mixed_Case_Name);
            hsd::Keep_Text_In_Set(edit, core::Chars::Mixed_Case_Name);
        }
        // The factory host names carry "_", which cannot be typed.
        for (QLineEdit* edit : {Control_82a[i], Control_82b[i]}) {
            pages::Bind_Field(edit, core::Chars::Mixed_Case_Name);
            hsd::Keep_Text_In_Set(edit, core::Chars::Mixed_Case_Name, QStringLiteral("_"));
        }
    }

    // Design-time tooltips; they stay for every tooltip mode.
    Control_62->setToolTip(core::Tooltip_Text(ITEM_62));
    Control_64->setToolTip(core::Tooltip_Text(ITEM_64));
    Set_Tips(Control_68a, All_Defaults(MAC_OCTET, 6, QStringLiteral("-")));
    Set_Tips(Control_68b, All_Defaults(MAC_OCTET, 6, QStringLiteral("-")));
    Set_Tips(Control_72a1, Address_Tip(User_Mod::Default_72a1));
    Set_Tips(Control_72a2, Address_Tip(User_Mod::Standard_72a2));
    Set_Tips(Control_72b1, Address_Tip(User_Mod::Default_72b1));
    Set_Tips(Control_72b2, Address_Tip(User_Mod::Default_72b2));
    for (const Octet_Boxes* boxes : {&Control_73a1, &Control_73a2, &Control_73b1, &Control_73b2})
        Set_Tips(*boxes, Address_Tip(User_Mod::Default_73));
    for (const Octet_Boxes* boxes : {&Control_74a1, &Control_74a2, &Control_74b1, &Control_74b2})
        Set_Tips(*boxes, QStringLiteral("Default: ") + All_Defaults(IP_OCTET, 4, QStringLiteral(".")));
    Set_Tips(Control_75, Address_Tip(User_Mod::Default_75));
    Control_76->setToolTip(core::Tooltip_Text(ITEM_76));
    // The lists and names: the user partition names their defaults.
    for (QWidget* control : std::initializer_list<QWidget*>{Control_65, Control_70, Control_71, Control_88,
                                                             Control_100})
        pages::Tip_Default(control);
    // Items 81, 84 and 85 keep the tooltips users know, which name other
    // values than a new ORT puts in (the logins start empty, item 84
    // enabled).
    Control_84->setToolTip(QStringLiteral("Default: Disabled"));
    for (int i = 0; i < 2; ++i) {
        for (QWidget* control : std::initializer_list<QWidget*>{
                 Control_69[i], Control_79_1[i], Control_79_2[i], Control_98[i], Control_82a[i], Control_82b[i]})
            pages::Tip_Default(control);
        for (QLineEdit* user : {Control_81user[i], Control_85user[i]})
            user->setToolTip(QStringLiteral("Default: QUENDRALL"));
        for (QLineEdit* password : {Control_81pass[i], Control_85pass[i]})
            password->setToolTip(QStringLiteral("Default: BRELOX"));
    }
}

void Page_HSD_Cnfg::Bind_Address_Check(Octet_Boxes& boxes,
                                       std::uint8_t (*default_octet)(std::int16_t),
                                       const QString& title)
{
    for (int i = 0; i < 4; ++i) {
        pages::Bind_Field(
            boxes[i], core::Chars::Digits,
            [this, &boxes, i, default_octet, title](const QString& text, bool& /*cancel*/) {
                return Check_IP_Octet(boxes, i, text, default_octet, title);
            },
            pages::Focus_Rule::Move_On);
    }
}

// --- uniqueness rules -----------------------------------------------------------

bool Page_HSD_Cnfg::Compare_IP(const Octet_Boxes& a, const Octet_Boxes& b) const
{
    if (&a == &b)
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i]->text() != b[i]->text())
            return false;
    }
    return true;
}

bool Page_HSD_Cnfg::Is_IP_Unique(const Octet_Boxes& address) const
{
    bool unique = !Compare_IP(address, Control_72a1) && !Compare_IP(address, Control_72b1);
    if (hsd::User_Level() > 3 && (Compare_IP(address, Control_72a2) || Compare_IP(address, Control_72b2)))
        unique = false;
    return unique;
}

QString Page_HSD_Cnfg::Next_Free_IP_Octet() const
{
    for (auto n = static_cast<int>(IP_OCTET.Minimum); n <= static_cast<int>(IP_OCTET.Maximum); ++n) {
        const QString candidate = QString::number(n);
        bool taken = false;
        for (const Octet_Boxes* boxes : {&Control_72a1, &Control_72a2, &Control_72b1, &Control_72b2}) {
            if ((*boxes)[3]->text() == candidate)
                taken = true;
        }
        if (!taken)
            return candidate;
    }
    platform::Msg_Box(QString::fromLatin1(MSG_IP_COLLISION));
    return QString();
}

QString Page_HSD_Cnfg::Check_IP_Octet(Octet_Boxes& boxes, int index, const QString& text,
                                      std::uint8_t (*default_octet)(std::int16_t),
                                      const QString& title)
{
    bool cancel = false; // the focus moves on whatever happens
    const QString default_text = QString::number(default_octet(static_cast<std::int16_t>(index)));
    boxes[index]->setText(
        core::Validate_Real(0, text, default_text, IP_OCTET.Minimum, IP_OCTET.Maximum, title, cancel));
    if (!Is_IP_Unique(boxes)) {
        boxes[3]->setText(Next_Free_IP_Octet());
        platform::Warn(QString::fromLatin1(MSG_IP_UNIQUE), title);
    }
    return boxes[index]->text();
}

QString Page_HSD_Cnfg::Check_PPPoE_Name(int index, const QString& text)
{
    const QString other = Control_69[static_cast<std::size_t>(1 - index)]->text();
    if (text != other)
        return text;
    Control_69[0]->setText(QString::fromLatin1(DEFAULT_PPPOE_1));
    Control_69[1]->setText(QString::fromLatin1(DEFAULT_PPPOE_2));
    platform::Warn(QString::fromLatin1(MSG_PPPOE_SAME), Label_User_L3[22]->text());
    return Control_69[static_cast<std::size_t>(index)]->text();
}

// --- page procedures --------------------------------------------------------------

void Page_HSD_Cnfg::SetVisiblity(bool bSecured, bool bUser)
{
    Set_Shown(bSecured, bUser);
    Show_Own_Frame(Frame_User(), bUser && hsd::User_Level() > 0);
}

void Page_HSD_Cnfg::Dual(bool bDual)
{
    // The SDU 2 column exists only from user feature level 3 on.
    if (hsd::User_Level() > 2)
        Page_Frame::Dual(bDual);
}

void Page_HSD_Cnfg::Write_Text_Output(QStringList& lines)
{
    const int level = hsd::User_Level();
    const bool dual = Dual_Mode();
    const auto L1 = [this](int k) { return Label_User_L1[static_cast<std::size_t>(k)]->text(); };
    const auto L3 = [this](int k) { return Label_User_L3[static_cast<std::size_t>(k)]->text(); };
    const auto L4 = [this](int k) { return Label_User_L4[static_cast<std::size_t>(k)]->text(); };
    const QString colon = QStringLiteral(": ");
    const QString sdu1 = QStringLiteral(", SDU 1: ");
    const QString sdu2 = QStringLiteral(", SDU 2: ");

    if (level > 0)
        lines << L1(0) + colon + Control_62->text() + QLatin1Char(' ') + L1(1);
    if (level <= 2)
        return;

    lines << L3(0) + colon + Control_64->text() + QLatin1Char(' ') + L3(1);
    lines << L3(2) + colon + Control_65->currentText();
    lines << L3(4) + colon + hsd::Join_Texts(Control_75, QStringLiteral("."));
    lines << L3(8) + colon + hsd::Join_Texts(Control_68a, QStringLiteral("-"));
    lines << L3(9) + colon + hsd::Join_Texts(Control_68b, QStringLiteral("-"));
    lines << L3(10) + colon + Control_70->currentText();
    lines << L3(11) + colon + Control_71->currentText();
    lines << L3(12) + colon + Control_76->text();

    if (level > 3) {
        lines << L4(1) + sdu1 + Control_79_1[0]->currentText();
        lines << L4(0) + sdu1 + Control_79_2[0]->currentText();
        if (dual) {
            lines << L4(1) + sdu2 + Control_79_1[1]->currentText();
            lines << L4(0) + sdu2 + Control_79_2[1]->currentText();
        }
        lines << L4(2) + colon + Control_84->currentText();
        lines << L4(8) + colon + Control_88->currentText();
        lines << L4(27) + colon + Control_100->currentText();
    }

    // Addresses: SDU 1 port 1 always, port 2 from level 4, SDU 2 in dual mode.
    const struct {
        int label;
        const Octet_Boxes* a1;
        const Octet_Boxes* a2;
        const Octet_Boxes* b1;
        const Octet_Boxes* b2;
    } addresses[] = {
        {19, &Control_72a1, &Control_72a2, &Control_72b1, &Control_72b2},
        {20, &Control_73a1, &Control_73a2, &Control_73b1, &Control_73b2},
        {21, &Control_74a1, &Control_74a2, &Control_74b1, &Control_74b2},
    };
    const QString dot = QStringLiteral(".");
    for (const auto& item : addresses) {
        const QString caption = L3(item.label);
        lines << caption + QStringLiteral(", SDU 1 Port 1: ") + hsd::Join_Texts(*item.a1, dot);
        if (level > 3)
            lines << caption + QStringLiteral(", SDU 1 Port 2: ") + hsd::Join_Texts(*item.a2, dot);
        if (dual) {
            lines << caption + QStringLiteral(", SDU 2 Port 1: ") + hsd::Join_Texts(*item.b1, dot);
            if (level > 3)
                lines << caption + QStringLiteral(", SDU 2 Port 2: ") + hsd::Join_Texts(*item.b2, dot);
        }
    }

    if (level > 3) {
        lines << L4(7) + QStringLiteral(", SDU 1 Port 1: ") + Control_82a[0]->text();
        lines << L4(7) + QStringLiteral(", SDU 1 Port 2: ") + Control_82a[1]->text();
        if (dual) {
            lines << L4(7) + QStringLiteral(", SDU 2 Port 1: ") + Control_82b[0]->text();
            lines << L4(7) + QStringLiteral(", SDU 2 Port 2: ") + Control_82b[1]->text();
        }
    }

    lines << L3(22) + sdu1 + Control_69[0]->text();
    if (dual)
        lines << L3(22) + sdu2 + Control_69[1]->text();

    if (level > 3) {
        const struct {
            int group, user_label, pass_label;
            const SDU_Edits* user;
            const SDU_Edits* pass;
        } logins[] = {
            {4, 5, 6, &Control_81user, &Control_81pass},
            {16, 17, 18, &Control_85user, &Control_85pass},
        };
        for (const auto& login : logins) {
            const QString group = L4(login.group) + QLatin1Char(' ');
            lines << group + L4(login.user_label) + sdu1 + (*login.user)[0]->text();
            lines << group + L4(login.pass_label) + sdu1 + (*login.pass)[0]->text();
            if (dual) {
                lines << group + L4(login.user_label) + sdu2 + (*login.user)[1]->text();
                lines << group + L4(login.pass_label) + sdu2 + (*login.pass)[1]->text();
            }
        }
        lines << L4(23) + sdu1 + Control_98[0]->currentText();
        if (dual)
            lines << L4(23) + sdu2 + Control_98[1]->currentText();
    }
}
