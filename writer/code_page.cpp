#include "writer/code_page.h"

#include <array>

namespace quarnel {

namespace {

// Code points of bytes 0x80 to 0x9F; the rest of the page equals Latin-1.
// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D are undefined and keep their value.
constexpr std::array<char16_t, 32> kHighBlock{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char Ansi_Byte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighBlock.size(); ++i)
        if (kHighBlock[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QByteArray To_Ansi(platform::component::BStr text)
{
    QByteArray out;
    if (!text)
        return out;
    for (const char16_t* p = text; *p; ++p) {
        const char16_t u = *p;
        if (u >= 0xD800 && u <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
            ++p; // a pair is one code point, outside the page
            out += '?';
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            out += '?';
        } else {
            out += Ansi_Byte(u);
        }
    }
    return out;
}

QByteArray To_Ansi(const QString& text)
{
    return To_Ansi(platform::component::To_BStr(text));
}

QString From_Ansi(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += QChar(b >= 0x80 && b <= 0x9F ? kHighBlock[b - 0x80] : char16_t(b));
    }
    return out;
}

} // namespace quarnel
