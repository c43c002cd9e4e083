// A counted reference to a path object: copying it shares the object, dropping the last one
// destroys it. May be null.
#pragma once

#include "GLIB/GLIB_CountedRef.h"

class GFIL_FileSystem;

using GFIL_SpecRef = GLIB_CountedRef<GFIL_FileSystem>;
