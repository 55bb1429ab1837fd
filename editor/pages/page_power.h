#pragma once

#include "editor/pages/page_frame.h"

// The page "Power Control Presets". Its items are added to the frame's item areas.
class Page_Power : public Page_Frame {
    Q_OBJECT
public:
    Page_Power();
    void SetVisiblity(bool bSecured, bool bUser) override;
};
