#include "GFIL/GFIL_FileSystemWin32.h"

#include <algorithm>
#include <cwchar>
#include <utility>

#include "GFIL/GFIL_ErrorCodes.h"
#include "GFIL/GFIL_Exception.h"
#include "GFIL/GFIL_Utils.h"
#include "GLIB/GLIB_BadAllocException.h"
#include "GLIB/GLIB_GuardedAlloc.h"
#include "GLIB/GLIB_Log.h"
#include "GLIB/GLIB_WOStringStream.h"
#include "GLIB/GLIB_WinUtil.h"

namespace {

// Paths are expanded into a buffer of MAX_PATH + 1 characters, so the longest path is MAX_PATH.
constexpr DWORD kLongestPath = 260;
constexpr DWORD kPathBuffer = kLongestPath + 1;
constexpr uint64_t kLargestOffset = uint64_t{1} << 63;
// ReadAll reads in pieces that a single ReadFile call can take.
constexpr uint64_t kReadAllPiece = uint64_t{1} << 30;

// The thread's last error as text; read at once, before anything else can change it.
std::wstring LastErrorText() { return GLIB_GetWin32ErrorText(GetLastError()); }

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

bool IsAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

bool IsInvalidPathCharacter(wchar_t c) { return c == L'<' || c == L'>' || c == L'*' || c == L'"' || c == L'|'; }

std::wstring Hex(wchar_t c) {
    GLIB_WOStringStream text;
    text << std::hex << static_cast<uint32_t>(c);
    return text.str();
}

// The names of `path` from `start` to `end` (after the root, without the closing separator), in order: an
// empty or invalid one is refused.
void CheckNames(const std::wstring& path, std::size_t start, std::size_t end) {
    for (std::size_t position = start; start < end && position <= end;) {
        std::size_t separator = path.find(L'\\', position);
        if (separator == std::wstring::npos || separator > end) {
            separator = end;
        }
        const std::wstring name = path.substr(position, separator - position);
        if (name.empty()) {
            GFIL_THROW(
                GFIL_ERR_INVALID_PATH,
                L"The path " + Quoted(path) + L" contains an empty name component at pos " + std::to_wstring(position));
        }
        // The system drops the periods and spaces that end a last name, so a folder name that ends in them
        // ("a..\\x", or "a.." before a closing separator) would name another file when read again.
        const bool endsAsTheSystemTrims = name.back() == L'.' || name.back() == L' ';
        if (!GFIL_FileSystemWin32::IsValidName(name) || endsAsTheSystemTrims) {
            GFIL_THROW(GFIL_ERR_INVALID_PATH,
                       L"The path " + Quoted(path) + L" contains an invalid name component " + Quoted(name));
        }
        position = separator + 1;
    }
}

// The absolute, checked form of `given`; see the class comment.
std::wstring NormalizedPath(const std::wstring& given) {
    // The system reads a path up to its first NUL: what follows would be dropped without a word.
    if (const std::size_t nul = given.find(L'\0'); nul != std::wstring::npos) {
        GFIL_THROW(GFIL_ERR_INVALID_PATH,
                   L"The path " + Quoted(given.substr(0, nul)) + L" contains the invalid character 0x0");
    }
    wchar_t buffer[kPathBuffer];
    LPWSTR filePart = nullptr;
    const DWORD length = GetFullPathNameW(given.c_str(), kPathBuffer, buffer, &filePart);
    if (length == 0 || length > kLongestPath) {
        if (length != 0) {
            SetLastError(ERROR_FILENAME_EXCED_RANGE);  // the system only answered with the room it needs
        }
        GFIL_THROW(GFIL_ERR_INVALID_PATH, L"The path " + Quoted(given) + L" cannot be expanded; " + LastErrorText());
    }
    std::wstring path(buffer, length);

    std::replace(path.begin(), path.end(), L'/', L'\\');
    for (const wchar_t c : path) {
        if (IsInvalidPathCharacter(c)) {
            GFIL_THROW(GFIL_ERR_INVALID_PATH,
                       L"The path " + Quoted(path) + L" contains the invalid character " + Quoted(std::wstring(1, c)));
        }
        if (c < 0x20) {
            GFIL_THROW(GFIL_ERR_INVALID_PATH,
                       L"The path " + Quoted(path) + L" contains the invalid character 0x" + Hex(c));
        }
    }

    // A colon may stand only as the second character, after a drive letter.
    if (path.find(L':') != std::wstring::npos && (path[0] == L':' || path.find(L':', 2) != std::wstring::npos)) {
        GFIL_THROW(GFIL_ERR_INVALID_PATH, L"The path " + Quoted(path) + L" cannot contain \":\"");
    }
    const bool drive = path.size() >= 2 && path[1] == L':';
    if (drive && (!IsAsciiLetter(path[0]) || path.size() < 3 || path[2] != L'\\')) {
        GFIL_THROW(GFIL_ERR_INVALID_PATH, L"The path " + Quoted(path) + L" isn't using the \"[A-Z]:\\\" format");
    }
    const bool unc = !path.empty() && path[0] == L'\\';
    if (unc && (path.size() < 2 || path[1] != L'\\')) {
        GFIL_THROW(GFIL_ERR_INVALID_PATH, L"The path " + Quoted(path) + L" isn't using the \"\\\" UNC format");
    }

    // The names after the root; one separator at the end is no name, it goes below. A share needs a server
    // name: "\\" alone names nothing.
    const std::size_t start = drive ? 3 : unc ? 2 : 0;
    std::size_t end = path.size();
    if (end > start && path[end - 1] == L'\\') {
        --end;
    }
    if (unc && end == start) {
        GFIL_THROW(GFIL_ERR_INVALID_PATH,
                   L"The path " + Quoted(path) + L" contains an empty name component at pos " + std::to_wstring(start));
    }
    CheckNames(path, start, end);

    path.resize(end);
    if (path.size() == 2 && path[1] == L':') {
        path += L'\\';  // a drive root keeps its backslash: "C:" alone would mean the drive's current folder
    }
    return path;
}

// What a failed open, create or delete means for the caller, by the system's error.
enum class Failure { NotFound, Busy, Other };

Failure FailureOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return Failure::NotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return Failure::Busy;
        default:
            return Failure::Other;
    }
}

