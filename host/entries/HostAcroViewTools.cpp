// The AcroView entries of tools.
#include "host/entries/HostEntry.h"
#include "host/entries/HostTables.h"

namespace {

HostTools& Tools() { return Host::Current().Tools(); }

void CheckRegistered(const HostToolRecord* tool) {
    if (tool == nullptr || !Tools().IsRegistered(tool)) HostFail("unknown tool");
}

}  // namespace

HostToolRecord* HostAcroViewTable::View_ActiveTool() { return Tools().Active(); }

HostToolRecord* HostAcroViewTable::View_DefaultTool() { return Tools().Default(); }

void HostAcroViewTable::View_SetActiveTool(HostToolRecord* tool, HostBool persistent) {
    HostEntry([&] {
        CheckRegistered(tool);
        Tools().SetActive(tool, persistent != 0);
    });
}

void HostAcroViewTable::View_RegisterTool(HostToolRecord* tool) {
    HostEntry([&] {
        if (tool == nullptr || tool->size != sizeof(HostToolRecord)) HostFail("not a tool record");
        Tools().Register(tool);
    });
}

HostBool HostAcroViewTable::View_ToolIsPersistent(HostToolRecord* tool) {
    return HostEntry([&]() -> HostBool {
        CheckRegistered(tool);
        return Tools().IsPersistent(tool);
    });
}
