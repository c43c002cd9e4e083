// The "Page Geometry" dialog: any of the five boxes, as offsets and size or as edge coordinates, with a
// picture of the chosen box. Choosing a box also switches the dialog tool to that box's rectangle tool.
#pragma once

#include "EXGM/EXGM_EditDialog.h"
#include "Win32.h"

class EXGM_EditGeomDialog : public EXGM_EditDialog {
public:
    EXGM_EditGeomDialog();
    // Gives back the box picture.
    ~EXGM_EditGeomDialog() override;

    void DidCreate() override;
    void Command(uint16_t id) override;

private:
    void ChangeBox(BoxKind box);
    void ChangeRegion(RegionMode region);
    void SetRegionLabels();
    void ShowBoxPicture();

    // The picture control does not own its bitmap: the dialog keeps it until the next one.
    HBITMAP m_picture = nullptr;
};

// The one "Page Geometry" dialog, held by the geometry tool.
extern EXGM_EditGeomDialog gGeomDialog;
