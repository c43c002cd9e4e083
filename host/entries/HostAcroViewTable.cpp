#include <cstring>

#include "host/entries/HostEntry.h"
#include "host/entries/HostTables.h"

HostTableSlots HostAcroViewTable::Build() {
    HostTableSlots table;
#define HOST_ENTRY(number, Result, Name, Params, Args) \
    HOST_FILL_SLOT(HostAcroViewTable, number, Result, Name, Params, Args)
#include "entries/AcroViewEntries.def"
#undef HOST_ENTRY
    return table;
}

int32_t HostAcroViewTable::View_Alert(int32_t kind, const char* text, const char* button1, const char* button2,
                                      const char* button3, HostBool beep) {
    return Host::Current().Alerts().Modal(kind, text, button1, button2, button3, beep != 0);
}

void HostAcroViewTable::View_NoteAlert(const char* text) { Host::Current().Alerts().Note(text); }

void HostAcroViewTable::View_GetVersion(int16_t* major, int16_t* minor) {
    HostEntry([&] {
        if (major == nullptr || minor == nullptr) HostFail("no room for the version");
        *major = static_cast<int16_t>(Host::Current().Config().versionMajor);
        *minor = static_cast<int16_t>(Host::Current().Config().versionMinor);
    });
}

void HostAcroViewTable::View_GetLanguage(char* buffer) {
    HostEntry([&] {
        if (buffer == nullptr) HostFail("no room for the language");
        const std::string& language = Host::Current().Config().language;
        std::memset(buffer, 0, 4);
        std::memcpy(buffer, language.data(), std::min<std::size_t>(language.size(), 3));
    });
}

HostDocView HostAcroViewTable::View_FrontDocView() { return Host::Current().DocViews().Front(); }

void HostAcroViewTable::View_RegisterNotification(int32_t selector, HostExtension owner, HostProc proc,
                                                  void* clientData) {
    HostEntry([&] {
        if (proc == nullptr) HostFail("no function for a notification");
        Host::Current().Notifications().Register({selector, owner, proc, clientData});
    });
}

void HostAcroViewTable::View_UnregisterNotification(int32_t selector, HostExtension owner, HostProc proc,
                                                    void* clientData) {
    Host::Current().Notifications().Unregister({selector, owner, proc, clientData});
}

HostDoc HostAcroViewTable::View_DocOfDocView(HostDocView view) {
    return HostEntry([&] { return Host::Current().DocViews().DocOf(view); });
}

HostDocView HostAcroViewTable::View_OpenDocView(HostDoc doc, const char* title) {
    return HostEntry([&] { return Host::Current().DocViews().Open(doc, title != nullptr ? title : ""); });
}

// Every document view shares the host's one progress bar.
const HostProgressMonitor* HostAcroViewTable::View_DocViewMonitor(HostDocView view) {
    return HostEntry([&] {
        Host::Current().DocViews().DocOf(view);  // refuses a view that is not open
        return Host::Current().Progress().Monitor();
    });
}
