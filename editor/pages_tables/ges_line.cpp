#include "editor/pages_tables/ges_line.h"

#include "editor/core/char_sets.h"
#include "editor/core/text_helpers.h"
#include "editor/pages/key_sort.h"

namespace ges {

namespace {

const QString GAP = QStringLiteral("   ");

// A piece of fixed width: cut, or padded with blanks, so that the pieces of a
// sort key always stand at the same positions.
QString Fixed(const QString& text, int width)
{
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

QString Before_Nul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

} // namespace

GES_Fields Read_GES_Line(const QString& line)
{
    const QString text = Before_Nul(line);
    return GES_Fields{text.mid(0, 2), text.mid(5, 3), text.mid(11, 1), text.mid(15, GES_NAME_MAX)};
}

QString GES_Line(const QString& sat_id, const QString& ges_id, const QString& pref,
                 const QString& name)
{
    return sat_id + GAP + ges_id + GAP + pref + GAP + name;
}

QString Compact_GES_Entry(const QString& sat_id, const QString& ges_id, int pref,
                          const QString& name)
{
    return sat_id.left(2) + core::Pad_Zeros(ges_id, 3) + QString::number(pref) + name;
}

QString GES_Line_From_Compact(const QString& entry)
{
    if (entry.isEmpty())
        return QString();
    const QString name = core::Upper_Text(Before_Nul(entry.mid(6, GES_NAME_MAX)));
    return GES_Line(entry.mid(0, 2), entry.mid(2, 3), entry.mid(5, 1), name);
}

QString Sat_Choices(const QStringList& sat_lines)
{
    QString choices;
    for (const QString& line : sat_lines)
        choices += Fixed(line, SAT_CHOICE_WIDTH);
    return choices;
}

QStringList Split_Sat_Choices(const QString& choices)
{
    QStringList items;
    for (qsizetype i = 0; i < choices.size(); i += SAT_CHOICE_WIDTH)
        items << choices.mid(i, SAT_CHOICE_WIDTH);
    return items;
}

QString GES_Sort_Key(const QString& line, GES_Sort column)
{
    const GES_Fields f = Read_GES_Line(line);
    const QString sat = Fixed(f.Sat_ID, 2);
    const QString id = Fixed(f.GES_ID, 3);
    const QString pref = Fixed(f.Pref, 1);
    switch (column) {
    case GES_Sort::Sat:
        return Before_Nul(line);
    case GES_Sort::GES:
        return id + sat + pref + f.Name;
    case GES_Sort::Pref:
        return pref + id + sat + f.Name;
    case GES_Sort::Name:
        return Fixed(f.Name, GES_NAME_MAX) + id + sat + pref;
    }
    return line;
}

QString GES_Line_From_Key(const QString& key, GES_Sort column)
{
    switch (column) {
    case GES_Sort::Sat:
        return key;
    case GES_Sort::GES:
        return GES_Line(key.mid(3, 2), key.mid(0, 3), key.mid(5, 1), key.mid(6));
    case GES_Sort::Pref:
        return GES_Line(key.mid(4, 2), key.mid(1, 3), key.mid(0, 1), key.mid(6));
    case GES_Sort::Name:
        return GES_Line(key.mid(17, 2), key.mid(14, 3), key.mid(19, 1), key.mid(0, GES_NAME_MAX));
    }
    return key;
}

QStringList Sort_GES_Lines(const QStringList& lines, GES_Sort column, bool ascending)
{
    return pages::Sort_By_Key(
        lines, ascending, [column](const QString& line) { return GES_Sort_Key(line, column); },
        [column](const QString& key) { return GES_Line_From_Key(key, column); });
}

} // namespace ges
