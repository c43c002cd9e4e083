// The rectangle tool of the page's BleedBox.
#pragma once

#include "EXGM/EXGM_RectTool.h"

class EXGM_BleedBoxTool : public EXGM_RectTool {
public:
    HostAtom GetType() override;
    int32_t GetColorID() override;
    BoxKind GetBoxKind() override;
    void GetBox(HostPage page, FixedRect& out) override;
    void SetBox(HostPage page, const FixedRect& box) override;
};

extern EXGM_BleedBoxTool gBleedBoxTool;
