#include "editor/user_partition/user_v8_fields.h"

#include <limits>

namespace User_Mod {

namespace {

bool Fits(core::Enc enc, std::int64_t value)
{
    switch (enc) {
    case core::Enc::U8:
        return value >= 0 && value <= std::numeric_limits<std::uint8_t>::max();
    case core::Enc::I8:
        return value >= std::numeric_limits<std::int8_t>::min()
               && value <= std::numeric_limits<std::int8_t>::max();
    case core::Enc::U16:
        return value >= 0 && value <= std::numeric_limits<std::uint16_t>::max();
    case core::Enc::I16:
        return value >= std::numeric_limits<std::int16_t>::min()
               && value <= std::numeric_limits<std::int16_t>::max();
    case core::Enc::U32:
        return value >= 0 && value <= std::numeric_limits<std::uint32_t>::max();
    case core::Enc::I32:
        return value >= std::numeric_limits<std::int32_t>::min()
               && value <= std::numeric_limits<std::int32_t>::max();
    case core::Enc::Text:
    case core::Enc::Bytes:
        return false;
    }
    return false;
}

} // namespace

void Put_Number(core::Record& record, int id, std::int64_t value, int index)
{
    const core::Field_Def& field = record.Field(id);
    if (!Fits(field.enc, value))
        throw core::Record_Error(QStringLiteral("%1: %2 does not fit the field")
                                     .arg(QLatin1String(field.name))
                                     .arg(value));
    record.Set(id, value, index);
}

std::int64_t Text_Number(const QString& text, int base, const char* field)
{
    bool ok = false;
    const std::int64_t value = text.trimmed().toLongLong(&ok, base);
    if (!ok)
        throw core::Record_Error(QStringLiteral("%1: \"%2\" is no number")
                                     .arg(QLatin1String(field), text));
    return value;
}

} // namespace User_Mod
