#pragma once
// The PSID table row (a line of the list Control_78 on the General page) and
// the compact form the PSID dialog returns, both as plain text.
//
// Row, 26 characters, columns counted from 1:
//   1-2   Sat ID, two octal digits, zero-padded
//   3-7   five blanks
//   8-10  table revision, decimal, right-justified, blank-padded
//   11-15 "   0x"
//   16-19 PSID-1, four upper-case hex digits, zero-padded
//   20-22 " 0x"
//   23-26 PSID-2, four upper-case hex digits, zero-padded
// Compact form, 13 characters: Sat ID (2) + revision (3) + PSID-1 (4) +
// PSID-2 (4), padded as in the row. An empty compact form means "cancelled".

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace pages {

constexpr int PSID_ROW_LENGTH = 26;
constexpr int PSID_COMPACT_LENGTH = 13;
constexpr int PSID_TABLE_ROWS = 10; // the most rows the table holds

// The four values of a row as the dialog's fields hold them (texts).
struct PSID_Fields {
    QString Sat_ID;   // octal digits
    QString Revision; // decimal digits
    QString PSID_1;   // hex digits
    QString PSID_2;   // hex digits

    bool operator==(const PSID_Fields&) const = default;
};

// The same values as numbers.
struct PSID_Values {
    std::int32_t Sat_ID = 0;   // 0 to 63
    std::int32_t Revision = 0; // 0 to 255
    std::uint16_t PSID_1 = 0;
    std::uint16_t PSID_2 = 0;

    bool operator==(const PSID_Values&) const = default;
};

// Each field padded to its width (a longer field is cut to it).
QString Make_PSID_Compact(const PSID_Fields& fields);
// The fields of a compact form, padding kept (revision "  5").
PSID_Fields Split_PSID_Compact(const QString& compact);

// The row of the fields, each padded to its width.
QString Make_PSID_Row(const PSID_Fields& fields);
// The row of a compact form.
QString PSID_Row_From_Compact(const QString& compact);
// The fields of a row; the revision without its blanks.
PSID_Fields Split_PSID_Row(const QString& row);
// Columns 1-2 of a row.
QString PSID_Row_Sat_ID(const QString& row);

// Rows from and to numbers (the record holds numbers). A row whose columns
// do not hold valid numbers, or whose Sat ID is above 77 octal, gives nothing.
QString Format_PSID_Row(const PSID_Values& values);
std::optional<PSID_Values> Parse_PSID_Row(const QString& row);

// The report section of the table: a heading and the rows as they stand, or
// "PSID TABLE IS EMPTY".
QStringList PSID_Report_Lines(const QStringList& rows);

} // namespace pages
