#pragma once

#include "editor/pages/page_frame.h"

// The page "PIMBIT Presets". Its items are added to the frame's item areas.
class Page_PIMBIT : public Page_Frame {
    Q_OBJECT
public:
    Page_PIMBIT();
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;
};
