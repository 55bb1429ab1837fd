#pragma once
// The lines of the two Swift64 LES preference lists and what the page does
// with them, without widgets.
//
// A list line has fixed columns (counted from 1): SAT ID as two octal digits
// in 1-2, two blanks, LES ID right-justified with blanks in 5-7, two blanks,
// preference digit in 10. The LES dialog hands back a compact entry of six
// characters: SAT (2) + LES (3, right-justified) + preference (1).

#include <QString>
#include <QStringList>
#include <array>

namespace hsd {

// Characters of a list line under each sort button: "Sat" (SAT and its two
// blanks), "LES" (LES and its two blanks), "Pref".
constexpr std::array<int, 3> LES_COLUMN_WIDTHS{4, 5, 1};

// Entry limits of the lists.
constexpr int MISDN_LES_LIMIT = 24;
constexpr int MPDS_LES_LIMIT = 84;

// Columns of a list line (short lines give what they have).
QString LES_Sat(const QString& line);  // columns 1-2
QString LES_Id(const QString& line);   // columns 5-7
QString LES_Pref(const QString& line); // column 10

// The list line of a compact entry: SAT + two blanks + LES + two blanks + preference.
QString LES_Line(const QString& compact);
// The line from its three columns.
QString LES_Line(const QString& sat, const QString& les, const QString& pref);

// The compact entry from the dialog's fields: SAT padded with "0" to 2, LES
// right-justified with blanks to 3, the preference digit.
QString Compact_LES_Entry(const QString& sat, const QString& les, const QString& pref);

// "9" minus the digit: "9" gives "0", "1" gives "8". Anything but a single
// digit comes back unchanged.
QString Invert_Preference(const QString& pref);

// Index of the first line whose SAT and LES columns equal those of the
// compact entry, or -1.
int Find_Sat_LES(const QStringList& lines, const QString& compact);

enum class LES_Column { Sat, LES, Pref };

// The lines sorted by a column (the other two columns break ties, see
// LES_Sort_Key): ascending, or the ascending order reversed.
QStringList Sort_LES_By_Column(const QStringList& lines, LES_Column column, bool ascending);
// The sort key of a line for a column sort.
QString LES_Sort_Key(const QString& line, LES_Column column);

// The order in which the lists are saved: SAT ascending, then preference
// descending, then LES ascending.
QStringList Canonical_LES_Order(const QStringList& lines);

// The report block of one list: header and rule followed by the lines, or
// the one "empty" line when the list has none.
void Append_LES_Table(QStringList& out, const QString& title, const QStringList& lines,
                      const QString& empty_text);

} // namespace hsd
