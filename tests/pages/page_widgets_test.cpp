// The shared page builders: drop-down lists, labels, fields, spin buttons
// that follow their field, focus-decided status hints, the OK/Cancel row and
// list box lines.
#include "editor/core/ort_types.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"
#include "support/page_test_support.h"
#include "support/scripted_messages.h"
#include "support/versions_guard.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVariant>
#include <gtest/gtest.h>
#include <memory>

namespace {

using testsupport::Versions_Guard;

void Send_Focus(QWidget* control, QEvent::Type type)
{
    QFocusEvent event(type, Qt::TabFocusReason);
    QCoreApplication::sendEvent(control, &event);
}

} // namespace

TEST(PageWidgets, CombosStartOnTheFirstEntryOrOnNone)
{
    const QStringList entries{QStringLiteral("Off"), QStringLiteral("On")};
    std::unique_ptr<QComboBox> first(pages::Make_Combo(QStringLiteral("Control_01"), entries));
    EXPECT_EQ(first->objectName(), QStringLiteral("Control_01"));
    EXPECT_EQ(testsupport::Entries(first.get()), entries);
    EXPECT_EQ(first->currentIndex(), 0);
    EXPECT_TRUE(first->toolTip().isEmpty());

    std::unique_ptr<QComboBox> none(pages::Make_Combo(QStringLiteral("Control_10"), entries,
                                                      QStringLiteral("Default: On"),
                                                      pages::Combo_Start::No_Entry));
    EXPECT_EQ(none->currentIndex(), -1);
    EXPECT_EQ(none->currentText(), QString());
    EXPECT_EQ(none->toolTip(), QStringLiteral("Default: On"));
}

TEST(PageWidgets, LabelsCarryATagOnlyWhenGiven)
{
    QWidget parent;
    QLabel* tagged = pages::Make_Label(QStringLiteral("Label_Sec_L0(2)"), QStringLiteral("Item text"),
                                       QStringLiteral("Item 30"), &parent);
    EXPECT_EQ(tagged->parent(), &parent);
    EXPECT_EQ(tagged->text(), QStringLiteral("Item text"));
    EXPECT_EQ(Tag(tagged), QStringLiteral("Item 30"));
    std::unique_ptr<QLabel> unit(pages::Make_Label(QStringLiteral("Label_Sec_L0(9)"), QStringLiteral("dBW")));
    EXPECT_FALSE(unit->property("Tag").isValid());

    const pages::Label_Row rows[] = {{0, "First", "Item 1"}, {2, "Unit", nullptr}, {3, "Blank", ""}};
    std::array<QLabel*, 4> labels{};
    pages::Make_Labels(labels, QStringLiteral("Label_User_L0"), rows);
    std::unique_ptr<QLabel> owned[] = {std::unique_ptr<QLabel>(labels[0]), std::unique_ptr<QLabel>(labels[2]),
                                       std::unique_ptr<QLabel>(labels[3])};
    EXPECT_EQ(labels[0]->objectName(), QStringLiteral("Label_User_L0(0)"));
    EXPECT_EQ(Tag(labels[0]), QStringLiteral("Item 1"));
    EXPECT_EQ(labels[1], nullptr);
    EXPECT_EQ(labels[2]->objectName(), QStringLiteral("Label_User_L0(2)"));
    EXPECT_FALSE(labels[2]->property("Tag").isValid());
    EXPECT_FALSE(labels[3]->property("Tag").isValid());
}

TEST(PageWidgets, FramesCarryATagOnlyWhenGiven)
{
    std::unique_ptr<QGroupBox> item(pages::Make_Group(QStringLiteral("Frame_103"), QStringLiteral("SQI Fault Thresholds"),
                                                      QStringLiteral("Item 103")));
    EXPECT_EQ(item->objectName(), QStringLiteral("Frame_103"));
    EXPECT_EQ(item->title(), QStringLiteral("SQI Fault Thresholds"));
    EXPECT_EQ(Tag(item.get()), QStringLiteral("Item 103"));
    std::unique_ptr<QGroupBox> column(pages::Make_Group(QStringLiteral("Frame_SDU2"), QStringLiteral("SDU 2")));
    EXPECT_FALSE(column->property("Tag").isValid());
}

