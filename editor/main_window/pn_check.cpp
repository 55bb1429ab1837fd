#include "editor/main_window/pn_check.h"

namespace main_window {

namespace {

constexpr const char* RESERVED_CODES[] = {"QZA", "QZB", "QZC", "QZD", "QZE",
                                          "QZF", "QZV", "QZJ", "QZK", "QZL"};

constexpr const char* LAST_INSTRUCTION =
    "* Press the \"Make ARINC 665 PN\" button to add the check characters.";

struct Instruction_Row {
    PN_Use Use;
    const char* Lines[3];
};

constexpr Instruction_Row INSTRUCTIONS[] = {
    {PN_Use::Confirm,
     {"Confirm the Part Number listed is correct. If not correct it.",
      "* Enter a new Manufacturing Code.", "* Enter a new Product Identifier."}},
    {PN_Use::Change,
     {"Change part number because one or more ORT data item's value has changed.",
      "* Change the Manufacturing Code.", "* Change the Product Identifier."}},
    {PN_Use::Modify,
     {"Modify or Clear part number.", "* Change the Manufacturing Code.",
      "* Change the Product Identifier."}},
};

const QString CRLF = QStringLiteral("\r\n");

} // namespace

QString Cleared_PN() { return QString(PN_LENGTH, QLatin1Char('-')); }
QString Cleared_Man_Code() { return QString(PN_MAN_CODE_LENGTH, QLatin1Char('-')); }
QString Cleared_Product_Id() { return QString(PN_PRODUCT_ID_LENGTH, QLatin1Char('-')); }

bool Is_Cleared_Form(const QString& man_code, const QString& product_id)
{
    return man_code == Cleared_Man_Code() && product_id == Cleared_Product_Id();
}

std::uint8_t Calc_PN_Check(const QString& text)
{
    std::uint8_t check = 0;
    for (const QChar c : text) {
        if (c != QLatin1Char('-'))
            check ^= static_cast<std::uint8_t>(c.unicode() & 0xFF);
    }
    return check;
}

QString PN_Check_Text(std::uint8_t value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QString Compose_PN(const QString& man_code, const QString& product_id, bool cleared_form_allowed)
{
    if (cleared_form_allowed && Is_Cleared_Form(man_code, product_id))
        return Cleared_PN();
    return man_code + PN_Check_Text(Calc_PN_Check(man_code + product_id)) + product_id;
}

QString PN_Man_Code(const QString& part_number) { return part_number.left(PN_MAN_CODE_LENGTH); }

QString PN_Product_Id(const QString& part_number)
{
    return part_number.mid(PN_MAN_CODE_LENGTH + 2, PN_PRODUCT_ID_LENGTH);
}

std::span<const char* const> Reserved_Man_Codes() { return RESERVED_CODES; }

bool Is_Reserved_Man_Code(const QString& man_code)
{
    for (const char* code : RESERVED_CODES) {
        if (man_code == QLatin1String(code))
            return true;
    }
    return false;
}

QString Man_Code_Warning(const QString& man_code)
{
    if (man_code.size() < PN_MAN_CODE_LENGTH)
        return QStringLiteral("Manufacturer's Code must be 3 characters.");
    if (Is_Reserved_Man_Code(man_code))
        return QStringLiteral("Warning, Only Quendrall created ORTs can use the\"") + man_code +
               QStringLiteral("\" Manufacturer's Code.");
    return QString();
}

QString Product_Id_Warning(const QString& product_id)
{
    if (product_id.size() < PN_PRODUCT_ID_LENGTH)
        return QStringLiteral("Product Identifier must be 10 characters.");
    return QString();
}

bool PN_Fields_Full(const QString& man_code, const QString& product_id)
{
    return man_code.size() == PN_MAN_CODE_LENGTH && product_id.size() == PN_PRODUCT_ID_LENGTH;
}

QStringList PN_Instruction_Lines(PN_Use use)
{
    QStringList lines;
    for (const Instruction_Row& row : INSTRUCTIONS) {
        if (row.Use != use)
            continue;
        for (const char* line : row.Lines)
            lines << QString::fromLatin1(line);
        lines << QString::fromLatin1(LAST_INSTRUCTION);
    }
    return lines;
}

QString PN_Instruction_Text(PN_Use use) { return PN_Instruction_Lines(use).join(CRLF); }

QString PN_Dialog_Caption() { return QStringLiteral("ARINC 665 Part Number"); }

QString PN_New_Number_Needed_Text()
{
    return QStringLiteral("A new part number is needed because") + CRLF +
           QStringLiteral("one or more ORT data item's value has changed.");
}

bool PN_Is_Unchanged(const QString& part_number, std::span<const QString> earlier_numbers)
{
    for (const QString& earlier : earlier_numbers) {
        if (part_number == earlier)
            return true;
    }
    return false;
}

} // namespace main_window
