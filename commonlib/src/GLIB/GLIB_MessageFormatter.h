// Turns an exception's code and parameters into its localized message. Replaceable through the globals so a
// product can bring its own message catalogue.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using MessageFormatter = std::wstring (*)(int32_t code, const std::vector<std::wstring>& params);

// "( code = 7; param[0] = 'a'; param[2] = 'b' )": empty parameters are skipped but keep their index.
std::wstring GLIB_DefaultMessageFormatter(int32_t code, const std::vector<std::wstring>& params);
