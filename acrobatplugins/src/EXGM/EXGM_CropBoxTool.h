// The rectangle tool of the page's CropBox.
#pragma once

#include "EXGM/EXGM_RectTool.h"

class EXGM_CropBoxTool : public EXGM_RectTool {
public:
    EXGM_CropBoxTool();
};

extern EXGM_CropBoxTool gCropBoxTool;
