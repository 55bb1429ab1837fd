// The cabin telephone numbers page: controls, the shared channel B with its
// question, dropped numbers, slots put into their stored form when left, and
// the report section in single and dual mode.
#include "editor/pages/field_edit.h"
#include "editor/pages_tables/page_cabin_numbers.h"
#include "editor/pages_tables/text_drop.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

using testsupport::Drag_Enter;
using testsupport::Drop;

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

const QString EMPTY(18, QLatin1Char('-'));

QString Number(const QString& digits)
{
    return digits + QString(18 - digits.size(), QLatin1Char('-'));
}

void Drag_Leave(QWidget* target)
{
    QDragLeaveEvent leave;
    QApplication::sendEvent(target, &leave);
}

class CabinPage : public ::testing::Test {
protected:
    void SetUp() override { page = std::make_unique<Page_Cabin_Numbers>(); }

    QLineEdit* Slot(int sdu, int channel, int k) const
    {
        return page->Slots(sdu, channel)[static_cast<std::size_t>(k)];
    }
    QStringList Texts(int sdu, int channel) const
    {
        QStringList texts;
        for (int k = 1; k <= 9; ++k)
            texts << Slot(sdu, channel, k)->text();
        return texts;
    }
    void Show()
    {
        page->show();
        QApplication::processEvents();
    }

    testsupport::ScriptedMessages messages;
    std::unique_ptr<Page_Cabin_Numbers> page;
};

TEST_F(CabinPage, ControlsExistAsNamed)
{
    EXPECT_EQ(page->objectName(), QStringLiteral("Page_Cabin_Numbers"));
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Cabin Phone Numbers"));
    ASSERT_NE(page->Frame_User(), nullptr);
    EXPECT_EQ(page->Frame_User()->title(), QStringLiteral("Stored APHONE [WH-10] Telephone Numbers"));
    EXPECT_EQ(page->Frame_User()->property("Tag").toString(), QStringLiteral("Item 16"));

    for (int sdu = 1; sdu <= 2; ++sdu) {
        auto* frame = page->findChild<QGroupBox*>(QStringLiteral("Frame_SDU%1").arg(sdu));
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->title(), QStringLiteral("SDU %1").arg(sdu));
        for (const QString& channel : {QStringLiteral("ChA"), QStringLiteral("ChB")})
            for (int k = 1; k <= 9; ++k) {
                const QString name = QStringLiteral("Control_16_Sat%1_%2(%3)").arg(sdu).arg(channel).arg(k);
                auto* slot = page->findChild<QLineEdit*>(name);
                ASSERT_NE(slot, nullptr) << name.toStdString();
                EXPECT_TRUE(frame->isAncestorOf(slot));
                EXPECT_EQ(slot->text(), EMPTY);
                EXPECT_EQ(slot->maxLength(), 18);
                EXPECT_EQ(slot->font().family(), QStringLiteral("Courier New"));
            }
        const QString option = sdu == 1 ? QStringLiteral("Control_26a") : QStringLiteral("Control_26b");
        auto* separate = page->findChild<QRadioButton*>(option + QStringLiteral("(0)"));
        auto* shared = page->findChild<QRadioButton*>(option + QStringLiteral("(1)"));
        ASSERT_NE(separate, nullptr);
        ASSERT_NE(shared, nullptr);
        EXPECT_EQ(separate->text(), QStringLiteral("Separate"));
        EXPECT_EQ(shared->text(), QStringLiteral("Shared"));
    }
    EXPECT_EQ(page->Control_16_Sat1_ChA[0], nullptr);
    EXPECT_EQ(page->Control_16_Sat2_ChB[9]->objectName(), QStringLiteral("Control_16_Sat2_ChB(9)"));
    const char* const labels[] = {"Channel A", "Channel B", "Channel A", "Channel B"};
    for (int k = 0; k < 4; ++k) {
        auto* label = page->findChild<QLabel*>(QStringLiteral("Label_Static(%1)").arg(k));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromLatin1(labels[k]));
    }
}

