// The satellite and GES tables page: controls, adding, editing and deleting
// GES and satellite entries through their dialogs, the sorts with their
// direction tags, Update Tables and the report section.
#include "editor/pages_tables/page_sat_ges.h"

#include "editor/core/ort_types.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages_tables/ges_table_dialog.h"
#include "editor/pages_tables/sat_ges_lists.h"
#include "editor/pages_tables/sat_table_dialog.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using platform::MsgAnswer;
using testsupport::ScriptedMessages;

namespace {

using testsupport::On_Dialog;

const QString SAT_00 = QStringLiteral("00   AOR-W      1   ----,---,----,----,----,---     0.0 ");
const QString SAT_01 = QStringLiteral("01   AOR-E      1   ----,---,----,----,----,---     0.0 ");
const QString SAT_03 = QStringLiteral("03   POR        1   ----,---,----,----,----,---     0.0 ");

class PageSatGESTest : public ::testing::Test {
protected:
    PageSatGESTest() { core::Reset_Versions(); }
    ~PageSatGESTest() override { core::Reset_Versions(); }

    QStringList Sats() const { return sat_ges::List_Lines(page.Control_03); }
    QStringList GESs() const { return sat_ges::List_Lines(page.Control_02); }
    void Fill(const QStringList& sats, const QStringList& gess)
    {
        sat_ges::Set_List_Lines(page.Control_03, sats);
        sat_ges::Set_List_Lines(page.Control_02, gess);
    }

    Page_Sat_GES page;
    ScriptedMessages boxes;
};

} // namespace

