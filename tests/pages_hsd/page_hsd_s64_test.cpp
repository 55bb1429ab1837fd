#include "editor/pages_hsd/page_hsd_s64.h"

#include "editor/pages_hsd/les_table_dialog.h"
#include "hsd_test_support.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <utility>

using hsdtest::User_Levels;
using hsdtest::Report;
using testsupport::ScriptedMessages;

namespace {

using testsupport::Lines;

const QString MSG_DUPLICATE = QStringLiteral("This Sat/LES is already defined. Please choose another.");

// (SAT, LES, preference) as a list line.
QString Line(const char* sat, int les, int pref)
{
    return QString::fromLatin1(sat) + "  " + QString::number(les).rightJustified(3, ' ') + "  "
           + QString::number(pref);
}

void Set_Lines(QListWidget* list, const QStringList& lines)
{
    list->clear();
    list->addItems(lines);
}

const QStringList DEFAULT_LINES = {
    Line("00", 1, 1), Line("00", 12, 1), Line("00", 555, 1), Line("01", 1, 1),
    Line("01", 12, 1), Line("01", 555, 1), Line("02", 1, 1), Line("02", 12, 1),
    Line("02", 22, 1), Line("03", 1, 1), Line("03", 12, 1), Line("03", 555, 1),
};

// Fills the LES dialog when it comes up and presses OK (or Cancel when sat is null).
void Answer_Dialog(const char* sat, const char* les, int pref, QString* caption = nullptr)
{
    hsdtest::When_Modal([=](QWidget* widget) {
        auto* dialog = qobject_cast<LES_Table_Dialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        if (caption)
            *caption = dialog->windowTitle();
        if (!sat) {
            dialog->CancelButton->click();
            return;
        }
        dialog->Control_Sat_ID->setText(QString::fromLatin1(sat));
        dialog->Control_LES_ID->setText(QString::fromLatin1(les));
        if (pref >= 0)
            dialog->Control_Preference->setCurrentIndex(pref);
        dialog->OKButton->click();
    });
}

} // namespace

TEST(PageHsdS64, ControlsExist)
{
    Page_HSD_S64 page;
    EXPECT_EQ(page.windowTitle(), QStringLiteral("HSD Swift64 Service Presets"));
    EXPECT_EQ(page.Frame_User()->title(), QStringLiteral("HSD Swift64 User Options"));
    auto* misdn = page.findChild<QGroupBox*>("FrameLES(0)");
    auto* mpds = page.findChild<QGroupBox*>("FrameLES(1)");
    ASSERT_NE(misdn, nullptr);
    ASSERT_NE(mpds, nullptr);
    EXPECT_EQ(misdn->title(), QStringLiteral("Swift64 M-ISDN LES Preference"));
    EXPECT_EQ(Tag(misdn), QStringLiteral("Item 66"));
    EXPECT_EQ(mpds->title(), QStringLiteral("Swift64 MPDS LES Preference"));
    EXPECT_EQ(Tag(mpds), QStringLiteral("Item 67"));
    for (const char* item : {"66", "67"}) {
        const QString prefix = QStringLiteral("Control_") + item;
        EXPECT_NE(page.findChild<QListWidget*>(prefix), nullptr);
        const struct {
            const char* suffix;
            const char* caption;
        } buttons[] = {{"_Add", "Add"},       {"_Edit", "Edit"},     {"_Delete", "Delete"},
                       {"_Reset", "Reset"},   {"_Sort_Sat", "Sat"},  {"_Sort_LES", "LES"},
                       {"_Sort_Pref", "Pref"}};
        for (const auto& b : buttons) {
            auto* button = page.findChild<QPushButton*>(prefix + b.suffix);
            ASSERT_NE(button, nullptr) << b.suffix;
            EXPECT_EQ(button->text(), QString::fromLatin1(b.caption));
        }
    }
    for (QPushButton* sort : {page.Control_66_Sort_Sat, page.Control_66_Sort_LES, page.Control_66_Sort_Pref,
                              page.Control_67_Sort_Sat, page.Control_67_Sort_LES, page.Control_67_Sort_Pref})
        EXPECT_EQ(Tag(sort), QStringLiteral("1"));
}

