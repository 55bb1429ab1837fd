// The category name dialog: its result on OK (upper case, NUL-padded record
// field), Cancel, the close box, Enter and Esc.
#include "editor/pages_tables/phone_category_dialog.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

using testsupport::On_Modal;

void Press(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

QString Field(const QString& text)
{
    return text + QString(11 - text.size(), QChar(0));
}

TEST(PhoneCategoryDialog, ControlsAndPreparedText)
{
    Phone_Category_Dialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Category Name"));
    EXPECT_EQ(dialog.Label_Cat_Name->objectName(), QStringLiteral("Label_Cat_Name"));
    EXPECT_EQ(dialog.Label_Cat_Name->text(), QStringLiteral("Category Name"));
    EXPECT_EQ(dialog.Control_Category_Name->objectName(), QStringLiteral("Control_Category_Name"));
    EXPECT_EQ(dialog.Control_Category_Name->maxLength(), 10);
    EXPECT_EQ(dialog.OKButton->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog.CancelButton->text(), QStringLiteral("Cancel"));

    // A NUL-padded name shows without its padding, all of it selected.
    dialog.Prepare(Field(QStringLiteral("SAFETY")));
    EXPECT_EQ(dialog.Control_Category_Name->text(), QStringLiteral("SAFETY"));
    EXPECT_EQ(dialog.Control_Category_Name->selectedText(), QStringLiteral("SAFETY"));
    EXPECT_EQ(dialog.Result(), Field(QStringLiteral("SAFETY")));
}

TEST(PhoneCategoryDialog, OkGivesTheUpperCaseRecordField)
{
    Phone_Category_Dialog dialog;
    dialog.Prepare(QStringLiteral("Category1"));
    dialog.Control_Category_Name->setText(QStringLiteral("CABIN"));
    dialog.OK_Click();
    EXPECT_EQ(dialog.Result(), QStringLiteral("CABIN") + QString(6, QChar(0)));

    dialog.Prepare(QStringLiteral("Category1"));
    dialog.Control_Category_Name->setText(QStringLiteral("crew"));
    dialog.OK_Click();
    EXPECT_EQ(dialog.Result(), Field(QStringLiteral("CREW")));
}

TEST(PhoneCategoryDialog, CancelKeepsTheNamePassedIn)
{
    Phone_Category_Dialog dialog;
    dialog.Prepare(QStringLiteral("Category2"));
    dialog.Control_Category_Name->setText(QStringLiteral("OTHER"));
    dialog.Cancel_Click();
    EXPECT_EQ(dialog.Result(), QStringLiteral("Category2"));
}

TEST(PhoneCategoryDialog, LeavingTheFieldTurnsItUpperCase)
{
    Phone_Category_Dialog dialog;
    dialog.Control_Category_Name->setText(QStringLiteral("ops 1"));
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(dialog.Control_Category_Name, &leave);
    EXPECT_EQ(dialog.Control_Category_Name->text(), QStringLiteral("OPS 1"));
}

TEST(PhoneCategoryDialog, EnterIsOkAndEscIsCancelWhereverTheFocusIs)
{
    Phone_Category_Dialog dialog;
    dialog.Prepare(QStringLiteral("Category3"));
    dialog.Control_Category_Name->setText(QStringLiteral("PILOTS"));
    Press(dialog.Control_Category_Name, Qt::Key_Return);
    EXPECT_EQ(dialog.Result(), Field(QStringLiteral("PILOTS")));

    dialog.Prepare(QStringLiteral("Category3"));
    dialog.Control_Category_Name->setText(QStringLiteral("PILOTS"));
    Press(dialog.CancelButton, Qt::Key_Enter);
    EXPECT_EQ(dialog.Result(), Field(QStringLiteral("PILOTS")));

    dialog.Prepare(QStringLiteral("Category3"));
    dialog.Control_Category_Name->setText(QStringLiteral("OTHER"));
    Press(dialog.OKButton, Qt::Key_Escape);
    EXPECT_EQ(dialog.Result(), QStringLiteral("Category3"));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(PhoneCategoryDialog, ModalFunctionOkEscAndCloseBox)
{
    On_Modal([](QWidget* modal) {
        auto* dialog = qobject_cast<Phone_Category_Dialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->Control_Category_Name->setText(QStringLiteral("CABIN"));
        dialog->OKButton->click();
    });
    EXPECT_EQ(Edit_Category_Name(QStringLiteral("Category1"), nullptr), Field(QStringLiteral("CABIN")));

    On_Modal([](QWidget* modal) {
        auto* dialog = qobject_cast<Phone_Category_Dialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->Control_Category_Name->setText(QStringLiteral("OTHER"));
        Press(dialog->Control_Category_Name, Qt::Key_Escape);
    });
    EXPECT_EQ(Edit_Category_Name(QStringLiteral("Category1"), nullptr), QStringLiteral("Category1"));

    On_Modal([](QWidget* modal) {
        qobject_cast<Phone_Category_Dialog*>(modal)->Control_Category_Name->setText(QStringLiteral("X"));
        modal->close();
    });
    EXPECT_EQ(Edit_Category_Name(QStringLiteral("Category4"), nullptr), QStringLiteral("Category4"));
}

} // namespace
