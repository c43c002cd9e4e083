// The callback guard: one report in the outermost callback, the host's raise with the right code, and a
// nesting count that is back to 0 after every callback, whatever left it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "GLIB/GLIB_ErrorCodes.h"
#include "HostTestTables.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "RecordedLog.h"

namespace {

class CallbackGuard : public RecordedLog, protected HostTestTables {
protected:
    void SetUp() override {
        RecordedLog::SetUp();
        PDFL_ExceptionHandler::RegisterOutOfMemoryCodes();
    }
    void TearDown() override {
        RecordedLog::TearDown();
        EXPECT_EQ(PDFL_ExceptionHandler::NestingCount(), 0);
    }

    // A host callback whose body runs under the guard of C::O.
    template <class Body>
    bool Callback(const Body& body) {
        return host.CallPlugin("callback", [&] { PDFL_Guard<HostBool>("XCHG_AVToolObj", "DoClick", body); });
    }
};

TEST_F(CallbackGuard, ReturnsTheBodysResult) {
    HostBool result = 0;
    EXPECT_TRUE(
        host.CallPlugin("callback", [&] { result = PDFL_Guard<HostBool>("C", "O", [] { return HostBool(7); }); }));
    EXPECT_EQ(result, 7);
    EXPECT_TRUE(g_entries.empty());
}

TEST_F(CallbackGuard, FamilyExceptionIsLoggedOnceAndRaisedAsTheGeneralError) {
    EXPECT_FALSE(Callback([]() -> HostBool { throw GLIB_Exception(7, "boom", "f.cpp", 3); }));
    EXPECT_EQ(host.Frames().ErrorCode(), kHostGeneralError);
    ASSERT_EQ(g_entries.size(), 1u);
    EXPECT_EQ(g_entries[0].level, GLIB_LOG_ERROR);
    EXPECT_EQ(g_entries[0].text,
              L"XCHG_AVToolObj::DoClick caught an exception: code = 7; developer-speak message = 'boom'; "
              L"source file = f.cpp; line number = 3; localized Message = '( code = 7 )'");
    EXPECT_EQ(g_entries[0].file, "pdflib/src/PDFL/PDFL_ExceptionHandler.cpp");
    EXPECT_EQ(g_entries[0].line, 264);
}

TEST_F(CallbackGuard, OutOfMemoryFailuresRaiseTheRegisteredCodes) {
    EXPECT_FALSE(Callback([]() -> HostBool { throw GLIB_Exception(GLIB_ERR_OUT_OF_MEMORY, "no room", "f", 1); }));
    EXPECT_EQ(host.Frames().ErrorCode(), PDFL_ExceptionHandler::OutOfMemoryCode(0));
    EXPECT_FALSE(Callback([]() -> HostBool { throw std::bad_alloc(); }));
    EXPECT_EQ(host.Frames().ErrorCode(), PDFL_ExceptionHandler::OutOfMemoryCode(1));
    EXPECT_NE(PDFL_ExceptionHandler::OutOfMemoryCode(0), PDFL_ExceptionHandler::OutOfMemoryCode(1));
    EXPECT_EQ(host.ErrorTexts().TextOf(PDFL_ExceptionHandler::OutOfMemoryCode(1)),
              "Out of Memory\n\nTry to increase the amount of memory\ndedicated to this program");
    ASSERT_EQ(g_entries.size(), 2u);
    EXPECT_EQ(g_entries[1].text, L"XCHG_AVToolObj::DoClick out of memory: ");
    EXPECT_EQ(g_entries[1].line, 165);
    // A later failure is reported again.
    EXPECT_FALSE(Callback([]() -> HostBool { throw std::bad_alloc(); }));
    EXPECT_EQ(g_entries.size(), 3u);
}

TEST_F(CallbackGuard, ForeignExceptionIsReportedAndThrownOnUnchanged) {
    EXPECT_FALSE(Callback([]() -> HostBool { throw 42; }));
    EXPECT_THAT(out.str(), testing::HasSubstr("a C++ exception escaped"));
    ASSERT_EQ(g_entries.size(), 1u);
    EXPECT_EQ(g_entries[0].text, L"XCHG_AVToolObj::DoClick caught a system exception: ");
    EXPECT_EQ(g_entries[0].line, 308);
}

TEST_F(CallbackGuard, NestedFailureIsRaisedWithoutAReport) {
    EXPECT_FALSE(Callback([]() -> HostBool {
        return PDFL_Guard<HostBool>("Inner", "Op", []() -> HostBool { throw GLIB_Exception(9, "inner", "f", 1); });
    }));
    EXPECT_EQ(host.Frames().ErrorCode(), kHostGeneralError);
    EXPECT_TRUE(g_entries.empty());
}

TEST_F(CallbackGuard, HostRaiseThroughTheBodyLeavesTheCountRight) {
    EXPECT_FALSE(Callback([]() -> HostBool {
        Core_NameOfAtom(static_cast<HostAtom>(99999));
        return 1;
    }));
    EXPECT_EQ(host.Frames().Depth(), 0u);
    EXPECT_TRUE(g_entries.empty());
}

}  // namespace
