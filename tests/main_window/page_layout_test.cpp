// Every page as it opens over a new composite ORT, in Single and in Dual SDU
// mode, and every dialog: no page or control wider than a 1280x1024 screen,
// each labelled field of a page on its label's row, and every field named as
// a screen reader announces it: by its row label, with its column where the
// row holds several fields, never by the frame around it alone, no two alike
// in one window, and each drop-down list related to its row label.
#include "main_window_fixture.h"

#include "editor/main_window/download_disk_dialog.h"
#include "editor/main_window/identifier_dialog.h"
#include "editor/main_window/ort_type_options.h"
#include "editor/main_window/pn_casual_dialog.h"
#include "editor/main_window/pn_formal_dialog.h"
#include "editor/main_window/upload_disk_dialog.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages/psid_table_dialog.h"
#include "editor/pages_hsd/les_table_dialog.h"
#include "editor/pages_hsd/page_hsd_cnfg.h"
#include "editor/pages_tables/cockpit_numbers_dialog.h"
#include "editor/pages_tables/failure_entry_dialog.h"
#include "editor/pages_tables/ges_table_dialog.h"
#include "editor/pages_tables/phone_category_dialog.h"
#include "editor/pages_tables/sat_table_dialog.h"
#include "editor/pages_tables/page_failure_masks.h"
#include "editor/pages_tables/page_transit_ges.h"
#include "editor/pages_tables/transit_ges_dialog.h"
#include "support/page_test_support.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <memory>

namespace {

constexpr int SCREEN_WIDTH = 1280;

// The name a screen reader announces a field by.
QString Accessible_Name(QWidget* widget)
{
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

// Whether a screen reader finds `label` among the labels of `field`.
bool Reaches_Label(QWidget* field, QLabel* label)
{
    QAccessibleInterface* label_face = QAccessible::queryAccessibleInterface(label);
    for (const auto& [other, relation] : QAccessible::queryAccessibleInterface(field)->relations(QAccessible::Label))
        if (other == label_face)
            return true;
    return false;
}

// The fields of window: text fields, drop-down lists and option buttons
// without a caption of their own, hidden ones too (other ORT types show
// them). The fields of the window's own dialogs are theirs.
QList<QWidget*> Fields(const QWidget* window)
{
    QList<QWidget*> fields;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window)
            continue;
        // The type dialog's option for "nothing chosen yet" is never shown.
        if (widget->objectName() == QLatin1String("Option_Startup_Hidden"))
            continue;
        const auto* option = qobject_cast<const QRadioButton*>(widget);
        const auto* check = qobject_cast<const QCheckBox*>(widget);
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
            (option && option->text().isEmpty()) || (check && check->text().isEmpty()))
            fields << widget;
    }
    return fields;
}

