// The tool of the "Page Geometry" dialog: its sub-tools are the rectangle tools of all five boxes, and the
// one current follows the box chosen in the dialog.
#pragma once

#include "EXGM/EXGM_EditDialogTool.h"

class EXGM_GeomTool : public EXGM_EditDialogTool {
public:
    EXGM_GeomTool();

    EXGM_RectTool* GetTool(int index) override;
    int GetToolCount() override;
    int GetCurrentIndex() override;
    void SetCurrentIndex(int index) override;
    // Starts on the TrimBox.
    void DidRegister() override;

private:
    int m_current = 2;
};

extern EXGM_GeomTool gGeomTool;
