// The one exception family of the system: an error code (library x 1000 + index), a message for
// developers, the source position of the throw and parameters for a localized message. Thrown by value,
// caught by reference at the callback boundaries.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <list>
#include <string>
#include <vector>

#include "GLIB/GLIB_GlobalsRef.h"

class GLIB_Exception {
public:
    GLIB_Exception();
    // The form every throw site uses: GLIB_Exception(code, "message", __FILE__, __LINE__).
    GLIB_Exception(int32_t code, const char* message, const char* sourceFile, int32_t line);
    GLIB_Exception(int32_t code, const wchar_t* message, const char* sourceFile, int32_t line);
    GLIB_Exception(int32_t code, const std::vector<std::string>& params, const char* message, const char* sourceFile,
                   int32_t line);
    GLIB_Exception(int32_t code, const std::list<std::string>& params, const char* message, const char* sourceFile,
                   int32_t line);
    GLIB_Exception(int32_t code, std::initializer_list<std::string> params, const char* message, const char* sourceFile,
                   int32_t line);
    GLIB_Exception(int32_t code, const std::vector<std::wstring>& params, const wchar_t* message,
                   const char* sourceFile, int32_t line);
    GLIB_Exception(int32_t code, const std::list<std::wstring>& params, const wchar_t* message, const char* sourceFile,
                   int32_t line);
    GLIB_Exception(int32_t code, std::initializer_list<std::wstring> params, const wchar_t* message,
                   const char* sourceFile, int32_t line);
    GLIB_Exception(const GLIB_Exception&) = default;
    GLIB_Exception& operator=(const GLIB_Exception&) = default;
    virtual ~GLIB_Exception();

    // The message; never null, empty when there is none.
    virtual const wchar_t* GetMessage() const;
    virtual std::string GetMessageNarrow() const;
    virtual std::wstring GetMessageString() const;
    // The full description: "code = ...; developer-speak message = '...'; source file = ...; ...".
    virtual std::wostream& PrintWide(std::wostream& out) const;
    virtual std::ostream& Print(std::ostream& out) const;

    int32_t GetCode() const { return m_code; }
    int32_t GetLine() const { return m_line; }
    const std::wstring& GetSourceFile() const { return m_sourceFile; }
    const std::vector<std::wstring>& GetParams() const { return m_params; }
    // The message the globals' formatter makes of the code and parameters.
    std::wstring GetLocalizedMessage() const;

    // Grows the parameter list with empty entries as needed, then stores the text at `index`.
    void SetParam(std::size_t index, const std::string& text);
    void SetParam(std::size_t index, const wchar_t* text);
    void SetParam(std::size_t index, const std::wstring& text);
    // The parameter at `index`; empty past the end.
    std::wstring GetParam(std::size_t index) const;

    // A changed code makes the old parameters meaningless, so they are dropped; the same code keeps them.
    void SetError(int32_t code, const char* message);
    void SetError(int32_t code, const wchar_t* message);
    void SetError(int32_t code);
    void SetMessage(const char* message);
    void SetMessage(const wchar_t* message);

private:
    void ChangeCode(int32_t code);

    int32_t m_code = 0;
    std::wstring m_message;
    std::wstring m_sourceFile;
    int32_t m_line = 0;
    std::vector<std::wstring> m_params;
};

std::ostream& operator<<(std::ostream& out, const GLIB_Exception& e);
std::wostream& operator<<(std::wostream& out, const GLIB_Exception& e);
