#include "XCHG/XCHG_AVToolObj.h"

#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_Callbacks.h"
#include "XCHG/XCHG_PluginContext.h"

namespace {

constexpr const char kClassName[] = "XCHG_AVToolObj";

}  // namespace

XCHG_AVToolObj::XCHG_AVToolObj() : m_holder{{}, this} { m_holder.record.size = sizeof(HostToolRecord); }

XCHG_AVToolObj::~XCHG_AVToolObj() = default;

void XCHG_AVToolObj::Activate(HostBool) {}
bool XCHG_AVToolObj::AdjustCursor(HostPageView, int16_t, int16_t) { return false; }
bool XCHG_AVToolObj::ComputeEnabled() { return true; }
void XCHG_AVToolObj::Deactivate() {}
void XCHG_AVToolObj::WillUnregister() {}
bool XCHG_AVToolObj::DoClick(HostPageView, int16_t, int16_t, int16_t, int16_t) { return false; }
bool XCHG_AVToolObj::DoKeyDown(uint16_t, int16_t) { return false; }
void XCHG_AVToolObj::DidRegister() {}
bool XCHG_AVToolObj::IsPersistent() { return false; }

XCHG_AVToolObj& XCHG_AVToolObj::From(HostToolRecord* record) { return *reinterpret_cast<RecordHolder*>(record)->owner; }

void XCHG_AVToolObj::Register() {
    HostToolRecord& record = m_holder.record;
    record = HostToolRecord{};
    record.size = sizeof(HostToolRecord);
    record.activate = XCHG_NewCallback(ActivateCallback);
    record.deactivate = XCHG_NewCallback(DeactivateCallback);
    record.doClick = XCHG_NewCallback(DoClickCallback);
    record.adjustCursor = XCHG_NewCallback(AdjustCursorCallback);
    record.doKeyDown = XCHG_NewCallback(DoKeyDownCallback);
    record.getType = XCHG_NewCallback(GetTypeCallback);
    record.isPersistent = XCHG_NewCallback(IsPersistentCallback);
    record.computeEnabled = XCHG_NewCallback(ComputeEnabledCallback);
    record.self = &record;
    View_RegisterTool(&record);
    DidRegister();
}

void XCHG_AVToolObj::Unregister() {
    WillUnregister();
    HostToolRecord& record = m_holder.record;
    for (HostCallback* callback : {&record.activate, &record.deactivate, &record.doClick, &record.adjustCursor,
                                   &record.doKeyDown, &record.getType, &record.isPersistent, &record.computeEnabled}) {
        XCHG_DestroyCallback(*callback);
    }
}

void XCHG_AVToolObj::PrivateActivate(HostBool persistent) {
    active = true;
    activatedPersistent = persistent;
    Activate(persistent);
}

void XCHG_AVToolObj::PrivateDeactivate() {
    active = false;
    Deactivate();
}

void XCHG_AVToolObj::ActivateCallback(HostToolRecord* record, HostBool persistent) {
    PDFL_Guard<void>(kClassName, "PrivateActivate", [&] { From(record).PrivateActivate(persistent); });
}

void XCHG_AVToolObj::DeactivateCallback(HostToolRecord* record) {
    PDFL_Guard<void>(kClassName, "PrivateDeactivate", [&] { From(record).PrivateDeactivate(); });
}

HostBool XCHG_AVToolObj::DoClickCallback(HostToolRecord* record, HostPageView view, int16_t x, int16_t y, int16_t flags,
                                         int16_t clickCount) {
    return PDFL_Guard<HostBool>(kClassName, "DoClick",
                                [&]() -> HostBool { return From(record).DoClick(view, x, y, flags, clickCount); });
}

HostBool XCHG_AVToolObj::AdjustCursorCallback(HostToolRecord* record, HostPageView view, int16_t x, int16_t y) {
    return PDFL_Guard<HostBool>(kClassName, "AdjustCursor",
                                [&]() -> HostBool { return From(record).AdjustCursor(view, x, y); });
}

HostBool XCHG_AVToolObj::DoKeyDownCallback(HostToolRecord* record, uint16_t key, int16_t flags) {
    return PDFL_Guard<HostBool>(kClassName, "DoKeyDown",
                                [&]() -> HostBool { return From(record).DoKeyDown(key, flags); });
}

HostAtom XCHG_AVToolObj::GetTypeCallback(HostToolRecord* record) {
    return PDFL_Guard<HostAtom>(kClassName, "GetType", [&] { return From(record).GetType(); });
}

HostBool XCHG_AVToolObj::IsPersistentCallback(HostToolRecord* record) {
    return PDFL_Guard<HostBool>(kClassName, "IsPersistent", [&]() -> HostBool { return From(record).IsPersistent(); });
}

HostBool XCHG_AVToolObj::ComputeEnabledCallback(void* clientData) {
    return PDFL_Guard<HostBool>(kClassName, "ComputeEnabled", [&]() -> HostBool {
        return From(static_cast<HostToolRecord*>(clientData)).ComputeEnabled();
    });
}
