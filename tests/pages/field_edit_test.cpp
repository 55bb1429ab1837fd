#include "editor/pages/field_edit.h"

#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace pages;
using testsupport::ScriptedMessages;

namespace {

using testsupport::Settle;
using testsupport::Type;

const QString DEFAULT_BOX = QStringLiteral("Value Out of Range, Setting to Default");

void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
}

// A window with two fields, a button and a caption label, active and shown.
struct Form {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLabel* caption = new QLabel(QStringLiteral("Ring Timeout"), window.get());
    QLabel* status = new QLabel(window.get());
    QLineEdit* first = new QLineEdit(window.get());
    QLineEdit* second = new QLineEdit(window.get());
    QPushButton* button = new QPushButton(QStringLiteral("OK"), window.get());

    Form()
    {
        auto* layout = new QHBoxLayout(window.get());
        for (QWidget* w : {static_cast<QWidget*>(caption), static_cast<QWidget*>(first),
                           static_cast<QWidget*>(second), static_cast<QWidget*>(button),
                           static_cast<QWidget*>(status)})
            layout->addWidget(w);
        first->setObjectName(QStringLiteral("Control_30"));
        second->setObjectName(QStringLiteral("Control_31"));
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        Settle();
        // Start with the focus away from the fields under test.
        button->setFocus(Qt::OtherFocusReason);
        Settle();
    }

    void Focus(QWidget* w)
    {
        w->setFocus(Qt::TabFocusReason);
        Settle();
    }
};

} // namespace

