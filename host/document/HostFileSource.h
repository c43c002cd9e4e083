// qpdf's input for a document: its file, read from the descriptor opened for it a block at a time as qpdf
// asks, rather than held whole in memory (2.4 MiB for 10,000 pages). qpdf reads objects mostly in the
// file's order, so one block serves almost every read and the open costs a system call per block.
//
// The document must read what the file held when it was opened: a file replaced on disk (renamed over, as
// every save does) is still read from the one opened, and a file written in place since makes each read of a
// new block fail, with what changed, rather than give qpdf other bytes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <qpdf/InputSource.hh>

#include "host/document/HostFileIdentity.h"

class HostFileSource : public InputSource {
public:
    // Reads the regular file open as `fd`, which it closes; `identity` is the file's as it was opened.
    HostFileSource(std::string name, int fd, const HostFileIdentity& identity);
    ~HostFileSource() override;
    HostFileSource(const HostFileSource&) = delete;
    HostFileSource& operator=(const HostFileSource&) = delete;

    qpdf_offset_t findAndSkipNextEOL() override;
    std::string const& getName() const override { return m_name; }
    qpdf_offset_t tell() override { return m_offset; }
    void seek(qpdf_offset_t offset, int whence) override;
    void rewind() override { m_offset = 0; }
    size_t read(char* buffer, size_t length) override;
    void unreadCh(char) override;

private:
    // The byte at `offset`, which lies before the end, by way of its block.
    char At(qpdf_offset_t offset);
    void Load(qpdf_offset_t offset);

    std::string m_name;
    int m_fd;
    HostFileIdentity m_identity;
    qpdf_offset_t m_size;
    qpdf_offset_t m_offset = 0;
    std::vector<char> m_block;
    qpdf_offset_t m_blockStart = 0;
};
