// Bitmaps from resources, and reading a bitmap's pixels.
#include <algorithm>
#include <cstring>
#include <memory>

#include "Win32.h"
#include "gdi/Dib.h"
#include "gdi/GdiObjects.h"
#include "loader/ModuleResources.h"

namespace {

std::shared_ptr<const win32sub::GdiBitmap> FindBitmap(HBITMAP handle) {
    std::shared_ptr<win32sub::GdiObject> object = win32sub::FindGdiObject(handle);
    if (object == nullptr || object->kind != win32sub::GdiObject::Kind::Bitmap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return std::static_pointer_cast<const win32sub::GdiBitmap>(object);
}

}  // namespace

WIN32SUB_API HBITMAP WINAPI LoadBitmapW(HINSTANCE instance, LPCWSTR name) {
    if (instance == nullptr) {
        // The system's own bitmaps (OBM_...) are not provided.
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    std::shared_ptr<const win32sub::ResourceDirectory> directory;
    const win32sub::ResourceEntry* entry = win32sub::FindModuleResource(
        instance, win32sub::ResourceId::FromArgument(RT_BITMAP), win32sub::ResourceId::FromArgument(name),
        MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), directory);
    if (entry == nullptr) {
        return nullptr;
    }
    win32sub::DibImage image;
    if (!win32sub::DecodeDib(entry->data, entry->size, false, image)) {
        SetLastError(ERROR_INVALID_DATA);
        return nullptr;
    }
    return win32sub::CreateBitmapObject(image.width, image.height, std::move(image.pixels));
}

WIN32SUB_API LONG WINAPI GetBitmapBits(HBITMAP bitmap, LONG size, LPVOID bits) {
    const std::shared_ptr<const win32sub::GdiBitmap> found = FindBitmap(bitmap);
    if (found == nullptr) {
        return 0;
    }
    const std::size_t total = found->pixels.size() * sizeof(std::uint32_t);
    if (bits == nullptr) {
        return static_cast<LONG>(total);
    }
    const std::size_t count = std::min(total, static_cast<std::size_t>(std::max<LONG>(size, 0)));
    std::memcpy(bits, found->pixels.data(), count);
    return static_cast<LONG>(count);
}
