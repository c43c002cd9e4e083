// The rectangle tool of the page's MediaBox.
#pragma once

#include "EXGM/EXGM_RectTool.h"

class EXGM_MediaBoxTool : public EXGM_RectTool {
public:
    EXGM_MediaBoxTool();
};

extern EXGM_MediaBoxTool gMediaBoxTool;
