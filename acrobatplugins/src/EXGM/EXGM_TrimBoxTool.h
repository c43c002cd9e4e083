// The rectangle tool of the page's TrimBox, a sub-tool of both dialog tools. It writes the TrimBox and the
// editor's own copy of it, ORBA_TrimBox.
#pragma once

#include "EXGM/EXGM_RectTool.h"

class EXGM_TrimBoxTool : public EXGM_RectTool {
public:
    HostAtom GetType() override;
    int32_t GetColorID() override;
    BoxKind GetBoxKind() override;
    void GetBox(HostPage page, FixedRect& out) override;
    void SetBox(HostPage page, const FixedRect& box) override;
};

extern EXGM_TrimBoxTool gTrimBoxTool;
