#include "GFIL/GFIL_Utils.h"

#include <cstdio>
#include <cstring>

#include "GFIL/GFIL_ErrorCodes.h"
#include "GFIL/GFIL_Exception.h"
#include "GFIL/GFIL_FileSystemWin32.h"
#include "GLIB/GLIB_OStringStream.h"
#include "GLIB/GLIB_StringUtils.h"
#include "GLIB/GLIB_WinUtil.h"
#include "Win32.h"

namespace {

constexpr DWORD kLongestPath = 260;
constexpr DWORD kPathBuffer = kLongestPath + 1;

// The characters a file URL keeps as they are.
constexpr const char* kUrlCharacters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789$-_.+!*'(),:";

std::wstring PathOf(const GFIL_SpecRef& item) { return item ? item->GetPath() : std::wstring(); }

}  // namespace

GFIL_SpecRef GFIL_MakeSpec(const wchar_t* path) { return GFIL_MakeSpec(std::wstring(path != nullptr ? path : L"")); }

GFIL_SpecRef GFIL_MakeSpec(const std::wstring& path) {
    return GFIL_SpecRef(new (__LINE__, __FILE__) GFIL_FileSystemWin32(path));
}

GFIL_SpecRef GFIL_GetTempFolder() {
    wchar_t buffer[kPathBuffer];
    const DWORD length = GetTempPathW(kPathBuffer, buffer);
    if (length == 0 || length > kLongestPath) {
        if (length != 0) {
            SetLastError(ERROR_FILENAME_EXCED_RANGE);  // the system only answered with the room it needs
        }
        GFIL_THROW(GFIL_ERR_INVALID_PATH,
                   L"Failed to retrieve the path of the directory designated for temporary files; " +
                       GLIB_GetWin32ErrorText(GetLastError()));
    }
    GFIL_SpecRef folder = GFIL_MakeSpec(std::wstring(buffer, length));
    if (!folder->IsFolder()) {
        GFIL_THROW(GFIL_ERR_INVALID_PATH,
                   L"The specified temporary folder \"" + folder->GetPath() + L"\" is not really a folder.");
    }
    return folder;
}

GFIL_SpecRef GFIL_MakeTempName(const GFIL_SpecRef& folder) {
    const std::wstring folderPath = PathOf(folder);
    wchar_t buffer[kPathBuffer];
    if (GetTempFileNameW(folderPath.c_str(), L"GFI", 0, buffer) == 0) {
        GFIL_THROW(GFIL_ERR_INVALID_PATH, L"Failed to create a temporary pathname in the directory \"" + folderPath +
                                              L"\"; " + GLIB_GetWin32ErrorText(GetLastError()));
    }
    return GFIL_MakeSpec(buffer);
}

void GFIL_CreateFolder(const GFIL_SpecRef& folder) {
    const std::wstring path = PathOf(folder);
    if (!CreateDirectoryW(path.c_str(), nullptr)) {
        GFIL_THROW(GFIL_ERR_CREATE_FOLDER,
                   L"Failed to create the directory " + path + L"; " + GLIB_GetWin32ErrorText(GetLastError()));
    }
}

std::wstring GFIL_MakeFileURL(const GFIL_SpecRef& item) {
    const std::string path = GLIB_Narrow(PathOf(item));
    GLIB_OStringStream url;
    url << "file://";
    std::size_t start = 0;
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        start = 2;  // \\server\share: the server is the URL's host
    } else {
        url << '/';  // a drive path has an empty host: file:///C:/...
    }
    for (std::size_t i = start; i < path.size(); ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (byte == '\\') {
            url << '/';
        } else if (byte != '\0' && std::strchr(kUrlCharacters, byte) != nullptr) {
            url << static_cast<char>(byte);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "%%%X", static_cast<unsigned>(byte));
            url << escaped;
        }
    }
    return GLIB_Widen(url.str());
}
