// Numbers of the PDF object model as the host's entries hand them out: integers and reals become 16.16
// Fixed values or 32-bit integers, and Fixed values become reals that read back to the same bits.
//
// Rounding: a real becomes the nearest Fixed value (or integer), halves away from zero. For values of 0 and
// above that is "multiply by 65536, add 0.5, truncate"; below 0 it is its mirror image, so that -1.0 reads
// as -65536 and not as -65535, and writing a negative value and reading it back gives the same bits.
// Reals are converted from their decimal text, exactly, not through a binary double.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <qpdf/QPDFObjectHandle.hh>

#include "HostTypes.h"

// A PDF real's text ("612.5", "-.25", "+3.") as the nearest Fixed; none when the text is no PDF real or
// the value lies beyond the Fixed range.
std::optional<Fixed> HostRealTextToFixed(std::string_view text);
// The same text as the nearest 32-bit integer; none when it is no PDF real or beyond the range.
std::optional<int32_t> HostRealTextToInteger(std::string_view text);
// An integer as Fixed (value x 65536); none beyond the Fixed range (-32768 to 32767).
std::optional<Fixed> HostIntegerToFixed(long long value);
// The shortest decimal text, with at least one decimal so that it stays a real, that reads back as
// exactly `value`.
std::string HostFixedToRealText(Fixed value);

// The number object's value as Fixed, a value beyond the Fixed range cut to its nearer limit (and
// `saturated` set); a HostError for any other object.
Fixed HostFixedOf(QPDFObjectHandle number, bool* saturated = nullptr);
// The number object's value as an integer; a HostError for any other object or a value beyond the range.
int32_t HostIntegerOf(QPDFObjectHandle number);
// A new direct real object holding `value`.
QPDFObjectHandle HostNewReal(Fixed value);
