#include "EXGM/EXGM_BleedBoxTool.h"

#include "PDFL/PDFL_CorCalls5.h"

EXGM_BleedBoxTool gBleedBoxTool;

HostAtom EXGM_BleedBoxTool::GetType() { return Core_AtomFromName("ORBA:EXGM_BleedBoxTool"); }
int32_t EXGM_BleedBoxTool::GetColorID() { return 1005; }
BoxKind EXGM_BleedBoxTool::GetBoxKind() { return kBleedBox; }
void EXGM_BleedBoxTool::GetBox(HostPage page, FixedRect& out) { EXGM_GetBleedBox(page, &out); }
void EXGM_BleedBoxTool::SetBox(HostPage page, const FixedRect& box) { EXGM_SetBleedBox(page, box); }
