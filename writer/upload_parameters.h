#pragma once
// The upload parameters of one writer object and the checks of their
// setters. The checks show no boxes: each answers the refusal text (empty
// when the value was stored), and the object shows it.

#include "writer/quarnel_interfaces.h"

#include <QByteArray>
#include <QString>

namespace quarnel {

inline constexpr int PART_NUMBER_LENGTH = 15;
inline constexpr int MANUFACTURER_ID_LENGTH = 3;
inline constexpr int PRODUCT_ID_LENGTH = 5;
inline constexpr int MAX_PATH_LENGTH = 260;

// Texts are single-byte Windows-1252.
struct Upload_Parameters {
    en_File_Mode file_mode = Boeing;
    QByteArray ort_file_path;      // folder prefix of every file, used unchanged
    QString ort_file_path_unicode; // the same path as the client gave it, for file access
    QByteArray part_number_base;   // "23" + MMM + SSSSS
    QByteArray load_part_number;   // 23CC-MMM-SSS-SS
    QByteArray product_identifier;
    QByteArray manufacturer_identifier;
    QByteArray data_file_part_number; // blank-padded to 15
    QByteArray diskette_part_number;  // blank-padded to 15
};

// Empties every text and sets the mode to Boeing.
void resetParameters(Upload_Parameters& p);

QString Set_Diskette_Part_Number(Upload_Parameters& p, const QByteArray& text);
QString Set_Data_File_Part_Number(Upload_Parameters& p, const QByteArray& text);
QString Set_Manufacturer_Identifier(Upload_Parameters& p, const QByteArray& text);
QString Set_Product_Identifier(Upload_Parameters& p, const QByteArray& text);
QString Set_ORT_File_Path(Upload_Parameters& p, const QString& path);
// Stores 0 to 3 and answers true; any other value stores Boeing and answers
// false (no refusal text: that setter shows no box).
bool Set_File_Type_Mode(Upload_Parameters& p, std::int32_t mode);

// The refusal text of the first empty field that validation needs, in the
// order diskette part number, data file part number, manufacturer
// identifier, product identifier; empty when all are present.
QString Missing_Field_Text(const Upload_Parameters& p);

} // namespace quarnel
