// Assertions with a replaceable handler. The default handler logs, prints and throws GLIB_FatalException;
// the plug-in framework installs its own at start-up.
#pragma once

#include <cstdint>

using GLIB_AssertHandler = void (*)(const wchar_t* expression, const char* sourceFile, int32_t line);

void GLIB_Assert(const wchar_t* expression, const char* sourceFile, int32_t line);

// Installs a handler and returns the one it replaces; a null handler reinstates the default one.
GLIB_AssertHandler SetAssertHandler(GLIB_AssertHandler handler);

void GLIB_DefaultAssertHandler(const wchar_t* expression, const char* sourceFile, int32_t line);

#define GLIB_ASSERT(expression) ((expression) ? static_cast<void>(0) : GLIB_Assert(L"" #expression, __FILE__, __LINE__))
