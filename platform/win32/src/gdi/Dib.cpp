// DIB decoding. Sizes are computed in 64 bits and checked against the data before anything is allocated,
// so that a header claiming a huge picture fails instead of exhausting memory.
#include "gdi/Dib.h"

#include <cstring>

#include "Win32.h"

namespace win32sub {
namespace {

std::uint64_t RowBytes(std::uint64_t width, unsigned bitCount) { return (width * bitCount + 31) / 32 * 4; }

std::uint32_t Rgb(BYTE red, BYTE green, BYTE blue) {
    return (static_cast<std::uint32_t>(red) << 16) | (static_cast<std::uint32_t>(green) << 8) | blue;
}

// Index `x` of a row of 1, 4 or 8 bits per pixel; the first pixel is in the high bits.
unsigned IndexAt(const unsigned char* row, long x, unsigned bitCount) {
    const std::uint64_t bit = static_cast<std::uint64_t>(x) * bitCount;
    const unsigned shift = 8 - bitCount - static_cast<unsigned>(bit % 8);
    return (row[bit / 8] >> shift) & ((1u << bitCount) - 1);
}

}  // namespace

bool DecodeDib(const unsigned char* data, std::size_t size, bool iconPicture, DibImage& image) {
    BITMAPINFOHEADER header;
    if (size < sizeof header) {
        return false;
    }
    std::memcpy(&header, data, sizeof header);
    const unsigned bitCount = header.biBitCount;
    if (header.biSize < sizeof header || header.biSize > size || header.biWidth <= 0 || header.biHeight == 0 ||
        header.biPlanes != 1 || header.biCompression != BI_RGB ||
        (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)) {
        return false;
    }
    const bool topDown = header.biHeight < 0;
    std::int64_t height = header.biHeight;
    if (iconPicture) {
        if (topDown || height % 2 != 0) {
            return false;
        }
        height /= 2;
    }
    height = height < 0 ? -height : height;
    const std::uint64_t width = static_cast<std::uint64_t>(header.biWidth);

    // The colour table: every index the rows can hold, unless fewer are said to be used. Larger depths may
    // carry a table too (for palette devices), which the rows do not use.
    const std::uint64_t maxColours = bitCount <= 8 ? (1u << bitCount) : 0;
    std::uint64_t colours = header.biClrUsed != 0 ? header.biClrUsed : maxColours;
    if (bitCount <= 8 && colours > maxColours) {
        return false;
    }
    std::uint64_t offset = header.biSize;
    if (colours > (size - offset) / 4) {
        return false;
    }
    const unsigned char* table = data + offset;
    offset += colours * 4;

    const std::uint64_t rowBytes = RowBytes(width, bitCount);
    const std::uint64_t maskRowBytes = iconPicture ? RowBytes(width, 1) : 0;
    const std::uint64_t rows = static_cast<std::uint64_t>(height);
    if (rowBytes > (size - offset) / rows || maskRowBytes * rows > size - offset - rowBytes * rows) {
        return false;
    }
    // Every pixel's four bytes must stay countable in a LONG, as GetBitmapBits reports them.
    if (width * rows > INT32_MAX / 4) {
        return false;
    }
    const unsigned char* bits = data + offset;
    const unsigned char* maskBits = bits + rowBytes * rows;

    image.width = static_cast<long>(width);
    image.height = static_cast<long>(height);
    image.bitCount = bitCount;
    image.pixels.assign(width * rows, 0);
    image.mask.assign(iconPicture ? width * rows : 0, 0);
    for (std::uint64_t y = 0; y < rows; ++y) {
        const std::uint64_t stored = topDown ? y : rows - 1 - y;
        const unsigned char* row = bits + stored * rowBytes;
        std::uint32_t* out = image.pixels.data() + y * width;
        for (long x = 0; x < static_cast<long>(width); ++x) {
            if (bitCount <= 8) {
                const unsigned index = IndexAt(row, x, bitCount);
                // An index beyond the table is black, as GDI draws it.
                out[x] = index < colours ? Rgb(table[4 * index + 2], table[4 * index + 1], table[4 * index]) : 0;
            } else {
                const unsigned char* p = row + static_cast<std::uint64_t>(x) * (bitCount / 8);
                out[x] = Rgb(p[2], p[1], p[0]);
            }
        }
        if (iconPicture) {
            const unsigned char* maskRow = maskBits + stored * maskRowBytes;
            for (long x = 0; x < static_cast<long>(width); ++x) {
                image.mask[y * width + x] = IndexAt(maskRow, x, 1) != 0 ? 0x00FFFFFF : 0;
            }
        }
    }
    return true;
}

}  // namespace win32sub
