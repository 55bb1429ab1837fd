#pragma once
// The automatic transit-call GES table: eleven call types by four
// satellites, each cell a GES identifier as three octal digits ("377": no
// GES). Cell i stands in row i div 4 and column i mod 4.

#include "editor/core/item_facts.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace transit {

constexpr int TRANSIT_ROWS = 11;
constexpr int TRANSIT_COLUMNS = 4;
constexpr int TRANSIT_CELLS = TRANSIT_ROWS * TRANSIT_COLUMNS;
// A cell holds a value of the row Item_41; its maximum means no GES.
constexpr std::int16_t NO_GES = static_cast<std::int16_t>(core::Fact(core::Item_Fact_Id::Item_41).Maximum);

// The row captions "Zone 1" .. "Zone 9", "Short PSTN", "Non-PSTN".
const std::array<QString, TRANSIT_ROWS>& Zone_Captions();
// The column captions "SAT 00" .. "SAT 03".
const std::array<QString, TRANSIT_COLUMNS>& Sat_Captions();

// A value as a cell: octal, left-padded with "0" to 3 digits (the digits
// of the highest value).
QString Transit_GES_Cell(std::int16_t value);
// The cell of NO_GES.
inline const QString NO_GES_CELL = Transit_GES_Cell(NO_GES);
// A cell read as octal; a text that is not octal reads as 0.
std::int16_t Transit_GES_Value(const QString& cell);

// The dialog title of cell index: row caption + " - SAT 0" + column.
QString Cell_Title(const QString& row_caption, int index);

// The report lines of the table: heading, empty line, column heading and
// one line per row (the row caption padded to 15, the four cells separated
// by six blanks).
QStringList Transit_Report(const std::array<QString, TRANSIT_ROWS>& row_captions,
                           const std::array<QString, TRANSIT_CELLS>& cells);

} // namespace transit
