#pragma once

#include "editor/pages/page_frame.h"

// The page "HSD SwiftBroadband Service Presets". Its items are added to the frame's item areas.
class Page_HSD_SBB : public Page_Frame {
    Q_OBJECT
public:
    Page_HSD_SBB();
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;
};
