// The three callbacks of a host menu item or tool button: whether it is enabled, whether it is marked, and its
// action. Each leads through a guard that reports in the name `className` to the operation of the same name
// of an `Owner`. Their client data is a `Holder`, the record whose `owner` field leads back to the object.
#pragma once

#include "HostTypes.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "XCHG/XCHG_Callbacks.h"

template <class Owner, class Holder, const char* className>
class XCHG_ItemCallbacks {
public:
    // The host's way to hand one of the callbacks to an item.
    template <class Item>
    using Setter = void (*)(Item item, HostCallback callback, void* clientData);

    XCHG_ItemCallbacks() = default;
    XCHG_ItemCallbacks(const XCHG_ItemCallbacks&) = delete;
    XCHG_ItemCallbacks& operator=(const XCHG_ItemCallbacks&) = delete;

    // Makes the callbacks and hands them to `item`, each with `holder` as its client data.
    template <class Item>
    void Make(Item item, Holder* holder, Setter<Item> setEnabled, Setter<Item> setMarked, Setter<Item> setExecute) {
        m_enabled = XCHG_NewCallback(&ComputeEnabledCallback);
        m_marked = XCHG_NewCallback(&ComputeMarkedCallback);
        m_execute = XCHG_NewCallback(&ExecuteCallback);
        setEnabled(item, m_enabled, holder);
        setMarked(item, m_marked, holder);
        setExecute(item, m_execute, holder);
    }

    // Destroys those that exist.
    void Destroy() {
        XCHG_DestroyCallback(m_enabled);
        XCHG_DestroyCallback(m_marked);
        XCHG_DestroyCallback(m_execute);
    }

private:
    static Owner& From(void* clientData) { return *static_cast<Holder*>(clientData)->owner; }

    static HostBool ComputeEnabledCallback(void* clientData) {
        return PDFL_Guard<HostBool>(className, "ComputeEnabled",
                                    [&]() -> HostBool { return From(clientData).ComputeEnabled(); });
    }
    static HostBool ComputeMarkedCallback(void* clientData) {
        return PDFL_Guard<HostBool>(className, "ComputeMarked",
                                    [&]() -> HostBool { return From(clientData).ComputeMarked(); });
    }
    static void ExecuteCallback(void* clientData) {
        PDFL_Guard<void>(className, "Execute", [&] { From(clientData).Execute(); });
    }

    HostCallback m_enabled = HostCallback::None;
    HostCallback m_marked = HostCallback::None;
    HostCallback m_execute = HostCallback::None;
};
