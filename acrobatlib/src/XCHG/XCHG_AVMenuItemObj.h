// A host menu item made from a framework object: its enabled and marked states and its action are virtual
// operations, reached from the host through guarded callbacks. The object owns the host item, the three
// callback handles and the icon, and gives them back in Release (and on destruction).
#pragma once

#include <cstdint>

#include "HostTypes.h"
#include "Win32.h"
#include "XCHG/XCHG_ItemCallbacks.h"

class XCHG_AVMenuItemObj {
public:
    XCHG_AVMenuItemObj();
    // Not virtual: a menu item is destroyed as the class it was made as.
    ~XCHG_AVMenuItemObj();
    XCHG_AVMenuItemObj(const XCHG_AVMenuItemObj&) = delete;
    XCHG_AVMenuItemObj& operator=(const XCHG_AVMenuItemObj&) = delete;

    virtual bool ComputeEnabled();
    virtual bool ComputeMarked();
    // Shows "MenuItem: <name> Execute callback invoked", for items nobody gave an action.
    virtual void Execute();

    // Makes the host item: title from the string table, name "<plug-in name>:<name>", the icon loaded from
    // `bitmapId` when it is not 0 (else `icon`, which the item then owns). Whatever was held is released first.
    void Create(int32_t titleId, const char* name, HostMenu submenu, char shortcut, int16_t shortcutFlags,
                int32_t bitmapId, HANDLE icon);
    void Create(int32_t titleId, const char* name, char shortcut, int16_t shortcutFlags, int32_t bitmapId);
    void Create(int32_t titleId, const char* name, char shortcut, int16_t shortcutFlags, HANDLE icon);
    void Create(int32_t titleId, const char* name, HostMenu submenu);
    // Destroys the callbacks, gives the host item back (a host failure there is ignored) and frees the icon.
    void Release();

    HostMenuItem GetMenuItem() const { return m_holder.item; }
    HANDLE GetIcon() const { return m_icon; }

protected:
    // Makes the host item named `prefix` followed by the plug-in's name, with no shortcut and no icon: the
    // plug-in's items in the host's own menus.
    void CreateForPlugin(int32_t titleId, const char* prefix);

private:
    static constexpr char kClassName[] = "XCHG_AVMenuItemObj";
    // The host item first: the callbacks' client data is its address, which leads back to the object.
    struct ItemHolder {
        HostMenuItem item;
        XCHG_AVMenuItemObj* owner;
    };

    HANDLE m_icon;
    ItemHolder m_holder;
    XCHG_ItemCallbacks<XCHG_AVMenuItemObj, ItemHolder, kClassName> m_callbacks;
};