TEST(PageHsdS64, ResetRefillsTheDefaults)
{
    Page_HSD_S64 page;
    Set_Lines(page.Control_66, {Line("05", 5, 5)});
    page.Control_66_Reset->click();
    EXPECT_EQ(Lines(page.Control_66), DEFAULT_LINES);
    EXPECT_EQ(page.Control_67->count(), 0);
    page.Control_67_Reset_Click();
    EXPECT_EQ(Lines(page.Control_67), DEFAULT_LINES);
    page.Control_67_Reset_Click();
    EXPECT_EQ(page.Control_67->count(), 12);
}

TEST(PageHsdS64, AddAppendsOrRefusesADuplicatePair)
{
    ScriptedMessages messages;
    Page_HSD_S64 page;
    page.Control_66_Reset_Click();

    QString caption;
    Answer_Dialog("01", "12", 7, &caption);
    page.Control_66_Add->click();
    EXPECT_EQ(caption, QStringLiteral("Swift64 M-ISDN LES Information"));
    EXPECT_EQ(Lines(page.Control_66), DEFAULT_LINES);
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, MSG_DUPLICATE);
    EXPECT_EQ(messages.Boxes()[0].icon, platform::MsgIcon::Critical);
    EXPECT_TRUE(messages.Boxes()[0].title.isEmpty());

    messages.Clear();
    Answer_Dialog("1", "13", -1); // preference left at 1
    page.Control_66_Add_Click();
    EXPECT_EQ(page.Control_66->count(), 13);
    EXPECT_EQ(Lines(page.Control_66).last(), Line("01", 13, 1));
    EXPECT_TRUE(messages.Boxes().isEmpty());

    // The same pair may stand in the other list.
    Answer_Dialog("01", "12", 3, &caption);
    page.Control_67_Add_Click();
    EXPECT_EQ(caption, QStringLiteral("Swift64 MPDS LES Information"));
    EXPECT_EQ(Lines(page.Control_67), QStringList{Line("01", 12, 3)});

    // Cancel adds nothing.
    Answer_Dialog(nullptr, nullptr, 0);
    page.Control_67_Add_Click();
    EXPECT_EQ(page.Control_67->count(), 1);
    EXPECT_TRUE(messages.Boxes().isEmpty());
}

TEST(PageHsdS64, EditReplacesInPlaceOrRefuses)
{
    ScriptedMessages messages;
    Page_HSD_S64 page;
    page.Control_66_Reset_Click();
    page.Control_66->setCurrentRow(4); // (01, 12, 1)

    QString opened_les;
    hsdtest::When_Modal([&](QWidget* widget) {
        auto* dialog = qobject_cast<LES_Table_Dialog*>(widget);
        opened_les = dialog->Control_LES_ID->text();
        dialog->Control_Preference->setCurrentIndex(5);
        dialog->OKButton->click();
    });
    page.Control_66_Edit->click();
    EXPECT_EQ(opened_les, QStringLiteral("12"));
    QStringList expected = DEFAULT_LINES;
    expected[4] = Line("01", 12, 5);
    EXPECT_EQ(Lines(page.Control_66), expected);
    EXPECT_EQ(page.Control_66->currentRow(), 4);

    // To another pair already present: refused.
    Answer_Dialog("01", "555", 1);
    page.Control_66_Edit_Click();
    EXPECT_EQ(Lines(page.Control_66), expected);
    EXPECT_EQ(messages.Texts(), QStringList{MSG_DUPLICATE});

    // To a new pair: replaced in place.
    messages.Clear();
    Answer_Dialog("04", "7", 2);
    page.Control_66_Edit_Click();
    expected[4] = Line("04", 7, 2);
    EXPECT_EQ(Lines(page.Control_66), expected);
    EXPECT_TRUE(messages.Boxes().isEmpty());

    // Nothing selected: nothing happens (no dialog).
    page.Control_67_Edit_Click();
    page.Control_66->clearSelection();
    page.Control_66_Edit_Click();
    EXPECT_EQ(Lines(page.Control_66), expected);
}

TEST(PageHsdS64, DeleteAsksFirst)
{
    ScriptedMessages messages;
    Page_HSD_S64 page;
    page.Control_67_Reset_Click();
    page.Control_67_Delete_Click(); // nothing selected: no question
    EXPECT_TRUE(messages.Boxes().isEmpty());

    page.Control_67->setCurrentRow(0);
    messages.Answer(platform::MsgAnswer::No);
    page.Control_67_Delete->click();
    EXPECT_EQ(Lines(page.Control_67), DEFAULT_LINES);
    ASSERT_EQ(messages.Boxes().size(), 1);
    EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("Continue?"));
    EXPECT_EQ(messages.Boxes()[0].title, QStringLiteral("Delete LES Entry"));
    EXPECT_EQ(messages.Boxes()[0].buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(messages.Boxes()[0].icon, platform::MsgIcon::None);

    messages.Answer(platform::MsgAnswer::Yes);
    page.Control_67_Delete_Click();
    EXPECT_EQ(Lines(page.Control_67), DEFAULT_LINES.mid(1));
}