TEST(FieldFilter, TypedCharactersOutsideTheSetAreSwallowed)
{
    QLineEdit edit;
    Bind_Field(&edit, 4);
    Type(&edit, QStringLiteral("1a2.-3 "));
    EXPECT_EQ(edit.text(), "123");
    Press(&edit, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    EXPECT_EQ(edit.text(), "12");
}

TEST(FieldFilter, UpperCasingSetsUpperCaseTypedLetters)
{
    QLineEdit upper;
    Bind_Field(&upper, 1);
    Type(&upper, QStringLiteral("ab c~"));
    EXPECT_EQ(upper.text(), "AB C~");

    QLineEdit login;
    Bind_Field(&login, 13);
    Type(&login, QStringLiteral("aB-1_"));
    EXPECT_EQ(login.text(), "aB-1");

    QLineEdit hex;
    Bind_Field(&hex, 5);
    Type(&hex, QStringLiteral("fg1"));
    EXPECT_EQ(hex.text(), "F1");
}

TEST(FieldFilter, PasteAndInputMethodAreFilteredToo)
{
    QLineEdit edit;
    Bind_Field(&edit, 5);

    QApplication::clipboard()->setText(QStringLiteral("1a-z2"));
    Press(&edit, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    EXPECT_EQ(edit.text(), "1A2");

    edit.clear();
    edit.paste(); // the context menu's way
    EXPECT_EQ(edit.text(), "1A2");
    EXPECT_EQ(edit.cursorPosition(), 3);

    edit.clear();
    QInputMethodEvent commit(QString(), {});
    commit.setCommitString(QStringLiteral("cq7"));
    QCoreApplication::sendEvent(&edit, &commit);
    EXPECT_EQ(edit.text(), "C7");
}

// A screen reader's or speech input's edit reaches the field through its
// accessibility interface and passes the filter like typing; what the
// field held before stays as it was.
TEST(FieldFilter, TextSetOverTheAccessibilityInterfaceIsFiltered)
{
    QLineEdit edit;
    Bind_Field(&edit, 5);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&edit);
    ASSERT_NE(face, nullptr);
    face->setText(QAccessible::Value, QStringLiteral("12ab?z"));
    EXPECT_EQ(edit.text(), "12AB");
    ASSERT_NE(face->editableTextInterface(), nullptr);
    face->editableTextInterface()->replaceText(0, 4, QStringLiteral("x9f"));
    EXPECT_EQ(edit.text(), "9F");
    edit.setText(QStringLiteral("q 1")); // put in by code
    face->editableTextInterface()->insertText(3, QStringLiteral("-c"));
    EXPECT_EQ(edit.text(), "q 1C");
    edit.setReadOnly(true);
    face->setText(QAccessible::Value, QStringLiteral("1"));
    EXPECT_EQ(edit.text(), "q 1C");
}

TEST(FieldFilter, TextSetByCodeIsNotAltered)
{
    QLineEdit edit;
    Bind_Field(&edit, 4);
    edit.setText(QStringLiteral("ab 1"));
    EXPECT_EQ(edit.text(), "ab 1");
    EXPECT_EQ(Filter_Text(QStringLiteral("ab 1"), 4), "1");
}

TEST(FieldFocus, GainingFocusSelectsTheWholeText)
{
    Form form;
    Bind_Field(form.first, 4);
    form.first->setText(QStringLiteral("1234"));
    form.first->setCursorPosition(2);
    form.first->setFocus(Qt::OtherFocusReason); // by code: the field itself would not select
    Settle();
    ASSERT_TRUE(form.first->hasFocus());
    EXPECT_EQ(form.first->selectedText(), "1234");
    EXPECT_EQ(form.first->selectionStart(), 0);

    form.second->setText(QStringLiteral("77"));
    Select_Text(form.second);
    EXPECT_EQ(form.second->selectedText(), "77");
    form.second->deselect();
    Select_Text_Item({form.first, form.second}, 1);
    EXPECT_EQ(form.second->selectedText(), "77");
    Select_Text_Item({form.first, form.second}, 2); // outside the array: nothing
}

TEST(FieldFocus, StatusHintFollowsTheFocus)
{
    Form form;
    form.status->setText(QStringLiteral("StatusBar_General_U"));
    Bind_Status_Hint(form.first, form.status, QStringLiteral("Enter the ring timeout"));
    form.Focus(form.first);
    EXPECT_EQ(form.status->text(), "Enter the ring timeout");
    form.Focus(form.second);
    EXPECT_EQ(form.status->text(), "");
}

TEST(FieldCheck, LeavingABadFieldCorrectsItAndKeepsTheFocus)
{
    ScriptedMessages msgs;
    Form form;
    Bind_Field(form.first, 6, Real_Check(1, QStringLiteral("4.0"), 0, 25.5, Caption_Of(form.caption)));
    form.Focus(form.first);
    form.first->setText(QStringLiteral("."));
    form.Focus(form.second);

    EXPECT_EQ(form.first->text(), "4.0");
    ASSERT_EQ(msgs.Boxes().size(), 1);
    EXPECT_EQ(msgs.Boxes()[0].text, DEFAULT_BOX);
    EXPECT_EQ(msgs.Boxes()[0].title, "Ring Timeout");
    EXPECT_EQ(msgs.Boxes()[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(form.first->hasFocus());

    // The corrected value is good: now the focus may leave.
    form.Focus(form.second);
    EXPECT_TRUE(form.second->hasFocus());
    EXPECT_EQ(msgs.Boxes().size(), 1);
}

TEST(FieldCheck, GoodValueIsFormattedWithoutBox)
{
    ScriptedMessages msgs;
    Form form;
    Bind_Field(form.first, 6, Real_Check(1, QStringLiteral("4.0"), 0, 25.5, Caption_Of(form.caption)));
    form.Focus(form.first);
    form.first->setText(QStringLiteral("12"));
    form.Focus(form.second);
    EXPECT_EQ(form.first->text(), "12.0");
    EXPECT_TRUE(form.second->hasFocus());
    EXPECT_TRUE(msgs.Boxes().isEmpty());
}

TEST(FieldCheck, MoveOnFieldsLetTheFocusGo)
{
    ScriptedMessages msgs;
    Form form;
    Bind_Field(form.first, 4, Real_Check(0, QStringLiteral("5"), 0, 255, Fixed_Title(QStringLiteral("Retries"))),
               Focus_Rule::Move_On);
    form.Focus(form.first);
    form.first->setText(QStringLiteral("999"));
    form.Focus(form.second);
    EXPECT_EQ(form.first->text(), "255");
    ASSERT_EQ(msgs.Boxes().size(), 1);
    EXPECT_EQ(msgs.Boxes()[0].title, "Retries");
    EXPECT_TRUE(form.second->hasFocus());
}

TEST(FieldCheck, TwoBadFieldsDoNotFightForTheFocus)
{
    ScriptedMessages msgs;
    Form form;
    Bind_Field(form.first, 4, Real_Check(0, QStringLiteral("5"), 0, 255, Fixed_Title(QStringLiteral("A"))));
    Bind_Field(form.second, 4, Real_Check(0, QStringLiteral("7"), 0, 255, Fixed_Title(QStringLiteral("B"))));
    form.first->setText(QStringLiteral("x"));
    form.second->setText(QStringLiteral("y"));
    form.Focus(form.first);
    form.Focus(form.second);
    Settle();

    ASSERT_EQ(msgs.Boxes().size(), 1);
    EXPECT_EQ(msgs.Boxes()[0].title, "A");
    EXPECT_TRUE(form.first->hasFocus());
    EXPECT_EQ(form.first->text(), "5");
    EXPECT_EQ(form.second->text(), "y"); // never checked: it only had the focus in passing
}

TEST(FieldCheck, ABoxShownDuringTheCheckDoesNotStartASecondCheck)
{
    ScriptedMessages msgs;
    Form form;
    int runs = 0;
    Bind_Field(form.first, 0, [&](const QString&, bool& cancel) {
        ++runs;
        // What a real box does to the focus: another window becomes active.
        form.second->setFocus(Qt::ActiveWindowFocusReason);
        EXPECT_FALSE(Validate_Field(form.first)); // no re-entry
        cancel = true;
        return QStringLiteral("fixed");
    });
    form.Focus(form.first);
    form.Focus(form.button);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(form.first->text(), "fixed");
    EXPECT_TRUE(form.first->hasFocus());
}

TEST(FieldCheck, SwitchingWindowsRunsNoCheck)
{
    ScriptedMessages msgs;
    Form form;
    int runs = 0;
    Bind_Field(form.first, 0, [&](const QString& text, bool&) {
        ++runs;
        return text;
    });
    form.Focus(form.first);
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(form.first, &out);
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(form.first, &popup);
    EXPECT_EQ(runs, 0);
}

TEST(FieldCheck, ValidateFromCode)
{
    ScriptedMessages msgs;
    Form form;
    Bind_Field(form.first, 3, Octal_Check(010, 0, 0377, 3, Caption_Of(form.caption)));
    Bind_Field(form.second, 5, Hex_Check(0x3F, 0, 0xFF, Caption_Of(form.caption)), Focus_Rule::Move_On);
    form.Focus(form.first);
    form.first->setText(QStringLiteral("9"));

    // The focused field is checked: two boxes for a bad octal character.
    EXPECT_TRUE(Validate_Controls(form.window.get()));
    EXPECT_EQ(form.first->text(), "010");
    ASSERT_EQ(msgs.Boxes().size(), 2);
    EXPECT_EQ(msgs.Boxes()[0].text, "Ring Timeout contains invalid character");
    EXPECT_EQ(msgs.Boxes()[0].title, "");
    EXPECT_EQ(msgs.Boxes()[1].text, DEFAULT_BOX);
    EXPECT_TRUE(form.first->hasFocus());
    EXPECT_FALSE(Validate_Controls(form.window.get()));

    // A move-on field corrects its text but does not hold the focus.
    msgs.Clear();
    form.second->setText(QStringLiteral("zz"));
    EXPECT_FALSE(Validate_Field(form.second));
    EXPECT_EQ(form.second->text(), "3F");
    EXPECT_EQ(msgs.Boxes().size(), 1);

    QLineEdit unbound;
    EXPECT_FALSE(Validate_Field(&unbound));
    EXPECT_FALSE(Validate_Controls(nullptr));
}

TEST(FieldCheck, ValidateAllStopsAtTheFirstFieldThatKeepsTheFocus)
{
    ScriptedMessages msgs;
    Form form;
    Bind_Field(form.first, 4, Real_Check(0, QStringLiteral("5"), 0, 255, Fixed_Title(QStringLiteral("A"))));
    Bind_Field(form.second, 4, Real_Check(0, QStringLiteral("7"), 0, 255, Fixed_Title(QStringLiteral("B"))));
    form.first->setText(QStringLiteral("12"));
    form.second->setText(QStringLiteral("300"));
    form.Focus(form.button);
    EXPECT_TRUE(Validate_All_Fields(form.window.get()));
    EXPECT_EQ(form.second->text(), "255");
    EXPECT_TRUE(form.second->hasFocus());
    EXPECT_FALSE(Validate_All_Fields(form.window.get()));
    EXPECT_EQ(msgs.Boxes().size(), 1);
}

TEST(FieldCheck, AFieldGettingTheFocusBackCountsAsCancelled)
{
    ScriptedMessages msgs;
    Form form;
    Bind_Field(form.first, 4, Real_Check(0, QStringLiteral("5"), 0, 255, Fixed_Title(QStringLiteral("A"))));
    form.Focus(form.first);
    form.first->setText(QStringLiteral("x"));
    form.button->setFocus(Qt::MouseFocusReason); // the user clicks OK
    // The OK handler asks before acting, while the focus is on its way back.
    EXPECT_TRUE(Validate_Controls(form.window.get()));
    Settle();
    EXPECT_TRUE(form.first->hasFocus());
    EXPECT_FALSE(Validate_Controls(form.window.get()));
}

TEST(FieldCheck, RebindingReplacesSetAndCheck)
{
    QLineEdit edit;
    Field_Edit* field = Bind_Field(&edit, 4);
    EXPECT_FALSE(field->Has_Check());
    EXPECT_EQ(Bind_Field(&edit, 5, [](const QString& t, bool&) { return t; }), field);
    EXPECT_EQ(Find_Field(&edit), field);
    EXPECT_EQ(field->Char_Set(), 5);
    EXPECT_TRUE(field->Has_Check());
    EXPECT_THROW(Bind_Field(&edit, 18), std::out_of_range);
}

TEST(SpinButton, WholeNumberStepsStayInRange)
{
    Form form;
    Up_Down spin(form.window.get());
    spin.setObjectName(QStringLiteral("UpDown_47a"));
    Bind_Field(form.first, 4);
    Bind_Whole_Step(&spin, form.first, 0, 10, 5);
    form.Focus(form.first);

    form.first->setText(QStringLiteral("9"));
    spin.Up_Button()->click();
    EXPECT_EQ(form.first->text(), "10");
    spin.Up_Button()->click();
    EXPECT_EQ(form.first->text(), "10");
    form.first->setText(QStringLiteral("0"));
    spin.Down_Button()->click();
    EXPECT_EQ(form.first->text(), "0");
    form.first->setText(QString());
    spin.Down_Button()->click();
    EXPECT_EQ(form.first->text(), "4");
    EXPECT_TRUE(form.first->hasFocus()); // the buttons never take the focus
    EXPECT_EQ(spin.Up_Button()->focusPolicy(), Qt::NoFocus);
}

TEST(SpinButton, OneDecimalStepsAreFormattedByTheFieldsCheck)
{
    ScriptedMessages msgs;
    Form form;
    Up_Down spin(form.window.get());
    Bind_Field(form.first, 6, Real_Check(1, QStringLiteral("4.0"), 0, 25.5, Caption_Of(form.caption)));
    Bind_Real_Step(&spin, form.first, QStringLiteral("4.0"), 0, 25.5, Caption_Of(form.caption));
    QList<bool> steps;
    QObject::connect(&spin, &Up_Down::Stepped, [&](bool up) { steps << up; });

    form.first->setText(QStringLiteral("12.5"));
    spin.Up_Button()->click();
    EXPECT_EQ(form.first->text(), "12.6");
    form.first->setText(QStringLiteral("4.1"));
    spin.Down_Button()->click();
    EXPECT_EQ(form.first->text(), "4.0");
    form.first->setText(QStringLiteral("25.5"));
    spin.Up_Button()->click();
    EXPECT_EQ(form.first->text(), "25.5");
    EXPECT_TRUE(msgs.Boxes().isEmpty());
    EXPECT_EQ(steps, QList<bool>({true, false, true}));

    form.first->setText(QStringLiteral("."));
    spin.Up_Button()->click();
    EXPECT_EQ(form.first->text(), "4.0");
    ASSERT_EQ(msgs.Boxes().size(), 1);
    EXPECT_EQ(msgs.Boxes()[0].text, DEFAULT_BOX);
    EXPECT_EQ(msgs.Boxes()[0].title, "Ring Timeout");
}

TEST(FieldCheck, AButtonPressedToLeaveABadFieldIsReleasedWithoutActing)
{
    ScriptedMessages msgs;
    Form form;
    int clicks = 0;
    QObject::connect(form.button, &QPushButton::clicked, [&] { ++clicks; });
    Bind_Field(form.first, 4, Real_Check(0, QStringLiteral("5"), 0, 255, Fixed_Title(QStringLiteral("A"))));
    form.Focus(form.first);
    form.first->setText(QString());
    form.button->setDown(true); // the press that took the focus
    form.button->setFocus(Qt::MouseFocusReason);
    Settle();
    EXPECT_FALSE(form.button->isDown());
    EXPECT_TRUE(form.first->hasFocus());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(msgs.Boxes().size(), 1);
}

TEST(FieldCheck, HidingOrDisablingTheFocusedFieldRunsNoCheck)
{
    ScriptedMessages msgs;
    Form form;
    Bind_Field(form.first, 4, Real_Check(0, QStringLiteral("5"), 0, 255, Fixed_Title(QStringLiteral("A"))));
    Bind_Field(form.second, 4, Real_Check(0, QStringLiteral("5"), 0, 255, Fixed_Title(QStringLiteral("B"))));
    form.Focus(form.first);
    form.first->setText(QStringLiteral("x"));
    form.first->hide();
    Settle();
    form.Focus(form.second);
    form.second->setText(QStringLiteral("y"));
    form.second->setEnabled(false);
    Settle();
    EXPECT_TRUE(msgs.Boxes().isEmpty());
    EXPECT_EQ(form.first->text(), "x");
    EXPECT_EQ(form.second->text(), "y");
}

TEST(FieldCheck, AMissingTitleSourceGivesTheProgramTitle)
{
    ScriptedMessages msgs;
    QLineEdit edit;
    Bind_Field(&edit, 4, Real_Check(0, QStringLiteral("5"), 0, 9, Title_Source()));
    edit.setText(QStringLiteral("x"));
    EXPECT_TRUE(Validate_Field(&edit));
    EXPECT_EQ(edit.text(), "5");
    ASSERT_EQ(msgs.Boxes().size(), 1);
    EXPECT_EQ(msgs.Boxes()[0].title, "");
}
