#include "editor/pages_tables/sat_ges_lists.h"

#include "editor/core/list_helpers.h"
#include "editor/core/value_helpers.h"
#include "editor/pages/page_frame.h"
#include "editor/pages_tables/column_painter.h"
#include "editor/pages_tables/sat_row.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <vector>

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

void Fit_Columns(QListWidget* list, std::span<QPushButton* const> buttons, std::span<const int> widths)
{
    const std::size_t count = std::min(buttons.size(), widths.size());
    if (count == 0)
        return;
    const QFontMetrics line_metrics(list->font());
    const QStyle* style = list->style();
    // A line's text stands this far inside the list's frame on each side.
    const int text_margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int left = list->frameWidth() + text_margin;
    const int right = list->frameWidth() + text_margin +
                      style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list->verticalScrollBar());

    int characters = 0;
    int total = 0;
    std::vector<Column_Place> places;
    for (std::size_t k = 0; k < count; ++k) {
        const int start = line_metrics.horizontalAdvance(QString(characters, QLatin1Char('0')));
        const int end = line_metrics.horizontalAdvance(QString(characters + widths[k], QLatin1Char('0')));
        const int before = k == 0 ? left : 0;
        const int after = k + 1 == count ? right : 0;
        QPushButton* button = buttons[k];
        const QStyle* button_style = button->style();
        const int caption = button->fontMetrics().horizontalAdvance(button->text()) +
                            2 * (button_style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                                 button_style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
        const int width = std::max(before + (end - start) + after, caption);
        button->setFixedWidth(width);
        // The column starts where its button does, inside the list's frame.
        places.push_back({characters, widths[k], total + before - list->frameWidth(), width - before - after});
        characters += widths[k];
        total += width;
    }
    list->setFixedWidth(total);
    Paint_Columns(list, std::move(places));
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
