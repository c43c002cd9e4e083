// Making a path object: expansion, the Win32 path rules, normalisation, and the exact refusals.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "GFIL/GFIL_ErrorCodes.h"
#include "GFIL/GFIL_Utils.h"
#include "Refusal.h"
#include "ScratchFolder.h"

namespace {

std::wstring PathOf(const std::wstring& given) { return GFIL_MakeSpec(given)->GetPath(); }

// The message of a path that is not acceptable; it must be refused with code 1158001.
std::wstring MessageFor(const std::wstring& given) {
    const Refusal refusal = RefusalOf([&] { GFIL_MakeSpec(given); });
    EXPECT_EQ(refusal.first, GFIL_ERR_INVALID_PATH) << testing::PrintToString(given);
    return refusal.second;
}

}  // namespace

TEST(PathRules, SlashesDotsAndTrailingBackslashesAreNormalisedButADriveRootKeepsItsOwn) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"c:/dir/file.txt", L"c:\\dir\\file.txt"},
        {L"c:\\dir\\sub\\..\\.\\file.txt", L"c:\\dir\\file.txt"},
        {L"c:\\dir\\file. ", L"c:\\dir\\file"},
        {L"c:\\dir\\", L"c:\\dir"},
        {L"c:\\dir\\\\\\", L"c:\\dir"},
        {L"c:\\", L"c:\\"},
        {L"c:\\\\", L"c:\\"},
        {L"\\\\server\\share\\", L"\\\\server\\share"},
    };
    for (const auto& [given, expected] : cases) EXPECT_EQ(PathOf(given), expected) << given;
}

TEST(PathRules, RelativePathsBecomeAbsolutePathsOnDriveZ) {
    ScratchFolder scratch;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(scratch.Linux());
    EXPECT_EQ(PathOf(L"a.txt"), scratch.Win32(L"a.txt"));
    EXPECT_EQ(PathOf(L"/a.txt"), L"Z:\\a.txt");
    std::filesystem::current_path(previous);
}

TEST(PathRules, ABadCharacterAColonOrAnEmptyNameIsRefusedWithItsPlace) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        // A control character is named by its code.
        {L"c:\\dir\\a\tb", L"The path \"c:\\dir\\a\tb\" contains the invalid character 0x9"},
        {L"c:\\dir\\a\x1f", L"The path \"c:\\dir\\a\x1f\" contains the invalid character 0x1f"},
        // The first offender in the path is the one named.
        {L"c:\\a|b\tc", L"The path \"c:\\a|b\tc\" contains the invalid character \"|\""},
        // A colon stands only behind a drive letter.
        {L"c:\\a:b", L"The path \"c:\\a:b\" cannot contain \":\""},
        {L"1:\\x", L"The path \"1:\\x\" isn't using the \"[A-Z]:\\\" format"},
        {L"c:\\dir\\\\file.txt", L"The path \"c:\\dir\\\\file.txt\" contains an empty name component at pos 7"},
        {L"c:\\\\dir", L"The path \"c:\\\\dir\" contains an empty name component at pos 3"},
    };
    for (const auto& [given, message] : cases) EXPECT_EQ(MessageFor(given), message);
    // A character that no Win32 path holds is quoted.
    for (const wchar_t c : std::wstring(L"<>*\"|")) {
        const std::wstring path = std::wstring(L"c:\\a") + c + L"b";
        EXPECT_EQ(MessageFor(path), L"The path \"" + path + L"\" contains the invalid character \"" + c + L"\"");
    }
}

TEST(PathRules, LowerCaseDeviceNamesAreRefusedAnywhereInThePath) {
    for (const wchar_t* name : {L"con", L"aux", L"prn", L"lpt1", L"com9"}) {
        EXPECT_EQ(
            MessageFor(std::wstring(L"c:\\dir\\") + name),
            std::wstring(L"The path \"c:\\dir\\") + name + L"\" contains an invalid name component \"" + name + L"\"");
    }
    EXPECT_EQ(MessageFor(L"c:\\con\\a.txt"), L"The path \"c:\\con\\a.txt\" contains an invalid name component \"con\"");
    for (const wchar_t* name : {L"CON", L"Aux", L"LPT1", L"con.txt", L"nul", L"lpt", L"com10", L"comx", L"a?b"}) {
        EXPECT_EQ(PathOf(std::wstring(L"c:\\dir\\") + name), std::wstring(L"c:\\dir\\") + name);
    }
}

TEST(PathRules, APathMayHold260Characters) {
    const std::wstring longest = L"c:\\" + std::wstring(257, L'a');
    EXPECT_EQ(PathOf(longest), longest);
    EXPECT_EQ(
        MessageFor(longest + L"b"),
        L"The path \"" + longest + L"b\" cannot be expanded; The filename or extension is too long.\r\n (code: 206)");
}

TEST(PathRules, AnEmptyPathCannotBeExpanded) {
    const std::wstring expected =
        L"The path \"\" cannot be expanded; The filename, directory name, or volume label syntax is "
        L"incorrect.\r\n"
        L" (code: 123)";
    EXPECT_EQ(MessageFor(L""), expected);
    EXPECT_EQ(RefusalOf([] { GFIL_MakeSpec(static_cast<const wchar_t*>(nullptr)); }).second, expected);
}

TEST(PathRules, ARefusalIsTheFileSystemsOwnExceptionFromItsThrowSite) {
    using E = GLIB_Exception;
    EXPECT_THAT([] { GFIL_MakeSpec(L"c:\\a<b"); },
                testing::Throws<GFIL_Exception>(
                    testing::AllOf(testing::Property(&E::GetSourceFile, L"commonlib/src/GFIL/GFIL_FileSystemWin32.cpp"),
                                   testing::Property(&E::GetLine, testing::Gt(0)))));
}
