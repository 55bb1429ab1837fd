// The PSID dialog: presets, the field checks, OK and Cancel, and its use as
// a modal function.
#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "editor/pages/psid_table_dialog.h"
#include "support/modal_boxes.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace {

using testsupport::Type;

using testsupport::ScriptedMessages;

// Answers the modal PSID dialogs that open while it lives, one step each.
struct Modal_Script : testsupport::Modal_Script<PSID_Table_Dialog> {
    explicit Modal_Script(std::deque<Step> steps)
        : testsupport::Modal_Script<PSID_Table_Dialog>(std::move(steps), "PSID")
    {
    }
};

void Set_Fields(PSID_Table_Dialog& dialog, const QString& sat, const QString& revision,
                const QString& psid_1, const QString& psid_2)
{
    dialog.Control_Sat_ID->setText(sat);
    dialog.Control_Table_Revision->setText(revision);
    dialog.Control_PSID_1->setText(psid_1);
    dialog.Control_PSID_2->setText(psid_2);
}

} // namespace

TEST(PsidDialog, ControlsLabelsAndTooltips)
{
    PSID_Table_Dialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("PSID Information"));
    const struct {
        const char* name;
        const char* caption;
    } labels[] = {{"Label_Sat_ID", "SAT ID"},
                  {"Label_Table_Revision", "Table Revision"},
                  {"Label_PSID_1", "PSID-1"},
                  {"Label_PSID_2", "PSID-2"}};
    for (const auto& l : labels) {
        auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), QString::fromLatin1(l.caption));
        EXPECT_EQ(Tag(label), QStringLiteral("Item 78"));
    }
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label_Hex(1)"))->text(), QStringLiteral("0x"));

    const struct {
        const char* name;
        int max_length;
        const char* tip;
    } fields[] = {{"Control_Sat_ID", 2, "Range: 0 - 76 (octal)"},
                  {"Control_Table_Revision", 3, "Range: 0 - 255"},
                  {"Control_PSID_1", 4, "Range: 1770x to 4C90x or 0000x"},
                  {"Control_PSID_2", 4, "Range: 1770x to 4C90x or 0000x"}};
    for (const auto& f : fields) {
        auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(f.name));
        ASSERT_NE(edit, nullptr) << f.name;
        EXPECT_EQ(edit->maxLength(), f.max_length);
        EXPECT_EQ(edit->toolTip(), QString::fromLatin1(f.tip));
    }
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("CancelButton"))->text(),
              QStringLiteral("Cancel"));
}

TEST(PsidDialog, KeyFilters)
{
    PSID_Table_Dialog dialog;
    Set_Fields(dialog, "", "", "", "");
    Type(dialog.Control_Sat_ID, QStringLiteral("8a7"));
    EXPECT_EQ(dialog.Control_Sat_ID->text(), QStringLiteral("7"));
    Type(dialog.Control_Table_Revision, QStringLiteral("1.x2"));
    EXPECT_EQ(dialog.Control_Table_Revision->text(), QStringLiteral("12"));
    Type(dialog.Control_PSID_1, QStringLiteral("4cg9"));
    EXPECT_EQ(dialog.Control_PSID_1->text(), QStringLiteral("4C9"));
}

TEST(PsidDialog, OkGivesTheCompactRow)
{
    ScriptedMessages boxes;
    PSID_Table_Dialog dialog;
    dialog.Fill_Presets();
    EXPECT_EQ(dialog.Control_Sat_ID->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog.Control_Table_Revision->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog.Control_PSID_1->text(), QStringLiteral("1770"));
    EXPECT_EQ(dialog.Control_PSID_2->text(), QStringLiteral("1770"));

    Set_Fields(dialog, "7", "12", "1770", "0");
    dialog.OK_Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result(), QStringLiteral("07 1217700000"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST(PsidDialog, BothPsidsZeroAreRefusedHoweverTyped)
{
    ScriptedMessages boxes;
    PSID_Table_Dialog dialog;
    for (const char* zero : {"0", "0000"}) {
        boxes.Clear();
        Set_Fields(dialog, "1", "0", "0", QString::fromLatin1(zero));
        dialog.OK_Click();
        EXPECT_TRUE(dialog.Result().isEmpty());
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("At least one PSID must be non-zero"));
        EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::None);
        EXPECT_TRUE(boxes.Boxes()[0].title.isEmpty()); // the program's title
        // The values stay for the user to change.
        EXPECT_EQ(dialog.Control_PSID_2->text(), QString::fromLatin1(zero));
    }
    dialog.Control_PSID_2->setText(QStringLiteral("4C90"));
    dialog.OK_Click();
    EXPECT_EQ(dialog.Result(), QStringLiteral("01  000004C90"));
}

