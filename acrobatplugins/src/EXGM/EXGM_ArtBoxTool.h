// The rectangle tool of the page's ArtBox.
#pragma once

#include "EXGM/EXGM_RectTool.h"

class EXGM_ArtBoxTool : public EXGM_RectTool {
public:
    EXGM_ArtBoxTool();
};

extern EXGM_ArtBoxTool gArtBoxTool;