TEST_F(CabinPage, DualAndVisibility)
{
    page->Dual(false);
    EXPECT_TRUE(page->Frame_SDU2->isHidden());
    page->Dual(true);
    EXPECT_FALSE(page->Frame_SDU2->isHidden());
    QWidget button;
    page->Set_Page_Button(&button);
    page->SetVisiblity(true, false);
    EXPECT_FALSE(page->Frame_User()->isHidden());
    EXPECT_TRUE(button.isHidden());
    page->SetVisiblity(false, true);
    EXPECT_FALSE(button.isHidden());
}

TEST_F(CabinPage, SharedWithOkCopiesChannelAAndFollowsIt)
{
    Show();
    for (int k = 1; k <= 9; ++k)
        Slot(0, 0, k)->setText(Number(QString::number(k * 111)));
    Slot(0, 1, 2)->setText(Number(QStringLiteral("999")));
    messages.Answer(MsgAnswer::Ok);
    page->Control_26a[1]->click();
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("The Channel A numbers will be copied to Channel B, continue?"));
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("SDU 1 Shared Cabin Numbers"));
    EXPECT_EQ(messages.Boxes()[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(messages.Boxes()[0].icon, MsgIcon::None);
    EXPECT_EQ(Texts(0, 1), Texts(0, 0));
    for (int k = 1; k <= 9; ++k)
        EXPECT_FALSE(Slot(0, 1, k)->isEnabled());
    // SDU 2 is untouched.
    EXPECT_TRUE(Slot(1, 1, 1)->isEnabled());

    Slot(0, 0, 4)->setText(Number(QStringLiteral("12")));
    EXPECT_EQ(Slot(0, 1, 4)->text(), Number(QStringLiteral("12")));

    // Separate again: channel B is enabled and no longer follows.
    page->Control_26a[0]->click();
    EXPECT_TRUE(Slot(0, 1, 1)->isEnabled());
    Slot(0, 0, 4)->setText(Number(QStringLiteral("34")));
    EXPECT_EQ(Slot(0, 1, 4)->text(), Number(QStringLiteral("12")));
}

TEST_F(CabinPage, SharedChannelBFollowsWhatChannelAKeepsOfAPaste)
{
    Show();
    messages.Answer(MsgAnswer::Ok);
    page->Control_26a[1]->click();
    QLineEdit* a = Slot(0, 0, 3);
    a->clear();
    QApplication::clipboard()->setText(QStringLiteral("12ab34"));
    a->paste(); // the context menu's way
    EXPECT_EQ(a->text(), QStringLiteral("1234"));
    EXPECT_EQ(Slot(0, 1, 3)->text(), a->text());
}

TEST_F(CabinPage, SharedWithCancelGoesBackToSeparate)
{
    Show();
    Slot(1, 0, 1)->setText(Number(QStringLiteral("1")));
    Slot(1, 1, 1)->setText(Number(QStringLiteral("2")));
    messages.Answer(MsgAnswer::Cancel);
    page->Control_26b[1]->click();
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("SDU 2 Shared Cabin Numbers"));
    EXPECT_TRUE(page->Control_26b[0]->isChecked());
    EXPECT_FALSE(page->Control_26b[1]->isChecked());
    EXPECT_EQ(Slot(1, 1, 1)->text(), Number(QStringLiteral("2")));
    EXPECT_TRUE(Slot(1, 1, 1)->isEnabled());
    Slot(1, 0, 1)->setText(Number(QStringLiteral("3")));
    EXPECT_EQ(Slot(1, 1, 1)->text(), Number(QStringLiteral("2")));
}

