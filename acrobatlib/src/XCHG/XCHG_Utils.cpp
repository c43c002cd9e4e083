#include "XCHG/XCHG_Utils.h"

#include <cstring>
#include <string>

#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_ASCalls5.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "Win32.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_PluginContext.h"

namespace {

constexpr int kHitTolerance = 3;
constexpr int32_t kPathCapacity = 260;

bool EndsWithApi(const char* name, std::size_t length) {
    return length > 4 && strcasecmp(name + length - 4, ".api") == 0;
}

// The full platform path of the loaded plug-in module the host names by file name.
std::string ModulePath() {
    char fileName[kPathCapacity];
    Core_GetPluginFileName(XCHG_PluginContext::Extension(), fileName, sizeof fileName);
    HMODULE module = GetModuleHandleW(GLIB_Widen(fileName).c_str());
    if (module == nullptr) {
        module = static_cast<HMODULE>(XCHG_PluginContext::Module());
    }
    wchar_t path[1024];
    const DWORD length = GetModuleFileNameW(module, path, 1024);
    return length == 0 || length >= 1024 ? std::string() : GLIB_Narrow(path);
}

}  // namespace

char* GetPluginFileName(char* buffer, int32_t size) {
    if (buffer == nullptr || size <= 0) return buffer;
    char fileName[kPathCapacity] = "";
    Core_GetPluginFileName(XCHG_PluginContext::Extension(), fileName, sizeof fileName);
    fileName[kPathCapacity - 1] = '\0';
    const std::size_t length = std::strlen(fileName);
    if (EndsWithApi(fileName, length)) fileName[length - 4] = '\0';
    return GLIB_StrCopy(buffer, fileName, size);
}

char* GetPluginDirectory(char* buffer, int32_t size) {
    if (buffer == nullptr || size <= 0) return buffer;
    buffer[0] = '\0';
    const std::string platformPath = ModulePath();
    if (platformPath.empty()) return buffer;
    const HostFileSys fileSys = Support_DefaultFileSys();
    const HostPath path = Support_PathFromText(fileSys, Core_AtomFromName("Cstring"), platformPath.c_str(), 0);
    if (path == HostPath::None) return buffer;
    if (char* text = Support_DisplayTextOfPath(fileSys, path, 0)) {
        if (char* lastSeparator = std::strrchr(text, '/')) lastSeparator[1] = '\0';
        GLIB_StrCopy(buffer, text, size);
        Support_FreeMemory(text);
    }
    Support_ReleasePath(fileSys, path);
    return buffer;
}

char* XCHG_HostPathToPlatform(const char* hostPath, char* buffer, int32_t size) {
    if (buffer == nullptr || size <= 0) return buffer;
    std::string path = hostPath != nullptr ? hostPath : "";
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    if (!path.empty() && path[0] == '\\') {
        const std::size_t end = path.find('\\', 1);
        const std::size_t firstLength = (end == std::string::npos ? path.size() : end) - 1;
        if (firstLength == 1) {
            path = path.substr(1, 1) + ":" + path.substr(2);  // a drive letter
        } else {
            path = "\\" + path;  // a server name
        }
    }
    return GLIB_StrCopy(buffer, path.c_str(), size);
}

char* GetPluginVersionString(char* buffer, int32_t size) {
    if (buffer == nullptr || size <= 0) return buffer;
    GLIB_StrCopy(buffer, "(unknown)", size);

    // The file the module was loaded from: its name need not end in ".api" as written here (X.API).
    const std::wstring path = GLIB_Widen(ModulePath());

    DWORD ignored = 0;
    const DWORD infoSize = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (infoSize == 0) return buffer;
    std::string info(infoSize, '\0');
    if (!GetFileVersionInfoW(path.c_str(), 0, infoSize, info.data())) return buffer;

    LPVOID translation = nullptr;
    UINT translationSize = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &translation, &translationSize) ||
        translationSize < 4) {
        return buffer;
    }
    const WORD* languageAndCodePage = static_cast<const WORD*>(translation);
    wchar_t query[64];
    GLIB_FormatW(query, 64, L"\\StringFileInfo\\%04x%04x\\%ls", languageAndCodePage[0], languageAndCodePage[1],
                 L"ProductVersion");
    LPVOID value = nullptr;
    UINT valueLength = 0;
    if (VerQueryValueW(info.data(), query, &value, &valueLength) && valueLength > 0 &&
        static_cast<const wchar_t*>(value)[0] != L'\0') {
        GLIB_NarrowInto(buffer, static_cast<const wchar_t*>(value), size);
    }
    return buffer;
}

int HitTestRect(int16_t x, int16_t y, const HostDevRect& rect) {
    if (x > rect.left + kHitTolerance && x < rect.right - kHitTolerance && y > rect.top + kHitTolerance &&
        y < rect.bottom - kHitTolerance) {
        return kHitInside;
    }
    int hit = 0;
    if (x >= rect.left - kHitTolerance && x <= rect.left + kHitTolerance) {
        hit |= kHitLeft;
    } else if (x >= rect.right - kHitTolerance && x <= rect.right + kHitTolerance) {
        hit |= kHitRight;
    }
    if (y >= rect.top - kHitTolerance && y <= rect.top + kHitTolerance) {
        hit |= kHitTop;
    } else if (y >= rect.bottom - kHitTolerance && y <= rect.bottom + kHitTolerance) {
        hit |= kHitBottom;
    }
    return hit;
}

int XCHG_HostMajorVersion() {
    int16_t major = 0;
    int16_t minor = 0;
    View_GetVersion(&major, &minor);
    return major;
}
