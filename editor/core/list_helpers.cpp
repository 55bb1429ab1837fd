#include "editor/core/list_helpers.h"

#include "editor/core/char_sets.h"
#include "editor/core/text_helpers.h"

namespace core {

namespace {

// Binary comparison by UTF-16 code unit.
bool Less(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

void Sort_Range(const QStringList& in, qsizetype first, qsizetype count, QStringList& out)
{
    if (count <= 0)
        return;
    if (count == 1) {
        out.append(in[first]);
        return;
    }
    if (count == 2) {
        if (Less(in[first + 1], in[first])) {
            out.append(in[first + 1]);
            out.append(in[first]);
        } else {
            out.append(in[first]);
            out.append(in[first + 1]);
        }
        return;
    }
    const qsizetype half = count / 2;
    QStringList left;
    QStringList right;
    Sort_Range(in, first, half, left);
    Sort_Range(in, first + half, count - half, right);

    qsizetype i = 0;
    qsizetype j = 0;
    while (i < left.size() || j < right.size()) {
        if (i < left.size() && j < right.size() && left[i] == right[j]) {
            out.append(left[i++]);
            out.append(right[j++]);
        } else if (j >= right.size() || (i < left.size() && Less(left[i], right[j]))) {
            out.append(left[i++]);
        } else {
            out.append(right[j++]);
        }
    }
}

QString Pad_Right(const QString& text, int width)
{
    return text.size() >= width ? text : text + QString(width - text.size(), QLatin1Char(' '));
}

// Dropped text cleaned by a character set. A backspace, which the cleaning
// keeps for typed keys, is no editing key in dropped text: it is replaced
// like any other character outside the set.
QString Clean_Dropped(const QString& text, int char_set)
{
    QString cleaned = text;
    cleaned.replace(QChar(8), QChar(0));
    return Sanitize_String(cleaned, char_set);
}

} // namespace

QStringList Merge_Sort(const QStringList& texts)
{
    QStringList sorted;
    sorted.reserve(texts.size());
    Sort_Range(texts, 0, texts.size(), sorted);
    return sorted;
}

QString Parse_Phone_Entry(const QString& line)
{
    QString name = QStringLiteral("NONE");
    QString number = QStringLiteral("0 000 000 0000");
    QString category = QStringLiteral("3");
    QString protection = QStringLiteral("No ");

    const QStringList pieces = line.split(QLatin1Char('\t'));
    QString* columns[4] = {&name, &number, &category, &protection};
    for (qsizetype k = 0; k < 4 && k < pieces.size(); ++k)
        if (!pieces[k].isEmpty())
            *columns[k] = pieces[k];

    name = Pad_Right(name.left(14), 18);
    number = Pad_Right(number.left(18), 22);
    category = category.right(1);
    protection = protection.left(3);

    name = Clean_Dropped(name, Chars::Upper_Printable);
    number = Clean_Dropped(number, Chars::Directory_Number);

    const QChar digit = category.isEmpty() ? QChar() : category[0];
    if (digit < QLatin1Char('1') || digit > QLatin1Char('4'))
        category = QStringLiteral("3");
    category = Pad_Right(category, 5);

    if (protection == QLatin1String("yes"))
        protection = QStringLiteral("Yes");
    if (protection != QLatin1String("Yes"))
        protection = QStringLiteral("No ");

    return name + number + category + protection;
}

QString Format_Phone_Number(const QString& text)
{
    QString number = text.left(18);
    if (number.size() < 18)
        number.append(QString(18 - number.size(), QLatin1Char('-')));
    return Clean_Dropped(number, Chars::Signed_Digits);
}

} // namespace core
