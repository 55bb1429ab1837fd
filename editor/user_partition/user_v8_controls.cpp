#include "editor/user_partition/user_v8_controls.h"

#include "editor/page_set/page_set.h"

#include <QLineEdit>

namespace User_Mod {

std::vector<Cabin_Slot> Cabin_Slots(Page_Set& pages)
{
    Page_Cabin_Numbers& page = pages.Cabin_Numbers();
    std::vector<Cabin_Slot> cabin_slots;
    for (int i = 1; i <= Page_Cabin_Numbers::SLOT_COUNT; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const QString n = QString::number(i);
        cabin_slots.push_back({page.Control_16_Sat1_ChA[at], nullptr, 2 * i, 0,
                         QStringLiteral("xvi - APHONE A, ") + n + QStringLiteral(", SDU 1")});
        cabin_slots.push_back({page.Control_16_Sat1_ChB[at], page.Control_16_Sat1_ChB[at], 2 * i + 1, 0,
                         QStringLiteral("xvi - APHONE B, ") + n + QStringLiteral(", SDU 1")});
        cabin_slots.push_back({page.Control_16_Sat2_ChA[at], nullptr, 20 + 2 * i, 1,
                         QStringLiteral("xvi - APHONE A, ") + n + QStringLiteral(", SDU 2")});
        cabin_slots.push_back({page.Control_16_Sat2_ChB[at], page.Control_16_Sat2_ChB[at], 21 + 2 * i, 1,
                         QStringLiteral("xvi - APHONE B, ") + n + QStringLiteral(", SDU 2")});
    }
    return cabin_slots;
}

} // namespace User_Mod
