#include "editor/pages/page_widgets.h"

#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/core/value_helpers.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/labelled_combo.h"
#include "editor/pages/labelled_fields.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVariant>

#include <optional>

namespace pages {

namespace {

const char* const SPIN_VALUE = "Value";

// The row of each field Label_Field named, or Make_Edit made to be named:
// the field (an entry whose field is gone belongs to no live field, even
// where a new widget takes its address) and its row label, if it has one
// yet. A table and not a property of the field: screen reader support asks
// for the row of every text field and button an interface is made for, and
// a property is found by comparing its name with all the others of the
// field's class. Never destroyed, as fields may outlive the program's statics.
struct Row {
    QPointer<QWidget> field;
    QPointer<QLabel> label;
};

QHash<const QWidget*, Row>& Rows()
{
    static auto* const rows = new QHash<const QWidget*, Row>;
    return *rows;
}

const Row* Row_Of(const QWidget* field)
{
    const auto& rows = Rows();
    const auto found = rows.constFind(field);
    return found != rows.cend() && found->field == field ? &*found : nullptr;
}

} // namespace

QLabel* Make_Label(const QString& name, const QString& caption, const QString& tag, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    if (!tag.isEmpty())
        Set_Tag(label, tag);
    return label;
}

QGroupBox* Make_Group(const QString& name, const QString& caption, const QString& tag)
{
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(name);
    // A frame inside another frame would be announced by the outer caption.
    frame->setAccessibleName(caption);
    if (!tag.isEmpty())
        Set_Tag(frame, tag);
    return frame;
}

QComboBox* Make_Combo(const QString& name, const QStringList& entries, const QString& tooltip,
                      Combo_Start start)
{
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->addItems(entries);
    if (start == Combo_Start::No_Entry)
        combo->setCurrentIndex(-1);
    if (!tooltip.isEmpty())
        combo->setToolTip(tooltip);
    return combo;
}

QLineEdit* Make_Edit(const QString& name, int max_length, const QString& text, const QString& tooltip)
{
    auto* edit = new QLineEdit(text);
    // Before anything asks for the field's interface, so that the first one
    // is the labelled one (labelled_fields.h).
    Rows().insert(edit, {edit, nullptr});
    edit->setObjectName(name);
    if (max_length > 0)
        edit->setMaxLength(max_length);
    if (!tooltip.isEmpty())
        edit->setToolTip(tooltip);
    return edit;
}

QLineEdit* Make_Fixed_Pitch_Edit(const QString& name, int max_length, const QString& tooltip)
{
    QLineEdit* edit = Make_Edit(name, max_length, QString(), tooltip);
    edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return edit;
}

Up_Down* Make_Spin(const QString& name)
{
    auto* spin = new Up_Down;
    spin->setObjectName(name);
    return spin;
}

void Fit_To_Length(QLineEdit* edit, int length)
{
    const QFontMetrics metrics(edit->font());
    edit->setFixedWidth(metrics.horizontalAdvance(QLatin1Char('0')) * (length + 2) + 12);
}

void Label_Field(QLabel* label, QWidget* field, const QString& heading)
{
    Rows().insert(field, {field, label});
    if (auto* combo = qobject_cast<QComboBox*>(field))
        Answer_As_Labelled(combo);
    else
        Answer_As_Labelled_Field(field);
    if (!label->buddy())
        label->setBuddy(field);
    field->setAccessibleName(heading.isEmpty() ? label->text()
                                               : label->text() + QLatin1Char(' ') + heading);
}

QLabel* Row_Label(const QWidget* field)
{
    const Row* row = Row_Of(field);
    return row ? row->label.data() : nullptr;
}

bool Has_Row(const QWidget* field)
{
    return Row_Of(field) != nullptr;
}

QWidget* Field_With_Spin(QLineEdit* edit, Up_Down* spin, bool trailing_stretch)
{
    auto* pair = new QWidget;
    auto* layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit);
    layout->addWidget(spin);
    if (trailing_stretch)
        layout->addStretch(1);
    return pair;
}

int Spin_Value(const Up_Down* spin)
{
    return spin ? spin->property(SPIN_VALUE).toInt() : 0;
}

void Set_Spin_Value(Up_Down* spin, int value)
{
    if (spin)
        spin->setProperty(SPIN_VALUE, value);
}

void Follow_Number(Up_Down* spin, const QString& text)
{
    if (const std::optional<double> value = core::Parse_Number(text))
        Set_Spin_Value(spin, static_cast<int>(*value));
}

void Bind_Whole_Spin(QLineEdit* edit, Up_Down* spin, int char_set, Field_Check check, Focus_Rule rule,
                     int minimum, int maximum, int default_value,
                     std::function<void(const QString& text)> after)
{
    const QPointer<Up_Down> guarded_spin(spin);
    Bind_Field(
        edit, char_set,
        [check = std::move(check), guarded_spin, after](const QString& text, bool& cancel) {
            const QString result = check(text, cancel);
            Follow_Number(guarded_spin, result);
            if (after)
                after(result);
            return result;
        },
        rule);
    Bind_Whole_Step(spin, edit, minimum, maximum, default_value);
    const QPointer<QLineEdit> guarded_edit(edit);
    QObject::connect(spin, &Up_Down::Stepped, spin, [guarded_edit, guarded_spin, after] {
        if (!guarded_edit)
            return;
        Follow_Number(guarded_spin, guarded_edit->text());
        if (after)
            after(guarded_edit->text());
    });
    Follow_Number(spin, edit->text());
}

void Bind_Whole_Spin(QLineEdit* edit, Up_Down* spin, int char_set, const core::Item_Fact& fact,
                     Title_Source title, Focus_Rule rule, std::function<void(const QString& text)> after)
{
    Bind_Whole_Spin(edit, spin, char_set, Fact_Check(fact, std::move(title)), rule, static_cast<int>(fact.Minimum),
                    static_cast<int>(fact.Maximum), static_cast<int>(fact.Default), std::move(after));
}

QPushButton* Make_Button(const QString& name, const QString& caption, const QString& tooltip)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    if (!tooltip.isEmpty())
        button->setToolTip(tooltip);
    return button;
}

std::function<QString()> Airframer_Level_0_Hint(bool secured, const QString& hint)
{
    return [secured, hint] {
        const core::Version_State& versions = core::Versions();
        const core::ORT_Version_Info& info = secured ? versions.Secured_Current : versions.User_Current;
        return info.Airframer_Level > 0 ? QString() : hint;
    };
}

OK_Cancel Make_OK_Cancel(QWidget* parent)
{
    OK_Cancel buttons{};
    buttons.OK = new QPushButton(QStringLiteral("OK"), parent);
    buttons.OK->setObjectName(QStringLiteral("OKButton"));
    buttons.OK->setDefault(true);
    buttons.Cancel = new QPushButton(QStringLiteral("Cancel"), parent);
    buttons.Cancel->setObjectName(QStringLiteral("CancelButton"));
    buttons.Row = new QHBoxLayout;
    buttons.Row->addStretch(1);
    buttons.Row->addWidget(buttons.OK);
    buttons.Row->addWidget(buttons.Cancel);
    return buttons;
}

QStringList List_Lines(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

void Set_List_Lines(QListWidget* list, const QStringList& lines)
{
    list->clear();
    list->addItems(lines);
}

} // namespace pages
