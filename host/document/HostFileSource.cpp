#include "host/document/HostFileSource.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace {

constexpr qpdf_offset_t kBlockSize = 64 * 1024;

}  // namespace

HostFileSource::HostFileSource(std::string name, int fd, const HostFileIdentity& identity)
    : m_name(std::move(name)), m_fd(fd), m_identity(identity), m_size(identity.Size()) {}

HostFileSource::~HostFileSource() { ::close(m_fd); }

void HostFileSource::Load(qpdf_offset_t offset) {
    m_block.clear();
    const std::string change = m_identity.ChangeTo(HostFileIdentity::OfDescriptor(m_fd));
    if (!change.empty()) throw std::runtime_error(m_name + ": the file " + change + " after it was opened");
    m_blockStart = offset - offset % kBlockSize;
    const auto length = static_cast<std::size_t>(std::min(kBlockSize, m_size - m_blockStart));
    std::vector<char> block(length);
    for (std::size_t done = 0; done < length;) {
        const ssize_t got = ::pread(m_fd, block.data() + done, length - done, m_blockStart + done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw std::runtime_error(m_name + ": " + std::strerror(errno));
        if (got == 0) throw std::runtime_error(m_name + ": the file ended before its size");
        done += static_cast<std::size_t>(got);
    }
    m_block = std::move(block);
}

char HostFileSource::At(qpdf_offset_t offset) {
    if (offset < m_blockStart || offset >= m_blockStart + static_cast<qpdf_offset_t>(m_block.size())) Load(offset);
    return m_block[static_cast<std::size_t>(offset - m_blockStart)];
}

size_t HostFileSource::read(char* buffer, size_t length) {
    if (m_offset >= m_size) {
        last_offset = m_size;
        return 0;
    }
    last_offset = m_offset;
    const auto total = static_cast<std::size_t>(std::min<qpdf_offset_t>(m_size - m_offset, length));
    for (std::size_t done = 0; done < total;) {
        At(m_offset);  // its block loaded
        const auto from = static_cast<std::size_t>(m_offset - m_blockStart);
        const std::size_t count = std::min(total - done, m_block.size() - from);
        std::memcpy(buffer + done, m_block.data() + from, count);
        done += count;
        m_offset += static_cast<qpdf_offset_t>(count);
    }
    return total;
}

// As qpdf's own sources: the offset of the next end of line, with the source after it and any that follow.
qpdf_offset_t HostFileSource::findAndSkipNextEOL() {
    if (m_offset >= m_size) {
        last_offset = m_size;
        m_offset = m_size;
        return m_size;
    }
    qpdf_offset_t at = m_offset;
    while (at < m_size && At(at) != '\r' && At(at) != '\n') ++at;
    if (at == m_size) {
        m_offset = m_size;
        return m_size;
    }
    m_offset = at + 1;
    while (m_offset < m_size && (At(m_offset) == '\r' || At(m_offset) == '\n')) ++m_offset;
    return at;
}

void HostFileSource::seek(qpdf_offset_t offset, int whence) {
    switch (whence) {
        case SEEK_SET:
            m_offset = offset;
            break;
        case SEEK_END:
            m_offset = m_size + offset;
            break;
        case SEEK_CUR:
            m_offset += offset;
            break;
        default:
            throw std::logic_error("HostFileSource: no such place to seek from");
    }
    if (m_offset < 0) throw std::runtime_error(m_name + ": seek before the start of the file");
}

void HostFileSource::unreadCh(char) {
    if (m_offset > 0) --m_offset;
}
