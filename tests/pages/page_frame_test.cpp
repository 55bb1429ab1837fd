// The page frame: window behaviour, frames, status lines, the page
// procedures, scrolling and the focus rules of field validation.
#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSizeGrip>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

using testsupport::Activate;
using testsupport::Focus;

Page_Setup Test_Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Test");
    setup.Caption = QStringLiteral("Test Presets");
    setup.Secured_Caption = QStringLiteral("Test Secured Options");
    setup.User_Caption = QStringLiteral("Test User Options");
    setup.Secured_Status = QStringLiteral("StatusBar_Test_S");
    setup.User_Status = QStringLiteral("StatusBar_Test_U");
    setup.User_Tag = QStringLiteral("Item 5");
    return setup;
}

// A page with one field that keeps the focus after a correction, one that
// lets it move on, and an SDU 2 column in each frame.
class Test_Page : public Page_Frame {
public:
    explicit Test_Page(const Page_Setup& setup = Test_Setup()) : Page_Frame(setup)
    {
        keep = new QLineEdit(QStringLiteral("5"));
        keep->setObjectName(QStringLiteral("Control_30"));
        pages::Bind_Field(keep, 4,
                          pages::Real_Check(0, QStringLiteral("5"), 0, 255,
                                            pages::Fixed_Title(QStringLiteral("Keep"))));
        move_on = new QLineEdit(QStringLiteral("7"));
        move_on->setObjectName(QStringLiteral("Control_47a"));
        pages::Bind_Field(move_on, 4,
                          pages::Real_Check(0, QStringLiteral("7"), 0, 255,
                                            pages::Fixed_Title(QStringLiteral("Move"))),
                          pages::Focus_Rule::Move_On);
        other = new QLineEdit(QStringLiteral("x"));
        other->setObjectName(QStringLiteral("Control_34"));
        User_Items()->addWidget(keep);
        User_Items()->addWidget(move_on);
        User_Items()->addWidget(other);

        auto* sdu2_secured = new QGroupBox(QStringLiteral("SDU 2"));
        sdu2_secured->setObjectName(Array_Name(QStringLiteral("Frame_SDU2"), 0));
        Secured_Items()->addWidget(sdu2_secured);
        auto* sdu2_user = new QGroupBox(QStringLiteral("SDU 2"));
        sdu2_user->setObjectName(QStringLiteral("Frame_SDU2"));
        User_Items()->addWidget(sdu2_user);
    }

    QLineEdit* keep = nullptr;
    QLineEdit* move_on = nullptr;
    QLineEdit* other = nullptr;
};

QWidget* Child(const QWidget* page, const char* name)
{
    return page->findChild<QWidget*>(QString::fromLatin1(name));
}

} // namespace

TEST(PageFrame, BuildsAModelessTopLevelWindowWithFramesAndEmptyStatusLines)
{
    Test_Page page;
    EXPECT_TRUE(page.isWindow());
    EXPECT_EQ(page.parentWidget(), nullptr);
    EXPECT_FALSE(page.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_FALSE(page.testAttribute(Qt::WA_QuitOnClose));
    EXPECT_EQ(page.objectName(), QStringLiteral("Page_Test"));
    EXPECT_EQ(page.windowTitle(), QStringLiteral("Test Presets"));

    ASSERT_NE(page.Frame_Secured(), nullptr);
    ASSERT_NE(page.Frame_User(), nullptr);
    EXPECT_EQ(page.Frame_Secured()->objectName(), QStringLiteral("Frame_Secured"));
    EXPECT_EQ(page.Frame_Secured()->title(), QStringLiteral("Test Secured Options"));
    EXPECT_EQ(page.Frame_User()->title(), QStringLiteral("Test User Options"));
    EXPECT_EQ(Tag(page.Frame_User()), QStringLiteral("Item 5"));
    EXPECT_TRUE(Tag(page.Frame_Secured()).isEmpty());

    auto* status_s = page.findChild<QLabel*>(QStringLiteral("StatusBar_Test_S"));
    auto* status_u = page.findChild<QLabel*>(QStringLiteral("StatusBar_Test_U"));
    ASSERT_NE(status_s, nullptr);
    ASSERT_NE(status_u, nullptr);
    EXPECT_TRUE(status_s->text().isEmpty());
    EXPECT_EQ(status_s->parentWidget(), page.Frame_Secured());
    EXPECT_EQ(status_u->parentWidget(), page.Frame_User());

    EXPECT_NE(page.findChild<QScrollBar*>(QStringLiteral("VScroll")), nullptr);
    EXPECT_NE(page.findChild<QScrollBar*>(QStringLiteral("HScroll")), nullptr);
    EXPECT_NE(page.findChild<QSizeGrip*>(QStringLiteral("PictureCorner")), nullptr);
    EXPECT_FALSE(page.Dual_Mode());
}

TEST(PageFrame, PageWithoutAFrameOrStatusLineHasNone)
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Only_User");
    setup.Caption = QStringLiteral("Only User");
    setup.User_Caption = QStringLiteral("User Options");
    Page_Frame page(setup);
    EXPECT_EQ(page.Frame_Secured(), nullptr);
    EXPECT_EQ(Child(&page, "Frame_Secured"), nullptr);
    EXPECT_EQ(page.Status_User(), nullptr);
    // The procedures cope with the missing pieces.
    page.SetVisiblity(true, false);
    page.Close_Action();
    page.Dual(true);
    EXPECT_TRUE(page.Dual_Mode());
    EXPECT_TRUE(page.ValidateControls());
}

