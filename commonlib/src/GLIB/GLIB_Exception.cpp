#include "GLIB/GLIB_Exception.h"

#include <ostream>

#include "GLIB/GLIB_Globals.h"
#include "GLIB/GLIB_StringUtils.h"

namespace {

std::wstring WideOrEmpty(const wchar_t* text) { return text != nullptr ? std::wstring(text) : std::wstring(); }

template <class Strings>
std::vector<std::wstring> WidenAll(const Strings& strings) {
    std::vector<std::wstring> wide;
    wide.reserve(strings.size());
    for (const std::string& s : strings) wide.push_back(GLIB_Widen(s));
    return wide;
}

}  // namespace

GLIB_Exception::GLIB_Exception() = default;

GLIB_Exception::GLIB_Exception(int32_t code, const char* message, const char* sourceFile, int32_t line)
    : m_code(code), m_message(GLIB_Widen(message)), m_sourceFile(GLIB_Widen(sourceFile)), m_line(line) {}

GLIB_Exception::GLIB_Exception(int32_t code, const wchar_t* message, const char* sourceFile, int32_t line)
    : m_code(code), m_message(WideOrEmpty(message)), m_sourceFile(GLIB_Widen(sourceFile)), m_line(line) {}

GLIB_Exception::GLIB_Exception(int32_t code, const std::vector<std::string>& params, const char* message,
                               const char* sourceFile, int32_t line)
    : GLIB_Exception(code, message, sourceFile, line) {
    m_params = WidenAll(params);
}

GLIB_Exception::GLIB_Exception(int32_t code, const std::list<std::string>& params, const char* message,
                               const char* sourceFile, int32_t line)
    : GLIB_Exception(code, message, sourceFile, line) {
    m_params = WidenAll(params);
}

GLIB_Exception::GLIB_Exception(int32_t code, std::initializer_list<std::string> params, const char* message,
                               const char* sourceFile, int32_t line)
    : GLIB_Exception(code, message, sourceFile, line) {
    m_params = WidenAll(params);
}

GLIB_Exception::GLIB_Exception(int32_t code, const std::vector<std::wstring>& params, const wchar_t* message,
                               const char* sourceFile, int32_t line)
    : GLIB_Exception(code, message, sourceFile, line) {
    m_params = params;
}

GLIB_Exception::GLIB_Exception(int32_t code, const std::list<std::wstring>& params, const wchar_t* message,
                               const char* sourceFile, int32_t line)
    : GLIB_Exception(code, message, sourceFile, line) {
    m_params.assign(params.begin(), params.end());
}

GLIB_Exception::GLIB_Exception(int32_t code, std::initializer_list<std::wstring> params, const wchar_t* message,
                               const char* sourceFile, int32_t line)
    : GLIB_Exception(code, message, sourceFile, line) {
    m_params.assign(params.begin(), params.end());
}

GLIB_Exception::~GLIB_Exception() = default;

const wchar_t* GLIB_Exception::GetMessage() const { return m_message.c_str(); }

std::string GLIB_Exception::GetMessageNarrow() const { return GLIB_Narrow(m_message); }

std::wstring GLIB_Exception::GetMessageString() const { return m_message; }

std::ostream& GLIB_Exception::Print(std::ostream& out) const {
    out << "code = " << m_code;
    if (!m_message.empty()) out << "; developer-speak message = '" << GLIB_Narrow(m_message) << "'";
    if (!m_sourceFile.empty()) out << "; source file = " << GLIB_Narrow(m_sourceFile);
    if (m_line > 0) out << "; line number = " << m_line;
    const std::wstring localized = GetLocalizedMessage();
    if (!localized.empty()) out << "; localized Message = '" << GLIB_Narrow(localized) << "'";
    return out;
}

std::wostream& GLIB_Exception::PrintWide(std::wostream& out) const {
    out << L"code = " << m_code;
    if (!m_message.empty()) out << L"; developer-speak message = '" << m_message << L"'";
    if (!m_sourceFile.empty()) out << L"; source file = " << m_sourceFile;
    if (m_line > 0) out << L"; line number = " << m_line;
    const std::wstring localized = GetLocalizedMessage();
    if (!localized.empty()) out << L"; localized Message = '" << localized << L"'";
    return out;
}

std::wstring GLIB_Exception::GetLocalizedMessage() const {
    MessageFormatter formatter;
    {
        GLIB_GlobalsRef globals;
        formatter = globals->GetMessageFormatter();
    }
    return formatter(m_code, m_params);
}

void GLIB_Exception::SetParam(std::size_t index, const std::string& text) { SetParam(index, GLIB_Widen(text)); }

void GLIB_Exception::SetParam(std::size_t index, const wchar_t* text) { SetParam(index, WideOrEmpty(text)); }

void GLIB_Exception::SetParam(std::size_t index, const std::wstring& text) {
    if (m_params.size() <= index) m_params.resize(index + 1);
    m_params[index] = text;
}

std::wstring GLIB_Exception::GetParam(std::size_t index) const {
    return index < m_params.size() ? m_params[index] : std::wstring();
}

void GLIB_Exception::ChangeCode(int32_t code) {
    if (code != m_code) {
        m_code = code;
        m_params.clear();
    }
}

void GLIB_Exception::SetError(int32_t code, const char* message) {
    SetMessage(message);
    ChangeCode(code);
}

void GLIB_Exception::SetError(int32_t code, const wchar_t* message) {
    SetMessage(message);
    ChangeCode(code);
}

void GLIB_Exception::SetError(int32_t code) {
    if (code != m_code) {
        m_message.clear();
        ChangeCode(code);
    }
}

void GLIB_Exception::SetMessage(const char* message) { m_message = GLIB_Widen(message); }

void GLIB_Exception::SetMessage(const wchar_t* message) { m_message = WideOrEmpty(message); }

std::ostream& operator<<(std::ostream& out, const GLIB_Exception& e) { return e.Print(out); }

std::wostream& operator<<(std::wostream& out, const GLIB_Exception& e) { return e.PrintWide(out); }