[[noreturn]] void ThrowListingFailure(const std::wstring& folder, DWORD error) {
    const std::wstring message =
        L"Unable to list the contents of the folder " + Quoted(folder) + L"; " + GLIB_GetWin32ErrorText(error);
    switch (FailureOf(error == ERROR_DIRECTORY ? ERROR_PATH_NOT_FOUND : error)) {
        case Failure::NotFound:
            GFIL_THROW(GFIL_ERR_NOT_FOUND, message);
        case Failure::Busy:
            GFIL_THROW(GFIL_ERR_BUSY, message);
        case Failure::Other:
            break;
    }
    GFIL_THROW(GFIL_ERR_UNKNOWN, message);
}

// A failed create, open or delete of the file at `path`; `doing` names the operation ("open").
[[noreturn]] void ThrowFileFailure(const std::wstring& path, DWORD error, const wchar_t* doing) {
    const std::wstring text = GLIB_GetWin32ErrorText(error);
    switch (FailureOf(error)) {
        case Failure::NotFound:
            GFIL_THROW(GFIL_ERR_NOT_FOUND, L"Unable to find the file " + Quoted(path) + L"; " + text);
        case Failure::Busy:
            GFIL_THROW(GFIL_ERR_BUSY, L"The file " + Quoted(path) + L" is busy or locked; " + text);
        case Failure::Other:
            break;
    }
    GFIL_THROW(GFIL_ERR_UNKNOWN, L"Unable to " + std::wstring(doing) + L" the file " + Quoted(path) +
                                     L". An unknown error occured; " + text);
}