TEST_F(PageSatGESTest, ControlsExistWithTheirCaptionsAndTooltips)
{
    const struct {
        const char* name;
        const char* caption;
        const char* tooltip;
    } buttons[] = {
        {"Control_02_Add", "Add", "Add a new GES entry"},
        {"Control_02_Edit", "Edit", "Edit currently selected GES entry"},
        {"Control_02_Delete", "Delete", "Delete currently selected GES entry"},
        {"Control_02_Sort_Sat", "Sat", "Sort by Sat ID"},
        {"Control_02_Sort_GES", "GES", "Sort by GES ID"},
        {"Control_02_Sort_Pref", "Pref", "Sort by GES Preference"},
        {"Control_02_Sort_GES_Name", "GES Name", "Sort by GES Name"},
        {"Control_2_3_Reset", "Update Tables", "Reset Sat and GES tables to default SITA"},
        {"Control_03_Add", "Add", "Add a new Sat entry"},
        {"Control_03_Edit", "Edit", "Edit currently selected Sat entry"},
        {"Control_03_Delete", "Delete", "Delete currently selected Sat entry"},
        {"cmdSatTableSort(0)", "Sat", "Sort by Sat ID"},
        {"cmdSatTableSort(1)", "Sat Name", "Sort by Sat Name"},
        {"cmdSatTableSort(2)", "Pref", "Sort by Sat Preference"},
        {"cmdSatTableSort(3)", "Services Offered", "Sort by Sat Services"},
        {"cmdSatTableSort(4)", "Longitude", "Sort by Sat Longitude"},
    };
    for (const auto& b : buttons) {
        auto* button = page.findChild<QPushButton*>(QString::fromLatin1(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), QString::fromLatin1(b.caption)) << b.name;
        EXPECT_EQ(button->toolTip(), QString::fromLatin1(b.tooltip)) << b.name;
    }
    for (QPushButton* sort : {page.Control_02_Sort_Sat, page.Control_02_Sort_GES, page.Control_02_Sort_Pref,
                              page.Control_02_Sort_GES_Name, page.cmdSatTableSort[0], page.cmdSatTableSort[4]})
        EXPECT_EQ(Tag(sort), QStringLiteral("1"));

    auto* ges = page.findChild<QListWidget*>(QStringLiteral("Control_02"));
    auto* sat = page.findChild<QListWidget*>(QStringLiteral("Control_03"));
    ASSERT_NE(ges, nullptr);
    ASSERT_NE(sat, nullptr);
    EXPECT_EQ(ges->toolTip(), QStringLiteral("GES Name Table"));
    EXPECT_EQ(sat->toolTip(), QStringLiteral("Satellite Name Table"));
    EXPECT_TRUE(page.Frame_GES->isAncestorOf(ges));
    EXPECT_TRUE(page.Frame_Sat->isAncestorOf(sat));
    EXPECT_EQ(page.Frame_GES->title(), QStringLiteral("GES Table"));
    EXPECT_EQ(page.Frame_Sat->title(), QStringLiteral("Satellite Table"));
    EXPECT_EQ(Tag(page.Frame_GES), QStringLiteral("Item 2"));

    auto* frame_92 = page.findChild<QGroupBox*>(QStringLiteral("Frame_92"));
    ASSERT_NE(frame_92, nullptr);
    EXPECT_EQ(frame_92->title(), QStringLiteral("Service Preferences"));
    EXPECT_EQ(Tag(frame_92), QStringLiteral("Item 92"));
    for (int i = 0; i < 3; ++i) {
        auto* combo = page.findChild<QComboBox*>(Array_Name(QStringLiteral("Control_92"), i));
        ASSERT_NE(combo, nullptr);
        EXPECT_TRUE(frame_92->isAncestorOf(combo));
        ASSERT_EQ(combo->count(), 4);
        EXPECT_EQ(combo->itemText(0), QStringLiteral("0 - Least Preferred"));
        EXPECT_EQ(combo->itemText(1), QStringLiteral("1"));
        EXPECT_EQ(combo->itemText(2), QStringLiteral("2"));
        EXPECT_EQ(combo->itemText(3), QStringLiteral("3 - Most Preferred"));
        // Named by the number of the default the user partition fills in.
        pages::Fill_Default_Tip(combo, combo->itemText(i + 1), i + 1);
        EXPECT_EQ(combo->toolTip(), QStringLiteral("Default: ") + QString::number(i + 1));
    }
    auto* c93 = page.findChild<QComboBox*>(QStringLiteral("Control_93"));
    ASSERT_NE(c93, nullptr);
    EXPECT_EQ(c93->itemText(0), QStringLiteral("Disallowed"));
    EXPECT_EQ(c93->itemText(1), QStringLiteral("Allowed"));
    pages::Fill_Default_Tip(c93, c93->itemText(1), 1);
    EXPECT_EQ(c93->toolTip(), QStringLiteral("Default: Allowed"));
    for (const char* name : {"Control_94", "Control_108"}) {
        auto* edit = page.findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_EQ(edit->toolTip(), QStringLiteral("Default: 5 /  Range 1 to 30"));
    }
    for (const char* name : {"UpDown_94", "UpDown_108"})
        EXPECT_NE(page.findChild<pages::Up_Down*>(QString::fromLatin1(name)), nullptr) << name;

    const struct {
        int index;
        const char* caption;
    } labels[] = {{9, "HSD Service Recovery Timeout"}, {10, "Minutes"}, {11, "Handover Based on Service Preferences"},
                  {20, "Classic Aero"}, {21, "Aero + Swift64"}, {22, "Aero + SwiftBroadband"},
                  {31, "Aero Satellite Recovery Timer"}, {32, "Minutes"}};
    for (const auto& l : labels) {
        auto* label = page.findChild<QLabel*>(Array_Name(QStringLiteral("Label_User_L4"), l.index));
        ASSERT_NE(label, nullptr) << l.index;
        EXPECT_EQ(label->text(), QString::fromLatin1(l.caption));
        EXPECT_EQ(page.Label_User_L4[static_cast<std::size_t>(l.index)], label);
    }
}

