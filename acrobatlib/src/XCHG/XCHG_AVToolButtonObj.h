// A host tool button made from a framework object: its enabled and marked states and its action are virtual
// operations, reached from the host through guarded callbacks. The object owns the host button, the three
// callback handles and the icon, and gives them back in Release (and on destruction).
#pragma once

#include <cstdint>

#include "HostTypes.h"
#include "Win32.h"
#include "XCHG/XCHG_ItemCallbacks.h"

class XCHG_AVToolButtonObj {
public:
    XCHG_AVToolButtonObj();
    virtual ~XCHG_AVToolButtonObj();
    XCHG_AVToolButtonObj(const XCHG_AVToolButtonObj&) = delete;
    XCHG_AVToolButtonObj& operator=(const XCHG_AVToolButtonObj&) = delete;

    virtual bool ComputeEnabled();
    virtual bool ComputeMarked();
    // Shows "ToolButton: <name> Execute callback invoked", for buttons nobody gave an action.
    virtual void Execute();

    // Makes the host button named `name` with the bitmap `bitmapId` as its icon and, unless `helpId` is 0,
    // that string as its help text. Whatever was held is released first.
    void Create(const char* name, int32_t bitmapId, int32_t helpId);
    // Destroys the callbacks, gives the host button back and frees the icon.
    void Release();

    HostToolButton GetToolButton() const { return m_holder.button; }

private:
    static constexpr char kClassName[] = "XCHG_AVToolButtonObj";
    // The host button first: the callbacks' client data is its address, which leads back to the object.
    struct ButtonHolder {
        HostToolButton button;
        XCHG_AVToolButtonObj* owner;
    };

    ButtonHolder m_holder;
    HANDLE m_icon;
    XCHG_ItemCallbacks<XCHG_AVToolButtonObj, ButtonHolder, kClassName> m_callbacks;
};
