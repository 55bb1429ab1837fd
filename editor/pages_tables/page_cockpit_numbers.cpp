#include "editor/pages_tables/page_cockpit_numbers.h"

#include "editor/core/list_helpers.h"
#include "editor/core/text_helpers.h"
#include "editor/pages_tables/cockpit_limit.h"
#include "editor/pages_tables/cockpit_numbers_dialog.h"
#include "editor/pages_tables/phone_category_dialog.h"
#include "editor/pages_tables/text_drop.h"
#include "platform/message_service.h"

#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Cockpit_Numbers");
    setup.Caption = QStringLiteral("Cockpit Phone Numbers");
    setup.User_Caption = QStringLiteral("Cockpit Telephone Numbers");
    setup.User_Tag = QStringLiteral("Item 5");
    return setup;
}

const QString SORT_TAG_START = QStringLiteral("1");

// A tab bar that shows a NUL-padded caption without its padding, whoever
// set it.
class Category_Tab_Bar final : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    void tabLayoutChange() override
    {
        for (int k = 0; k < count(); ++k) {
            const QString shown = core::Strip_At_Null(tabText(k));
            if (shown != tabText(k))
                setTabText(k, shown);
        }
        QTabBar::tabLayoutChange();
    }
};

class Category_Tabs final : public QTabWidget {
public:
    Category_Tabs()
    {
        setTabBar(new Category_Tab_Bar(this));
    }
};

// The row of the selected line, -1 when none is selected.
int Selected_Index(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

QStringList Lines_Of(const QListWidget* list)
{
    QStringList lines;
    for (int k = 0; k < list->count(); ++k)
        lines.append(list->item(k)->text());
    return lines;
}

// Lines that come NUL-padded (from a record) show without their padding.
void Normalize_Rows(QListWidget* list, int first, int last)
{
    for (int row = first; row <= last; ++row)
        if (QListWidgetItem* item = list->item(row)) {
            const QString line = tables::Normalize_Cockpit_Line(item->text());
            if (line != item->text())
                item->setText(line);
        }
}

struct Sort_Button_Row {
    tables::Cockpit_Column Column;
    const char* Name;
    const char* Caption;
    std::array<QPushButton*, 4> Page_Cockpit_Numbers::*Buttons;
};

const Sort_Button_Row SORT_BUTTONS[] = {
    {tables::Cockpit_Column::Name, "Sort_Cockpit_Name", "Name", &Page_Cockpit_Numbers::Sort_Cockpit_Name},
    {tables::Cockpit_Column::Number, "Sort_Cockpit_Number", "Number",
     &Page_Cockpit_Numbers::Sort_Cockpit_Number},
    {tables::Cockpit_Column::Priority, "Sort_Cockpit_Priority", "Priority",
     &Page_Cockpit_Numbers::Sort_Cockpit_Priority},
    {tables::Cockpit_Column::Protected, "Sort_Cockpit_Protected", "Protected",
     &Page_Cockpit_Numbers::Sort_Cockpit_Protected},
};

} // namespace

Page_Cockpit_Numbers::Page_Cockpit_Numbers() : Page_Frame(Setup())
{
    Control_05_Tab = new Category_Tabs;
    Control_05_Tab->setObjectName(QStringLiteral("Control_05_Tab"));
    for (int k = 0; k < CATEGORY_COUNT; ++k)
        Control_05_Tab->addTab(Make_Category_Tab(k), QStringLiteral("Category") + QString::number(k + 1));
    Control_05_Tab->setToolTip(QStringLiteral("Double Click to Edit"));
    connect(Control_05_Tab, &QTabWidget::tabBarDoubleClicked, this,
            [this](int) { Control_05_Tab_DblClick(); });

    auto make_button = [this](const char* name, const char* caption) {
        auto* button = new QPushButton(QString::fromLatin1(caption));
        button->setObjectName(QString::fromLatin1(name));
        return button;
    };
    Control_05_Add = make_button("Control_05_Add", "Add");
    Control_05_Delete = make_button("Control_05_Delete", "Delete");
    Control_05_Edit = make_button("Control_05_Edit", "Edit");
    Control_05_Clear = make_button("Control_05_Clear", "Clear");
    connect(Control_05_Add, &QPushButton::clicked, this, &Page_Cockpit_Numbers::Control_05_Add_Click);
    connect(Control_05_Delete, &QPushButton::clicked, this,
            &Page_Cockpit_Numbers::Control_05_Delete_Click);
    connect(Control_05_Edit, &QPushButton::clicked, this, &Page_Cockpit_Numbers::Control_05_Edit_Click);
    connect(Control_05_Clear, &QPushButton::clicked, this,
            &Page_Cockpit_Numbers::Control_05_Clear_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Control_05_Add);
    buttons->addWidget(Control_05_Delete);
    buttons->addWidget(Control_05_Edit);
    buttons->addWidget(Control_05_Clear);
    buttons->addStretch(1);

    User_Items()->addWidget(Control_05_Tab);
    User_Items()->addLayout(buttons);
}