TEST_F(PageSatGESTest, MinuteFieldsAreCheckedAndStepped)
{
    page.Control_94->setText(QStringLiteral("45"));
    EXPECT_TRUE(pages::Validate_Field(page.Control_94));
    EXPECT_EQ(page.Control_94->text(), QStringLiteral("30"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Maximum"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("HSD Service Recovery Timeout"));
    page.Control_108->setText(QString());
    EXPECT_TRUE(pages::Validate_Field(page.Control_108));
    EXPECT_EQ(page.Control_108->text(), QStringLiteral("5"));
    EXPECT_EQ(boxes.Boxes()[1].text, QStringLiteral("Value Out of Range, Setting to Default"));
    EXPECT_EQ(boxes.Boxes()[1].title, QStringLiteral("Aero Satellite Recovery Timer"));
    page.Control_108->setText(QStringLiteral("0"));
    EXPECT_TRUE(pages::Validate_Field(page.Control_108));
    EXPECT_EQ(page.Control_108->text(), QStringLiteral("1"));

    page.Control_94->setText(QStringLiteral("29"));
    page.UpDown_94->Up_Button()->click();
    page.UpDown_94->Up_Button()->click();
    EXPECT_EQ(page.Control_94->text(), QStringLiteral("30"));
}

// Text dragged from another program onto a minute field is refused: it
// would reach the field without the field ever having the focus, so its
// check would never see the value.
TEST_F(PageSatGESTest, MinuteFieldsRefuseDroppedText)
{
    page.Control_94->setText(QStringLiteral("5"));
    page.Control_94->resize(60, 20);
    QMimeData mime;
    mime.setText(QStringLiteral("9"));
    const QPoint at(page.Control_94->width() - 2, page.Control_94->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page.Control_94, &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page.Control_94, &move);
    EXPECT_FALSE(move.isAccepted());
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page.Control_94, &drop);
    EXPECT_FALSE(drop.isAccepted());
    EXPECT_EQ(page.Control_94->text(), QStringLiteral("5"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    for (const QLineEdit* field : page.findChildren<QLineEdit*>())
        EXPECT_FALSE(field->acceptDrops()) << field->objectName().toStdString();
}

TEST_F(PageSatGESTest, GESAddAppendsTheDialogsEntry)
{
    Fill({SAT_00, SAT_03}, {QStringLiteral("00   002   1   EIK-AW")});
    On_Dialog<GES_Table_Dialog>([](GES_Table_Dialog& d) {
        EXPECT_EQ(d.Control_Sat_ID->itemText(1), QStringLiteral("03   POR  "));
        d.Control_Sat_ID->setCurrentIndex(1);
        d.Control_GES_Id->setText(QStringLiteral("201"));
        d.Control_Preference->setCurrentIndex(4);
        d.Control_GES_Name->setText(QStringLiteral("perth"));
        d.OKButton->click();
    });
    page.Control_02_Add->click();
    EXPECT_EQ(GESs(), (QStringList{QStringLiteral("00   002   1   EIK-AW"), QStringLiteral("03   201   4   PERTH")}));
    // Cancel adds nothing
    On_Dialog<GES_Table_Dialog>([](GES_Table_Dialog& d) { d.CancelButton->click(); });
    page.Control_02_Add->click();
    EXPECT_EQ(GESs().size(), 2);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(PageSatGESTest, GESAddWithoutSatellitesChangesNothing)
{
    page.Control_02_Add->click();
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Please add a SAT before adding a GES")});
    EXPECT_EQ(page.Control_02->count(), 0);
}

TEST_F(PageSatGESTest, GESTableHoldsAtMost128Lines)
{
    QStringList gess;
    for (int i = 0; i < 127; ++i)
        gess << QStringLiteral("00   002   1   X");
    Fill({SAT_00}, gess);
    On_Dialog<GES_Table_Dialog>([](GES_Table_Dialog& d) {
        d.Control_GES_Id->setText(QStringLiteral("7"));
        d.Control_GES_Name->setText(QStringLiteral("LAST"));
        d.OKButton->click();
    });
    page.Control_02_Add->click();
    ASSERT_EQ(page.Control_02->count(), 128);
    EXPECT_EQ(GESs().last(), QStringLiteral("00   007   1   LAST"));
    page.Control_02_Add->click(); // no dialog
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("No more entries available"));
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(boxes.Boxes()[0].title.isEmpty());
    EXPECT_EQ(page.Control_02->count(), 128);
}

TEST_F(PageSatGESTest, GESEditReplacesTheSelectedLineInPlace)
{
    Fill({SAT_00, SAT_01}, {QStringLiteral("00   002   1   EIK-AW"), QStringLiteral("00   002   1   EIK-AW"),
                            QStringLiteral("01   101   2   B")});
    page.Control_02_Edit->click(); // nothing selected: nothing happens
    page.Control_02->setCurrentRow(1);
    On_Dialog<GES_Table_Dialog>([](GES_Table_Dialog& d) {
        EXPECT_EQ(d.Control_GES_Id->text(), QStringLiteral("002"));
        d.Control_Sat_ID->setCurrentIndex(1);
        d.Control_GES_Name->setText(QStringLiteral("NEW"));
        d.OKButton->click();
    });
    page.Control_02_Edit->click();
    // a GES ID that another line has is fine
    EXPECT_EQ(GESs(), (QStringList{QStringLiteral("00   002   1   EIK-AW"), QStringLiteral("01   002   1   NEW"),
                                   QStringLiteral("01   101   2   B")}));
    On_Dialog<GES_Table_Dialog>([](GES_Table_Dialog& d) { d.close(); });
    page.Control_02_Edit->click();
    EXPECT_EQ(GESs()[1], QStringLiteral("01   002   1   NEW"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(PageSatGESTest, GESDeleteAsksFirst)
{
    Fill({SAT_00}, {QStringLiteral("00   002   1   A"), QStringLiteral("00   003   1   B")});
    page.Control_02_Delete->click(); // nothing selected
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    page.Control_02->setCurrentRow(0);
    boxes.Answer(MsgAnswer::No);
    page.Control_02_Delete->click();
    EXPECT_EQ(page.Control_02->count(), 2);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Continue?"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Delete GES Entry"));
    EXPECT_EQ(boxes.Boxes()[0].buttons, platform::MsgButtons::YesNo);
    boxes.Answer(MsgAnswer::Yes);
    page.Control_02_Delete->click();
    EXPECT_EQ(GESs(), QStringList{QStringLiteral("00   003   1   B")});
}

TEST_F(PageSatGESTest, SatelliteAddRefusesADuplicateAndAFullTable)
{
    Fill({SAT_00}, {});
    On_Dialog<Sat_Table_Dialog>([](Sat_Table_Dialog& d) {
        d.Control_Sat_ID->setText(QStringLiteral("03"));
        d.Control_Sat_Name->setText(QStringLiteral("POR"));
        d.OKButton->click();
    });
    page.Control_03_Add->click();
    EXPECT_EQ(Sats(), (QStringList{SAT_00, SAT_03}));

    On_Dialog<Sat_Table_Dialog>([](Sat_Table_Dialog& d) {
        d.Control_Sat_ID->setText(QStringLiteral("00"));
        d.Control_Sat_Name->setText(QStringLiteral("DUP"));
        d.OKButton->click();
    });
    page.Control_03_Add->click();
    EXPECT_EQ(Sats().size(), 2);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("This Sat is already defined. Please choose another."));
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Critical);

    // OK without a name and Cancel store nothing
    On_Dialog<Sat_Table_Dialog>([](Sat_Table_Dialog& d) {
        d.Control_Sat_ID->setText(QStringLiteral("05"));
        d.OKButton->click();
    });
    page.Control_03_Add->click();
    On_Dialog<Sat_Table_Dialog>([](Sat_Table_Dialog& d) {
        d.Control_Sat_ID->setText(QStringLiteral("05"));
        d.Control_Sat_Name->setText(QStringLiteral("X"));
        d.CancelButton->click();
    });
    page.Control_03_Add->click();
    EXPECT_EQ(Sats().size(), 2);

    QStringList full;
    for (int i = 0; i < 16; ++i)
        full << QStringLiteral("%1   S%2").arg(i, 2, 8, QLatin1Char('0')).arg(i);
    Fill(full, {});
    boxes.Clear();
    page.Control_03_Add->click(); // no dialog
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("No more entries available")});
    EXPECT_EQ(page.Control_03->count(), 16);
}

