// The cockpit telephone directory page: controls, tooltips, Add, Edit,
// Delete, Clear, renaming a category, the column sorts, dropped text,
// NUL-padded texts and the report section.
#include "editor/core/ort_types.h"
#include "editor/pages_tables/cockpit_numbers_dialog.h"
#include "editor/pages_tables/page_cockpit_numbers.h"
#include "editor/pages_tables/phone_category_dialog.h"
#include "editor/pages_tables/text_drop.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

using testsupport::Drag_Enter;
using testsupport::Drop;
using testsupport::Lines;
using testsupport::On_Modal;

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;
using tables::Cockpit_Column;

// For actions that must not open a dialog: closes one that does and fails.
void Expect_No_Modal()
{
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "unexpected dialog " << modal->objectName().toStdString();
            modal->close();
        }
    });
}

QString Entry(const QString& name, const QString& number = QStringLiteral("1"),
              const QString& priority = QStringLiteral("3"), const QString& protection = QStringLiteral("No "))
{
    return name.leftJustified(18, QLatin1Char(' ')) + number.leftJustified(22, QLatin1Char(' ')) + priority +
           QStringLiteral("    ") + protection;
}

class CockpitPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        core::Reset_Versions();
        core::Versions().User_Current.Partition_Version = 14;
        page = std::make_unique<Page_Cockpit_Numbers>();
    }
    void TearDown() override { core::Reset_Versions(); }

    QListWidget* List(int k) const { return page->Control_05[static_cast<std::size_t>(k)]; }
    void Fill(int k, int count)
    {
        for (int n = 0; n < count; ++n)
            List(k)->addItem(Entry(QStringLiteral("N%1").arg(n, 3, 10, QLatin1Char('0'))));
    }
    void Select(int k, int row) { List(k)->setCurrentRow(row); }

    testsupport::ScriptedMessages messages;
    std::unique_ptr<Page_Cockpit_Numbers> page;
};

TEST_F(CockpitPage, ControlsExistAsNamed)
{
    EXPECT_EQ(page->objectName(), QStringLiteral("Page_Cockpit_Numbers"));
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Cockpit Phone Numbers"));
    auto* frame = page->findChild<QGroupBox*>(QStringLiteral("Frame_User"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), QStringLiteral("Cockpit Telephone Numbers"));
    EXPECT_EQ(frame->property("Tag").toString(), QStringLiteral("Item 5"));

    auto* tabs = page->findChild<QTabWidget*>(QStringLiteral("Control_05_Tab"));
    ASSERT_EQ(tabs, page->Control_05_Tab);
    ASSERT_EQ(tabs->count(), 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(tabs->tabText(k), QStringLiteral("Category%1").arg(k + 1));
        auto* list = page->findChild<QListWidget*>(QStringLiteral("Control_05(%1)").arg(k));
        ASSERT_EQ(list, List(k));
        EXPECT_EQ(list->toolTip(), QStringLiteral("Cockpit Phone Numbers Category %1").arg(k + 1));
        EXPECT_EQ(list->font().family(), QStringLiteral("Courier New"));
        EXPECT_TRUE(tabs->widget(k)->isAncestorOf(list));
        const char* const sorts[][2] = {{"Sort_Cockpit_Name", "Name"},
                                        {"Sort_Cockpit_Number", "Number"},
                                        {"Sort_Cockpit_Priority", "Priority"},
                                        {"Sort_Cockpit_Protected", "Protected"}};
        for (const auto& sort : sorts) {
            auto* button = page->findChild<QPushButton*>(QStringLiteral("%1(%2)").arg(QString::fromLatin1(sort[0])).arg(k));
            ASSERT_NE(button, nullptr) << sort[0] << k;
            EXPECT_EQ(button->text(), QString::fromLatin1(sort[1]));
            EXPECT_EQ(button->property("Tag").toString(), QStringLiteral("1"));
            EXPECT_TRUE(tabs->widget(k)->isAncestorOf(button));
        }
    }
    const char* const buttons[][2] = {{"Control_05_Add", "Add"}, {"Control_05_Delete", "Delete"},
                                      {"Control_05_Edit", "Edit"}, {"Control_05_Clear", "Clear"}};
    for (const auto& button : buttons) {
        auto* found = page->findChild<QPushButton*>(QString::fromLatin1(button[0]));
        ASSERT_NE(found, nullptr) << button[0];
        EXPECT_EQ(found->text(), QString::fromLatin1(button[1]));
    }
}

