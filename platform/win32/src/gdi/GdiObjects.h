// The process's GDI objects. Only bitmaps exist so far; pens, brushes and fonts will join them here.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Win32.h"

namespace win32sub {

struct GdiObject {
    enum class Kind { Bitmap };

    explicit GdiObject(Kind k) : kind(k) {}
    virtual ~GdiObject() = default;

    const Kind kind;
};

struct GdiBitmap final : GdiObject {
    GdiBitmap(LONG w, LONG h, std::vector<std::uint32_t> p)
        : GdiObject(Kind::Bitmap), width(w), height(h), pixels(std::move(p)) {}

    const LONG width;
    const LONG height;
    const std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
};

HGDIOBJ AddGdiObject(std::shared_ptr<GdiObject> object);
// nullptr with ERROR_INVALID_HANDLE when the handle names no GDI object.
std::shared_ptr<GdiObject> FindGdiObject(HGDIOBJ object);

// A new bitmap object of `width` x `height` pixels.
HBITMAP CreateBitmapObject(LONG width, LONG height, std::vector<std::uint32_t> pixels);

}  // namespace win32sub
