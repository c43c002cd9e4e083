// The rectangle tool of the page's ArtBox.
#pragma once

#include "EXGM/EXGM_RectTool.h"

class EXGM_ArtBoxTool : public EXGM_RectTool {
public:
    HostAtom GetType() override;
    int32_t GetColorID() override;
    BoxKind GetBoxKind() override;
    void GetBox(HostPage page, FixedRect& out) override;
    void SetBox(HostPage page, const FixedRect& box) override;
};

extern EXGM_ArtBoxTool gArtBoxTool;
