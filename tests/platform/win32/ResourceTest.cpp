// Finding resources: by type and name (integers, strings, "#n"), the language choice, and the errors.
#include <string>

#include "ExpectFailure.h"
#include "TestPlugIn.h"

namespace {

class Resources : public testplugin::PlugInTest {
protected:
    std::string Bytes(HRSRC resource) {
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module_, resource)));
        return data != nullptr ? std::string(data, SizeofResource(module_, resource)) : "(none)";
    }
};

}  // namespace

TEST_F(Resources, CustomTypeGivesItsExactBytes) {
    const HRSRC resource = FindResourceW(module_, MAKEINTRESOURCEW(IDR_PLUGIN_DATA), L"PDCL");
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(Bytes(resource), std::string("\x01\x02\x03\x04xy"));
    // Type names compare without regard to case; "#n" is the integer n.
    EXPECT_EQ(FindResourceW(module_, L"#401", L"pdcl"), resource);
}

TEST_F(Resources, EachMissingPartHasItsOwnError) {
    EXPECT_EQ(FindResourceW(module_, MAKEINTRESOURCEW(1), RT_MENU), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_TYPE_NOT_FOUND);
    EXPECT_EQ(FindResourceW(module_, MAKEINTRESOURCEW(999), L"PDCL"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_FAILS_WITH(FindResourceW(module_, L"LangsX", RT_RCDATA) == nullptr, ERROR_RESOURCE_NAME_NOT_FOUND);
    // The test program carries no resources.
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_RCDATA), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_DATA_NOT_FOUND);

    const HRSRC resource = FindResourceW(module_, MAKEINTRESOURCEW(IDR_PLUGIN_DATA), L"PDCL");
    const auto notAModule = reinterpret_cast<HMODULE>(0x1234);
    EXPECT_EQ(FindResourceW(notAModule, MAKEINTRESOURCEW(IDR_PLUGIN_DATA), L"PDCL"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FAILS_WITH(LoadResource(notAModule, resource) == nullptr, ERROR_INVALID_HANDLE);
    // A resource handle of another module, or no resource handle at all.
    EXPECT_EQ(LoadResource(nullptr, resource), nullptr);
    EXPECT_EQ(SizeofResource(module_, reinterpret_cast<HRSRC>(reinterpret_cast<char*>(resource) + 1)), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}
