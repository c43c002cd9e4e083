// Files through handles: dispositions, reading and writing, the file pointer and size, sharing between
// handles, the read-only attribute, and the Win32 error codes of each failure.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "ExpectFailure.h"
#include "ScratchFolder.h"
#include "Win32.h"

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

class FileTest : public testing::Test {
protected:
    // A name in the scratch folder; one with a drive or a server is a full path of its own.
    HANDLE Open(const std::wstring& name, DWORD access, DWORD share, DWORD disposition = OPEN_EXISTING) {
        const bool full = name.find(L':') != std::wstring::npos || name.starts_with(L"\\\\");
        return CreateFileW((full ? name : scratch.Win32(name)).c_str(), access, share, nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    // The last error of a call that must fail.
    DWORD ErrorOfOpen(const std::wstring& name, DWORD access, DWORD share, DWORD disposition = OPEN_EXISTING) {
        SetLastError(0);
        const HANDLE file = Open(name, access, share, disposition);
        EXPECT_EQ(file, INVALID_HANDLE_VALUE) << "opened " << testing::PrintToString(name);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        return GetLastError();
    }
    static std::string ReadAt(HANDLE file, LONGLONG offset, DWORD count) {
        LARGE_INTEGER position{};
        position.QuadPart = offset;
        std::string bytes(count, '\0');
        DWORD read = 0;
        EXPECT_TRUE(SetFilePointerEx(file, position, nullptr, FILE_BEGIN));
        EXPECT_TRUE(ReadFile(file, bytes.data(), count, &read, nullptr));
        bytes.resize(read);
        return bytes;
    }
    static LONGLONG SizeOf(HANDLE file) {
        LARGE_INTEGER size{};
        EXPECT_TRUE(GetFileSizeEx(file, &size));
        return size.QuadPart;
    }

    ScratchFolder scratch;
};

}  // namespace

TEST_F(FileTest, DispositionsCreateOpenAndTruncateAsWin32Says) {
    HANDLE created = Open(L"a.txt", GENERIC_WRITE, 0, CREATE_NEW);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(created, "content", 7, &written, nullptr) && written == 7);
    CloseHandle(created);
    EXPECT_EQ(ErrorOfOpen(L"a.txt", GENERIC_READ, 0, CREATE_NEW), ERROR_FILE_EXISTS);

    HANDLE kept = Open(L"a.txt", GENERIC_READ, 0, OPEN_ALWAYS);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(SizeOf(kept), 7);
    CloseHandle(kept);
    HANDLE emptied = Open(L"a.txt", GENERIC_READ, 0, CREATE_ALWAYS);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(SizeOf(emptied), 0);
    CloseHandle(emptied);
    HANDLE fresh = Open(L"b.txt", GENERIC_READ, 0, OPEN_ALWAYS);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    CloseHandle(fresh);
    EXPECT_TRUE(scratch.Has("b.txt"));
    EXPECT_EQ(ErrorOfOpen(L"b.txt", GENERIC_READ, 0, TRUNCATE_EXISTING), ERROR_INVALID_PARAMETER);
}

