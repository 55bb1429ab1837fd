#pragma once

#include "editor/pages/page_frame.h"

// The page "General Presets". Its items are added to the frame's item areas.
class Page_General : public Page_Frame {
    Q_OBJECT
public:
    Page_General();
};
