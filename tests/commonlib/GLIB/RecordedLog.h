// A fixture whose log entries go into g_entries instead of the console for the life of each test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GLIB/GLIB_Log.h"

struct LogEntry {
    LogLevel level;
    std::wstring text;
    std::string file;
    int32_t line;
};

inline std::vector<LogEntry> g_entries;

inline void RecordingSink(LogLevel level, const wchar_t* text, const char* file, int32_t line) {
    g_entries.push_back({level, text, file, line});
}

class RecordedLog : public testing::Test {
protected:
    void SetUp() override {
        g_entries.clear();
        m_previousSink = SetLogSink(RecordingSink);
    }
    void TearDown() override { SetLogSink(m_previousSink); }

private:
    GLIB_LogSink m_previousSink = nullptr;
};