// What a screen reader is told of every field of window.
void Expect_Named_Fields(const QWidget* window)
{
    const QList<QWidget*> fields = Fields(window);
    QHash<const QLabel*, int> fields_per_label;
    for (const QWidget* field : fields)
        ++fields_per_label[pages::Row_Label(field)];
    QHash<QString, std::string> named;
    for (QWidget* field : fields) {
        const QString name = Accessible_Name(field);
        QLabel* label = pages::Row_Label(field);
        if (!label) {
            ADD_FAILURE() << Name(field) << " has no row label";
            continue;
        }
        EXPECT_TRUE(name == label->text() || name.startsWith(label->text() + QLatin1Char(' ')))
            << Name(field) << ": " << name.toStdString();
        EXPECT_FALSE(Frame_Captions(field).contains(name))
            << Name(field) << " is named by its frame: " << name.toStdString();
        // A frame around the field that is not around its label is its column.
        for (const QWidget* w = field->parentWidget(); w && w != window; w = w->parentWidget()) {
            const auto* frame = qobject_cast<const QGroupBox*>(w);
            if (frame && !frame->title().isEmpty() && !frame->isAncestorOf(label)) {
                EXPECT_TRUE(name.contains(QLatin1Char(' ') + frame->title()))
                    << Name(field) << " does not name its column " << frame->title().toStdString() << ": "
                    << name.toStdString();
            }
        }
        if (fields_per_label.value(label) > 1) {
            EXPECT_NE(name, label->text()) << Name(field) << " is named by its label alone, which names "
                                           << fields_per_label.value(label) << " fields";
        }
        if (named.contains(name))
            ADD_FAILURE() << Name(field) << " and " << named.value(name) << " are both named " << name.toStdString();
        named.insert(name, Name(field));
        // A drop-down list is related to its label wherever the label stands.
        if (qobject_cast<QComboBox*>(field)) {
            EXPECT_TRUE(Reaches_Label(field, label)) << Name(field) << " does not reach its row label " << Name(label);
        }
    }
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

TEST_P(PageLayoutTest, EveryPageAndDialogFitsTheScreenWithItsFieldsNamedByTheirRows)
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
            const QLabel* label = pages::Row_Label(field);
            if (!label)
                continue;
            const int row = Within(label, content).center().y();
            const QRect at = Within(field, content);
            EXPECT_TRUE(row >= at.top() && row <= at.bottom())
                << Name(field) << " at y " << at.top() << " to " << at.bottom() << ", its label "
                << Name(label) << " centred at " << row;
        }
        Expect_Named_Fields(page);
        page->hide();
    }

    // The main window and the dialogs, each as it is shown.
    SCOPED_TRACE("dialogs");
    Expect_Named_Fields(main);
    Expect_Named_Fields(&main->Type_Dialog());
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<PSID_Table_Dialog>(main));
    dialogs.push_back(std::make_unique<LES_Table_Dialog>(main));
    auto identifier = std::make_unique<Identifier_Dialog>(main);
    identifier->Setup(main_window::Identifier_Kind::B777);
    dialogs.push_back(std::move(identifier));
    dialogs.push_back(std::make_unique<PN_Formal_Dialog>(PN_Formal_Dialog::Context{}, main));
    dialogs.push_back(std::make_unique<PN_Casual_Dialog>(main));
    dialogs.push_back(std::make_unique<Create_Download_Disk_Dialog>(main_window::Disk_Hooks{}, main));
    dialogs.push_back(std::make_unique<Create_Upload_Disk_Dialog>(main_window::Disk_Hooks{}, main));
    dialogs.push_back(std::make_unique<Failure_Entry_Dialog>(main));
    dialogs.push_back(std::make_unique<Sat_Table_Dialog>(main));
    dialogs.push_back(std::make_unique<GES_Table_Dialog>(main));
    dialogs.push_back(std::make_unique<Cockpit_Numbers_Dialog>(main));
    dialogs.push_back(std::make_unique<Phone_Category_Dialog>(main));
    dialogs.push_back(std::make_unique<Transit_GES_Dialog>(main->Pages().Transit_GES()));
    for (const std::unique_ptr<QDialog>& dialog : dialogs) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        dialog->show();
        testsupport::Settle();
        EXPECT_LE(dialog->width(), SCREEN_WIDTH);
        Expect_Named_Fields(dialog.get());
        dialog->hide();
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

// What a screen reader reaches on every page: each field named by a row
// label is related to that label wherever it stands (beside its spin
// button, in an SDU column, the second field of a row), each list box is
// named by its caption, no two option buttons of a page share a name, and
// each transit GES cell is named by its zone and satellite and shows its
// value.
TEST_P(PageLayoutTest, ScreenReadersReachRowLabelsAndNameListsOptionsAndCells)
{
    if (GetParam())
        main->mnuDualSDU_Click();
    for (Page_Frame* page : main->Pages().Pages()) {
        SCOPED_TRACE(page->objectName().toStdString());
        for (QWidget* field : page->findChildren<QWidget*>()) {
            QLabel* label = pages::Row_Label(field);
            if (!label)
                continue;
            EXPECT_TRUE(Reaches_Label(field, label)) << Name(field) << " does not reach its row label " << Name(label);
        }
        QHash<QString, std::string> named;
        for (QListWidget* list : page->findChildren<QListWidget*>()) {
            const QString name = Accessible_Name(list);
            EXPECT_FALSE(name.isEmpty()) << Name(list) << " has no name";
            EXPECT_FALSE(named.contains(name)) << Name(list) << " is named like " << named.value(name);
            named.insert(name, Name(list));
        }
        named.clear();
        for (QRadioButton* option : page->findChildren<QRadioButton*>()) {
            const QString name = Accessible_Name(option);
            EXPECT_FALSE(named.contains(name)) << Name(option) << " is named like " << named.value(name);
            named.insert(name, Name(option));
        }
    }
    Page_Transit_GES& transit = main->Pages().Transit_GES();
    transit.Control_41[38]->setText(QStringLiteral("007"));
    EXPECT_EQ(Accessible_Name(transit.Control_41[38]), QStringLiteral("Short PSTN SAT 02: 007"));
    EXPECT_EQ(Accessible_Name(transit.Control_41[0]), QStringLiteral("Zone 1 SAT 00: 377"));
    EXPECT_EQ(Accessible_Name(main->Pages().Failure_Masks().Control_38), QStringLiteral("Failure Masks"));
}
