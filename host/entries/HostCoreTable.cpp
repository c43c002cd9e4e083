#include <cstring>

#include "host/entries/HostEntry.h"
#include "host/entries/HostTables.h"

HostTableSlots HostCoreTable::Build() {
    HostTableSlots table;
#define HOST_ENTRY(number, Result, Name, Params, Args) HOST_FILL_SLOT(HostCoreTable, number, Result, Name, Params, Args)
#define HOST_FRAME_ENTRY HOST_ENTRY
#include "entries/CoreEntries.def"
#undef HOST_ENTRY
#undef HOST_FRAME_ENTRY
    return table;
}

void HostCoreTable::Core_Raise(HostErrorCode code) { Host::Current().Frames().Raise(code); }

void HostCoreTable::Core_PushFrame(HostExceptionFrame* frame, HostRestoreProc restore) {
    Host::Current().Frames().Push(frame, restore);
}

void HostCoreTable::Core_PopFrame() { Host::Current().Frames().Pop(); }

HostErrorCode HostCoreTable::Core_GetErrorCode() { return Host::Current().Frames().ErrorCode(); }

HostAtom HostCoreTable::Core_AtomFromName(const char* name) {
    return HostEntry([&] {
        if (name == nullptr) HostFail("no name for an atom");
        return Host::Current().Atoms().FromName(name);
    });
}

const char* HostCoreTable::Core_NameOfAtom(HostAtom atom) {
    return HostEntry([&] {
        const char* name = Host::Current().Atoms().NameOf(atom);
        if (name == nullptr) HostFail("unknown atom");
        return name;
    });
}

HostCallback HostCoreTable::Core_NewCallback(HostExtension owner, HostProc proc) {
    return HostEntry([&] {
        if (proc == nullptr) HostFail("no function for a callback");
        return Host::Current().Callbacks().Add(owner, proc);
    });
}

void HostCoreTable::Core_DestroyCallback(HostCallback callback) {
    HostEntry([&] {
        if (!Host::Current().Callbacks().Remove(callback)) HostFail("unknown callback");
    });
}

HostTable HostCoreTable::Core_GetTable(HostAtom name, HostVersion version) {
    return HostEntry([&] {
        const char* text = Host::Current().Atoms().NameOf(name);
        if (text == nullptr) HostFail("unknown atom");
        return Host::Current().Table(text, version);
    });
}

HostBool HostCoreTable::Core_GetConfigurationBool(HostAtom item) {
    return HostEntry([&]() -> HostBool {
        const char* name = Host::Current().Atoms().NameOf(item);
        return name != nullptr && std::strcmp(name, "CanEdit") == 0 && Host::Current().Config().canEdit;
    });
}

int32_t HostCoreTable::Core_GetPluginFileName(HostExtension extension, char* buffer, int32_t size) {
    return HostEntry([&]() -> int32_t {
        const HostPlugin* plugin = Host::Current().PluginOf(extension);
        if (plugin == nullptr) HostFail("unknown extension");
        if (buffer == nullptr || size <= 0) return 0;
        const std::size_t length = std::min(plugin->fileName.size(), static_cast<std::size_t>(size - 1));
        std::memcpy(buffer, plugin->fileName.data(), length);
        buffer[length] = '\0';
        return static_cast<int32_t>(length);
    });
}
