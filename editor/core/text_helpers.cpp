#include "editor/core/text_helpers.h"

#include "editor/core/char_sets.h"

namespace core {

namespace {

const QChar NUL(u'\0');

bool Printable(QChar c)
{
    return c.unicode() >= 32 && c.unicode() <= 126;
}

// Index where the file-name part of a path starts.
qsizetype Name_Start(const QString& path)
{
    return path.lastIndexOf(QLatin1Char('/')) + 1;
}

} // namespace

QString Make_Fixed_String(const QString& text, int width)
{
    const int field = width + 1;
    if (field <= 0)
        return QString();
    QString result = Upper_Text(text.left(field));
    result.append(QString(field - result.size(), NUL));
    return result;
}

QString Strip_At_Null(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!Printable(text[i]))
            return text.left(i);
    return text;
}

QString Pad_Right_Spaces(const QString& text, int width)
{
    QString result = Strip_At_Null(text);
    if (result.size() < width)
        result.append(QString(width - result.size(), QLatin1Char(' ')));
    return result;
}

QString Pad_Zeros(const QString& value, int width)
{
    if (value.size() >= width)
        return value;
    return QString(width - value.size(), QLatin1Char('0')) + value;
}

QString Pad_Zeros(std::int64_t value, int width)
{
    return Pad_Zeros(QString::number(value), width);
}

QString Make_Phone_Field(const QString& value, int width)
{
    QString result = Trim_Blanks(value.left(14));
    if (result.isEmpty() && width > 1)
        result = QString(width - 1, QLatin1Char('-'));
    if (result.size() < width)
        result.append(QString(width - result.size(), NUL));
    return result;
}

QString Pad_Field(bool left, bool nul, const QString& value, int width, const QString& pad)
{
    if (pad.size() != 1)
        return value;
    const QChar pad_char = pad[0];
    QString result = value;
    if (result.isEmpty()) {
        const int count = nul ? width - 1 : width;
        if (count > 0)
            result = QString(count, pad_char);
    }
    if (result.size() < width && nul)
        result.append(NUL);
    if (result.size() < width) {
        const QString fill(width - result.size(), pad_char);
        result = left ? fill + result : result + fill;
    }
    return result;
}

QString Sanitize_String(const QString& text, int char_set)
{
    const Char_Set& set = Char_Sets(char_set);
    QString result = set.To_Upper ? Upper_Text(text) : text;
    const QChar replacement = set.Allowed.isEmpty() ? QLatin1Char(' ') : set.Allowed[0];
    for (QChar& c : result)
        if (c.unicode() != 8 && !set.Admits(c))
            c = replacement;
    return result;
}

QString Trim_Blanks(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' '))
        ++start;
    while (end > start && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

QString Trim_Trailing_Blanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString Collapse_Spaces(const QString& text)
{
    QString result;
    bool blank = false;
    for (const QChar c : Trim_Blanks(text)) {
        if (c == QLatin1Char(' ')) {
            if (blank)
                continue;
            blank = true;
        } else {
            blank = false;
        }
        result += c;
    }
    return result;
}

QString Strip_Extension(const QString& path)
{
    const qsizetype start = Name_Start(path);
    const QString name = path.mid(start);
    if (name.size() < 3)
        return path;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return path;
    const qsizetype after = name.size() - dot - 1;
    if (after < 1 || after > 3)
        return path;
    return path.left(start + dot);
}

QString Get_Extension(const QString& path)
{
    const QString name = path.mid(Name_Start(path));
    if (name.size() < 3)
        return QString();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return QString();
    return name.mid(dot + 1, 3);
}

QString Get_Date_Stamp(std::optional<QDate> date)
{
    static const char* const MONTHS[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                           "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    const QDate day = date.value_or(QDate::currentDate());
    return Pad_Zeros(day.day(), 2) + QLatin1Char('-') + QLatin1String(MONTHS[day.month() - 1]) +
           QLatin1Char('-') + Pad_Zeros(((day.year() % 100) + 100) % 100, 2);
}

} // namespace core
