#include "host/document/HostInputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "host/document/HostFileSource.h"
#include "host/entries/HostEntry.h"

namespace {

[[noreturn]] void Refuse(const std::string& path, const std::string& why) {
    HostFail(("cannot open \"" + path + "\": " + why).c_str());
}

// What a file that is not a regular one is, in a user's words.
const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "it is a folder, not a PDF file";
    if (S_ISFIFO(mode)) return "it is a pipe, not a PDF file";
    if (S_ISSOCK(mode)) return "it is a socket, not a PDF file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a PDF file";
    return "it is not a regular file";
}

// Closes the descriptor however the reading ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

int OpenWithoutWaiting(const std::string& path) {
    // Without blocking: opening a pipe for reading would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) Refuse(path, std::strerror(errno));
    return fd;
}

// `count` bytes from `offset` of the open file `fd`, fewer where it ends.
std::string ReadAt(const std::string& path, int fd, std::size_t offset, std::size_t count) {
    std::string bytes(count, '\0');
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(fd, bytes.data() + done, count - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) Refuse(path, std::strerror(errno));
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace

HostInputFile::HostInputFile(const std::string& path) : m_path(path) {
    Descriptor opened{OpenWithoutWaiting(path)};  // closed again when a check fails
    struct stat status;
    if (::fstat(opened.fd, &status) != 0) Refuse(path, std::strerror(errno));
    if (!S_ISREG(status.st_mode)) Refuse(path, KindOf(status.st_mode));
    m_identity = HostFileIdentity::OfDescriptor(opened.fd);
    if (!m_identity) Refuse(path, std::strerror(errno));
    std::swap(m_fd, opened.fd);
}

HostInputFile::~HostInputFile() {
    if (m_fd >= 0) ::close(m_fd);
}

std::shared_ptr<InputSource> HostInputFile::Source() {
    auto source = std::make_shared<HostFileSource>(m_path, m_fd, *m_identity);
    m_fd = -1;
    return source;
}

std::string HostInputFile::Read(std::size_t offset, std::size_t count) const {
    if (m_fd < 0) HostFail("the file was handed to its reader");
    const auto size = static_cast<std::size_t>(m_identity->Size());
    return offset < size ? ReadAt(m_path, m_fd, offset, std::min(count, size - offset)) : std::string();
}
