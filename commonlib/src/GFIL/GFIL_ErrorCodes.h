// The file system library's error codes (library 1158).
#pragma once

#include "GLIB/GLIB_ErrorCodes.h"

// The path, name or path object is not acceptable, or a temporary name or folder could not be made.
constexpr int32_t GFIL_ERR_INVALID_PATH = GLIB_MakeErrorCode(GFIL_LIBRARY, 1);
// The file, or its folder, was not found.
constexpr int32_t GFIL_ERR_NOT_FOUND = GLIB_MakeErrorCode(GFIL_LIBRARY, 2);
// The file is busy or locked: access denied, a sharing or a lock violation.
constexpr int32_t GFIL_ERR_BUSY = GLIB_MakeErrorCode(GFIL_LIBRARY, 3);
constexpr int32_t GFIL_ERR_DISK_FULL = GLIB_MakeErrorCode(GFIL_LIBRARY, 4);
// The file to create already exists.
constexpr int32_t GFIL_ERR_ALREADY_EXISTS = GLIB_MakeErrorCode(GFIL_LIBRARY, 5);
constexpr int32_t GFIL_ERR_CREATE_FOLDER = GLIB_MakeErrorCode(GFIL_LIBRARY, 6);
// Any other failure of a file operation.
constexpr int32_t GFIL_ERR_UNKNOWN = GLIB_MakeErrorCode(GFIL_LIBRARY, 7);
