// Making path objects, temporary files and folders, and file URLs.
#pragma once

#include <string>

#include "GFIL/GFIL_FileSystem.h"

// A new path object for `path`, expanded to an absolute path and checked by the Win32 rules; throws
// GFIL_Exception 1158001 when the path is not acceptable. A null text is the empty path.
GFIL_SpecRef GFIL_MakeSpec(const wchar_t* path);
GFIL_SpecRef GFIL_MakeSpec(const std::wstring& path);

// The folder for temporary files.
GFIL_SpecRef GFIL_GetTempFolder();
// A new unique name "GFI<hex>.tmp" in `folder`; the system creates the file, empty, so the name stays
// taken: open it, or create it with GFIL_MODE_REPLACE.
GFIL_SpecRef GFIL_MakeTempName(const GFIL_SpecRef& folder);
// Creates the folder; its parent must exist. Throws GFIL_Exception 1158006 when it cannot be made.
void GFIL_CreateFolder(const GFIL_SpecRef& folder);

// The "file://" URL of a path object: "file:///C:/dir/a%20b.pdf", "file://server/share/a.pdf".
// Separators become slashes; every byte of the path's narrow text that a URL may not hold as it is
// becomes "%" and its code in upper-case hexadecimal.
std::wstring GFIL_MakeFileURL(const GFIL_SpecRef& item);