TEST(PsidDialog, PsidFieldsCorrectToTheRangeOrKeepZero)
{
    ScriptedMessages boxes;
    PSID_Table_Dialog dialog;
    const struct {
        const char* typed;
        const char* result;
        const char* box;
    } cases[] = {
        {"1000", "1770", "Value Out of Range, Setting to Minimum"},
        {"5000", "4C90", "Value Out of Range, Setting to Maximum"},
        {"", "1770", "Value Out of Range, Setting to Default"},
        {"0", "0", nullptr},
        {"2abc", "2ABC", nullptr},
    };
    for (const auto& c : cases) {
        boxes.Clear();
        dialog.Control_PSID_1->setText(QString::fromLatin1(c.typed));
        // The PSID fields let the focus move on after a correction.
        EXPECT_FALSE(pages::Validate_Field(dialog.Control_PSID_1)) << c.typed;
        EXPECT_EQ(dialog.Control_PSID_1->text(), QString::fromLatin1(c.result));
        if (c.box) {
            ASSERT_EQ(boxes.Boxes().size(), 1) << c.typed;
            EXPECT_EQ(boxes.Boxes()[0].text, QString::fromLatin1(c.box));
            EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("PSID-1"));
        } else {
            EXPECT_TRUE(boxes.Boxes().isEmpty()) << c.typed;
        }
    }
}

TEST(PsidDialog, SatIdAndRevisionHoldTheFocusWhenCorrected)
{
    ScriptedMessages boxes;
    PSID_Table_Dialog dialog;
    dialog.Control_Sat_ID->setText(QStringLiteral("76"));
    EXPECT_FALSE(pages::Validate_Field(dialog.Control_Sat_ID));
    EXPECT_EQ(dialog.Control_Sat_ID->text(), QStringLiteral("76"));
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    // Octal 77 marks an empty slot in the record: the range ends at 76.
    dialog.Control_Sat_ID->setText(QStringLiteral("77"));
    EXPECT_TRUE(pages::Validate_Field(dialog.Control_Sat_ID));
    EXPECT_EQ(dialog.Control_Sat_ID->text(), QStringLiteral("76"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Value Out of Range, Setting to Maximum"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Sat ID"));

    boxes.Clear();

    // A character outside the octal digits: the character box, then the default.
    dialog.Control_Sat_ID->setText(QStringLiteral("8"));
    EXPECT_TRUE(pages::Validate_Field(dialog.Control_Sat_ID));
    EXPECT_EQ(dialog.Control_Sat_ID->text(), QStringLiteral("00"));
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Sat ID contains invalid character"));
    EXPECT_EQ(boxes.Boxes()[1].text, QStringLiteral("Value Out of Range, Setting to Default"));
    EXPECT_EQ(boxes.Boxes()[1].title, QStringLiteral("Sat ID"));

    boxes.Clear();
    dialog.Control_Table_Revision->setText(QStringLiteral("256"));
    EXPECT_TRUE(pages::Validate_Field(dialog.Control_Table_Revision));
    EXPECT_EQ(dialog.Control_Table_Revision->text(), QStringLiteral("255"));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Table Revision"));
}

