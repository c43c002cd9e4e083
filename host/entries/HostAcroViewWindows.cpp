// The AcroView entries of host windows and cursors.
#include "host/entries/HostEntry.h"
#include "host/entries/HostTables.h"

namespace {

HostWindows& Windows() { return Host::Current().Windows(); }

}  // namespace

HostCursor HostAcroViewTable::View_StandardCursor(int32_t number) {
    return HostEntry([&] { return Windows().StandardCursor(number); });
}

void HostAcroViewTable::View_SetCursor(HostCursor cursor) {
    HostEntry([&] { Windows().SetCursor(cursor); });
}

HostWindow HostAcroViewTable::View_NewWindowAroundPlatform(void* platformWindow, int32_t, int32_t,
                                                           const HostWindowHandlerRecord* handlers,
                                                           HostExtension owner) {
    return HostEntry([&] { return Windows().NewAroundPlatform(static_cast<HWND>(platformWindow), handlers, owner); });
}

void HostAcroViewTable::View_DestroyWindow(HostWindow window) {
    HostEntry([&] { Windows().Destroy(window); });
}

void HostAcroViewTable::View_ShowWindow(HostWindow window) {
    HostEntry([&] { Windows().Show(window); });
}

void HostAcroViewTable::View_HideWindow(HostWindow window) {
    HostEntry([&] { Windows().Hide(window); });
}

HostBool HostAcroViewTable::View_WindowIsVisible(HostWindow window) {
    return HostEntry([&]() -> HostBool { return Windows().IsVisible(window); });
}

void* HostAcroViewTable::View_PlatformWindowOf(HostWindow window) {
    return HostEntry([&]() -> void* { return Windows().PlatformOf(window); });
}

void* HostAcroViewTable::View_WindowOwnerData(HostWindow window) {
    return HostEntry([&] { return Windows().OwnerData(window); });
}

void HostAcroViewTable::View_SetWindowOwnerData(HostWindow window, void* ownerData) {
    HostEntry([&] { Windows().SetOwnerData(window, ownerData); });
}

void HostAcroViewTable::View_BringWindowForward(HostWindow window) {
    HostEntry([&] { Windows().BringForward(window); });
}

void HostAcroViewTable::View_SetWindowWantsKey(HostWindow window, HostBool wantsKey) {
    HostEntry([&] { Windows().SetWantsKey(window, wantsKey != 0); });
}

void HostAcroViewTable::View_BecomeKeyWindow(HostWindow window) {
    HostEntry([&] { Windows().BecomeKey(window); });
}

void HostAcroViewTable::View_ResignKeyWindow(HostWindow window) {
    HostEntry([&] { Windows().ResignKey(window); });
}
