#pragma once
// Sorting of list lines and the parsing of telephone entries dropped from
// other programs.

#include <QString>
#include <QStringList>

namespace core {

// The texts in ascending order by character code (upper-case before
// lower-case, blanks before digits); equal texts keep their input order.
QStringList Merge_Sort(const QStringList& texts);

// One dropped line "name<TAB>number<TAB>category<TAB>protection" (fewer
// pieces allowed) as a 48-character cockpit directory line: name in columns
// 1-18, number 19-40, category 41-45, protection 46-48.
QString Parse_Phone_Entry(const QString& line);

// A dropped text as an 18-character cabin number: the first 18 characters,
// filled with minus signs, every character but minus and digits made a
// minus sign.
QString Format_Phone_Number(const QString& text);

} // namespace core
