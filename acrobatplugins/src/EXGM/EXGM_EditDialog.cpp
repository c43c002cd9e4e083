#include "EXGM/EXGM_EditDialog.h"

#include <csetjmp>
#include <cstdint>
#include <utility>

#include "EXGM/EXGM_CosLexer.h"
#include "EXGM/EXGM_EditDialogTool.h"
#include "EXGM/EXGM_Plugin.h"
#include "EXGM/EXGM_RectTool.h"
#include "GLIB/GLIB_StringUtils.h"
#include "HostRecords.h"
#include "PDFL/PDFL_ASCalls5.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "PDFL/PDFL_HostFrames.h"
#include "PDFL/PDFL_PDCalls5.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_Resources.h"

namespace {

constexpr const char kClassName[] = "EXGM_EditDialog";

constexpr int16_t kApply = 1001;
constexpr int16_t kPageSetList = 1007;
constexpr int16_t kUnitList = 1008;
constexpr int16_t kFirstControl = 1001;
constexpr int16_t kLastControl = 1019;
constexpr int32_t kFirstPageSetName = 1022;
constexpr int32_t kFieldsInvalid = 1044;
constexpr int32_t kFieldInvalid = 1045;
constexpr int32_t kAlertKind = 1;

// Numbers are shown in at most 32 characters; a field is read whole, and a text too long for the buffer is
// no number rather than a shortened one.
constexpr int32_t kNumberTextSize = 32;
constexpr int32_t kFieldTextSize = 256;
constexpr int32_t kMessageSize = 256;
constexpr int32_t kNameSize = 256;

// How Apply writes each box, in BoxKind order: the MediaBox and the CropBox straight through the host, the
// other boxes as keys of the page dictionary.
using BoxWriter = void (*)(HostPage page, const FixedRect& rect);
const BoxWriter kBoxWriters[kBoxKindCount] = {
    [](HostPage page, const FixedRect& rect) { Model_SetMediaBox(page, rect); },
    [](HostPage page, const FixedRect& rect) { Model_SetCropBox(page, rect); },
    EXGM_SetTrimBox,
    EXGM_SetArtBox,
    EXGM_SetBleedBox,
};

// The order in which the fields are checked and named in the alert: width, height, x offset, y offset.
constexpr int16_t kValidationOrder[] = {1002, 1003, 1004, 1005};

Fixed Saturated(int64_t value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<Fixed>(value);
}

bool Fits(int64_t value) { return value >= INT32_MIN && value <= INT32_MAX; }

// The rectangle as the region shows it: offsets are where the page origin lies from the box's lower left
// corner, then the width and height. A box too large for the arithmetic shows the nearest number it can.
FixedRect InRegion(const FixedRect& box, RegionMode region) {
    if (region != kOffsets) return box;
    const int64_t left = box.left;
    const int64_t bottom = box.bottom;
    return {Saturated(-left), Saturated(box.top - bottom), Saturated(box.right - left), Saturated(-bottom)};
}

bool ParseField(XCHG_Dialog& dialog, int16_t id, Fixed* value) {
    char text[kFieldTextSize];
    if (dialog.GetItemText(id, text, kFieldTextSize) >= kFieldTextSize - 1) return false;
    return EXGM_ParseFixed(text, value);
}

HostPageView PageViewOf(HostDocView view) {
    return view == HostDocView::None ? HostPageView::None : View_PageViewOfDocView(view);
}

// Every page view the host shows, one document after another.
template <class Visit>
void ForEachPageView(const Visit& visit) {
    auto proc = [](HostPageView view, void* clientData) -> HostBool {
        return PDFL_Guard<HostBool>(kClassName, "EnumPageViews", [&]() -> HostBool {
            if (view != HostPageView::None) (*static_cast<const Visit*>(clientData))(view);
            return true;
        });
    };
    View_EnumPageViews(reinterpret_cast<HostProc>(static_cast<HostEnumPageViewsProc>(proc)),
                       const_cast<Visit*>(&visit));
}

}  // namespace

const std::array<EXGM_EditDialog::Field, 4> EXGM_EditDialog::kFields = {{
    {1004, &FixedRect::left, 1034, 1030},    // X Offset, Left
    {1002, &FixedRect::right, 1031, 1036},   // Width, Right
    {1005, &FixedRect::bottom, 1035, 1032},  // Y Offset, Bottom
    {1003, &FixedRect::top, 1033, 1037},     // Height, Top
}};

EXGM_EditDialog::EXGM_EditDialog() = default;

EXGM_EditDialog::~EXGM_EditDialog() = default;

