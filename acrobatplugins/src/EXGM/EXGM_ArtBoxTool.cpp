#include "EXGM/EXGM_ArtBoxTool.h"

EXGM_ArtBoxTool gArtBoxTool;

EXGM_ArtBoxTool::EXGM_ArtBoxTool() : EXGM_RectTool(kArtBox, 1004, "ORBA:EXGM_ArtBoxTool") {}
