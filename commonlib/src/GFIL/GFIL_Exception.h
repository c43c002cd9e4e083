// The file system library's own failures.
#pragma once

#include "GLIB/GLIB_DerivedException.h"

struct Tag_GFIL_Exception {};
using GFIL_Exception = GLIB_DerivedException<Tag_GFIL_Exception>;

// Throws with the source position of the throw site; `message` is a wide string.
#define GFIL_THROW(code, message) throw GFIL_Exception((code), (message).c_str(), __FILE__, __LINE__)
