#pragma once
// One satellite of the satellite table in its two text-free forms: the
// parsed row and the blank-separated list line of the table, which can be
// formatted and parsed starting at any of its five columns (that is how the
// table sorts by a chosen column).
//
// Line columns from column 0 (56 characters, every piece with its blanks):
//   0 Sat ID     two octal digits, 3 blanks
//   1 name       blanks up to 9 characters
//   2 preference 2 blanks, one digit, 3 blanks
//   3 services   the 27-character services text, 2 blanks
//   4 longitude  one decimal, right-aligned in 6 characters, 1 blank

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace modSat_Table_Dialog {

constexpr int SAT_COLUMN_COUNT = 5;
constexpr int SAT_LINE_LENGTH = 56;
// The characters of each column of a line, its blanks included.
constexpr std::array<int, SAT_COLUMN_COUNT> SAT_COLUMN_WIDTHS{5, 9, 6, 29, 7};
static_assert(SAT_COLUMN_WIDTHS[0] + SAT_COLUMN_WIDTHS[1] + SAT_COLUMN_WIDTHS[2] + SAT_COLUMN_WIDTHS[3] +
                      SAT_COLUMN_WIDTHS[4] ==
                  SAT_LINE_LENGTH,
              "the columns make up the line");
constexpr int SAT_NAME_MAX = 5;

struct Sat_Row {
    std::int16_t Sat_ID = 0;      // 0 to 63
    QString Name;                 // up to 5 characters
    std::int16_t Pref = 1;        // 0 not considered, 1 considered
    std::int16_t Services = 0;    // bit k: service k offered
    float Longitude = 0.0F;       // degrees, -180 to 180

    bool operator==(const Sat_Row&) const = default;
};

// The services a satellite can offer, by bit number.
struct Sat_Service {
    const char* Caption; // the check box caption
    const char* Code;    // the short code in the services text
};
constexpr int SAT_SERVICE_COUNT = 6;
const std::array<Sat_Service, SAT_SERVICE_COUNT>& Sat_Services();

// All six services from bit 5 down to bit 0, separated by ",": the short code
// of an offered service, as many "-" as the code has characters otherwise.
QString Services_Text(std::int16_t services);
// The bits of every service whose code occurs in the text, any letter case.
std::int16_t Services_From_Text(const QString& text);

// The line of the row starting with column first_column (a column above 4
// counts as 0), the columns after it following round to column 0.
QString Get_Sat_Row(const Sat_Row& row, int first_column = 0);

// Parses a line whose first field belongs to column first_column. Missing
// columns keep the values of a new row. Returns false (the row still holds
// what could be read) when the Sat ID field is not made of octal digits.
bool Set_Sat_Row(Sat_Row& row, const QString& line, int first_column = 0);
Sat_Row Parse_Sat_Line(const QString& line, int first_column = 0);

// The row that the satellite page and the satellite dialog share.
Sat_Row& Edit_Sat_Row();
// The shared row parsed from / formatted into a Sat_Line (column 0).
void Set_Sat_Row(const QString& line);
QString Get_Sat_Row();

// The Sat ID as the two octal digits of the first column.
QString Sat_ID_Text(std::int16_t sat_id);

// The number a text begins with (blanks before it, a sign, digits, one
// decimal point); nothing when it begins with no digit.
std::optional<double> Leading_Number(const QString& text);

} // namespace modSat_Table_Dialog
