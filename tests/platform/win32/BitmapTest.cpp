// Bitmaps from resources: every depth the decoder reads, both row orders, and the bitmap handle's life.
#include <cstdint>
#include <vector>

#include "ExpectFailure.h"
#include "TestPlugIn.h"

namespace {

using Bitmaps = testplugin::PlugInTest;

std::vector<std::uint32_t> Pixels(HBITMAP bitmap) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(GetBitmapBits(bitmap, 0, nullptr)) / 4);
    const auto bytes = static_cast<LONG>(pixels.size() * 4);
    EXPECT_EQ(GetBitmapBits(bitmap, bytes, pixels.data()), bytes);
    return pixels;
}

}  // namespace

TEST_F(Bitmaps, EveryDepthDecodesToTheExactPixels) {
    const struct {
        WORD id;
        LONG width;
        LONG height;
        std::vector<std::uint32_t> pixels;  // top row first
    } cases[] = {
        {IDB_BITS1, 3, 2, {0xFFEEDD, 0x112233, 0xFFEEDD, 0x112233, 0x112233, 0xFFEEDD}},
        {IDB_BITS4, 3, 2, {0x123456, 0x00FF00, 0x000000, 0x000000, 0x123456, 0x123456}},
        {IDB_BITS8, 2, 2, {0xABCDEF, 0x010203, 0x010203, 0x010203}},
        {IDB_BITS24, 3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x010203, 0x040506, 0x070809}},
        // Stored top-down, with alpha values that a bitmap does not keep.
        {IDB_BITS32, 2, 2, {0x0A141E, 0x28323C, 0x46505A, 0x646E78}},
    };
    for (const auto& c : cases) {
        const HBITMAP bitmap = LoadBitmapW(module_, MAKEINTRESOURCEW(c.id));
        ASSERT_NE(bitmap, nullptr) << c.id;
        BITMAP info{};
        EXPECT_EQ(GetObjectW(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
        EXPECT_EQ(info.bmWidth, c.width) << c.id;
        EXPECT_EQ(info.bmHeight, c.height) << c.id;
        EXPECT_EQ(info.bmWidthBytes, c.width * 4) << c.id;
        EXPECT_EQ(info.bmBitsPixel, 32) << c.id;
        EXPECT_EQ(Pixels(bitmap), c.pixels) << c.id;
        EXPECT_TRUE(DeleteObject(bitmap));
    }
}

TEST_F(Bitmaps, PartialCopyAndDeletedHandle) {
    const HBITMAP bitmap = LoadBitmapW(module_, MAKEINTRESOURCEW(IDB_BITS24));
    ASSERT_NE(bitmap, nullptr);
    std::uint32_t first[2] = {0xDEAD, 0xDEAD};
    EXPECT_EQ(GetBitmapBits(bitmap, 4, first), 4);
    EXPECT_EQ(first[0], 0xFF0000u);
    EXPECT_EQ(first[1], 0xDEADu);
    EXPECT_TRUE(DeleteObject(bitmap));

    BITMAP info;
    EXPECT_FAILS_WITH(GetObjectW(bitmap, sizeof info, &info) == 0, ERROR_INVALID_HANDLE);
    EXPECT_EQ(GetBitmapBits(bitmap, 4, first), 0);
    EXPECT_FAILS_WITH(!DeleteObject(bitmap), ERROR_INVALID_HANDLE);
}

TEST_F(Bitmaps, MissingOrWrongResourceFails) {
    EXPECT_FAILS_WITH(LoadBitmapW(module_, MAKEINTRESOURCEW(999)) == nullptr, ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_EQ(LoadBitmapW(nullptr, MAKEINTRESOURCEW(IDB_BITS1)), nullptr);
}
