#include "EXGM/EXGM_CropBoxTool.h"

EXGM_CropBoxTool gCropBoxTool;

EXGM_CropBoxTool::EXGM_CropBoxTool() : EXGM_RectTool(kCropBox, 1001, "ORBA:EXGM_CropBoxTool") {}
