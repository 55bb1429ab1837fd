// The real dialogs, pressed by a timer: the answer names the button pressed.
#include "platform/message_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

using namespace platform;

namespace {

// Presses the button of the open box once the event loop runs.
void Press_Later(QMessageBox::StandardButton which)
{
    QTimer::singleShot(0, [which] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                if (QAbstractButton* button = box->button(which))
                    button->click();
    });
}

} // namespace

TEST(DialogMessageService, AnswerIsTheButtonPressed)
{
    Press_Later(QMessageBox::Ok);
    EXPECT_EQ(Msg_Box("Delete the entry?", MsgButtons::OkCancel), MsgAnswer::Ok);
    Press_Later(QMessageBox::Cancel);
    EXPECT_EQ(Msg_Box("Delete the entry?", MsgButtons::OkCancel), MsgAnswer::Cancel);
    Press_Later(QMessageBox::Ok);
    EXPECT_EQ(Msg_Box("Done"), MsgAnswer::Ok);
    Press_Later(QMessageBox::No);
    EXPECT_EQ(Msg_Box("Save?", MsgButtons::YesNoCancel), MsgAnswer::No);
}
