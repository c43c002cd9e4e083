#include "EXGM/EXGM_SPMToolButtonTool.h"

#include "EXGM/EXGM_Utils.h"
#include "XCHG/XCHG_AVCalls5.h"

EXGM_SPMToolButtonTool gGeomToolButton;
EXGM_SPMToolButtonTool gTrimToolButton;

bool EXGM_SPMToolButtonTool::ComputeEnabled() {
    const HostDocView front = View_FrontDocView();
    if (front == HostDocView::None) return false;
    const HostPageView view = View_PageViewOfDocView(front);
    return view != HostPageView::None && EXGM_IsEditableView(view);
}
