#include "editor/pages_tables/sat_ges_lists.h"

#include "editor/core/list_helpers.h"
#include "editor/core/value_helpers.h"
#include "editor/pages/page_frame.h"
#include "editor/pages_tables/sat_row.h"

#include <QAbstractItemModel>
#include <QListWidget>
#include <algorithm>

namespace sat_ges {

namespace {

void Cut_At_Nul(QListWidget* list, int first, int last)
{
    for (int row = std::max(first, 0); row <= last && row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        const QString text = item->text();
        const qsizetype nul = text.indexOf(QChar(0));
        if (nul >= 0)
            item->setText(text.left(nul));
    }
}

} // namespace

void Keep_Text_Before_Nul(QListWidget* list)
{
    QAbstractItemModel* model = list->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, list,
                     [list](const QModelIndex&, int first, int last) { Cut_At_Nul(list, first, last); });
    QObject::connect(model, &QAbstractItemModel::dataChanged, list,
                     [list](const QModelIndex& top_left, const QModelIndex& bottom_right) {
                         Cut_At_Nul(list, top_left.row(), bottom_right.row());
                     });
}

bool Take_Sort_Direction(QWidget* button)
{
    const double value = core::Parse_Number(Tag(button)).value_or(0.0);
    const double next = value == 0.0 ? 0.0 : -value;
    Set_Tag(button, core::Format_Shortest(next));
    return value == 1.0;
}

bool Sort_Sat_Lines(const QStringList& lines, int column, bool ascending, QStringList& sorted)
{
    using namespace modSat_Table_Dialog;
    QStringList keys;
    for (const QString& line : lines) {
        Sat_Row row;
        if (!Set_Sat_Row(row, line, 0))
            return false;
        keys << Get_Sat_Row(row, column);
    }
    keys = core::Merge_Sort(keys);
    if (!ascending)
        std::reverse(keys.begin(), keys.end());
    sorted.clear();
    for (const QString& key : keys)
        sorted << Get_Sat_Row(Parse_Sat_Line(key, column), 0);
    return true;
}

} // namespace sat_ges
