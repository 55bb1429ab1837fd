#include "editor/pages_tables/column_painter.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

namespace sat_ges {

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

} // namespace sat_ges