TEST_F(CabinPage, SharedSetWhileLoadingAsksNothing)
{
    // Hidden page: a load puts the values in.
    Slot(0, 1, 1)->setText(Number(QStringLiteral("5")));
    page->Control_26a[1]->setChecked(true);
    EXPECT_TRUE(messages.Boxes().isEmpty());
    EXPECT_TRUE(Slot(0, 1, 1)->isEnabled());
    EXPECT_EQ(Slot(0, 1, 1)->text(), Number(QStringLiteral("5")));
    // The mirror works all the same.
    Slot(0, 0, 1)->setText(Number(QStringLiteral("6")));
    EXPECT_EQ(Slot(0, 1, 1)->text(), Number(QStringLiteral("6")));

    // Visible page: a value put in by code is no answer of the user.
    Show();
    page->Control_26a[0]->setChecked(true);
    page->Control_26a[1]->setChecked(true);
    EXPECT_TRUE(messages.Boxes().isEmpty());
    EXPECT_TRUE(Slot(0, 1, 1)->isEnabled());
    EXPECT_TRUE(page->Control_26a[1]->isChecked());

    // Visible page while the type dialog is up.
    QDialog type_dialog;
    type_dialog.setObjectName(QStringLiteral("ORT_Type_Dialog"));
    type_dialog.show();
    page->Control_26b[1]->click();
    EXPECT_TRUE(messages.Boxes().isEmpty());
    EXPECT_TRUE(page->Control_26b[1]->isChecked());
    EXPECT_TRUE(Slot(1, 1, 1)->isEnabled());
}

TEST_F(CabinPage, DropFillsEmptySlotsInOrder)
{
    Slot(0, 0, 1)->setText(Number(QStringLiteral("1")));
    Slot(0, 0, 2)->setText(Number(QStringLiteral("2")));
    Slot(0, 0, 4)->setText(Number(QStringLiteral("4")));
    // The slot under the pointer plays no part.
    Drop(Slot(0, 0, 9), QStringLiteral("12345\r\n+44 20 7946\r\n0123456789012345678999\r\n"));
    EXPECT_EQ(Slot(0, 0, 3)->text(), QStringLiteral("12345-------------"));
    EXPECT_EQ(Slot(0, 0, 5)->text(), QStringLiteral("-44-20-7946-------"));
    EXPECT_EQ(Slot(0, 0, 6)->text(), QStringLiteral("012345678901234567"));
    EXPECT_EQ(Slot(0, 0, 7)->text(), EMPTY);
    EXPECT_EQ(Slot(0, 0, 1)->text(), Number(QStringLiteral("1")));
    EXPECT_TRUE(messages.Boxes().isEmpty());
    // The other channel is another target.
    EXPECT_EQ(Texts(0, 1), QStringList(9, EMPTY));
}

