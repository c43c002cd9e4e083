#include "host/document/HostIncrementalUpdate.h"

#include <qpdf/Buffer.hh>

#include <algorithm>
#include <cstdio>
#include <random>

#include "host/document/HostInputFile.h"
#include "host/entries/HostEntry.h"

namespace {

constexpr std::size_t kEndLength = 1024;  // "startxref" lies this near the file's end

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

std::string HostIncrementalUpdate::Content(QPDFObjectHandle object) {
    return object.isStream() ? object.getDict().unparseResolved() : object.unparseResolved();
}

HostIncrementalUpdate::HostIncrementalUpdate(QPDF& document, const std::string& file, const Changes& changes)
    : m_document(document), m_size(changes.fileSize) {
    ReadEnd(file, nullptr);
    // In the order of the numbers, as the objects would come from a walk over all of them.
    std::set<QPDFObjGen> looked(changes.created);
    for (const auto& [id, before] : changes.before) looked.insert(id);
    for (const QPDFObjGen& id : looked) {
        QPDFObjectHandle now = m_document.getObjectByObjGen(id);
        if (now.isNull()) continue;
        auto before = changes.before.find(id);  // a new object has none
        if (before != changes.before.end() && before->second == Content(now)) continue;
        WriteObject(id, now);
    }
    Finish(m_document.getTrailer());
}

HostIncrementalUpdate::HostIncrementalUpdate(QPDF& document, const std::string& file,
                                             const std::set<QPDFObjGen>& candidates)
    : m_document(document) {
    // Read whole, once: the objects compared are then read without a system call each.
    m_bytes = HostInputFile::ReadWhole(file);
    ReadEnd(file, &m_bytes);
    m_file = std::make_unique<QPDF>();
    m_file->setSuppressWarnings(true);
    m_file->processMemoryFile(file.c_str(), m_bytes.data(), m_bytes.size());
    const std::map<QPDFObjGen, QPDFXRefEntry> stored = m_file->getXRefTable();
    for (const QPDFObjGen& id : candidates) {
        QPDFObjectHandle now = m_document.getObjectByObjGen(id);
        if (now.isNull()) continue;
        if (stored.count(id) != 0 && Content(m_file->getObjectByObjGen(id)) == Content(now)) continue;
        WriteObject(id, now);
    }
    m_size = m_file->getTrailer().getKey("/Size").getIntValueAsInt();
    Finish(m_file->getTrailer());
}

void HostIncrementalUpdate::Finish(QPDFObjectHandle fileTrailer) {
    if (m_written.empty()) return;
    for (const Written& written : m_written) m_size = std::max<long long>(m_size, written.number + 1);
    if (m_streamSection) {
        WriteStream(fileTrailer);
    } else {
        WriteTable(fileTrailer);
    }
}

// The file's length and where its last cross-reference section starts, as its "startxref" says; from `bytes`
// when the file was read whole, else from its end and the start of that section alone.
void HostIncrementalUpdate::ReadEnd(const std::string& file, const std::string* bytes) {
    std::string end;
    if (bytes != nullptr) {
        m_fileSize = bytes->size();
        end = bytes->substr(m_fileSize - std::min(m_fileSize, kEndLength));
    } else {
        HostInputFile::ReadPart(file, 0, 0, &m_fileSize);  // its size first
        end = HostInputFile::ReadPart(file, m_fileSize - std::min(m_fileSize, kEndLength), kEndLength, &m_fileSize);
    }
    const std::size_t keyword = end.rfind("startxref");
    if (keyword == std::string::npos) HostFail(("\"" + file + "\" has no \"startxref\" at its end").c_str());
    m_previous = std::strtoull(end.c_str() + keyword + 9, nullptr, 10);
    const std::size_t at = std::min(m_previous, m_fileSize);
    const std::string section =
        bytes != nullptr ? bytes->substr(at, 4) : HostInputFile::ReadPart(file, at, 4, &m_fileSize);
    m_streamSection = section != "xref";
    if (!end.empty() && end.back() != '\n' && end.back() != '\r') m_text = "\n";
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

std::string HostIncrementalUpdate::TrailerKeys(QPDFObjectHandle fileTrailer, long long size) {
    QPDFObjectHandle trailer = m_document.getTrailer();
    std::string keys = "/Size " + std::to_string(size) + " /Prev " + std::to_string(m_previous);
    keys += " /Root " + trailer.getKey("/Root").unparse();
    if (trailer.hasKey("/Info")) keys += " /Info " + trailer.getKey("/Info").unparse();
    QPDFObjectHandle id = fileTrailer.getKey("/ID");
    if (id.isArray() && id.getArrayNItems() == 2)
        keys += " /ID [" + id.getArrayItem(0).unparse() + NewIdentifier() + "]";
    return keys;
}

void HostIncrementalUpdate::WriteTable(QPDFObjectHandle fileTrailer) {
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
    m_text += "trailer\n<< " + TrailerKeys(fileTrailer, m_size) + " >>\nstartxref\n" + std::to_string(at) + "\n%%EOF\n";
}

// A cross-reference stream of its own number (the next free one), uncompressed: type 1 entries of
// offset and generation, in the order of the object numbers.
void HostIncrementalUpdate::WriteStream(QPDFObjectHandle fileTrailer) {
    const auto own = static_cast<int>(m_size);
    m_size = own + 1;  // the stream's own number counts too
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
    m_text += std::to_string(own) + " 0 obj\n<< /Type /XRef " + TrailerKeys(fileTrailer, m_size) + " /W [1 " +
              std::to_string(offsetBytes) + " 2] /Index [" + index + "] /Length " + std::to_string(data.size()) +
              " >>\nstream\n" + data + "\nendstream\nendobj\nstartxref\n" + std::to_string(at) + "\n%%EOF\n";
}
