// The satellite dialog: its controls, loading and reading rows, the field
// checks, the longitude spin button, and Cancel and the close box.
#include "editor/pages_tables/sat_table_dialog.h"

#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace modSat_Table_Dialog;
using testsupport::ScriptedMessages;

namespace {

void On_Sat_Dialog(std::function<void(Sat_Table_Dialog&)> step)
{
    testsupport::On_Dialog(std::move(step), "the satellite dialog");
}

Sat_Row Sample()
{
    Sat_Row row;
    row.Sat_ID = 3;
    row.Name = QStringLiteral("POR");
    row.Pref = 0;
    row.Services = 0b100101;
    row.Longitude = 178.5F;
    return row;
}

} // namespace

TEST(SatDialogTest, ControlsCaptionsAndTags)
{
    Sat_Table_Dialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Satellite Information"));
    const struct {
        const char* name;
        const char* caption;
    } labels[] = {{"Label_Sat_ID", "SAT ID"},          {"Label_Sat_Name", "Sat Name"},
                  {"Label_91", "Preference Selection"}, {"Label_95(0)", "Services Offered"},
                  {"Label_95(1)", "Sat Longitude"},     {"Label_95(2)", "degrees"},
                  {"Label1", "To set the longitude, also select a service, otherwise the default longitude will "
                             "be stored."}};
    for (const auto& l : labels) {
        auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), QString::fromLatin1(l.caption));
    }
    EXPECT_EQ(Tag(dialog.findChild<QGroupBox*>(QStringLiteral("Frame_91"))), QStringLiteral("Item 91"));
    EXPECT_EQ(Tag(dialog.findChild<QGroupBox*>(QStringLiteral("Frame_95"))), QStringLiteral("Item 95"));
    const char* const captions[6] = {"SBB", "S64-ISDN", "S64-MPDS", "8.4kbps C-chan", "21kbps C-chan", "CN11/58"};
    const char* const codes[6] = {"SBB", "ISDN", "MPDS", "8.4k", "21k", "CN11"};
    for (int k = 0; k < 6; ++k) {
        auto* box = dialog.findChild<QCheckBox*>(Array_Name(QStringLiteral("Control_95_Srv"), k));
        ASSERT_NE(box, nullptr) << k;
        EXPECT_EQ(box->text(), QString::fromLatin1(captions[k]));
        EXPECT_EQ(Tag(box), QString::fromLatin1(codes[k]));
    }
    auto* pref = dialog.findChild<QComboBox*>(QStringLiteral("Control_91"));
    ASSERT_NE(pref, nullptr);
    ASSERT_EQ(pref->count(), 2);
    EXPECT_EQ(pref->itemText(0), QStringLiteral("Not Considered (0)"));
    EXPECT_EQ(pref->itemText(1), QStringLiteral("Considered (1)"));
    EXPECT_EQ(pref->toolTip(), QStringLiteral("Default: Considered (1)"));
    EXPECT_EQ(dialog.Control_Sat_ID->toolTip(), QStringLiteral("Range: 0 - 76 (octal)"));
    EXPECT_EQ(dialog.Control_95_Lng->toolTip(), QStringLiteral("Range: -180 to 180"));
    EXPECT_EQ(dialog.Control_95_Lng->text(), QStringLiteral("0.0"));
    EXPECT_NE(dialog.findChild<QWidget*>(QStringLiteral("UpDown_95_Lng")), nullptr);
    EXPECT_EQ(dialog.Control_Sat_ID->maxLength(), 2);
    EXPECT_EQ(dialog.Control_Sat_Name->maxLength(), 5);
}

