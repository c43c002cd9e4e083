#include "GLIB/GLIB_FatalException.h"

#include <utility>

GLIB_FatalException::GLIB_FatalException(const wchar_t* message) : m_message(message != nullptr ? message : L"") {}

GLIB_FatalException::GLIB_FatalException(std::wstring message) : m_message(std::move(message)) {}
