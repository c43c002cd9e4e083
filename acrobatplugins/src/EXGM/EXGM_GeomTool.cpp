#include "EXGM/EXGM_GeomTool.h"

#include "EXGM/EXGM_EditGeomDialog.h"
#include "EXGM/EXGM_RectTool.h"

EXGM_GeomTool gGeomTool;

EXGM_GeomTool::EXGM_GeomTool() : EXGM_EditDialogTool("ORBA:EXGM_GeomTool", gGeomDialog, 128) {}

EXGM_RectTool* EXGM_GeomTool::GetTool(int index) { return EXGM_BoxToolFor(static_cast<BoxKind>(index)); }
int EXGM_GeomTool::GetToolCount() { return kBoxKindCount; }
int EXGM_GeomTool::GetCurrentIndex() { return m_current; }
void EXGM_GeomTool::SetCurrentIndex(int index) { m_current = index; }

void EXGM_GeomTool::DidRegister() {
    m_current = kTrimBox;
    EXGM_EditDialogTool::DidRegister();
}
