// The tool of the "Trim Box" dialog: one sub-tool, the TrimBox's rectangle tool.
#pragma once

#include "EXGM/EXGM_EditDialogTool.h"

class EXGM_TrimTool : public EXGM_EditDialogTool {
public:
    EXGM_TrimTool();

    EXGM_RectTool* GetTool(int index) override;
    int GetToolCount() override;
    int GetCurrentIndex() override;
    void SetCurrentIndex(int index) override;
};

extern EXGM_TrimTool gTrimTool;
