// Loading modules: names and paths, reference counts, exports, data files, and files that are no modules
// or are damaged.
#include <elf.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "ExpectFailure.h"
#include "ScratchFolder.h"
#include "TestPlugIn.h"

using testplugin::GermanPath;
using testplugin::PlugInPath;
using testplugin::ZPath;

namespace {

std::wstring ModuleFileName(HMODULE module) {
    wchar_t name[1024];
    const DWORD length = GetModuleFileNameW(module, name, 1024);
    return std::wstring(name, length);
}

}  // namespace

TEST(Modules, SameFileGivesSameHandleUntilEveryReferenceIsFreed) {
    const HMODULE module = LoadLibraryW(PlugInPath().c_str());
    ASSERT_NE(module, nullptr);
    std::wstring relative = std::filesystem::relative(TEST_PLUGIN_FILE).wstring();
    for (wchar_t& c : relative) c = c == L'/' ? L'\\' : c;
    EXPECT_EQ(LoadLibraryW(relative.c_str()), module) << relative;
    // A bare name finds the loaded module, whatever its case.
    EXPECT_EQ(LoadLibraryW(L"testplugin.API"), module);
    EXPECT_EQ(GetModuleHandleW(L"TESTPLUGIN.api"), module);
    EXPECT_EQ(GetModuleHandleW(PlugInPath().c_str()), module);

    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(GetModuleHandleW(L"TestPlugIn.api"), module);
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_FAILS_WITH(GetModuleHandleW(L"TestPlugIn.api") == nullptr, ERROR_MOD_NOT_FOUND);
    EXPECT_FAILS_WITH(!FreeLibrary(module), ERROR_MOD_NOT_FOUND);
    EXPECT_FAILS_WITH(GetModuleFileNameW(module, nullptr, 0) == 0u, ERROR_MOD_NOT_FOUND);
}

TEST(Modules, OnlyTheModulesOwnExportsAreFound) {
    const HMODULE module = LoadLibraryW(PlugInPath().c_str());
    ASSERT_NE(module, nullptr);
    using Answer = int (*)();
    // Through void (*)(), the function type that g++ lets any other be cast to without a warning.
    const auto answer =
        reinterpret_cast<Answer>(reinterpret_cast<void (*)()>(GetProcAddress(module, "TestPlugInAnswer")));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    // Hidden in the module, and provided by a library it links against: neither is its export.
    for (const char* name : {"TestPlugInHidden", "malloc", "NoSuchFunction"}) {
        SCOPED_TRACE(name);
        EXPECT_FAILS_WITH(GetProcAddress(module, name) == nullptr, ERROR_PROC_NOT_FOUND);
    }
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_FAILS_WITH(GetProcAddress(module, "TestPlugInAnswer") == nullptr, ERROR_MOD_NOT_FOUND);
}

