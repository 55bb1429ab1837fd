#include "editor/core/failure_mask.h"

#include "editor/core/text_helpers.h"

namespace core {

namespace {

// Zero-based positions of the line's columns.
constexpr qsizetype LEVEL1_POS = 1;
constexpr qsizetype SRU_POS = 10;
constexpr qsizetype FAIL_POS = 16;
constexpr qsizetype TYPE_POS = 26;

// The note behind the mask type of a line whose SRU code has no character.
const QString UNKNOWN_SRU_NOTE = QStringLiteral("   (SRU code ");

constexpr std::uint32_t SRU_FLAG = 1u << 26;
constexpr std::uint32_t TYPE_INDICTMENT_BIT = 1u << 24;
constexpr std::uint32_t TYPE_FAILURE_BIT = 1u << 25;

QString hex_byte(std::uint32_t value)
{
    return Pad_Zeros(QString::number(value & 0xFF, 16).toUpper(), 2);
}

int hex_digit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// Two hexadecimal digits at pos, or the type-mismatch error.
std::uint32_t read_hex_code(const QString& line, qsizetype pos)
{
    if (line.size() < pos + 2)
        throw Failure_Entry_Error();
    const int high = hex_digit(line[pos]);
    const int low = hex_digit(line[pos + 1]);
    if (high < 0 || low < 0)
        throw Failure_Entry_Error();
    return static_cast<std::uint32_t>(high * 16 + low);
}

} // namespace

Failure_Entry_Error::Failure_Entry_Error() : std::runtime_error("Type mismatch") {}

int Failure_Mask_Type(std::uint32_t word) { return static_cast<int>((word >> 24) & 3u); }

int Failure_Mask_SRU(std::uint32_t word)
{
    return static_cast<int>(((word >> 16) & 0xF0u) | ((word >> 8) & 0x0Fu));
}

bool SRU_Has_Char(int sru) { return sru >= 0 && sru <= 35; }

QChar SRU_Char(int sru)
{
    if (sru >= 0 && sru <= 9)
        return QChar(u'0' + sru);
    if (sru >= 10 && sru <= 35)
        return QChar(static_cast<char16_t>(sru + 55));
    // Only a damaged or foreign file holds these: no character spells them.
    return QLatin1Char('?');
}

int SRU_Value(QChar c)
{
    const int code = c.unicode();
    if (code >= 48 && code <= 58)
        return code - 48;
    if (code >= 65)
        return code - 55;
    return code;
}

QString Failure_Entry_To_Text(std::uint32_t word)
{
    const int sru = Failure_Mask_SRU(word);
    QString type_text;
    switch (Failure_Mask_Type(word)) {
    case 1: type_text = MASK_TYPE_INDICTMENT; break;
    case 2: type_text = MASK_TYPE_FAILURE; break;
    default: type_text = MASK_TYPE_UNKNOWN; break;
    }
    return Format_Failure_Entry(hex_byte(word >> 12), QString(SRU_Char(sru)), hex_byte(word), type_text);
}

QString Unknown_SRU_Line(std::uint32_t word)
{
    return Failure_Entry_To_Text(word) + UNKNOWN_SRU_NOTE + hex_byte(static_cast<std::uint32_t>(Failure_Mask_SRU(word)))
           + QStringLiteral("(Hex) unknown)");
}

std::uint32_t Text_To_Failure_Entry(const QString& line)
{
    const std::uint32_t level1 = read_hex_code(line, LEVEL1_POS);
    if (line.size() <= SRU_POS)
        throw Failure_Entry_Error();
    const auto sru = static_cast<std::uint32_t>(SRU_Value(line[SRU_POS]));
    const std::uint32_t fail = read_hex_code(line, FAIL_POS);

    std::uint32_t word = 0;
    if (sru > 15)
        word |= SRU_FLAG;
    word |= (Get_Mask_Type(line) == MASK_TYPE_INDICTMENT) ? TYPE_INDICTMENT_BIT : TYPE_FAILURE_BIT;
    word |= ((sru << 16) & 0xF00000u) | ((level1 << 12) & 0xFF000u) | ((sru << 8) & 0xF00u) | (fail & 0xFFu);
    return word;
}

QString Format_Failure_Entry(const QString& level1, const QString& sru, const QString& fail,
                             const QString& mask_type)
{
    return QLatin1Char(' ') + Pad_Zeros(level1, 2) + QString(7, QLatin1Char(' ')) + sru.toUpper()
           + QString(5, QLatin1Char(' ')) + Pad_Zeros(fail, 2) + QString(8, QLatin1Char(' ')) + mask_type;
}

QString Get_Level1_Code(const QString& line) { return line.mid(LEVEL1_POS, 2); }

QString Get_SRU_Code(const QString& line) { return line.mid(SRU_POS, 1); }

QString Get_Fail_Code(const QString& line) { return line.mid(FAIL_POS, 2); }

QString Get_Mask_Type(const QString& line)
{
    const QString type = line.mid(TYPE_POS);
    const qsizetype note = type.indexOf(UNKNOWN_SRU_NOTE);
    return note < 0 ? type : type.left(note);
}

} // namespace core
