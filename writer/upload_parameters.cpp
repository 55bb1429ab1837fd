#include "writer/upload_parameters.h"

#include "writer/code_page.h"

namespace quarnel {

namespace {

bool Is_Alnum(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char Upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

QByteArray Upper(const QByteArray& text)
{
    QByteArray out = text;
    for (char& c : out)
        c = Upper(c);
    return out;
}

QString Set_Part_Number(QByteArray& field, const QByteArray& text, const char* format)
{
    if (text.size() > PART_NUMBER_LENGTH)
        return QString::fromLatin1(format).arg(PART_NUMBER_LENGTH);
    field = text.leftJustified(PART_NUMBER_LENGTH, ' ');
    return QString();
}

} // namespace

void resetParameters(Upload_Parameters& p)
{
    p = Upload_Parameters{};
}

QString Set_Diskette_Part_Number(Upload_Parameters& p, const QByteArray& text)
{
    return Set_Part_Number(p.diskette_part_number, text, "Diskette Part Number longer than %1 characters!");
}

QString Set_Data_File_Part_Number(Upload_Parameters& p, const QByteArray& text)
{
    return Set_Part_Number(p.data_file_part_number, text, "Data File Part Number longer than %1 characters!");
}

QString Set_Manufacturer_Identifier(Upload_Parameters& p, const QByteArray& text)
{
    if (text.size() != MANUFACTURER_ID_LENGTH)
        return QStringLiteral("The Manuafcturer ID must contain %1 alphanumeric characters!")
            .arg(MANUFACTURER_ID_LENGTH);
    const QByteArray upper = Upper(text);
    for (const char c : upper)
        if (!Is_Alnum(c))
            return QStringLiteral("Non-alphanumeric character entered for Manufacturer ID!");
    p.manufacturer_identifier = upper;
    return QString();
}

QString Set_Product_Identifier(Upload_Parameters& p, const QByteArray& text)
{
    if (text.size() != PRODUCT_ID_LENGTH)
        return QStringLiteral("The Product ID must contain %1 alphanumeric characters!")
            .arg(PRODUCT_ID_LENGTH);
    const QByteArray upper = Upper(text);
    for (const char c : upper) {
        if (!Is_Alnum(c))
            return QStringLiteral("Non-alphanumeric character entered for Product ID!");
        if (c == 'I' || c == 'O' || c == 'Q' || c == 'Z')
            return QStringLiteral("Invalid character 'I', 'O', 'Q', or 'Z'");
    }
    p.product_identifier = upper;
    return QString();
}

QString Set_ORT_File_Path(Upload_Parameters& p, const QString& path)
{
    const QByteArray ansi = To_Ansi(path);
    if (ansi.size() > MAX_PATH_LENGTH)
        return QStringLiteral("ORT file path longer than %1 characters!").arg(MAX_PATH_LENGTH);
    p.ort_file_path = ansi;
    p.ort_file_path_unicode = path;
    return QString();
}

bool Set_File_Type_Mode(Upload_Parameters& p, std::int32_t mode)
{
    if (mode < Boeing || mode > CNTRL) {
        p.file_mode = Boeing;
        return false;
    }
    p.file_mode = static_cast<en_File_Mode>(mode);
    return true;
}

QString Missing_Field_Text(const Upload_Parameters& p)
{
    if (p.diskette_part_number.isEmpty())
        return QStringLiteral("Diskette Part Number Invalid!");
    if (p.data_file_part_number.isEmpty())
        return QStringLiteral("Data File Part Number Invalid!");
    if (p.manufacturer_identifier.isEmpty())
        return QStringLiteral("Manufacturer ID Invalid!");
    if (p.product_identifier.isEmpty())
        return QStringLiteral("Product ID Invalid!");
    return QString();
}

} // namespace quarnel