TEST(PageHsdS64, ListLimits)
{
    ScriptedMessages messages;
    Page_HSD_S64 page;
    const struct {
        QListWidget* list;
        QPushButton* add;
        int limit;
    } lists[] = {{page.Control_66, page.Control_66_Add, 24}, {page.Control_67, page.Control_67_Add, 84}};
    for (const auto& l : lists) {
        QStringList lines;
        for (int i = 0; i < l.limit - 1; ++i)
            lines << Line("10", i, 1);
        Set_Lines(l.list, lines);
        Answer_Dialog("11", "1", 1);
        l.add->click();
        EXPECT_EQ(l.list->count(), l.limit);
        EXPECT_TRUE(messages.Boxes().isEmpty());

        // A full list refuses before the dialog opens.
        auto opened = std::make_shared<bool>(false);
        auto stop = hsdtest::When_Modal([opened](QWidget* widget) {
            *opened = true;
            widget->close();
        });
        l.add->click();
        *stop = true;
        EXPECT_FALSE(*opened);
        EXPECT_EQ(l.list->count(), l.limit);
        ASSERT_EQ(messages.Boxes().size(), 1);
        EXPECT_EQ(messages.Boxes()[0].text, QStringLiteral("No more entries available"));
        EXPECT_EQ(messages.Boxes()[0].icon, platform::MsgIcon::Exclamation);
        EXPECT_TRUE(messages.Boxes()[0].title.isEmpty());
        messages.Clear();
    }
}

TEST(PageHsdS64, ColumnSortsAlternateDirection)
{
    Page_HSD_S64 page;
    Set_Lines(page.Control_67, {Line("00", 1, 1), Line("00", 555, 1), Line("01", 12, 1)});
    page.Control_67_Sort_LES->click();
    EXPECT_EQ(Lines(page.Control_67),
              (QStringList{Line("00", 1, 1), Line("01", 12, 1), Line("00", 555, 1)}));
    EXPECT_EQ(Tag(page.Control_67_Sort_LES), QStringLiteral("-1"));
    page.Control_67_Sort_LES->click();
    EXPECT_EQ(Lines(page.Control_67),
              (QStringList{Line("00", 555, 1), Line("01", 12, 1), Line("00", 1, 1)}));
    EXPECT_EQ(Tag(page.Control_67_Sort_LES), QStringLiteral("1"));
    page.Control_67_Sort_LES->click();
    EXPECT_EQ(Lines(page.Control_67),
              (QStringList{Line("00", 1, 1), Line("01", 12, 1), Line("00", 555, 1)}));
    // The other buttons keep their own direction.
    EXPECT_EQ(Tag(page.Control_67_Sort_Sat), QStringLiteral("1"));
    EXPECT_EQ(Tag(page.Control_66_Sort_LES), QStringLiteral("1"));

    Set_Lines(page.Control_66, {Line("02", 5, 3), Line("01", 5, 9), Line("03", 4, 3)});
    page.Control_66_Sort_Pref->click();
    EXPECT_EQ(Lines(page.Control_66), (QStringList{Line("03", 4, 3), Line("02", 5, 3), Line("01", 5, 9)}));
    page.Control_66_Sort_Sat->click();
    EXPECT_EQ(Lines(page.Control_66), (QStringList{Line("01", 5, 9), Line("02", 5, 3), Line("03", 4, 3)}));
    page.Control_66_Sort_Sat->click();
    EXPECT_EQ(Lines(page.Control_66), (QStringList{Line("03", 4, 3), Line("02", 5, 3), Line("01", 5, 9)}));

    // An empty list is left alone and its button keeps its direction.
    page.Control_66->clear();
    page.Control_66_Sort_Pref->click();
    EXPECT_EQ(Tag(page.Control_66_Sort_Pref), QStringLiteral("-1"));
    page.Control_66_Sort_LES->click();
    EXPECT_EQ(Tag(page.Control_66_Sort_LES), QStringLiteral("1"));
}

