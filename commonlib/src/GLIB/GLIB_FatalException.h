// Thrown by a FATAL log entry and by the default assertion handler. Deliberately outside every exception
// hierarchy: no handler names it, so it leaves a callback only through the catch-all paths.
#pragma once

#include <string>

class GLIB_FatalException {
public:
    explicit GLIB_FatalException(const wchar_t* message);
    explicit GLIB_FatalException(std::wstring message);

    const wchar_t* GetMessage() const { return m_message.c_str(); }

private:
    std::wstring m_message;
};