TEST_F(CockpitPage, TooltipsByMode)
{
    for (const int mode : {0, 3, 4}) {
        page->Setup_ToolTips(mode);
        EXPECT_EQ(page->Control_05_Tab->toolTip(), QStringLiteral("Double Click to Edit")) << mode;
    }
    for (const int mode : {1, 2}) {
        page->Setup_ToolTips(mode);
        EXPECT_EQ(page->Control_05_Tab->toolTip(), QStringLiteral("Non-Modifiable")) << mode;
    }
    EXPECT_EQ(List(0)->toolTip(), QStringLiteral("Cockpit Phone Numbers Category 1"));
}

TEST_F(CockpitPage, VisibilityAndDual)
{
    QWidget button;
    page->Set_Page_Button(&button);
    page->SetVisiblity(true, false);
    EXPECT_FALSE(page->Frame_User()->isHidden());
    EXPECT_TRUE(button.isHidden());
    page->SetVisiblity(false, true);
    EXPECT_FALSE(page->Frame_User()->isHidden());
    EXPECT_FALSE(button.isHidden());
    page->Dual(true);
    EXPECT_TRUE(page->Dual_Mode());
}

TEST_F(CockpitPage, AddInsertsAfterTheSelectedLine)
{
    Fill(1, 3);
    page->Control_05_Tab->setCurrentIndex(1);
    Select(1, 1);
    On_Modal([](QWidget* modal) {
        auto* dialog = qobject_cast<Cockpit_Numbers_Dialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->Control_Number->setText(QStringLiteral("77"));
        dialog->OK_Click();
    });
    page->Control_05_Add->click();
    ASSERT_EQ(List(1)->count(), 4);
    EXPECT_EQ(List(1)->item(2)->text(), QStringLiteral("                  77                    3    No"));
    EXPECT_EQ(List(0)->count(), 0);

    // Without a selection the line goes to the top; Cancel adds nothing.
    List(1)->clearSelection();
    On_Modal([](QWidget* modal) {
        auto* dialog = qobject_cast<Cockpit_Numbers_Dialog*>(modal);
        dialog->Control_Number->setText(QStringLiteral("88"));
        dialog->OK_Click();
    });
    page->Control_05_Add_Click();
    EXPECT_TRUE(List(1)->item(0)->text().contains(QStringLiteral("88")));
    On_Modal([](QWidget* modal) { modal->close(); });
    page->Control_05_Add_Click();
    EXPECT_EQ(List(1)->count(), 5);
    EXPECT_TRUE(messages.Boxes().isEmpty());
}

TEST_F(CockpitPage, AddRefusedAtTheLimitOfTheGeneration)
{
    core::Versions().User_Current.Partition_Version = 11;
    Fill(0, 25);
    Expect_No_Modal();
    page->Control_05_Add_Click();
    QApplication::processEvents();
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("No more entries available"));
    EXPECT_EQ(messages.Boxes()[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(messages.Boxes()[0].title.isEmpty());
    EXPECT_EQ(List(0)->count(), 25);

    // Other generations hold 100.
    core::Versions().User_Current.Partition_Version = 14;
    messages.Clear();
    On_Modal([](QWidget* modal) { modal->close(); });
    page->Control_05_Add_Click();
    EXPECT_TRUE(messages.Boxes().isEmpty());
    Fill(0, 75);
    Expect_No_Modal();
    page->Control_05_Add_Click();
    QApplication::processEvents();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("No more entries available")});
}

TEST_F(CockpitPage, EditReplacesTheSelectedLineInPlace)
{
    Fill(0, 3);
    Select(0, 1);
    On_Modal([](QWidget* modal) {
        auto* dialog = qobject_cast<Cockpit_Numbers_Dialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Control_Name->text(), QStringLiteral("N001"));
        dialog->Control_Name->setText(QStringLiteral("CHANGED"));
        dialog->Control_Protected->setCurrentIndex(1);
        dialog->OK_Click();
    });
    page->Control_05_Edit->click();
    EXPECT_EQ(List(0)->item(1)->text(), QStringLiteral("CHANGED           1                     3    Yes"));

    On_Modal([](QWidget* modal) {
        qobject_cast<Cockpit_Numbers_Dialog*>(modal)->Control_Name->setText(QStringLiteral("LOST"));
        qobject_cast<Cockpit_Numbers_Dialog*>(modal)->Cancel_Click();
    });
    page->Control_05_Edit_Click();
    EXPECT_EQ(List(0)->item(1)->text(), QStringLiteral("CHANGED           1                     3    Yes"));
    EXPECT_EQ(List(0)->count(), 3);
}

