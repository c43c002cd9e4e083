// The pure parts of the framework's utilities: the edge hit test and host-to-platform path text.
#include <gtest/gtest.h>

#include <string>

#include "XCHG/XCHG_Utils.h"

namespace {

const HostDevRect kBox{100, 50, 200, 150};

TEST(HitTestRect, EdgesWithinThreePixelsEachAxisOnItsOwn) {
    EXPECT_EQ(HitTestRect(97, 100, kBox), kHitLeft);
    EXPECT_EQ(HitTestRect(103, 100, kBox), kHitLeft);
    EXPECT_EQ(HitTestRect(96, 100, kBox), 0);
    EXPECT_EQ(HitTestRect(203, 100, kBox), kHitRight);
    EXPECT_EQ(HitTestRect(150, 47, kBox), kHitTop);
    EXPECT_EQ(HitTestRect(150, 153, kBox), kHitBottom);
    EXPECT_EQ(HitTestRect(100, 50, kBox), kHitLeft | kHitTop);
    EXPECT_EQ(HitTestRect(201, 149, kBox), kHitRight | kHitBottom);
    // Level with the left edge but far above the box: still the left edge.
    EXPECT_EQ(HitTestRect(100, -500, kBox), kHitLeft);
}

TEST(HitTestRect, InsideOnlyStrictlyWithinTheTolerance) {
    EXPECT_EQ(HitTestRect(150, 100, kBox), kHitInside);
    EXPECT_EQ(HitTestRect(104, 54, kBox), kHitInside);
    EXPECT_EQ(HitTestRect(104, 53, kBox), kHitTop);
    EXPECT_EQ(HitTestRect(300, 300, kBox), 0);
}

TEST(HitTestRect, LeftWinsOverRightOnANarrowBox) {
    const HostDevRect narrow{10, 10, 14, 40};
    EXPECT_EQ(HitTestRect(12, 25, narrow), kHitLeft);
    EXPECT_EQ(HitTestRect(16, 25, narrow), kHitRight);
}

std::string Platform(const char* hostPath, int size = 260) {
    char buffer[260];
    return XCHG_HostPathToPlatform(hostPath, buffer, size);
}

TEST(HostPathToPlatform, DriveLetterAndServerNames) {
    EXPECT_EQ(Platform("/Z/home/a.pdf"), "Z:\\home\\a.pdf");
    EXPECT_EQ(Platform("/Z/"), "Z:\\");
    EXPECT_EQ(Platform("/server/share/a.pdf"), "\\\\server\\share\\a.pdf");
    EXPECT_EQ(Platform("relative/name"), "relative\\name");
    EXPECT_EQ(Platform(nullptr), "");
    EXPECT_EQ(Platform("/Z/home/a.pdf", 8), "Z:\\home");
}

}  // namespace
