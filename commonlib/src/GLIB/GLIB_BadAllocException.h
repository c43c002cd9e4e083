// An allocation failure with the size asked for and the position that asked, so the out-of-memory report
// names the culprit. A std::bad_alloc, so every out-of-memory path catches it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <new>

class GLIB_BadAllocException : public std::bad_alloc {
public:
    // `sourceFile` is a literal such as __FILE__; it is kept, not copied.
    GLIB_BadAllocException(uint32_t size, const char* sourceFile, int32_t line);

    const char* what() const noexcept override;
    uint32_t GetSize() const { return m_size; }
    const char* GetSourceFile() const { return m_sourceFile; }
    int32_t GetLine() const { return m_line; }

private:
    uint32_t m_size;
    const char* m_sourceFile;
    int32_t m_line;
};

// "size : N file : F line : L \n"
std::ostream& operator<<(std::ostream& out, const GLIB_BadAllocException& e);
std::wostream& operator<<(std::wostream& out, const GLIB_BadAllocException& e);
