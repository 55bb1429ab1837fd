#include "editor/document/change_check.h"

#include "editor/core/crc_utils.h"
#include "editor/core/ort_types.h"
#include "editor/document/ort_writer.h"

namespace Change_Check {

Comparison Compare_With_Baseline(Page_Set& pages, std::uint16_t baseline)
{
    const std::int32_t type = core::Versions().ORT_Type;
    Ort_Writer::Update_ORT_Data(pages, type);
    const std::uint16_t crc = core::Calc_CRC16(Ort_Writer::Records_Data(type));
    return {crc != baseline, crc};
}

bool Check_ORT_Changed(Page_Set& pages, std::uint16_t& last_saved_crc)
{
    const Comparison result = Compare_With_Baseline(pages, last_saved_crc);
    if (result.Changed)
        last_saved_crc = result.CRC;
    return result.Changed;
}

} // namespace Change_Check
