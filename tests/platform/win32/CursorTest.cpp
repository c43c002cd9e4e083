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

// Reads and deletes a bitmap that GetIconInfo made.
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

}  // namespace

TEST_F(Cursors, CursorHasItsHotspotAndTheGroupsNearestPicture) {
    const HCURSOR cursor = LoadCursorW(module_, MAKEINTRESOURCEW(IDC_POINTER));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    // The 32 x 32 picture of the two, with its own hotspot.
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 7u);
    // Monochrome: the AND mask above the XOR picture; both show the diagonal.
    EXPECT_EQ(info.hbmColor, nullptr);
    const Picture mask = Take(info.hbmMask);
    ASSERT_EQ(mask.width, 32);
    ASSERT_EQ(mask.height, 64);
    EXPECT_EQ(mask.pixels[0], 0u);
    EXPECT_EQ(mask.pixels[1], 0xFFFFFFu);
    EXPECT_EQ(mask.pixels[32 * 32], 0xFFFFFFu);
    EXPECT_EQ(mask.pixels[32 * 32 + 1], 0u);
    EXPECT_EQ(mask.pixels[32 * 32 + 31 * 32 + 31], 0xFFFFFFu);
}

TEST_F(Cursors, IconHasColourMaskAndCentreHotspot) {
    const HICON icon = LoadIconW(module_, MAKEINTRESOURCEW(IDI_SMALL));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 2u);
    EXPECT_EQ(info.yHotspot, 2u);
    const Picture color = Take(info.hbmColor);
    const Picture mask = Take(info.hbmMask);
    std::vector<std::uint32_t> expectedColor;
    std::vector<std::uint32_t> expectedMask(16, 0);
    for (int row = 0; row < 4; ++row)
        expectedColor.insert(expectedColor.end(), {0xFF0000, 0xFF0000, 0x0000FF, 0x0000FF});
    expectedMask[3] = 0xFFFFFF;  // the transparent top-right pixel
    EXPECT_EQ(color.pixels, expectedColor);
    EXPECT_EQ(mask.pixels, expectedMask);
}

TEST_F(Cursors, LoadedCursorsAreSharedUntilTheirModuleIsFreed) {
    const HCURSOR cursor = LoadCursorW(module_, MAKEINTRESOURCEW(IDC_POINTER));
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(LoadCursorW(module_, MAKEINTRESOURCEW(IDC_POINTER)), cursor);
    EXPECT_TRUE(DestroyCursor(cursor));  // no effect on a shared cursor
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    DeleteObject(info.hbmMask);

    // The fixture's load is the only one: freeing it unloads the module and its cursors.
    ASSERT_TRUE(FreeLibrary(module_));
    EXPECT_FAILS_WITH(!GetIconInfo(cursor, &info), ERROR_INVALID_CURSOR_HANDLE);
    EXPECT_FAILS_WITH(!DestroyCursor(cursor), ERROR_INVALID_CURSOR_HANDLE);
    module_ = LoadLibraryW(testplugin::PlugInPath().c_str());
}

TEST(StandardCursors, SystemCursorsAndIconsAreSharedObjects) {
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), arrow);
    EXPECT_NE(LoadCursorW(nullptr, IDC_IBEAM), arrow);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(LoadCursorW(nullptr, IDC_CROSS), &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 16u);
    const Picture mask = Take(info.hbmMask);
    EXPECT_EQ(mask.height, 64);

    const HICON icon = LoadIconW(nullptr, IDI_WARNING);
    ASSERT_NE(icon, nullptr);
    EXPECT_NE(static_cast<void*>(icon), static_cast<void*>(arrow));
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_EQ(LoadIconW(nullptr, IDI_WARNING), icon);

    EXPECT_FAILS_WITH(LoadCursorW(nullptr, MAKEINTRESOURCEW(1)) == nullptr, ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_FAILS_WITH(!GetIconInfo(reinterpret_cast<HICON>(0x4321), &info), ERROR_INVALID_CURSOR_HANDLE);
}
