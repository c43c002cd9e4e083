// The tool button of the two dialog tools: enabled whenever the front document shows its pages in an ordinary
// document window. Unlike the framework's button it does not ask for the document's edit permission.
#pragma once

#include "XCHG/XCHG_ToolButtonTool.h"

class EXGM_SPMToolButtonTool : public XCHG_ToolButtonTool {
public:
    bool ComputeEnabled() override;
};

// "ORBA:EXGM_GeomToolButton" and "ORBA:EXGM_TrimToolButton", once the plug-in object creates them.
extern EXGM_SPMToolButtonTool gGeomToolButton;
extern EXGM_SPMToolButtonTool gTrimToolButton;
