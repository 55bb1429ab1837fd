#pragma once

#include "editor/pages/page_frame.h"

// The page "Cockpit Comm Presets". Its items are added to the frame's item areas.
class Page_Cockpit_Voice : public Page_Frame {
    Q_OBJECT
public:
    Page_Cockpit_Voice();
    void Dual(bool bDual) override;
};
