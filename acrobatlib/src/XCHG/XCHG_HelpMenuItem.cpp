#include "XCHG/XCHG_HelpMenuItem.h"

#include <csetjmp>

#include "GLIB/GLIB_Exception.h"
#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_ASCalls5.h"
#include "PDFL/PDFL_HostFrames.h"
#include "PDFL/PDFL_PDCalls5.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_Plugin.h"
#include "XCHG/XCHG_Utils.h"

namespace {

constexpr int32_t kTextSize = 256;
constexpr int32_t kPathSize = 512;

// Runs host calls whose failure is the user's to hear about, not a failure of the callback: false when the
// host raised (or, with a translator installed, the raise came back as an exception).
template <class Call>
bool SucceedsInHost(const Call& call) {
    HostExceptionFrame frame;
    PDFL_HostFrames::Push(&frame);
    if (setjmp(frame.environment) != 0) {
        PDFL_HostFrames::Pop();
        return false;
    }
    try {
        call();
    } catch (const GLIB_Exception&) {
        PDFL_HostFrames::Pop();
        return false;
    }
    PDFL_HostFrames::Pop();
    return true;
}

void ShowHelpAlert(const char* hostPath) {
    char platformPath[kPathSize];
    XCHG_HostPathToPlatform(hostPath, platformPath, sizeof platformPath);
    char text[kPathSize + 64];
    GLIB_StrCopy(text, "Unable to find the help file:\r\r", sizeof text);
    GLIB_StrAppend(text, platformPath, sizeof text);
    View_NoteAlert(text);
}

}  // namespace

XCHG_HelpMenuItem::XCHG_HelpMenuItem() : m_helpFile(nullptr) {}

void XCHG_HelpMenuItem::Create(int32_t titleId, const char* helpFile) {
    char name[kTextSize];
    GLIB_StrCopy(name, "ExtensionHelp", sizeof name);
    GLIB_StrAppend(name, GetPlugin()->GetName(), sizeof name);
    XCHG_AVMenuItemObj::Create(titleId, name, 0, 0, 0);
    m_helpFile = helpFile;
    const HostMenu menu = View_MenuByName(View_MenuBar(), "UsingExtensions");
    if (menu == HostMenu::None) return;
    View_AddMenuItem(menu, GetMenuItem(), 9999);
    View_ReleaseMenu(menu);
}

void XCHG_HelpMenuItem::Execute() {
    if (m_helpFile == nullptr) return;
    char path[kPathSize];
    GetPluginDirectory(path, sizeof path);
    GLIB_StrAppend(path, "Help/", sizeof path);
    char language[4] = "";
    View_GetLanguage(language);
    GLIB_StrAppend(path, language, sizeof path);
    GLIB_StrAppend(path, "/", sizeof path);
    GLIB_StrAppend(path, m_helpFile, sizeof path);

    const HostFileSys fileSys = Support_DefaultFileSys();
    HostPath hostPath = HostPath::None;
    if (!SucceedsInHost([&] { hostPath = Support_PathFromPathAndName(fileSys, HostPath::None, path); }) ||
        hostPath == HostPath::None) {
        ShowHelpAlert(path);
        return;
    }
    const bool shown = SucceedsInHost([&] { View_OpenDocView(Model_OpenDoc(hostPath, fileSys, nullptr, 0), nullptr); });
    Support_ReleasePath(fileSys, hostPath);
    if (!shown) ShowHelpAlert(path);
}
