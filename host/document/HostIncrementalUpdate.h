// The update section that an incremental save appends to a document's file: the objects that differ from
// what the file holds (changed or new), a cross-reference section of the kind the file's last one is (a
// table, or a cross-reference stream; a file with both keeps working in both kinds of reader with a table),
// and a trailer that points back to that section and keeps the file's first ID. Every byte of the file
// stays as it was, so earlier updates, unreferenced objects and signatures are kept.
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjGen.hh>

class HostIncrementalUpdate {
public:
    // `document` is the document as edited, not encrypted; `file` the path of the file it was read from or
    // last saved to, unchanged since then; `candidates` the objects that may differ (no other is looked at).
    // A HostError when the file's end cannot be read.
    HostIncrementalUpdate(QPDF& document, const std::string& file, const std::set<QPDFObjGen>& candidates);

    // The bytes to append; empty when no object differs from the file.
    const std::string& Text() const { return m_text; }

private:
    struct Written {
        int number;
        int generation;
        std::size_t offset;
    };
    void ReadEnd(const std::string& file);
    void WriteObject(QPDFObjGen id, QPDFObjectHandle object);
    void WriteTable(int size);
    void WriteStream(int size);
    std::string TrailerKeys(int size);

    QPDF& m_document;
    std::string m_bytes;  // the file's, before the reader of them
    QPDF m_file;
    std::size_t m_fileSize = 0;
    std::size_t m_previous = 0;  // where the file's last cross-reference section starts
    bool m_streamSection = false;
    std::string m_text;
    std::vector<Written> m_written;
};
