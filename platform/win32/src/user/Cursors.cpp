// Cursors and icons. Those loaded from a module are shared, as on Windows: one object per module and
// resource, handed out again on every load, left alone by DestroyCursor and DestroyIcon, and destroyed when
// the module is unloaded. The standard cursors and icons of the system are shared objects that live as long
// as the process; having no screen, their pictures are blank.
#include "user/Cursors.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "Win32.h"
#include "gdi/Dib.h"
#include "gdi/GdiObjects.h"
#include "kernel/HandleTable.h"
#include "kernel/LastError.h"
#include "loader/ModuleResources.h"

namespace win32sub {
namespace {

// The size of the standard cursors and icons, and the size a group's pictures are matched to.
constexpr LONG kSystemSize = 32;

struct CursorObject {
    bool icon = false;
    HMODULE owner = nullptr;  // nullptr: a standard cursor or icon of the system
    LONG width = 0;
    LONG height = 0;
    DWORD hotX = 0;
    DWORD hotY = 0;
    bool monochrome = false;
    std::vector<std::uint32_t> color;  // 0x00RRGGBB, top row first
    std::vector<std::uint32_t> mask;   // 0x00FFFFFF where the AND mask is set
};

// The shared objects already handed out, by module (NULL: the system), kind and resource name.
using SharedKey = std::tuple<std::uintptr_t, bool, bool, WORD, std::wstring>;

struct Cursors {
    HandleTable<CursorObject> objects{2};
    std::mutex sharedMutex;
    std::map<SharedKey, HICON> shared;
};

Cursors& Table() {
    static auto* table = new Cursors;
    return *table;
}

SharedKey KeyOf(HMODULE module, bool icon, const ResourceId& name) {
    return {reinterpret_cast<std::uintptr_t>(module), icon, name.isString, name.number, name.text};
}

WORD Word(const unsigned char* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }

struct StandardShape {
    WORD id;
    DWORD hotX;
    DWORD hotY;
};

// Hotspots where the usual shapes have them: the arrows' tip, the centre of the others.
constexpr StandardShape kStandardCursors[] = {
    {32512, 0, 0},   {32513, 16, 16}, {32514, 16, 16}, {32515, 16, 16}, {32516, 16, 0},
    {32642, 16, 16}, {32643, 16, 16}, {32644, 16, 16}, {32645, 16, 16}, {32646, 16, 16},
    {32648, 16, 16}, {32649, 6, 0},   {32650, 0, 0},   {32651, 0, 0},
};
constexpr WORD kFirstStandardIcon = 32512;
constexpr WORD kLastStandardIcon = 32518;

std::shared_ptr<CursorObject> StandardObject(bool icon, WORD id) {
    auto object = std::make_shared<CursorObject>();
    object->icon = icon;
    object->width = kSystemSize;
    object->height = kSystemSize;
    object->monochrome = true;
    object->color.assign(kSystemSize * kSystemSize, 0);
    object->mask.assign(kSystemSize * kSystemSize, 0x00FFFFFF);  // transparent everywhere
    if (icon) {
        if (id < kFirstStandardIcon || id > kLastStandardIcon) {
            return nullptr;
        }
        object->hotX = object->hotY = kSystemSize / 2;
        return object;
    }
    for (const StandardShape& shape : kStandardCursors) {
        if (shape.id == id) {
            object->hotX = shape.hotX;
            object->hotY = shape.hotY;
            return object;
        }
    }
    return nullptr;
}

// The picture of a group nearest the system size, the deeper one of two equally near; 0 when none fits.
// A group is a 6-byte header (reserved, type, count) and 14-byte entries that end with the picture's id.
// Cursor entries hold width and height as 16-bit values, the height doubled for the mask; icon entries
// hold them as bytes, 0 meaning 256.
WORD ChoosePicture(const ResourceEntry& group, bool icon) {
    const unsigned char* data = group.data;
    if (group.size < 6) {
        return 0;
    }
    const std::size_t count = std::min<std::size_t>(Word(data + 4), (group.size - 6) / 14);
    WORD best = 0;
    long bestDistance = 0;
    unsigned bestDepth = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char* entry = data + 6 + 14 * i;
        long width;
        long height;
        if (icon) {
            width = entry[0] != 0 ? entry[0] : 256;
            height = entry[1] != 0 ? entry[1] : 256;
        } else {
            width = Word(entry);
            height = Word(entry + 2) / 2;
        }
        const unsigned depth = Word(entry + 6);
        const long distance = std::labs(width - kSystemSize) + std::labs(height - kSystemSize);
        if (best == 0 || distance < bestDistance || (distance == bestDistance && depth > bestDepth)) {
            best = Word(entry + 12);
            bestDistance = distance;
            bestDepth = depth;
        }
    }
    return best;
}

std::shared_ptr<CursorObject> LoadFromModule(HMODULE module, bool icon, const ResourceId& name) {
    std::shared_ptr<const ResourceDirectory> directory;
    const ResourceEntry* group =
        FindModuleResource(module, ResourceId::FromArgument(icon ? RT_GROUP_ICON : RT_GROUP_CURSOR), name,
                           MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), directory);
    if (group == nullptr) {
        return nullptr;
    }
    const WORD pictureId = ChoosePicture(*group, icon);
    const ResourceEntry* picture =
        pictureId == 0 ? nullptr
                       : FindModuleResource(module, ResourceId::FromArgument(icon ? RT_ICON : RT_CURSOR),
                                            ResourceId::Number(pictureId), group->language, directory);
    if (picture == nullptr) {
        return win32sub::Fail(ERROR_INVALID_DATA, nullptr);
    }
    // A cursor picture starts with its hotspot.
    const std::size_t skip = icon ? 0 : 4;
    DibImage image;
    if (picture->size < skip || !DecodeDib(picture->data + skip, picture->size - skip, true, image)) {
        return win32sub::Fail(ERROR_INVALID_DATA, nullptr);
    }
    auto object = std::make_shared<CursorObject>();
    object->icon = icon;
    object->owner = module;
    object->width = image.width;
    object->height = image.height;
    object->hotX = icon ? static_cast<DWORD>(image.width / 2) : Word(picture->data);
    object->hotY = icon ? static_cast<DWORD>(image.height / 2) : Word(picture->data + 2);
    object->monochrome = image.bitCount == 1;
    object->color = std::move(image.pixels);
    object->mask = std::move(image.mask);
    return object;
}

