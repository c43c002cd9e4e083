// Fixed-point numbers as text and back, rounded correctly: the text shows the nearest decimal at the
// requested precision, and text becomes the nearest 16.16 value (halves away from zero).
#pragma once

#include <string>

#include "HostTypes.h"

std::string HostFixedToText(Fixed value, int decimals);
// Leading and trailing blanks are allowed; anything else that is not a decimal number gives 0. Values beyond
// the Fixed range are clamped to it.
Fixed HostTextToFixed(const char* text);
