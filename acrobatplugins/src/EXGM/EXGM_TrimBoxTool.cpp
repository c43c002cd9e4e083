#include "EXGM/EXGM_TrimBoxTool.h"

#include "PDFL/PDFL_PDCalls5.h"

EXGM_TrimBoxTool gTrimBoxTool;

EXGM_TrimBoxTool::EXGM_TrimBoxTool() : EXGM_RectTool(kTrimBox, 1003, "ORBA:EXGM_TrimBoxTool") {}

// Written through a page acquired for the write, so that the page stays held while both keys change.
void EXGM_TrimBoxTool::SetBox(HostPage page, const FixedRect& box) {
    const HostPage held = Model_AcquirePage(Model_DocOfPage(page), Model_PageNumber(page));
    EXGM_SetTrimBox(held, box);
    Model_ReleasePage(held);
}
