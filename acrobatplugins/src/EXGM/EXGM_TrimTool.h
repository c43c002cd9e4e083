// The tool of the "Trim Box" dialog: one sub-tool, the TrimBox's rectangle tool.
#pragma once

#include "EXGM/EXGM_EditDialogTool.h"

class EXGM_TrimTool : public EXGM_EditDialogTool {
public:
    HostAtom GetType() override;
    EXGM_RectTool* GetTool(int index) override;
    int GetToolCount() override;
    int GetCurrentIndex() override;
    void SetCurrentIndex(int index) override;
    void DidRegister() override;
    void WillUnregister() override;

protected:
    EXGM_EditDialog& Dialog() override;
    uint16_t DialogTemplate() override;
};

extern EXGM_TrimTool gTrimTool;
