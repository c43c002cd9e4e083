#include "EXGM/EXGM_SPMToolButtonTool.h"

#include "XCHG/XCHG_AVCalls5.h"

namespace {

constexpr int32_t kDocumentWindow = 1;

}  // namespace

EXGM_SPMToolButtonTool gGeomToolButton;
EXGM_SPMToolButtonTool gTrimToolButton;

bool EXGM_SPMToolButtonTool::ComputeEnabled() {
    const HostDocView front = View_FrontDocView();
    if (front == HostDocView::None) return false;
    const HostPageView view = View_PageViewOfDocView(front);
    return view != HostPageView::None && View_PageViewKind(view) == kDocumentWindow;
}
