// String tables through LoadStringW and LoadStringA.
#include <string>

#include "TestPlugIn.h"

namespace {

using Strings = testplugin::PlugInTest;

const wchar_t kSize[] = L"Gr\u00F6\u00DFe \U0001D11E";  // the last one beyond 16 bits: a pair in UTF-16

}  // namespace

TEST_F(Strings, WideStringIsCutToTheBufferOrHandedOutInPlace) {
    wchar_t text[6];
    EXPECT_EQ(LoadStringW(module_, IDS_HELLO, text, 6), 5);
    EXPECT_STREQ(text, L"Hello");
    const wchar_t* inPlace = nullptr;
    EXPECT_EQ(LoadStringW(module_, IDS_HELLO, reinterpret_cast<LPWSTR>(&inPlace), 0), 12);
    ASSERT_NE(inPlace, nullptr);
    EXPECT_EQ(std::wstring(inPlace, 12), L"Hello, world");
}

TEST_F(Strings, NarrowStringsAreUtf8CutToWholeCharacters) {
    char text[64];
    EXPECT_EQ(LoadStringA(module_, IDS_SIZE, text, 64), 12);
    EXPECT_STREQ(text, "Gr\xC3\xB6\xC3\x9F\x65 \xF0\x9D\x84\x9E");  // \x65 is the 'e'
    EXPECT_EQ(LoadStringA(module_, IDS_SIZE, text, 4), 2);          // "\xC3\xB6" would need the fourth byte
    EXPECT_STREQ(text, "Gr");
    EXPECT_EQ(LoadStringA(module_, IDS_SIZE, text, 12), 8);
    EXPECT_STREQ(text, "Gr\xC3\xB6\xC3\x9F\x65 ");
    EXPECT_EQ(LoadStringA(module_, 100, text, 64), 0);
}
