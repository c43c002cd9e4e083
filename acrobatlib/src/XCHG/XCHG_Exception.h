// The plug-in framework's own failures.
#pragma once

#include "GLIB/GLIB_DerivedException.h"

struct Tag_XCHG_Exception {};
using XCHG_Exception = GLIB_DerivedException<Tag_XCHG_Exception>;