void EXGM_EditDialog::DidCreate() {
    XCHG_Dialog::DidCreate();
    char name[kNameSize];
    for (int32_t unit = 0; unit < kUnitKindCount; ++unit) {
        ListAdd(kUnitList, GetString(EXGM_UnitNameId(static_cast<UnitKind>(unit)), name, sizeof name));
    }
    for (int32_t pages = 0; pages < kPageSetCount; ++pages) {
        ListAdd(kPageSetList, GetString(kFirstPageSetName + pages, name, sizeof name));
    }
    SetPopupSelection(kUnitList, m_unit);
    SetPopupSelection(kPageSetList, m_pageSet);
    FollowNotifications(true);
}

HostBool EXGM_EditDialog::WillClose(HostBool flag) {
    if (flag == 1) return true;
    View_HideWindow(GetHostWindow());
    DidHide();
    return false;
}

void EXGM_EditDialog::DidActivate() {}
void EXGM_EditDialog::KeyDown(uint32_t, const HostWindowEvent*) {}
void EXGM_EditDialog::WillDeactivate() {}

void EXGM_EditDialog::DidBecomeKey() {
    if (IsVisible() && View_FrontDocView() != HostDocView::None && m_tool != nullptr && !m_tool->IsActive()) {
        View_SetActiveTool(m_tool->GetHostTool(), true);
    }
    XCHG_Dialog::DidBecomeKey();
}

void EXGM_EditDialog::DidHide() {
    if (View_FrontDocView() == HostDocView::None) return;
    EXGM_Plugin::Get().ReactivateTool();
    if (m_tool == nullptr) return;
    ForEachPageView([this](HostPageView view) { m_tool->EraseOverlay(view); });
}

void EXGM_EditDialog::WillShow() {
    RefreshFromFrontDoc();
    DrawOverlayEverywhere();
    SelectItemText(kFields[0].id, 0, -1);
}

void EXGM_EditDialog::DrawOverlayEverywhere() {
    if (m_tool == nullptr) return;
    ForEachPageView([this](HostPageView view) {
        if (EXGM_IsEditableView(view)) m_tool->DrawOverlay(view);
    });
}

void EXGM_EditDialog::DoIdle() {
    if (m_enabled) XCHG_Dialog::DoIdle();
}

void EXGM_EditDialog::Command(uint16_t id) {
    switch (id) {
        case kApply:
            Apply();
            break;
        case kPageSetList:
            if (const int32_t pages = SelectionOf(kPageSetList, kPageSetCount); pages >= 0) {
                m_pageSet = static_cast<PageSet>(pages);
            }
            break;
        case kUnitList:
            if (const int32_t unit = SelectionOf(kUnitList, kUnitKindCount); unit >= 0 && unit != m_unit) {
                ChangeUnit(static_cast<UnitKind>(unit));
            }
            break;
        default:
            break;
    }
}

int32_t EXGM_EditDialog::SelectionOf(int16_t id, int32_t count) {
    const int32_t selection = GetPopupSelection(id);
    return selection >= 0 && selection < count ? selection : -1;
}

void EXGM_EditDialog::ChangeUnit(UnitKind unit) {
    m_boxRect = ReadFields(nullptr);
    m_unit = unit;
    FillFields();
    SetPopupSelection(kUnitList, m_unit);
}

int32_t EXGM_EditDialog::LabelOf(const Field& field) const {
    return m_region == kOffsets ? field.offsetsLabel : field.coordinatesLabel;
}

void EXGM_EditDialog::FillFields() {
    if (!m_enabled) {
        for (const Field& field : kFields) SetItemText(field.id, "");
        return;
    }
    FixedRect shown = InRegion(m_boxRect, m_region);
    EXGM_PointsToUnits(shown, m_unit);
    const auto decimals = static_cast<int16_t>(EXGM_UnitDecimals(m_unit));
    for (const Field& field : kFields) {
        char text[kNumberTextSize + 1];
        Support_FixedToText(shown.*field.edge, text, kNumberTextSize, decimals);
        SetItemText(field.id, text);
    }
}

