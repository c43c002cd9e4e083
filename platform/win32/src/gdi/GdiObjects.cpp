// The GDI object table, and the functions that apply to every kind of object.
#include "gdi/GdiObjects.h"

#include <cstring>

#include "kernel/HandleTable.h"

namespace win32sub {
namespace {

HandleTable<GdiObject>& Objects() {
    static auto* table = new HandleTable<GdiObject>(1);
    return *table;
}

}  // namespace

HGDIOBJ AddGdiObject(std::shared_ptr<GdiObject> object) { return Objects().Add(std::move(object)); }

std::shared_ptr<GdiObject> FindGdiObject(HGDIOBJ object) {
    std::shared_ptr<GdiObject> found = Objects().Find(object);
    if (found == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
    }
    return found;
}

HBITMAP CreateBitmapObject(LONG width, LONG height, std::vector<std::uint32_t> pixels) {
    return static_cast<HBITMAP>(AddGdiObject(std::make_shared<GdiBitmap>(width, height, std::move(pixels))));
}

}  // namespace win32sub

WIN32SUB_API BOOL WINAPI DeleteObject(HGDIOBJ object) {
    if (win32sub::Objects().Remove(object) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

WIN32SUB_API int WINAPI GetObjectW(HANDLE object, int size, LPVOID buffer) {
    const std::shared_ptr<win32sub::GdiObject> found = win32sub::FindGdiObject(object);
    if (found == nullptr) {
        return 0;
    }
    if (found->kind != win32sub::GdiObject::Kind::Bitmap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    const auto& bitmap = static_cast<const win32sub::GdiBitmap&>(*found);
    if (buffer == nullptr) {
        return static_cast<int>(sizeof(BITMAP));
    }
    if (size < static_cast<int>(sizeof(BITMAP))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    BITMAP info{};
    info.bmWidth = bitmap.width;
    info.bmHeight = bitmap.height;
    info.bmWidthBytes = bitmap.width * 4;
    info.bmPlanes = 1;
    info.bmBitsPixel = 32;
    std::memcpy(buffer, &info, sizeof info);
    return static_cast<int>(sizeof(BITMAP));
}