QWidget* Page_Cockpit_Numbers::Make_Category_Tab(int index)
{
    auto* tab = new QWidget;
    auto* sort_row = new QHBoxLayout;
    for (const Sort_Button_Row& row : SORT_BUTTONS) {
        auto* button = new QPushButton(QString::fromLatin1(row.Caption), tab);
        button->setObjectName(Array_Name(QString::fromLatin1(row.Name), index));
        Set_Tag(button, SORT_TAG_START);
        const tables::Cockpit_Column column = row.Column;
        connect(button, &QPushButton::clicked, this, [this, column, index] { Sort_Click(column, index); });
        (this->*row.Buttons)[static_cast<std::size_t>(index)] = button;
        sort_row->addWidget(button);
    }

    auto* list = new QListWidget(tab);
    list->setObjectName(Array_Name(QStringLiteral("Control_05"), index));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    list->setFont(font);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setToolTip(QStringLiteral("Cockpit Phone Numbers Category ") + QString::number(index + 1));
    list->setAccessibleName(list->toolTip());
    list->setMinimumWidth(QFontMetrics(font).horizontalAdvance(QString(52, QLatin1Char('M'))));
    tables::Set_Drop_Colour(list, false);
    connect(list->model(), &QAbstractItemModel::rowsInserted, list,
            [list](const QModelIndex&, int first, int last) { Normalize_Rows(list, first, last); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { Control_05_Edit_Click(); });
    Control_05[static_cast<std::size_t>(index)] = list;

    tables::Drop_Handlers handlers;
    handlers.Highlight = [list](bool dragging) { tables::Set_Drop_Colour(list, dragging); };
    handlers.Drop = [this, index](const QStringList& pieces) { Drop_Text(index, pieces); };
    new tables::Text_Drop_Target({list->viewport()}, std::move(handlers), list);

    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(sort_row);
    layout->addWidget(list);
    return tab;
}

int Page_Cockpit_Numbers::Current_Category() const
{
    return qBound(0, Control_05_Tab->currentIndex(), CATEGORY_COUNT - 1);
}

QListWidget* Page_Cockpit_Numbers::Current_List() const
{
    return Control_05[static_cast<std::size_t>(Current_Category())];
}

QString Page_Cockpit_Numbers::Category_Name(int index) const
{
    return core::Strip_At_Null(Control_05_Tab->tabText(index));
}

void Page_Cockpit_Numbers::Set_Category_Name(int index, const QString& name)
{
    Control_05_Tab->setTabText(index, core::Strip_At_Null(name));
}

void Page_Cockpit_Numbers::Setup_ToolTips(int mode)
{
    Control_05_Tab->setToolTip(mode == 1 || mode == 2 ? QStringLiteral("Non-Modifiable")
                                                      : QStringLiteral("Double Click to Edit"));
}

void Page_Cockpit_Numbers::Write_Text_Output(QStringList& lines)
{
    lines << QStringLiteral("COCKPIT CATEGORY NAMES:") << QString();
    for (int k = 0; k < CATEGORY_COUNT; ++k)
        lines << Category_Name(k);
    lines << QString() << QString() << QStringLiteral("COCKPIT TELEPHONE NUMBERS:") << QString();
    for (int k = 0; k < CATEGORY_COUNT; ++k) {
        lines << Category_Name(k) + QStringLiteral(" NUMBERS");
        lines << tables::Cockpit_Report_Heading() << tables::Cockpit_Report_Rule();
        for (const QString& line : Lines_Of(Control_05[static_cast<std::size_t>(k)]))
            lines << tables::Cockpit_Report_Row(line);
        lines << QString();
    }
}

void Page_Cockpit_Numbers::SetVisiblity(bool bSecured, bool bUser)
{
    Set_Shown(bSecured, bUser);
    Show_Own_Frame(Frame_User(), bUser);
}

void Page_Cockpit_Numbers::Control_05_Add_Click()
{
    QListWidget* list = Current_List();
    if (list->count() >= tables::Max_Cockpit_Numbers()) {
        platform::Warn(QStringLiteral("No more entries available"));
        return;
    }
    const QString line = Add_Cockpit_Number(Current_Category(), this);
    if (!line.isEmpty())
        list->insertItem(Selected_Index(list) + 1, line);
}

void Page_Cockpit_Numbers::Control_05_Edit_Click()
{
    QListWidget* list = Current_List();
    const int selected = Selected_Index(list);
    if (selected < 0) {
        if (list->count() > 0)
            platform::Warn(QStringLiteral("Select entry first"));
        return;
    }
    const QString line = Edit_Cockpit_Number(list->item(selected)->text(), Current_Category(), this);
    if (!line.isEmpty())
        list->item(selected)->setText(line);
}

void Page_Cockpit_Numbers::Control_05_Delete_Click()
{
    QListWidget* list = Current_List();
    const int selected = Selected_Index(list);
    if (selected < 0) {
        if (list->count() > 0)
            platform::Warn(QStringLiteral("Select entry first"));
        return;
    }
    delete list->takeItem(selected);
    list->clearSelection();
    list->setCurrentRow(-1);
}

void Page_Cockpit_Numbers::Control_05_Clear_Click()
{
    QListWidget* list = Current_List();
    if (list->count() == 0)
        return;
    if (platform::Msg_Box(QStringLiteral("This will clear the contents of the current category, continue?"),
                          platform::MsgButtons::OkCancel) == platform::MsgAnswer::Ok)
        list->clear();
}

void Page_Cockpit_Numbers::Control_05_Tab_DblClick()
{
    if (tables::Fixed_Cockpit_Categories())
        return;
    const int index = Current_Category();
    Set_Category_Name(index, Edit_Category_Name(Category_Name(index), this));
}

QPushButton* Page_Cockpit_Numbers::Sort_Button(tables::Cockpit_Column column, int index) const
{
    for (const Sort_Button_Row& row : SORT_BUTTONS)
        if (row.Column == column)
            return (this->*row.Buttons)[static_cast<std::size_t>(index)];
    return nullptr;
}

void Page_Cockpit_Numbers::Sort_Click(tables::Cockpit_Column column, int /*index*/)
{
    // Every sort acts on the tab that is shown, with that tab's button.
    const int category = Current_Category();
    QListWidget* list = Control_05[static_cast<std::size_t>(category)];
    if (list->count() == 0)
        return;
    QPushButton* button = Sort_Button(column, category);
    const bool ascending = Tag(button) == SORT_TAG_START;
    const QStringList sorted = tables::Sort_Cockpit_Lines(Lines_Of(list), column, ascending);
    list->clear();
    list->addItems(sorted);
    Set_Tag(button, ascending ? QStringLiteral("-1") : SORT_TAG_START);
}

int Page_Cockpit_Numbers::Drop_Text(int index, const QStringList& pieces)
{
    QListWidget* list = Control_05[static_cast<std::size_t>(qBound(0, index, CATEGORY_COUNT - 1))];
    tables::Set_Drop_Colour(list, false);
    const int first = Selected_Index(list) + 1;
    int added = 0;
    int refused = 0;
    bool full = false;
    for (const QString& piece : pieces) {
        if (list->count() >= tables::Max_Cockpit_Numbers()) {
            full = true;
            break;
        }
        const QString line = core::Parse_Phone_Entry(piece);
        if (tables::Is_Unused_Number(tables::Read_Cockpit_Line(line).Number)) {
            ++refused;
            continue;
        }
        list->insertItem(first + added, line);
        ++added;
    }
    if (full)
        tables::Warn_After_Drop(this, tables::Drop_Full_Message(added));
    if (refused > 0)
        tables::Warn_After_Drop(this, tables::Unused_Number_Drop_Message(refused));
    return added;
}