// Closes a directory search however the listing ends.
class SearchHandle {
public:
    explicit SearchHandle(HANDLE handle) : m_handle(handle) {}
    ~SearchHandle() {
        if (m_handle != INVALID_HANDLE_VALUE) {
            FindClose(m_handle);
        }
    }
    SearchHandle(const SearchHandle&) = delete;
    SearchHandle& operator=(const SearchHandle&) = delete;

private:
    HANDLE m_handle;
};

}  // namespace

GFIL_FileSystemWin32::GFIL_FileSystemWin32(const std::wstring& path) : m_path(NormalizedPath(path)) {}

GFIL_FileSystemWin32::~GFIL_FileSystemWin32() {
    if (m_handle != INVALID_HANDLE_VALUE) {
        CloseHandle(m_handle);
    }
}

bool GFIL_FileSystemWin32::IsValidName(const std::wstring& name) {
    for (const wchar_t c : name) {
        if (c < 0x20 || c == L'<' || c == L'>' || c == L'*' || c == L':' || c == L'/' || c == L'"' || c == L'\\') {
            return false;
        }
    }
    // Device names, compared exactly: upper-case CON or LPT1 pass.
    if (name == L"aux" || name == L"con" || name == L"prn") {
        return false;
    }
    const bool deviceNumber = name.size() == 4 && name[3] >= L'0' && name[3] <= L'9';
    return !(deviceNumber && (name.compare(0, 3, L"lpt") == 0 || name.compare(0, 3, L"com") == 0));
}

const std::wstring& GFIL_FileSystemWin32::GetPath() const { return m_path; }

bool GFIL_FileSystemWin32::IsValid() const { return !m_path.empty(); }

