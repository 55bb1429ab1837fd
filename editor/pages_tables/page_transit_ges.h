#pragma once

#include "editor/pages/page_frame.h"

// The page "Auto Transit Call GES Table". Its items are added to the frame's item areas.
class Page_Transit_GES : public Page_Frame {
    Q_OBJECT
public:
    Page_Transit_GES();
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;
};
