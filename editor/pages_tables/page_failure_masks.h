#pragma once

#include "editor/pages/page_frame.h"

// The page "Failure Masking Data". Its items are added to the frame's item areas.
class Page_Failure_Masks : public Page_Frame {
    Q_OBJECT
public:
    Page_Failure_Masks();
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;
};
