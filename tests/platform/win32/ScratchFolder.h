// A folder of one test's own on drive Z:, removed with everything in it when the test ends; and TMPDIR
// pointed somewhere for one test.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "win32filesXXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("no scratch folder");
        }
        // The physical path, as getcwd reports it, so that current-directory results compare equal.
        m_linux = std::filesystem::canonical(pattern).string();
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_linux, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Linux(const std::string& name = std::string()) const {
        return name.empty() ? m_linux : m_linux + "/" + name;
    }
    // The folder, or a name in it, as a Win32 path: Z:\tmp\win32filesXXXXXX\name.
    std::wstring Win32(const std::wstring& name = std::wstring()) const {
        std::wstring path = L"Z:";
        for (const char c : m_linux) {
            path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
        }
        return name.empty() ? path : path + L"\\" + name;
    }
    void Put(const std::string& name, const std::string& content) const {
        std::ofstream(Linux(name), std::ios::binary) << content;
    }
    std::string Get(const std::string& name) const {
        std::ifstream in(Linux(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool Has(const std::string& name) const { return std::filesystem::exists(Linux(name)); }

private:
    std::string m_linux;
};

// Points TMPDIR somewhere for the life of the object, and back to where it was afterwards.
class TempDirectory {
public:
    explicit TempDirectory(const std::string& value) {
        if (const char* saved = getenv("TMPDIR")) m_saved = saved;
        setenv("TMPDIR", value.c_str(), 1);
    }
    ~TempDirectory() { m_saved.empty() ? unsetenv("TMPDIR") : setenv("TMPDIR", m_saved.c_str(), 1); }

private:
    std::string m_saved;
};
