// A host tool made from a framework object: the host's tool record, filled with guarded callbacks that lead
// back to the object's virtual operations, and the tool's activation state.
#pragma once

#include <cstdint>

#include "HostTypes.h"

class XCHG_AVToolObj {
public:
    XCHG_AVToolObj();
    virtual ~XCHG_AVToolObj();
    XCHG_AVToolObj(const XCHG_AVToolObj&) = delete;
    XCHG_AVToolObj& operator=(const XCHG_AVToolObj&) = delete;

    virtual void Activate(HostBool persistent);
    virtual bool AdjustCursor(HostPageView view, int16_t x, int16_t y);
    virtual bool ComputeEnabled();
    virtual void Deactivate();
    virtual void WillUnregister();
    virtual bool DoClick(HostPageView view, int16_t x, int16_t y, int16_t flags, int16_t clickCount);
    virtual bool DoKeyDown(uint16_t key, int16_t flags);
    virtual HostAtom GetType() = 0;
    virtual void DidRegister();
    virtual bool IsPersistent();

    // Fills the tool record with new callbacks and registers it with the host.
    void Register();
    // Destroys the callbacks; the host tool itself stays registered.
    void Unregister();
    void PrivateActivate(HostBool persistent);
    void PrivateDeactivate();

    bool IsActive() const { return active != 0; }
    HostBool ActivatedPersistent() const { return activatedPersistent; }
    // The tool as the host knows it: the address of its record.
    HostToolRecord* GetHostTool() { return &m_holder.record; }

private:
    // The record first, so that the record's address leads back to its object.
    struct RecordHolder {
        HostToolRecord record;
        XCHG_AVToolObj* owner;
    };
    static XCHG_AVToolObj& From(HostToolRecord* record);

    static void ActivateCallback(HostToolRecord* record, HostBool persistent);
    static void DeactivateCallback(HostToolRecord* record);
    static HostBool DoClickCallback(HostToolRecord* record, HostPageView view, int16_t x, int16_t y, int16_t flags,
                                    int16_t clickCount);
    static HostBool AdjustCursorCallback(HostToolRecord* record, HostPageView view, int16_t x, int16_t y);
    static HostBool DoKeyDownCallback(HostToolRecord* record, uint16_t key, int16_t flags);
    static HostAtom GetTypeCallback(HostToolRecord* record);
    static HostBool IsPersistentCallback(HostToolRecord* record);
    static HostBool ComputeEnabledCallback(void* clientData);

    RecordHolder m_holder;
    HostBool active = false;
    HostBool activatedPersistent = false;
};