TEST_F(CockpitPage, EditAndDeleteWithoutSelection)
{
    Expect_No_Modal();
    page->Control_05_Edit_Click();
    page->Control_05_Delete_Click();
    page->Control_05_Clear_Click();
    QApplication::processEvents();
    EXPECT_TRUE(messages.Boxes().isEmpty()); // an empty list does nothing

    Fill(0, 2);
    Expect_No_Modal();
    page->Control_05_Edit_Click();
    page->Control_05_Delete_Click();
    QApplication::processEvents();
    EXPECT_EQ(messages.Texts(), (QStringList{QStringLiteral("Select entry first"), QStringLiteral("Select entry first")}));
    EXPECT_EQ(messages.Boxes()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(List(0)->count(), 2);
}

TEST_F(CockpitPage, DeleteRemovesTheSelectedLineAtOnce)
{
    Fill(0, 3);
    Select(0, 0);
    page->Control_05_Delete->click();
    EXPECT_EQ(Lines(List(0)), (QStringList{Entry(QStringLiteral("N001")), Entry(QStringLiteral("N002"))}));
    EXPECT_TRUE(messages.Boxes().isEmpty());
    // Nothing is selected afterwards.
    page->Control_05_Delete_Click();
    EXPECT_EQ(List(0)->count(), 2);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Select entry first")});
}

TEST_F(CockpitPage, ClearAsksAndActsOnOkOnly)
{
    Fill(2, 2);
    page->Control_05_Tab->setCurrentIndex(2);
    messages.Answer(MsgAnswer::Cancel);
    page->Control_05_Clear->click();
    EXPECT_EQ(List(2)->count(), 2);
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("This will clear the contents of the current category, continue?"));
    EXPECT_EQ(messages.Boxes()[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(messages.Boxes()[0].icon, MsgIcon::None);
    EXPECT_TRUE(messages.Boxes()[0].title.isEmpty());
    messages.Answer(MsgAnswer::Ok);
    page->Control_05_Clear_Click();
    EXPECT_EQ(List(2)->count(), 0);
}

TEST_F(CockpitPage, RenameSetsTheCaptionWithoutPadding)
{
    page->Control_05_Tab->setCurrentIndex(1);
    On_Modal([](QWidget* modal) {
        auto* dialog = qobject_cast<Phone_Category_Dialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Control_Category_Name->text(), QStringLiteral("Category2"));
        dialog->Control_Category_Name->setText(QStringLiteral("CABIN"));
        dialog->OK_Click();
    });
    page->Control_05_Tab_DblClick();
    EXPECT_EQ(page->Control_05_Tab->tabText(1), QStringLiteral("CABIN"));
    EXPECT_EQ(page->Category_Name(1), QStringLiteral("CABIN"));

    On_Modal([](QWidget* modal) { modal->close(); });
    emit page->Control_05_Tab->tabBarDoubleClicked(1);
    EXPECT_EQ(page->Control_05_Tab->tabText(1), QStringLiteral("CABIN"));
}

TEST_F(CockpitPage, AirbusCategoriesCannotBeRenamed)
{
    core::Versions().User_Current.Airframer_Level = 2;
    for (int k = 0; k < 4; ++k)
        page->Set_Category_Name(k, QStringList{QStringLiteral("EMERGENCY"), QStringLiteral("SAFETY"),
                                               QStringLiteral("NON-SAFETY"), QStringLiteral("PUBLIC")}[k]);
    Expect_No_Modal();
    page->Control_05_Tab_DblClick();
    QApplication::processEvents();
    EXPECT_EQ(page->Control_05_Tab->tabText(0), QStringLiteral("EMERGENCY"));
}

TEST_F(CockpitPage, NulPaddedCaptionsAndLinesShowWithoutPadding)
{
    page->Set_Category_Name(0, QStringLiteral("CREW") + QString(7, QChar(0)));
    EXPECT_EQ(page->Control_05_Tab->tabText(0), QStringLiteral("CREW"));
    // Whoever sets the caption directly: the tab shows it without padding.
    page->Control_05_Tab->setTabText(2, QStringLiteral("OPS") + QString(8, QChar(0)));
    page->show();
    QApplication::processEvents();
    EXPECT_EQ(page->Control_05_Tab->tabText(2), QStringLiteral("OPS"));
    page->Control_05_Tab->setTabText(3, QStringLiteral("GND") + QString(8, QChar(0)));
    QApplication::processEvents();
    EXPECT_EQ(page->Category_Name(3), QStringLiteral("GND"));
    page->hide();

    List(0)->addItem(QStringLiteral("PILOT") + QString(13, QChar(0)) + QStringLiteral("123") +
                     QString(19, QChar(0)) + QStringLiteral("2    Yes"));
    EXPECT_EQ(List(0)->item(0)->text(), Entry(QStringLiteral("PILOT"), QStringLiteral("123"), QStringLiteral("2"), QStringLiteral("Yes")));
}

TEST_F(CockpitPage, SortDirectionsBelongToEachButton)
{
    const QString a = Entry(QStringLiteral("ALPHA"), QStringLiteral("3"));
    const QString b = Entry(QStringLiteral("BRAVO"), QStringLiteral("1"));
    const QString c = Entry(QStringLiteral("CHARLIE"), QStringLiteral("2"));
    List(0)->addItems({b, c, a});
    List(1)->addItems({b, c, a});

    page->Sort_Cockpit_Name[0]->click();
    EXPECT_EQ(Lines(List(0)), (QStringList{a, b, c}));
    EXPECT_EQ(page->Sort_Cockpit_Name[0]->property("Tag").toString(), QStringLiteral("-1"));
    page->Sort_Cockpit_Name[0]->click();
    EXPECT_EQ(Lines(List(0)), (QStringList{c, b, a}));
    EXPECT_EQ(page->Sort_Cockpit_Name[0]->property("Tag").toString(), QStringLiteral("1"));
    page->Sort_Cockpit_Name[0]->click();
    EXPECT_EQ(Lines(List(0)), (QStringList{a, b, c}));

    // Another column keeps its own direction, so does another tab.
    page->Sort_Cockpit_Number[0]->click();
    EXPECT_EQ(Lines(List(0)), (QStringList{b, c, a}));
    EXPECT_EQ(page->Sort_Cockpit_Name[1]->property("Tag").toString(), QStringLiteral("1"));
    EXPECT_EQ(Lines(List(1)), (QStringList{b, c, a}));
    page->Control_05_Tab->setCurrentIndex(1);
    page->Sort_Cockpit_Name[1]->click();
    EXPECT_EQ(Lines(List(1)), (QStringList{a, b, c}));
    EXPECT_EQ(page->Sort_Cockpit_Name[0]->property("Tag").toString(), QStringLiteral("-1"));
}

TEST_F(CockpitPage, SortOfAnEmptyListKeepsTheDirection)
{
    page->Sort_Cockpit_Priority[0]->click();
    EXPECT_EQ(page->Sort_Cockpit_Priority[0]->property("Tag").toString(), QStringLiteral("1"));
}

TEST_F(CockpitPage, ProtectedSortLengthensDialogLines)
{
    const QString dialog_line = QStringLiteral("A                 1                     3    No");
    List(0)->addItems({dialog_line, Entry(QStringLiteral("B"))});
    page->Sort_Cockpit_Name[0]->click();
    EXPECT_EQ(List(0)->item(0)->text(), dialog_line);
    page->Sort_Cockpit_Protected[0]->click();
    EXPECT_EQ(Lines(List(0)), (QStringList{dialog_line + QLatin1Char(' '), Entry(QStringLiteral("B"))}));
}

// --- dropped text ---

TEST_F(CockpitPage, DragTurnsTheListYellowUntilItLeavesOrDrops)
{
    QWidget* viewport = List(0)->viewport();
    EXPECT_EQ(tables::Drop_Colour(List(0)), QColor(Qt::white));
    EXPECT_TRUE(Drag_Enter(viewport, QStringLiteral("X")));
    EXPECT_EQ(tables::Drop_Colour(List(0)), QColor(Qt::yellow));
    QDragLeaveEvent leave;
    QApplication::sendEvent(viewport, &leave);
    EXPECT_EQ(tables::Drop_Colour(List(0)), QColor(Qt::white));
    EXPECT_TRUE(Drag_Enter(viewport, QStringLiteral("X")));
    Drop(viewport, QStringLiteral("X"));
    EXPECT_EQ(tables::Drop_Colour(List(0)), QColor(Qt::white));
}

TEST_F(CockpitPage, DroppedLinesFollowTheSelectedLineInOrder)
{
    Fill(0, 3);
    Select(0, 1);
    Drop(List(0)->viewport(), QStringLiteral("crew rest\t1 555 0100\t1\tYes\r\nops\r\n"));
    ASSERT_EQ(List(0)->count(), 5);
    EXPECT_EQ(List(0)->item(2)->text(), Entry(QStringLiteral("CREW REST"), QStringLiteral("1 555 0100"), QStringLiteral("1"), QStringLiteral("Yes")));
    EXPECT_EQ(List(0)->item(3)->text(), Entry(QStringLiteral("OPS"), QStringLiteral("0 000 000 0000"), QStringLiteral("3"), QStringLiteral("No ")));
    EXPECT_EQ(List(0)->item(4)->text(), Entry(QStringLiteral("N002")));
    EXPECT_TRUE(messages.Boxes().isEmpty());

    // Without a selection they go to the top; a text without line end is one entry.
    List(0)->clearSelection();
    Drop(List(0)->viewport(), QStringLiteral("TOP"));
    EXPECT_EQ(List(0)->count(), 6);
    EXPECT_TRUE(List(0)->item(0)->text().startsWith(QStringLiteral("TOP ")));
}

TEST_F(CockpitPage, DropStopsWhenRoomRunsOut)
{
    core::Versions().User_Current.Partition_Version = 11;
    Fill(3, 22);
    page->Control_05_Tab->setCurrentIndex(3);
    Drop(List(3)->viewport(), QStringLiteral("A\r\nB\r\nC\r\nD\r\nE"));
    EXPECT_EQ(List(3)->count(), 25);
    EXPECT_TRUE(List(3)->item(0)->text().startsWith(QStringLiteral("A ")));
    EXPECT_TRUE(List(3)->item(2)->text().startsWith(QStringLiteral("C ")));
    QApplication::processEvents();
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("No more entries available. 3 were added."));
    EXPECT_EQ(messages.Boxes()[0].icon, MsgIcon::Exclamation);

    // A box runs an event loop of its own: it comes up only once the drop
    // event has been handled, never inside the platform's drop delivery.
    messages.Clear();
    Select(3, 24);
    Drop(List(3)->viewport(), QStringLiteral("F\t1 555 0100\t1\tYes\nG"));
    EXPECT_TRUE(messages.Boxes().isEmpty());
    QApplication::processEvents();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("No more entries available. 0 were added.")});
    EXPECT_EQ(List(3)->count(), 25);
}

