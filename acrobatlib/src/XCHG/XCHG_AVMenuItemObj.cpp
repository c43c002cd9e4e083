#include "XCHG/XCHG_AVMenuItemObj.h"

#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "PDFL/PDFL_HostCall.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_Callbacks.h"
#include "XCHG/XCHG_Plugin.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_ReportError.h"
#include "XCHG/XCHG_Resources.h"

namespace {

constexpr int32_t kTextSize = 256;
constexpr int32_t kNameReadSize = 100;

}  // namespace

XCHG_AVMenuItemObj::XCHG_AVMenuItemObj() : m_icon(nullptr), m_holder{HostMenuItem::None, this} {}

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
    m_callbacks.Make(m_holder.item, &m_holder, View_SetMenuItemComputeEnabled, View_SetMenuItemComputeMarked,
                     View_SetMenuItemExecute);
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

void XCHG_AVMenuItemObj::CreateForPlugin(int32_t titleId, const char* prefix) {
    char name[kTextSize];
    GLIB_StrCopy(name, prefix, sizeof name);
    GLIB_StrAppend(name, GetPlugin()->GetName(), sizeof name);
    Create(titleId, name, 0, 0, 0);
}

void XCHG_AVMenuItemObj::Release() {
    m_callbacks.Destroy();
    if (m_holder.item != HostMenuItem::None) {
        const HostMenuItem item = m_holder.item;
        m_holder.item = HostMenuItem::None;
        // A failure of the host here is of no consequence.
        PDFL_SucceedsInHost([&] { View_RemoveMenuItem(item); });
    }
    ReleaseBitmapOrIcon(m_icon, true);
    m_icon = nullptr;
}
