// The one header through which the plug-in, its libraries and the host reach the Win32 API.
// On Windows it is the system's own header; elsewhere it is this project's subset of the same API, with the
// same names, constants and semantics, implemented by the platform library.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "win32sub/WinBase.h"
#include "win32sub/WinCon.h"
#include "win32sub/WinDialogs.h"
#include "win32sub/WinError.h"
#include "win32sub/WinFile.h"
#include "win32sub/WinGdi.h"
#include "win32sub/WinNls.h"
#include "win32sub/WinRes.h"
#include "win32sub/WinTypes.h"
#include "win32sub/WinUser.h"
#include "win32sub/WinVer.h"
#include "win32sub/WinWindows.h"
#endif
