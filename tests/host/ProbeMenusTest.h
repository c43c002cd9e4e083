// The probe with its menu items, tool buttons and toolbars: ProbeMenusTest, in the probe's one fixture.
#pragma once

#include "ProbeTest.h"
