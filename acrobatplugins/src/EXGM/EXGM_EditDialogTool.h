// A host tool that opens one of the editor's dialogs and lets the user drag the dialog's box on the page: a
// multi-tool whose sub-tools are the box rectangle tools. While its dialog is shown it draws the boxes over
// every page view, the selected box last.
#pragma once

#include <cstdint>

#include "EXGM/EXGM_RectTool.h"
#include "HostTypes.h"
#include "XCHG/XCHG_MultiTool.h"

class EXGM_EditDialog;

class EXGM_EditDialogTool : public XCHG_MultiTool {
public:
    // `typeName` is the tool's name with the host; the dialog's window is made from `dialogTemplate`.
    EXGM_EditDialogTool(const char* typeName, EXGM_EditDialog& dialog, uint16_t dialogTemplate);
    ~EXGM_EditDialogTool() override;

    HostAtom GetType() override;
    void Activate(HostBool persistent) override;
    // Disabled only while the front page view shows something other than editable PDF pages.
    bool ComputeEnabled() override;
    void Deactivate() override;
    // Both also make the dialog a listener of every sub-tool, and stop it listening, so that a plug-in loaded
    // again does not hear each change twice.
    void WillUnregister() override;
    void DidRegister() override;
    EXGM_RectTool* GetTool(int index) override = 0;

    // The tool's dialog, with its window made (hidden) when it has none.
    EXGM_EditDialog* GetDialog();
    // Draws while the dialog is shown.
    virtual void OnPageViewDraw(HostPageView view);

    void DrawOverlay(HostPageView view);
    void EraseOverlay(HostPageView view);

protected:
    // The dialog object, whether or not it has a window.
    EXGM_EditDialog& Dialog() { return m_dialog; }

private:
    static void DrawCallback(HostPageView view, void* clientData);

    const char* const m_typeName;
    EXGM_EditDialog& m_dialog;
    const uint16_t m_dialogTemplate;
    HostCallback m_drawRegistration = HostCallback::None;
};
