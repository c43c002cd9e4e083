#include "host/view/HostPageViewState.h"

#include <algorithm>
#include <limits>

#include "host/core/HostError.h"
#include "host/document/HostDocument.h"
#include "host/document/HostDocuments.h"
#include "host/document/HostFixedText.h"
#include "host/document/HostPageBoxes.h"

namespace {

FixedRect Normalised(const FixedRect& r) {
    return {std::min(r.left, r.right), std::max(r.top, r.bottom), std::max(r.left, r.right), std::min(r.top, r.bottom)};
}

int16_t ClampToDevice(int64_t value) {
    return static_cast<int16_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

Fixed ClampToFixed(int64_t value) {
    return static_cast<Fixed>(
        std::clamp<int64_t>(value, std::numeric_limits<Fixed>::min(), std::numeric_limits<Fixed>::max()));
}

// Floor division, for the rounding of negative offsets (pages scrolled or boxes beyond the shown area).
int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Points (Fixed) times a Fixed zoom, to the nearest pixel, halves upwards.
int64_t ToPixels(int64_t offset, Fixed zoom) { return FloorDiv(offset * zoom + (int64_t{1} << 31), int64_t{1} << 32); }

// Pixels divided by a Fixed zoom, to the nearest Fixed point value, halves upwards.
int64_t ToPoints(int64_t pixels, Fixed zoom) { return FloorDiv((pixels << 33) + zoom, 2 * int64_t{zoom}); }

// Up to four decimals, without trailing zeros: "0.5", "1", "0.498".
std::string Number(Fixed value) {
    std::string text = HostFixedToText(value, 4);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

}  // namespace

HostPageViewState::HostPageViewState(HostDocuments& documents, HostPageView handle, HostDocView docView, HostDoc doc)
    : m_documents(documents), m_handle(handle), m_docView(docView), m_doc(doc) {}

HostDocument& HostPageViewState::Document() { return m_documents.Get(m_doc); }

HostPage HostPageViewState::Page() { return Document().PageAt(m_page).handle; }

void HostPageViewState::SetPageNumber(int32_t page) {
    if (page < 0 || page >= Document().PageCount()) throw HostError(kHostGeneralError, "no such page");
    m_page = page;
}

void HostPageViewState::SetZoom(Fixed zoom) {
    if (zoom < kMinZoom || zoom > kMaxZoom) throw HostError(kHostGeneralError, "zoom out of range");
    m_zoom = zoom;
}

void HostPageViewState::SetViewRotation(int32_t degrees) {
    if (degrees % 90 != 0) throw HostError(kHostGeneralError, "a rotation is a multiple of 90 degrees");
    m_viewRotation = static_cast<int16_t>(((degrees % 360) + 360) % 360);
}

int16_t HostPageViewState::PageRotation() { return HostPageBoxes(Document().PageAt(m_page).dict).Rotation(); }

int16_t HostPageViewState::Rotation() { return static_cast<int16_t>((PageRotation() + m_viewRotation) % 360); }

std::optional<FixedRect> HostPageViewState::Box(const std::string& name) {
    const HostPageBoxes boxes(Document().PageAt(m_page).dict);
    const HostPageBoxes::Box* box = boxes.Find(name);
    if (box == nullptr) return std::nullopt;
    return box->rect;
}

FixedRect HostPageViewState::ShownBox() {
    const FixedRect media = Normalised(*Box("MediaBox"));
    const FixedRect crop = Normalised(*Box("CropBox"));
    const FixedRect shown{std::max(media.left, crop.left), std::min(media.top, crop.top),
                          std::min(media.right, crop.right), std::max(media.bottom, crop.bottom)};
    return shown.left < shown.right && shown.bottom < shown.top ? shown : media;
}

HostDevPoint HostPageViewState::PageToDevice(FixedPoint page) {
    const FixedRect box = ShownBox();
    // Offsets from the shown page's top-left corner along device x and device y, in points.
    int64_t u = 0;
    int64_t v = 0;
    switch (Rotation()) {
        case 0:
            u = int64_t{page.h} - box.left;
            v = int64_t{box.top} - page.v;
            break;
        case 90:
            u = int64_t{page.v} - box.bottom;
            v = int64_t{page.h} - box.left;
            break;
        case 180:
            u = int64_t{box.right} - page.h;
            v = int64_t{page.v} - box.bottom;
            break;
        default:
            u = int64_t{box.top} - page.v;
            v = int64_t{box.right} - page.h;
            break;
    }
    return {ClampToDevice(ToPixels(u, m_zoom) - m_scroll.h), ClampToDevice(ToPixels(v, m_zoom) - m_scroll.v)};
}

FixedPoint HostPageViewState::DeviceToPage(HostDevPoint device) {
    const FixedRect box = ShownBox();
    const int64_t u = ToPoints(int64_t{device.h} + m_scroll.h, m_zoom);
    const int64_t v = ToPoints(int64_t{device.v} + m_scroll.v, m_zoom);
    switch (Rotation()) {
        case 0:
            return {ClampToFixed(box.left + u), ClampToFixed(box.top - v)};
        case 90:
            return {ClampToFixed(box.left + v), ClampToFixed(box.bottom + u)};
        case 180:
            return {ClampToFixed(box.right - u), ClampToFixed(box.bottom + v)};
        default:
            return {ClampToFixed(box.right - v), ClampToFixed(box.top - u)};
    }
}

HostDevRect HostPageViewState::PageToDevice(const FixedRect& page) {
    const HostDevPoint a = PageToDevice(FixedPoint{page.left, page.top});
    const HostDevPoint b = PageToDevice(FixedPoint{page.right, page.bottom});
    return {std::min(a.h, b.h), std::min(a.v, b.v), std::max(a.h, b.h), std::max(a.v, b.v)};
}

FixedRect HostPageViewState::DeviceToPage(const HostDevRect& device) {
    const FixedPoint a = DeviceToPage(HostDevPoint{device.left, device.top});
    const FixedPoint b = DeviceToPage(HostDevPoint{device.right, device.bottom});
    return {std::min(a.h, b.h), std::max(a.v, b.v), std::max(a.h, b.h), std::min(a.v, b.v)};
}

std::vector<std::string> HostPageViewState::TakeDrawn() {
    std::vector<std::string> drawn;
    drawn.swap(m_drawn);
    return drawn;
}

std::string HostPageViewState::Text(const HostDevRect& rect) {
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " + std::to_string(rect.right) + " " +
           std::to_string(rect.bottom);
}

void HostPageViewState::SetColor(const HostColor& color) {
    static const char* const kSpaces[] = {"gray", "rgb", "cmyk"};
    static const int kComponents[] = {1, 3, 4};
    if (color.space < 0 || color.space > 2) throw HostError(kHostGeneralError, "unknown colour space");
    std::string line = std::string("color ") + kSpaces[color.space];
    for (int i = 0; i < kComponents[color.space]; ++i) line += " " + Number(color.value[i]);
    Record(line);
    m_screen.SetColor(color);
}

void HostPageViewState::DrawInverted(const HostDevRect& rect) {
    Record("inverted " + Text(rect));
    m_screen.Invert(rect);
}

void HostPageViewState::DrawOutline(const HostDevRect& rect, int32_t lineWidth, const std::vector<Fixed>& dashes) {
    if (lineWidth < 0) throw HostError(kHostGeneralError, "a line width is not negative");
    std::string line = "outline " + Text(rect) + " width " + std::to_string(lineWidth);
    if (!dashes.empty()) {
        line += " dashes";
        for (Fixed dash : dashes) {
            if (dash < 0) throw HostError(kHostGeneralError, "a dash is not negative");
            line += " " + Number(dash);
        }
    }
    Record(line);
    m_screen.Outline(rect, lineWidth, dashes);
}

void HostPageViewState::Invalidate(const HostDevRect& rect) {
    Record("invalidate " + Text(rect));
    const HostDevRect r = HostViewScreen::Normalised(rect);
    if (!m_invalid) {
        m_invalid = r;
        return;
    }
    m_invalid = HostDevRect{std::min(m_invalid->left, r.left), std::min(m_invalid->top, r.top),
                            std::max(m_invalid->right, r.right), std::max(m_invalid->bottom, r.bottom)};
}

std::optional<HostDevRect> HostPageViewState::TakeInvalid() {
    std::optional<HostDevRect> invalid;
    invalid.swap(m_invalid);
    return invalid;
}

void HostPageViewState::BeginOperation() {
    ++m_operations;
    Record("begin operation");
}

void HostPageViewState::EndOperation() {
    if (m_operations == 0) throw HostError(kHostGeneralError, "no operation of the page view to end");
    --m_operations;
    Record("end operation");
}
