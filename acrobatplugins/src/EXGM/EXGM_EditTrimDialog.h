// The "Trim Box" dialog: the TrimBox alone, as trim size and offset, on a template of its own whose labels
// never change.
#pragma once

#include "EXGM/EXGM_EditDialog.h"

class EXGM_EditTrimDialog : public EXGM_EditDialog {
public:
    EXGM_EditTrimDialog();
    ~EXGM_EditTrimDialog() override;
};

// The one "Trim Box" dialog, held by the trim tool.
extern EXGM_EditTrimDialog gTrimDialog;