TEST(PageHsdS64, CanonicalOrderBeforeSaving)
{
    Page_HSD_S64 page;
    Set_Lines(page.Control_66, {Line("02", 12, 1), Line("01", 555, 9), Line("01", 12, 1), Line("01", 1, 9)});
    page.Control_66_Sort_LES->click(); // direction now -1
    page.Control_66_Sort();
    EXPECT_EQ(Lines(page.Control_66),
              (QStringList{Line("01", 1, 9), Line("01", 555, 9), Line("01", 12, 1), Line("02", 12, 1)}));
    EXPECT_EQ(Tag(page.Control_66_Sort_LES), QStringLiteral("-1"));
    page.Control_67_Sort(); // empty: nothing
    EXPECT_EQ(page.Control_67->count(), 0);
    page.Control_67_Reset_Click();
    page.Control_67_Sort();
    EXPECT_EQ(Lines(page.Control_67), DEFAULT_LINES);
}

TEST(PageHsdS64, Report)
{
    Page_HSD_S64 page;
    page.Control_66_Reset_Click();
    {
        User_Levels levels(2);
        EXPECT_TRUE(Report(page).isEmpty());
    }
    User_Levels levels(3);
    page.Control_66->clear();
    EXPECT_EQ(Report(page), (QStringList{"", "SWIFT64 MPDS LES PREFERENCES:", "", "MPDS TABLE IS EMPTY",
                                         "", "SWIFT64 M-ISDN LES PREFERENCES:", "",
                                         "M-ISDN TABLE IS EMPTY"}));
    Set_Lines(page.Control_67, {Line("02", 12, 1), Line("01", 1, 9)});
    Set_Lines(page.Control_66, {Line("76", 999, 0)});
    EXPECT_EQ(Report(page), (QStringList{"", "SWIFT64 MPDS LES PREFERENCES:", "", "SAT LES  PREF",
                                         "-------------", "02   12  1", "01    1  9", "",
                                         "SWIFT64 M-ISDN LES PREFERENCES:", "", "SAT LES  PREF",
                                         "-------------", "76  999  0"}));
}

// Each column of the LES lines stands under its sort button ("Sat", "LES",
// "Pref"), also with an interface font whose captions are wider than the
// columns they head.
TEST(PageHsdS64, ColumnsStandUnderTheirHeadings)
{
    struct Font_Guard {
        Font_Guard() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 16)); }
        ~Font_Guard() { QApplication::setFont(QFont()); }
    } large_captions;
    testsupport::Settle();
    Page_HSD_S64 page;
    page.show();
    testsupport::Settle();
    const QStringList lines = {Line("77", 888, 8), Line("55", 555, 5), Line("44", 444, 4)};
    const struct {
        QListWidget* list;
        std::array<QPushButton*, 3> headings;
    } tables[] = {
        {page.Control_66, {page.Control_66_Sort_Sat, page.Control_66_Sort_LES, page.Control_66_Sort_Pref}},
        {page.Control_67, {page.Control_67_Sort_Sat, page.Control_67_Sort_LES, page.Control_67_Sort_Pref}},
    };
    // Where each column's characters lie in a line (SAT 1-2, LES 5-7, preference 10).
    const struct {
        int first;
        int length;
    } columns[] = {{0, 2}, {4, 3}, {9, 1}};
    for (const auto& table : tables) {
        SCOPED_TRACE(table.list->objectName().toStdString());
        QWidget* viewport = table.list->viewport();
        const int advance = QFontMetrics(table.list->font()).horizontalAdvance(QLatin1Char('8'));
        for (std::size_t k = 0; k < 3; ++k) {
            SCOPED_TRACE(k);
            QStringList only;
            for (const QString& line : lines)
                only << QString(columns[k].first, QLatin1Char(' ')) + line.mid(columns[k].first, columns[k].length);
            Set_Lines(table.list, only);
            testsupport::Settle();
            const auto [first, last] = testsupport::Ink_Columns(viewport->grab().toImage());
            const QPushButton* heading = table.headings[k];
            const int left = viewport->mapFrom(&page, heading->mapTo(&page, QPoint(0, 0))).x();
            const int right = left + heading->width();
            EXPECT_GE(first, std::max(left, 0)) << "heading from " << left << " to " << right;
            EXPECT_LT(first, std::max(left, 0) + 2 * advance) << "heading from " << left << " to " << right;
            EXPECT_LT(last, right) << "heading from " << left << " to " << right;
        }
    }
}
