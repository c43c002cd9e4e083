// Version information: the VS_VERSIONINFO resource of a module file, read from the file by name.
//
// The resource is a tree of blocks. Each block: wLength (bytes, the block with its children), wValueLength,
// wType (1: the value is UTF-16 text and wValueLength counts characters; 0: binary, counted in bytes), a
// terminated UTF-16 key, padding to 4 bytes, the value, padding to 4 bytes, then the children, each on a
// 4-byte boundary.
//
// Text values are UTF-16 but wide text here is 32-bit wchar_t, so VerQueryValueW cannot hand out a pointer
// to the value as it lies in the resource. The caller's buffer therefore holds more than the resource:
//
//     [0, L)                  the resource as it is in the file (L = the root block's wLength)
//     [A, A + 8)              a tag and L, telling VerQueryValueW that the texts were converted (A = L
//                             rounded up to 4)
//     [A + 8, A + 8 + 2A)     the converted texts: the value of the text block at offset o of the resource
//                             lies at A + 8 + 2 * o
//
// A text block of n bytes holds at most (n - 8) / 2 characters after its header and key, and its
// conversion, terminator included, takes at most 4 bytes for each of those and 4 more: never more than 2n.
// So each block's conversion fits in the room of twice its own size, and these rooms do not overlap.
// GetFileVersionInfoW converts every text value at once, which leaves VerQueryValueW reading only.
#include <algorithm>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Win32.h"
#include "kernel/DrivePaths.h"
#include "kernel/WideText.h"
#include "loader/ModuleFile.h"
#include "loader/ResourceDirectory.h"

namespace {

constexpr DWORD kConvertedTag = 0x54584557;  // "WEXT"
constexpr std::size_t kTrailerSize = 8;
constexpr WORD kVersionResourceId = 1;  // VS_VERSION_INFO
constexpr int kMaxDepth = 8;            // root, StringFileInfo, table, string: no real tree is deeper

std::size_t AlignUp4(std::size_t n) { return (n + 3) & ~std::size_t{3}; }

WORD Word(const unsigned char* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }

DWORD Dword(const unsigned char* p) { return static_cast<DWORD>(Word(p)) | (static_cast<DWORD>(Word(p + 2)) << 16); }

struct Block {
    std::size_t start = 0;
    std::size_t end = 0;
    WORD type = 0;
    WORD valueLength = 0;
    std::size_t keyStart = 0;
    std::size_t keyUnits = 0;
    std::size_t valueStart = 0;
    std::size_t valueBytes = 0;  // as much of the value as lies inside the block
    std::size_t childrenStart = 0;
};

// The block at `start`, which must end by `limit`. False when it does not.
bool ReadBlock(const unsigned char* data, std::size_t start, std::size_t limit, Block& block) {
    if (start > limit || limit - start < 6) {
        return false;
    }
    const std::size_t length = Word(data + start);
    if (length < 6 || length > limit - start) {
        return false;
    }
    block.start = start;
    block.end = start + length;
    block.valueLength = Word(data + start + 2);
    block.type = Word(data + start + 4);
    block.keyStart = start + 6;
    std::size_t p = block.keyStart;
    while (true) {
        if (block.end - p < 2) {
            return false;
        }
        if (Word(data + p) == 0) {
            break;
        }
        p += 2;
    }
    block.keyUnits = (p - block.keyStart) / 2;
    block.valueStart = std::min(block.end, AlignUp4(p + 2));
    const std::size_t declared = block.type == 1 ? 2 * std::size_t{block.valueLength} : block.valueLength;
    block.valueBytes = std::min(declared, block.end - block.valueStart);
    block.childrenStart = std::min(block.end, AlignUp4(block.valueStart + block.valueBytes));
    return true;
}

// Calls `visit` for each child block of `parent` until it returns false.
template <typename Visit>
void ForEachChild(const unsigned char* data, const Block& parent, Visit visit) {
    std::size_t pos = parent.childrenStart;
    Block child;
    while (ReadBlock(data, pos, parent.end, child)) {
        if (!visit(child)) {
            return;
        }
        pos = AlignUp4(child.end);
    }
}

std::size_t RequiredSize(std::size_t length) { return AlignUp4(length) + kTrailerSize + 2 * AlignUp4(length); }

wchar_t* ConvertedText(unsigned char* data, std::size_t length, const Block& block) {
    return reinterpret_cast<wchar_t*>(data + AlignUp4(length) + kTrailerSize + 2 * block.start);
}

void ConvertTexts(unsigned char* data, std::size_t length, const Block& block, int depth) {
    if (block.type == 1) {
        std::size_t units = 0;
        while (units < block.valueBytes / 2 && Word(data + block.valueStart + 2 * units) != 0) {
            ++units;
        }
        const std::wstring text = win32sub::FromUtf16(data + block.valueStart, units);
        std::wmemcpy(ConvertedText(data, length, block), text.c_str(), text.size() + 1);
    }
    if (depth < kMaxDepth) {
        ForEachChild(data, block, [&](const Block& child) {
            ConvertTexts(data, length, child, depth + 1);
            return true;
        });
    }
}

// The version resource of a module file: its root block's bytes, or an error code.
DWORD ReadVersionResource(LPCWSTR fileName, std::vector<unsigned char>& resource) {
    std::string path;
    win32sub::ModuleFileContents contents;
    if (!win32sub::LinuxPathOf(fileName, path)) {
        return ERROR_FILE_NOT_FOUND;
    }
    switch (win32sub::ReadModuleFile(path, contents)) {
        case win32sub::ModuleFileStatus::Missing:
            return ERROR_FILE_NOT_FOUND;
        case win32sub::ModuleFileStatus::NotModule:
            return ERROR_BAD_EXE_FORMAT;
        case win32sub::ModuleFileStatus::Read:
            break;
    }
    const std::shared_ptr<const win32sub::ResourceDirectory> directory =
        contents.resources.empty() ? nullptr : win32sub::ResourceDirectory::Parse(std::move(contents.resources));
    if (directory == nullptr || directory->Empty()) {
        return ERROR_RESOURCE_DATA_NOT_FOUND;
    }
    DWORD error = ERROR_SUCCESS;
    const win32sub::ResourceEntry* entry = directory->Find(win32sub::ResourceId::FromArgument(RT_VERSION),
                                                           win32sub::ResourceId::Number(kVersionResourceId),
                                                           MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), error);
    if (entry == nullptr) {
        return error;
    }
    Block root;
    if (!ReadBlock(entry->data, 0, entry->size, root)) {
        return ERROR_INVALID_DATA;
    }
    resource.assign(entry->data, entry->data + root.end);
    return ERROR_SUCCESS;
}

}  // namespace

