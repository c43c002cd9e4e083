// glibdemo: shows the common library at work on this machine — log lines at every level on the console
// (coloured on a terminal), the exact description of a failure, system error texts, and narrow/wide text.
#include <iostream>

#include "GLIB/GLIB_DerivedException.h"
#include "GLIB/GLIB_ErrorCodes.h"
#include "GLIB/GLIB_Log.h"
#include "GLIB/GLIB_StringUtils.h"
#include "GLIB/GLIB_WinUtil.h"
#include "Win32.h"

namespace {

struct Tag_DEMO_Exception {};
using DemoException = GLIB_DerivedException<Tag_DEMO_Exception>;

void ShowLogLevels() {
    std::cout << "== Log levels\n";
    for (LogLevel level = GLIB_LOG_ASSERT; level <= GLIB_LOG_INFO; ++level) {
        GLIB_LOG(level, std::string("a line at level ") + GLIB_LogLevelName(level));
    }
}

void ShowException() {
    std::cout << "\n== A failure as the logs describe it\n";
    try {
        DemoException failure(GLIB_MakeErrorCode(GFIL_LIBRARY, 1), {"Z:\\home\\missing.pdf"},
                              "The file \"Z:\\home\\missing.pdf\" does not exist", __FILE__, __LINE__);
        throw failure;
    } catch (const GLIB_Exception& e) {
        std::cout << e << "\n";
    }
}

void ShowSystemErrors() {
    std::cout << "\n== System error texts\n";
    for (uint32_t code : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION, 424242L}) {
        std::cout << GLIB_GetWin32ErrorTextNarrow(code) << "\n";
    }
}

void ShowText() {
    std::cout << "\n== Narrow and wide text\n";
    const std::wstring wide = GLIB_Widen("Trim size 210 \xC3\x97 297 mm");
    std::cout << "widened to " << wide.size() << " characters, back: " << GLIB_Narrow(wide) << "\n";
    char cut[12];
    const int result = GLIB_Format(cut, sizeof cut, "%s", "Page Geometry");
    std::cout << "formatted into 12 bytes: \"" << cut << "\" (result " << result << ")\n";
}

}  // namespace

int main() {
    ShowLogLevels();
    ShowException();
    ShowSystemErrors();
    ShowText();
    return 0;
}