TEST_F(FileTest, NamesThatLeadNowhereFailWithTheirOwnCodes) {
    std::filesystem::create_directory(scratch.Linux("folder"));
    scratch.Put("file", "");
    EXPECT_EQ(ErrorOfOpen(L"missing", GENERIC_READ, 0), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ErrorOfOpen(L"missing\\a", GENERIC_READ, 0, CREATE_NEW), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(ErrorOfOpen(L"file\\a", GENERIC_READ, 0), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(ErrorOfOpen(L"folder", GENERIC_READ, 0), ERROR_ACCESS_DENIED);
    EXPECT_EQ(ErrorOfOpen(L"file\\", GENERIC_READ, 0), ERROR_INVALID_NAME);
    for (const wchar_t* name : {L"a?b", L"a*b", L"a|b", L"a\"b", L"a<b", L"a\tb"})
        EXPECT_EQ(ErrorOfOpen(name, GENERIC_WRITE, 0, CREATE_NEW), ERROR_INVALID_NAME) << name;
    EXPECT_EQ(ErrorOfOpen(L"C:\\a.txt", GENERIC_READ, 0), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(ErrorOfOpen(L"\\\\server\\share\\a", GENERIC_READ, 0), ERROR_BAD_NETPATH);
}

TEST_F(FileTest, ReadsAndWritesFollowTheHandlesOwnFilePointer) {
    HANDLE file = Open(L"data", GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
    DWORD count = 0;
    ASSERT_TRUE(WriteFile(file, "hello world", 11, &count, nullptr));
    EXPECT_EQ(ReadAt(file, 6, 100), "world");  // a read past the end returns what there is
    EXPECT_EQ(ReadAt(file, 11, 4), "");

    LARGE_INTEGER move{};
    LARGE_INTEGER now{};
    move.QuadPart = -5;
    EXPECT_TRUE(SetFilePointerEx(file, move, &now, FILE_END));
    EXPECT_EQ(now.QuadPart, 6);
    EXPECT_TRUE(WriteFile(file, "W", 1, &count, nullptr));
    move.QuadPart = 2;
    EXPECT_TRUE(SetFilePointerEx(file, move, &now, FILE_CURRENT));
    EXPECT_EQ(now.QuadPart, 9);
    move.QuadPart = 20;
    EXPECT_TRUE(SetFilePointerEx(file, move, nullptr, FILE_BEGIN));
    EXPECT_TRUE(WriteFile(file, "!", 1, &count, nullptr));  // the gap reads as zeros
    EXPECT_EQ(ReadAt(file, 0, 100), std::string("hello World") + std::string(9, '\0') + "!");

    move.QuadPart = -1;
    EXPECT_FAILS_WITH(!SetFilePointerEx(file, move, nullptr, FILE_BEGIN), ERROR_NEGATIVE_SEEK);
    EXPECT_FAILS_WITH(!SetFilePointerEx(file, move, nullptr, 3), ERROR_INVALID_PARAMETER);
    CloseHandle(file);
}

TEST_F(FileTest, DeletionWaitsForEveryHandleToShareIt) {
    scratch.Put("data", "x");
    HANDLE holder = Open(L"data", GENERIC_READ, FILE_SHARE_READ);
    EXPECT_FAILS_WITH(!DeleteFileW(scratch.Win32(L"data").c_str()), ERROR_SHARING_VIOLATION);
    EXPECT_TRUE(scratch.Has("data"));
    CloseHandle(holder);
    holder = Open(L"data", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE);
    EXPECT_TRUE(DeleteFileW(scratch.Win32(L"data").c_str()));
    EXPECT_FALSE(scratch.Has("data"));
    CloseHandle(holder);

    std::filesystem::create_directory(scratch.Linux("folder"));
    EXPECT_FAILS_WITH(!DeleteFileW(scratch.Win32(L"folder").c_str()), ERROR_ACCESS_DENIED);
    EXPECT_FAILS_WITH(!DeleteFileW(scratch.Win32(L"data").c_str()), ERROR_FILE_NOT_FOUND);
}

// Whoever runs the tests, root included: the attribute is Win32's, not the permissions'.
TEST_F(FileTest, TheReadOnlyAttributeRefusesWritingAndDeleting) {
    scratch.Put("data", "fixed");
    const std::wstring path = scratch.Win32(L"data");
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(GetFileAttributesW(path.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(ErrorOfOpen(L"data", GENERIC_WRITE, 0), ERROR_ACCESS_DENIED);
    EXPECT_EQ(ErrorOfOpen(L"data", GENERIC_READ, 0, CREATE_ALWAYS), ERROR_ACCESS_DENIED);
    EXPECT_FAILS_WITH(!DeleteFileW(path.c_str()), ERROR_ACCESS_DENIED);
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributesW(path.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_TRUE(DeleteFileW(path.c_str()));
}

TEST_F(FileTest, HandlesAreClosedOnceAndOnlyByTheirOwnFunction) {
    scratch.Put("data", "");
    HANDLE file = Open(L"data", GENERIC_READ, 0);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(scratch.Win32(L"*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_FAILS_WITH(!CloseHandle(search), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(FindClose(file));
    EXPECT_TRUE(FindNextFileW(search, &found));  // both still work
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_TRUE(FindClose(search));
    char byte;
    DWORD count;
    EXPECT_FALSE(CloseHandle(file));
    EXPECT_FAILS_WITH(!ReadFile(file, &byte, 1, &count, nullptr), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
}

TEST_F(FileTest, AttributesTellFoldersFromFiles) {
    scratch.Put("file", "");
    EXPECT_EQ(GetFileAttributesW(scratch.Win32().c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(GetFileAttributesW(L"Z:\\"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(GetFileAttributesW(scratch.Win32(L"file").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    const struct {
        const wchar_t* name;
        DWORD error;
    } failures[] = {{L"missing", ERROR_FILE_NOT_FOUND},
                    {L"missing\\a", ERROR_PATH_NOT_FOUND},
                    {L"file\\", ERROR_INVALID_NAME},
                    {L"fi*", ERROR_INVALID_NAME}};
    for (const auto& failure : failures) {
        SetLastError(0);
        EXPECT_EQ(GetFileAttributesW(scratch.Win32(failure.name).c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(GetLastError(), failure.error) << failure.name;
    }
}
