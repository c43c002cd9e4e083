// The update section that an incremental save appends to a document's file: the objects that differ from
// what the file holds (changed or new), a cross-reference section of the kind the file's last one is (a
// table, or a cross-reference stream; a file with both keeps working in both kinds of reader with a table),
// and a trailer that points back to that section and keeps the file's first ID. Every byte of the file
// stays as it was, so earlier updates, unreferenced objects and signatures are kept.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjGen.hh>

class HostIncrementalUpdate {
public:
    // What the document kept of its changes since it was read from its file or last written to it.
    struct Changes {
        std::map<QPDFObjGen, std::string> before;  // each object of the file written into: its Content() then
        std::set<QPDFObjGen> created;              // the objects made since, which the file lacks
        long long fileSize = 0;                    // the Size of the file's trailer
    };

    // `document` is the document as edited, not encrypted; `file` the path of the file it was read from or
    // last saved to, unchanged since then, and numbered as the document is. Only the objects in `changes` are
    // looked at, and none of the file's is read. A HostError when the file's end cannot be read.
    HostIncrementalUpdate(QPDF& document, const std::string& file, const Changes& changes);
    // The same against a new reading of `file`, for a document whose changes were not all kept: each of
    // `candidates` (the objects that may differ; no other is looked at) is compared with the file's.
    HostIncrementalUpdate(QPDF& document, const std::string& file, const std::set<QPDFObjGen>& candidates);

    // The bytes to append; empty when no object differs from the file.
    const std::string& Text() const { return m_text; }
    // The Size of the trailer appended; the file's when nothing is.
    long long Size() const { return m_size; }

    // What an object says, without its stream data, which the editor never changes: two objects that say
    // the same are stored alike.
    static std::string Content(QPDFObjectHandle object);

private:
    struct Written {
        int number;
        int generation;
        std::size_t offset;
    };
    void ReadEnd(const std::string& file, const std::string* bytes);
    void Finish(QPDFObjectHandle fileTrailer);
    void WriteObject(QPDFObjGen id, QPDFObjectHandle object);
    void WriteTable(QPDFObjectHandle fileTrailer);
    void WriteStream(QPDFObjectHandle fileTrailer);
    std::string TrailerKeys(QPDFObjectHandle fileTrailer, long long size);

    QPDF& m_document;
    std::string m_bytes;           // the file's, when it is read again, before the reader of them
    std::unique_ptr<QPDF> m_file;  // that reading
    std::size_t m_fileSize = 0;
    std::size_t m_previous = 0;  // where the file's last cross-reference section starts
    bool m_streamSection = false;
    long long m_size = 0;
    std::string m_text;
    std::vector<Written> m_written;
};