TEST(Modules, FileNamesArePathsOnDriveZ) {
    const HMODULE module = LoadLibraryW(PlugInPath().c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(ModuleFileName(module), PlugInPath());
    // Cut to the buffer, terminated, and reported as cut.
    wchar_t small[5];
    EXPECT_FAILS_WITH(GetModuleFileNameW(module, small, 5) == 5u, ERROR_INSUFFICIENT_BUFFER);
    EXPECT_STREQ(small, PlugInPath().substr(0, 4).c_str());
    EXPECT_TRUE(FreeLibrary(module));

    const std::wstring program = ZPath(std::filesystem::read_symlink("/proc/self/exe").string());
    EXPECT_EQ(ModuleFileName(nullptr), program);
    ASSERT_NE(GetModuleHandleW(nullptr), nullptr);
    EXPECT_EQ(ModuleFileName(GetModuleHandleW(nullptr)), program);
}

TEST(Modules, MissingFilesAndFilesThatAreNoModulesFail) {
    for (const wchar_t* name : {L"Z:\\no\\such\\folder\\x.api", L"C:\\x.api", L"\\\\server\\share\\x.api"}) {
        SCOPED_TRACE(testing::PrintToString(name));
        EXPECT_FAILS_WITH(LoadLibraryW(name) == nullptr, ERROR_MOD_NOT_FOUND);
    }
    ScratchFolder scratch;
    scratch.Put("text.api", "no ELF");
    const std::wstring notElf = scratch.Win32(L"text.api");
    EXPECT_FAILS_WITH(LoadLibraryW(notElf.c_str()) == nullptr, ERROR_BAD_EXE_FORMAT);
    EXPECT_FAILS_WITH(LoadLibraryExW(notElf.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE) == nullptr,
                      ERROR_BAD_EXE_FORMAT);

    wchar_t message[64];
    const DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    ASSERT_NE(FormatMessageW(flags, nullptr, ERROR_BAD_EXE_FORMAT, 0, message, 64, nullptr), 0u);
    EXPECT_STREQ(message, L"%1 is not a valid Win32 application.\r\n");
}

TEST(Modules, DataFileGivesResourcesButNoCode) {
    const HMODULE data = LoadLibraryExW(GermanPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(data, nullptr);
    wchar_t text[32];
    EXPECT_EQ(LoadStringW(data, IDS_HELLO, text, 32), 11);
    EXPECT_STREQ(text, L"Hallo, Welt");
    EXPECT_EQ(GetProcAddress(data, "TestPlugInAnswer"), nullptr);
    EXPECT_EQ(GetModuleHandleW(L"TestPlugIn.DEU"), nullptr);

    // The resource-only module also loads as a module; once it is, a data-file load shares it.
    const HMODULE image = LoadLibraryW(GermanPath().c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_NE(image, data);
    wchar_t fromImage[32];
    EXPECT_EQ(LoadStringW(image, IDS_HELLO, fromImage, 32), 11);
    EXPECT_STREQ(fromImage, L"Hallo, Welt");
    EXPECT_EQ(LoadLibraryExW(GermanPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE), image);
    EXPECT_TRUE(FreeLibrary(image));
    EXPECT_TRUE(FreeLibrary(image));
    EXPECT_TRUE(FreeLibrary(data));

    EXPECT_FAILS_WITH(LoadLibraryExW(GermanPath().c_str(), INVALID_HANDLE_VALUE, 0) == nullptr,
                      ERROR_INVALID_PARAMETER);
    EXPECT_FAILS_WITH(LoadLibraryExW(GermanPath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES) == nullptr,
                      ERROR_INVALID_PARAMETER);
}

TEST(Modules, DamagedFilesHaveNoResourcesAndNeverCrash) {
    std::ifstream plugIn(TEST_PLUGIN_FILE, std::ios::binary);
    const std::string original(std::istreambuf_iterator<char>(plugIn), {});
    Elf64_Ehdr header;
    ASSERT_GE(original.size(), sizeof header);
    std::memcpy(&header, original.data(), sizeof header);
    // Where the resource section's header and bytes lie.
    auto sectionHeader = [&](std::size_t i) { return header.e_shoff + i * header.e_shentsize; };
    Elf64_Shdr names;
    std::memcpy(&names, original.data() + sectionHeader(header.e_shstrndx), sizeof names);
    std::size_t resourceHeader = 0;
    Elf64_Shdr resources{};
    for (std::size_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr section;
        std::memcpy(&section, original.data() + sectionHeader(i), sizeof section);
        if (std::strcmp(original.data() + names.sh_offset + section.sh_name, ".win32res") == 0) {
            resourceHeader = sectionHeader(i);
            resources = section;
        }
    }
    ASSERT_NE(resourceHeader, 0u);
    auto putLong = [](std::string& file, std::size_t at, std::uint64_t value) {
        std::memcpy(file.data() + at, &value, sizeof value);
    };
    const std::uint64_t beyond = original.size() + 16;
    const std::function<void(std::string&)> damages[] = {
        [&](auto& f) { putLong(f, offsetof(Elf64_Ehdr, e_shoff), beyond); },
        [&](auto& f) { putLong(f, resourceHeader + offsetof(Elf64_Shdr, sh_offset), beyond); },
        [&](auto& f) { putLong(f, resourceHeader + offsetof(Elf64_Shdr, sh_size), beyond); },
        [&](auto& f) { putLong(f, resourceHeader + offsetof(Elf64_Shdr, sh_size), std::uint64_t{1} << 62); },
        [&](auto& f) { putLong(f, resourceHeader + offsetof(Elf64_Shdr, sh_offset), UINT64_MAX - 8); },
        // The first real entry of the .res (after the 32-byte marker) claims a header beyond the section.
        [&](auto& f) { putLong(f, resources.sh_offset + 32, 0xFFFFFF0000000010u); },
        [&](auto& f) { f.resize(resources.sh_offset + resources.sh_size / 2); },
        [&](auto& f) { f.resize(sizeof(Elf64_Ehdr)); },
    };
    ScratchFolder scratch;
    const std::wstring name = scratch.Win32(L"damaged.api");
    for (std::size_t i = 0; i < std::size(damages); ++i) {
        SCOPED_TRACE(i);
        std::string damaged = original;
        damages[i](damaged);
        scratch.Put("damaged.api", damaged);
        const HMODULE module = LoadLibraryExW(name.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
        EXPECT_FAILS_WITH(FindResourceW(module, MAKEINTRESOURCEW(IDR_PLUGIN_DATA), L"PDCL") == nullptr,
                          ERROR_RESOURCE_DATA_NOT_FOUND);
        EXPECT_TRUE(FreeLibrary(module));
        EXPECT_FAILS_WITH(GetFileVersionInfoSizeW(name.c_str(), nullptr) == 0u, ERROR_RESOURCE_DATA_NOT_FOUND);
    }
    // Cut to its header, the file can no longer be loaded as a module.
    EXPECT_FAILS_WITH(LoadLibraryW(name.c_str()) == nullptr, ERROR_BAD_EXE_FORMAT);
}
