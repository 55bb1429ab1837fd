#pragma once
// Small pieces the HSD pages share: free-text fields that keep to their
// character set whatever puts text into them, spin buttons that hold a
// value of their own, rows of a label and its field, and building control
// arrays.

#include "editor/pages/page_widgets.h"

#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace hsd {

// Text that enters a free-text field, also from code (a record field padded
// with NULs), is cut at its first NUL and loses every character outside the
// field's set. `code_extra` lists characters that only code may put in
// (typing and pasting still follow the set alone).
QString Clean_Free_Text(const QString& text, int char_set, const QString& code_extra = {});
void Keep_Text_In_Set(QLineEdit* edit, int char_set, const QString& code_extra = {});

// A spin button that holds a whole value within [minimum, maximum]; each
// click steps it by 1 and hands the new value to on_change. field is the text
// field it steps: its check runs before each step (pages::Up_Down) and must
// give the spin button the field's value, so each step starts from what the
// field shows.
void Bind_Value_Spin(pages::Up_Down* spin, QLineEdit* field, int minimum, int maximum, int initial,
                     std::function<void(int value)> on_change);
using pages::Spin_Value; // the value the spin button holds
// Sets the value (clamped to the spin's range) without calling on_change.
void Set_Spin_Value(pages::Up_Down* spin, int value);

// A drop-down list (no typing) with the given entries, each carrying item
// data 0, nothing selected; it keeps the width of its longest entry.
QComboBox* Make_Combo(const QString& name, const QStringList& entries);

// Row `row` of grid: the label in column 0, which names the field; in
// column 1 the field at its own width, followed by its spin button and its
// unit label where given.
void Add_Field_Row(QGridLayout* grid, int row, QLabel* label, QWidget* field,
                   pages::Up_Down* spin = nullptr, QLabel* unit = nullptr);

// The feature level of the user partition the pages show.
int User_Level();

// The texts of the boxes joined by the separator (box 0 first).
template <typename Array>
QString Join_Texts(const Array& boxes, const QString& separator)
{
    QStringList texts;
    for (const auto* box : boxes)
        texts << box->text();
    return texts.join(separator);
}

} // namespace hsd
