#include <cstdlib>
#include <cstring>

#include "host/document/HostDocument.h"
#include "host/document/HostFixedText.h"
#include "host/entries/HostEntry.h"
#include "host/entries/HostTables.h"

namespace {

HostPaths& Paths() { return Host::Current().Paths(); }

void CheckFileSys(HostFileSys fileSys) {
    if (fileSys != HostPaths::kDefaultFileSys) HostFail("unknown file system");
}

}  // namespace

HostTableSlots HostAcroSupportTable::Build() {
    HostTableSlots table;
#define HOST_ENTRY(number, Result, Name, Params, Args) \
    HOST_FILL_SLOT(HostAcroSupportTable, number, Result, Name, Params, Args)
#include "entries/AcroSupportEntries.def"
#undef HOST_ENTRY
    return table;
}

void HostAcroSupportTable::Support_FreeMemory(void* block) { std::free(block); }

HostErrorCode HostAcroSupportTable::Support_RegisterErrorText(int32_t severity, const char* text) {
    return HostEntry([&] { return Host::Current().ErrorTexts().Register(severity, text != nullptr ? text : ""); });
}

void HostAcroSupportTable::Support_FixedToText(Fixed value, char* buffer, int32_t size, int16_t decimals) {
    HostEntry([&] {
        if (buffer == nullptr || size <= 0) HostFail("no buffer for a number");
        const std::string text = HostFixedToText(value, decimals);
        const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
        std::memcpy(buffer, text.data(), length);
        buffer[length] = '\0';
    });
}

Fixed HostAcroSupportTable::Support_TextToFixed(const char* text) { return HostTextToFixed(text); }

HostFileSys HostAcroSupportTable::Support_DefaultFileSys() { return HostPaths::kDefaultFileSys; }

char* HostAcroSupportTable::Support_DisplayTextOfPath(HostFileSys fileSys, HostPath path, int32_t) {
    return HostEntry([&] {
        CheckFileSys(fileSys);
        const std::string text = Paths().HostTextOf(path);
        if (text.empty()) HostFail("unknown path");
        char* copy = static_cast<char*>(std::malloc(text.size() + 1));  // freed by the caller with entry 3
        if (copy == nullptr) HostFail("out of memory");
        std::memcpy(copy, text.c_str(), text.size() + 1);
        return copy;
    });
}

HostPath HostAcroSupportTable::Support_PathFromPathAndName(HostFileSys fileSys, HostPath path, const char* name) {
    return HostEntry([&] {
        CheckFileSys(fileSys);
        if (name == nullptr) HostFail("no name for a path");
        const HostPath child = Paths().Child(path, name);
        if (child == HostPath::None) HostFail("no such path");
        return child;
    });
}

void HostAcroSupportTable::Support_ReleasePath(HostFileSys fileSys, HostPath path) {
    HostEntry([&] {
        CheckFileSys(fileSys);
        Paths().Release(path);
    });
}

HostPath HostAcroSupportTable::Support_PathOfFile(HostFile file) {
    return HostEntry([&] { return Paths().FromLinux(Host::Current().Documents().GetByFile(file).Path()); });
}

HostPath HostAcroSupportTable::Support_PathFromText(HostFileSys fileSys, HostAtom kind, const char* text, int32_t) {
    return HostEntry([&] {
        CheckFileSys(fileSys);
        const char* kindName = Host::Current().Atoms().NameOf(kind);
        if (kindName == nullptr || std::strcmp(kindName, "Cstring") != 0) HostFail("unknown kind of path");
        if (text == nullptr) HostFail("no text for a path");
        const HostPath path = Paths().FromPlatformText(text);
        if (path == HostPath::None) HostFail("not a path of this machine");
        return path;
    });
}
