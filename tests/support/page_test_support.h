#pragma once
// Helpers that the tests of the item pages and their dialogs share: showing
// a window and moving the focus the way the user does, typing, reading the
// entries of a drop-down list or the lines of a list box, dragging text onto
// a control, and acting on a dialog once it is shown modally.

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace testsupport {

// The first and last pixel columns of an image that hold anything but the
// colour of its bottom-right pixel, or -1.
inline std::pair<int, int> Ink_Columns(const QImage& image)
{
    const QRgb blank = image.pixel(image.width() - 1, image.height() - 1);
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != blank) {
                if (first < 0)
                    first = x;
                last = x;
            }
    return {first, last};
}

// Runs the event loop five times over, for chains of queued events.
inline void Settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Shows window and makes it the active window, then runs the event loop once.
inline void Activate(QWidget* window)
{
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
}

// Moves the focus to widget as the Tab key does, then runs the event loop twice.
inline void Focus(QWidget* widget)
{
    widget->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QApplication::processEvents();
}

// Sends one key press per character of text.
inline void Type(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(target, &press);
    }
}

// The entries of a drop-down list, in list-index order.
inline QStringList Entries(const QComboBox* combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}

// The lines of a list box, first line first.
inline QStringList Lines(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

// Drags text onto target; true when the target accepts it.
inline bool Drag_Enter(QWidget* target, const QString& text)
{
    QMimeData mime;
    mime.setText(text);
    QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    return enter.isAccepted();
}

// Drops text onto target; as with the mouse, the drag enters the target first.
inline void Drop(QWidget* target, const QString& text)
{
    Drag_Enter(target, text);
    QMimeData mime;
    mime.setText(text);
    QDropEvent drop(QPointF(3, 3), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// Runs action on the dialog that the next modal showing puts up.
inline void On_Modal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << "no modal dialog";
            return;
        }
        action(modal);
    });
}

// Runs step on the next modal dialog once it is shown; when that is not a
// Dialog the test fails ("<what> is not shown") and the dialog is closed.
template <class Dialog>
void On_Dialog(std::function<void(Dialog&)> step, const char* what = "the expected dialog")
{
    const std::string failure = std::string(what) + " is not shown";
    QTimer::singleShot(0, [step, failure] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!dialog) {
            ADD_FAILURE() << failure;
            if (modal)
                modal->close();
            return;
        }
        step(*dialog);
    });
}

// Answers the modal Dialogs that open while it lives, one step each; every
// step must have been used by the time it ends. A Dialog beyond the steps
// fails the test ("unexpected <what> dialog") and is rejected.
template <class Dialog>
class Modal_Script {
public:
    using Step = std::function<void(Dialog&)>;

    Modal_Script(std::deque<Step> steps, const char* what) : steps_(std::move(steps)), what_(what)
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    ~Modal_Script() { EXPECT_TRUE(steps_.empty()) << steps_.size() << " dialog(s) never opened"; }

    Modal_Script(const Modal_Script&) = delete;
    Modal_Script& operator=(const Modal_Script&) = delete;

    // How many dialogs it has seen.
    int Handled() const { return handled_count_; }

private:
    void Poll()
    {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == handled_)
            return;
        handled_ = dialog;
        ++handled_count_;
        if (steps_.empty()) {
            ADD_FAILURE() << "unexpected " << what_ << " dialog";
            dialog->reject();
            return;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step(*dialog);
    }

    std::deque<Step> steps_;
    std::string what_;
    QTimer timer_;
    QPointer<Dialog> handled_;
    int handled_count_ = 0;
};

} // namespace testsupport
