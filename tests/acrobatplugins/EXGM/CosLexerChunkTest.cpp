// Input in chunks (any split is the fuzz program's), the end-of-data protocol, errors that stay until Reset, and
// the trace switches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GLIB/GLIB_Log.h"
#include "GLIB/GLIB_StringUtils.h"
#include "LexerTestHost.h"

namespace {

using Lexer = EXGM_CosLexer;
using Texts = std::vector<std::string>;

class CosLexerChunks : public ::testing::Test, protected LexerTestHost {};

TEST_F(CosLexerChunks, ATokenSpanningChunksWaitsForTheRestOrTheEnd) {
    Lexer lexer;
    lexer.SetInput("12 /Na", 6);
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenInteger);
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenMoreData);
    lexer.SetInput("me 3", 4);
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenName);
    EXPECT_EQ(lexer.GetTokenValue(), "Name");
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenMoreData);  // "3" may go on in the next chunk
    lexer.SetInput(nullptr, 0);
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenInteger);
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenEndOfData);
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenEndOfData);
}

TEST_F(CosLexerChunks, AnErrorStaysUntilResetWhichKeepsOnlyTheMessage) {
    Lexer lexer;
    lexer.SetInput("true 7 2.5 >x 5", 15);
    for (int i = 0; i < 3; ++i) lexer.NextToken();
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenError);
    lexer.SetInput("5 6", 3);
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenError);
    EXPECT_EQ(lexer.GetRemaining(), 3u);
    lexer.SetInput(nullptr, 0);
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenError);

    lexer.Reset();
    EXPECT_EQ(lexer.GetState(), Lexer::StateStart);
    EXPECT_EQ(lexer.GetTokenText() + lexer.GetTokenValue(), "");
    EXPECT_FALSE(lexer.GetBooleanValue());
    EXPECT_EQ(lexer.GetIntegerValue() + lexer.GetFixedValue(), 0);
    EXPECT_EQ(lexer.GetLastToken(), Lexer::TokenError);
    EXPECT_EQ(lexer.GetErrorMessage(), "Unexpected '>'");
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenEndOfData);  // Reset drops the input

    // The end of the data after a lone '<' is an error without a message of its own.
    lexer.SetInput("<", 1);
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenMoreData);
    lexer.SetInput(nullptr, 0);
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenError);
    EXPECT_EQ(lexer.GetState(), Lexer::StateError);
    EXPECT_EQ(lexer.GetErrorMessage(), "Unexpected '>'");
}

// A lexer whose state can be corrupted, as a stray write would.
class CorruptibleLexer : public Lexer {
public:
    using Lexer::ChangeState;
};

TEST_F(CosLexerChunks, AnInvalidStateIsAnInternalErrorThatReadsNothing) {
    CorruptibleLexer lexer;
    lexer.SetInput("1", 1);
    lexer.ChangeState(static_cast<Lexer::LexerState>(42));
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenError);
    EXPECT_EQ(lexer.GetErrorMessage(), "Internal Error: Invalid state");
    EXPECT_EQ(lexer.GetState(), 42);
    EXPECT_EQ(lexer.GetRemaining(), 1u);
}

struct Entry {
    LogLevel level;
    std::string text;
    std::string file;
    int32_t line;
};
std::vector<Entry> g_entries;

void RecordingSink(LogLevel level, const wchar_t* text, const char* file, int32_t line) {
    g_entries.push_back({level, GLIB_Narrow(text), file, line});
}

class CosLexerTrace : public CosLexerChunks {
protected:
    void SetUp() override {
        g_entries.clear();
        m_previous = SetLogSink(RecordingSink);
    }
    void TearDown() override { SetLogSink(m_previous); }
    GLIB_LogSink m_previous = nullptr;
};

TEST_F(CosLexerTrace, StatesAndTokensAreLoggedWithTheirFixedPositions) {
    Lexer lexer;
    lexer.SetTraceStates(true);
    lexer.SetTraceTokens(true);
    lexer.SetInput("/a", 2);
    lexer.NextToken();
    lexer.SetInput(nullptr, 0);
    lexer.NextToken();
    lexer.NextToken();
    const Texts expected = {"Changing state from StateStart to StateName 1091",
                            "Changing state from StateName to StateStart 1091", "Returning token TokenName: /a 269",
                            "Returning token TokenEndOfData 269"};
    ASSERT_EQ(g_entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Entry& entry = g_entries[i];
        EXPECT_EQ(entry.text + " " + std::to_string(entry.line), "EXGM_CosLexer: " + expected[i]);
        EXPECT_EQ(entry.level, GLIB_LOG_INFO);
        EXPECT_EQ(entry.file, "acrobatplugins/src/EXGM/EXGM_CosLexer.cpp");
    }
}

TEST_F(CosLexerTrace, ALongTokenIsCutToTheLineAndMarked) {
    Lexer lexer;
    lexer.SetTraceTokens(true);
    const std::string name = "/" + std::string(120, 'n') + " ";
    lexer.SetInput(name.data(), static_cast<uint32_t>(name.size()));
    EXPECT_EQ(lexer.NextToken(), Lexer::TokenName);
    ASSERT_EQ(g_entries.size(), 1u);
    const std::string prefix = "EXGM_CosLexer: Returning token TokenName: /";
    EXPECT_EQ(g_entries[0].text, prefix + std::string(96 - prefix.size(), 'n') + "...");
}

TEST_F(CosLexerTrace, ResetTurnsTracingOff) {
    Lexer lexer;
    lexer.SetTraceStates(true);
    lexer.SetTraceTokens(true);
    lexer.Reset();
    lexer.SetInput("(x) 5", 5);
    lexer.NextToken();
    EXPECT_TRUE(g_entries.empty());
}

}  // namespace
