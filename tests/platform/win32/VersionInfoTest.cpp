// Version information read from module files.
#include <cstdint>
#include <string>
#include <vector>

#include "ExpectFailure.h"
#include "TestPlugIn.h"

namespace {

class VersionInfo : public testing::Test {
protected:
    void SetUp() override {
        const DWORD size = GetFileVersionInfoSizeW(testplugin::PlugInPath().c_str(), nullptr);
        ASSERT_NE(size, 0u);
        // Stays at the start of an allocation, as the block always is for a caller.
        block_.resize((size + 3) / 4);
        ASSERT_TRUE(GetFileVersionInfoW(testplugin::PlugInPath().c_str(), 0, size, block_.data()));
    }

    std::wstring Text(const wchar_t* query) {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(block_.data(), query, &value, &length)) {
            return L"(none)";
        }
        EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)).size() + 1, length) << query;
        return static_cast<const wchar_t*>(value);
    }

    std::vector<std::uint32_t> block_;
};

}  // namespace

TEST_F(VersionInfo, TextValuesAreWideTextWhateverTheCaseOfTheirKeys) {
    EXPECT_EQ(Text(L"\\StringFileInfo\\040904b0\\ProductVersion"), L"5.6.7.8");
    EXPECT_EQ(Text(L"\\stringfileinfo\\040904B0\\productversion"), L"5.6.7.8");
    EXPECT_EQ(Text(L"\\StringFileInfo\\040904b0\\CompanyName"), L"Gr\u00FC\u00DFe \U0001D11E GmbH");
    EXPECT_EQ(Text(L"\\StringFileInfo\\040904b0\\Comments"), L"(none)");
    EXPECT_EQ(Text(L"\\StringFileInfo\\040704b0\\ProductVersion"), L"(none)");
}

TEST(VersionInfoFiles, FilesWithoutVersionOrTooSmallBuffers) {
    const std::wstring german = testplugin::GermanPath(), plugIn = testplugin::PlugInPath();
    DWORD handle = 99;
    EXPECT_FAILS_WITH(GetFileVersionInfoSizeW(german.c_str(), &handle) == 0u, ERROR_RESOURCE_TYPE_NOT_FOUND);
    EXPECT_EQ(handle, 0u);
    EXPECT_FAILS_WITH(GetFileVersionInfoSizeW(L"Z:\\no\\such\\file.api", nullptr) == 0u, ERROR_FILE_NOT_FOUND);

    const DWORD size = GetFileVersionInfoSizeW(plugIn.c_str(), nullptr);
    std::vector<std::uint32_t> block(size / 4);
    EXPECT_FAILS_WITH(!GetFileVersionInfoW(plugIn.c_str(), 0, size - 1, block.data()), ERROR_INSUFFICIENT_BUFFER);
}
