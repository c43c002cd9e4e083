// A document's file, open for reading while the document lives: qpdf reads objects from it as they are
// needed, so the file must stay the one that was opened. Only a regular file is opened, and without
// waiting: a pipe or a device would block the host for ever or never end.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "host/document/HostFileIdentity.h"

class HostInputFile {
public:
    // Fails with HostError saying what is wrong: no such file, no permission, a folder, not a regular file.
    explicit HostInputFile(const std::string& path);
    ~HostInputFile();
    HostInputFile(const HostInputFile&) = delete;
    HostInputFile& operator=(const HostInputFile&) = delete;

    FILE* Stream() const { return m_stream; }
    // The file as it was opened.
    const HostFileIdentity& Identity() const { return *m_identity; }

private:
    FILE* m_stream = nullptr;
    std::optional<HostFileIdentity> m_identity;
};
