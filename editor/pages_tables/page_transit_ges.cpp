#include "editor/pages_tables/page_transit_ges.h"

#include "editor/pages/page_widgets.h"
#include "editor/pages_tables/transit_ges_dialog.h"
#include "platform/message_service.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace transit;

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Transit_GES");
    setup.Caption = QStringLiteral("Auto Transit Call GES Table");
    setup.Secured_Caption = QStringLiteral("Automatic Transit Call GES Table");
    setup.Secured_Tag = QStringLiteral("Item 41");
    return setup;
}
} // namespace

Page_Transit_GES::Page_Transit_GES() : Page_Frame(Setup())
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* grid = new QGridLayout;
    for (int c = 0; c < TRANSIT_COLUMNS; ++c) {
        auto* label = new QLabel(Sat_Captions()[static_cast<std::size_t>(c)]);
        label->setObjectName(Array_Name(QStringLiteral("Label_Static"), c));
        label->setAlignment(Qt::AlignCenter);
        Label_Static[static_cast<std::size_t>(c)] = label;
        grid->addWidget(label, 0, c + 1);
    }
    for (int r = 0; r < TRANSIT_ROWS; ++r) {
        auto* label = new QLabel(Zone_Captions()[static_cast<std::size_t>(r)]);
        label->setObjectName(Array_Name(QStringLiteral("Static_Label_Zone"), r));
        Static_Label_Zone[static_cast<std::size_t>(r)] = label;
        grid->addWidget(label, r + 1, 0);
    }
    for (int i = 0; i < TRANSIT_CELLS; ++i) {
        auto* cell = new QPushButton(NO_GES_CELL);
        cell->setObjectName(Array_Name(QStringLiteral("Control_41"), i));
        cell->setFont(fixed);
        Control_41[static_cast<std::size_t>(i)] = cell;
        pages::Label_Field(Static_Label_Zone[static_cast<std::size_t>(i / TRANSIT_COLUMNS)], cell,
                           Label_Static[static_cast<std::size_t>(i % TRANSIT_COLUMNS)]->text());
        grid->addWidget(cell, i / TRANSIT_COLUMNS + 1, i % TRANSIT_COLUMNS + 1);
        connect(cell, &QPushButton::clicked, this, [this, i] { Control_41_Click(i); });
    }
    Secured_Items()->addLayout(grid);

    Control_41_Reset = new QPushButton(QStringLiteral("Reset All"));
    Control_41_Reset->setObjectName(QStringLiteral("Control_41_Reset"));
    Control_41_Reset->setToolTip(QStringLiteral("Reset all GES to default values"));
    connect(Control_41_Reset, &QPushButton::clicked, this, &Page_Transit_GES::Control_41_Reset_Click);
    auto* reset_row = new QHBoxLayout;
    reset_row->addStretch(1);
    reset_row->addWidget(Control_41_Reset);
    Secured_Items()->addLayout(reset_row);
}

void Page_Transit_GES::Setup_ToolTips(int mode)
{
    const bool fixed = mode == 2;
    Frame_Secured()->setToolTip(fixed ? QStringLiteral("Non-Modifiable") : QStringLiteral("Item 41"));
    for (QPushButton* cell : Control_41)
        cell->setToolTip(fixed ? QStringLiteral("Non-Modifiable") : QString());
}

void Page_Transit_GES::SetVisiblity(bool bSecured, bool bUser)
{
    Set_Shown(bSecured, bUser);
    Show_Own_Frame(Frame_Secured(), bSecured);
}

void Page_Transit_GES::Dual(bool /*bDual*/)
{
    // The table has no SDU 2 part.
}

void Page_Transit_GES::Control_41_Click(int index)
{
    if (index < 0 || index >= TRANSIT_CELLS)
        return;
    QPushButton* cell = Control_41[static_cast<std::size_t>(index)];
    sel_title_ = Cell_Title(Static_Label_Zone[static_cast<std::size_t>(index / TRANSIT_COLUMNS)]->text(), index);
    sel_value_ = Transit_GES_Value(cell->text());
    {
        Transit_GES_Dialog dialog(*this);
        dialog.exec();
    }
    cell->setText(Transit_GES_Cell(sel_value_));
}

void Page_Transit_GES::Control_41_Reset_Click()
{
    if (platform::Msg_Box(QStringLiteral("This will reset all GES values to ") + NO_GES_CELL +
                              QStringLiteral(".  Continue?"),
                          platform::MsgButtons::YesNo)
        != platform::MsgAnswer::Yes)
        return;
    for (QPushButton* cell : Control_41)
        cell->setText(NO_GES_CELL);
}

void Page_Transit_GES::Write_Text_Output(QStringList& lines)
{
    std::array<QString, TRANSIT_ROWS> rows;
    for (int r = 0; r < TRANSIT_ROWS; ++r)
        rows[static_cast<std::size_t>(r)] = Static_Label_Zone[static_cast<std::size_t>(r)]->text();
    std::array<QString, TRANSIT_CELLS> cells;
    for (int i = 0; i < TRANSIT_CELLS; ++i)
        cells[static_cast<std::size_t>(i)] = Control_41[static_cast<std::size_t>(i)]->text();
    lines << Transit_Report(rows, cells);
}
