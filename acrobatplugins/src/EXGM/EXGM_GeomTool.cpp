#include "EXGM/EXGM_GeomTool.h"

#include "EXGM/EXGM_EditGeomDialog.h"
#include "EXGM/EXGM_RectTool.h"
#include "PDFL/PDFL_CorCalls5.h"

EXGM_GeomTool gGeomTool;

HostAtom EXGM_GeomTool::GetType() { return Core_AtomFromName("ORBA:EXGM_GeomTool"); }
EXGM_RectTool* EXGM_GeomTool::GetTool(int index) { return EXGM_BoxToolFor(static_cast<BoxKind>(index)); }
int EXGM_GeomTool::GetToolCount() { return kBoxKindCount; }
int EXGM_GeomTool::GetCurrentIndex() { return m_current; }
void EXGM_GeomTool::SetCurrentIndex(int index) { m_current = index; }
EXGM_EditDialog& EXGM_GeomTool::Dialog() { return gGeomDialog; }
uint16_t EXGM_GeomTool::DialogTemplate() { return 128; }

void EXGM_GeomTool::DidRegister() {
    m_current = kTrimBox;
    EXGM_EditDialogTool::DidRegister();
    for (int box = 0; box < kBoxKindCount; ++box) GetTool(box)->AddListener(&gGeomDialog);
}

// The dialog stops listening with the tool, so that a plug-in loaded again does not hear each change twice.
void EXGM_GeomTool::WillUnregister() {
    EXGM_EditDialogTool::WillUnregister();
    for (int box = 0; box < kBoxKindCount; ++box) GetTool(box)->RemoveListener(&gGeomDialog);
}
