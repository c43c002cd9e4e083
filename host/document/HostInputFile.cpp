#include "host/document/HostInputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

}  // namespace

HostInputFile::HostInputFile(const std::string& path) {
    // Without blocking: opening a pipe for reading would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) Refuse(path, std::strerror(errno));
    struct stat status;
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        Refuse(path, std::strerror(error));
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        Refuse(path, KindOf(status.st_mode));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_stream = ::fdopen(fd, "rb");
    if (m_stream == nullptr) {
        ::close(fd);
        Refuse(path, std::strerror(errno));
    }
    m_identity = HostFileIdentity::OfDescriptor(fd);
}

HostInputFile::~HostInputFile() { std::fclose(m_stream); }
