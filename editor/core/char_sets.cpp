#include "editor/core/char_sets.h"

#include <stdexcept>

namespace core {

namespace {

QString Range(char first, char last)
{
    QString text;
    for (char c = first; c <= last; ++c)
        text += QLatin1Char(c);
    return text;
}

QString Without(const QString& text, const QString& removed)
{
    QString result;
    for (const QChar c : text)
        if (!removed.contains(c))
            result += c;
    return result;
}

const QString DIGITS = Range('0', '9');

// The rows of the table: upper-case flag and the allowed characters in order.
Char_Set_Table Build_Char_Sets()
{
    const QString printable = Range(' ', '~');
    const QString upper_printable = Without(printable, Range('a', 'z'));
    const QString letters = Range('A', 'Z');
    const QString product_id = DIGITS + Without(Range('A', 'Y'), QStringLiteral("IOQ"));

    return Char_Set_Table{{
        {false, printable},                                   // 0 Printable
        {true, upper_printable},                              // 1 Upper_Printable
        {true, letters},                                      // 2 Letters
        {false, Range('0', '7')},                             // 3 Octal
        {false, DIGITS},                                      // 4 Digits
        {true, DIGITS + Range('A', 'F')},                     // 5 Hex
        {false, DIGITS + QLatin1Char('.')},                   // 6 Digits_Point
        {false, QLatin1Char('-') + DIGITS},                   // 7 Signed_Digits
        {false, DIGITS + QStringLiteral(".-")},               // 8 Signed_Real
        {true, product_id},                                   // 9 Product_Id
        {false, QStringLiteral(" /") + DIGITS + QLatin1Char('-')},             // 10 Phone_Digits
        {true, DIGITS + letters},                             // 11 Alphanumeric
        {false, QStringLiteral(" /") + DIGITS + QStringLiteral("-.")},         // 12 Directory_Number
        {false, QStringLiteral(" -") + DIGITS + letters + Range('a', 'z')},    // 13 Mixed_Case_Name
        {true, QLatin1Char('-') + DIGITS + letters},          // 14 Part_Number
        {true, QStringLiteral(" -") + DIGITS + letters},      // 15 Upper_Name
        {true, QLatin1Char('-') + product_id},                // 16 Dashed_Product_Id
        {true, Without(upper_printable, QStringLiteral("$@^_`{|}~"))}, // 17 Directory_Name
    }};
}

Char_Set_Table& Table()
{
    static Char_Set_Table table = Build_Char_Sets();
    return table;
}

std::array<std::int32_t, 32>& Long_Table()
{
    static std::array<std::int32_t, 32> table = [] {
        std::array<std::int32_t, 32> t{};
        for (int k = 0; k < 32; ++k)
            t[k] = static_cast<std::int32_t>(std::uint32_t{1} << k);
        return t;
    }();
    return table;
}

std::array<std::int16_t, 16>& Int_Table()
{
    static std::array<std::int16_t, 16> table = [] {
        std::array<std::int16_t, 16> t{};
        for (int k = 0; k < 16; ++k)
            t[k] = static_cast<std::int16_t>(static_cast<std::uint16_t>(1u << k));
        return t;
    }();
    return table;
}

} // namespace

const Char_Set_Table& Char_Sets()
{
    return Table();
}

const Char_Set& Char_Sets(int index)
{
    if (index < 0 || index >= CHAR_SET_COUNT)
        throw std::out_of_range("character set number out of range");
    return Table()[static_cast<std::size_t>(index)];
}

void Init_Char_Sets()
{
    Table() = Build_Char_Sets();
}

void Init_Utils()
{
    Init_Char_Sets();
    Long_Table();
    Int_Table();
}

const std::array<std::int32_t, 32>& Pow2_Long()
{
    return Long_Table();
}

const std::array<std::int16_t, 16>& Pow2_Int()
{
    return Int_Table();
}

QChar Upper_Char(QChar c)
{
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        return QChar(c.unicode() - 'a' + 'A');
    if (c.unicode() < 128)
        return c;
    const QChar upper = c.toUpper();
    return upper.unicode() < 128 ? c : upper;
}

QString Upper_Text(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = Upper_Char(c);
    return result;
}

bool Text_In_Set(const QString& text, int char_set)
{
    const Char_Set& set = Char_Sets(char_set);
    for (const QChar c : text)
        if (!set.Admits(c))
            return false;
    return true;
}

int Filter_KeyAscii(int key_ascii, int char_set)
{
    constexpr int BACKSPACE = 8;
    if (key_ascii == BACKSPACE)
        return BACKSPACE;
    if (key_ascii <= 0 || key_ascii > 0xFFFF)
        return 0;
    const Char_Set& set = Char_Sets(char_set);
    QChar c(static_cast<char16_t>(key_ascii));
    if (set.To_Upper)
        c = Upper_Char(c);
    if (!set.Admits(c))
        return 0;
    return c.unicode();
}

} // namespace core
