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

// The path made of `given`, or the message it is refused with; a refusal must carry code 1158001.
std::wstring Made(const std::wstring& given) {
    try {
        return GFIL_MakeSpec(given)->GetPath();
    } catch (const GFIL_Exception& e) {
        EXPECT_EQ(e.GetCode(), GFIL_ERR_INVALID_PATH) << testing::PrintToString(given);
        return std::wstring(L"refused: ") + e.GetMessage();
    }
}

}  // namespace

TEST(PathRules, PathsAreNormalisedOrRefusedWithTheirFirstOffender) {
    const std::wstring longest = L"c:\\" + std::wstring(257, L'a');  // 260 characters fit
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"c:/dir/file.txt", L"c:\\dir\\file.txt"},
        {L"c:\\dir\\sub\\..\\.\\file.txt", L"c:\\dir\\file.txt"},
        {L"c:\\dir\\file. ", L"c:\\dir\\file"},
        {L"c:\\dir\\", L"c:\\dir"},
        // One separator at the end is no name; more are empty names, as a share without its server is.
        {L"c:\\dir\\\\\\", L"refused: The path \"c:\\dir\\\\\\\" contains an empty name component at pos 7"},
        {L"\\\\", L"refused: The path \"\\\\\" contains an empty name component at pos 2"},
        // A folder name ending as the system trims a last name would name another file when read again.
        {L"c:\\a..\\", L"refused: The path \"c:\\a..\\\" contains an invalid name component \"a..\""},
        {L"c:\\a \\b", L"refused: The path \"c:\\a \\b\" contains an invalid name component \"a \""},
        {std::wstring(L"c:\\a\0b", 6), L"refused: The path \"c:\\a\" contains the invalid character 0x0"},
        // A drive root keeps its backslash.
        {L"c:\\", L"c:\\"},
        {L"c:\\\\", L"c:\\"},
        {L"\\\\server\\share\\", L"\\\\server\\share"},
        {longest, longest},
        {longest + L"b", L"refused: The path \"" + longest +
                             L"b\" cannot be expanded; The filename or extension is too long.\r\n (code: 206)"},
        {L"",
         L"refused: The path \"\" cannot be expanded; The filename, directory name, or volume label syntax is "
         L"incorrect.\r\n (code: 123)"},
        // A control character is named by its code, the first offender in the path is the one named.
        {L"c:\\dir\\a\tb", L"refused: The path \"c:\\dir\\a\tb\" contains the invalid character 0x9"},
        {L"c:\\dir\\a\x1f", L"refused: The path \"c:\\dir\\a\x1f\" contains the invalid character 0x1f"},
        {L"c:\\a|b\tc", L"refused: The path \"c:\\a|b\tc\" contains the invalid character \"|\""},
        // A colon stands only behind a drive letter.
        {L"c:\\a:b", L"refused: The path \"c:\\a:b\" cannot contain \":\""},
        {L"1:\\x", L"refused: The path \"1:\\x\" isn't using the \"[A-Z]:\\\" format"},
        {L"c:\\dir\\\\file.txt",
         L"refused: The path \"c:\\dir\\\\file.txt\" contains an empty name component at pos 7"},
        {L"c:\\\\dir", L"refused: The path \"c:\\\\dir\" contains an empty name component at pos 3"},
        // Lower-case device names are refused anywhere in the path; others are names like any.
        {L"c:\\con\\a.txt", L"refused: The path \"c:\\con\\a.txt\" contains an invalid name component \"con\""},
    };
    for (const auto& [given, expected] : cases) EXPECT_EQ(Made(given), expected) << given;
    for (const std::wstring name : {L"con", L"aux", L"prn", L"lpt1", L"com9"}) {
        EXPECT_EQ(Made(L"c:\\dir\\" + name),
                  L"refused: The path \"c:\\dir\\" + name + L"\" contains an invalid name component \"" + name + L"\"");
    }
    for (const std::wstring name : {L"CON", L"Aux", L"LPT1", L"con.txt", L"nul", L"lpt", L"com10", L"comx", L"a?b"}) {
        EXPECT_EQ(Made(L"c:\\dir\\" + name), L"c:\\dir\\" + name);
    }
    // A character that no Win32 path holds is quoted.
    for (const wchar_t c : std::wstring(L"<>*\"|")) {
        const std::wstring path = std::wstring(L"c:\\a") + c + L"b";
        EXPECT_EQ(Made(path), L"refused: The path \"" + path + L"\" contains the invalid character \"" + c + L"\"");
    }
    EXPECT_EQ(RefusalOf([] { GFIL_MakeSpec(static_cast<const wchar_t*>(nullptr)); }).second, Made(L"").substr(9));
}

TEST(PathRules, RelativePathsBecomeAbsolutePathsOnDriveZ) {
    ScratchFolder scratch;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(scratch.Linux());
    EXPECT_EQ(Made(L"a.txt"), scratch.Win32(L"a.txt"));
    EXPECT_EQ(Made(L"/a.txt"), L"Z:\\a.txt");
    std::filesystem::current_path(previous);
}

TEST(PathRules, ARefusalIsTheFileSystemsOwnExceptionFromItsThrowSite) {
    using E = GLIB_Exception;
    EXPECT_THAT([] { GFIL_MakeSpec(L"c:\\a<b"); },
                testing::Throws<GFIL_Exception>(
                    testing::AllOf(testing::Property(&E::GetSourceFile, L"commonlib/src/GFIL/GFIL_FileSystemWin32.cpp"),
                                   testing::Property(&E::GetLine, testing::Gt(0)))));
}
