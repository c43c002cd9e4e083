#include "XCHG/XCHG_Resources.h"

#include <string>

#include "GFIL/GFIL_ErrorCodes.h"
#include "GFIL/GFIL_FileSystem.h"
#include "GFIL/GFIL_Utils.h"
#include "GLIB/GLIB_Exception.h"
#include "GLIB/GLIB_StringUtils.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_Utils.h"

namespace {

// Where resources come from; searched for a localized module once per initialization.
struct ResourceModules {
    HMODULE localized = nullptr;
    HMODULE second = nullptr;
    HMODULE plugin = nullptr;
    bool loadIntoSecond = false;
    bool searched = false;
};

ResourceModules s_modules;

HMODULE PluginModule() {
    return s_modules.plugin != nullptr ? s_modules.plugin : static_cast<HMODULE>(XCHG_PluginContext::Module());
}

// Calls `lookup` with the localized module, then the plug-in module, until it yields something.
template <class Lookup>
auto FirstFound(const Lookup& lookup) -> decltype(lookup(HMODULE())) {
    if (HMODULE localized = XCHG_GetLocalizedModule()) {
        if (auto found = lookup(localized)) return found;
    }
    return lookup(PluginModule());
}

// Loads the candidate module when the file system confirms an existing file there; null otherwise.
HMODULE LoadCandidate(const std::string& hostPath) {
    char platformPath[1024];
    XCHG_HostPathToPlatform(hostPath.c_str(), platformPath, sizeof platformPath);
    try {
        const GFIL_SpecRef file = GFIL_MakeSpec(GLIB_Widen(platformPath));
        if (!file || !file->IsValid() || !file->Exists() || !file->IsFile()) return nullptr;
        return LoadLibraryW(file->GetPath().c_str());
    } catch (const GLIB_Exception& e) {
        if (e.GetCode() == GFIL_ERR_INVALID_PATH) return nullptr;  // a path that cannot be is a module that is not
        throw;
    }
}

// The plug-in's name and the host's language ("Geometry.DEU"), beside the plug-in, in "Locale/", in "Help/".
void SearchLocalizedModule() {
    s_modules.searched = true;
    if (s_modules.localized != nullptr) FreeLibrary(s_modules.localized);
    s_modules.localized = nullptr;
    char fileName[260];
    char language[4] = "";
    View_GetLanguage(language);
    language[3] = '\0';
    const std::string base = std::string(GetPluginFileName(fileName, sizeof fileName)) + "." + language;
    char folder[1024];
    GetPluginDirectory(folder, sizeof folder);
    for (const char* subfolder : {"", "Locale/", "Help/"}) {
        if (HMODULE module = LoadCandidate(std::string(folder) + subfolder + base)) {
            s_modules.localized = module;
            return;
        }
    }
}

constexpr Fixed ComponentToFixed(uint16_t component) { return static_cast<Fixed>(component / 255.0 * 65536.0 + 0.5); }

}  // namespace

void XCHG_ResetResourceModules() {
    if (s_modules.localized != nullptr) FreeLibrary(s_modules.localized);
    if (s_modules.second != nullptr) FreeLibrary(s_modules.second);
    s_modules = ResourceModules();
    s_modules.plugin = static_cast<HMODULE>(XCHG_PluginContext::Module());
}

HMODULE XCHG_GetLocalizedModule() {
    if (!s_modules.searched) SearchLocalizedModule();
    return s_modules.localized;
}

HMODULE XCHG_GetPluginModule() { return PluginModule(); }

char* GetString(int32_t id, char* buffer, int32_t size) {
    if (buffer == nullptr || size <= 0) return buffer;
    const int found =
        FirstFound([&](HMODULE module) { return LoadStringA(module, static_cast<UINT>(id), buffer, size); });
    if (found == 0) GLIB_Format(buffer, size, "*** Unknown string ID: %d ***", id);
    return buffer;
}

void LoadColor(int32_t id, HostColor* color) {
    color->space = 0;
    HMODULE owner = nullptr;
    const HRSRC resource = FirstFound([&](HMODULE module) {
        owner = module;
        return FindResourceW(module, MAKEINTRESOURCEW(id), L"PDCL");
    });
    if (resource == nullptr) return;
    const auto* words = static_cast<const uint16_t*>(LockResource(LoadResource(owner, resource)));
    const DWORD wordCount = SizeofResource(owner, resource) / 2;
    if (words == nullptr || wordCount == 0) return;
    color->space = static_cast<int16_t>(words[0]);
    for (DWORD i = 1; i < wordCount && i <= 4; ++i) color->value[i - 1] = ComponentToFixed(words[i]);
}

HCURSOR LoadCursor(int32_t id) {
    return FirstFound([&](HMODULE module) { return LoadCursorW(module, MAKEINTRESOURCEW(id)); });
}

HANDLE LoadBitmapOrIcon(int32_t id, bool isBitmap) {
    if (isBitmap) {
        return FirstFound(
            [&](HMODULE module) { return static_cast<HANDLE>(LoadBitmapW(module, MAKEINTRESOURCEW(id))); });
    }
    return FirstFound([&](HMODULE module) { return static_cast<HANDLE>(LoadIconW(module, MAKEINTRESOURCEW(id))); });
}

void ReleaseBitmapOrIcon(HANDLE handle, bool isBitmap) {
    if (handle == nullptr) return;
    if (isBitmap) {
        DeleteObject(static_cast<HGDIOBJ>(handle));
    } else {
        DestroyIcon(static_cast<HICON>(handle));
    }
}
