#include "EXGM/EXGM_CropBoxTool.h"

#include "PDFL/PDFL_CorCalls5.h"

EXGM_CropBoxTool gCropBoxTool;

HostAtom EXGM_CropBoxTool::GetType() { return Core_AtomFromName("ORBA:EXGM_CropBoxTool"); }
int32_t EXGM_CropBoxTool::GetColorID() { return 1001; }
BoxKind EXGM_CropBoxTool::GetBoxKind() { return kCropBox; }
void EXGM_CropBoxTool::GetBox(HostPage page, FixedRect& out) { EXGM_GetCropBox(page, &out); }
void EXGM_CropBoxTool::SetBox(HostPage page, const FixedRect& box) { EXGM_SetCropBox(page, box); }
