#include "editor/pages_hsd/page_hsd_sbb.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages_hsd/hsd_field_helpers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int APN_LENGTH = 40;

using core::Item_Fact_Id;

constexpr const core::Item_Fact& BIT_RATE = core::Fact(Item_Fact_Id::Item_77b);
constexpr const core::Item_Fact& PACKETS = core::Fact(Item_Fact_Id::Item_90_Packets);
constexpr const core::Item_Fact& PERIOD = core::Fact(Item_Fact_Id::Item_90_Period);
constexpr const core::Item_Fact& ITEM_102 = core::Fact(Item_Fact_Id::Item_102);

Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_HSD_SBB");
    setup.Caption = QStringLiteral("HSD SwiftBroadband Service Presets");
    setup.User_Caption = QStringLiteral("HSD SwiftBroadband User Options");
    return setup;
}

using pages::Label_Row;

constexpr Label_Row LABELS_L3[] = {
    {13, "Traffic Class", "Item 77"}, {14, BIT_RATE.Title, "Item 77"},
    {15, "Max", "Item 77"},           {16, "Guaranteed", "Item 77"},
    {17, "Down", "Item 77"},          {18, "Up", "Item 77"},
};
constexpr Label_Row LABELS_L4[] = {
    {3, "Access Point Name", "Item 80"},
    {12, "BGAN Packet Data", "Item 90"},
    {13, "Packets", "Item 90"},
    {14, "Period", "Item 90"},
    {15, "msec", nullptr},
    {19, "Primary Context Loading", "Item 89"},
    {24, "IP Header Compression", "Item 96"},
    {25, "Ciphering Enabled", "Item 97"},
    {26, "SBB Attachment Mode", "Item 99"},
    {28, "LCP Authentication", "Item 101"},
    {29, ITEM_102.Title, "Item 102"},
    {30, "kbps", nullptr},
};

QString Combo_Text(const QComboBox* combo)
{
    return combo->currentIndex() < 0 ? QString() : combo->currentText();
}

QStringList Compression_Entries()
{
    QStringList entries{QStringLiteral("0: Disabled")};
    int bytes = 512;
    for (int i = 1; i <= 9; ++i, bytes *= 2)
        entries << QString::number(i) + QStringLiteral(": Enabled, ") + QString::number(bytes)
                       + QStringLiteral(" bytes");
    return entries;
}

} // namespace

Page_HSD_SBB::Page_HSD_SBB() : Page_Frame(Setup())
{
    pages::Make_Labels(Label_User_L3, QStringLiteral("Label_User_L3"), LABELS_L3);
    pages::Make_Labels(Label_User_L4, QStringLiteral("Label_User_L4"), LABELS_L4);
    Build_Controls();
    Build_Layout();
    Bind_Fields();
}

void Page_HSD_SBB::Build_Controls()
{
    const QStringList enabled = {QStringLiteral("Disabled"), QStringLiteral("Enabled")};
    Control_77a = hsd::Make_Combo(QStringLiteral("Control_77a"),
                                  {QStringLiteral("Conversational"), QStringLiteral("Streaming"),
                                   QStringLiteral("Interactive"), QStringLiteral("Background")});
    for (int i = 0; i < 4; ++i) {
        Control_77b[i] = pages::Make_Edit(Array_Name(QStringLiteral("Control_77b"), i), core::Text_Length(BIT_RATE));
        pages::Fit_To_Length(Control_77b[i], Control_77b[i]->maxLength());
    }
    Control_80 = pages::Make_Edit(QStringLiteral("Control_80"), APN_LENGTH);
    pages::Fit_To_Length(Control_80, APN_LENGTH);
    for (int i = 0; i < 2; ++i)
        Control_89[i] = hsd::Make_Combo(Array_Name(QStringLiteral("Control_89"), i),
                                        {QStringLiteral("Share between channel cards"),
                                         QStringLiteral("Fill channel card 1 first"),
                                         QStringLiteral("Fill channel card 2 first")});
    Control_90pac = pages::Make_Edit(QStringLiteral("Control_90pac"), 0);
    UpDown_90pac = pages::Make_Spin(QStringLiteral("UpDown_90pac"));
    Control_90per = pages::Make_Edit(QStringLiteral("Control_90per"), 0);
    UpDown_90per = pages::Make_Spin(QStringLiteral("UpDown_90per"));
    Control_96 = hsd::Make_Combo(QStringLiteral("Control_96"), Compression_Entries());
    Control_97 = hsd::Make_Combo(QStringLiteral("Control_97"), enabled);
    Control_99 = hsd::Make_Combo(QStringLiteral("Control_99"),
                                 {QStringLiteral("No Automatic Attachment "),
                                  QStringLiteral("Circuit Switched"), QStringLiteral("Packet Switched"),
                                  QStringLiteral("Circuit & Packet Switched")});
    Control_101 = hsd::Make_Combo(QStringLiteral("Control_101"), enabled);
    Control_102 = pages::Make_Edit(QStringLiteral("Control_102"), 0);
    UpDown_102 = pages::Make_Spin(QStringLiteral("UpDown_102"));
    pages::Fit_To_Length(Control_90pac, core::Text_Length(PACKETS));
    pages::Fit_To_Length(Control_90per, core::Text_Length(PERIOD));
    pages::Fit_To_Length(Control_102, core::Text_Length(ITEM_102));
}

