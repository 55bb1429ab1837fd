// Every page as it opens over a new composite ORT, in Single and in Dual SDU
// mode: no page or control wider than a 1280x1024 screen, each labelled field
// on its label's row and named by it, and no field named by the frame around
// it.
#include "main_window_fixture.h"

#include "editor/main_window/ort_type_options.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages_hsd/page_hsd_cnfg.h"
#include "support/page_test_support.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>

namespace {

constexpr int SCREEN_WIDTH = 1280;

// The name a field is announced by. A drop-down list announces its current
// entry on this platform and its label through the label relation, so its
// own accessible name is what it is named by.
QString Accessible_Name(QWidget* widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// The captions of the frames around widget.
QStringList Frame_Captions(const QWidget* widget)
{
    QStringList captions;
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (const auto* frame = qobject_cast<const QGroupBox*>(w))
            captions << frame->title();
    return captions;
}

QRect Within(const QWidget* widget, const QWidget* content)
{
    return QRect(widget->mapTo(content, QPoint(0, 0)), widget->size());
}

std::string Name(const QWidget* widget)
{
    return widget->objectName().toStdString();
}

class PageLayoutTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {
protected:
    PageLayoutTest()
    {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        Create_ORT(main_window::Find_Type_Option(QStringLiteral("Option_135_AB")), 2);
    }
    ~PageLayoutTest() override { QApplication::setFont(QFont()); }
};

class HsdLevelThreeLayoutTest : public MainWindowTest {
protected:
    HsdLevelThreeLayoutTest() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); }
    ~HsdLevelThreeLayoutTest() override { QApplication::setFont(QFont()); }
};

} // namespace

TEST_P(PageLayoutTest, EveryPageFitsTheScreenWithItsFieldsOnTheirLabelsRows)
{
    if (GetParam())
        main->mnuDualSDU_Click();
    for (Page_Frame* page : main->Pages().Pages()) {
        SCOPED_TRACE(page->objectName().toStdString());
        page->ShowMe();
        testsupport::Settle();

        const QWidget* content = page->Scroll_Area()->widget();
        EXPECT_LE(content->width(), SCREEN_WIDTH);
        EXPECT_TRUE(page->screen()->availableGeometry().contains(page->frameGeometry()));
        for (QWidget* field : content->findChildren<QWidget*>()) {
            if (!field->isVisibleTo(page))
                continue;
            EXPECT_LE(field->width(), SCREEN_WIDTH) << Name(field);
            if (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QComboBox*>(field))
                continue;
            const QString name = Accessible_Name(field);
            EXPECT_FALSE(Frame_Captions(field).contains(name))
                << Name(field) << " is named by its frame: " << name.toStdString();
            const QLabel* label = pages::Row_Label(field);
            if (!label) {
                ADD_FAILURE() << Name(field) << " has no row label";
                continue;
            }
            const int row = Within(label, content).center().y();
            const QRect at = Within(field, content);
            EXPECT_TRUE(row >= at.top() && row <= at.bottom())
                << Name(field) << " at y " << at.top() << " to " << at.bottom() << ", its label "
                << Name(label) << " centred at " << row;
            EXPECT_TRUE(name == label->text() || name.startsWith(label->text() + QLatin1Char(' ')))
                << Name(field) << ": " << name.toStdString();
        }
        page->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(SduModes, PageLayoutTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Dual" : "Single");
                         });

// A new xx130 ORT has user feature level 3, below the port host names: in
// Dual SDU mode neither SDU frame shows their caption, the SDU 2 PPPoE name
// stays on the row of its caption in SDU 1, and the two frames are level.
TEST_F(HsdLevelThreeLayoutTest, DualSduFramesShowNoPortHostNameAndStayLevel)
{
    Create_ORT(main_window::Find_Type_Option(QStringLiteral("Option_130")), 1);
    main->mnuDualSDU_Click();
    Page_HSD_Cnfg& page = main->Pages().HSD_Cnfg();
    page.ShowMe();
    testsupport::Settle();

    const QWidget* content = page.Scroll_Area()->widget();
    for (const QLabel* label : content->findChildren<QLabel*>())
        EXPECT_FALSE(label->isVisibleTo(&page) && label->text() == QLatin1String("Port Host Name"))
            << "shown at y " << Within(label, content).top();

    QLineEdit* pppoe = page.Control_69[1];
    ASSERT_TRUE(pppoe->isVisibleTo(&page));
    const QLabel* label = pages::Row_Label(pppoe);
    ASSERT_NE(label, nullptr);
    const int row = Within(label, content).center().y();
    const QRect at = Within(pppoe, content);
    EXPECT_TRUE(row >= at.top() && row <= at.bottom())
        << "PPPoE AC Name SDU 2 at y " << at.top() << " to " << at.bottom() << ", its label centred at " << row;
    EXPECT_EQ(page.Frame_SDU2->height(), page.Frame_SDU1->height());
    page.hide();
}
