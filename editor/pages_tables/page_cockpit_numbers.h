#pragma once

#include "editor/pages/page_frame.h"

// The page "Cockpit Phone Numbers". Its items are added to the frame's item areas.
class Page_Cockpit_Numbers : public Page_Frame {
    Q_OBJECT
public:
    Page_Cockpit_Numbers();
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;
};
