#pragma once

#include "editor/pages/page_frame.h"

// The page "GES and Satellite Data". Its items are added to the frame's item areas.
class Page_Sat_GES : public Page_Frame {
    Q_OBJECT
public:
    Page_Sat_GES();
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;
};