TEST(SatDialogTest, RowsLoadAndReadBack)
{
    Sat_Table_Dialog dialog;
    dialog.Load_Row(Sample());
    EXPECT_EQ(dialog.Control_Sat_ID->text(), QStringLiteral("03"));
    EXPECT_EQ(dialog.Control_Sat_Name->text(), QStringLiteral("POR"));
    EXPECT_EQ(dialog.Control_91->currentIndex(), 0);
    EXPECT_TRUE(dialog.Control_95_Srv[0]->isChecked());
    EXPECT_FALSE(dialog.Control_95_Srv[1]->isChecked());
    EXPECT_TRUE(dialog.Control_95_Srv[5]->isChecked());
    EXPECT_EQ(dialog.Control_95_Lng->text(), QStringLiteral("178.5"));
    EXPECT_EQ(dialog.Longitude_Tenths(), 1785);
    EXPECT_EQ(dialog.Read_Row(), Sample());

    dialog.Clear_Fields();
    const Sat_Row empty = dialog.Read_Row();
    EXPECT_EQ(empty.Sat_ID, 0);
    EXPECT_TRUE(empty.Name.isEmpty());
    EXPECT_EQ(empty.Pref, 1);
    EXPECT_EQ(empty.Services, 0);
    EXPECT_EQ(empty.Longitude, 0.0F);
    EXPECT_EQ(dialog.Longitude_Tenths(), 0);
}

