// Folders: creating, removing, searching them, and unique temporary names in them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExpectFailure.h"
#include "ScratchFolder.h"
#include "Win32.h"

namespace {

class FolderTest : public testing::Test {
protected:
    // The names a search finds, in the order it finds them; "!" and the error when it finds nothing.
    std::vector<std::wstring> Search(const std::wstring& pattern) {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(pattern.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            return {L"!" + std::to_wstring(GetLastError())};
        }
        std::vector<std::wstring> names;
        do {
            names.emplace_back(found.cFileName);
        } while (FindNextFileW(search, &found));
        EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
        FindClose(search);
        return names;
    }

    ScratchFolder scratch;
};

}  // namespace

TEST_F(FolderTest, CreatingAFolderNeedsItsParentAndAFreeName) {
    EXPECT_TRUE(CreateDirectoryW(scratch.Win32(L"new").c_str(), nullptr));
    EXPECT_TRUE(std::filesystem::is_directory(scratch.Linux("new")));
    scratch.Put("file", "");
    EXPECT_FAILS_WITH(!CreateDirectoryW(scratch.Win32(L"file").c_str(), nullptr), ERROR_ALREADY_EXISTS);
    EXPECT_FAILS_WITH(!CreateDirectoryW(scratch.Win32(L"missing\\new").c_str(), nullptr), ERROR_PATH_NOT_FOUND);
    EXPECT_FAILS_WITH(!CreateDirectoryW(scratch.Win32(L"a:b").c_str(), nullptr), ERROR_INVALID_NAME);
}

TEST_F(FolderTest, RemovingAFolderNeedsItEmptyAndUnused) {
    std::filesystem::create_directories(scratch.Linux("full/inner"));
    scratch.Put("file", "");
    EXPECT_FAILS_WITH(!RemoveDirectoryW(scratch.Win32(L"full").c_str()), ERROR_DIR_NOT_EMPTY);
    EXPECT_FAILS_WITH(!RemoveDirectoryW(scratch.Win32(L"file").c_str()), ERROR_DIRECTORY);
    EXPECT_FAILS_WITH(!RemoveDirectoryW(scratch.Win32(L"missing").c_str()), ERROR_FILE_NOT_FOUND);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(scratch.Linux("full/inner"));
    EXPECT_FAILS_WITH(!RemoveDirectoryW(scratch.Win32(L"full\\inner").c_str()), ERROR_SHARING_VIOLATION);
    std::filesystem::current_path(previous);
    EXPECT_TRUE(RemoveDirectoryW(scratch.Win32(L"full\\inner").c_str()));
    EXPECT_FALSE(scratch.Has("full/inner"));
}

TEST_F(FolderTest, SearchesGiveDotsFirstThenNamesInOrder) {
    for (const char* name : {"b.txt", "a.txt", "B.txt", "c.pdf", "noext"}) scratch.Put(name, "12345");
    std::filesystem::create_directory(scratch.Linux("sub"));
    using Names = std::vector<std::wstring>;
    EXPECT_EQ(Search(scratch.Win32(L"*.*")),
              (Names{L".", L"..", L"a.txt", L"B.txt", L"b.txt", L"c.pdf", L"noext", L"sub"}));
    EXPECT_EQ(Search(scratch.Win32(L"*.txt")), (Names{L"a.txt", L"B.txt", L"b.txt"}));
    EXPECT_EQ(Search(scratch.Win32(L"?.t*")), (Names{L"a.txt", L"B.txt", L"b.txt"}));
    EXPECT_EQ(Search(scratch.Win32(L"noext.*")), (Names{L"noext"}));
    EXPECT_EQ(Search(scratch.Win32(L"sub")), (Names{L"sub"}));
    EXPECT_EQ(Search(scratch.Win32(L"*.doc")), (Names{L"!2"}));
    EXPECT_EQ(Search(scratch.Win32(L"sub\\")), (Names{L"!2"}));
    EXPECT_EQ(Search(scratch.Win32(L"missing\\*")), (Names{L"!3"}));
    EXPECT_EQ(Search(scratch.Win32(L"a.txt\\*")), (Names{L"!267"}));
    EXPECT_EQ(Search(scratch.Win32(L"s*b\\*")), (Names{L"!123"}));  // wildcards only in the last name
    EXPECT_NE(Search(L"Z:\\*").front(), L".");                      // a root has no dot entries
}

TEST_F(FolderTest, TemporaryNamesAreNewFilesWithAPrefixAndANumber) {
    wchar_t first[MAX_PATH];
    wchar_t second[MAX_PATH];
    const UINT one = GetTempFileNameW(scratch.Win32().c_str(), L"GFIxyz", 0, first);
    const UINT two = GetTempFileNameW((scratch.Win32() + L"\\").c_str(), L"GFI", 0, second);
    ASSERT_TRUE(one != 0 && two != 0 && one != two);
    wchar_t expected[32];
    swprintf(expected, 32, L"\\GFI%X.tmp", one);
    EXPECT_EQ(std::wstring(first), scratch.Win32() + expected);
    EXPECT_EQ(GetFileAttributesW(first), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));  // created, empty
    EXPECT_EQ(GetFileAttributesW(second), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));

    // A number of the caller's own: only the low 16 bits count, and nothing is created.
    EXPECT_EQ(GetTempFileNameW(scratch.Win32().c_str(), L"ab", 0x1234A, first), 0x1234Au);
    EXPECT_EQ(std::wstring(first), scratch.Win32(L"ab234A.tmp"));
    EXPECT_FALSE(scratch.Has("ab234A.tmp"));

    const std::wstring missing = scratch.Win32(L"missing"), tooLong = L"Z:\\" + std::wstring(250, L'a');
    EXPECT_FAILS_WITH(GetTempFileNameW(missing.c_str(), L"GFI", 0, first) == 0u, ERROR_DIRECTORY);
    EXPECT_FAILS_WITH(GetTempFileNameW(tooLong.c_str(), L"GFI", 0, first) == 0u, ERROR_BUFFER_OVERFLOW);
}
