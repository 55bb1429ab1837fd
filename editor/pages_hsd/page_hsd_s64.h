#pragma once

#include "editor/pages/page_frame.h"

// The page "HSD Swift64 Service Presets". Its items are added to the frame's item areas.
class Page_HSD_S64 : public Page_Frame {
    Q_OBJECT
public:
    Page_HSD_S64();
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;
};