void Page_HSD_SBB::Build_Layout()
{
    // Item 77: traffic class and the four bit rates, a row for the maximum
    // and one for the guaranteed rates, a column for down and one for up.
    Frame_BGAN = pages::Make_Group(QStringLiteral("Frame_BGAN"),
                                   QStringLiteral("BGAN PDP Session Parameters"), QStringLiteral("Item 77"));
    auto* bgan = new QGridLayout(Frame_BGAN);
    bgan->addWidget(Label_User_L3[13], 0, 0);
    bgan->addWidget(Control_77a, 0, 1, 1, 2, Qt::AlignLeft);
    pages::Label_Field(Label_User_L3[13], Control_77a);
    bgan->setColumnStretch(3, 1);
    bgan->addWidget(Label_User_L3[14], 1, 0);
    bgan->addWidget(Label_User_L3[17], 1, 1);
    bgan->addWidget(Label_User_L3[18], 1, 2);
    const struct {
        QLabel* label;
        QLineEdit* down;
        QLineEdit* up;
    } rates[] = {
        {Label_User_L3[15], Control_77b[0], Control_77b[1]},
        {Label_User_L3[16], Control_77b[2], Control_77b[3]},
    };
    int line = 2;
    for (const auto& rate : rates) {
        bgan->addWidget(rate.label, line, 0);
        bgan->addWidget(rate.down, line, 1, Qt::AlignLeft);
        bgan->addWidget(rate.up, line, 2, Qt::AlignLeft);
        pages::Label_Field(rate.label, rate.down, Label_User_L3[17]->text());
        pages::Label_Field(rate.label, rate.up, Label_User_L3[18]->text());
        ++line;
    }
    User_Items()->addWidget(Frame_BGAN);

    auto* grid = new QGridLayout;
    int row = 0;
    auto add_row = [&](QLabel* label, QWidget* control, pages::Up_Down* spin, QLabel* unit) {
        hsd::Add_Field_Row(grid, row++, label, control, spin, unit);
    };
    add_row(Label_User_L4[3], Control_80, nullptr, nullptr);
    grid->addWidget(Label_User_L4[12], row++, 0);
    add_row(Label_User_L4[13], Control_90pac, UpDown_90pac, nullptr);
    add_row(Label_User_L4[14], Control_90per, UpDown_90per, Label_User_L4[15]);
    add_row(Label_User_L4[24], Control_96, nullptr, nullptr);
    add_row(Label_User_L4[25], Control_97, nullptr, nullptr);
    add_row(Label_User_L4[26], Control_99, nullptr, nullptr);
    add_row(Label_User_L4[28], Control_101, nullptr, nullptr);
    add_row(Label_User_L4[29], Control_102, UpDown_102, Label_User_L4[30]);
    grid->setColumnStretch(2, 1);
    User_Items()->addLayout(grid);

    // Item 89 per SDU; the label of SDU 1 names both boxes.
    auto* columns = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        QGroupBox* frame = i == 0 ? pages::Make_Group(QStringLiteral("Frame_SDU1"), QStringLiteral("SDU 1"))
                                  : pages::Make_Group(QStringLiteral("Frame_SDU2"), QStringLiteral("SDU 2"));
        auto* layout = new QGridLayout(frame);
        if (i == 0)
            layout->addWidget(Label_User_L4[19], 0, 0);
        layout->addWidget(Control_89[i], 0, 1);
        pages::Label_Field(Label_User_L4[19], Control_89[i], frame->title());
        (i == 0 ? Frame_SDU1 : Frame_SDU2) = frame;
        columns->addWidget(frame, 0, Qt::AlignTop);
    }
    columns->addStretch(1);
    User_Items()->addLayout(columns);
}

