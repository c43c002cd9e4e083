#include "XCHG/XCHG_HelpMenuItem.h"

#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_ASCalls5.h"
#include "PDFL/PDFL_HostCall.h"
#include "PDFL/PDFL_PDCalls5.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_Plugin.h"
#include "XCHG/XCHG_Utils.h"

namespace {

constexpr int32_t kPathSize = 512;

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
    CreateForPlugin(titleId, "ExtensionHelp");
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
    // A path or a document the host cannot open is the user's to hear about, not a failure of the callback.
    if (!PDFL_SucceedsInHost([&] { hostPath = Support_PathFromPathAndName(fileSys, HostPath::None, path); }) ||
        hostPath == HostPath::None) {
        ShowHelpAlert(path);
        return;
    }
    const bool shown =
        PDFL_SucceedsInHost([&] { View_OpenDocView(Model_OpenDoc(hostPath, fileSys, nullptr, 0), nullptr); });
    Support_ReleasePath(fileSys, hostPath);
    if (!shown) ShowHelpAlert(path);
}
