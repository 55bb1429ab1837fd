#include "editor/pages_tables/transit_ges_cell.h"

#include "editor/core/text_helpers.h"
#include "editor/core/value_helpers.h"

namespace transit {

const std::array<QString, TRANSIT_ROWS>& Zone_Captions()
{
    static const std::array<QString, TRANSIT_ROWS> captions = {
        QStringLiteral("Zone 1"), QStringLiteral("Zone 2"), QStringLiteral("Zone 3"),
        QStringLiteral("Zone 4"), QStringLiteral("Zone 5"), QStringLiteral("Zone 6"),
        QStringLiteral("Zone 7"), QStringLiteral("Zone 8"), QStringLiteral("Zone 9"),
        QStringLiteral("Short PSTN"), QStringLiteral("Non-PSTN"),
    };
    return captions;
}

const std::array<QString, TRANSIT_COLUMNS>& Sat_Captions()
{
    static const std::array<QString, TRANSIT_COLUMNS> captions = {
        QStringLiteral("SAT 00"), QStringLiteral("SAT 01"), QStringLiteral("SAT 02"), QStringLiteral("SAT 03"),
    };
    return captions;
}

QString Transit_GES_Cell(std::int16_t value)
{
    return core::Pad_Zeros(core::To_Octal(value), core::Text_Length(core::Fact(core::Item_Fact_Id::Item_41)));
}

std::int16_t Transit_GES_Value(const QString& cell)
{
    bool ok = false;
    const int value = cell.trimmed().toInt(&ok, 8);
    return ok ? static_cast<std::int16_t>(value) : std::int16_t{0};
}

QString Cell_Title(const QString& row_caption, int index)
{
    return row_caption + QStringLiteral(" - SAT 0") + QString::number(index % TRANSIT_COLUMNS);
}

QStringList Transit_Report(const std::array<QString, TRANSIT_ROWS>& row_captions,
                           const std::array<QString, TRANSIT_CELLS>& cells)
{
    QStringList lines;
    lines << QStringLiteral("AUTOMATIC TRANSIT CALL GES TABLE:") << QString()
          << QStringLiteral("CALL TYPE    SAT 00   SAT 01   SAT 02   SAT 03");
    const QString gap(6, QLatin1Char(' '));
    for (int r = 0; r < TRANSIT_ROWS; ++r) {
        QStringList row;
        for (int c = 0; c < TRANSIT_COLUMNS; ++c)
            row << cells[static_cast<std::size_t>(r * TRANSIT_COLUMNS + c)];
        lines << row_captions[static_cast<std::size_t>(r)].leftJustified(15, QLatin1Char(' ')) + row.join(gap);
    }
    return lines;
}

} // namespace transit
