#pragma once

#include "editor/pages/page_frame.h"

// The page "HSD Configuration Presets". Its items are added to the frame's item areas.
class Page_HSD_Cnfg : public Page_Frame {
    Q_OBJECT
public:
    Page_HSD_Cnfg();
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;
};
