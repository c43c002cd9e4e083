#include "host/document/HostFileReplacer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "host/core/HostError.h"

namespace {

[[noreturn]] void Fail(const std::string& step, const std::string& path, const std::string& why) {
    throw HostError(kHostGeneralError, "cannot save \"" + path + "\": " + step + ": " + why);
}

std::string SystemText(int error) { return std::strerror(error); }

// The new file's content gathers in a buffer and goes to the descriptor a buffer at a time: qpdf hands its
// writer many small pieces, and a system call for each would cost more than the rest of the save. A write
// that fails is still seen before the file is put in place, at the latest when the writer finishes.
class DescriptorPipeline : public Pipeline {
public:
    static constexpr size_t kBufferSize = 64 * 1024;

    DescriptorPipeline(int fd, long long failAfter) : Pipeline("save", nullptr), m_fd(fd), m_budget(failAfter) {
        m_buffer.reserve(kBufferSize);
    }

    void write(unsigned char const* data, size_t length) override {
        if (m_buffer.size() + length > kBufferSize) Flush();
        if (length >= kBufferSize) return WriteOut(data, length);  // a large piece needs no gathering
        m_buffer.insert(m_buffer.end(), data, data + length);
    }
    void finish() override {
        Flush();
        if (m_budget >= 0) throw std::runtime_error("simulated write failure");  // a short file fails too
    }

private:
    void Flush() {
        WriteOut(m_buffer.data(), m_buffer.size());
        m_buffer.clear();
    }
    void WriteOut(unsigned char const* data, size_t length) {
        while (length > 0) {
            size_t chunk = length;
            if (m_budget >= 0) {
                if (m_budget == 0) throw std::runtime_error("simulated write failure");
                chunk = std::min<size_t>(chunk, static_cast<size_t>(m_budget));
            }
            const ssize_t written = ::write(m_fd, data, chunk);
            if (written < 0) {
                if (errno == EINTR) continue;
                throw std::runtime_error(SystemText(errno));
            }
            data += written;
            length -= static_cast<size_t>(written);
            if (m_budget >= 0) m_budget -= written;
        }
    }

    int m_fd;
    long long m_budget;  // bytes left before a simulated failure; -1 for none
    std::vector<unsigned char> m_buffer;
};

// The new file until it has been renamed into place: closed and removed unless kept.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string pattern) : m_path(std::move(pattern)) {
        m_fd = mkstemp(m_path.data());
        if (m_fd < 0) m_path.clear();
    }
    ~TemporaryFile() {
        if (m_fd >= 0) ::close(m_fd);
        if (!m_path.empty()) ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Fd() const { return m_fd; }
    const std::string& Path() const { return m_path; }
    // Closes the file; false (with errno) when the system reports a late write error.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    void Keep() { m_path.clear(); }

private:
    std::string m_path;
    int m_fd = -1;
};

// The bytes of the file at `source` at the start of `fd`: by the kernel where it can (no copy through this
// process, and shared blocks on file systems that share them), else read and written.
void CopyInto(int fd, const std::string& source, const std::string& target) {
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) Fail("reading the file to keep", target, SystemText(errno));
    bool kernel = true;
    for (;;) {
        ssize_t copied = -1;
        if (kernel) {
            copied = ::copy_file_range(in, nullptr, fd, nullptr, 1 << 30, 0);
            if (copied < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
                kernel = false;
                continue;
            }
        } else {
            char buffer[64 * 1024];
            copied = ::read(in, buffer, sizeof buffer);
            for (ssize_t done = 0; copied > 0 && done < copied;) {
                const ssize_t written = ::write(fd, buffer + done, static_cast<size_t>(copied - done));
                if (written < 0 && errno != EINTR) {
                    copied = -1;
                    break;
                }
                done += written < 0 ? 0 : written;
            }
        }
        if (copied == 0) break;
        if (copied < 0 && errno == EINTR) continue;
        if (copied < 0) {
            const int error = errno;
            ::close(in);
            Fail("copying the file to keep", target, SystemText(error));
        }
    }
    ::close(in);
}

mode_t NewFileMode(const std::string& target) {
    struct stat status;
    if (::stat(target.c_str(), &status) == 0) return status.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

// The rename would replace a file that its owner made read-only: what the user's file system asked is kept,
// for the superuser too (who may write anything), as a file without any write permission says "keep me".
void HostFileReplacer::RefuseReadOnly() const {
    struct stat status;
    if (::stat(m_target.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return;
    if ((status.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, m_target.c_str(), W_OK, AT_EACCESS) != 0) {
        throw HostError(kHostGeneralError, "cannot save \"" + m_target + "\": the file is read-only");
    }
}

HostFileReplacer::HostFileReplacer(std::string target, HostSaveFault fault)
    : m_target(std::move(target)), m_fault(fault) {
    std::error_code error;
    if (std::filesystem::is_symlink(m_target, error)) {
        const std::filesystem::path resolved = std::filesystem::canonical(m_target, error);
        if (!error) m_target = resolved.string();
    }
}

void HostFileReplacer::Replace(const std::function<void(Pipeline& out)>& write, const std::string& keepFrom) {
    const std::filesystem::path target(m_target);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    if (target.filename().empty()) Fail("naming the file", m_target, "the path names no file");
    RefuseReadOnly();

    // Hidden and in the target's own folder, so that the rename stays within one file system.
    TemporaryFile temporary((folder / ("." + target.filename().string() + ".save-XXXXXX")).string());
    if (m_fault == HostSaveFault::Create) Fail("creating a new file", m_target, "simulated failure");
    if (temporary.Fd() < 0) Fail("creating a new file in its folder", m_target, SystemText(errno));
    if (::fchmod(temporary.Fd(), NewFileMode(m_target)) != 0) Fail("setting permissions", m_target, SystemText(errno));

    if (!keepFrom.empty()) CopyInto(temporary.Fd(), keepFrom, m_target);
    try {
        DescriptorPipeline out(temporary.Fd(), m_fault == HostSaveFault::Write ? 64 : -1);
        write(out);
    } catch (const HostError&) {
        throw;
    } catch (const std::exception& e) {
        Fail("writing", m_target, e.what());
    }
    if (::fsync(temporary.Fd()) != 0) Fail("writing to the disk", m_target, SystemText(errno));
    if (!temporary.Close()) Fail("closing the new file", m_target, SystemText(errno));
    if (m_fault == HostSaveFault::Rename) Fail("replacing the file", m_target, "simulated failure");
    if (::rename(temporary.Path().c_str(), m_target.c_str()) != 0) {
        Fail("replacing the file", m_target, SystemText(errno));
    }
    temporary.Keep();
    // The rename itself reaches the disk with the folder; a failure here no longer risks the content.
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
}
