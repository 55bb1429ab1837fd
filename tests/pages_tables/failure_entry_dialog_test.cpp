// The failure-mask dialog: its controls, the fields of a new and an existing
// mask, the line built by OK, the refusals of missing codes, the field
// checks, and Cancel and the close box.
#include "editor/pages_tables/failure_entry_dialog.h"

#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using testsupport::ScriptedMessages;

namespace {

void On_Failure_Dialog(std::function<void(Failure_Entry_Dialog&)> step)
{
    testsupport::On_Dialog(std::move(step), "the failure-mask dialog");
}

} // namespace

TEST(FailureEntryDialogTest, ControlsCaptionsAndTags)
{
    Failure_Entry_Dialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add a Failure Mask"));
    const struct {
        const char* name;
        const char* caption;
    } labels[] = {{"Level1_Label", "Level 1 Code"}, {"SRU_Label", "SRU Code"}, {"Failure_Label", "Failure Code"},
                  {"Mask_Label", "Mask Type"}};
    for (const auto& l : labels) {
        auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), QString::fromLatin1(l.caption));
        EXPECT_EQ(Tag(label), QStringLiteral("Item 38"));
    }
    const struct {
        const char* name;
        int length;
        const char* tooltip;
    } fields[] = {{"Control_Level1", 2, "Range: 00 - FF (hex)"}, {"Control_SRUCode", 1, "Range: 0-9, A-Z"},
                  {"Control_FailCode", 2, "Range: 00 - FF (hex)"}};
    for (const auto& f : fields) {
        auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(f.name));
        ASSERT_NE(edit, nullptr) << f.name;
        EXPECT_EQ(edit->maxLength(), f.length);
        EXPECT_EQ(edit->toolTip(), QString::fromLatin1(f.tooltip));
    }
    auto* mask = dialog.findChild<QComboBox*>(QStringLiteral("Control_Mask"));
    ASSERT_NE(mask, nullptr);
    ASSERT_EQ(mask->count(), 2);
    EXPECT_EQ(mask->itemText(0), QStringLiteral("Indictment"));
    EXPECT_EQ(mask->itemText(1), QStringLiteral("Failure"));
    EXPECT_NE(dialog.findChild<QPushButton*>(QStringLiteral("OKButton")), nullptr);
    EXPECT_NE(dialog.findChild<QPushButton*>(QStringLiteral("CancelButton")), nullptr);
}

