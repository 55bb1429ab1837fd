#pragma once
// One line of the GES table and the compact entry that the GES dialog
// returns.
//
// Line columns (from 1): 1-2 Sat ID, 3 blanks, 6-8 GES ID (three octal
// digits), 3 blanks, 12 preference digit, 3 blanks, 16-29 GES name (the line
// ends after the name, except after a sort by name, which pads it to 14).
//
// Compact entry: Sat ID (2) + GES ID (3 octal digits) + preference digit +
// the name as typed ("000021EIK-AW").

#include <QString>
#include <QStringList>
#include <array>

namespace ges {

constexpr int GES_TABLE_MAX = 128;
constexpr int GES_NAME_MAX = 14;
// The columns of a line that the GES table sorts by, in characters with the
// blanks after them: Sat ID, GES ID, preference and the name padded to 14.
constexpr std::array<int, 4> GES_COLUMN_WIDTHS{5, 6, 4, GES_NAME_MAX};
// Width of one satellite choice handed to the GES dialog ("00   AOR-W").
constexpr int SAT_CHOICE_WIDTH = 10;

struct GES_Fields {
    QString Sat_ID; // columns 1-2
    QString GES_ID; // columns 6-8
    QString Pref;   // column 12
    QString Name;   // columns 16-29, as it stands (a shorter name unchanged)
};

// The fields of a line by position; a short line gives what there is.
GES_Fields Read_GES_Line(const QString& line);

// A line from its fields: Sat ID, three blanks, GES ID, three blanks,
// preference, three blanks, name.
QString GES_Line(const QString& sat_id, const QString& ges_id, const QString& pref,
                 const QString& name);

// The compact entry of the dialog: GES ID left-padded with "0" to 3.
QString Compact_GES_Entry(const QString& sat_id, const QString& ges_id, int pref,
                          const QString& name);

// The line stored for a compact entry: the name upper-cased and cut to 14
// characters (and before any NUL). Empty for an empty entry.
QString GES_Line_From_Compact(const QString& entry);

// The satellite choices of the GES dialog: the first 10 characters of every
// satellite line, padded with blanks to 10, joined without separator.
QString Sat_Choices(const QStringList& sat_lines);
// The choices one by one.
QStringList Split_Sat_Choices(const QString& choices);

// The columns the GES table sorts by.
enum class GES_Sort { Sat, GES, Pref, Name };

// The sort key of a line: the chosen column first, the others breaking ties.
QString GES_Sort_Key(const QString& line, GES_Sort column);
// The line rebuilt from its key (a name sort leaves the name padded to 14).
QString GES_Line_From_Key(const QString& key, GES_Sort column);

// The lines sorted by the column, ascending or descending.
QStringList Sort_GES_Lines(const QStringList& lines, GES_Sort column, bool ascending);

} // namespace ges
