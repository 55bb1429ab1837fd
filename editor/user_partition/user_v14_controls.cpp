#include "editor/user_partition/user_v14_controls.h"

#include "editor/page_set/page_set.h"

#include <array>

namespace User_Mod {

std::array<std::array<QLineEdit*, 4>*, 13> Address_Boxes(Page_Set& pages)
{
    Page_HSD_Cnfg& c = pages.HSD_Cnfg();
    return {&c.Control_72a1, &c.Control_72a2, &c.Control_72b1, &c.Control_72b2,
            &c.Control_73a1, &c.Control_73a2, &c.Control_73b1, &c.Control_73b2,
            &c.Control_74a1, &c.Control_74a2, &c.Control_74b1, &c.Control_74b2,
            &c.Control_75};
}

} // namespace User_Mod
