#pragma once
// Builders and small helpers that the item pages and their dialogs share:
// labels and frames carrying their Tag, drop-down lists, text fields, spin
// buttons that keep a value of their own beside their field, push buttons,
// status hints that depend on the airframer level, the OK/Cancel row of a
// dialog, and the texts of a list box.

#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace pages {

// --- labels ------------------------------------------------------------------

// A label named name with the caption; the Tag is set only when tag is not
// empty. With a parent the label is created as its child.
QLabel* Make_Label(const QString& name, const QString& caption, const QString& tag = QString(),
                   QWidget* parent = nullptr);

// One label of a label array: its index, caption and tag (nullptr or "":
// no tag, as for unit labels).
struct Label_Row {
    int index;
    const char* caption;
    const char* tag;
};

// Fills the elements of a label array named name ("Label_Sec_L0(3)") that
// the rows list; elements not listed stay as they are.
template <typename Array, std::size_t M>
void Make_Labels(Array& array, const QString& name, const Label_Row (&rows)[M]);

// --- frames ---------------------------------------------------------------------

// A frame (group box) named name with its caption, which is also its
// accessible name; the Tag is set only when tag is not empty.
QGroupBox* Make_Group(const QString& name, const QString& caption, const QString& tag = QString());

// --- drop-down lists ------------------------------------------------------------

// Which entry a new drop-down list shows.
enum class Combo_Start {
    First_Entry, // the first entry, as a list shows once it has one
    No_Entry,    // nothing, until the partition code sets it
};

// A drop-down list with the entries in list-index order; the tooltip is set
// only when not empty.
QComboBox* Make_Combo(const QString& name, const QStringList& entries, const QString& tooltip = QString(),
                      Combo_Start start = Combo_Start::First_Entry);

// --- text fields and spin buttons ----------------------------------------------

// A text field with its initial text and tooltip; max_length 0 keeps the
// field's own limit.
QLineEdit* Make_Edit(const QString& name, int max_length, const QString& text = QString(),
                     const QString& tooltip = QString());
// A text field with the system's fixed-pitch font; the tooltip is set only
// when not empty.
QLineEdit* Make_Fixed_Pitch_Edit(const QString& name, int max_length, const QString& tooltip = QString());

// Sizes a text field to the text it holds: length digits in its font, with
// room for the frame and the cursor.
void Fit_To_Length(QLineEdit* edit, int length);

// --- row labels -------------------------------------------------------------------

// The label of a row names its field: it becomes the field's buddy, and the
// field's accessible name is the label's caption, followed by the column
// heading ("SDU 1") where a row holds one field per column, and by the group
// ("APHONE 1 SDU 1") where rows repeat under group headings: no two fields
// of a window share a name. A label is the buddy of the first field it
// names; a drop-down list, a text field and a grid cell reach their label
// through the label relation wherever the label stands (labelled_combo.h,
// labelled_fields.h). Call it again after the label's caption changes.
void Label_Field(QLabel* label, QWidget* field, const QString& heading = QString());
// The label that names field, if any.
QLabel* Row_Label(const QWidget* field);
// Whether field is named by a row label, or made to be (Make_Edit).
bool Has_Row(const QWidget* field);

// A spin button named name.
Up_Down* Make_Spin(const QString& name);

// A field and its spin button side by side, without margins; with
// trailing_stretch the pair keeps to the left of the space it is given.
QWidget* Field_With_Spin(QLineEdit* edit, Up_Down* spin, bool trailing_stretch = false);

// Each spin button keeps its current value in its dynamic property "Value".
// A missing spin button reads 0 and takes no value.
int Spin_Value(const Up_Down* spin);
void Set_Spin_Value(Up_Down* spin, int value);

// The spin button takes the whole part of the number text holds; a text
// that is no number leaves it as it is.
void Follow_Number(Up_Down* spin, const QString& text);

// Binds a whole-number field and its spin button:
//  - the field admits char_set and runs check on leaving it (with rule);
//  - each click runs check first (Up_Down) and, when check did not correct
//    the value, steps the field's number by 1 within [minimum, maximum];
//  - after each check and each step the spin button follows the field's
//    number, then after (when given) gets the field's new text.
// The spin button also takes the field's number at once.
void Bind_Whole_Spin(QLineEdit* edit, Up_Down* spin, int char_set, Field_Check check, Focus_Rule rule,
                     int minimum, int maximum, int default_value,
                     std::function<void(const QString& text)> after = {});
// The same for a whole-number row of the item facts: its check (Fact_Check,
// titled by title), its range and its default.
void Bind_Whole_Spin(QLineEdit* edit, Up_Down* spin, int char_set, const core::Item_Fact& fact,
                     Title_Source title, Focus_Rule rule, std::function<void(const QString& text)> after = {});

// --- buttons --------------------------------------------------------------------

// A push button with its caption; the tooltip is set only when not empty.
QPushButton* Make_Button(const QString& name, const QString& caption, const QString& tooltip = QString());

// --- status hints ----------------------------------------------------------------

// The hint text while the partition's airframer level is 0 (a standard
// ORT), "" above it; decided each time it is read. secured picks the secured
// partition's level, otherwise the user partition's.
std::function<QString()> Airframer_Level_0_Hint(bool secured, const QString& hint);

// --- dialogs ------------------------------------------------------------------------

// The buttons of a dialog: "OK" (the default button) named OKButton and
// "Cancel" named CancelButton, at the right end of a row of their own. With
// a parent the buttons are created as its children.
struct OK_Cancel {
    QPushButton* OK;
    QPushButton* Cancel;
    QHBoxLayout* Row;
};
OK_Cancel Make_OK_Cancel(QWidget* parent);

// --- list boxes ----------------------------------------------------------------------

// The texts of a list box's lines, first line first.
QStringList List_Lines(const QListWidget* list);
// Replaces the lines of a list box.
void Set_List_Lines(QListWidget* list, const QStringList& lines);

// --- templates ---------------------------------------------------------------------

template <typename Array, std::size_t M>
void Make_Labels(Array& array, const QString& name, const Label_Row (&rows)[M])
{
    for (const Label_Row& row : rows)
        array[static_cast<std::size_t>(row.index)] =
            Make_Label(::Array_Name(name, row.index), QString::fromLatin1(row.caption),
                       row.tag ? QString::fromLatin1(row.tag) : QString());
}

} // namespace pages
