#include "host/document/HostIncrementalUpdate.h"

#include <qpdf/Buffer.hh>

#include <algorithm>
#include <cstdio>
#include <random>

#include "host/document/HostInputFile.h"
#include "host/entries/HostEntry.h"

namespace {

// What an object says, without its stream data, which the editor never changes.
std::string Content(QPDFObjectHandle object) {
    return object.isStream() ? object.getDict().unparseResolved() : object.unparseResolved();
}

std::string Entry(std::size_t offset, int generation) {
    char line[32];
    std::snprintf(line, sizeof line, "%010zu %05d n \n", offset, generation);
    return line;
}

// A new second ID: the file is no longer the one the old pair named.
std::string NewIdentifier() {
    std::random_device random;
    std::string hex = "<";
    for (int i = 0; i < 4; ++i) {
        char word[16];
        std::snprintf(word, sizeof word, "%08x", static_cast<unsigned>(random()));
        hex += word;
    }
    return hex + ">";
}

void AppendBigEndian(std::string& out, uint64_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

HostIncrementalUpdate::HostIncrementalUpdate(QPDF& document, const std::string& file,
                                             const std::set<QPDFObjGen>& candidates)
    : m_document(document) {
    // Read whole, once: the objects compared are then read without a system call each.
    m_bytes = HostInputFile::ReadWhole(file);
    ReadEnd(file);
    m_file.setSuppressWarnings(true);
    m_file.processMemoryFile(file.c_str(), m_bytes.data(), m_bytes.size());
    const std::map<QPDFObjGen, QPDFXRefEntry> stored = m_file.getXRefTable();
    for (const QPDFObjGen& id : candidates) {
        QPDFObjectHandle now = m_document.getObjectByObjGen(id);
        if (now.isNull()) continue;
        if (stored.count(id) != 0 && Content(m_file.getObjectByObjGen(id)) == Content(now)) continue;
        WriteObject(id, now);
    }
    if (m_written.empty()) return;
    int size = static_cast<int>(m_file.getTrailer().getKey("/Size").getIntValueAsInt());
    for (const Written& written : m_written) size = std::max(size, written.number + 1);
    if (m_streamSection) {
        WriteStream(size);
    } else {
        WriteTable(size);
    }
}

// The file's length and where its last cross-reference section starts, as its "startxref" says.
void HostIncrementalUpdate::ReadEnd(const std::string& file) {
    m_fileSize = m_bytes.size();
    const std::size_t keyword = m_bytes.rfind("startxref");
    if (keyword == std::string::npos || m_fileSize - keyword > 1024) {
        HostFail(("\"" + file + "\" has no \"startxref\" at its end").c_str());
    }
    m_previous = std::strtoull(m_bytes.c_str() + keyword + 9, nullptr, 10);
    m_streamSection = m_bytes.compare(std::min(m_previous, m_fileSize), 4, "xref") != 0;
    if (!m_bytes.empty() && m_bytes.back() != '\n' && m_bytes.back() != '\r') m_text = "\n";
}

void HostIncrementalUpdate::WriteObject(QPDFObjGen id, QPDFObjectHandle object) {
    m_written.push_back({id.getObj(), id.getGen(), m_fileSize + m_text.size()});
    m_text += std::to_string(id.getObj()) + " " + std::to_string(id.getGen()) + " obj\n";
    if (object.isStream()) {
        // The data goes out as stored, filters and all; only the dictionary may have changed.
        const std::shared_ptr<Buffer> data = object.getRawStreamData();
        QPDFObjectHandle dict = object.getDict().shallowCopy();
        dict.replaceKey("/Length", QPDFObjectHandle::newInteger(static_cast<long long>(data->getSize())));
        m_text += dict.unparseResolved() + "\nstream\n";
        m_text.append(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
        m_text += "\nendstream\nendobj\n";
    } else {
        m_text += object.unparseResolved() + "\nendobj\n";
    }
}

std::string HostIncrementalUpdate::TrailerKeys(int size) {
    QPDFObjectHandle trailer = m_document.getTrailer();
    std::string keys = "/Size " + std::to_string(size) + " /Prev " + std::to_string(m_previous);
    keys += " /Root " + trailer.getKey("/Root").unparse();
    if (trailer.hasKey("/Info")) keys += " /Info " + trailer.getKey("/Info").unparse();
    QPDFObjectHandle id = m_file.getTrailer().getKey("/ID");
    if (id.isArray() && id.getArrayNItems() == 2)
        keys += " /ID [" + id.getArrayItem(0).unparse() + NewIdentifier() + "]";
    return keys;
}

void HostIncrementalUpdate::WriteTable(int size) {
    std::vector<Written> entries = m_written;
    std::sort(entries.begin(), entries.end(), [](const Written& a, const Written& b) { return a.number < b.number; });
    const std::size_t at = m_fileSize + m_text.size();
    m_text += "xref\n";
    for (std::size_t first = 0; first < entries.size();) {
        std::size_t end = first + 1;
        while (end < entries.size() && entries[end].number == entries[end - 1].number + 1) ++end;
        m_text += std::to_string(entries[first].number) + " " + std::to_string(end - first) + "\n";
        for (std::size_t i = first; i < end; ++i) m_text += Entry(entries[i].offset, entries[i].generation);
        first = end;
    }
    m_text += "trailer\n<< " + TrailerKeys(size) + " >>\nstartxref\n" + std::to_string(at) + "\n%%EOF\n";
}

// A cross-reference stream of its own number (the next free one), uncompressed: type 1 entries of
// offset and generation, in the order of the object numbers.
void HostIncrementalUpdate::WriteStream(int size) {
    const int own = size;
    m_written.push_back({own, 0, m_fileSize + m_text.size()});
    std::vector<Written> entries = m_written;
    std::sort(entries.begin(), entries.end(), [](const Written& a, const Written& b) { return a.number < b.number; });
    const int offsetBytes = m_written.back().offset > 0xFFFFFFFFu ? 8 : 4;  // the last written lies furthest
    std::string data;
    std::string index;
    for (std::size_t first = 0; first < entries.size();) {
        std::size_t end = first + 1;
        while (end < entries.size() && entries[end].number == entries[end - 1].number + 1) ++end;
        index += std::to_string(entries[first].number) + " " + std::to_string(end - first) + " ";
        first = end;
    }
    for (const Written& entry : entries) {
        data += '\1';
        AppendBigEndian(data, entry.offset, offsetBytes);
        AppendBigEndian(data, static_cast<uint64_t>(entry.generation), 2);
    }
    const std::size_t at = m_written.back().offset;
    m_text += std::to_string(own) + " 0 obj\n<< /Type /XRef " + TrailerKeys(size + 1) + " /W [1 " +
              std::to_string(offsetBytes) + " 2] /Index [" + index + "] /Length " + std::to_string(data.size()) +
              " >>\nstream\n" + data + "\nendstream\nendobj\nstartxref\n" + std::to_string(at) + "\n%%EOF\n";
}
