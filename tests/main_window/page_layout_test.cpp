// Every page as it opens over a new composite ORT, in Single and in Dual SDU
// mode: no page or control wider than a 1280x1024 screen, each labelled field
// on its label's row and named by it, and no field named by the frame around
// it.
#include "main_window_fixture.h"

#include "editor/main_window/ort_type_options.h"
#include "editor/pages/page_widgets.h"
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

TEST_P(PageLayoutTest, SpinButtonsStandBesideTheirFieldsAndHiddenRowsLeaveNoGap)
{
    // Rows of the chosen type hidden by its feature levels: "RFU Installed"
    // on the General page, the codec rows and columns on the Cockpit voice page.
    if (GetParam())
        main->mnuDualSDU_Click();
    // A spin button stands beside its field: at most a layout's spacing apart.
    constexpr int MOST_APART = 6;
    // The widest blank band a frame of these two pages may show between its
    // rows or below the last one: spacing and margins, never a row.
    constexpr int MOST_BLANK = 16;
    const QStringList rows_hidden{QStringLiteral("Page_General"), QStringLiteral("Page_Cockpit_Voice")};
    for (Page_Frame* page : main->Pages().Pages()) {
        SCOPED_TRACE(page->objectName().toStdString());
        page->ShowMe();
        testsupport::Settle();
        const QWidget* content = page->Scroll_Area()->widget();

        for (pages::Up_Down* spin : content->findChildren<pages::Up_Down*>()) {
            if (!spin->isVisibleTo(page))
                continue;
            QString field_name = spin->objectName();
            field_name.replace(QStringLiteral("UpDown_"), QStringLiteral("Control_"));
            const auto* field = content->findChild<QLineEdit*>(field_name);
            if (!field || !field->isVisibleTo(page))
                continue;
            const QRect at = Within(field, content);
            const QRect beside = Within(spin, content);
            const int apart = beside.left() - at.right() - 1;
            EXPECT_TRUE(apart >= 0 && apart <= MOST_APART)
                << Name(spin) << " stands " << apart << " px right of " << Name(field);
            EXPECT_TRUE(beside.top() <= at.center().y() && at.center().y() <= beside.bottom()) << Name(spin);
        }

        for (QGroupBox* frame : content->findChildren<QGroupBox*>()) {
            if (!rows_hidden.contains(page->objectName()) || !frame->isVisibleTo(page))
                continue;
            // The bands of the frame's visible contents, top to bottom: its
            // controls and labels, and the frames inside it as a whole.
            QList<QPair<int, int>> bands;
            for (QWidget* widget : frame->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(page))
                    continue;
                bool inner = false;
                for (QWidget* up = widget->parentWidget(); up != frame; up = up->parentWidget())
                    inner = inner || qobject_cast<QGroupBox*>(up);
                const bool leaf = qobject_cast<QGroupBox*>(widget) || widget->findChildren<QWidget*>().isEmpty();
                if (inner || !leaf)
                    continue;
                const QRect at = Within(widget, frame);
                bands.append({at.top(), at.bottom()});
            }
            std::sort(bands.begin(), bands.end());
            int reached = frame->contentsRect().top();
            for (const auto& band : bands) {
                EXPECT_LE(band.first - reached - 1, MOST_BLANK)
                    << Name(frame) << ": blank from y " << reached << " to " << band.first;
                reached = std::max(reached, band.second);
            }
            EXPECT_LE(frame->contentsRect().bottom() - reached, MOST_BLANK)
                << Name(frame) << ": blank from y " << reached << " to its bottom";
        }
        page->hide();
    }
}