// A source that honours a move deletes all it dragged, also the lines the
// list had no room for: the list takes dropped text as a copy only.
TEST_F(CockpitPage, DropsAreTakenAsACopy)
{
    core::Versions().User_Current.Partition_Version = 11;
    QStringList pieces;
    for (int n = 1; n <= 30; ++n)
        pieces << QStringLiteral("L%1").arg(n);
    QMimeData mime;
    mime.setText(pieces.join(QStringLiteral("\r\n")));
    QWidget* viewport = List(0)->viewport();
    const Qt::DropActions copy_or_move = Qt::CopyAction | Qt::MoveAction;

    // Shift held: the drag proposes a move.
    QDragEnterEvent enter(QPoint(3, 3), copy_or_move, &mime, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(enter.proposedAction(), Qt::MoveAction);
    QApplication::sendEvent(viewport, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDragMoveEvent move(QPoint(4, 4), copy_or_move, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(viewport, &move);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(move.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(4, 4), copy_or_move, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(viewport, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    EXPECT_EQ(List(0)->count(), 25);
    QApplication::processEvents();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("No more entries available. 25 were added.")});

    // A source that can only move is refused.
    List(1)->clear();
    QDragEnterEvent move_only(QPoint(3, 3), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(List(1)->viewport(), &move_only);
    EXPECT_FALSE(move_only.isAccepted());
    QDropEvent move_only_drop(QPointF(3, 3), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(List(1)->viewport(), &move_only_drop);
    EXPECT_FALSE(move_only_drop.isAccepted());
    EXPECT_EQ(List(1)->count(), 0);
}

// A stored entry whose number begins with "-" is an unused one and is not
// loaded: neither the entry dialog nor a drop may make such an entry.
TEST_F(CockpitPage, NumbersBeginningWithMinusAreRefused)
{
    Fill(0, 2);
    Select(0, 0);
    const QString refusal = QStringLiteral("Phone number must not begin with \"-\"!");
    bool stayed_open = false;
    On_Modal([&](QWidget* modal) {
        auto* dialog = qobject_cast<Cockpit_Numbers_Dialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->Control_Name->setText(QStringLiteral("OPS"));
        dialog->Control_Number->setText(QStringLiteral("  -5 55"));
        dialog->OK_Click();
        stayed_open = dialog->isVisible() && dialog->Result().isEmpty() &&
                      dialog->Control_Number->text() == QStringLiteral("  -5 55");
        modal->close();
    });
    page->Control_05_Edit_Click();
    EXPECT_TRUE(stayed_open);
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, refusal);
    EXPECT_EQ(messages.Boxes()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages.Boxes()[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(messages.Boxes()[0].title.isEmpty());
    EXPECT_EQ(Lines(List(0)), (QStringList{Entry(QStringLiteral("N000")), Entry(QStringLiteral("N001"))}));

    // Dropped lines with such a number are skipped, and one box counts them.
    messages.Clear();
    Drop(List(0)->viewport(), QStringLiteral("A\t-5 55\r\nB\t5 55\r\nC\t -7\t1\r\n"));
    QApplication::processEvents();
    EXPECT_EQ(Lines(List(0)), (QStringList{Entry(QStringLiteral("N000")),
                                           Entry(QStringLiteral("B"), QStringLiteral("5 55")),
                                           Entry(QStringLiteral("N001"))}));
    EXPECT_EQ(messages.Texts(), QStringList{refusal + QStringLiteral(" 2 were not added.")});
    EXPECT_EQ(messages.Boxes()[0].icon, MsgIcon::Exclamation);
}

// --- report ---

TEST_F(CockpitPage, ReportSectionLineByLine)
{
    page->Set_Category_Name(0, QStringLiteral("EMERGENCY") + QString(2, QChar(0)));
    List(0)->addItem(Entry(QStringLiteral("MAINT OFFICE 1"), QStringLiteral("123456789012345678"), QStringLiteral("4"), QStringLiteral("Yes")));
    List(0)->addItem(QStringLiteral("OPS               5                     2    No"));
    List(2)->addItem(Entry(QStringLiteral("X")));
    page->Control_05_Tab->setCurrentIndex(2);

    QStringList lines;
    page->Write_Text_Output(lines);
    const QString heading = QStringLiteral("  NAME        \t  NUMBER          \tPRIORITY\tPROTECTED");
    const QString rule(59, QLatin1Char('-'));
    const QStringList expected = {
        QStringLiteral("COCKPIT CATEGORY NAMES:"), QString(),
        QStringLiteral("EMERGENCY"), QStringLiteral("Category2"), QStringLiteral("Category3"), QStringLiteral("Category4"),
        QString(), QString(), QStringLiteral("COCKPIT TELEPHONE NUMBERS:"), QString(),
        QStringLiteral("EMERGENCY NUMBERS"), heading, rule,
        QStringLiteral("MAINT OFFICE 1\t123456789012345678\t4       \tYes"),
        QStringLiteral("OPS           \t5                 \t2       \tNo"), QString(),
        QStringLiteral("Category2 NUMBERS"), heading, rule, QString(),
        QStringLiteral("Category3 NUMBERS"), heading, rule,
        QStringLiteral("X             \t1                 \t3       \tNo "), QString(),
        QStringLiteral("Category4 NUMBERS"), heading, rule, QString(),
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(page->Control_05_Tab->currentIndex(), 2);
}

} // namespace
