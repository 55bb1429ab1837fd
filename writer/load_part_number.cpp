#include "writer/load_part_number.h"

namespace quarnel {

namespace {

QByteArray Field(const QByteArray& text, int width)
{
    return text.leftJustified(width, ' ', true);
}

} // namespace

Part_Number buildPartNumber(const QByteArray& manufacturer, const QByteArray& product)
{
    const QByteArray base = (QByteArray("23") + Field(manufacturer, 3) + Field(product, 5)).left(10);
    unsigned check = 0;
    for (const char c : base)
        check ^= static_cast<unsigned char>(c);
    QByteArray pn = base;
    pn.insert(2, QByteArray::number(check, 16).toUpper().rightJustified(2, '0'));
    pn.insert(4, '-');
    pn.insert(8, '-');
    pn.insert(12, '-');
    return Part_Number{base, pn};
}

QByteArray File_Base_Name(const QByteArray& base)
{
    return base.mid(2);
}

} // namespace quarnel
