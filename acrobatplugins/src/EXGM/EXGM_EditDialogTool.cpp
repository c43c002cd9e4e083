#include "EXGM/EXGM_EditDialogTool.h"

#include "EXGM/EXGM_EditDialog.h"
#include "EXGM/EXGM_RectTool.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "XCHG/XCHG_AVCalls5.h"

namespace {

constexpr const char kClassName[] = "EXGM_EditDialogTool";

}  // namespace

EXGM_EditDialogTool::EXGM_EditDialogTool(const char* typeName, EXGM_EditDialog& dialog, uint16_t dialogTemplate)
    : m_typeName(typeName), m_dialog(dialog), m_dialogTemplate(dialogTemplate) {}

EXGM_EditDialogTool::~EXGM_EditDialogTool() = default;

HostAtom EXGM_EditDialogTool::GetType() { return Core_AtomFromName(m_typeName); }

EXGM_EditDialog* EXGM_EditDialogTool::GetDialog() {
    EXGM_EditDialog& dialog = Dialog();
    if (!dialog.IsOpen()) {
        dialog.CreateModeless(m_dialogTemplate);
        dialog.SetTool(this);
    }
    return &dialog;
}

void EXGM_EditDialogTool::Activate(HostBool persistent) {
    EXGM_EditDialog* dialog = GetDialog();
    XCHG_MultiTool::Activate(persistent);
    if (!dialog->IsVisible()) dialog->Show();
    View_BringWindowForward(dialog->GetHostWindow());
}

void EXGM_EditDialogTool::Deactivate() {
    XCHG_MultiTool::Deactivate();
    // The dialog stays on screen and keeps the guide lines; only the keyboard leaves it.
    EXGM_EditDialog& dialog = Dialog();
    if (dialog.IsOpen()) View_ResignKeyWindow(dialog.GetHostWindow());
}

bool EXGM_EditDialogTool::ComputeEnabled() {
    const HostDocView front = View_FrontDocView();
    if (front == HostDocView::None) return true;
    const HostPageView view = View_PageViewOfDocView(front);
    return view == HostPageView::None || EXGM_IsEditableView(view);
}

void EXGM_EditDialogTool::DidRegister() {
    XCHG_MultiTool::DidRegister();
    m_drawRegistration =
        View_RegisterDrawProc(reinterpret_cast<HostProc>(static_cast<HostPageViewDrawProc>(&DrawCallback)), this);
    for (int index = 0; index < GetToolCount(); ++index) GetTool(index)->AddListener(&m_dialog);
}

void EXGM_EditDialogTool::WillUnregister() {
    XCHG_MultiTool::WillUnregister();
    if (m_drawRegistration != HostCallback::None) View_UnregisterDrawProc(m_drawRegistration);
    m_drawRegistration = HostCallback::None;
    for (int index = 0; index < GetToolCount(); ++index) GetTool(index)->RemoveListener(&m_dialog);
}

void EXGM_EditDialogTool::OnPageViewDraw(HostPageView view) {
    if (Dialog().IsVisible()) DrawOverlay(view);
}

void EXGM_EditDialogTool::DrawOverlay(HostPageView view) {
    EXGM_EditDialog* dialog = GetDialog();
    if (!IsActive() && !dialog->IsOpen()) return;
    if (!EXGM_IsEditableView(view)) return;
    const int current = GetCurrentIndex();
    for (int index = 0; index < GetToolCount(); ++index) {
        if (index == current) continue;
        if (EXGM_RectTool* tool = GetTool(index)) tool->DrawBox(view);
    }
    // The selected box last, over the others.
    if (EXGM_RectTool* tool = GetTool(current)) tool->DrawBox(view);
}

void EXGM_EditDialogTool::EraseOverlay(HostPageView view) {
    for (int index = 0; index < GetToolCount(); ++index) {
        if (EXGM_RectTool* tool = GetTool(index)) tool->EraseBox(view);
    }
    View_DrawNow(view);
}

void EXGM_EditDialogTool::DrawCallback(HostPageView view, void* clientData) {
    PDFL_Guard<void>(kClassName, "Notification_AVPageViewDrawProc",
                     [&] { static_cast<EXGM_EditDialogTool*>(clientData)->OnPageViewDraw(view); });
}
