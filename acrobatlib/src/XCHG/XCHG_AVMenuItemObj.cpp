#include "XCHG/XCHG_AVMenuItemObj.h"

#include <csetjmp>

#include "GLIB/GLIB_Exception.h"
#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "PDFL/PDFL_HostFrames.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_Callbacks.h"
#include "XCHG/XCHG_Plugin.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_ReportError.h"
#include "XCHG/XCHG_Resources.h"

namespace {

constexpr const char kClassName[] = "XCHG_AVMenuItemObj";
constexpr int32_t kTextSize = 256;
constexpr int32_t kNameReadSize = 100;

// Gives the host item back; a failure of the host here is of no consequence, so it is swallowed whether it
// comes as the host's raise or (with a translator installed) as an exception.
void RemoveSwallowingFailure(HostMenuItem item) {
    HostExceptionFrame frame;
    PDFL_HostFrames::Push(&frame);
    if (setjmp(frame.environment) != 0) {
        PDFL_HostFrames::Pop();
        return;
    }
    try {
        View_RemoveMenuItem(item);
    } catch (const GLIB_Exception&) {
    }
    PDFL_HostFrames::Pop();
}

}  // namespace

XCHG_AVMenuItemObj::XCHG_AVMenuItemObj()
    : m_icon(nullptr),
      m_holder{HostMenuItem::None, this},
      m_enabledCallback(HostCallback::None),
      m_markedCallback(HostCallback::None),
      m_executeCallback(HostCallback::None) {}

XCHG_AVMenuItemObj::~XCHG_AVMenuItemObj() { Release(); }

bool XCHG_AVMenuItemObj::ComputeEnabled() { return true; }

bool XCHG_AVMenuItemObj::ComputeMarked() { return false; }

void XCHG_AVMenuItemObj::Execute() {
    char name[kNameReadSize] = "";
    View_MenuItemName(m_holder.item, name, kNameReadSize);
    char text[kTextSize];
    GLIB_Format(text, sizeof text, "MenuItem: %s Execute callback invoked", name);
    XCHG_HostAlert(3, text, 1);
}

void XCHG_AVMenuItemObj::Create(int32_t titleId, const char* name, HostMenu submenu, char shortcut,
                                int16_t shortcutFlags, int32_t bitmapId, HANDLE iconHandle) {
    Release();
    char fullName[kTextSize];
    GLIB_StrCopy(fullName, GetPlugin()->GetName(), sizeof fullName);
    GLIB_StrAppend(fullName, ":", sizeof fullName);
    GLIB_StrAppend(fullName, name, sizeof fullName);
    char title[kTextSize];
    GetString(titleId, title, sizeof title);
    m_icon = bitmapId != 0 ? LoadBitmapOrIcon(bitmapId, true) : iconHandle;

    const HostExtension extension = XCHG_PluginContext::Extension();
    m_holder.item = View_NewMenuItem(title, fullName, submenu, 0, shortcut, shortcutFlags, m_icon, extension);
    m_enabledCallback = XCHG_NewCallback(ComputeEnabledCallback);
    m_markedCallback = XCHG_NewCallback(ComputeMarkedCallback);
    m_executeCallback = XCHG_NewCallback(ExecuteCallback);
    View_SetMenuItemComputeEnabled(m_holder.item, m_enabledCallback, &m_holder);
    View_SetMenuItemComputeMarked(m_holder.item, m_markedCallback, &m_holder);
    View_SetMenuItemExecute(m_holder.item, m_executeCallback, &m_holder);
}

void XCHG_AVMenuItemObj::Create(int32_t titleId, const char* name, char shortcut, int16_t shortcutFlags,
                                int32_t bitmapId) {
    Create(titleId, name, HostMenu::None, shortcut, shortcutFlags, bitmapId, nullptr);
}

void XCHG_AVMenuItemObj::Create(int32_t titleId, const char* name, char shortcut, int16_t shortcutFlags,
                                HANDLE iconHandle) {
    Create(titleId, name, HostMenu::None, shortcut, shortcutFlags, 0, iconHandle);
}

void XCHG_AVMenuItemObj::Create(int32_t titleId, const char* name, HostMenu submenu) {
    Create(titleId, name, submenu, 0, 0, 0, nullptr);
}

void XCHG_AVMenuItemObj::Release() {
    XCHG_DestroyCallback(m_enabledCallback);
    XCHG_DestroyCallback(m_markedCallback);
    XCHG_DestroyCallback(m_executeCallback);
    if (m_holder.item != HostMenuItem::None) {
        const HostMenuItem item = m_holder.item;
        m_holder.item = HostMenuItem::None;
        RemoveSwallowingFailure(item);
    }
    ReleaseBitmapOrIcon(m_icon, true);
    m_icon = nullptr;
}

XCHG_AVMenuItemObj& XCHG_AVMenuItemObj::From(void* clientData) { return *static_cast<ItemHolder*>(clientData)->owner; }

HostBool XCHG_AVMenuItemObj::ComputeEnabledCallback(void* clientData) {
    return PDFL_Guard<HostBool>(kClassName, "ComputeEnabled",
                                [&]() -> HostBool { return From(clientData).ComputeEnabled(); });
}

HostBool XCHG_AVMenuItemObj::ComputeMarkedCallback(void* clientData) {
    return PDFL_Guard<HostBool>(kClassName, "ComputeMarked",
                                [&]() -> HostBool { return From(clientData).ComputeMarked(); });
}

void XCHG_AVMenuItemObj::ExecuteCallback(void* clientData) {
    PDFL_Guard<void>(kClassName, "Execute", [&] { From(clientData).Execute(); });
}
