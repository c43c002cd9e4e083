// The plug-in's host callbacks: made from one of its functions for its own extension, and destroyed once by
// whatever made them.
#pragma once

#include "HostTypes.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "XCHG/XCHG_PluginContext.h"

template <class Function>
HostCallback XCHG_NewCallback(Function function) {
    return Core_NewCallback(XCHG_PluginContext::Extension(), reinterpret_cast<HostProc>(function));
}

// Destroys the callback, if there is one, and forgets it.
inline void XCHG_DestroyCallback(HostCallback& callback) {
    if (callback != HostCallback::None) Core_DestroyCallback(callback);
    callback = HostCallback::None;
}
