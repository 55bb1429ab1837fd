#include "support/modal_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace testsupport {

namespace {
// How long a box stays up before it is answered.
constexpr int ANSWER_DELAY_MS = 50;
} // namespace

Modal_Boxes::Modal_Boxes() : previous_(&platform::Messages()) { platform::Set_Message_Service(this); }

Modal_Boxes::~Modal_Boxes() { platform::Set_Message_Service(previous_); }

platform::MsgAnswer Modal_Boxes::Show(const QString& text, platform::MsgButtons buttons, platform::MsgIcon,
                                      const QString& title)
{
    texts_ << text;
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (buttons) {
    case platform::MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case platform::MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case platform::MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case platform::MsgButtons::YesNo_Default_No:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    case platform::MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    QTimer::singleShot(ANSWER_DELAY_MS, &box, [this, &box] {
        if (while_shown_)
            while_shown_();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    switch (box.exec()) {
    case QMessageBox::Yes: return platform::MsgAnswer::Yes;
    case QMessageBox::No: return platform::MsgAnswer::No;
    case QMessageBox::Cancel: return platform::MsgAnswer::Cancel;
    default: return platform::MsgAnswer::Ok;
    }
}

void Release_Through_Window(QWidget* widget)
{
    QWindow* window = widget->window()->windowHandle();
    if (!window)
        return;
    const QPoint at = window->mapFromGlobal(widget->mapToGlobal(widget->rect().center()));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace testsupport
