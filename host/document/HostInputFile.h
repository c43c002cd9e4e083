// A document's file, opened to be read: only a regular file, opened without waiting (a pipe or a device
// would block the host for ever or never end). qpdf reads it through Source(), from the descriptor opened
// here (see HostFileSource).
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include <qpdf/InputSource.hh>

#include "host/document/HostFileIdentity.h"

class HostInputFile {
public:
    // Fails with HostError saying what is wrong: no such file, no permission, a folder, not a regular file.
    explicit HostInputFile(const std::string& path);

    ~HostInputFile();
    HostInputFile(const HostInputFile&) = delete;
    HostInputFile& operator=(const HostInputFile&) = delete;

    // The file as it was opened.
    const HostFileIdentity& Identity() const { return *m_identity; }
    // qpdf's input for the file, which takes over the descriptor: once.
    std::shared_ptr<InputSource> Source();

    // Up to `count` bytes from `offset`, fewer where the file ends; before Source() only.
    std::string Read(std::size_t offset, std::size_t count) const;

private:
    std::string m_path;
    int m_fd = -1;
    std::optional<HostFileIdentity> m_identity;
};
