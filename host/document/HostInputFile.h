// A document's file, read whole when the document opens: only a regular file, opened without waiting (a pipe
// or a device would block the host for ever or never end). The document is read from these bytes, so a file
// changed on disk later cannot change what the document reads, and reading an object costs no system call.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "host/document/HostFileIdentity.h"

class HostInputFile {
public:
    // Fails with HostError saying what is wrong: no such file, no permission, a folder, not a regular file.
    explicit HostInputFile(const std::string& path);

    const std::string& Bytes() const { return m_bytes; }
    // The file as it was read.
    const HostFileIdentity& Identity() const { return *m_identity; }

    // The whole content of the regular file at `path`, or a HostError as above.
    static std::string ReadWhole(const std::string& path);
    // Up to `count` bytes from `offset` (fewer where the file ends), with the file's size in `size`.
    static std::string ReadPart(const std::string& path, std::size_t offset, std::size_t count, std::size_t* size);

private:
    std::string m_bytes;
    std::optional<HostFileIdentity> m_identity;
};
