#include "EXGM/EXGM_TrimTool.h"

#include "EXGM/EXGM_EditTrimDialog.h"
#include "EXGM/EXGM_TrimBoxTool.h"
#include "PDFL/PDFL_CorCalls5.h"

EXGM_TrimTool gTrimTool;

HostAtom EXGM_TrimTool::GetType() { return Core_AtomFromName("ORBA:EXGM_TrimTool"); }
EXGM_RectTool* EXGM_TrimTool::GetTool(int) { return &gTrimBoxTool; }
int EXGM_TrimTool::GetToolCount() { return 1; }
int EXGM_TrimTool::GetCurrentIndex() { return 0; }
void EXGM_TrimTool::SetCurrentIndex(int) {}
EXGM_EditDialog& EXGM_TrimTool::Dialog() { return gTrimDialog; }
uint16_t EXGM_TrimTool::DialogTemplate() { return 130; }

void EXGM_TrimTool::DidRegister() {
    EXGM_EditDialogTool::DidRegister();
    gTrimBoxTool.AddListener(&gTrimDialog);
}

void EXGM_TrimTool::WillUnregister() {
    EXGM_EditDialogTool::WillUnregister();
    gTrimBoxTool.RemoveListener(&gTrimDialog);
}
