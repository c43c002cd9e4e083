#include "EXGM/EXGM_TrimTool.h"

#include "EXGM/EXGM_EditTrimDialog.h"
#include "EXGM/EXGM_TrimBoxTool.h"

EXGM_TrimTool gTrimTool;

EXGM_TrimTool::EXGM_TrimTool() : EXGM_EditDialogTool("ORBA:EXGM_TrimTool", gTrimDialog, 130) {}

EXGM_RectTool* EXGM_TrimTool::GetTool(int) { return &gTrimBoxTool; }
int EXGM_TrimTool::GetToolCount() { return 1; }
int EXGM_TrimTool::GetCurrentIndex() { return 0; }
void EXGM_TrimTool::SetCurrentIndex(int) {}