TEST(FailureEntryDialogTest, NewMaskStartsAtZeroAndOKBuildsTheLine)
{
    ScriptedMessages boxes;
    On_Failure_Dialog([](Failure_Entry_Dialog& d) {
        EXPECT_EQ(d.Control_Level1->text(), QStringLiteral("00"));
        EXPECT_EQ(d.Control_SRUCode->text(), QStringLiteral("0"));
        EXPECT_EQ(d.Control_FailCode->text(), QStringLiteral("00"));
        EXPECT_EQ(d.Control_Mask->currentText(), QStringLiteral("Indictment"));
        d.Control_Level1->setText(QStringLiteral("5"));
        d.Control_SRUCode->setText(QStringLiteral("K"));
        d.Control_FailCode->setText(QStringLiteral("A"));
        d.Control_Mask->setCurrentIndex(1);
        d.OKButton->click();
    });
    const QString line = Failure_Entry_Dialog::Add_Entry(nullptr);
    EXPECT_EQ(line, QStringLiteral(" 05       K     0A        Failure"));
    EXPECT_EQ(line.mid(1, 2), QStringLiteral("05"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

// The keyboard user's way through the dialog: it opens in Level 1, Tab goes
// down the rows and on to the buttons, and a code typed at once is the code
// that Enter puts into the line.
TEST(FailureEntryDialogTest, OpensInLevel1TabFollowsTheRowsAndEnterKeepsTheTypedCode)
{
    ScriptedMessages boxes;
    On_Failure_Dialog([](Failure_Entry_Dialog& d) {
        testsupport::Activate(&d);
        testsupport::Settle();
        EXPECT_EQ(QApplication::focusWidget(), d.Control_Level1);
        const QWidget* const order[] = {d.Control_SRUCode, d.Control_FailCode, d.Control_Mask,
                                        d.OKButton,        d.CancelButton,     d.Control_Level1};
        for (const QWidget* next : order) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &tab);
            testsupport::Settle();
            EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
        }
        QWidget* typed_into = QApplication::focusWidget();
        ASSERT_NE(typed_into, nullptr);
        testsupport::Type(typed_into, QStringLiteral("0B"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(typed_into, &enter);
        if (d.isVisible())
            d.reject();
    });
    EXPECT_EQ(Failure_Entry_Dialog::Add_Entry(nullptr), QStringLiteral(" 0B       0     00        Indictment"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST(FailureEntryDialogTest, ModifyStartsFromTheLine)
{
    Failure_Entry_Dialog dialog;
    dialog.Prepare_Modify(QStringLiteral(" 1F       Z     C3        Indictment"));
    EXPECT_EQ(dialog.Control_Level1->text(), QStringLiteral("1F"));
    EXPECT_EQ(dialog.Control_SRUCode->text(), QStringLiteral("Z"));
    EXPECT_EQ(dialog.Control_FailCode->text(), QStringLiteral("C3"));
    EXPECT_EQ(dialog.Control_Mask->currentIndex(), 0);
    // a type read from a record that is neither opens as Failure
    dialog.Prepare_Modify(QStringLiteral(" 1F       Z     C3        Unknown"));
    EXPECT_EQ(dialog.Control_Mask->currentIndex(), 1);
}

TEST(FailureEntryDialogTest, MissingCodesAreRefusedInOrder)
{
    ScriptedMessages boxes;
    On_Failure_Dialog([&boxes](Failure_Entry_Dialog& d) {
        d.Control_SRUCode->clear();
        d.Control_Level1->clearFocus();
        d.OKButton->click();
        EXPECT_TRUE(d.isVisible());
        d.Control_FailCode->clear();
        d.Control_FailCode->clearFocus();
        d.OKButton->click();
        d.Control_Level1->clear();
        d.Control_Level1->clearFocus();
        d.OKButton->click();
        EXPECT_TRUE(d.isVisible());
        const QStringList texts = boxes.Texts();
        EXPECT_EQ(texts, (QStringList{QStringLiteral("Enter a valid SRU Code."), QStringLiteral("Enter a valid Fail Code."),
                                      QStringLiteral("Enter a valid Level 1 Code.")}));
        for (const auto& box : boxes.Boxes()) {
            EXPECT_EQ(box.icon, platform::MsgIcon::None);
            EXPECT_TRUE(box.title.isEmpty());
        }
        d.CancelButton->click();
    });
    EXPECT_TRUE(Failure_Entry_Dialog::Add_Entry(nullptr).isEmpty());
}

TEST(FailureEntryDialogTest, FieldChecks)
{
    ScriptedMessages boxes;
    Failure_Entry_Dialog dialog;
    dialog.Control_Level1->setText(QStringLiteral("G"));
    EXPECT_TRUE(pages::Validate_Field(dialog.Control_Level1));
    EXPECT_EQ(dialog.Control_Level1->text(), QStringLiteral("0"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Default"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Level 1 Code"));
    dialog.Control_FailCode->setText(QStringLiteral("ff"));
    EXPECT_FALSE(pages::Validate_Field(dialog.Control_FailCode));
    EXPECT_EQ(dialog.Control_FailCode->text(), QStringLiteral("FF"));
    dialog.Control_SRUCode->setText(QStringLiteral("#"));
    EXPECT_TRUE(pages::Validate_Field(dialog.Control_SRUCode));
    EXPECT_EQ(boxes.Boxes().last().text, QStringLiteral("SRU Code contains invalid character"));
    // the key filters
    EXPECT_EQ(pages::Find_Field(dialog.Control_SRUCode)->Char_Set(), 11);
    EXPECT_EQ(pages::Find_Field(dialog.Control_Level1)->Char_Set(), 5);
    EXPECT_EQ(pages::Find_Field(dialog.Control_FailCode)->Char_Set(), 5);
}

TEST(FailureEntryDialogTest, CancelAndTheCloseBoxReturnNothing)
{
    ScriptedMessages boxes;
    On_Failure_Dialog([](Failure_Entry_Dialog& d) { d.CancelButton->click(); });
    EXPECT_TRUE(Failure_Entry_Dialog::Modify_Entry(QStringLiteral(" 05       K     0A        Failure"), nullptr)
                    .isEmpty());
    On_Failure_Dialog([](Failure_Entry_Dialog& d) {
        d.Control_Level1->setText(QStringLiteral("12"));
        d.close();
    });
    EXPECT_TRUE(Failure_Entry_Dialog::Add_Entry(nullptr).isEmpty());
}
