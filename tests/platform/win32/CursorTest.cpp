// Cursors and icons: pictures and hotspots from resources, sharing, the standard ones, and handles that are
// no longer valid.
#include <cstdint>
#include <vector>

#include "ExpectFailure.h"
#include "TestPlugIn.h"

namespace {

using Cursors = testplugin::PlugInTest;

struct Picture {
    LONG width = 0;
    LONG height = 0;
    std::vector<std::uint32_t> pixels;
};

// Reads and deletes a bitmap that GetIconInfo made; no bitmap is an empty picture.
Picture Take(HBITMAP bitmap) {
    Picture picture;
    BITMAP info{};
    if (GetObjectW(bitmap, sizeof info, &info) != 0) {
        picture.width = info.bmWidth;
        picture.height = info.bmHeight;
        picture.pixels.resize(static_cast<std::size_t>(info.bmWidth * info.bmHeight));
        GetBitmapBits(bitmap, info.bmWidthBytes * info.bmHeight, picture.pixels.data());
        EXPECT_TRUE(DeleteObject(bitmap));
    }
    return picture;
}

// What GetIconInfo tells of a cursor or icon, its pictures read.
struct Shape {
    bool icon = false;
    DWORD x = 0;
    DWORD y = 0;
    Picture color;
    Picture mask;
};
Shape ShapeOf(HICON handle) {
    ICONINFO info{};
    EXPECT_TRUE(GetIconInfo(handle, &info));
    return {info.fIcon != FALSE, info.xHotspot, info.yHotspot, Take(info.hbmColor), Take(info.hbmMask)};
}

}  // namespace

TEST_F(Cursors, CursorAndIconHaveTheirHotspotsAndTheGroupsNearestPicture) {
    // The 32 x 32 picture of the two, with its own hotspot; monochrome: the AND mask above the XOR picture,
    // both showing the diagonal.
    const Shape cursor = ShapeOf(LoadCursorW(module_, MAKEINTRESOURCEW(IDC_POINTER)));
    EXPECT_FALSE(cursor.icon);
    EXPECT_EQ(cursor.x, 5u);
    EXPECT_EQ(cursor.y, 7u);
    EXPECT_TRUE(cursor.color.pixels.empty());
    ASSERT_EQ(cursor.mask.width, 32);
    ASSERT_EQ(cursor.mask.height, 64);
    const std::vector<std::uint32_t>& mask = cursor.mask.pixels;
    EXPECT_EQ((std::vector<std::uint32_t>{mask[0], mask[1], mask[32 * 32], mask[32 * 32 + 1], mask.back()}),
              (std::vector<std::uint32_t>{0, 0xFFFFFF, 0xFFFFFF, 0, 0xFFFFFF}));

    const Shape icon = ShapeOf(LoadIconW(module_, MAKEINTRESOURCEW(IDI_SMALL)));
    EXPECT_TRUE(icon.icon);
    EXPECT_EQ(icon.x, 2u);
    EXPECT_EQ(icon.y, 2u);
    std::vector<std::uint32_t> expectedColor;
    std::vector<std::uint32_t> expectedMask(16, 0);
    for (int row = 0; row < 4; ++row)
        expectedColor.insert(expectedColor.end(), {0xFF0000, 0xFF0000, 0x0000FF, 0x0000FF});
    expectedMask[3] = 0xFFFFFF;  // the transparent top-right pixel
    EXPECT_EQ(icon.color.pixels, expectedColor);
    EXPECT_EQ(icon.mask.pixels, expectedMask);
}

TEST_F(Cursors, LoadedCursorsAreSharedUntilTheirModuleIsFreed) {
    const HCURSOR cursor = LoadCursorW(module_, MAKEINTRESOURCEW(IDC_POINTER));
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(LoadCursorW(module_, MAKEINTRESOURCEW(IDC_POINTER)), cursor);
    EXPECT_TRUE(DestroyCursor(cursor));  // no effect on a shared cursor
    EXPECT_EQ(ShapeOf(cursor).mask.height, 64);

    // The fixture's load is the only one: freeing it unloads the module and its cursors.
    ASSERT_TRUE(FreeLibrary(module_));
    ICONINFO info{};
    EXPECT_FAILS_WITH(!GetIconInfo(cursor, &info), ERROR_INVALID_CURSOR_HANDLE);
    EXPECT_FAILS_WITH(!DestroyCursor(cursor), ERROR_INVALID_CURSOR_HANDLE);
    module_ = LoadLibraryW(testplugin::PlugInPath().c_str());
}

TEST(StandardCursors, SystemCursorsAndIconsAreSharedObjects) {
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), arrow);
    EXPECT_NE(LoadCursorW(nullptr, IDC_IBEAM), arrow);
    const Shape cross = ShapeOf(LoadCursorW(nullptr, IDC_CROSS));
    EXPECT_FALSE(cross.icon);
    EXPECT_EQ(cross.x, 16u);
    EXPECT_EQ(cross.mask.height, 64);

    const HICON icon = LoadIconW(nullptr, IDI_WARNING);
    ASSERT_NE(icon, nullptr);
    EXPECT_NE(static_cast<void*>(icon), static_cast<void*>(arrow));
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_EQ(LoadIconW(nullptr, IDI_WARNING), icon);

    EXPECT_FAILS_WITH(LoadCursorW(nullptr, MAKEINTRESOURCEW(1)) == nullptr, ERROR_RESOURCE_NAME_NOT_FOUND);
    ICONINFO info{};
    EXPECT_FAILS_WITH(!GetIconInfo(reinterpret_cast<HICON>(0x4321), &info), ERROR_INVALID_CURSOR_HANDLE);
}
