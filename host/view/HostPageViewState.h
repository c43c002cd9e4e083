// The state of a page view (HostPageView is its handle). Every document view has one: which page it shows,
// at what zoom and rotation, scrolled how far, and what has been drawn into it.
//
// Device space is the view's window: pixels, (0, 0) at the top-left corner of the window, x to the right and
// y downwards; the visible part (the aperture) is 0, 0 to kWidth, kHeight. The page is shown as a PDF reader
// shows it: its CropBox clipped to its MediaBox (the MediaBox when there is no well-formed CropBox or the two
// do not meet), turned clockwise by the page's /Rotate plus the view's own rotation, scaled by the zoom
// (1.0 = one pixel per point). Unscrolled, the top-left corner of the turned page lies at device (0, 0);
// scrolling by (h, v) moves the page h pixels left and v pixels up. Which page corner that is:
//   rotation 0: left, top    90: left, bottom    180: right, bottom    270: right, top
// Page coordinates are Fixed points (y upwards); a page offset times the zoom gives pixels, rounded to the
// nearest pixel (halves upwards) and clamped to 16 bits. Back from device space, a pixel becomes the nearest
// Fixed value (halves upwards), so device -> page -> device gives the same pixels for every zoom this view
// takes. Rectangles are converted corner by corner and come back normalised: device rectangles with
// left <= right and top <= bottom, page rectangles with left <= right and bottom <= top.
//
// The drawing record keeps every drawing call made on the view, in order, as a line of text each; the screen
// keeps those that still show over the page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "HostTypes.h"
#include "host/view/HostViewScreen.h"

class HostDocuments;
class HostDocument;

class HostPageViewState {
public:
    static constexpr int16_t kWidth = 800;
    static constexpr int16_t kHeight = 600;
    static constexpr Fixed kMinZoom = kFixedOne / 100;  // 1%
    static constexpr Fixed kMaxZoom = 64 * kFixedOne;   // 6400%

    HostPageViewState(HostDocuments& documents, HostPageView handle, HostDocView docView, HostDoc doc);

    HostPageView Handle() const { return m_handle; }
    HostDocView DocView() const { return m_docView; }
    HostDoc Doc() const { return m_doc; }

    // The page shown, counted from 0, and its handle (not acquired: it is the view's).
    int32_t PageNumber() const { return m_page; }
    HostPage Page();
    // Each fails with a HostError for a value the view cannot take, and leaves the view as it was.
    void SetPageNumber(int32_t page);
    Fixed Zoom() const { return m_zoom; }
    void SetZoom(Fixed zoom);
    // The view's own rotation, 0, 90, 180 or 270; any multiple of 90 is taken.
    int16_t ViewRotation() const { return m_viewRotation; }
    void SetViewRotation(int32_t degrees);
    // The page's /Rotate plus the view's rotation.
    int16_t Rotation();
    int16_t PageRotation();
    HostDevPoint Scroll() const { return m_scroll; }
    void SetScroll(HostDevPoint scroll) { m_scroll = scroll; }

    HostDevRect Aperture() const { return {0, 0, kWidth, kHeight}; }
    // The area of the page that is shown, normalised (left <= right, bottom <= top).
    FixedRect ShownBox();
    // A page box as a reader resolves it ("MediaBox", "CropBox", "BleedBox", "TrimBox", "ArtBox"), in the
    // file's order; none when the page has none and it has no default.
    std::optional<FixedRect> Box(const std::string& name);

    HostDevRect PageToDevice(const FixedRect& page);
    FixedRect DeviceToPage(const HostDevRect& device);
    HostDevPoint PageToDevice(FixedPoint page);
    FixedPoint DeviceToPage(HostDevPoint device);

    // Drawing, as the record shows it: "color rgb 0 0 0.5", "outline 10 -2 10 602 width 1 dashes 3 3",
    // "inverted 1 2 3 4", "invalidate 1 2 3 4", "begin operation", "end operation"; the host adds "draw now"
    // and "redraw". Colour spaces: 0 gray, 1 RGB, 2 CMYK. Each fails with a HostError for a value it
    // cannot draw, and then records nothing.
    void SetColor(const HostColor& color);
    void DrawInverted(const HostDevRect& rect);
    void DrawOutline(const HostDevRect& rect, int32_t lineWidth, const std::vector<Fixed>& dashes);
    // Invalidated device rectangles wait for the next redraw; the area is their bounding rectangle.
    void Invalidate(const HostDevRect& rect);
    std::optional<HostDevRect> TakeInvalid();
    bool HasInvalid() const { return m_invalid.has_value(); }
    // Operations nest; ending one that was not begun fails.
    void BeginOperation();
    void EndOperation();
    int OperationDepth() const { return m_operations; }
    void Record(const std::string& line) { m_drawn.push_back(line); }
    const std::vector<std::string>& Drawn() const { return m_drawn; }
    std::vector<std::string> TakeDrawn();
    static std::string Text(const HostDevRect& rect);
    HostViewScreen& Screen() { return m_screen; }

private:
    HostDocument& Document();

    HostDocuments& m_documents;
    HostPageView m_handle;
    HostDocView m_docView;
    HostDoc m_doc;
    int32_t m_page = 0;
    Fixed m_zoom = kFixedOne;
    int16_t m_viewRotation = 0;
    HostDevPoint m_scroll{0, 0};
    std::vector<std::string> m_drawn;
    std::optional<HostDevRect> m_invalid;
    HostViewScreen m_screen;
    int m_operations = 0;
};
