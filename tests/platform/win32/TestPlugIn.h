// The test plug-in module and its German resource-only module, as the tests reach them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "TestPlugInIds.h"
#include "Win32.h"

namespace testplugin {

// The Win32 name of a Linux path: "/a/b" is "Z:\a\b".
inline std::wstring ZPath(const std::string& linuxPath) {
    std::wstring path = L"Z:";
    for (unsigned char c : linuxPath) {
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    return path;
}

inline std::wstring PlugInPath() { return ZPath(TEST_PLUGIN_FILE); }

inline std::wstring GermanPath() { return ZPath(TEST_PLUGIN_DEU_FILE); }

// Tests that read the plug-in's resources; the module is freed after each test, so that the next one
// starts from a fresh load.
class PlugInTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(module_ = LoadLibraryW(PlugInPath().c_str()), nullptr); }
    void TearDown() override { EXPECT_TRUE(FreeLibrary(module_)); }

    HMODULE module_ = nullptr;
};

}  // namespace testplugin
