// The resource section of an ELF module file, found through the section headers. Only what the file says
// is read, and every offset and size is checked against the file's real size first, so that a damaged or
// cut file never makes us read outside it or allocate beyond its size.
#include "loader/ModuleFile.h"

#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace win32sub {
namespace {

static_assert(std::endian::native == std::endian::little, "ELF headers are read as they lie in memory");

constexpr std::string_view kSectionName = ".win32res";

class File {
public:
    explicit File(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~File() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    int fd() const { return fd_; }

    // Reads exactly `size` bytes at `offset`, which the caller has checked to lie inside the file.
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const {
        auto* out = static_cast<unsigned char*>(buffer);
        while (size > 0) {
            const ssize_t n = pread(fd_, out, size, static_cast<off_t>(offset));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return false;
            }
            out += n;
            offset += static_cast<std::uint64_t>(n);
            size -= static_cast<std::size_t>(n);
        }
        return true;
    }

private:
    int fd_;
};

bool Inside(std::uint64_t offset, std::uint64_t size, std::uint64_t fileSize) {
    return offset <= fileSize && size <= fileSize - offset;
}

// The section headers; empty when the table is damaged.
std::vector<Elf64_Shdr> SectionHeaders(const File& file, const Elf64_Ehdr& header, std::uint64_t fileSize,
                                       std::uint32_t& nameTableIndex) {
    if (header.e_shoff == 0 || header.e_shentsize < sizeof(Elf64_Shdr)) {
        return {};
    }
    Elf64_Shdr first;
    if (!Inside(header.e_shoff, sizeof first, fileSize) || !file.ReadAt(header.e_shoff, &first, sizeof first)) {
        return {};
    }
    // With many sections the real count and name table index live in the first header.
    const std::uint64_t count = header.e_shnum != 0 ? header.e_shnum : first.sh_size;
    nameTableIndex = header.e_shstrndx != SHN_XINDEX ? header.e_shstrndx : first.sh_link;
    if (count == 0 || count > fileSize / header.e_shentsize ||
        !Inside(header.e_shoff, count * header.e_shentsize, fileSize)) {
        return {};
    }
    std::vector<Elf64_Shdr> sections(count);
    for (std::uint64_t i = 0; i < count; ++i) {
        if (!file.ReadAt(header.e_shoff + i * header.e_shentsize, &sections[i], sizeof(Elf64_Shdr))) {
            return {};
        }
    }
    return sections;
}

std::vector<unsigned char> ResourceSection(const File& file, const Elf64_Ehdr& header, std::uint64_t fileSize) {
    std::uint32_t nameTableIndex = 0;
    const std::vector<Elf64_Shdr> sections = SectionHeaders(file, header, fileSize, nameTableIndex);
    if (nameTableIndex >= sections.size()) {
        return {};
    }
    const Elf64_Shdr& names = sections[nameTableIndex];
    if (names.sh_type != SHT_STRTAB || !Inside(names.sh_offset, names.sh_size, fileSize)) {
        return {};
    }
    std::vector<char> nameTable(names.sh_size);
    if (!file.ReadAt(names.sh_offset, nameTable.data(), nameTable.size())) {
        return {};
    }
    for (const Elf64_Shdr& section : sections) {
        if (section.sh_name >= nameTable.size()) {
            continue;
        }
        const char* name = nameTable.data() + section.sh_name;
        const std::size_t room = nameTable.size() - section.sh_name;
        if (strnlen(name, room) != kSectionName.size() ||
            std::memcmp(name, kSectionName.data(), kSectionName.size()) != 0) {
            continue;
        }
        if (section.sh_type == SHT_NOBITS || !Inside(section.sh_offset, section.sh_size, fileSize)) {
            return {};
        }
        std::vector<unsigned char> bytes(section.sh_size);
        if (!file.ReadAt(section.sh_offset, bytes.data(), bytes.size())) {
            return {};
        }
        return bytes;
    }
    return {};
}

}  // namespace

ModuleFileStatus ReadModuleFile(const std::string& linuxPath, ModuleFileContents& contents) {
    const File file(linuxPath);
    struct stat status;
    if (file.fd() < 0 || fstat(file.fd(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return ModuleFileStatus::Missing;
    }
    contents.device = status.st_dev;
    contents.inode = status.st_ino;
    contents.resources.clear();
    const auto fileSize = static_cast<std::uint64_t>(status.st_size);

    Elf64_Ehdr header;
    if (!Inside(0, sizeof header, fileSize) || !file.ReadAt(0, &header, sizeof header) ||
        std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64 ||
        header.e_ident[EI_DATA] != ELFDATA2LSB) {
        return ModuleFileStatus::NotModule;
    }
    contents.resources = ResourceSection(file, header, fileSize);
    return ModuleFileStatus::Read;
}

}  // namespace win32sub
