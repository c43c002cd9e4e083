#include "EXGM/EXGM_ArtBoxTool.h"

#include "PDFL/PDFL_CorCalls5.h"

EXGM_ArtBoxTool gArtBoxTool;

HostAtom EXGM_ArtBoxTool::GetType() { return Core_AtomFromName("ORBA:EXGM_ArtBoxTool"); }
int32_t EXGM_ArtBoxTool::GetColorID() { return 1004; }
BoxKind EXGM_ArtBoxTool::GetBoxKind() { return kArtBox; }
void EXGM_ArtBoxTool::GetBox(HostPage page, FixedRect& out) { EXGM_GetArtBox(page, &out); }
void EXGM_ArtBoxTool::SetBox(HostPage page, const FixedRect& box) { EXGM_SetArtBox(page, box); }
