#include "editor/pages/psid_row.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"

#include <array>

namespace pages {

namespace {

// One value column: where it sits in the row and in the compact form, its
// width and the character it is padded with on the left.
struct Column {
    QString PSID_Fields::*field;
    int row_start;     // 0-based
    int compact_start; // 0-based
    int width;
    QChar pad;
    core::Chars::Id char_set; // the digits the column admits
    int base;
};

const std::array<Column, 4>& Columns()
{
    static const std::array<Column, 4> columns{{
        {&PSID_Fields::Sat_ID, 0, 0, 2, QLatin1Char('0'), core::Chars::Octal, 8},
        {&PSID_Fields::Revision, 7, 2, 3, QLatin1Char(' '), core::Chars::Digits, 10},
        {&PSID_Fields::PSID_1, 15, 5, 4, QLatin1Char('0'), core::Chars::Hex, 16},
        {&PSID_Fields::PSID_2, 22, 9, 4, QLatin1Char('0'), core::Chars::Hex, 16},
    }};
    return columns;
}

// The fixed texts between the columns.
struct Literal {
    int row_start;
    const char* text;
};
constexpr std::array<Literal, 3> LITERALS{{{2, "     "}, {10, "   0x"}, {19, " 0x"}}};

QString Padded(const QString& value, const Column& column)
{
    const QString text = value.trimmed();
    if (text.size() >= column.width)
        return text.left(column.width);
    return QString(column.width - text.size(), column.pad) + text;
}

std::optional<std::int32_t> Read_Number(const QString& text, const Column& column)
{
    if (text.isEmpty() || !core::Text_In_Set(text, column.char_set))
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, column.base);
    if (!ok)
        return std::nullopt;
    return value;
}

QString Number_Text(std::int32_t value, const Column& column)
{
    return QString::number(value, column.base).toUpper();
}

} // namespace

QString Make_PSID_Compact(const PSID_Fields& fields)
{
    QString compact;
    for (const Column& column : Columns())
        compact += Padded(fields.*column.field, column);
    return compact;
}

PSID_Fields Split_PSID_Compact(const QString& compact)
{
    PSID_Fields fields;
    for (const Column& column : Columns())
        fields.*column.field = compact.mid(column.compact_start, column.width);
    return fields;
}

QString Make_PSID_Row(const PSID_Fields& fields)
{
    QString row(PSID_ROW_LENGTH, QLatin1Char(' '));
    for (const Literal& literal : LITERALS) {
        const QString text = QString::fromLatin1(literal.text);
        row.replace(literal.row_start, text.size(), text);
    }
    for (const Column& column : Columns())
        row.replace(column.row_start, column.width, Padded(fields.*column.field, column));
    return row;
}

QString PSID_Row_From_Compact(const QString& compact)
{
    return Make_PSID_Row(Split_PSID_Compact(compact));
}

PSID_Fields Split_PSID_Row(const QString& row)
{
    PSID_Fields fields;
    for (const Column& column : Columns())
        fields.*column.field = row.mid(column.row_start, column.width);
    fields.Revision = fields.Revision.trimmed();
    return fields;
}

QString PSID_Row_Sat_ID(const QString& row)
{
    return row.left(Columns()[0].width);
}

QString Format_PSID_Row(const PSID_Values& values)
{
    const auto& columns = Columns();
    PSID_Fields fields;
    fields.Sat_ID = Number_Text(values.Sat_ID, columns[0]);
    fields.Revision = Number_Text(values.Revision, columns[1]);
    fields.PSID_1 = Number_Text(values.PSID_1, columns[2]);
    fields.PSID_2 = Number_Text(values.PSID_2, columns[3]);
    return Make_PSID_Row(fields);
}

std::optional<PSID_Values> Parse_PSID_Row(const QString& row)
{
    if (row.size() < PSID_ROW_LENGTH)
        return std::nullopt;
    const PSID_Fields fields = Split_PSID_Row(row);
    const auto& columns = Columns();
    const auto sat = Read_Number(fields.Sat_ID, columns[0]);
    const auto revision = Read_Number(fields.Revision, columns[1]);
    const auto psid_1 = Read_Number(fields.PSID_1, columns[2]);
    const auto psid_2 = Read_Number(fields.PSID_2, columns[3]);
    if (!sat || !revision || !psid_1 || !psid_2 || *revision > core::Fact(core::Item_Fact_Id::PSID_Revision).Maximum)
        return std::nullopt;
    PSID_Values values;
    values.Sat_ID = *sat;
    values.Revision = *revision;
    values.PSID_1 = static_cast<std::uint16_t>(*psid_1);
    values.PSID_2 = static_cast<std::uint16_t>(*psid_2);
    return values;
}

QStringList PSID_Report_Lines(const QStringList& rows)
{
    QStringList lines;
    if (rows.isEmpty()) {
        lines << QStringLiteral("PSID TABLE IS EMPTY");
        return lines;
    }
    lines << QStringLiteral("      TABLE") << QStringLiteral("SAT    REV   PSID-1 PSID-2")
          << QString(PSID_ROW_LENGTH, QLatin1Char('-'));
    lines << rows;
    return lines;
}

} // namespace pages
