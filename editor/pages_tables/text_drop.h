#pragma once
// Plain text dropped from other programs onto the directory lists and the
// cabin number slots: splitting the text into entries, the yellow highlight
// while text is dragged over a target, and the message when room runs out.
//
// A target is one or more widgets that act together (a list, or the nine
// slots of one channel). The owner decides whether the target takes text at
// the moment, what the highlight looks like and what a drop does.

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace tables {

// The background of a target while text is dragged over it, and otherwise.
inline const QColor DROP_COLOUR_DRAG = QColor(Qt::yellow);
inline const QColor DROP_COLOUR_NORMAL = QColor(Qt::white);

// The entries of a dropped text: split at each line end (CR LF, or a lone LF
// as programs on this platform write it); a last piece after the final line
// end counts; empty pieces are skipped.
QStringList Split_Dropped_Text(const QString& text);

// "No more entries available. " + added + " were added."
QString Drop_Full_Message(int added);

// Shows an exclamation box about a drop (the application's title) once the
// drop event has been handled: a box runs an event loop of its own, which
// must not run inside the platform's delivery of the drop. Nothing is shown
// when context is gone by then.
void Warn_After_Drop(QObject* context, const QString& text);

// Paints the text background of widget yellow (dragging) or white.
void Set_Drop_Colour(QWidget* widget, bool dragging);
// The text background that widget shows while it is active.
QColor Drop_Colour(const QWidget* widget);

struct Drop_Handlers {
    // Whether the target takes text now; unset means always.
    std::function<bool()> Accepts;
    // Called with true while text is dragged over the target (entering or
    // moving) and with false when the drag leaves or drops.
    std::function<void(bool dragging)> Highlight;
    // Called with the pieces of a dropped text (possibly none).
    std::function<void(const QStringList& pieces)> Drop;
};

// Watches the drag events of its widgets (for a list: its viewport) and
// hands them to the handlers. The widgets' own handling of drops (a text
// field inserting the text at the cursor) never runs. Text is taken as a
// copy only, so the source keeps all it dragged. A child of parent.
class Text_Drop_Target final : public QObject {
    Q_OBJECT
public:
    Text_Drop_Target(const QList<QWidget*>& widgets, Drop_Handlers handlers, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Takes_Text() const;

    Drop_Handlers handlers_;
};

} // namespace tables
