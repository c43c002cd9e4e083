// Pictures of the host, and bitmaps and cursors of the platform, as Qt images and cursors.
#pragma once

#include <QCursor>
#include <QImage>
#include <QPixmap>

#include <cstdint>
#include <vector>

#include "Win32.h"
#include "host/render/HostPicture.h"

// Into `image`, which keeps its memory when it has the picture's size: a view repainted at every move of the
// mouse then allocates nothing.
inline void GeomImageInto(const HostPicture& picture, QImage& image) {
    if (image.width() != picture.Width() || image.height() != picture.Height()) {
        image = QImage(picture.Width(), picture.Height(), QImage::Format_RGB32);
    }
    for (int y = 0; y < picture.Height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.Width(); ++x) {
            const HostPicture::Rgb pixel = picture.At(x, y);
            row[x] = 0xFF000000u | (uint32_t{pixel.r} << 16) | (uint32_t{pixel.g} << 8) | pixel.b;
        }
    }
}

inline QImage GeomImageOf(const HostPicture& picture) {
    QImage image;
    GeomImageInto(picture, image);
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

// A cursor of the platform: the standard ones as Qt's own shapes, a plug-in's from its pictures. A cursor
// with a colour picture is transparent where its mask is set; a monochrome one has its AND mask above its
// XOR mask in one picture of twice the height (a pixel to invert shows black).
inline QCursor GeomCursorOf(HCURSOR cursor) {
    static const struct {
        LPCWSTR id;
        Qt::CursorShape shape;
    } kStandard[] = {{IDC_ARROW, Qt::ArrowCursor},
                     {IDC_IBEAM, Qt::IBeamCursor},
                     {IDC_WAIT, Qt::WaitCursor},
                     {IDC_CROSS, Qt::CrossCursor},
                     {IDC_SIZEALL, Qt::SizeAllCursor}};
    for (const auto& standard : kStandard) {
        if (LoadCursorW(nullptr, standard.id) == cursor) return QCursor(standard.shape);
    }
    ICONINFO info{};
    if (cursor == nullptr || !GetIconInfo(cursor, &info)) return QCursor(Qt::ArrowCursor);
    const QImage mask = GeomImageOfBitmap(info.hbmMask), color = GeomImageOfBitmap(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    const int height = color.isNull() ? mask.height() / 2 : mask.height();
    QImage shown(mask.width(), height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const bool clear = (mask.pixel(x, y) & 0xFFFFFF) != 0;
            const bool flip = color.isNull() && (mask.pixel(x, y + height) & 0xFFFFFF) != 0;
            QRgb pixel = color.isNull() ? (flip && !clear ? qRgb(255, 255, 255) : qRgb(0, 0, 0)) : color.pixel(x, y);
            if (clear && !flip) pixel = qRgba(0, 0, 0, 0);
            shown.setPixel(x, y, pixel);
        }
    }
    return QCursor(QPixmap::fromImage(shown), static_cast<int>(info.xHotspot), static_cast<int>(info.yHotspot));
}
