#include "editor/pages_tables/sat_row.h"

#include "editor/core/item_facts.h"
#include "editor/core/text_helpers.h"
#include "editor/core/value_helpers.h"

#include <QStringList>
#include <cmath>

namespace modSat_Table_Dialog {

namespace {

// All that the two octal digits of the Sat ID column hold.
constexpr const core::Item_Fact& SAT_ID_COLUMN = core::Fact(core::Item_Fact_Id::Sat_ID_Column);
constexpr const core::Item_Fact& LONGITUDE = core::Fact(core::Item_Fact_Id::Longitude);

// A longitude kept to its range.
float Clamp_Longitude(float degrees)
{
    return core::Clamp_Single(degrees, static_cast<float>(LONGITUDE.Minimum), static_cast<float>(LONGITUDE.Maximum));
}

int Normal_Column(int column)
{
    return (column < 0 || column >= SAT_COLUMN_COUNT) ? 0 : column;
}

// A name never carries a blank in the line: the line is split at blanks when
// it is read back, so a blank would shift every later column.
QString Line_Name(const QString& name)
{
    QString text = core::Strip_At_Null(name).trimmed();
    text.replace(QLatin1Char(' '), QLatin1Char('-'));
    return text;
}

QString Column_Text(const Sat_Row& row, int column)
{
    switch (column) {
    case 0:
        return Sat_ID_Text(row.Sat_ID) + QStringLiteral("   ");
    case 1:
        return core::Pad_Right_Spaces(Line_Name(row.Name), SAT_COLUMN_WIDTHS[1]);
    case 2: {
        const int pref = (row.Pref < 0 || row.Pref > 1) ? 1 : row.Pref;
        return QStringLiteral("  ") + QString::number(pref) + QStringLiteral("   ");
    }
    case 3:
        return Services_Text(row.Services) + QStringLiteral("  ");
    default: {
        const float value = Clamp_Longitude(row.Longitude);
        // Through the float's own shortest text, so 12.3F formats as 12.3.
        const double shown = QString::number(value, 'g', 9).toDouble();
        return core::Format_Fixed(shown, 1).rightJustified(SAT_COLUMN_WIDTHS[4] - 1, QLatin1Char(' ')) +
               QLatin1Char(' ');
    }
    }
}

// Octal digits only; nothing for any other text.
std::optional<int> Read_Octal(const QString& text)
{
    if (text.isEmpty() || text.size() > 6)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('7'))
            return std::nullopt;
        value = value * 8 + (c.unicode() - '0');
    }
    return value;
}

// Reads one field into its column; false when the field cannot be read.
bool Read_Column(Sat_Row& row, int column, const QString& field)
{
    switch (column) {
    case 0: {
        const std::optional<int> id = Read_Octal(field);
        row.Sat_ID = (id && *id <= SAT_ID_COLUMN.Maximum) ? static_cast<std::int16_t>(*id) : std::int16_t{0};
        return id.has_value();
    }
    case 1:
        row.Name = core::Strip_At_Null(field.trimmed()).left(SAT_NAME_MAX);
        return true;
    case 2: {
        const double value = Leading_Number(field).value_or(0.0);
        row.Pref = (value < 0.0 || value > 1.0) ? std::int16_t{1}
                                                : static_cast<std::int16_t>(std::nearbyint(value));
        return true;
    }
    case 3:
        row.Services = Services_From_Text(field);
        return true;
    default: {
        const double value = Leading_Number(field).value_or(0.0);
        row.Longitude = Clamp_Longitude(static_cast<float>(value));
        return true;
    }
    }
}

} // namespace

const std::array<Sat_Service, SAT_SERVICE_COUNT>& Sat_Services()
{
    static const std::array<Sat_Service, SAT_SERVICE_COUNT> services{{
        {"SBB", "SBB"},
        {"S64-ISDN", "ISDN"},
        {"S64-MPDS", "MPDS"},
        {"8.4kbps C-chan", "8.4k"},
        {"21kbps C-chan", "21k"},
        {"CN11/58", "CN11"},
    }};
    return services;
}

QString Services_Text(std::int16_t services)
{
    QStringList parts;
    for (int k = SAT_SERVICE_COUNT - 1; k >= 0; --k) {
        const QString code = QString::fromLatin1(Sat_Services()[k].Code);
        const bool offered = (services >> k) & 1;
        parts << (offered ? code : QString(code.size(), QLatin1Char('-')));
    }
    return parts.join(QLatin1Char(','));
}

std::int16_t Services_From_Text(const QString& text)
{
    int bits = 0;
    for (int k = 0; k < SAT_SERVICE_COUNT; ++k)
        if (text.contains(QString::fromLatin1(Sat_Services()[k].Code), Qt::CaseInsensitive))
            bits |= 1 << k;
    return static_cast<std::int16_t>(bits);
}

QString Sat_ID_Text(std::int16_t sat_id)
{
    return core::Pad_Zeros(core::To_Octal(sat_id), 2);
}

QString Get_Sat_Row(const Sat_Row& row, int first_column)
{
    const int first = Normal_Column(first_column);
    QString line;
    for (int i = 0; i < SAT_COLUMN_COUNT; ++i)
        line += Column_Text(row, (first + i) % SAT_COLUMN_COUNT);
    return line;
}

bool Set_Sat_Row(Sat_Row& row, const QString& line, int first_column)
{
    // An empty line stands for a new row.
    row = Sat_Row{};
    const int first = Normal_Column(first_column);
    const QString collapsed = core::Collapse_Spaces(line);
    const QStringList fields =
        collapsed.isEmpty() ? QStringList() : collapsed.split(QLatin1Char(' '));

    bool ok = true;
    for (int i = 0; i < fields.size() && i < SAT_COLUMN_COUNT; ++i)
        ok = Read_Column(row, (first + i) % SAT_COLUMN_COUNT, fields[i]) && ok;
    return ok;
}

Sat_Row Parse_Sat_Line(const QString& line, int first_column)
{
    Sat_Row row;
    Set_Sat_Row(row, line, first_column);
    return row;
}

Sat_Row& Edit_Sat_Row()
{
    static Sat_Row row;
    return row;
}

void Set_Sat_Row(const QString& line)
{
    Set_Sat_Row(Edit_Sat_Row(), line, 0);
}

QString Get_Sat_Row()
{
    return Get_Sat_Row(Edit_Sat_Row(), 0);
}

std::optional<double> Leading_Number(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    QString number;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        number += text[i++];
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits = true;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
        number += c;
    }
    if (!digits)
        return std::nullopt;
    return core::Parse_Number(number);
}

} // namespace modSat_Table_Dialog
