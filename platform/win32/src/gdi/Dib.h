// Decoding device-independent bitmaps as resources carry them: a BITMAPINFOHEADER (or a later, larger
// header), a colour table, then the rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace win32sub {

struct DibImage {
    long width = 0;
    long height = 0;
    unsigned bitCount = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
    std::vector<std::uint32_t> mask;    // icon pictures only: 0x00FFFFFF where the AND mask is set, else 0
};

// An uncompressed DIB of 1, 4, 8, 24 or 32 bits per pixel, bottom-up or top-down. An icon or cursor
// picture has twice its height in the header and an AND mask of 1 bit per pixel after its rows. False for
// anything else, and for data too short for what the header says.
bool DecodeDib(const unsigned char* data, std::size_t size, bool iconPicture, DibImage& image);

}  // namespace win32sub