void Page_HSD_SBB::Bind_Fields()
{
    using pages::Focus_Rule;
    for (QLineEdit* edit : Control_77b) {
        pages::Bind_Field(edit, core::Chars::Digits, pages::Fact_Check(BIT_RATE, pages::Caption_Of(Label_User_L3[14])),
                          Focus_Rule::Keep_Focus);
        edit->setToolTip(core::Tooltip_Text(BIT_RATE));
    }

    // Item 90: titles joined from two captions at the time of the check.
    const struct {
        QLineEdit* edit;
        pages::Up_Down* spin;
        QLabel* second;
        const core::Item_Fact& fact;
    } spins[] = {
        {Control_90pac, UpDown_90pac, Label_User_L4[13], PACKETS},
        {Control_90per, UpDown_90per, Label_User_L4[14], PERIOD},
        {Control_102, UpDown_102, nullptr, ITEM_102},
    };
    for (const auto& s : spins) {
        pages::Title_Source title;
        if (s.second) {
            const pages::Title_Source first = pages::Caption_Of(Label_User_L4[12]);
            const pages::Title_Source second = pages::Caption_Of(s.second);
            title = [first, second] { return first() + QLatin1Char(' ') + second(); };
        } else {
            title = pages::Caption_Of(Label_User_L4[29]);
        }
        pages::Bind_Field(s.edit, core::Chars::Digits, pages::Fact_Check(s.fact, title), Focus_Rule::Move_On);
        // The spin button steps from the field's (validated) number.
        pages::Bind_Fact_Step(s.spin, s.edit, s.fact);
        s.edit->setToolTip(core::Tooltip_Text(s.fact));
    }

    // The access point name: any printable character, whatever puts it in.
    pages::Bind_Field(Control_80, core::Chars::Printable);
    hsd::Keep_Text_In_Set(Control_80, core::Chars::Printable);

    // Design-time tooltips; they stay for every tooltip mode.
    // The user partition names the defaults of the lists and the text.
    for (QWidget* control : std::initializer_list<QWidget*>{Control_77a, Control_97, Control_101, Control_99})
        pages::Tip_Default(control);
    pages::Tip_Default(Control_80, QStringLiteral("Default: \"%1\""));
    for (QComboBox* combo : Control_89)
        pages::Tip_Default(combo);
    // Item 96 names its default and range by the numbers of its entries.
    pages::Tip_Default(Control_96,
                       QStringLiteral("Default: %2 /  Range 0 to ") + QString::number(Control_96->count() - 1));
}

void Page_HSD_SBB::SetVisiblity(bool bSecured, bool bUser)
{
    Set_Shown(bSecured, bUser);
    Show_Own_Frame(Frame_User(), bUser && hsd::User_Level() > 2);
}

void Page_HSD_SBB::Dual(bool bDual)
{
    // The SDU 2 column exists only from user feature level 4 on.
    if (hsd::User_Level() > 3)
        Page_Frame::Dual(bDual);
}

void Page_HSD_SBB::Write_Text_Output(QStringList& lines)
{
    const int level = hsd::User_Level();
    if (level <= 2)
        return;
    const auto L3 = [this](int k) { return Label_User_L3[static_cast<std::size_t>(k)]->text(); };
    const auto L4 = [this](int k) { return Label_User_L4[static_cast<std::size_t>(k)]->text(); };
    const QString colon = QStringLiteral(": ");
    const QChar blank = QLatin1Char(' ');

    if (level > 3) {
        lines << L4(12) + blank + L4(13) + colon + Control_90pac->text();
        lines << L4(12) + blank + L4(14) + colon + Control_90per->text() + blank + L4(15);
        lines << L4(24) + colon + Combo_Text(Control_96);
        lines << L4(25) + colon + Combo_Text(Control_97);
        lines << L4(26) + colon + Combo_Text(Control_99);
        lines << L4(28) + colon + Combo_Text(Control_101);
        lines << L4(29) + colon + Control_102->text() + blank + L4(30);
    }

    lines << L3(13) + colon + Combo_Text(Control_77a);
    // Bit rates: (max/guaranteed, down/up) in box order.
    const int rate_labels[4][2] = {{15, 17}, {15, 18}, {16, 17}, {16, 18}};
    for (std::size_t i = 0; i < 4; ++i)
        lines << L3(14) + blank + L3(rate_labels[i][0]) + blank + L3(rate_labels[i][1]) + colon
                     + Control_77b[i]->text() + QStringLiteral(" kb/s");

    if (level > 3) {
        lines << L4(3) + colon + Control_80->text();
        lines << L4(19) + QStringLiteral(", SDU 1: ") + Combo_Text(Control_89[0]);
        if (Dual_Mode())
            lines << L4(19) + QStringLiteral(", SDU 2: ") + Combo_Text(Control_89[1]);
    }
}
