#pragma once

#include "editor/pages/page_frame.h"

// The page "Dual Presets". Its items are added to the frame's item areas.
class Page_Dual : public Page_Frame {
    Q_OBJECT
public:
    Page_Dual();
    void Dual(bool bDual) override;
};
