#pragma once
// The load part number 23CC-MMM-SSS-SS: "23", two check characters, the
// manufacturer identifier and the product identifier split 3 + 2.

#include <QByteArray>

namespace quarnel {

struct Part_Number {
    QByteArray base;             // "23" + MMM + SSSSS, 10 characters
    QByteArray load_part_number; // 15 characters, dashed
};

// Identifiers shorter than their field (3 and 5) are filled with blanks,
// longer ones cut; the check value is the exclusive OR of the ten base
// characters as two upper-case hexadecimal digits.
Part_Number buildPartNumber(const QByteArray& manufacturer, const QByteArray& product);

// The file base name MMMSSSSS: the base without its "23".
QByteArray File_Base_Name(const QByteArray& base);

} // namespace quarnel
