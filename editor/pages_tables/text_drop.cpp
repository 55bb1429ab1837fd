#include "editor/pages_tables/text_drop.h"

#include "platform/message_service.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPalette>
#include <QRegularExpression>
#include <QWidget>

namespace tables {

QStringList Split_Dropped_Text(const QString& text)
{
    static const QRegularExpression line_end(QStringLiteral("\r?\n"));
    return text.split(line_end, Qt::SkipEmptyParts);
}

QString Drop_Full_Message(int added)
{
    return QStringLiteral("No more entries available. ") + QString::number(added) +
           QStringLiteral(" were added.");
}

void Warn_After_Drop(QObject* context, const QString& text)
{
    QMetaObject::invokeMethod(
        context, [text] { platform::Warn(text); }, Qt::QueuedConnection);
}

void Set_Drop_Colour(QWidget* widget, bool dragging)
{
    if (!widget)
        return;
    const QColor colour = dragging ? DROP_COLOUR_DRAG : DROP_COLOUR_NORMAL;
    QPalette palette = widget->palette();
    // A disabled control keeps the look of a disabled control.
    palette.setColor(QPalette::Active, QPalette::Base, colour);
    palette.setColor(QPalette::Inactive, QPalette::Base, colour);
    widget->setPalette(palette);
}

QColor Drop_Colour(const QWidget* widget)
{
    return widget->palette().color(QPalette::Active, QPalette::Base);
}

Text_Drop_Target::Text_Drop_Target(const QList<QWidget*>& widgets, Drop_Handlers handlers,
                                   QObject* parent)
    : QObject(parent), handlers_(std::move(handlers))
{
    for (QWidget* widget : widgets) {
        widget->setAcceptDrops(true);
        widget->installEventFilter(this);
    }
}

bool Text_Drop_Target::Takes_Text() const
{
    return !handlers_.Accepts || handlers_.Accepts();
}

namespace {

// Accepts a drag or drop as a copy: the source keeps all it dragged, also
// the entries that the target refuses for want of room. A source that can
// only move is refused.
bool Accept_As_Copy(QDropEvent* event)
{
    if (!(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

bool Has_Text(const QDropEvent* event)
{
    return event->mimeData() && event->mimeData()->hasText();
}

} // namespace

bool Text_Drop_Target::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (Has_Text(drag) && Takes_Text() && Accept_As_Copy(drag)) {
            if (handlers_.Highlight)
                handlers_.Highlight(true);
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::DragLeave:
        if (handlers_.Highlight)
            handlers_.Highlight(false);
        return true;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (handlers_.Highlight)
            handlers_.Highlight(false);
        if (Has_Text(drop) && Takes_Text() && Accept_As_Copy(drop)) {
            if (handlers_.Drop)
                handlers_.Drop(Split_Dropped_Text(drop->mimeData()->text()));
        } else {
            drop->ignore();
        }
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace tables