TEST(SatDialogTest, SatIdAcceptsAtMost76)
{
    ScriptedMessages boxes;
    Sat_Table_Dialog dialog;
    dialog.Control_Sat_ID->setText(QStringLiteral("77"));
    EXPECT_TRUE(pages::Validate_Field(dialog.Control_Sat_ID));
    EXPECT_EQ(dialog.Control_Sat_ID->text(), QStringLiteral("76"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Maximum"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("SAT ID"));
    dialog.Control_Sat_ID->setText(QStringLiteral("5"));
    EXPECT_FALSE(pages::Validate_Field(dialog.Control_Sat_ID));
    EXPECT_EQ(dialog.Control_Sat_ID->text(), QStringLiteral("05"));
}

TEST(SatDialogTest, NameAdmitsNoBlank)
{
    ScriptedMessages boxes;
    Sat_Table_Dialog dialog;
    // typing or pasting a blank never reaches the field
    EXPECT_EQ(pages::Filter_Text(QStringLiteral("a b-1"), pages::Find_Field(dialog.Control_Sat_Name)->Char_Set()),
              QStringLiteral("AB-1"));
    dialog.Control_Sat_Name->setText(QStringLiteral("A B"));
    EXPECT_TRUE(pages::Validate_Field(dialog.Control_Sat_Name));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Sat Name contains invalid character"));
    // blanks around the name are simply trimmed
    boxes.Clear();
    dialog.Control_Sat_Name->setText(QStringLiteral(" IOR "));
    EXPECT_FALSE(pages::Validate_Field(dialog.Control_Sat_Name));
    EXPECT_EQ(dialog.Control_Sat_Name->text(), QStringLiteral("IOR"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST(SatDialogTest, LongitudeFieldClampsAndMovesTheSpinButton)
{
    ScriptedMessages boxes;
    Sat_Table_Dialog dialog;
    dialog.Control_95_Lng->setText(QStringLiteral("179.9"));
    EXPECT_TRUE(pages::Validate_Field(dialog.Control_95_Lng));
    EXPECT_EQ(dialog.Control_95_Lng->text(), QStringLiteral("179.5"));
    EXPECT_EQ(dialog.Longitude_Tenths(), 1795);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Maximum"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Sat Longitude"));

    dialog.Control_95_Lng->setText(QStringLiteral("-12.26"));
    EXPECT_FALSE(pages::Validate_Field(dialog.Control_95_Lng));
    EXPECT_EQ(dialog.Control_95_Lng->text(), QStringLiteral("-12.3"));
    EXPECT_EQ(dialog.Longitude_Tenths(), -125); // the nearest half degree

    dialog.UpDown_95_Lng->Up_Button()->click();
    EXPECT_EQ(dialog.Control_95_Lng->text(), QStringLiteral("-12.0"));
    dialog.UpDown_95_Lng->Down_Button()->click();
    dialog.UpDown_95_Lng->Down_Button()->click();
    EXPECT_EQ(dialog.Control_95_Lng->text(), QStringLiteral("-13.0"));
    // The arrows step from what the field shows, within the range.
    dialog.Set_Longitude_Tenths(0);
    dialog.Control_95_Lng->setText(QStringLiteral("179.5"));
    dialog.UpDown_95_Lng->Up_Button()->click();
    EXPECT_EQ(dialog.Control_95_Lng->text(), QStringLiteral("179.5"));
    dialog.Control_95_Lng->setText(QStringLiteral("-180.0"));
    dialog.UpDown_95_Lng->Down_Button()->click();
    EXPECT_EQ(dialog.Control_95_Lng->text(), QStringLiteral("-180.0"));
}

TEST(SatDialogTest, AddReadsTheFieldsOnOK)
{
    ScriptedMessages boxes;
    Sat_Table_Dialog dialog;
    dialog.Load_Row(Sample()); // left over from an earlier showing
    On_Sat_Dialog([](Sat_Table_Dialog& d) {
        EXPECT_TRUE(d.Control_Sat_ID->text().isEmpty());
        EXPECT_TRUE(d.Control_Sat_Name->text().isEmpty());
        EXPECT_EQ(d.Control_91->currentIndex(), 1);
        EXPECT_FALSE(d.Control_95_Srv[0]->isChecked());
        d.Control_Sat_ID->setText(QStringLiteral("12"));
        d.Control_Sat_Name->setText(QStringLiteral("EMEA"));
        d.Control_95_Srv[1]->setChecked(true);
        d.Control_95_Lng->setText(QStringLiteral("25.0"));
        d.OKButton->click();
    });
    Sat_Row row;
    Sat_Dialog_To_Row(dialog, row);
    EXPECT_EQ(row.Sat_ID, 10);
    EXPECT_EQ(row.Name, QStringLiteral("EMEA"));
    EXPECT_EQ(row.Pref, 1);
    EXPECT_EQ(row.Services, 0b10);
    EXPECT_EQ(row.Longitude, 25.0F);
}

// OK checks every field, also one that never had the focus: an empty SAT ID
// is not taken as 00 behind the user's back.
TEST(SatDialogTest, OkChecksTheFieldsThatNeverHadTheFocus)
{
    ScriptedMessages boxes;
    Sat_Table_Dialog dialog;
    dialog.show();
    dialog.OKButton->setFocus();
    dialog.Control_Sat_Name->setText(QStringLiteral("BM"));
    dialog.OKButton->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(boxes.Boxes().size(), 1) << boxes.Texts().join(u'|').toStdString();
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("SAT ID"));
    EXPECT_EQ(dialog.Control_Sat_ID->text(), QStringLiteral("00")); // shown before it is taken
}

TEST(SatDialogTest, CancelAndCloseBoxLeaveNoName)
{
    ScriptedMessages boxes;
    Sat_Table_Dialog dialog;
    On_Sat_Dialog([](Sat_Table_Dialog& d) {
        EXPECT_EQ(d.Control_Sat_Name->text(), QStringLiteral("POR"));
        d.CancelButton->click();
    });
    Sat_Row row = Sample();
    Sat_Row_To_Dialog(dialog, row);
    EXPECT_TRUE(row.Name.isEmpty());
    EXPECT_EQ(dialog.Control_95_Lng->text(), QStringLiteral("0.0"));
    EXPECT_EQ(dialog.Control_91->currentIndex(), 1);

    On_Sat_Dialog([](Sat_Table_Dialog& d) { d.close(); });
    row = Sample();
    Sat_Row_To_Dialog(dialog, row);
    EXPECT_TRUE(row.Name.isEmpty());
    EXPECT_TRUE(dialog.Control_Sat_ID->text().isEmpty());
}