TEST_F(PageSatGESTest, SatelliteEditKeepsOrMovesItsGESLines)
{
    Fill({SAT_00, SAT_01}, {QStringLiteral("00   002   1   A"), QStringLiteral("01   101   1   B"),
                            QStringLiteral("00   003   1   C")});
    page.Control_03->setCurrentRow(0);
    // the same ID is accepted
    On_Dialog<Sat_Table_Dialog>([](Sat_Table_Dialog& d) {
        EXPECT_EQ(d.Control_Sat_ID->text(), QStringLiteral("00"));
        EXPECT_EQ(d.Control_Sat_Name->text(), QStringLiteral("AOR-W"));
        d.Control_Sat_Name->setText(QStringLiteral("AORW"));
        d.OKButton->click();
    });
    page.Control_03_Edit->click();
    EXPECT_TRUE(Sats()[0].startsWith(QStringLiteral("00   AORW ")));
    // the ID of another satellite is refused
    On_Dialog<Sat_Table_Dialog>([](Sat_Table_Dialog& d) {
        d.Control_Sat_ID->setText(QStringLiteral("01"));
        d.OKButton->click();
    });
    page.Control_03_Edit->click();
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("This Sat is already defined. Please choose another.")});
    EXPECT_TRUE(Sats()[0].startsWith(QStringLiteral("00   AORW ")));
    // a free ID takes the satellite's GES lines along
    On_Dialog<Sat_Table_Dialog>([](Sat_Table_Dialog& d) {
        d.Control_Sat_ID->setText(QStringLiteral("06"));
        d.Control_95_Srv[0]->setChecked(true);
        d.OKButton->click();
    });
    page.Control_03_Edit->click();
    EXPECT_EQ(Sats()[0], QStringLiteral("06   AORW       1   ----,---,----,----,----,SBB     0.0 "));
    EXPECT_EQ(GESs(), (QStringList{QStringLiteral("06   002   1   A"), QStringLiteral("01   101   1   B"),
                                   QStringLiteral("06   003   1   C")}));
}

