// The exception family: exact text forms, parameters and error changes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <list>
#include <sstream>

#include "GLIB/GLIB_BadAllocException.h"
#include "GLIB/GLIB_DerivedException.h"
#include "GLIB/GLIB_Globals.h"

namespace {

struct Tag_TEST_Exception {};
using TestException = GLIB_DerivedException<Tag_TEST_Exception>;

using testing::HasSubstr;

// What an exception writes to a narrow (or, with std::wostringstream, a wide) stream.
template <class Stream = std::ostringstream, class Exception>
auto Describe(const Exception& e) {
    Stream out;
    out << e;
    return out.str();
}

TEST(ExceptionDescription, FullFormNarrowAndWide) {
    const GLIB_Exception e(1158001, "M", "F", 160);
    EXPECT_EQ(Describe(e),
              "code = 1158001; developer-speak message = 'M'; source file = F; line number = 160; "
              "localized Message = '( code = 1158001 )'");
    EXPECT_EQ(Describe<std::wostringstream>(e),
              L"code = 1158001; developer-speak message = 'M'; source file = F; line number = 160; "
              L"localized Message = '( code = 1158001 )'");
}

TEST(ExceptionDescription, OmitsEmptyPartsAndLinesBelowOne) {
    EXPECT_EQ(Describe(GLIB_Exception()), "code = 0; localized Message = '( code = 0 )'");  // default constructed
    EXPECT_EQ(Describe(GLIB_Exception(5, "", "F", 0)), "code = 5; source file = F; localized Message = '( code = 5 )'");
    EXPECT_EQ(Describe(GLIB_Exception(5, "M", nullptr, -3)),
              "code = 5; developer-speak message = 'M'; localized Message = '( code = 5 )'");
    EXPECT_EQ(Describe(GLIB_Exception(-7, static_cast<const char*>(nullptr), "", 1)),
              "code = -7; line number = 1; localized Message = '( code = -7 )'");
}

TEST(ExceptionDescription, NonAsciiMessageSurvivesBothStreams) {
    const GLIB_Exception e(1, L"Gr\u00F6\u00DFe \u2014 \U0001F4C4", "F", 2);
    EXPECT_THAT(Describe(e), HasSubstr("'Gr\xC3\xB6\xC3\x9F"
                                       "e \xE2\x80\x94 \xF0\x9F\x93\x84'"));
    EXPECT_THAT(Describe<std::wostringstream>(e), HasSubstr(L"'Gr\u00F6\u00DFe \u2014 \U0001F4C4'"));
}

TEST(MessageFormatter, SkipsEmptyParametersButKeepsTheirIndex) {
    EXPECT_EQ(GLIB_DefaultMessageFormatter(7, {L"a", L"", L"b"}), L"( code = 7; param[0] = 'a'; param[2] = 'b' )");
    EXPECT_EQ(GLIB_DefaultMessageFormatter(7, {}), L"( code = 7 )");
}

std::wstring ShoutingFormatter(int32_t code, const std::vector<std::wstring>& params) {
    return L"E" + std::to_wstring(code) + L":" + (params.empty() ? L"" : params[0]);
}

std::wstring SilentFormatter(int32_t, const std::vector<std::wstring>&) { return L""; }

TEST(MessageFormatter, ReplacedFormatterMakesTheLocalizedMessage) {
    GLIB_GlobalsRef globals;
    globals->SetMessageFormatter(ShoutingFormatter);
    const GLIB_Exception e(3, {"x"}, "M", "F", 1);
    const std::wstring localized = e.GetLocalizedMessage();
    globals->SetMessageFormatter(SilentFormatter);
    const std::string silent = Describe(e);
    globals->SetMessageFormatter(GLIB_DefaultMessageFormatter);

    EXPECT_EQ(localized, L"E3:x");
    EXPECT_EQ(silent, "code = 3; developer-speak message = 'M'; source file = F; line number = 1");
}

TEST(ExceptionParameters, ConstructorsTakeNarrowAndWideListsAndVectors) {
    EXPECT_EQ(GLIB_Exception(1, std::vector<std::string>{"a", "\xC3\xA4"}, "m", "f", 1).GetParams(),
              (std::vector<std::wstring>{L"a", L"\u00E4"}));
    EXPECT_EQ(GLIB_Exception(1, std::list<std::string>{"a", "b"}, "m", "f", 1).GetParams(),
              (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(GLIB_Exception(1, std::list<std::wstring>{L"w"}, L"m", "f", 1).GetParams(),
              (std::vector<std::wstring>{L"w"}));
    EXPECT_EQ(GLIB_Exception(1, {L"p", L"q"}, L"m", "f", 1).GetParam(1), L"q");
}

TEST(ExceptionParameters, SetParamGrowsWithEmptyEntries) {
    GLIB_Exception e;
    e.SetParam(3, "d");
    ASSERT_EQ(e.GetParams().size(), 4u);
    EXPECT_EQ(e.GetParam(0), L"");
    EXPECT_EQ(e.GetParam(3), L"d");
    e.SetParam(1, L"b");
    e.SetParam(2, std::wstring(L"c"));
    e.SetParam(0, static_cast<const wchar_t*>(nullptr));
    EXPECT_EQ(e.GetParams(), (std::vector<std::wstring>{L"", L"b", L"c", L"d"}));
    EXPECT_EQ(e.GetParam(4), L"");
    EXPECT_EQ(e.GetParam(1000), L"");
}

TEST(ExceptionErrors, SameCodeKeepsParametersAndMessageOtherCodeDropsThem) {
    GLIB_Exception e(10, {"p"}, "old", "f", 1);
    e.SetError(10, "new");
    EXPECT_EQ(e.GetMessageString(), L"new");
    EXPECT_EQ(e.GetParam(0), L"p");

    e.SetError(11, L"newer");
    EXPECT_EQ(e.GetCode(), 11);
    EXPECT_EQ(e.GetMessageString(), L"newer");
    EXPECT_TRUE(e.GetParams().empty());
    // A code alone clears the message only when it changes.
    GLIB_Exception kept(10, {"p"}, "kept", "f", 1);
    kept.SetError(10);
    EXPECT_STREQ(kept.GetMessage(), L"kept");
    EXPECT_EQ(kept.GetParams().size(), 1u);
    kept.SetError(12);
    EXPECT_STREQ(kept.GetMessage(), L"");
    EXPECT_TRUE(kept.GetParams().empty());
    kept.SetMessage("again");
    EXPECT_EQ(kept.GetCode(), 12);
    EXPECT_EQ(kept.GetMessageNarrow(), "again");
}

TEST(DerivedException, IsCaughtAsTheFamilyWithItsFields) {
    using E = GLIB_Exception;
    EXPECT_THAT(
        [] { throw TestException(1158007, "disk", "GFIL_Thing.cpp", 42); },
        testing::Throws<E>(testing::AllOf(testing::Property(&E::GetCode, 1158007), testing::Property(&E::GetLine, 42),
                                          testing::Property(&E::GetSourceFile, L"GFIL_Thing.cpp"),
                                          testing::WhenDynamicCastTo<const TestException&>(testing::_))));
}

TEST(BadAllocException, PrintsSizeFileAndLineInBothWidths) {
    const GLIB_BadAllocException e(32000, "GLIB_Globals.cpp", 71);
    EXPECT_EQ(Describe(e), "size : 32000 file : GLIB_Globals.cpp line : 71 \n");
    EXPECT_EQ(Describe<std::wostringstream>(e), L"size : 32000 file : GLIB_Globals.cpp line : 71 \n");
    EXPECT_STREQ(e.what(), "bad allocation");
}

TEST(BadAllocException, WideFormCutsLongFileNamesAt255Characters) {
    const std::string longName(300, 'x');
    EXPECT_EQ(Describe<std::wostringstream>(GLIB_BadAllocException(1, longName.c_str(), 2)),
              L"size : 1 file : " + std::wstring(255, L'x') + L" line : 2 \n");
}

}  // namespace
