#pragma once

#include "editor/pages/page_frame.h"

// The page "Cabin APHONE Presets". Its items are added to the frame's item areas.
class Page_Cabin : public Page_Frame {
    Q_OBJECT
public:
    Page_Cabin();
};
