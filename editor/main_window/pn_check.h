#pragma once
// The ARINC 665 part number of an ORT, as the part-number dialogs compose it:
// a 3-character manufacturer's code, two upper-case hexadecimal check
// characters and a 10-character product identifier. Pure text work, no
// widgets.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

namespace main_window {

constexpr int PN_LENGTH = 15;
constexpr int PN_MAN_CODE_LENGTH = 3;
constexpr int PN_PRODUCT_ID_LENGTH = 10;

// The cleared part number and its two cleared fields.
QString Cleared_PN();          // 15 dashes
QString Cleared_Man_Code();    // "---"
QString Cleared_Product_Id();  // "----------"
bool Is_Cleared_Form(const QString& man_code, const QString& product_id);

// Exclusive OR of the character codes of every character that is not "-";
// 0 for an empty text.
std::uint8_t Calc_PN_Check(const QString& text);
// The check value as two upper-case hexadecimal digits ("00" to "FF").
QString PN_Check_Text(std::uint8_t value);

// Manufacturer's code + check characters + product identifier; the cleared
// form gives 15 dashes when cleared_form_allowed is set.
QString Compose_PN(const QString& man_code, const QString& product_id,
                   bool cleared_form_allowed = false);

// The two fields of a part number: characters 1-3 and 6-15.
QString PN_Man_Code(const QString& part_number);
QString PN_Product_Id(const QString& part_number);

// Codes that only the maker's own ORTs may carry, in the order tested.
std::span<const char* const> Reserved_Man_Codes();
bool Is_Reserved_Man_Code(const QString& man_code);

// The warning line of a field; empty when the field is good.
QString Man_Code_Warning(const QString& man_code);
QString Product_Id_Warning(const QString& product_id);
// Both fields full (the reserved-code warning does not count).
bool PN_Fields_Full(const QString& man_code, const QString& product_id);

// The three uses of the dialogs and their instruction lines.
enum class PN_Use { Confirm, Change, Modify };
QStringList PN_Instruction_Lines(PN_Use use);
// The lines joined by CR LF.
QString PN_Instruction_Text(PN_Use use);

// Caption of both dialogs, title of the change-mode refusal.
QString PN_Dialog_Caption();
// The change-mode refusal: the two lines joined by CR LF.
QString PN_New_Number_Needed_Text();

// The change-mode rule: the new part number must differ from every one of
// the configuration's stored defaults and the texts of both boxes.
bool PN_Is_Unchanged(const QString& part_number, std::span<const QString> earlier_numbers);

} // namespace main_window
