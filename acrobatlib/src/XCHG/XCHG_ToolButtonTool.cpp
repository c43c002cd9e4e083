#include "XCHG/XCHG_ToolButtonTool.h"

#include "PDFL/PDFL_PDCalls5.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_AVToolObj.h"

namespace {

// The host's document permission that allows edits, and the modifier that makes a tool stay selected.
constexpr int32_t kEditPermission = 8;
constexpr int32_t kPersistentModifier = 8;

}  // namespace

XCHG_ToolButtonTool::XCHG_ToolButtonTool() : m_tool(nullptr) {}

void XCHG_ToolButtonTool::Create(XCHG_AVToolObj* tool, const char* name, int32_t bitmapId, int32_t helpId) {
    XCHG_AVToolButtonObj::Create(name, bitmapId, helpId);
    m_tool = tool;
}

bool XCHG_ToolButtonTool::ComputeEnabled() {
    if (m_tool == nullptr) return false;
    const HostDocView view = View_FrontDocView();
    if (view == HostDocView::None) return false;
    return (Model_DocFlags(View_DocOfDocView(view)) & kEditPermission) != 0;
}

bool XCHG_ToolButtonTool::ComputeMarked() {
    if (!ComputeEnabled()) return false;
    return View_ActiveTool() == m_tool->GetHostTool();
}

void XCHG_ToolButtonTool::Execute() {
    if (!ComputeEnabled()) return;
    const int32_t modifiers = View_KeyModifiers();
    const bool persistent = View_ToolIsPersistent(m_tool->GetHostTool()) != 0;
    View_SetActiveTool(m_tool->GetHostTool(), (modifiers & kPersistentModifier) != 0 || persistent ? 1 : 0);
}