TEST_F(CabinPage, DropStopsWhenTheChannelIsFull)
{
    for (int k = 1; k <= 7; ++k)
        Slot(1, 1, k)->setText(Number(QString::number(k)));
    Drop(Slot(1, 1, 1), QStringLiteral("81\r\n82\r\n83\r\n84"));
    EXPECT_EQ(Slot(1, 1, 8)->text(), Number(QStringLiteral("81")));
    EXPECT_EQ(Slot(1, 1, 9)->text(), Number(QStringLiteral("82")));
    QApplication::processEvents(); // the box comes up after the drop
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("No more entries available. 2 were added."));
    EXPECT_EQ(messages.Boxes()[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(messages.Boxes()[0].title.isEmpty());
}

TEST_F(CabinPage, DragHighlightsOnlyEmptySlots)
{
    Slot(0, 0, 2)->setText(Number(QStringLiteral("2")));
    EXPECT_TRUE(Drag_Enter(Slot(0, 0, 2), QStringLiteral("1")));
    EXPECT_EQ(tables::Drop_Colour(Slot(0, 0, 1)), QColor(Qt::yellow));
    EXPECT_EQ(tables::Drop_Colour(Slot(0, 0, 2)), QColor(Qt::white));
    EXPECT_EQ(tables::Drop_Colour(Slot(0, 0, 9)), QColor(Qt::yellow));
    EXPECT_EQ(tables::Drop_Colour(Slot(0, 1, 1)), QColor(Qt::white));
    Drag_Leave(Slot(0, 0, 2));
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(tables::Drop_Colour(Slot(0, 0, k)), QColor(Qt::white)) << k;
    Drop(Slot(0, 0, 3), QStringLiteral("7"));
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(tables::Drop_Colour(Slot(0, 0, k)), QColor(Qt::white)) << k;
}

TEST_F(CabinPage, SharedChannelBTakesNoDrop)
{
    Show();
    messages.Answer(MsgAnswer::Ok);
    page->Control_26a[1]->click();
    page->hide();
    // Even when loading left channel B enabled while shared.
    for (int k = 1; k <= 9; ++k)
        Slot(0, 1, k)->setEnabled(true);
    EXPECT_FALSE(Drag_Enter(Slot(0, 1, 1), QStringLiteral("5")));
    EXPECT_EQ(tables::Drop_Colour(Slot(0, 1, 1)), QColor(Qt::white));
    EXPECT_EQ(page->Drop_Text(0, 1, {QStringLiteral("5")}), 0);
    EXPECT_EQ(Texts(0, 1), QStringList(9, EMPTY));
    // Channel A takes it, and channel B follows.
    Drop(Slot(0, 0, 1), QStringLiteral("5"));
    EXPECT_EQ(Slot(0, 1, 1)->text(), Number(QStringLiteral("5")));
}

TEST_F(CabinPage, SlotIsPutIntoItsStoredFormWhenLeft)
{
    QLineEdit* slot = Slot(0, 0, 1);
    slot->setText(QStringLiteral("123"));
    EXPECT_FALSE(pages::Validate_Field(slot));
    EXPECT_EQ(slot->text(), Number(QStringLiteral("123")));
    slot->setText(QString());
    pages::Validate_Field(slot);
    EXPECT_EQ(slot->text(), EMPTY);
    slot->setText(QStringLiteral("55") + QString(16, QChar(0)));
    EXPECT_EQ(slot->text(), QStringLiteral("55"));
    pages::Validate_Field(slot);
    EXPECT_EQ(slot->text(), Number(QStringLiteral("55")));
    EXPECT_TRUE(messages.Boxes().isEmpty());
    // An emptied slot counts as empty for a drop.
    Slot(0, 0, 2)->setText(QString());
    Drop(Slot(0, 0, 2), QStringLiteral("1\r\n2"));
    EXPECT_EQ(Slot(0, 0, 2)->text(), Number(QStringLiteral("1")));
    EXPECT_EQ(Slot(0, 0, 3)->text(), Number(QStringLiteral("2")));
}

TEST_F(CabinPage, ReportSingleAndDual)
{
    for (int k = 1; k <= 9; ++k) {
        Slot(0, 0, k)->setText(Number(QString::number(k)));
        Slot(1, 1, k)->setText(Number(QString::number(k * 2)));
    }
    Slot(0, 1, 3)->setText(QStringLiteral("44") + QString(16, QChar(0)));
    QStringList expected = {QStringLiteral("CABIN TELEPHONE NUMBERS:"), QString(), QStringLiteral("FOR SDU 1:"),
                            QStringLiteral("    APHONE A          |  APHONE B")};
    for (int k = 1; k <= 9; ++k)
        expected << QStringLiteral("%1. %2 | %3").arg(k).arg(Number(QString::number(k)))
                        .arg(k == 3 ? QStringLiteral("44                ") : EMPTY);
    EXPECT_EQ(Slot(0, 1, 3)->text(), QStringLiteral("44"));
    page->Dual(false);
    QStringList lines;
    page->Write_Text_Output(lines);
    EXPECT_EQ(lines, expected);

    expected << QString() << QStringLiteral("FOR SDU 2:") << QStringLiteral("    APHONE A          |  APHONE B");
    for (int k = 1; k <= 9; ++k)
        expected << QStringLiteral("%1. %2 | %3").arg(k).arg(EMPTY, Number(QString::number(k * 2)));
    page->Dual(true);
    lines.clear();
    page->Write_Text_Output(lines);
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(lines[4], QStringLiteral("1. 1----------------- | ------------------"));
}

} // namespace