FixedRect EXGM_EditDialog::ReadFields(std::array<bool, 4>* bad) {
    FixedRect shown = InRegion(m_boxRect, m_region);
    EXGM_PointsToUnits(shown, m_unit);
    std::array<bool, 4> failed{};
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        Fixed value = 0;
        if (ParseField(*this, kFields[i].id, &value)) {
            shown.*kFields[i].edge = value;
        } else {
            failed[i] = true;
        }
    }
    // Back from offsets to edges: each edge belongs to the field of its own index.
    int64_t edges[4] = {shown.left, shown.right, shown.bottom, shown.top};
    if (m_region == kOffsets) {
        edges[0] = -int64_t{shown.left};
        edges[1] = int64_t{shown.right} - shown.left;
        edges[2] = -int64_t{shown.bottom};
        edges[3] = int64_t{shown.top} - shown.bottom;
    }
    FixedRect rect{};
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const Fixed edge = Saturated(edges[i]);
        if (!Fits(edges[i]) || !EXGM_FitsInPoints(edge, m_unit)) failed[i] = true;
        rect.*kFields[i].edge = edge;
    }
    EXGM_UnitsToPoints(rect, m_unit, m_boxRect);
    if (bad != nullptr) *bad = failed;
    return rect;
}

void EXGM_EditDialog::ReportBadFields(const std::array<bool, 4>& bad) {
    int failures = 0;
    for (bool failed : bad) failures += failed ? 1 : 0;
    char message[kMessageSize];
    GetString(failures > 1 ? kFieldsInvalid : kFieldInvalid, message, sizeof message);
    GLIB_StrAppend(message, "\n\n", sizeof message);
    for (int16_t id : kValidationOrder) {
        for (std::size_t i = 0; i < kFields.size(); ++i) {
            if (kFields[i].id != id || !bad[i]) continue;
            char label[kNameSize];
            GLIB_StrAppend(message, GetString(LabelOf(kFields[i]), label, sizeof label), sizeof message);
            GLIB_StrAppend(message, "\n", sizeof message);
        }
    }
    View_Alert(kAlertKind, message, "OK", nullptr, nullptr, true);
    View_BecomeKeyWindow(GetHostWindow());
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (bad[i]) SelectItemText(kFields[i].id, 0, -1);
    }
}

void EXGM_EditDialog::Apply() {
    std::array<bool, 4> bad{};
    FixedRect rect = ReadFields(&bad);
    for (bool failed : bad) {
        if (failed) return ReportBadFields(bad);
    }
    if (rect.left > rect.right) std::swap(rect.left, rect.right);
    if (rect.bottom > rect.top) std::swap(rect.bottom, rect.top);
    m_boxRect = rect;
    EXGM_ApplyBox(rect, m_box, m_pageSet);
    // The numbers of the current page as it now is, in the unit's decimals: the written box with its edges in
    // place, or the page's own box when the page set passed it by.
    RefreshFromFrontDoc();
}

void EXGM_EditDialog::WriteBoxToPage(int32_t index) {
    const HostPage page = Model_AcquirePage(m_run.doc, index);
    m_run.held = page;
    if (m_run.box >= 0 && m_run.box < kBoxKindCount) kBoxWriters[m_run.box](page, m_run.rectangle);
    m_run.held = HostPage::None;
    Model_ReleasePage(page);
}

void EXGM_EditDialog::EXGM_ApplyBox(const FixedRect& rectangle, BoxKind box, PageSet pages) {
    const HostDocView docView = View_FrontDocView();
    const HostPageView view = PageViewOf(docView);
    if (view == HostPageView::None) return;
    ApplyRun& run = m_run;
    run = ApplyRun{};
    run.rectangle = rectangle;
    run.box = box;
    run.view = view;
    run.doc = View_DocOfDocView(docView);
    run.page = View_PageOfPageView(view);
    run.current = Model_PageNumber(run.page);
    run.end = Model_PageCount(run.doc);
    switch (pages) {
        case kThisPage:
            run.first = run.current;
            run.end = run.current + 1;
            break;
        case kEvenPages:
            run.first = 1;
            run.step = 2;
            break;
        case kOddPages:
            run.step = 2;
            break;
        default:
            break;
    }
    run.monitor = View_DocViewMonitor(docView);
    run.monitor->beginOperation(run.monitor->clientData);
    run.monitor->setDuration(run.end - run.first, run.monitor->clientData);
    View_BeginOperation(view);
    SetEnabled(false);
    WritePages();
    EndApply();
    Model_DidChangePages(run.page, false);
}

// What the loop needs after a raise lives in m_run, not in locals that the jump back may have lost.
void EXGM_EditDialog::WritePages() {
    // A failing write leaves the pages written so far as they are; the dialog, the view's operation and the
    // progress bar end as on success, and the failure goes on to the host, which tells the user.
    HostExceptionFrame frame;
    PDFL_HostFrames::Push(&frame);
    if (setjmp(frame.environment) != 0) {
        PDFL_HostFrames::Pop();
        const HostErrorCode code = PDFL_HostFrames::ErrorCode();
        if (m_run.held != HostPage::None) Model_ReleasePage(std::exchange(m_run.held, HostPage::None));
        EndApply();
        PDFL_HostFrames::Raise(code);
    }
    for (int32_t index = m_run.first; index < m_run.end; index += m_run.step) {
        if (index == m_run.current) {
            EXGM_BoxToolFor(m_run.box)->ChangeBox(m_run.rectangle, m_run.view);
        } else {
            WriteBoxToPage(index);
        }
        m_run.monitor->setCurrentValue(index - m_run.first + 1, m_run.monitor->clientData);
    }
    PDFL_HostFrames::Pop();
}

