#include "EXGM/EXGM_MediaBoxTool.h"

EXGM_MediaBoxTool gMediaBoxTool;

EXGM_MediaBoxTool::EXGM_MediaBoxTool() : EXGM_RectTool(kMediaBox, 1002, "ORBA:EXGM_MediaBoxTool") {}