TEST(PageWidgets, EditsKeepTheirOwnLimitForLengthZero)
{
    std::unique_ptr<QLineEdit> open(pages::Make_Edit(QStringLiteral("Control_62"), 0));
    EXPECT_EQ(open->maxLength(), QLineEdit().maxLength());
    std::unique_ptr<QLineEdit> field(
        pages::Make_Edit(QStringLiteral("Control_59"), 3, QStringLiteral("56"), QStringLiteral("Default: 56")));
    EXPECT_EQ(field->maxLength(), 3);
    EXPECT_EQ(field->text(), QStringLiteral("56"));
    EXPECT_EQ(field->toolTip(), QStringLiteral("Default: 56"));
}

TEST(PageWidgets, SpinValuesLiveInTheValuePropertyAndTolerateNoSpin)
{
    pages::Up_Down spin;
    EXPECT_EQ(pages::Spin_Value(&spin), 0);
    pages::Set_Spin_Value(&spin, 42);
    EXPECT_EQ(spin.property("Value").toInt(), 42);
    EXPECT_EQ(pages::Spin_Value(&spin), 42);
    pages::Set_Spin_Value(nullptr, 7);
    EXPECT_EQ(pages::Spin_Value(nullptr), 0);

    pages::Follow_Number(&spin, QStringLiteral("12.7"));
    EXPECT_EQ(pages::Spin_Value(&spin), 12);
    pages::Follow_Number(&spin, QStringLiteral("-1"));
    EXPECT_EQ(pages::Spin_Value(&spin), -1);
    pages::Follow_Number(&spin, QStringLiteral("abc"));
    EXPECT_EQ(pages::Spin_Value(&spin), -1);
}

TEST(PageWidgets, WholeSpinFollowsChecksAndClicksAndReportsTheText)
{
    testsupport::ScriptedMessages boxes;
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    QLineEdit* edit = pages::Make_Edit(QStringLiteral("Control_45"), 3, QStringLiteral("998"));
    pages::Up_Down* spin = pages::Make_Spin(QStringLiteral("UpDown_45"));
    layout->addWidget(pages::Field_With_Spin(edit, spin, true));
    QStringList seen;
    pages::Bind_Whole_Spin(edit, spin, 7, pages::Real_Check(0, QStringLiteral("-1"), -1, 999, {}),
                           pages::Focus_Rule::Move_On, -1, 999, -1,
                           [&seen](const QString& text) { seen << text; });
    EXPECT_EQ(spin->objectName(), QStringLiteral("UpDown_45"));
    EXPECT_EQ(pages::Spin_Value(spin), 998);
    EXPECT_TRUE(seen.isEmpty());

    // Each click runs the field's check first, then steps.
    spin->Up_Button()->click();
    spin->Up_Button()->click(); // held at the maximum
    EXPECT_EQ(edit->text(), QStringLiteral("999"));
    EXPECT_EQ(pages::Spin_Value(spin), 999);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("998"), QStringLiteral("999"), QStringLiteral("999"),
                                 QStringLiteral("999")}));

    edit->setText(QStringLiteral("5"));
    EXPECT_FALSE(pages::Validate_Field(edit));
    EXPECT_EQ(pages::Spin_Value(spin), 5);
    EXPECT_EQ(seen.last(), QStringLiteral("5"));

    // A value out of range is corrected; the focus rule lets it move on.
    edit->setText(QStringLiteral("-7"));
    EXPECT_FALSE(pages::Validate_Field(edit));
    EXPECT_EQ(edit->text(), QStringLiteral("-1"));
    EXPECT_EQ(pages::Spin_Value(spin), -1);
    EXPECT_EQ(seen.last(), QStringLiteral("-1"));
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST(PageWidgets, FocusHintsAreDecidedEachTimeTheControlGainsTheFocus)
{
    Versions_Guard guard;
    QLabel status;
    QComboBox control;
    pages::Bind_Status_Hint(&control, &status,
                            pages::Airframer_Level_0_Hint(true, QStringLiteral("No SATCOM effect with WSC")));
    Send_Focus(&control, QEvent::FocusIn);
    EXPECT_EQ(status.text(), QStringLiteral("No SATCOM effect with WSC"));
    Send_Focus(&control, QEvent::FocusOut);
    EXPECT_EQ(status.text(), QString());

    core::Versions().Secured_Current.Airframer_Level = 1;
    Send_Focus(&control, QEvent::FocusIn);
    EXPECT_EQ(status.text(), QString());

    // The user partition's level leaves a secured hint alone and the other way round.
    const auto user_hint = pages::Airframer_Level_0_Hint(false, QStringLiteral("hint"));
    EXPECT_EQ(user_hint(), QStringLiteral("hint"));
    core::Versions().User_Current.Airframer_Level = 2;
    EXPECT_EQ(user_hint(), QString());

    // A fixed hint is the same binding with a constant text.
    QLineEdit field;
    pages::Bind_Status_Hint(&field, &status, QStringLiteral("May have no effect, see Help"));
    Send_Focus(&field, QEvent::FocusIn);
    EXPECT_EQ(status.text(), QStringLiteral("May have no effect, see Help"));
}

