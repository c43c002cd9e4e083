// System message texts through FormatMessageW and FormatMessageA.
#include <gtest/gtest.h>

#include <string>

#include "Win32.h"
#include "win32sub/Simulation.h"

namespace {

constexpr DWORD kSystem = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
constexpr DWORD kAllocate = kSystem | FORMAT_MESSAGE_ALLOCATE_BUFFER;

// The text, or the error the call failed with.
std::wstring SystemText(DWORD code, DWORD languageId = 0, DWORD flags = kSystem) {
    wchar_t buffer[256];
    const DWORD length = FormatMessageW(flags, nullptr, code, languageId, buffer, 256, nullptr);
    return length == 0 ? L"error " + std::to_wstring(GetLastError()) : std::wstring(buffer, length);
}

class FormatMessageTest : public testing::Test {
protected:
    void TearDown() override { W32Sim_ClearFaults(); }
};

}  // namespace

TEST_F(FormatMessageTest, UnknownCodesUnservedLanguagesAndFlagsFail) {
    EXPECT_EQ(SystemText(99999), L"error 317");
    for (DWORD language : {0x400u, 0x800u, 0x409u, 0x809u, 0x09u})
        EXPECT_EQ(SystemText(ERROR_ACCESS_DENIED, language), L"Access is denied.\r\n") << language;
    for (DWORD language : {0x407u, 0x40Cu, 0x10409u})
        EXPECT_EQ(SystemText(ERROR_ACCESS_DENIED, language), L"error 1815") << language;
    // Inserts stay in place only when asked for; a text without them needs no such flag.
    EXPECT_EQ(SystemText(ERROR_ACCESS_DENIED, 0, FORMAT_MESSAGE_FROM_SYSTEM), L"Access is denied.\r\n");
    for (DWORD flags : {DWORD{FORMAT_MESSAGE_FROM_SYSTEM}, DWORD{FORMAT_MESSAGE_IGNORE_INSERTS},
                        kSystem | FORMAT_MESSAGE_FROM_STRING, kSystem | 80 /* line width */})
        EXPECT_EQ(SystemText(ERROR_MR_MID_NOT_FOUND, 0, flags), L"error 87") << flags;
}

TEST_F(FormatMessageTest, CallersBufferMustHoldTheTerminator) {
    std::wstring wide(21, L'#');
    EXPECT_EQ(FormatMessageW(kSystem, nullptr, ERROR_ACCESS_DENIED, 0, wide.data(), 19, nullptr), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(FormatMessageW(kSystem, nullptr, ERROR_ACCESS_DENIED, 0, wide.data(), 20, nullptr), 19u);
    EXPECT_EQ(wide, std::wstring(L"Access is denied.\r\n\0#", 21));
    char narrow[20];
    EXPECT_EQ(FormatMessageA(kSystem, nullptr, ERROR_ACCESS_DENIED, 0, narrow, 19, nullptr), 0u);
    EXPECT_EQ(FormatMessageA(kSystem, nullptr, ERROR_ACCESS_DENIED, 0, narrow, 20, nullptr), 19u);
    EXPECT_STREQ(narrow, "Access is denied.\r\n");
}

TEST_F(FormatMessageTest, FailedAllocatingCallLeavesNothingToFree) {
    wchar_t* wide = reinterpret_cast<wchar_t*>(this);
    W32Sim_FailNext(W32SIM_FAULT_LOCAL_ALLOC, 1);
    EXPECT_EQ(FormatMessageW(kAllocate, nullptr, ERROR_FILE_NOT_FOUND, 0, reinterpret_cast<LPWSTR>(&wide), 0, nullptr),
              0u);
    EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_EQ(wide, nullptr);
    char* narrow = reinterpret_cast<char*>(this);
    EXPECT_EQ(FormatMessageA(kAllocate, nullptr, 99999, 0, reinterpret_cast<LPSTR>(&narrow), 0, nullptr), 0u);
    EXPECT_EQ(narrow, nullptr);
}
