// Host-to-platform path text; the edge hit test is the rectangle tools' (tests/acrobatplugins/EXGM).
#include <gtest/gtest.h>

#include <string>

#include "XCHG/XCHG_Utils.h"

namespace {

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
