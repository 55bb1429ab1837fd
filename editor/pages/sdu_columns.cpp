#include "editor/pages/sdu_columns.h"

#include "editor/pages/page_widgets.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace pages {

namespace {

// Keeps the label column's rows starting where the frames' rows start: a
// frame's caption takes a height that follows its font and style, and the
// frame sets its contents margins anew whenever they change.
class Caption_Inset final : public QObject {
public:
    Caption_Inset(QWidget* column, QGroupBox* frame) : QObject(column), column_(column), frame_(frame)
    {
        frame->installEventFilter(this);
        Follow();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == frame_ && event->type() == QEvent::ContentsRectChange)
            Follow();
        return false;
    }

private:
    void Follow()
    {
        if (column_ && frame_)
            column_->setContentsMargins(0, frame_->contentsMargins().top(), 0, 0);
    }

    QPointer<QWidget> column_;
    QPointer<QGroupBox> frame_;
};

// Gives each row its height in the label column and in every frame while
// its label is shown. A row whose label is hidden takes no room, and the
// label column goes with its last shown label, so hidden rows leave no gap.
class Row_Heights final : public QObject {
public:
    Row_Heights(QWidget* column, const std::vector<QGridLayout*>& grids) : QObject(column), column_(column)
    {
        for (QGridLayout* grid : grids)
            grids_.emplace_back(grid);
    }

    void Add(QLabel* label, int line, int height)
    {
        rows_.push_back({label, line, height});
        label->installEventFilter(this);
        Set_Height(rows_.back(), true);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
            Follow();
        return false;
    }

private:
    struct Row {
        QPointer<QLabel> label;
        int line;
        int height;
    };

    void Set_Height(const Row& row, bool shown)
    {
        for (const QPointer<QGridLayout>& grid : grids_) {
            if (grid)
                grid->setRowMinimumHeight(row.line, shown ? row.height : 0);
        }
    }

    void Follow()
    {
        bool any = false;
        for (const Row& row : rows_) {
            const bool shown = row.label && !row.label->isHidden();
            Set_Height(row, shown);
            any = any || shown;
        }
        if (column_ && column_->parentWidget() && column_->isHidden() == any)
            column_->setVisible(any);
    }

    QPointer<QWidget> column_;
    std::vector<QPointer<QGridLayout>> grids_;
    std::vector<Row> rows_;
};

// Names the text fields and drop-down lists that widget is or holds.
void Name_Fields(QLabel* label, QWidget* widget, const QString& heading)
{
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget)) {
        Label_Field(label, widget, heading);
        return;
    }
    for (QLineEdit* edit : widget->findChildren<QLineEdit*>())
        Label_Field(label, edit, heading);
    for (QComboBox* combo : widget->findChildren<QComboBox*>())
        Label_Field(label, combo, heading);
}

} // namespace

QHBoxLayout* SDU_Columns(const std::vector<SDU_Row>& rows, const std::vector<QGroupBox*>& frames)
{
    auto* column = new QWidget;
    auto* labels = new QGridLayout(column);
    std::vector<QGridLayout*> grids;
    for (QGroupBox* frame : frames)
        grids.push_back(new QGridLayout(frame));
    // The label column's layout starts, ends and steps as the frames' do.
    const QMargins margins = grids.front()->contentsMargins();
    labels->setContentsMargins(0, margins.top(), 0, margins.bottom());
    labels->setVerticalSpacing(grids.front()->verticalSpacing());
    std::vector<QGridLayout*> all_grids = grids;
    all_grids.push_back(labels);
    auto* heights = new Row_Heights(column, all_grids);

    QString group; // the caption of the last heading row
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const SDU_Row& row = rows[r];
        const int line = static_cast<int>(r);
        if (std::all_of(row.cells.begin(), row.cells.end(), [](const auto& cell) { return cell.empty(); }))
            group = row.label->text();
        labels->addWidget(row.label, line, 0);
        int height = labels->itemAtPosition(line, 0)->sizeHint().height();
        for (std::size_t f = 0; f < frames.size(); ++f) {
            QGridLayout* grid = grids[f];
            if (f >= row.cells.size() || row.cells[f].empty()) {
                // An empty widget keeps the heading row, and the spacing
                // after it, in the frame as in the label column.
                grid->addWidget(new QWidget, line, 0);
                continue;
            }
            int place = 0;
            for (QWidget* widget : row.cells[f]) {
                grid->addWidget(widget, line, place);
                height = std::max(height, grid->itemAtPosition(line, place)->sizeHint().height());
                Name_Fields(row.label, widget,
                            group.isEmpty() ? frames[f]->title() : group + QLatin1Char(' ') + frames[f]->title());
                ++place;
            }
        }
        heights->Add(row.label, line, height);
    }
    new Caption_Inset(column, frames.front());

    auto* block = new QHBoxLayout;
    block->addWidget(column, 0, Qt::AlignTop);
    for (QGroupBox* frame : frames)
        block->addWidget(frame, 0, Qt::AlignTop);
    block->addStretch(1);
    return block;
}

} // namespace pages