HICON Load(HINSTANCE instance, LPCWSTR name, bool icon) {
    const ResourceId id = ResourceId::FromArgument(name);
    Cursors& table = Table();
    const SharedKey key = KeyOf(instance, icon, id);
    std::lock_guard<std::mutex> lock(table.sharedMutex);
    if (const auto it = table.shared.find(key); it != table.shared.end()) {
        return it->second;
    }
    std::shared_ptr<CursorObject> object;
    if (instance == nullptr) {
        object = id.isString ? nullptr : StandardObject(icon, id.number);
        if (object == nullptr) {
            SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        }
    } else {
        object = LoadFromModule(instance, icon, id);
    }
    if (object == nullptr) {
        return nullptr;
    }
    const auto handle = static_cast<HICON>(table.objects.Add(std::move(object)));
    table.shared.emplace(key, handle);
    return handle;
}

BOOL Destroy(HICON handle) {
    if (Table().objects.Find(handle) == nullptr) {
        return win32sub::Fail(ERROR_INVALID_CURSOR_HANDLE, FALSE);
    }
    // Every cursor and icon there is comes from a load and is shared: destroying it has no effect.
    return TRUE;
}

}  // namespace

void ReleaseModuleCursors(HMODULE module) {
    Cursors& table = Table();
    std::lock_guard<std::mutex> lock(table.sharedMutex);
    std::erase_if(table.shared, [module](const auto& item) {
        return std::get<0>(item.first) == reinterpret_cast<std::uintptr_t>(module);
    });
    table.objects.RemoveIf([module](const CursorObject& object) { return object.owner == module; });
}

}  // namespace win32sub

WIN32SUB_API HCURSOR WINAPI LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    return win32sub::Load(instance, name, false);
}

WIN32SUB_API HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name) { return win32sub::Load(instance, name, true); }

WIN32SUB_API BOOL WINAPI DestroyCursor(HCURSOR cursor) { return win32sub::Destroy(cursor); }

WIN32SUB_API BOOL WINAPI DestroyIcon(HICON icon) { return win32sub::Destroy(icon); }

WIN32SUB_API BOOL WINAPI GetIconInfo(HICON icon, PICONINFO info) {
    const std::shared_ptr<win32sub::CursorObject> object = win32sub::Table().objects.Find(icon);
    if (object == nullptr) {
        return win32sub::Fail(ERROR_INVALID_CURSOR_HANDLE, FALSE);
    }
    if (info == nullptr) {
        return win32sub::Fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    ICONINFO result{};
    result.fIcon = object->icon ? TRUE : FALSE;
    result.xHotspot = object->hotX;
    result.yHotspot = object->hotY;
    if (object->monochrome) {
        // One bitmap of twice the height: the AND mask above the XOR picture.
        std::vector<std::uint32_t> both = object->mask;
        both.insert(both.end(), object->color.begin(), object->color.end());
        result.hbmMask = win32sub::CreateBitmapObject(object->width, 2 * object->height, std::move(both));
    } else {
        result.hbmMask = win32sub::CreateBitmapObject(object->width, object->height, object->mask);
        result.hbmColor = win32sub::CreateBitmapObject(object->width, object->height, object->color);
    }
    *info = result;
    return TRUE;
}