TEST(PsidDialog, OkWithACorrectedFocusedFieldStaysOpen)
{
    ScriptedMessages boxes;
    PSID_Table_Dialog dialog;
    dialog.Fill_Presets();
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.Control_Table_Revision->setFocus();
    QApplication::processEvents();
    dialog.Control_Table_Revision->setText(QStringLiteral("300"));
    dialog.OK_Click();
    EXPECT_TRUE(dialog.Result().isEmpty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Control_Table_Revision->text(), QStringLiteral("255"));
    ASSERT_EQ(boxes.Boxes().size(), 1);

    dialog.OK_Click();
    EXPECT_EQ(dialog.Result(), QStringLiteral("0025517701770"));
    EXPECT_FALSE(dialog.isVisible());
}

TEST(PsidDialog, CancelAndCloseGiveNothing)
{
    ScriptedMessages boxes;
    {
        Modal_Script script({[](PSID_Table_Dialog& d) {
            Set_Fields(d, "3", "1", "1770", "0");
            d.CancelButton->click();
        }});
        EXPECT_TRUE(PSID_Table_Dialog::Add_Sat().isEmpty());
    }
    {
        Modal_Script script({[](PSID_Table_Dialog& d) {
            Set_Fields(d, "3", "1", "1770", "0");
            d.close(); // the window's close button
        }});
        EXPECT_TRUE(PSID_Table_Dialog::Add_Sat().isEmpty());
    }
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST(PsidDialog, ModalAddAndEdit)
{
    ScriptedMessages boxes;
    QStringList seen;
    {
        Modal_Script script({[&](PSID_Table_Dialog& d) {
            seen << d.Control_Sat_ID->text() + "|" + d.Control_Table_Revision->text() + "|" +
                        d.Control_PSID_1->text() + "|" + d.Control_PSID_2->text();
            Set_Fields(d, "12", "7", "2000", "0");
            d.OKButton->click();
        }});
        EXPECT_EQ(PSID_Table_Dialog::Add_Sat(), QStringLiteral("12  720000000"));
    }
    {
        Modal_Script script({[&](PSID_Table_Dialog& d) {
            seen << d.Control_Sat_ID->text() + "|" + d.Control_Table_Revision->text() + "|" +
                        d.Control_PSID_1->text() + "|" + d.Control_PSID_2->text();
            d.Control_PSID_2->setText(QStringLiteral("1771"));
            d.OKButton->click();
        }});
        EXPECT_EQ(PSID_Table_Dialog::Edit_Sat(QStringLiteral("63     200   0x4C90 0x0000")),
                  QStringLiteral("632004C901771"));
    }
    {
        Modal_Script script({[&](PSID_Table_Dialog& d) {
            seen << d.Control_Sat_ID->text() + "|" + d.Control_Table_Revision->text() + "|" +
                        d.Control_PSID_1->text() + "|" + d.Control_PSID_2->text();
            d.OKButton->click();
        }});
        EXPECT_EQ(PSID_Table_Dialog::Edit_Entered(QStringLiteral("05  9ABCD0000")),
                  QStringLiteral("05  9ABCD0000"));
    }
    EXPECT_EQ(seen, (QStringList{"0|0|1770|1770", "63|200|4C90|0000", "05|9|ABCD|0000"}));
}

TEST(PsidDialog, OKClickedRightAfterAPSIDWasCorrectedGoesOn)
{
    // A real box: the release of the click on OK goes to it.
    testsupport::Modal_Boxes boxes;
    PSID_Table_Dialog dialog;
    dialog.Fill_Presets();
    boxes.While_Shown([&dialog] { testsupport::Release_Through_Window(dialog.OKButton); });
    testsupport::Activate(&dialog);
    testsupport::Focus(dialog.Control_PSID_1);
    dialog.Control_PSID_1->setText(QStringLiteral("1000"));

    QTest::mousePress(dialog.OKButton, Qt::LeftButton);
    testsupport::Settle();

    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Value Out of Range, Setting to Minimum")});
    EXPECT_EQ(dialog.Control_PSID_1->text(), QStringLiteral("1770"));
    EXPECT_FALSE(dialog.OKButton->isDown());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result(), QStringLiteral("00  017701770"));
}
