#include "EXGM/EXGM_EditGeomDialog.h"

#include "EXGM/EXGM_EditDialogTool.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_Resources.h"

namespace {

constexpr int16_t kBoxList = 1006;
constexpr int16_t kRegionList = 1009;
constexpr int16_t kBoxPicture = 1019;
constexpr int32_t kFirstBoxPicture = 2005;
constexpr int32_t kOffsetsName = 1028;
constexpr int32_t kCoordinatesName = 1027;
constexpr int32_t kNameSize = 256;

// The label controls of the fields 1004, 1005, 1002 and 1003, in the order of the dialog's field table.
struct LabelOfField {
    int16_t label;
    int16_t field;
};
constexpr LabelOfField kLabels[] = {{1012, 1004}, {1013, 1005}, {1014, 1002}, {1015, 1003}};

}  // namespace

EXGM_EditGeomDialog gGeomDialog;

EXGM_EditGeomDialog::EXGM_EditGeomDialog() = default;

EXGM_EditGeomDialog::~EXGM_EditGeomDialog() {
    if (m_picture != nullptr) DeleteObject(m_picture);
}

void EXGM_EditGeomDialog::DidCreate() {
    EXGM_EditDialog::DidCreate();
    char name[kNameSize];
    for (int32_t box = 0; box < kBoxKindCount; ++box) {
        ListAdd(kBoxList, GetString(EXGM_BoxNameId(static_cast<BoxKind>(box)), name, sizeof name));
    }
    ListAdd(kRegionList, GetString(kOffsetsName, name, sizeof name));
    ListAdd(kRegionList, GetString(kCoordinatesName, name, sizeof name));
    ShowBoxPicture();
    SetPopupSelection(kBoxList, GetBoxKind());
    SetPopupSelection(kRegionList, GetRegion());
    SetRegionLabels();
}

void EXGM_EditGeomDialog::Command(uint16_t id) {
    switch (id) {
        case kBoxList:
            if (const int32_t box = SelectionOf(kBoxList, kBoxKindCount); box >= 0) {
                ChangeBox(static_cast<BoxKind>(box));
            }
            break;
        case kRegionList:
            if (const int32_t region = SelectionOf(kRegionList, kRegionModeCount);
                region >= 0 && region != GetRegion()) {
                ChangeRegion(static_cast<RegionMode>(region));
            }
            break;
        default:
            EXGM_EditDialog::Command(id);
            break;
    }
}

void EXGM_EditGeomDialog::ChangeBox(BoxKind box) {
    SetBoxKind(box);
    RefreshFromFrontDoc();
    ShowBoxPicture();
    if (EXGM_EditDialogTool* tool = GetTool()) {
        tool->SwitchTo(box);
        View_SetActiveTool(tool->GetHostTool(), true);
        // The switch only tells the new rectangle tool to draw itself, and the host leaves its active tool as
        // it is: the new one must be marked active too, or it would not take the mouse.
        if (tool->IsActive()) tool->GetTool(box)->PrivateActivate(tool->ActivatedPersistent());
    }
    DrawOverlayEverywhere();
}

void EXGM_EditGeomDialog::ChangeRegion(RegionMode region) {
    StoreBoxRect(ReadFields(nullptr));
    SetRegion(region);
    SetRegionLabels();
    FillFields();
    SetPopupSelection(kRegionList, region);
}

void EXGM_EditGeomDialog::SetRegionLabels() {
    for (const LabelOfField& pair : kLabels) {
        for (const Field& field : kFields) {
            if (field.id != pair.field) continue;
            char text[kNameSize];
            SetItemText(pair.label, GetString(LabelOf(field), text, sizeof text));
        }
    }
}

void EXGM_EditGeomDialog::ShowBoxPicture() {
    const auto id = MAKEINTRESOURCEW(kFirstBoxPicture + GetBoxKind());
    HBITMAP picture = LoadBitmapW(LocalizedOrPluginModule(), id);
    if (picture == nullptr) picture = LoadBitmapW(XCHG_GetPluginModule(), id);
    SendDlgItemMessageW(GetPlatformWindow(), kBoxPicture, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(picture));
    if (m_picture != nullptr) DeleteObject(m_picture);
    m_picture = picture;
}