void EXGM_EditDialog::EndApply() {
    SetEnabled(true);
    View_EndOperation(m_run.view);
    m_run.monitor->endOperation(m_run.monitor->clientData);
}

void EXGM_EditDialog::RefreshFromFrontDoc() {
    const HostPageView view = PageViewOf(View_FrontDocView());
    RefreshFromPage(view == HostPageView::None ? HostPage::None : View_PageOfPageView(view));
}

void EXGM_EditDialog::RefreshFromPage(HostPage page) {
    if (!IsOpen()) return;
    if (page != HostPage::None) {
        SetEnabled(true);
        EXGM_GetBox(page, m_box, &m_boxRect);
    } else {
        SetEnabled(false);
    }
    FillFields();
}

void EXGM_EditDialog::ShowRect(const FixedRect& rectangle) {
    if (rectangle == m_boxRect) return;
    m_boxRect = rectangle;
    FillFields();
}

void EXGM_EditDialog::SetEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    for (int16_t id = kFirstControl; id <= kLastControl; ++id) {
        if (GetItem(id) == nullptr) continue;
        if (enabled) {
            EnableItem(id);
        } else {
            DisableItem(id);
        }
    }
    if (IsOpen()) {
        View_SetWindowWantsKey(GetHostWindow(), enabled);
        if (enabled) {
            View_BecomeKeyWindow(GetHostWindow());
        } else {
            View_ResignKeyWindow(GetHostWindow());
        }
    }
    m_enabled = enabled;
}

bool EXGM_EditDialog::IsVisible() { return IsOpen() && View_WindowIsVisible(GetHostWindow()) != 0; }

void EXGM_EditDialog::HideAndReactivate() {
    if (!IsOpen()) return;
    View_HideWindow(GetHostWindow());
    DidHide();
}

void EXGM_EditDialog::FrontDocDidChange(HostDocView front) {
    if (!IsVisible()) return;
    const HostPageView view = PageViewOf(front);
    if (view == HostPageView::None) return RefreshFromPage(HostPage::None);
    if (!EXGM_IsEditableView(view)) return HideAndReactivate();
    RefreshFromPage(View_PageOfPageView(view));
}

void EXGM_EditDialog::PageViewDidChange(HostPageView view, int32_t flags) {
    if (!IsVisible() || view == HostPageView::None) return;
    if (!EXGM_IsEditableView(view)) return HideAndReactivate();
    if ((flags & kPageViewPageChanged) != 0) RefreshFromPage(View_PageOfPageView(view));
}

void EXGM_EditDialog::GeometryChanged(const FixedRect& rectangle, BoxKind kind) {
    if (IsOpen() && kind == m_box) ShowRect(rectangle);
}

void EXGM_EditDialog::FrontDocDidChangeCallback(HostDocView front, void* clientData) {
    PDFL_Guard<void>(kClassName, "Notification_AVAppFrontDocDidChange",
                     [&] { static_cast<EXGM_EditDialog*>(clientData)->FrontDocDidChange(front); });
}

void EXGM_EditDialog::PageViewDidChangeCallback(HostPageView view, int32_t flags, void* clientData) {
    PDFL_Guard<void>(kClassName, "Notification_AVPageViewDidChange",
                     [&] { static_cast<EXGM_EditDialog*>(clientData)->PageViewDidChange(view, flags); });
}

void EXGM_EditDialog::FollowNotifications(bool follow) {
    if (follow == m_notificationsRegistered) return;
    const auto change = follow ? View_RegisterNotification : View_UnregisterNotification;
    const HostExtension extension = XCHG_PluginContext::Extension();
    change(kNotifyFrontDocDidChange, extension, reinterpret_cast<HostProc>(&FrontDocDidChangeCallback), this);
    change(kNotifyPageViewDidChange, extension, reinterpret_cast<HostProc>(&PageViewDidChangeCallback), this);
    m_notificationsRegistered = follow;
}

void EXGM_EditDialog::Release() {
    FollowNotifications(false);
    const HWND window = GetPlatformWindow();
    DestroyHostWindow();
    if (window != nullptr) DestroyWindow(window);
    m_tool = nullptr;
    m_enabled = true;
}