TEST(PageFrame, ClosingHidesThePageAndKeepsItsValues)
{
    testsupport::ScriptedMessages boxes;
    auto page = std::make_unique<Test_Page>();
    QPointer<Test_Page> alive(page.get());
    page->ShowMe();
    EXPECT_TRUE(page->isVisible());
    page->other->setText(QStringLiteral("KEPT"));

    EXPECT_TRUE(page->close());
    EXPECT_FALSE(page->isVisible());
    EXPECT_FALSE(alive.isNull());

    page->ShowMe();
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(page->other->text(), QStringLiteral("KEPT"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST(PageFrame, CloseActionClearsBothStatusLinesAndHides)
{
    Test_Page page;
    page.ShowMe();
    page.Status_Secured()->setText(QStringLiteral("hint s"));
    page.Status_User()->setText(QStringLiteral("hint u"));
    page.Close_Action();
    EXPECT_FALSE(page.isVisible());
    EXPECT_TRUE(page.Status_Secured()->text().isEmpty());
    EXPECT_TRUE(page.Status_User()->text().isEmpty());
}

TEST(PageFrame, UserCloseWithAnInvalidFocusedFieldKeepsThePageOpen)
{
    testsupport::ScriptedMessages boxes;
    Test_Page page;
    Activate(&page);
    Focus(page.keep);
    page.keep->setText(QStringLiteral("999"));

    EXPECT_FALSE(page.close());
    EXPECT_TRUE(page.isVisible());
    EXPECT_EQ(page.keep->text(), QStringLiteral("255"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Maximum"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Keep"));

    // The corrected value is good: the next close goes through.
    EXPECT_TRUE(page.close());
    EXPECT_FALSE(page.isVisible());
    EXPECT_EQ(boxes.Boxes().size(), 1);
}

TEST(PageFrame, CloseActionHidesEvenWhenAFieldHoldsInvalidText)
{
    testsupport::ScriptedMessages boxes;
    Test_Page page;
    Activate(&page);
    Focus(page.keep);
    page.keep->setText(QStringLiteral("999"));
    page.Close_Action();
    EXPECT_FALSE(page.isVisible());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST(PageFrame, ValidateControlsReportsAFieldThatKeepsTheFocus)
{
    testsupport::ScriptedMessages boxes;
    Test_Page page;
    Activate(&page);

    Focus(page.keep);
    page.keep->setText(QString());
    EXPECT_FALSE(page.ValidateControls());
    EXPECT_EQ(page.keep->text(), QStringLiteral("5"));
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Value Out of Range, Setting to Default")});

    // A field that lets the focus move on is corrected but does not hold the page.
    boxes.Clear();
    Focus(page.move_on);
    page.move_on->setText(QStringLiteral("300"));
    EXPECT_TRUE(page.ValidateControls());
    EXPECT_EQ(page.move_on->text(), QStringLiteral("255"));
    EXPECT_EQ(boxes.Boxes().size(), 1);

    // A good value passes silently.
    boxes.Clear();
    EXPECT_TRUE(page.ValidateControls());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST(PageFrame, CorrectedFieldKeepsTheFocusOrLetsItMoveOn)
{
    testsupport::ScriptedMessages boxes;
    Test_Page page;
    Activate(&page);

    Focus(page.keep);
    page.keep->setText(QStringLiteral("-4"));
    Focus(page.other);
    EXPECT_EQ(page.keep->text(), QStringLiteral("0"));
    EXPECT_EQ(QApplication::focusWidget(), page.keep);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Value Out of Range, Setting to Minimum")});

    boxes.Clear();
    Focus(page.move_on);
    page.move_on->setText(QString());
    Focus(page.other);
    EXPECT_EQ(page.move_on->text(), QStringLiteral("7"));
    EXPECT_EQ(QApplication::focusWidget(), page.other);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Value Out of Range, Setting to Default")});
}

TEST(PageFrame, DualShowsAndHidesEverySdu2Column)
{
    Test_Page page;
    page.ShowMe();
    QWidget* sdu2_a = Child(&page, "Frame_SDU2(0)");
    QWidget* sdu2_b = Child(&page, "Frame_SDU2");
    ASSERT_NE(sdu2_a, nullptr);
    ASSERT_NE(sdu2_b, nullptr);

    page.Dual(false);
    EXPECT_FALSE(page.Dual_Mode());
    EXPECT_TRUE(sdu2_a->isHidden());
    EXPECT_TRUE(sdu2_b->isHidden());
    page.Dual(true);
    EXPECT_TRUE(page.Dual_Mode());
    EXPECT_FALSE(sdu2_a->isHidden());
    EXPECT_FALSE(sdu2_b->isHidden());
}

TEST(PageFrame, SetVisiblityShowsTheFramesAndThePageButton)
{
    Test_Page page;
    QPushButton button;
    button.hide();
    page.Set_Page_Button(&button);

    page.SetVisiblity(false, true);
    EXPECT_TRUE(page.Frame_Secured()->isHidden());
    EXPECT_FALSE(page.Frame_User()->isHidden());
    EXPECT_FALSE(button.isHidden());

    page.SetVisiblity(true, false);
    EXPECT_FALSE(page.Frame_Secured()->isHidden());
    EXPECT_TRUE(page.Frame_User()->isHidden());
}

TEST(PageFrame, SetVisiblityKeepsWhichPartitionsAreShown)
{
    Test_Page page;
    EXPECT_FALSE(page.Show_Secured());
    EXPECT_FALSE(page.Show_User());
    page.SetVisiblity(false, true);
    EXPECT_FALSE(page.Show_Secured());
    EXPECT_TRUE(page.Show_User());
    page.SetVisiblity(true, false);
    EXPECT_TRUE(page.Show_Secured());
    EXPECT_FALSE(page.Show_User());
}

TEST(PageFrame, AllContentFitsWithoutScrollBars)
{
    Test_Page page;
    page.ShowMe();
    QApplication::processEvents();
    EXPECT_FALSE(page.Scroll_Area()->verticalScrollBar()->isVisible());
    EXPECT_FALSE(page.Scroll_Area()->horizontalScrollBar()->isVisible());
    EXPECT_EQ(page.Scroll_Area()->verticalScrollBar()->singleStep(), 10);
}

TEST(PageFrame, TallContentScrollsBeyondSixteenBitRanges)
{
    Test_Page page;
    auto* tall = new QWidget;
    tall->setObjectName(QStringLiteral("Tall"));
    tall->setMinimumSize(200, 50000);
    page.findChild<QWidget*>(QStringLiteral("Page_Content"))->layout()->addWidget(tall);
    page.ShowMe();
    QApplication::processEvents();

    QScrollBar* bar = page.Scroll_Area()->verticalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_GT(bar->maximum(), 32767);
    bar->setValue(bar->maximum());
    EXPECT_EQ(bar->value(), bar->maximum());

    // ShowMe starts again at the top.
    page.hide();
    page.ShowMe();
    EXPECT_EQ(bar->value(), 0);
}

TEST(PageFrame, ArrayNamesAndTags)
{
    EXPECT_EQ(Array_Name(QStringLiteral("Control_49"), 3), QStringLiteral("Control_49(3)"));
    QLabel label;
    Set_Tag(&label, QStringLiteral("Item 86"));
    EXPECT_EQ(Tag(&label), QStringLiteral("Item 86"));
}

TEST(PageFrame, ShrinkingBelowTheContentShowsTheNeededScrollBar)
{
    Test_Page page;
    auto* wide = new QWidget;
    wide->setMinimumSize(600, 40);
    page.findChild<QWidget*>(QStringLiteral("Page_Content"))->layout()->addWidget(wide);
    page.ShowMe();
    QApplication::processEvents();
    EXPECT_FALSE(page.Scroll_Area()->horizontalScrollBar()->isVisible());

    page.resize(300, page.height());
    QApplication::processEvents();
    QScrollBar* bar = page.Scroll_Area()->horizontalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(page.Scroll_Area()->verticalScrollBar()->isVisible());
    // Scrolled to the end, the content's right edge meets the viewport's.
    bar->setValue(bar->maximum());
    QWidget* content = page.Scroll_Area()->widget();
    EXPECT_EQ(content->x() + content->width(), page.Scroll_Area()->viewport()->width());
}

TEST(PageFrame, TheSizeGripGoesAwayWhileThePageIsMaximized)
{
    Test_Page page;
    page.ShowMe();
    QApplication::processEvents();
    auto* grip = page.findChild<QSizeGrip*>(QStringLiteral("PictureCorner"));
    EXPECT_TRUE(grip->isVisible());
    page.showMaximized();
    QApplication::processEvents();
    EXPECT_FALSE(grip->isVisible());
    page.showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(grip->isVisible());
}
