#include "XCHG/XCHG_FreebieAboutDialog.h"

#include "GLIB/GLIB_StringUtils.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_Resources.h"
#include "XCHG/XCHG_Utils.h"

namespace {

constexpr uint16_t kDialogId = 20000;
constexpr int16_t kVersionItem = 20010;
constexpr int32_t kVersionString = 20019;
constexpr int16_t kFirstPicture = 20015;
constexpr int16_t kLastPicture = 20018;
constexpr int32_t kTextSize = 256;

}  // namespace

XCHG_FreebieAboutDialog::XCHG_FreebieAboutDialog() : m_bitmapId(kDefaultBitmapId), m_bitmap(nullptr) {}

XCHG_FreebieAboutDialog::~XCHG_FreebieAboutDialog() { ReleaseBitmap(); }

void XCHG_FreebieAboutDialog::ReleaseBitmap() {
    if (m_bitmap != nullptr) DeleteObject(m_bitmap);
    m_bitmap = nullptr;
}

intptr_t XCHG_FreebieAboutDialog::RunFrom(HMODULE module) {
    SetResourceModule(module);
    return DialogBoxParamW(module, MAKEINTRESOURCEW(kDialogId), static_cast<HWND>(XCHG_PluginContext::MainWindow()),
                           DlgProc, reinterpret_cast<LPARAM>(this));
}

intptr_t XCHG_FreebieAboutDialog::Show() {
    const intptr_t result = RunFrom(LocalizedOrPluginModule());
    if (result > 0) return result;
    return RunFrom(XCHG_GetPluginModule());
}

void XCHG_FreebieAboutDialog::DidCreate() {
    char version[kTextSize];
    char text[kTextSize];
    GetString(kVersionString, text, sizeof text);
    GLIB_StrAppend(text, " ", sizeof text);
    GLIB_StrAppend(text, GetPluginVersionString(version, sizeof version), sizeof text);
    SetItemText(kVersionItem, text);

    ReleaseBitmap();
    m_bitmap = LoadBitmapW(LocalizedOrPluginModule(), MAKEINTRESOURCEW(m_bitmapId));
    if (m_bitmap == nullptr) m_bitmap = LoadBitmapW(XCHG_GetPluginModule(), MAKEINTRESOURCEW(m_bitmapId));
    SendDlgItemMessageW(GetPlatformWindow(), m_bitmapId, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(m_bitmap));
    for (int16_t picture = kFirstPicture; picture <= kLastPicture; ++picture) {
        if (picture != m_bitmapId) HideItem(picture);
    }
}

void XCHG_FreebieAboutDialog::MouseDown(int16_t, int16_t, const HostWindowEvent*) { EndDialog(GetPlatformWindow(), 1); }
