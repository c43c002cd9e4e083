#include "EXGM/EXGM_BleedBoxTool.h"

EXGM_BleedBoxTool gBleedBoxTool;

EXGM_BleedBoxTool::EXGM_BleedBoxTool() : EXGM_RectTool(kBleedBox, 1005, "ORBA:EXGM_BleedBoxTool") {}
