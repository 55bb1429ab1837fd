#include "editor/core/record_layout.h"

#include "platform/big_endian.h"

#include <algorithm>
#include <vector>

namespace core {

namespace {

int stride_of(const Field_Def& f) { return f.stride ? f.stride : f.width; }

bool is_number(Enc e) { return e != Enc::Text && e != Enc::Bytes; }

int number_width(Enc e)
{
    switch (e) {
    case Enc::U8: case Enc::I8: return 1;
    case Enc::U16: case Enc::I16: return 2;
    case Enc::U32: case Enc::I32: return 4;
    default: return 0;
    }
}

} // namespace

Record::Record(Layout layout, int length) : layout_(layout), bytes_(length, '\0') {}

void Record::Set_Bytes(const QByteArray& bytes)
{
    if (bytes.size() != bytes_.size())
        throw Record_Error(QStringLiteral("record length %1, expected %2").arg(bytes.size()).arg(bytes_.size()));
    bytes_ = bytes;
}

void Record::Clear() { bytes_.fill('\0'); }

const Field_Def& Record::Field(int id) const
{
    // Layouts list their fields in id order, so the id is mostly the index.
    if (id >= 0 && static_cast<std::size_t>(id) < layout_.size() && layout_[static_cast<std::size_t>(id)].id == id)
        return layout_[static_cast<std::size_t>(id)];
    for (const Field_Def& f : layout_)
        if (f.id == id)
            return f;
    throw Record_Error(QStringLiteral("no field %1 in layout").arg(id));
}

int Record::Offset_Of(int id, int index) const
{
    const Field_Def& f = Field(id);
    if (index < 0 || index >= f.count)
        throw Record_Error(QStringLiteral("%1: element %2 of %3").arg(QLatin1String(f.name)).arg(index).arg(f.count));
    return f.offset + index * stride_of(f);
}

std::int64_t Record::Get(int id, int index) const
{
    const Field_Def& f = Field(id);
    const int at = Offset_Of(id, index);
    switch (f.enc) {
    case Enc::U8: return platform::Get_U8(bytes_, at);
    case Enc::I8: return platform::Get_I8(bytes_, at);
    case Enc::U16: return platform::Get_U16(bytes_, at);
    case Enc::I16: return platform::Get_I16(bytes_, at);
    case Enc::U32: return platform::Get_U32(bytes_, at);
    case Enc::I32: return platform::Get_I32(bytes_, at);
    default: throw Record_Error(QStringLiteral("%1 is not a number").arg(QLatin1String(f.name)));
    }
}

void Record::Set(int id, std::int64_t value, int index)
{
    const Field_Def& f = Field(id);
    const int at = Offset_Of(id, index);
    switch (number_width(f.enc)) {
    case 1: platform::Put_U8(bytes_, at, static_cast<std::uint8_t>(value)); break;
    case 2: platform::Put_U16(bytes_, at, static_cast<std::uint16_t>(value)); break;
    case 4: platform::Put_U32(bytes_, at, static_cast<std::uint32_t>(value)); break;
    default: throw Record_Error(QStringLiteral("%1 is not a number").arg(QLatin1String(f.name)));
    }
}

QString Record::Get_Text(int id, int index) const
{
    const Field_Def& f = Field(id);
    return platform::Get_Text(bytes_, Offset_Of(id, index), f.width);
}

void Record::Set_Text(int id, const QString& text, int index)
{
    const Field_Def& f = Field(id);
    platform::Put_Text(bytes_, Offset_Of(id, index), f.width, text, '\0');
}

QByteArray Record::Get_Raw(int id, int index) const
{
    const Field_Def& f = Field(id);
    return platform::Get_Bytes(bytes_, Offset_Of(id, index), f.width);
}

void Record::Set_Raw(int id, const QByteArray& bytes, int index)
{
    const Field_Def& f = Field(id);
    if (bytes.size() != f.width)
        throw Record_Error(QStringLiteral("%1: %2 bytes for a field of %3").arg(QLatin1String(f.name)).arg(bytes.size()).arg(f.width));
    platform::Put_Bytes(bytes_, Offset_Of(id, index), bytes);
}

QString Check_Layout(Layout layout, int length)
{
    struct Span { int begin, end; const char* name; };
    std::vector<Span> spans;
    for (const Field_Def& f : layout) {
        if (f.width <= 0 || f.count <= 0)
            return QStringLiteral("%1: empty field").arg(QLatin1String(f.name));
        if (is_number(f.enc) && number_width(f.enc) != f.width)
            return QStringLiteral("%1: width %2 does not fit its encoding").arg(QLatin1String(f.name)).arg(f.width);
        if (f.count > 1 && stride_of(f) < f.width)
            return QStringLiteral("%1: stride below width").arg(QLatin1String(f.name));
        for (const Field_Def& g : layout)
            if (&g != &f && g.id == f.id)
                return QStringLiteral("%1: id used twice").arg(QLatin1String(f.name));
        for (int i = 0; i < f.count; ++i) {
            const int begin = f.offset + i * stride_of(f);
            if (begin < 0 || begin + f.width > length)
                return QStringLiteral("%1[%2]: outside the record").arg(QLatin1String(f.name)).arg(i);
            spans.push_back({begin, begin + f.width, f.name});
        }
    }
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
    for (size_t i = 1; i < spans.size(); ++i)
        if (spans[i].begin < spans[i - 1].end)
            return QStringLiteral("%1 overlaps %2").arg(QLatin1String(spans[i].name), QLatin1String(spans[i - 1].name));
    return QString();
}

} // namespace core
