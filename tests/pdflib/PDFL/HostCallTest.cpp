// Host call wrappers: a direct call without a translator; a frame, a pop and one translation with one.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "GLIB/GLIB_Exception.h"
#include "HostTestTables.h"
#include "PDFL/PDFL_ASCalls5.h"
#include "PDFL/PDFL_CorCalls5.h"

namespace {

struct Translation {
    HostErrorCode code = 0;
    std::string file;
    int32_t line = 0;
    int calls = 0;
};
Translation g_translation;

void RecordingTranslator(HostErrorCode code, const char* file, int32_t line) {
    g_translation = {code, file, line, g_translation.calls + 1};
}

void ThrowingTranslator(HostErrorCode code, const char* file, int32_t line) {
    RecordingTranslator(code, file, line);
    throw GLIB_Exception(code, "host failure", file, line);
}

Fixed ThrowingTextToFixed(const char*) { throw std::runtime_error("thrown by a callback inside the entry"); }

class HostCall : public ::testing::Test, protected HostTestTables {
protected:
    void SetUp() override { g_translation = Translation(); }
    const HostAtom kUnknownAtom = static_cast<HostAtom>(99999);
};

TEST_F(HostCall, WithoutTranslatorCallsTheEntryDirectlyWithNoFrame) {
    const int pushes = host.Frames().Pushes();
    EXPECT_EQ(Support_TextToFixed("1.5"), 0x18000);
    EXPECT_STREQ(Core_NameOfAtom(Core_AtomFromName("CanEdit")), "CanEdit");
    EXPECT_EQ(host.Frames().Pushes(), pushes);
}

TEST_F(HostCall, WithoutTranslatorARaiseLeavesByTheHostsOwnWay) {
    bool carriedOn = false;
    const bool completed = host.CallPlugin("callback", [&] {
        Core_NameOfAtom(kUnknownAtom);
        carriedOn = true;
    });
    EXPECT_FALSE(completed);
    EXPECT_FALSE(carriedOn);
    EXPECT_EQ(host.Frames().ErrorCode(), kHostGeneralError);
    EXPECT_EQ(host.Frames().Depth(), 0u);
}

TEST_F(HostCall, TranslatorTurnsARaiseIntoOneTranslationWithTheWrappersPosition) {
    SetHostErrorTranslator(ThrowingTranslator);
    const int pushes = host.Frames().Pushes();
    const int pops = host.Frames().Pops();
    EXPECT_THAT([&] { Core_NameOfAtom(kUnknownAtom); },
                testing::Throws<GLIB_Exception>(testing::Property(&GLIB_Exception::GetCode, kHostGeneralError)));
    EXPECT_EQ(host.Frames().Pushes() - pushes, 1);
    EXPECT_EQ(host.Frames().Pops() - pops, 1);
    EXPECT_EQ(g_translation.calls, 1);
    EXPECT_EQ(g_translation.file, "pdflib/src/PDFL/PDFL_CorCalls5.cpp");
    EXPECT_EQ(g_translation.line, 7);  // the entry's row in the Core list
}

TEST_F(HostCall, TranslatorThatReturnsYieldsTheZeroValue) {
    SetHostErrorTranslator(RecordingTranslator);
    EXPECT_EQ(Core_NameOfAtom(kUnknownAtom), nullptr);
    EXPECT_EQ(g_translation.calls, 1);
    EXPECT_EQ(host.Frames().Depth(), 0u);
}

TEST_F(HostCall, TranslatorWithASuccessfulCallStillPopsItsFrame) {
    SetHostErrorTranslator(ThrowingTranslator);
    const int pops = host.Frames().Pops();
    EXPECT_EQ(Support_TextToFixed("-2"), -0x20000);
    EXPECT_EQ(host.Frames().Pops() - pops, 1);
    EXPECT_EQ(g_translation.calls, 0);
}

TEST_F(HostCall, ExceptionThrownThroughTheEntryPopsOnceAndPassesUnchanged) {
    HostProc table[16] = {};
    table[15] = reinterpret_cast<HostProc>(&ThrowingTextToFixed);
    PDFL_HostTables::Set(PDFL_HostTables::kAcroSupport, table, MakeHostVersion(5, 0));
    SetHostErrorTranslator(ThrowingTranslator);
    const int pops = host.Frames().Pops();
    EXPECT_THROW(Support_TextToFixed("x"), std::runtime_error);
    EXPECT_EQ(host.Frames().Pops() - pops, 1);
    EXPECT_EQ(host.Frames().Depth(), 0u);
    EXPECT_EQ(g_translation.calls, 0);
}

}  // namespace
