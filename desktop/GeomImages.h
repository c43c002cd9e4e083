// Pictures of the host and bitmaps of the platform as Qt images.
#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

#include "Win32.h"
#include "host/render/HostPicture.h"

inline QImage GeomImageOf(const HostPicture& picture) {
    QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
    for (int y = 0; y < picture.Height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.Width(); ++x) {
            const HostPicture::Rgb pixel = picture.At(x, y);
            row[x] = qRgb(pixel.r, pixel.g, pixel.b);
        }
    }
    return image;
}

// A bitmap the plug-ins loaded (pixels 0x00RRGGBB, top row first); a null image for anything else.
inline QImage GeomImageOfBitmap(void* handle) {
    BITMAP bitmap{};
    if (handle == nullptr || GetObjectW(handle, sizeof bitmap, &bitmap) == 0) return {};
    std::vector<uint32_t> pixels(static_cast<std::size_t>(bitmap.bmWidth) * bitmap.bmHeight);
    const auto bytes = static_cast<LONG>(pixels.size() * sizeof(uint32_t));
    if (GetBitmapBits(static_cast<HBITMAP>(handle), bytes, pixels.data()) != bytes) return {};
    QImage image(bitmap.bmWidth, bitmap.bmHeight, QImage::Format_RGB32);
    for (LONG y = 0; y < bitmap.bmHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (LONG x = 0; x < bitmap.bmWidth; ++x) row[x] = 0xFF000000u | pixels[y * bitmap.bmWidth + x];
    }
    return image;
}
