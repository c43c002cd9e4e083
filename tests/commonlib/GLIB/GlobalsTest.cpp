// The process-wide settings: reference counting, broadcasts of every change, and the out-of-memory path.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GLIB/GLIB_BadAllocException.h"
#include "GLIB/GLIB_Globals.h"
#include "GLIB/GLIB_GlobalsMessage.h"
#include "GLIB/GLIB_MessageConnection.h"
#include "GLIB/GLIB_MessageTarget.h"
#include "win32sub/Simulation.h"

namespace {

// Keeps a copy of every settings broadcast its target hears.
class SettingsConnection : public GLIB_MessageConnection {
public:
    SettingsConnection(GLIB_MessageTarget& target, std::vector<GLIB_GlobalsMessage>& heard)
        : GLIB_MessageConnection(target), m_heard(heard) {}
    bool Accepts(const GLIB_Message& message) const override {
        std::string name;
        message.TypeName(name);
        return name == "GLIB_GlobalsMessage";
    }
    void Deliver(const GLIB_Message& message) override {
        m_heard.push_back(static_cast<const GLIB_GlobalsMessage&>(message));
    }

private:
    std::vector<GLIB_GlobalsMessage>& m_heard;
};

class GlobalsBroadcast : public ::testing::Test {
protected:
    void SetUp() override { globals->Attach(std::make_unique<SettingsConnection>(listener, heard)); }
    void TearDown() override { globals->Detach(listener); }

    GLIB_GlobalsRef globals;
    std::vector<GLIB_GlobalsMessage> heard;
    GLIB_MessageTarget listener;
};

void QuietSink(LogLevel, const wchar_t*, const char*, int32_t) {}

TEST(GlobalsLifetime, ReferencesShareOneObjectThatOutlivesThem) {
    const uint32_t before = GLIB_GlobalsInst::ReferenceCount();
    ASSERT_GE(before, 2u);  // this unit's static reference and the process-exit one at least
    GLIB_Globals* object = GLIB_GlobalsInst::Instance();
    {
        GLIB_GlobalsRef first;
        GLIB_GlobalsRef second;
        EXPECT_EQ(GLIB_GlobalsInst::ReferenceCount(), before + 2);
        EXPECT_EQ(&*first, object);
        EXPECT_EQ(&*second, object);
    }
    EXPECT_EQ(GLIB_GlobalsInst::ReferenceCount(), before);
    EXPECT_EQ(GLIB_GlobalsInst::Instance(), object);
}

// The first broadcast carries the library's defaults besides the one setting changed.
TEST_F(GlobalsBroadcast, EverySetterBroadcastsAllSettings) {
    const GLIB_LogSink previous = globals->GetLogSink();
    globals->SetLogSink(QuietSink);
    globals->AddRegisteredHandle(7);
    globals->AddRegisteredHandle(7);
    globals->RemoveRegisteredHandle(7);
    globals->RemoveRegisteredHandle(7);
    globals->SetLogSink(previous);

    ASSERT_EQ(heard.size(), 6u);
    EXPECT_EQ(heard[0].GetLogSink(), QuietSink);
    EXPECT_EQ(heard[0].GetTempFilesSetting(), "TEMP");
    EXPECT_EQ(heard[0].GetMessageFormatter(), GLIB_DefaultMessageFormatter);
    EXPECT_EQ(heard[0].GetOutOfMemoryHandler(), GLIB_DefaultOutOfMemoryHandler);
    EXPECT_EQ(heard[2].GetRegisteredHandles(), (std::vector<uint32_t>{7, 7}));
    EXPECT_EQ(heard[3].GetRegisteredHandles(), (std::vector<uint32_t>{7}));
    EXPECT_TRUE(heard[4].GetRegisteredHandles().empty());
    EXPECT_EQ(heard[5].GetLogSink(), previous);
}

TEST_F(GlobalsBroadcast, NullHandleAndAbsentValueChangeNothingAndStayQuiet) {
    globals->AddRegisteredHandle(0);
    globals->RemoveRegisteredHandle(12345);
    EXPECT_TRUE(heard.empty());
    EXPECT_TRUE(globals->GetRegisteredHandles().empty());
}

TEST_F(GlobalsBroadcast, ApplyingAMessageTakesOverEverySetting) {
    const GLIB_LogSink sink = globals->GetLogSink();
    globals->Apply(
        GLIB_GlobalsMessage("TMPDIR", GLIB_DefaultMessageFormatter, GLIB_DefaultOutOfMemoryHandler, QuietSink, {3, 4}));
    EXPECT_EQ(globals->GetTempFilesSetting(), "TMPDIR");
    EXPECT_EQ(globals->GetLogSink(), QuietSink);
    EXPECT_EQ(globals->GetRegisteredHandles(), (std::vector<uint32_t>{3, 4}));
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].GetRegisteredHandles(), (std::vector<uint32_t>{3, 4}));

    globals->Apply(GLIB_GlobalsMessage("TEMP", GLIB_DefaultMessageFormatter, GLIB_DefaultOutOfMemoryHandler, sink, {}));
}

TEST_F(GlobalsBroadcast, DetachedTargetHearsNothingMore) {
    globals->Detach(listener);
    globals->AddRegisteredHandle(9);
    globals->RemoveRegisteredHandle(9);
    EXPECT_TRUE(heard.empty());
}

// The reserve is given back once per process, so the whole out-of-memory story is one test.
TEST(GuardedAlloc, FailureGivesBackTheReserveOnceAndThrowsWithTheCallersPosition) {
    GLIB_GlobalsRef globals;
    void* block = GLIB_GuardedAlloc(64, 10, "ok.cpp");
    ASSERT_NE(block, nullptr);
    GLIB_GuardedFree(block);
    ASSERT_TRUE(globals->HasMemoryReserve());

    W32Sim_FailNext(W32SIM_FAULT_HEAP_ALLOC, 1);
    try {
        GLIB_GuardedAlloc(1234, 56, "caller.cpp");
        FAIL() << "no throw";
    } catch (const GLIB_BadAllocException& e) {
        EXPECT_EQ(e.GetSize(), 1234u);
        EXPECT_STREQ(e.GetSourceFile(), "caller.cpp");
        EXPECT_EQ(e.GetLine(), 56);
    }
    EXPECT_FALSE(globals->HasMemoryReserve());

    W32Sim_FailNext(W32SIM_FAULT_HEAP_ALLOC, 1);
    EXPECT_THROW(GLIB_GuardedAlloc(8, 1, "again.cpp"), std::bad_alloc);
    EXPECT_FALSE(globals->HasMemoryReserve());
}

int g_handlerCalls = 0;
void CountingHandler(uint32_t, const char*, int32_t) { ++g_handlerCalls; }

TEST(GuardedAlloc, AHandlerThatReturnsYieldsNoBlock) {
    GLIB_GlobalsRef globals;
    globals->SetOutOfMemoryHandler(CountingHandler);
    W32Sim_FailNext(W32SIM_FAULT_HEAP_ALLOC, 1);
    void* block = GLIB_GuardedAlloc(16, 1, "f");
    // A size beyond 32 bits is never attempted.
    void* huge = GLIB_GuardedAlloc(std::size_t{1} << 40, 2, "f");
    globals->SetOutOfMemoryHandler(GLIB_DefaultOutOfMemoryHandler);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(huge, nullptr);
    EXPECT_EQ(g_handlerCalls, 2);
}

}  // namespace