TEST(PageWidgets, OkCancelRowAndListLines)
{
    QWidget dialog;
    const pages::OK_Cancel buttons = pages::Make_OK_Cancel(&dialog);
    auto* layout = new QHBoxLayout(&dialog);
    layout->addLayout(buttons.Row);
    EXPECT_EQ(buttons.OK->objectName(), QStringLiteral("OKButton"));
    EXPECT_EQ(buttons.OK->text(), QStringLiteral("OK"));
    EXPECT_TRUE(buttons.OK->isDefault());
    EXPECT_EQ(buttons.Cancel->objectName(), QStringLiteral("CancelButton"));
    EXPECT_EQ(buttons.Cancel->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(buttons.OK->parent(), &dialog);
    EXPECT_LT(buttons.Row->indexOf(buttons.OK), buttons.Row->indexOf(buttons.Cancel));

    QListWidget list;
    const QStringList lines{QStringLiteral("07      12"), QStringLiteral("01       5")};
    pages::Set_List_Lines(&list, lines);
    EXPECT_EQ(pages::List_Lines(&list), lines);
    pages::Set_List_Lines(&list, {});
    EXPECT_EQ(list.count(), 0);
}

// A screen reader reads a drop-down list by its row and reads the entry it
// shows, from the start and after each change, without the list the entries
// drop down in being built: Qt builds it (a view in a popup) when it first
// opens, and only then does the view answer for the entries.
TEST(PageWidgets, DropDownListsAreReadWithoutBuildingTheirList)
{
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    QLabel* label = pages::Make_Label(QStringLiteral("Label_01"), QStringLiteral("Telnet Access"));
    QComboBox* combo = pages::Make_Combo(QStringLiteral("Control_01"),
                                         {QStringLiteral("Not Allowed"), QStringLiteral("Allowed")});
    layout->addWidget(label);
    layout->addWidget(combo);
    pages::Label_Field(label, combo);
    const auto built = [combo] { return combo->findChild<QAbstractItemView*>() != nullptr; };
    const auto selected = [](QAccessibleInterface* list) {
        QStringList names;
        for (int i = 0; i < list->childCount(); ++i)
            if (list->child(i)->state().selected)
                names << list->child(i)->text(QAccessible::Name);
        return names;
    };
    testsupport::Activate(&window);

    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(combo);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Telnet Access"));
    for (const QString& shown : {QStringLiteral("Not Allowed"), QStringLiteral("Allowed")}) {
        combo->setCurrentText(shown);
        EXPECT_EQ(face->text(QAccessible::Value), shown);
        QAccessibleTextInterface* text = face->textInterface();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(0, text->characterCount()), shown);
        ASSERT_EQ(face->childCount(), 1);
        QAccessibleInterface* list = face->child(0);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(face->indexOfChild(list), 0);
        EXPECT_EQ(list->parent(), face);
        ASSERT_EQ(list->childCount(), 2);
        EXPECT_EQ(selected(list), QStringList{shown});
        for (int i = 0; i < list->childCount(); ++i) {
            EXPECT_EQ(list->indexOfChild(list->child(i)), i);
            EXPECT_FALSE(list->child(i)->state().focused);
            EXPECT_TRUE(list->child(i)->state().invisible);
        }
    }
    EXPECT_FALSE(built());

    combo->showPopup();
    ASSERT_TRUE(built());
    EXPECT_EQ(face->child(0)->object(), combo->view());
    EXPECT_EQ(face->indexOfChild(face->child(0)), 0);
    combo->hidePopup();
    combo->setCurrentIndex(0);
    EXPECT_EQ(face->child(0)->object(), nullptr);
    EXPECT_EQ(selected(face->child(0)), QStringList{QStringLiteral("Not Allowed")});
}
