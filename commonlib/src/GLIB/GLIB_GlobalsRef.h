// A counted reference to the globals object for the life of a scope. Every translation unit that includes
// the common library holds one from static construction to static destruction, so the object is there
// before any static object of the unit needs it and stays until the last one is gone.
#pragma once

#include "GLIB/GLIB_GlobalsInst.h"

class GLIB_GlobalsRef {
public:
    GLIB_GlobalsRef() { GLIB_GlobalsInst::Acquire(); }
    ~GLIB_GlobalsRef() { GLIB_GlobalsInst::Release(); }
    GLIB_GlobalsRef(const GLIB_GlobalsRef&) = delete;
    GLIB_GlobalsRef& operator=(const GLIB_GlobalsRef&) = delete;

    GLIB_Globals& operator*() const { return *GLIB_GlobalsInst::Instance(); }
    GLIB_Globals* operator->() const { return GLIB_GlobalsInst::Instance(); }
};

static const GLIB_GlobalsRef s_GLIB_GlobalsRefOfThisUnit;
