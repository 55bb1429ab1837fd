#include "editor/pages/column_painter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

namespace pages {

namespace {

// Paints each line column by column, every column at its place; characters
// past the last column are not painted.
class Column_Painter final : public QStyledItemDelegate {
public:
    explicit Column_Painter(QObject* parent) : QStyledItemDelegate(parent) {}

    void Set_Places(std::vector<Column_Place> places) { places_ = std::move(places); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget* widget = item.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        // Background, selection and focus as any line has them.
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        QPalette::ColorGroup group = QPalette::Normal;
        if (!(item.state & QStyle::State_Enabled))
            group = QPalette::Disabled;
        else if (!(item.state & QStyle::State_Active))
            group = QPalette::Inactive;
        const bool selected = item.state & QStyle::State_Selected;
        painter->save();
        painter->setFont(item.font);
        painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        for (const Column_Place& place : places_) {
            const QRect cell(item.rect.x() + place.Left, item.rect.y(), place.Width, item.rect.height());
            painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                              text.mid(place.First, place.Length));
        }
        painter->restore();
    }

    // A line is as wide as its columns, so the list never scrolls sideways
    // away from the places.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (!places_.empty())
            size.setWidth(places_.back().Left + places_.back().Width);
        return size;
    }

private:
    std::vector<Column_Place> places_;
};

} // namespace

void Paint_Columns(QListWidget* list, std::vector<Column_Place> places)
{
    auto* painter = dynamic_cast<Column_Painter*>(list->itemDelegate());
    if (!painter) {
        painter = new Column_Painter(list); // owned by the list
        list->setItemDelegate(painter);
    }
    painter->Set_Places(std::move(places));
    // The lines take their new width at once.
    list->doItemsLayout();
    list->viewport()->update();
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

} // namespace pages
