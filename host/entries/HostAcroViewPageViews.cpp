// The AcroView entries of document views and their page views: windows, kinds, the device mapping, drawing,
// draw procedures and the mouse.
#include <vector>

#include "host/entries/HostEntry.h"
#include "host/entries/HostTables.h"

namespace {

HostDocViews& DocViews() { return Host::Current().DocViews(); }
HostPageViews& PageViews() { return Host::Current().PageViews(); }
HostPageViewState& PageView(HostPageView view) { return DocViews().PageView(view); }

template <class T>
const T& Given(const T* value, const char* what) {
    if (value == nullptr) HostFail(what);
    return *value;
}

}  // namespace

void HostAcroViewTable::View_EnumPageViews(HostProc proc, void* clientData) {
    HostEntry([&] { PageViews().Enumerate(proc, clientData); });
}

HostPageView HostAcroViewTable::View_PageViewOfDocView(HostDocView view) {
    return HostEntry([&] { return DocViews().PageViewOf(view); });
}

HostWindow HostAcroViewTable::View_WindowOfDocView(HostDocView view) {
    return HostEntry([&] { return DocViews().WindowOf(view); });
}

HostDocView HostAcroViewTable::View_DocViewOfPageView(HostPageView view) {
    return HostEntry([&] { return PageView(view).DocView(); });
}

void HostAcroViewTable::View_PageViewAperture(HostPageView view, HostDevRect* aperture) {
    HostEntry([&] {
        const HostDevRect visible = PageView(view).Aperture();
        if (aperture == nullptr) HostFail("no rectangle for the aperture");
        *aperture = visible;
    });
}

HostPage HostAcroViewTable::View_PageOfPageView(HostPageView view) {
    return HostEntry([&] { return PageView(view).Page(); });
}

void HostAcroViewTable::View_SetDrawingColor(HostPageView view, const HostColor* color) {
    HostEntry([&] { PageView(view).SetColor(Given(color, "no colour")); });
}

void HostAcroViewTable::View_BeginOperation(HostPageView view) {
    HostEntry([&] { PageView(view).BeginOperation(); });
}

void HostAcroViewTable::View_EndOperation(HostPageView view) {
    HostEntry([&] { PageView(view).EndOperation(); });
}

void HostAcroViewTable::View_InvalidateRect(HostPageView view, const HostDevRect* rect) {
    HostEntry([&] { PageView(view).Invalidate(Given(rect, "no rectangle to invalidate")); });
}

void HostAcroViewTable::View_DrawNow(HostPageView view) {
    HostEntry([&] { PageViews().DrawNow(PageView(view)); });
}

void HostAcroViewTable::View_DrawInvertedRect(HostPageView view, const HostDevRect* rect) {
    HostEntry([&] { PageView(view).DrawInverted(Given(rect, "no rectangle to invert")); });
}

void HostAcroViewTable::View_DrawRectOutline(HostPageView view, const HostDevRect* rect, int32_t lineWidth,
                                             const Fixed* dashes, int32_t dashCount) {
    HostEntry([&] {
        HostPageViewState& state = PageView(view);
        const HostDevRect& outline = Given(rect, "no rectangle to outline");
        if (dashCount < 0 || (dashCount > 0 && dashes == nullptr)) HostFail("no dash pattern");
        state.DrawOutline(outline, lineWidth, std::vector<Fixed>(dashes, dashes + dashCount));
    });
}

void HostAcroViewTable::View_MousePosition(HostPageView view, int16_t* x, int16_t* y) {
    HostEntry([&] {
        PageView(view);
        if (x == nullptr || y == nullptr) HostFail("no room for the mouse position");
        const HostDevPoint mouse = PageViews().MousePosition();
        *x = mouse.h;
        *y = mouse.v;
    });
}

HostCallback HostAcroViewTable::View_RegisterDrawProc(HostProc proc, void* clientData) {
    return HostEntry([&] { return PageViews().RegisterDrawProc(proc, clientData); });
}

void HostAcroViewTable::View_UnregisterDrawProc(HostCallback registration) {
    HostEntry([&] { PageViews().UnregisterDrawProc(registration); });
}

void HostAcroViewTable::View_PageRectToDevice(HostPageView view, const FixedRect* page, HostDevRect* device) {
    HostEntry([&] {
        const HostDevRect result = PageView(view).PageToDevice(Given(page, "no page rectangle"));
        if (device == nullptr) HostFail("no room for the device rectangle");
        *device = result;
    });
}

void HostAcroViewTable::View_DeviceRectToPage(HostPageView view, const HostDevRect* device, FixedRect* page) {
    HostEntry([&] {
        const FixedRect result = PageView(view).DeviceToPage(Given(device, "no device rectangle"));
        if (page == nullptr) HostFail("no room for the page rectangle");
        *page = result;
    });
}

HostBool HostAcroViewTable::View_MouseIsStillDown() {
    return HostEntry([&]() -> HostBool { return PageViews().MouseIsStillDown(); });
}

// The kind of the window a page view shows in; every caller holds a page view.
int32_t HostAcroViewTable::View_PageViewKind(HostPageView view) {
    return HostEntry([&] { return DocViews().KindOf(PageView(view).DocView()); });
}
