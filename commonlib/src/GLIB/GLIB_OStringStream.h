#pragma once

#include <sstream>

// The library's narrow string stream: the standard one, with default formatting, under a type of its own.
class GLIB_OStringStream : public std::ostringstream {};
