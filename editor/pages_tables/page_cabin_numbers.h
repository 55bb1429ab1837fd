#pragma once

#include "editor/pages/page_frame.h"

// The page "Cabin Phone Numbers". Its items are added to the frame's item areas.
class Page_Cabin_Numbers : public Page_Frame {
    Q_OBJECT
public:
    Page_Cabin_Numbers();
    void SetVisiblity(bool bSecured, bool bUser) override;
};
