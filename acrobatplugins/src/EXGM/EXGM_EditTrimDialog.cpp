#include "EXGM/EXGM_EditTrimDialog.h"

EXGM_EditTrimDialog gTrimDialog;

// The base starts on the TrimBox in offsets, which this dialog keeps for good.
EXGM_EditTrimDialog::EXGM_EditTrimDialog() = default;

EXGM_EditTrimDialog::~EXGM_EditTrimDialog() = default;