bool GFIL_FileSystemWin32::Exists() const { return GetFileAttributesW(m_path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool GFIL_FileSystemWin32::IsFolder() const {
    const DWORD attributes = GetFileAttributesW(m_path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool GFIL_FileSystemWin32::IsFile() const {
    const DWORD attributes = GetFileAttributesW(m_path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool GFIL_FileSystemWin32::IsRoot() const {
    if (m_path.size() == 3 && IsAsciiLetter(m_path[0]) && m_path[1] == L':' && m_path[2] == L'\\') {
        return true;
    }
    // \\server\share: the two leading backslashes and the one between server and share.
    return m_path.size() >= 2 && m_path[0] == L'\\' && m_path[1] == L'\\' &&
           std::count(m_path.begin(), m_path.end(), L'\\') < 4;
}

std::wstring GFIL_FileSystemWin32::GetName() const {
    wchar_t buffer[kPathBuffer];
    LPWSTR filePart = nullptr;
    const DWORD length = GetFullPathNameW(m_path.c_str(), kPathBuffer, buffer, &filePart);
    if (length == 0 || length > kLongestPath || filePart == nullptr) {
        if (length > kLongestPath) {
            SetLastError(ERROR_FILENAME_EXCED_RANGE);
        } else if (length != 0) {
            SetLastError(ERROR_BAD_PATHNAME);  // a root: the system found no name at its end
        }
        GFIL_THROW(
            GFIL_ERR_INVALID_PATH,
            L"The path " + Quoted(m_path) + L" cannot be divided into its parent and child parts; " + LastErrorText());
    }
    return filePart;
}

GFIL_SpecRef GFIL_FileSystemWin32::GetParent() const {
    const std::size_t separator = m_path.find_last_of(L'\\');
    if (IsRoot() || separator == std::wstring::npos) {
        GFIL_THROW(GFIL_ERR_INVALID_PATH,
                   L"The spec " + Quoted(m_path) + L" is the root object; cannot retrieve a parent.");
    }
    std::wstring parent = m_path.substr(0, separator);
    if (parent.size() == 2 && parent[1] == L':') {
        parent += L'\\';
    }
    return GFIL_MakeSpec(parent);
}

std::wstring GFIL_FileSystemWin32::Join(const std::wstring& name) const {
    // A drive root ends in its backslash already.
    return !m_path.empty() && m_path.back() == L'\\' ? m_path + name : m_path + L'\\' + name;
}

void GFIL_FileSystemWin32::CheckChildName(const std::wstring& name) const {
    // An empty name would name the folder itself, not a child.
    if (name.empty() || !IsValidName(name)) {
        GFIL_THROW(GFIL_ERR_INVALID_PATH, L"The name " + Quoted(name) + L" is invalid for the Win32 platform.");
    }
}

bool GFIL_FileSystemWin32::HasChild(const std::wstring& name) const {
    CheckChildName(name);
    return GetFileAttributesW(Join(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

GFIL_SpecRef GFIL_FileSystemWin32::GetChild(const std::wstring& name) const {
    CheckChildName(name);
    return GFIL_MakeSpec(Join(name));
}

void GFIL_FileSystemWin32::Open(uint32_t mode, DWORD disposition) {
    CloseFile();
    const DWORD access =
        ((mode & GFIL_MODE_READ) != 0 ? GENERIC_READ : 0) | ((mode & GFIL_MODE_WRITE) != 0 ? GENERIC_WRITE : 0);
    const DWORD share = ((mode & GFIL_MODE_SHARE_READ) != 0 ? FILE_SHARE_READ : 0) |
                        ((mode & GFIL_MODE_SHARE_WRITE) != 0 ? FILE_SHARE_WRITE : 0) |
                        ((mode & GFIL_MODE_SHARE_DELETE) != 0 ? FILE_SHARE_DELETE : 0);
    m_handle = CreateFileW(m_path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void GFIL_FileSystemWin32::CreateFile(uint32_t mode) {
    Open(mode, (mode & GFIL_MODE_REPLACE) != 0 ? CREATE_ALWAYS : CREATE_NEW);
    if (m_handle != INVALID_HANDLE_VALUE) {
        return;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_EXISTS) {
        GFIL_THROW(GFIL_ERR_ALREADY_EXISTS, L"Unable to create the file " + Quoted(m_path) +
                                                L" because it already exists; " + GLIB_GetWin32ErrorText(error));
    }
    ThrowFileFailure(m_path, error, L"create");
}

void GFIL_FileSystemWin32::OpenFile(uint32_t mode) {
    Open(mode, OPEN_EXISTING);
    if (m_handle != INVALID_HANDLE_VALUE) {
        return;
    }
    ThrowFileFailure(m_path, GetLastError(), L"open");
}

void GFIL_FileSystemWin32::CloseFile() {
    if (m_handle == INVALID_HANDLE_VALUE) {
        return;
    }
    if (!CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE))) {
        GLIB_Log(GLIB_LOG_ERROR, L"CloseHandle() caused an internal error; " + LastErrorText(), __FILE__, __LINE__);
    }
}

void GFIL_FileSystemWin32::DeleteFile() {
    if (DeleteFileW(m_path.c_str())) {
        return;
    }
    ThrowFileFailure(m_path, GetLastError(), L"delete");
}

uint64_t GFIL_FileSystemWin32::GetSize() {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(m_handle, &size)) {
        GFIL_THROW(GFIL_ERR_UNKNOWN, L"An unknown error occured; " + LastErrorText());
    }
    return static_cast<uint64_t>(size.QuadPart);
}

void GFIL_FileSystemWin32::MoveTo(uint64_t offset) {
    if (offset > kLargestOffset) {
        GLIB_Log(GLIB_LOG_FATAL, "Win32 cannot support file offsets greater than 2^63", __FILE__, __LINE__);
    }
    LARGE_INTEGER distance{};
    distance.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(m_handle, distance, nullptr, FILE_BEGIN)) {
        GFIL_THROW(GFIL_ERR_UNKNOWN, L"An unknown error occured during SetFilePointer(); " + LastErrorText());
    }
}

void GFIL_FileSystemWin32::SetSize(uint64_t size) {
    MoveTo(size);
    if (SetEndOfFile(m_handle)) {
        return;
    }
    const DWORD error = GetLastError();
    const std::wstring text = GLIB_GetWin32ErrorText(error);
    if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL) {
        GFIL_THROW(GFIL_ERR_DISK_FULL, L"The target disk is full; " + text);
    }
    GFIL_THROW(GFIL_ERR_UNKNOWN, L"An unknown error occured; " + text);
}

uint32_t GFIL_FileSystemWin32::Read(uint64_t offset, void* buffer, uint32_t count) {
    MoveTo(offset);
    DWORD read = 0;
    if (!ReadFile(m_handle, buffer, count, &read, nullptr)) {
        GFIL_THROW(GFIL_ERR_UNKNOWN, L"An unknown error occured during ReadFile() ; " + LastErrorText());
    }
    return read;
}

void GFIL_FileSystemWin32::Reserved1() {}

void GFIL_FileSystemWin32::Reserved2() {}

void* GFIL_FileSystemWin32::ReadAll(uint64_t& length) {
    const bool openedHere = m_handle == INVALID_HANDLE_VALUE;
    if (openedHere) {
        OpenFile(GFIL_MODE_READ | GFIL_MODE_SHARE_READ);
    }
    unsigned char* buffer = nullptr;
    try {
        const uint64_t size = GetSize();
        buffer = static_cast<unsigned char*>(GLIB_GuardedAlloc(size, __LINE__, __FILE__));
        if (buffer == nullptr) {
            throw GLIB_BadAllocException(static_cast<uint32_t>(std::min<uint64_t>(size, UINT32_MAX)), __FILE__,
                                         __LINE__);
        }
        uint64_t done = 0;
        while (done < size) {
            const auto piece = static_cast<uint32_t>(std::min(size - done, kReadAllPiece));
            const uint32_t read = Read(done, buffer + done, piece);
            if (read == 0) {
                break;  // the file became shorter while we read it
            }
            done += read;
        }
        length = done;
    } catch (...) {
        GLIB_GuardedFree(buffer);
        if (openedHere) {
            CloseFile();
        }
        throw;
    }
    if (openedHere) {
        CloseFile();
    }
    return buffer;
}

void GFIL_FileSystemWin32::FreeBuffer(void* buffer) { GLIB_GuardedFree(buffer); }

void GFIL_FileSystemWin32::Write(uint64_t offset, const void* buffer, uint32_t count) {
    MoveTo(offset);
    DWORD written = 0;
    if (!WriteFile(m_handle, buffer, count, &written, nullptr)) {
        GFIL_THROW(GFIL_ERR_UNKNOWN, L"An unknown error occured during WriteFile(); " + LastErrorText());
    }
}

bool GFIL_FileSystemWin32::Reserved3() const { return false; }

void GFIL_FileSystemWin32::Reserved4() {}

void GFIL_FileSystemWin32::Flush() {
    if (!FlushFileBuffers(m_handle)) {
        GLIB_Log(GLIB_LOG_ERROR, L"FlushFileBuffers() generated an error; " + LastErrorText(), __FILE__, __LINE__);
    }
}

std::vector<GFIL_SpecRef> GFIL_FileSystemWin32::ListChildren() const {
    std::vector<GFIL_SpecRef> children;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(Join(L"*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) {
            return children;  // nothing matched: an empty folder
        }
        ThrowListingFailure(m_path, error);
    }
    const SearchHandle closer(search);
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L".." || !IsValidName(name)) {
            continue;
        }
        try {
            children.push_back(GFIL_MakeSpec(Join(name)));
        } catch (const GLIB_Exception& e) {
            if (e.GetCode() != GFIL_ERR_INVALID_PATH) {
                throw;
            }
            // Too long, or a character a path may not hold: it cannot make a path object.
        }
    } while (FindNextFileW(search, &found));
    const DWORD error = GetLastError();
    if (error != ERROR_NO_MORE_FILES) {
        ThrowListingFailure(m_path, error);
    }
    return children;
}

HANDLE GFIL_FileSystemWin32::GetHandle() const { return m_handle; }
