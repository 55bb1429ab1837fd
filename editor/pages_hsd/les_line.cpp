#include "editor/pages_hsd/les_line.h"

#include "editor/core/text_helpers.h"
#include "editor/pages/key_sort.h"

namespace hsd {

namespace {
const QString TWO_BLANKS = QStringLiteral("  ");
} // namespace

QString LES_Sat(const QString& line)
{
    return line.mid(0, 2);
}

QString LES_Id(const QString& line)
{
    return line.mid(4, 3);
}

QString LES_Pref(const QString& line)
{
    return line.mid(9, 1);
}

QString LES_Line(const QString& sat, const QString& les, const QString& pref)
{
    return sat + TWO_BLANKS + les + TWO_BLANKS + pref;
}

QString LES_Line(const QString& compact)
{
    return LES_Line(compact.mid(0, 2), compact.mid(2, 3), compact.mid(5, 1));
}

QString Compact_LES_Entry(const QString& sat, const QString& les, const QString& pref)
{
    return core::Pad_Zeros(sat, 2) + core::Pad_Field(true, false, les, 3, QStringLiteral(" "))
           + pref;
}

QString Invert_Preference(const QString& pref)
{
    if (pref.size() != 1 || !pref[0].isDigit() || pref[0].unicode() > '9')
        return pref;
    return QString(QChar('9' - (pref[0].unicode() - '0')));
}

int Find_Sat_LES(const QStringList& lines, const QString& compact)
{
    const QString sat = compact.mid(0, 2);
    const QString les = compact.mid(2, 3);
    for (int i = 0; i < lines.size(); ++i) {
        if (LES_Sat(lines[i]) == sat && LES_Id(lines[i]) == les)
            return i;
    }
    return -1;
}

QString LES_Sort_Key(const QString& line, LES_Column column)
{
    switch (column) {
    case LES_Column::Sat:
        return line;
    case LES_Column::LES:
        return LES_Id(line) + LES_Sat(line) + LES_Pref(line);
    case LES_Column::Pref:
        return LES_Pref(line) + LES_Id(line) + LES_Sat(line);
    }
    return line;
}

namespace {

// The line rebuilt from its column-sort key.
QString Line_From_Key(const QString& key, LES_Column column)
{
    switch (column) {
    case LES_Column::Sat:
        return key;
    case LES_Column::LES:
        return LES_Line(key.mid(3, 2), key.mid(0, 3), key.mid(5, 1));
    case LES_Column::Pref:
        return LES_Line(key.mid(4, 2), key.mid(1, 3), key.mid(0, 1));
    }
    return key;
}

} // namespace

QStringList Sort_LES_By_Column(const QStringList& lines, LES_Column column, bool ascending)
{
    return pages::Sort_By_Key(
        lines, ascending, [column](const QString& line) { return LES_Sort_Key(line, column); },
        [column](const QString& key) { return Line_From_Key(key, column); });
}

QStringList Canonical_LES_Order(const QStringList& lines)
{
    return pages::Sort_By_Key(
        lines, true,
        [](const QString& line) { return LES_Sat(line) + Invert_Preference(LES_Pref(line)) + LES_Id(line); },
        [](const QString& key) {
            return LES_Line(key.mid(0, 2), key.mid(3, 3), Invert_Preference(key.mid(2, 1)));
        });
}

void Append_LES_Table(QStringList& out, const QString& title, const QStringList& lines,
                      const QString& empty_text)
{
    out << QString() << title << QString();
    if (lines.isEmpty()) {
        out << empty_text;
        return;
    }
    out << QStringLiteral("SAT LES  PREF") << QString(13, QLatin1Char('-'));
    out << lines;
}

} // namespace hsd
