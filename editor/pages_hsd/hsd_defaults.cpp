#include "editor/pages_hsd/hsd_defaults.h"

#include "editor/core/ort_types.h"
#include "editor/core/text_helpers.h"
#include "editor/core/value_helpers.h"

namespace User_Mod {

namespace {

using Octets = std::array<std::uint8_t, 4>;

std::uint8_t Octet_At(const Octets& octets, std::int16_t index)
{
    if (index < 0 || index >= static_cast<std::int16_t>(octets.size()))
        return 0;
    return octets[static_cast<std::size_t>(index)];
}

LES_Table Make_Default_LES()
{
    struct Row {
        std::uint8_t sat;
        std::int16_t les;
        std::uint8_t pref;
    };
    // Satellite 2 has LES 22 where the other satellites have 555.
    static constexpr Row rows[LES_DEFAULT_COUNT] = {
        {0, 1, 1}, {0, 12, 1}, {0, 555, 1}, {1, 1, 1}, {1, 12, 1}, {1, 555, 1},
        {2, 1, 1}, {2, 12, 1}, {2, 22, 1},  {3, 1, 1}, {3, 12, 1}, {3, 555, 1},
    };
    LES_Table table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = Make_LES_Element(rows[i].sat, rows[i].les, rows[i].pref);
    return table;
}

} // namespace

LES_Element Make_LES_Element(std::uint8_t sat_id, std::int16_t les_id, std::uint8_t preference)
{
    const auto raw = static_cast<std::uint16_t>(les_id);
    LES_Element element;
    element.Sat_ID = sat_id;
    element.LES_ID = {static_cast<std::uint8_t>(raw >> 8), static_cast<std::uint8_t>(raw & 0xFF)};
    element.Preference = preference;
    return element;
}

std::int16_t LES_ID_Value(const LES_Element& element)
{
    const auto raw = static_cast<std::uint16_t>((element.LES_ID[0] << 8) | element.LES_ID[1]);
    return static_cast<std::int16_t>(raw);
}

const LES_Table& Default_MISDN_LES()
{
    static const LES_Table table = Make_Default_LES();
    return table;
}

const LES_Table& Default_MPDS_LES()
{
    static const LES_Table table = Make_Default_LES();
    return table;
}

QString Format_LES_Entry(const LES_Element& element)
{
    const QString blanks = QStringLiteral("  ");
    return core::Pad_Zeros(core::To_Octal(element.Sat_ID), 2) + blanks
           + core::Pad_Field(true, false, QString::number(LES_ID_Value(element)), 3,
                             QStringLiteral(" "))
           + blanks + QString::number(element.Preference);
}

std::uint8_t Default_72a1(std::int16_t index)
{
    return Octet_At({192, 168, 0, 1}, index);
}

std::uint8_t Default_72a2(std::int16_t index)
{
    if (core::Versions().User_Current.Airframer_Level != 0)
        return Octet_At({172, 27, 2, 194}, index);
    return Standard_72a2(index);
}

std::uint8_t Standard_72a2(std::int16_t index)
{
    return Octet_At({192, 168, 1, 1}, index);
}

std::uint8_t Default_72b1(std::int16_t index)
{
    return Octet_At({192, 168, 0, 2}, index);
}

std::uint8_t Default_72b2(std::int16_t index)
{
    return Octet_At({192, 168, 1, 2}, index);
}

std::uint8_t Default_73(std::int16_t index)
{
    return Octet_At({255, 255, 255, 0}, index);
}

std::uint8_t Default_75(std::int16_t index)
{
    return Octet_At({192, 168, 0, 100}, index);
}

} // namespace User_Mod
