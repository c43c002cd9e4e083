// What the "Page Geometry" and "Trim Box" dialogs share: one box of the current page shown as four numbers in
// a unit, read back and applied to a set of pages. The dialog follows the front document and its current
// page through host notifications, and the rectangle tools tell it of every box the user drags.
#pragma once

#include <array>
#include <cstdint>

#include "EXGM/EXGM_GeometryListener.h"
#include "EXGM/EXGM_Utils.h"
#include "HostTypes.h"
#include "XCHG/XCHG_Dialog.h"

class EXGM_EditDialogTool;

enum PageSet : int32_t { kThisPage = 0, kAllPages = 1, kEvenPages = 2, kOddPages = 3, kPageSetCount = 4 };

enum RegionMode : int32_t { kOffsets = 0, kCoordinates = 1, kRegionModeCount = 2 };

class EXGM_EditDialog : public XCHG_Dialog, public EXGM_GeometryListener {
public:
    EXGM_EditDialog();
    ~EXGM_EditDialog() override;

    void DidCreate() override;
    // Closing only hides: the dialog keeps its state for the next time its tool is chosen.
    HostBool WillClose(HostBool flag) override;
    void DidActivate() override;
    void DidBecomeKey() override;
    void DidHide() override;
    void KeyDown(uint32_t key, const HostWindowEvent* event) override;
    void WillShow() override;
    void WillDeactivate() override;
    void Command(uint16_t id) override;
    void DoIdle() override;
    virtual void FrontDocDidChange(HostDocView front);
    virtual void PageViewDidChange(HostPageView view, int32_t flags);

    void GeometryChanged(const FixedRect& rectangle, BoxKind kind) override;

    // Writes the box to the pages of the set, the current page through its rectangle tool. Pages written
    // before a host failure stay written; the dialog, the view and the progress bar are put right either way.
    void EXGM_ApplyBox(const FixedRect& rectangle, BoxKind box, PageSet pages);
    void RefreshFromFrontDoc();
    // Without a page the dialog is disabled and its fields are empty.
    void RefreshFromPage(HostPage page);
    void ShowRect(const FixedRect& rectangle);
    void SetEnabled(bool enabled);

    // Whether the dialog's window exists and is shown.
    bool IsVisible();
    // Gives back the notifications and destroys the window; the object can make a new one later.
    void Release();

    void SetTool(EXGM_EditDialogTool* tool) { m_tool = tool; }
    EXGM_EditDialogTool* GetTool() const { return m_tool; }
    BoxKind GetBoxKind() const { return m_box; }
    UnitKind GetUnit() const { return m_unit; }
    RegionMode GetRegion() const { return m_region; }
    const FixedRect& GetBoxRect() const { return m_boxRect; }

protected:
    // The four fields, in the order they are filled and read: the left, right, bottom and top number.
    struct Field {
        int16_t id;
        Fixed FixedRect::*edge;
        int32_t offsetsLabel;
        int32_t coordinatesLabel;
    };
    static const std::array<Field, 4> kFields;

    void SetBoxKind(BoxKind box) { m_box = box; }
    void StoreBoxRect(const FixedRect& rectangle) { m_boxRect = rectangle; }
    void SetRegion(RegionMode region) { m_region = region; }
    // The label of a field in the current region.
    int32_t LabelOf(const Field& field) const;
    void FillFields();
    // The fields as a rectangle in points. A field that does not parse keeps the number shown for the stored
    // rectangle; `bad` (when given) marks it, and a field whose edge cannot be held in points.
    FixedRect ReadFields(std::array<bool, 4>* bad);
    // The selection of a list, or -1 when none or beyond `count`.
    int32_t SelectionOf(int16_t id, int32_t count);
    // Draws the overlay of the dialog's tool in every page view that shows PDF pages.
    void DrawOverlayEverywhere();

private:
    static void FrontDocDidChangeCallback(HostDocView front, void* clientData);
    static void PageViewDidChangeCallback(HostPageView view, int32_t flags, void* clientData);
    // Registers or gives back the two notifications the dialog follows, once each way.
    void FollowNotifications(bool follow);

    void Apply();
    // Tells the user which fields hold no valid number, and selects them.
    void ReportBadFields(const std::array<bool, 4>& bad);
    void ChangeUnit(UnitKind unit);
    void HideAndReactivate();
    // The steps of EXGM_ApplyBox, which share m_run.
    void WritePages();
    void WriteBoxToPage(int32_t index);
    void EndApply();

    FixedRect m_boxRect{};
    BoxKind m_box = kTrimBox;
    UnitKind m_unit = kPoints;
    PageSet m_pageSet = kThisPage;
    RegionMode m_region = kOffsets;
    EXGM_EditDialogTool* m_tool = nullptr;
    bool m_enabled = true;
    bool m_notificationsRegistered = false;

    // An Apply under way: the box, the pages and what must be put right when a write fails.
    struct ApplyRun {
        FixedRect rectangle{};
        BoxKind box = kTrimBox;
        HostDoc doc = HostDoc::None;
        HostPageView view = HostPageView::None;
        HostPage page = HostPage::None;  // the current page
        int32_t current = 0;
        int32_t first = 0;
        int32_t end = 0;
        int32_t step = 1;
        const HostProgressMonitor* monitor = nullptr;
        HostPage held = HostPage::None;  // a page acquired for a write, until it is released
    };
    ApplyRun m_run;
};
