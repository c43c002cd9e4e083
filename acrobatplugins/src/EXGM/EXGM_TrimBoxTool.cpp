#include "EXGM/EXGM_TrimBoxTool.h"

#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_PDCalls5.h"

EXGM_TrimBoxTool gTrimBoxTool;

HostAtom EXGM_TrimBoxTool::GetType() { return Core_AtomFromName("ORBA:EXGM_TrimBoxTool"); }
int32_t EXGM_TrimBoxTool::GetColorID() { return 1003; }
BoxKind EXGM_TrimBoxTool::GetBoxKind() { return kTrimBox; }
void EXGM_TrimBoxTool::GetBox(HostPage page, FixedRect& out) { EXGM_GetTrimBox(page, &out); }
// Written through a page acquired for the write, so that the page stays held while both keys change.
void EXGM_TrimBoxTool::SetBox(HostPage page, const FixedRect& box) {
    const HostPage held = Model_AcquirePage(Model_DocOfPage(page), Model_PageNumber(page));
    EXGM_SetTrimBox(held, box);
    Model_ReleasePage(held);
}
