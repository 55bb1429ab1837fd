#include "editor/pages_tables/cockpit_number_line.h"

#include "editor/core/text_helpers.h"
#include "editor/pages/key_sort.h"

#include <array>
#include <vector>

namespace tables {

namespace {

const QChar BLANK = QLatin1Char(' ');
const QChar TAB = QLatin1Char('\t');

QString Pad_Blanks(const QString& text, int width)
{
    return text.size() >= width ? text : text + QString(width - text.size(), BLANK);
}

bool Printable(QChar c)
{
    return c.unicode() >= 32 && c.unicode() <= 126;
}

bool All_Printable(const QString& text)
{
    for (const QChar c : text)
        if (!Printable(c))
            return false;
    return true;
}

// A piece of a line or key: from start (0-based), length characters (-1: to
// the end).
struct Span {
    int Start;
    int Length;
};

struct Sort_Layout {
    Cockpit_Column Column;
    int Pad_To;                  // lines shorter than this are blank-padded to 48
    std::vector<Span> Key;       // the line's pieces, in key order
    std::vector<Span> Line;      // the key's pieces, in line order
};

// One row per sort column: how the key is cut from the line and the line
// from the key.
const std::array<Sort_Layout, 4>& Sort_Layouts()
{
    static const std::array<Sort_Layout, 4> layouts = {{
        {Cockpit_Column::Name, 0, {{0, -1}}, {{0, -1}}},
        {Cockpit_Column::Number, 47, {{18, 22}, {0, 18}, {40, -1}}, {{22, 18}, {0, 22}, {40, -1}}},
        {Cockpit_Column::Priority, 47, {{40, 5}, {0, 40}, {45, -1}}, {{5, 40}, {0, 5}, {45, -1}}},
        {Cockpit_Column::Protected, COCKPIT_LINE_LENGTH, {{45, 3}, {0, 45}, {48, -1}},
         {{3, 45}, {0, 3}, {48, -1}}},
    }};
    return layouts;
}

const Sort_Layout& Layout_Of(Cockpit_Column column)
{
    for (const Sort_Layout& layout : Sort_Layouts())
        if (layout.Column == column)
            return layout;
    return Sort_Layouts().front();
}

QString Cut(const QString& text, const std::vector<Span>& spans)
{
    QString result;
    for (const Span& span : spans)
        result += text.mid(span.Start, span.Length);
    return result;
}

} // namespace

QString Cockpit_Number_Line(const QString& name, const QString& number, int priority,
                            bool is_protected, Cockpit_Line_Width width)
{
    const QString unprotected =
        width == Cockpit_Line_Width::Full ? QStringLiteral("No ") : QStringLiteral("No");
    return Pad_Blanks(name, COCKPIT_NAME_COLUMNS) + Pad_Blanks(number, COCKPIT_NUMBER_COLUMNS) +
           QString::number(priority) + QString(4, BLANK) +
           (is_protected ? QStringLiteral("Yes") : unprotected);
}

Cockpit_Entry Read_Cockpit_Line(const QString& raw)
{
    const QString line = Normalize_Cockpit_Line(raw);
    Cockpit_Entry entry;
    entry.Name = line.mid(0, COCKPIT_NAME_LENGTH).trimmed();
    entry.Number = line.mid(COCKPIT_NAME_COLUMNS, COCKPIT_NUMBER_LENGTH).trimmed();
    entry.Priority = line.size() > 40 ? line[40] : QChar();
    entry.Protected = line.size() > 45 && line[45] == QLatin1Char('Y');
    return entry;
}

bool Is_Protected_Line(const QString& line)
{
    return line.mid(45, 3) == QLatin1String("Yes");
}

bool Is_Unused_Number(const QString& number)
{
    return core::Trim_Blanks(number).startsWith(QLatin1Char('-'));
}

QString Unused_Number_Message()
{
    return QStringLiteral("Phone number must not begin with \"-\"!");
}

QString Unused_Number_Drop_Message(int count)
{
    return Unused_Number_Message() + QLatin1Char(' ') + QString::number(count) +
           QStringLiteral(" were not added.");
}

QString Normalize_Cockpit_Line(const QString& line)
{
    if (All_Printable(line))
        return line;
    QString result = core::Pad_Right_Spaces(line.mid(0, COCKPIT_NAME_COLUMNS), COCKPIT_NAME_COLUMNS);
    if (line.size() > COCKPIT_NAME_COLUMNS)
        result += core::Pad_Right_Spaces(line.mid(COCKPIT_NAME_COLUMNS, COCKPIT_NUMBER_COLUMNS),
                                         COCKPIT_NUMBER_COLUMNS);
    result += core::Strip_At_Null(line.mid(COCKPIT_NAME_COLUMNS + COCKPIT_NUMBER_COLUMNS));
    return result;
}

QString Cockpit_Sort_Key(const QString& line, Cockpit_Column column)
{
    const Sort_Layout& layout = Layout_Of(column);
    const QString padded =
        line.size() < layout.Pad_To ? Pad_Blanks(line, COCKPIT_LINE_LENGTH) : line;
    return Cut(padded, layout.Key);
}

QString Cockpit_Line_From_Key(const QString& key, Cockpit_Column column)
{
    return Cut(key, Layout_Of(column).Line);
}

QStringList Sort_Cockpit_Lines(const QStringList& lines, Cockpit_Column column, bool ascending)
{
    return pages::Sort_By_Key(
        lines, ascending, [column](const QString& line) { return Cockpit_Sort_Key(line, column); },
        [column](const QString& key) { return Cockpit_Line_From_Key(key, column); });
}

QString Cockpit_Report_Heading()
{
    return QStringLiteral("  NAME        ") + TAB + QStringLiteral("  NUMBER          ") + TAB +
           QStringLiteral("PRIORITY") + TAB + QStringLiteral("PROTECTED");
}

QString Cockpit_Report_Rule()
{
    return QString(59, QLatin1Char('-'));
}

QString Cockpit_Report_Row(const QString& raw)
{
    const QString line = Normalize_Cockpit_Line(raw);
    return line.mid(0, COCKPIT_NAME_LENGTH) + TAB +
           line.mid(COCKPIT_NAME_COLUMNS, COCKPIT_NUMBER_LENGTH) + TAB + line.mid(40, 1) +
           QString(7, BLANK) + TAB + line.mid(45, 3);
}

} // namespace tables
