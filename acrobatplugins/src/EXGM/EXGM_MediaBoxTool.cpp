#include "EXGM/EXGM_MediaBoxTool.h"

#include "PDFL/PDFL_CorCalls5.h"

EXGM_MediaBoxTool gMediaBoxTool;

HostAtom EXGM_MediaBoxTool::GetType() { return Core_AtomFromName("ORBA:EXGM_MediaBoxTool"); }
int32_t EXGM_MediaBoxTool::GetColorID() { return 1002; }
BoxKind EXGM_MediaBoxTool::GetBoxKind() { return kMediaBox; }
void EXGM_MediaBoxTool::GetBox(HostPage page, FixedRect& out) { EXGM_GetMediaBox(page, &out); }
void EXGM_MediaBoxTool::SetBox(HostPage page, const FixedRect& box) { EXGM_SetMediaBox(page, box); }
