#include "GLIB/GLIB_Assert.h"

#include <iostream>

#include "GLIB/GLIB_FatalException.h"
#include "GLIB/GLIB_Log.h"
#include "GLIB/GLIB_OStringStream.h"
#include "GLIB/GLIB_StringUtils.h"

namespace {

// The log position of a failed assertion: this library's assertion source, not the failing line, which the
// text names.
constexpr int32_t kAssertLogLine = 78;

GLIB_AssertHandler s_assertHandler = GLIB_DefaultAssertHandler;

}  // namespace

void GLIB_Assert(const wchar_t* expression, const char* sourceFile, int32_t line) {
    s_assertHandler(expression != nullptr ? expression : L"", sourceFile != nullptr ? sourceFile : "", line);
}

GLIB_AssertHandler SetAssertHandler(GLIB_AssertHandler handler) {
    GLIB_AssertHandler previous = s_assertHandler;
    s_assertHandler = handler != nullptr ? handler : GLIB_DefaultAssertHandler;
    return previous;
}

void GLIB_DefaultAssertHandler(const wchar_t* expression, const char* sourceFile, int32_t line) {
    const std::string narrow = GLIB_Narrow(expression);
    GLIB_OStringStream text;
    text << narrow << " in " << sourceFile << ":" << line;
    GLIB_Log(GLIB_LOG_ASSERT, text.str(), __FILE__, kAssertLogLine);
    std::cout << "Assertion failed, " << narrow << ", file " << sourceFile << ", line " << line << "\n";
    std::cout.flush();
    throw GLIB_FatalException(expression);
}
