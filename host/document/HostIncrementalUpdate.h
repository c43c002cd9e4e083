// The update section that an incremental save appends to a document's file: the objects that differ from
// what the file holds (changed or new), a cross-reference section of the kind the file's last one is (a
// table, or a cross-reference stream; a file with both keeps working in both kinds of reader with a table),
// and a trailer that points back to that section and keeps the file's first ID. Every byte of the file
// stays as it was, so earlier updates, unreferenced objects and signatures are kept.
//
// What goes out is decided first and written later, straight to the save's pipeline: the section is never
// held whole in memory, which on a large document would cost more than its objects.
#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjGen.hh>

class HostIncrementalUpdate {
public:
    // What an object said when the file held it, to tell whether it changed since: the MD5 digest of its
    // Content(), so that each page written into costs 16 bytes and not its whole text.
    using Digest = std::array<unsigned char, 16>;
    // What the document kept of its changes since it was read from its file or last written to it.
    struct Changes {
        std::map<QPDFObjGen, Digest> before;  // each object of the file written into: its digest then
        std::set<QPDFObjGen> created;         // the objects made since, which the file lacks
        long long fileSize = 0;               // the Size of the file's trailer
    };

    // `document` is the document as edited, not encrypted; `file` the path of the file it was read from or
    // last saved to, unchanged since then, and numbered as the document is. Only the objects in `changes` are
    // looked at, and none of the file's is read. A HostError when the file's end cannot be read.
    HostIncrementalUpdate(QPDF& document, const std::string& file, const Changes& changes);
    // The same against a new reading of `file`, for a document whose changes were not all kept: each of
    // `candidates` (the objects that may differ; no other is looked at) is compared with the file's.
    HostIncrementalUpdate(QPDF& document, const std::string& file, const std::set<QPDFObjGen>& candidates);

    // Whether no object differs from the file: nothing is to be appended.
    bool Empty() const { return m_objects.empty(); }
    // Appends the section to `out`, which continues the file; nothing when Empty(). Call once.
    void Write(Pipeline& out);
    // The Size of the trailer appended; the file's when nothing is.
    long long Size() const { return m_size; }

    // What an object says, without its stream data, which the editor never changes: two objects that say
    // the same are stored alike.
    static std::string Content(QPDFObjectHandle object);
    static Digest DigestOf(const std::string& content);

private:
    struct Written {
        int number;
        int generation;
        std::size_t offset;
    };
    void ReadEnd(const std::string& file);
    void Decide(long long fileSize, QPDFObjectHandle fileTrailer);
    void Emit(Pipeline& out, const std::string& text);
    void WriteObject(Pipeline& out, QPDFObjGen id);
    void WriteTable(Pipeline& out);
    void WriteStream(Pipeline& out);
    std::string TrailerKeys(long long size);

    QPDF& m_document;
    std::vector<QPDFObjGen> m_objects;  // to write, in this order
    std::size_t m_fileSize = 0;
    std::size_t m_previous = 0;  // where the file's last cross-reference section starts
    bool m_streamSection = false;
    bool m_endsLine = true;  // the file ends with an end of line
    std::string m_firstId;   // the first of the file's pair of IDs, as PDF text; "" without a pair
    long long m_size = 0;
    std::size_t m_offset = 0;  // where the next byte written lands in the new file
    std::vector<Written> m_written;
};
