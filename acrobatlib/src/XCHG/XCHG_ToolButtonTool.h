// A tool button that selects a tool: enabled while the front document may be edited, marked while its tool
// is the host's active tool, and a click makes the tool active.
#pragma once

#include <cstdint>

#include "XCHG/XCHG_AVToolButtonObj.h"

class XCHG_AVToolObj;

class XCHG_ToolButtonTool : public XCHG_AVToolButtonObj {
public:
    XCHG_ToolButtonTool();

    // The button's Create, then the tool to select (not owned; null selects nothing).
    void Create(XCHG_AVToolObj* tool, const char* name, int32_t bitmapId, int32_t helpId);

    // False without a tool or front document; else whether the document allows edits (permission value 8).
    bool ComputeEnabled() override;
    // When enabled: whether the host's active tool is this button's tool.
    bool ComputeMarked() override;
    // When enabled: makes the tool active, persistent if modifier value 8 is held or the tool says it is.
    void Execute() override;

    XCHG_AVToolObj* GetTool() const { return m_tool; }

private:
    XCHG_AVToolObj* m_tool;
};
