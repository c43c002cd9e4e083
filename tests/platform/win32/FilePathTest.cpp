// Full paths, the current directory and the temporary folder: Win32 path rules over drive Z:.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <string>

#include "ExpectFailure.h"
#include "ScratchFolder.h"
#include "Win32.h"

namespace {

std::wstring FullPath(const wchar_t* path, std::wstring* filePart = nullptr) {
    wchar_t buffer[MAX_PATH + 1];
    LPWSTR part = nullptr;
    const DWORD length = GetFullPathNameW(path, MAX_PATH + 1, buffer, &part);
    EXPECT_GT(length, 0u) << path;
    if (filePart != nullptr) {
        *filePart = part != nullptr ? std::wstring(part) : L"(none)";
    }
    return length > 0 ? std::wstring(buffer, length) : std::wstring();
}

// Runs a test inside a scratch folder as current directory, and puts the old one back afterwards.
class InScratchFolder : public testing::Test {
protected:
    void SetUp() override {
        m_previous = std::filesystem::current_path();
        ASSERT_TRUE(SetCurrentDirectoryW(scratch.Win32().c_str()));
    }
    void TearDown() override { std::filesystem::current_path(m_previous); }

    ScratchFolder scratch;

private:
    std::filesystem::path m_previous;
};

}  // namespace

TEST(FullPath, ResolvesDotsAndSlashesOnTheTextAloneAndLeavesTheRestForTheCallerToJudge) {
    const std::array<const wchar_t*, 3> cases[] = {
        // given, full path, file part
        {L"c:/dir/./sub/../file.txt", L"c:\\dir\\file.txt", L"file.txt"},
        {L"Q:\\..\\..\\a", L"Q:\\a", L"a"},  // ".." never leaves the root
        {L"\\\\server\\share\\..\\x", L"\\\\server\\share\\x", L"x"},
        {L"\\\\?\\Z:\\a\\..\\b", L"\\\\?\\Z:\\a\\..\\b", L"b"},  // taken as written
        // Separator runs and characters no file may have stay.
        {L"c:\\dir\\", L"c:\\dir\\", L"(none)"},
        {L"c:\\", L"c:\\", L"(none)"},
        {L"c:\\a\\\\b", L"c:\\a\\\\b", L"b"},
        {L"c:\\a\\x\ty<|>*?.txt", L"c:\\a\\x\ty<|>*?.txt", L"x\ty<|>*?.txt"},
        {L"1:\\x", L"1:\\x", L"x"},
        // Trailing periods and spaces go, as Win32 drops them.
        {L"c:\\dir.\\file.txt. . ", L"c:\\dir\\file.txt", L"file.txt"},
        {L"c:\\dir\\...", L"c:\\dir\\", L"(none)"},
        {L"c:\\dir..\\a", L"c:\\dir..\\a", L"a"},
    };
    for (const auto& [given, full, filePart] : cases) {
        std::wstring part;
        EXPECT_EQ(FullPath(given, &part), full);
        EXPECT_EQ(part, filePart) << given;
    }
}

TEST_F(InScratchFolder, RelativePathsStartFromTheCurrentDirectory) {
    wchar_t current[MAX_PATH + 1];
    ASSERT_EQ(GetCurrentDirectoryW(MAX_PATH + 1, current), scratch.Win32().size());
    EXPECT_EQ(current, scratch.Win32());
    EXPECT_EQ(FullPath(L"a\\b.txt"), scratch.Win32(L"a\\b.txt"));
    EXPECT_EQ(FullPath(L"Z:b.txt"), scratch.Win32(L"b.txt"));
    EXPECT_EQ(FullPath(L"Q:b.txt"), L"Q:\\b.txt");  // other drives have no current directory: their root
    EXPECT_EQ(FullPath(L"\\b.txt"), L"Z:\\b.txt");
    EXPECT_EQ(FullPath(L".."), scratch.Win32().substr(0, scratch.Win32().find_last_of(L'\\')));
}