TEST_F(PageSatGESTest, SatelliteDeleteRemovesItsGESLines)
{
    Fill({SAT_00, SAT_01, SAT_03},
         {QStringLiteral("01   001   1   A"), QStringLiteral("01   002   1   B"), QStringLiteral("00   003   1   C"),
          QStringLiteral("01   004   1   D"), QStringLiteral("03   005   1   E"), QStringLiteral("01   006   1   F")});
    page.Control_03->setCurrentRow(1);
    boxes.Answer(MsgAnswer::No);
    page.Control_03_Delete->click();
    EXPECT_EQ(Sats().size(), 3);
    EXPECT_EQ(GESs().size(), 6);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("This will also delete all GES entries for this SAT Continue?"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Delete SAT Entry"));
    boxes.Answer(MsgAnswer::Yes);
    page.Control_03_Delete->click();
    EXPECT_EQ(Sats(), (QStringList{SAT_00, SAT_03}));
    EXPECT_EQ(GESs(), (QStringList{QStringLiteral("00   003   1   C"), QStringLiteral("03   005   1   E")}));
}

TEST_F(PageSatGESTest, SortsAlternateTheirDirection)
{
    Fill({SAT_03, SAT_00, SAT_01},
         {QStringLiteral("01   001   1   B"), QStringLiteral("00   007   2   A"), QStringLiteral("03   002   0   C")});
    page.Control_02_Sort_Sat->click();
    EXPECT_EQ(GESs()[0], QStringLiteral("00   007   2   A"));
    EXPECT_EQ(Tag(page.Control_02_Sort_Sat), QStringLiteral("-1"));
    page.Control_02_Sort_Sat->click();
    EXPECT_EQ(GESs()[0], QStringLiteral("03   002   0   C"));
    EXPECT_EQ(Tag(page.Control_02_Sort_Sat), QStringLiteral("1"));
    page.Control_02_Sort_Pref->click();
    EXPECT_EQ(GESs(), (QStringList{QStringLiteral("03   002   0   C"), QStringLiteral("01   001   1   B"),
                                   QStringLiteral("00   007   2   A")}));
    page.Control_02_Sort_GES->click();
    EXPECT_EQ(GESs()[0], QStringLiteral("01   001   1   B"));
    page.Control_02_Sort_GES_Name->click();
    EXPECT_EQ(GESs()[0], QStringLiteral("00   007   2   A             "));

    // ascending before a save, whatever the tag says, and the tag stays
    Set_Tag(page.Control_02_Sort_Sat, QStringLiteral("-1"));
    page.Control_02_Sort_Sat_Ascending();
    EXPECT_TRUE(GESs()[0].startsWith(QStringLiteral("00")));
    EXPECT_TRUE(GESs()[2].startsWith(QStringLiteral("03")));
    EXPECT_EQ(Tag(page.Control_02_Sort_Sat), QStringLiteral("-1"));

    page.cmdSatTableSort[0]->click();
    EXPECT_EQ(Sats(), (QStringList{SAT_00, SAT_01, SAT_03}));
    page.cmdSatTableSort_Click(0);
    EXPECT_EQ(Sats(), (QStringList{SAT_03, SAT_01, SAT_00}));
    EXPECT_EQ(Tag(page.cmdSatTableSort[0]), QStringLiteral("1"));
    page.cmdSatTableSort[1]->click();
    EXPECT_EQ(Sats(), (QStringList{SAT_01, SAT_00, SAT_03}));
    EXPECT_EQ(Tag(page.cmdSatTableSort[1]), QStringLiteral("-1"));
}

TEST_F(PageSatGESTest, SortingAnEmptyListKeepsTheTag)
{
    page.Control_02_Sort_GES->click();
    page.cmdSatTableSort[2]->click();
    page.Control_02_Sort_Sat_Ascending();
    EXPECT_EQ(Tag(page.Control_02_Sort_GES), QStringLiteral("1"));
    EXPECT_EQ(Tag(page.cmdSatTableSort[2]), QStringLiteral("1"));
    EXPECT_EQ(page.Control_02->count(), 0);
}

TEST_F(PageSatGESTest, UpdateTablesRunsTheMergeOnYesOnly)
{
    int merges = 0;
    page.Set_Update_Tables_Action([&merges] { ++merges; });
    boxes.Answer(MsgAnswer::No);
    page.Control_2_3_Reset->click();
    EXPECT_EQ(merges, 0);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("This will add any missing Sat and GES entries. No existing "
                                                     "entries will be affected. Continue?"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Update Sat and GES tables"));
    boxes.Answer(MsgAnswer::Yes);
    page.Control_2_3_Reset->click();
    EXPECT_EQ(merges, 1);
}

TEST_F(PageSatGESTest, ClearListsAndNulPaddedLines)
{
    page.Control_03->addItem(QStringLiteral("00   AOR-W") + QChar(0) + QChar(0));
    page.Control_02->addItem(QStringLiteral("00   002   1   EIK-AW") + QChar(0));
    EXPECT_EQ(Sats(), QStringList{QStringLiteral("00   AOR-W")});
    EXPECT_EQ(GESs(), QStringList{QStringLiteral("00   002   1   EIK-AW")});
    page.Clear_Lists();
    EXPECT_EQ(page.Control_02->count(), 0);
    EXPECT_EQ(page.Control_03->count(), 0);
}

TEST_F(PageSatGESTest, VisibilityAndDual)
{
    QPushButton button;
    page.Set_Page_Button(&button);
    page.SetVisiblity(true, false);
    EXPECT_TRUE(button.isHidden());
    EXPECT_FALSE(page.Frame_User()->isHidden());
    page.SetVisiblity(false, true);
    EXPECT_FALSE(button.isHidden());
    page.Dual(true);
    EXPECT_FALSE(page.Dual_Mode());
    pages::Fill_Default_Tip(page.Control_93, QStringLiteral("Allowed"), 1);
    page.Setup_ToolTips(2);
    EXPECT_EQ(page.Control_93->toolTip(), QStringLiteral("Default: Allowed"));
}

// Below feature level 4 the satellite list shows its first two columns
// only. With an interface font whose captions are wider than the columns
// they head, each shown column still begins under its sort button, and the
// columns left out leave no trace in the list.
TEST_F(PageSatGESTest, SatelliteListShowsItsHeadedColumnsOnlyUnderTheirButtons)
{
    struct Font_Guard {
        Font_Guard() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 16)); }
        ~Font_Guard() { QApplication::setFont(QFont()); }
    } large_captions;
    testsupport::Settle();
    using namespace modSat_Table_Dialog;
    Sat_Row row;
    row.Name = QStringLiteral("WWWWW");
    row.Services = 0x3F;
    row.Longitude = -179.9F;
    QStringList lines;
    for (std::int16_t id : {077, 055, 044, 033}) {
        row.Sat_ID = id;
        lines << Get_Sat_Row(row);
    }
    const int shown = SAT_COLUMN_WIDTHS[0] + SAT_COLUMN_WIDTHS[1];
    page.Fit_Tables(2);
    page.show();
    testsupport::Settle();
    QWidget* viewport = page.Control_03->viewport();
    const auto grab = [&](const QStringList& texts) {
        Fill(texts, {});
        testsupport::Settle();
        return viewport->grab().toImage();
    };

    QStringList cut;
    for (const QString& line : lines)
        cut << line.left(shown);
    EXPECT_TRUE(grab(lines) == grab(cut)) << "a column beyond the headings shows";

    const int advance = QFontMetrics(page.Control_03->font()).horizontalAdvance(QLatin1Char('W'));
    int start = 0;
    for (std::size_t k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        QStringList only;
        for (const QString& line : lines)
            only << QString(start, QLatin1Char(' ')) + line.mid(start, SAT_COLUMN_WIDTHS[k]);
        start += SAT_COLUMN_WIDTHS[k];
        const auto [first, last] = testsupport::Ink_Columns(grab(only));
        const QPushButton* heading = page.cmdSatTableSort[k];
        const int left = std::max(viewport->mapFrom(&page, heading->mapTo(&page, QPoint(0, 0))).x(), 0);
        const int right = left + heading->width();
        EXPECT_GE(first, left) << "heading from " << left << " to " << right;
        EXPECT_LT(first, left + advance) << "heading from " << left << " to " << right;
        EXPECT_LT(last, right) << "heading from " << left << " to " << right;
    }
}

