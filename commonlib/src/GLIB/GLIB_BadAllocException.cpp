#include "GLIB/GLIB_BadAllocException.h"

#include <ostream>

#include "GLIB/GLIB_StringUtils.h"

GLIB_BadAllocException::GLIB_BadAllocException(uint32_t size, const char* sourceFile, int32_t line)
    : m_size(size), m_sourceFile(sourceFile != nullptr ? sourceFile : ""), m_line(line) {}

const char* GLIB_BadAllocException::what() const noexcept { return "bad allocation"; }

std::ostream& operator<<(std::ostream& out, const GLIB_BadAllocException& e) {
    return out << "size : " << e.GetSize() << " "
               << "file : " << e.GetSourceFile() << " "
               << "line : " << e.GetLine() << " "
               << "\n";
}

std::wostream& operator<<(std::wostream& out, const GLIB_BadAllocException& e) {
    // A fixed buffer: memory has just run out, so nothing here may allocate.
    wchar_t file[256];
    GLIB_WidenInto(file, e.GetSourceFile(), 256);
    return out << L"size : " << e.GetSize() << L" " << L"file : " << file << L" " << L"line : " << e.GetLine() << L" "
               << L"\n";
}
