#include "editor/pages_hsd/page_hsd_s64.h"

#include "editor/core/ort_types.h"
#include "editor/pages/column_painter.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages_hsd/hsd_defaults.h"
#include "editor/pages_hsd/hsd_field_helpers.h"
#include "editor/pages_hsd/les_line.h"
#include "editor/pages_hsd/les_table_dialog.h"
#include "platform/message_service.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const CAPTION_MISDN = "Swift64 M-ISDN LES Information";
const char* const CAPTION_MPDS = "Swift64 MPDS LES Information";

Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_HSD_S64");
    setup.Caption = QStringLiteral("HSD Swift64 Service Presets");
    setup.User_Caption = QStringLiteral("HSD Swift64 User Options");
    return setup;
}

// Row of the selected line, or -1.
int Selected_Row(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void Refill_Defaults(QListWidget* list, const User_Mod::LES_Table& table)
{
    list->clear();
    for (const User_Mod::LES_Element& element : table)
        list->addItem(User_Mod::Format_LES_Entry(element));
}

void Canonical_Sort(QListWidget* list)
{
    if (list->count() == 0)
        return;
    pages::Set_List_Lines(list, hsd::Canonical_LES_Order(pages::List_Lines(list)));
}

// A column sort: the button's Tag holds the direction of its next sort.
void Column_Sort(QListWidget* list, QPushButton* button, hsd::LES_Column column)
{
    if (list->count() == 0)
        return;
    const int direction = Tag(button).toInt();
    pages::Set_List_Lines(list, hsd::Sort_LES_By_Column(pages::List_Lines(list), column, direction == 1));
    Set_Tag(button, QString::number(-direction));
}

} // namespace

Page_HSD_S64::Page_HSD_S64() : Page_Frame(Setup())
{
    Build_List(0);
    Build_List(1);
    auto* columns = new QHBoxLayout;
    columns->addWidget(FrameLES[0]);
    columns->addWidget(FrameLES[1]);
    columns->addStretch(1);
    User_Items()->addLayout(columns);

    connect(Control_66_Add, &QPushButton::clicked, this, &Page_HSD_S64::Control_66_Add_Click);
    connect(Control_67_Add, &QPushButton::clicked, this, &Page_HSD_S64::Control_67_Add_Click);
    connect(Control_66_Edit, &QPushButton::clicked, this, &Page_HSD_S64::Control_66_Edit_Click);
    connect(Control_67_Edit, &QPushButton::clicked, this, &Page_HSD_S64::Control_67_Edit_Click);
    connect(Control_66_Delete, &QPushButton::clicked, this, &Page_HSD_S64::Control_66_Delete_Click);
    connect(Control_67_Delete, &QPushButton::clicked, this, &Page_HSD_S64::Control_67_Delete_Click);
    connect(Control_66_Reset, &QPushButton::clicked, this, &Page_HSD_S64::Control_66_Reset_Click);
    connect(Control_67_Reset, &QPushButton::clicked, this, &Page_HSD_S64::Control_67_Reset_Click);

    const struct {
        QListWidget* list;
        QPushButton* button;
        hsd::LES_Column column;
    } sorts[] = {
        {Control_66, Control_66_Sort_Sat, hsd::LES_Column::Sat},
        {Control_66, Control_66_Sort_LES, hsd::LES_Column::LES},
        {Control_66, Control_66_Sort_Pref, hsd::LES_Column::Pref},
        {Control_67, Control_67_Sort_Sat, hsd::LES_Column::Sat},
        {Control_67, Control_67_Sort_LES, hsd::LES_Column::LES},
        {Control_67, Control_67_Sort_Pref, hsd::LES_Column::Pref},
    };
    for (const auto& sort : sorts) {
        Set_Tag(sort.button, QStringLiteral("1"));
        QListWidget* list = sort.list;
        QPushButton* button = sort.button;
        const hsd::LES_Column column = sort.column;
        connect(button, &QPushButton::clicked, this,
                [list, button, column] { Column_Sort(list, button, column); });
    }
}

void Page_HSD_S64::Build_List(int index)
{
    const bool misdn = index == 0;
    const QString item = misdn ? QStringLiteral("66") : QStringLiteral("67");
    const QString caption = misdn ? QStringLiteral("Swift64 M-ISDN LES Preference")
                                  : QStringLiteral("Swift64 MPDS LES Preference");
    QGroupBox* frame =
        pages::Make_Group(Array_Name(QStringLiteral("FrameLES"), index), caption, QStringLiteral("Item ") + item);
    FrameLES[static_cast<std::size_t>(index)] = frame;

    const QString prefix = QStringLiteral("Control_") + item;
    auto* list = new QListWidget;
    list->setObjectName(prefix);
    list->setAccessibleName(caption);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    // The list is as wide as its columns (Fit_Columns below).
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);

    QPushButton* add = pages::Make_Button(prefix + QStringLiteral("_Add"), QStringLiteral("Add"));
    QPushButton* edit = pages::Make_Button(prefix + QStringLiteral("_Edit"), QStringLiteral("Edit"));
    QPushButton* del = pages::Make_Button(prefix + QStringLiteral("_Delete"), QStringLiteral("Delete"));
    QPushButton* reset = pages::Make_Button(prefix + QStringLiteral("_Reset"), QStringLiteral("Reset"));
    QPushButton* sat = pages::Make_Button(prefix + QStringLiteral("_Sort_Sat"), QStringLiteral("Sat"));
    QPushButton* les = pages::Make_Button(prefix + QStringLiteral("_Sort_LES"), QStringLiteral("LES"));
    QPushButton* pref = pages::Make_Button(prefix + QStringLiteral("_Sort_Pref"), QStringLiteral("Pref"));
    if (misdn) {
        Control_66 = list;
        Control_66_Add = add;
        Control_66_Edit = edit;
        Control_66_Delete = del;
        Control_66_Reset = reset;
        Control_66_Sort_Sat = sat;
        Control_66_Sort_LES = les;
        Control_66_Sort_Pref = pref;
    } else {
        Control_67 = list;
        Control_67_Add = add;
        Control_67_Edit = edit;
        Control_67_Delete = del;
        Control_67_Reset = reset;
        Control_67_Sort_Sat = sat;
        Control_67_Sort_LES = les;
        Control_67_Sort_Pref = pref;
    }

    auto* layout = new QVBoxLayout(frame);
    // The sort buttons head the columns of the list.
    auto* sort_row = new QHBoxLayout;
    sort_row->setSpacing(0);
    for (QPushButton* button : {sat, les, pref})
        sort_row->addWidget(button);
    sort_row->addStretch(1);
    layout->addLayout(sort_row);
    layout->addWidget(list);
    auto* action_row = new QHBoxLayout;
    for (QPushButton* button : {add, edit, del, reset})
        action_row->addWidget(button);
    layout->addLayout(action_row);
    QPushButton* const headings[] = {sat, les, pref};
    pages::Fit_Columns(list, headings, hsd::LES_COLUMN_WIDTHS);
}

