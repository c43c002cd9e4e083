// The rectangle tool of the page's TrimBox, a sub-tool of both dialog tools. It writes the TrimBox and the
// editor's own copy of it, ORBA_TrimBox.
#pragma once

#include "EXGM/EXGM_RectTool.h"

class EXGM_TrimBoxTool : public EXGM_RectTool {
public:
    EXGM_TrimBoxTool();
    void SetBox(HostPage page, const FixedRect& box) override;
};

extern EXGM_TrimBoxTool gTrimBoxTool;
