#pragma once

#include <sstream>

// The library's wide string stream: the standard one, with default formatting, under a type of its own.
class GLIB_WOStringStream : public std::wostringstream {};