// --- list actions -------------------------------------------------------------------

void Page_HSD_S64::Add_Entry(QListWidget* list, int limit, const QString& caption)
{
    if (list->count() >= limit) {
        platform::Warn(QStringLiteral("No more entries available"));
        return;
    }
    QString entry = Add_LES(this, caption);
    Insert_LES_Entry(entry, 1, list, true);
}

void Page_HSD_S64::Edit_Entry(QListWidget* list, const QString& caption)
{
    const int row = Selected_Row(list);
    if (row < 0)
        return;
    QString entry = Edit_LES(this, caption, list->item(row)->text());
    Insert_LES_Entry(entry, 2, list, true);
}

void Page_HSD_S64::Delete_Entry(QListWidget* list)
{
    const int row = Selected_Row(list);
    if (row < 0)
        return;
    if (platform::Msg_Box(QStringLiteral("Continue?"), platform::MsgButtons::YesNo,
                          platform::MsgIcon::None, QStringLiteral("Delete LES Entry"))
        != platform::MsgAnswer::Yes)
        return;
    delete list->takeItem(row);
}

void Page_HSD_S64::Insert_LES_Entry(QString& entry, int mode, QListWidget* list, bool showMessage)
{
    if (entry.isEmpty())
        return;
    const int selected = Selected_Row(list);
    if (hsd::Find_Sat_LES(pages::List_Lines(list), entry) >= 0) {
        // A pair already in the list is accepted only as the edited entry itself.
        const bool own_pair = mode == 2 && selected >= 0
                              && hsd::Find_Sat_LES({list->item(selected)->text()}, entry) == 0;
        if (!own_pair) {
            if (showMessage)
                platform::Critical(
                    QStringLiteral("This Sat/LES is already defined. Please choose another."));
            return;
        }
    }
    entry = hsd::LES_Line(entry);
    if (mode == 1)
        list->addItem(entry);
    else if (selected >= 0)
        list->item(selected)->setText(entry);
}

void Page_HSD_S64::Control_66_Add_Click()
{
    Add_Entry(Control_66, hsd::MISDN_LES_LIMIT, QString::fromLatin1(CAPTION_MISDN));
}

void Page_HSD_S64::Control_67_Add_Click()
{
    Add_Entry(Control_67, hsd::MPDS_LES_LIMIT, QString::fromLatin1(CAPTION_MPDS));
}

void Page_HSD_S64::Control_66_Edit_Click()
{
    Edit_Entry(Control_66, QString::fromLatin1(CAPTION_MISDN));
}

void Page_HSD_S64::Control_67_Edit_Click()
{
    Edit_Entry(Control_67, QString::fromLatin1(CAPTION_MPDS));
}

void Page_HSD_S64::Control_66_Delete_Click()
{
    Delete_Entry(Control_66);
}

void Page_HSD_S64::Control_67_Delete_Click()
{
    Delete_Entry(Control_67);
}

void Page_HSD_S64::Control_67_Reset_Click()
{
    Refill_Defaults(Control_67, User_Mod::Default_MPDS_LES());
}

void Page_HSD_S64::Control_66_Reset_Click()
{
    Refill_Defaults(Control_66, User_Mod::Default_MISDN_LES());
}

void Page_HSD_S64::Control_67_Sort()
{
    Canonical_Sort(Control_67);
}

void Page_HSD_S64::Control_66_Sort()
{
    Canonical_Sort(Control_66);
}

// --- page procedures ------------------------------------------------------------------

void Page_HSD_S64::SetVisiblity(bool bSecured, bool bUser)
{
    Set_Shown(bSecured, bUser);
    Show_Own_Frame(Frame_User(), bUser && hsd::User_Level() > 2);
}

void Page_HSD_S64::Dual(bool /*bDual*/)
{
    // The page has no SDU columns and keeps no Dual_Mode.
}

void Page_HSD_S64::Write_Text_Output(QStringList& lines)
{
    if (hsd::User_Level() <= 2)
        return;
    hsd::Append_LES_Table(lines, QStringLiteral("SWIFT64 MPDS LES PREFERENCES:"),
                          pages::List_Lines(Control_67), QStringLiteral("MPDS TABLE IS EMPTY"));
    hsd::Append_LES_Table(lines, QStringLiteral("SWIFT64 M-ISDN LES PREFERENCES:"),
                          pages::List_Lines(Control_66), QStringLiteral("M-ISDN TABLE IS EMPTY"));
}