TEST_F(PageSatGESTest, ReportBelowFeatureLevel4)
{
    core::Versions().User_Current.Feature_Level = 3;
    Fill({QStringLiteral("00   AOR-W"), SAT_03}, {QStringLiteral("00   002   1   EIK-AW")});
    QStringList lines;
    page.Write_Text_Output(lines);
    EXPECT_EQ(lines, (QStringList{
                         QStringLiteral("SATELLITE INFORMATION:"), QString(),
                         QStringLiteral("SAT  SAT NAME"), QStringLiteral("-------------"),
                         QStringLiteral("00   AOR-W"), QStringLiteral("03   POR     "),
                         QString(), QString(), QStringLiteral("GES INFORMATION:"), QString(),
                         QStringLiteral("SAT  GES  PREF GES NAME"), QString(29, QLatin1Char('-')),
                         QStringLiteral("00   002   1   EIK-AW"),
                         QString(), QString(),
                     }));
}

TEST_F(PageSatGESTest, ReportAtFeatureLevel4WithItems)
{
    core::Versions().User_Current.Feature_Level = 4;
    Fill({SAT_00}, {});
    page.Control_108->setText(QStringLiteral("7"));
    page.Control_92[0]->setCurrentIndex(1);
    page.Control_92[1]->setCurrentIndex(2);
    page.Control_92[2]->setCurrentIndex(3);
    page.Control_93->setCurrentIndex(1);
    page.Control_94->setText(QStringLiteral("5"));
    QStringList lines;
    page.Write_Text_Output(lines);
    EXPECT_EQ(lines, (QStringList{
                         QStringLiteral("SATELLITE INFORMATION:"), QString(),
                         QStringLiteral("SAT  SAT NAME  PREF"), QString(19, QLatin1Char('-')), SAT_00,
                         QString(), QString(), QStringLiteral("GES INFORMATION:"), QString(),
                         QStringLiteral("GES TABLE IS EMPTY"),
                         QString(), QString(),
                         QStringLiteral("Aero Satellite Recovery Timer: 7 Minutes"),
                         QStringLiteral("Classic Aero: 1"),
                         QStringLiteral("Aero + Swift64: 2"),
                         QStringLiteral("Aero + SwiftBroadband: 3 - Most Preferred"),
                         QStringLiteral("Handover Based on Service Preferences: Allowed"),
                         QStringLiteral("HSD Service Recovery Timeout: 5 Minutes"),
                     }));
}

TEST_F(PageSatGESTest, ReportOfEmptyTables)
{
    core::Versions().User_Current.Feature_Level = 4;
    QStringList lines;
    page.Write_Text_Output(lines);
    ASSERT_GE(lines.size(), 10);
    EXPECT_EQ(lines[2], QStringLiteral("SAT TABLE IS EMPTY"));
    EXPECT_EQ(lines[7], QStringLiteral("GES TABLE IS EMPTY"));
    EXPECT_EQ(lines.size(), 16);
}
