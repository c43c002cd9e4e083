// The rectangle tool of the page's BleedBox.
#pragma once

#include "EXGM/EXGM_RectTool.h"

class EXGM_BleedBoxTool : public EXGM_RectTool {
public:
    EXGM_BleedBoxTool();
};

extern EXGM_BleedBoxTool gBleedBoxTool;