WIN32SUB_API DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR fileName, LPDWORD handle) {
    if (handle != nullptr) {
        *handle = 0;
    }
    std::vector<unsigned char> resource;
    const DWORD error = ReadVersionResource(fileName, resource);
    if (error != ERROR_SUCCESS) {
        SetLastError(error);
        return 0;
    }
    return static_cast<DWORD>(RequiredSize(resource.size()));
}

WIN32SUB_API BOOL WINAPI GetFileVersionInfoW(LPCWSTR fileName, DWORD handle, DWORD size, LPVOID data) {
    (void)handle;
    if (data == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::vector<unsigned char> resource;
    const DWORD error = ReadVersionResource(fileName, resource);
    if (error != ERROR_SUCCESS) {
        SetLastError(error);
        return FALSE;
    }
    const std::size_t length = resource.size();
    if (size < RequiredSize(length)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    auto* out = static_cast<unsigned char*>(data);
    std::memset(out, 0, RequiredSize(length));
    std::memcpy(out, resource.data(), length);
    const DWORD trailer[2] = {kConvertedTag, static_cast<DWORD>(length)};
    std::memcpy(out + AlignUp4(length), trailer, sizeof trailer);
    Block root;
    ReadBlock(out, 0, length, root);
    ConvertTexts(out, length, root, 0);
    return TRUE;
}

WIN32SUB_API BOOL WINAPI VerQueryValueW(LPCVOID block, LPCWSTR subBlock, LPVOID* buffer, PUINT length) {
    if (block == nullptr || subBlock == nullptr || buffer == nullptr || length == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *buffer = nullptr;
    *length = 0;
    // The caller's block is only read; the const_cast serves the pointer handed back, as Windows does.
    auto* data = static_cast<unsigned char*>(const_cast<void*>(block));
    Block node;
    if (!ReadBlock(data, 0, Word(data), node)) {
        SetLastError(ERROR_INVALID_DATA);
        return FALSE;
    }
    const std::size_t total = node.end;
    const std::wstring_view path(subBlock);
    std::size_t pos = 0;
    while (pos < path.size()) {
        const std::size_t next = std::min(path.find(L'\\', pos), path.size());
        const std::wstring_view name = path.substr(pos, next - pos);
        pos = next + 1;
        if (name.empty()) {
            continue;
        }
        bool found = false;
        ForEachChild(data, node, [&](const Block& child) {
            if (win32sub::EqualFolded(win32sub::FromUtf16(data + child.keyStart, child.keyUnits), name)) {
                node = child;
                found = true;
            }
            return !found;
        });
        if (!found) {
            SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
            return FALSE;
        }
    }
    if (node.type != 1) {
        if (node.start == 0 && node.valueBytes == 0) {
            SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);  // no fixed file information
            return FALSE;
        }
        *buffer = data + node.valueStart;
        *length = static_cast<UINT>(node.valueBytes);
        return TRUE;
    }
    if (Dword(data + AlignUp4(total)) != kConvertedTag || Dword(data + AlignUp4(total) + 4) != total) {
        SetLastError(ERROR_INVALID_PARAMETER);  // not a block from GetFileVersionInfoW
        return FALSE;
    }
    wchar_t* text = ConvertedText(data, total, node);
    *buffer = text;
    *length = node.valueLength == 0 ? 0 : static_cast<UINT>(std::wcslen(text) + 1);
    return TRUE;
}
