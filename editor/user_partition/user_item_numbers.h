#pragma once
// Whole numbers of the user items held in text fields. A field keeps to a
// range of its own (its length, its check, its spin button), so a stored
// number outside that range would be cut or changed without a word: such a
// number loads as the item's default with a "***" line of the conversion
// report instead. The ranges and defaults are the rows of the item facts,
// which the pages read too; every number a field holds is saved as it
// stands and so loads back unchanged.
//
// The numbers that are rows of the item table (user_items.h) load and save
// through Load_Number_Row and Save_Number_Items; the load direction of a
// generation checks its other numbers with Load_Number and the fact of the
// item.

#include "editor/core/item_facts.h"
#include "editor/core/record_layout.h"
#include "editor/user_partition/user_items.h"

#include <QString>
#include <cstdint>

class Page_Set;
class QLineEdit;

namespace User_Mod {

// --- load direction ---------------------------------------------------------

// The stored value (in the row's steps: tenths, halves or whole numbers)
// when it lies in the row's range, else the row's default with a "***" line
// under label; the line shows the numbers in the row's radix.
std::int32_t Checked_Number(std::int64_t stored, const QString& label, const core::Item_Fact& fact);

// A stored number that its control or list line keeps as `kept` (a line
// column or a coding that holds only some numbers, which a save writes as
// the line keeps it): a "***" line under label when the two differ, the
// numbers in the report's radix (1 octal, 2 hexadecimal, else decimal).
// Returns kept.
std::int32_t Report_Kept(std::int64_t stored, std::int32_t kept, const QString& label, int radix);

// The checked whole number into the field in decimal; returns it.
std::int32_t Load_Number(QLineEdit* field, std::int64_t stored, const QString& label,
                         const core::Item_Fact& fact);

// --- number rows of the item table ------------------------------------------

// The stored number of a number row's place into its field, as the row
// shows it (a text row: in its place's radix, checked against its
// characters; a spin button that follows its field too).
void Load_Number_Row(Page_Set& pages, const core::Record& record, const User_Item_Row& row,
                     const Item_Place& place);

// A number row's field as a new ORT shows it: its fact's default.
void Set_Number_Default(Page_Set& pages, const User_Item_Row& row);

// Writes a number row's field (or a text that holds a number) into its
// place as the place codes it; a number that the place refuses raises
// core::Record_Error.
void Save_Number_Row(Page_Set& pages, core::Record& record, const User_Item_Row& row, const Item_Place& place);

// The number rows (and the texts that hold numbers) of the step that the
// generation holds, of that element when element is 0 or more, in table
// order, each as its place codes it; a number that the place refuses raises
// core::Record_Error.
void Save_Number_Items(Page_Set& pages, core::Record& record, Generation generation, Item_Step step,
                       int element = -1);

} // namespace User_Mod
