#include "XCHG/XCHG_AVToolButtonObj.h"

#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_Callbacks.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_ReportError.h"
#include "XCHG/XCHG_Resources.h"

namespace {

constexpr int32_t kTextSize = 256;

}  // namespace

XCHG_AVToolButtonObj::XCHG_AVToolButtonObj() : m_holder{HostToolButton::None, this}, m_icon(nullptr) {}

XCHG_AVToolButtonObj::~XCHG_AVToolButtonObj() { Release(); }

bool XCHG_AVToolButtonObj::ComputeEnabled() { return true; }

bool XCHG_AVToolButtonObj::ComputeMarked() { return false; }

void XCHG_AVToolButtonObj::Execute() {
    const char* name = Core_NameOfAtom(View_ToolButtonName(m_holder.button));
    char text[kTextSize];
    GLIB_Format(text, sizeof text, "ToolButton: %s Execute callback invoked", name != nullptr ? name : "");
    XCHG_HostAlert(3, text, 1);
}

void XCHG_AVToolButtonObj::Create(const char* name, int32_t bitmapId, int32_t helpId) {
    Release();
    m_icon = LoadBitmapOrIcon(bitmapId, true);
    m_holder.button = View_NewToolButton(Core_AtomFromName(name), m_icon, 0, 0);
    m_callbacks.Make(m_holder.button, &m_holder, View_SetToolButtonComputeEnabled, View_SetToolButtonComputeMarked,
                     View_SetToolButtonExecute);
    if (helpId != 0) {
        char help[kTextSize];
        GetString(helpId, help, sizeof help);
        View_SetToolButtonHelpText(m_holder.button, help);
    }
}

void XCHG_AVToolButtonObj::Release() {
    m_callbacks.Destroy();
    if (m_holder.button != HostToolButton::None) {
        const HostToolButton button = m_holder.button;
        m_holder.button = HostToolButton::None;
        View_ReleaseToolButton(button);
    }
    ReleaseBitmapOrIcon(m_icon, true);
    m_icon = nullptr;
}
