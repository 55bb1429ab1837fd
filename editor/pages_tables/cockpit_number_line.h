#pragma once
// The text of one cockpit directory entry (a line of a Control_05 list):
//
//   columns  1-18  name, up to 14 characters, blank-padded
//   columns 19-40  number, up to 18 characters, blank-padded
//   column  41     priority digit "1" to "4"
//   columns 42-45  blanks
//   columns 46-48  "Yes", "No " or "No" (the entry dialog leaves out the blank)
//
// An entry is protected exactly when columns 46-48 read "Yes".

#include <QString>
#include <QStringList>

namespace tables {

constexpr int COCKPIT_NAME_LENGTH = 14;   // characters of a name
constexpr int COCKPIT_NUMBER_LENGTH = 18; // characters of a number
constexpr int COCKPIT_NAME_COLUMNS = 18;  // name column width in the line
constexpr int COCKPIT_NUMBER_COLUMNS = 22;
constexpr int COCKPIT_LINE_LENGTH = 48;

// How an unprotected entry's line ends: "No" as the entry dialog builds it
// (47 characters), or "No " as the record loaders build it, so that every
// line they load is 48 characters wide.
enum class Cockpit_Line_Width { Dialog, Full };

// The line of an entry: name blank-padded to 18, number to 22, the priority
// in decimal, four blanks, "Yes" (48 characters) or "No" / "No " by width.
// A longer name or number is not cut.
QString Cockpit_Number_Line(const QString& name, const QString& number, int priority,
                            bool is_protected, Cockpit_Line_Width width = Cockpit_Line_Width::Dialog);

// An entry as the entry dialog reads it from a line.
struct Cockpit_Entry {
    QString Name;        // columns 1-14, blanks trimmed at both ends
    QString Number;      // columns 19-36, blanks trimmed
    QChar Priority;      // column 41 (a null character when the line is shorter)
    bool Protected = false; // column 46 is "Y"
};
Cockpit_Entry Read_Cockpit_Line(const QString& line);

// True when columns 46-48 read "Yes".
bool Is_Protected_Line(const QString& line);

// True when a number begins with "-" once its leading blanks are trimmed
// (the loader trims them too): a stored entry whose number begins with "-"
// is an unused one and is not loaded, so no entry may take such a number.
bool Is_Unused_Number(const QString& number);

// The refusals of a number that begins with "-": in the entry dialog, and
// for dropped lines, of which count were not added.
QString Unused_Number_Message();
QString Unused_Number_Drop_Message(int count);

// A line whose name or number column came NUL-padded keeps only the part
// before the first NUL of each column, blank-padded to the column width;
// other characters after a NUL at the end are dropped. Lines without such
// characters come back unchanged.
QString Normalize_Cockpit_Line(const QString& line);

// The columns a directory can be sorted by.
enum class Cockpit_Column { Name, Number, Priority, Protected };

// The sort key of a line: the line with the sort column moved to the front,
// and the line rebuilt from such a key. Before the protected column is
// moved, the line is blank-padded to 48 characters, so a 47-character line
// comes back with 48.
QString Cockpit_Sort_Key(const QString& line, Cockpit_Column column);
QString Cockpit_Line_From_Key(const QString& key, Cockpit_Column column);

// The lines sorted by the column, ascending or descending, by binary
// comparison of their keys.
QStringList Sort_Cockpit_Lines(const QStringList& lines, Cockpit_Column column, bool ascending);

// The report's table heading, its rule and the report row of one line.
QString Cockpit_Report_Heading();
QString Cockpit_Report_Rule();
QString Cockpit_Report_Row(const QString& line);

} // namespace tables
