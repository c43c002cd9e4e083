#include "host/document/HostIncrementalUpdate.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFCryptoProvider.hh>

#include <algorithm>
#include <cstdio>
#include <cstring>
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

// A key as a PDF name: itself when it needs no escape, as nearly every key.
std::string NameText(const std::string& key) {
    for (std::size_t i = 1; i < key.size(); ++i) {
        const auto c = static_cast<unsigned char>(key[i]);
        if (c <= 32 || c >= 127 || std::strchr("#()<>[]{}/%", c) != nullptr) {
            return QPDFObjectHandle::newName(key).unparse();
        }
    }
    return key;
}

void AppendText(std::string& text, QPDFObjectHandle object);

// The members of a direct array or dictionary as QPDF writes them, with a reference written as it stands:
// QPDF looks each one up to leave out a key whose value is null, which would read every object a page
// points to (its content streams, 6 MiB on 10,000 pages) only to write the same reference.
void AppendMembers(std::string& text, QPDFObjectHandle object) {
    if (object.isArray()) {
        text += "[ ";
        for (QPDFObjectHandle& item : object.getArrayAsVector()) {
            AppendText(text, item);
            text += ' ';
        }
        text += ']';
        return;
    }
    text += "<< ";
    for (auto& [key, value] : object.getDictAsMap()) {
        if (!value.isIndirect() && value.isNull()) continue;
        text += NameText(key);
        text += ' ';
        AppendText(text, value);
        text += ' ';
    }
    text += ">>";
}

void AppendText(std::string& text, QPDFObjectHandle object) {
    if (!object.isIndirect() && (object.isArray() || object.isDictionary())) return AppendMembers(text, object);
    text += object.unparse();
}

// What a direct object or the object behind a reference says.
std::string TextOf(QPDFObjectHandle object) {
    if (!object.isArray() && !object.isDictionary()) return object.unparseResolved();
    std::string text;
    AppendMembers(text, object);
    return text;
}

}  // namespace

std::string HostIncrementalUpdate::Content(QPDFObjectHandle object) {
    return TextOf(object.isStream() ? object.getDict() : object);
}

HostIncrementalUpdate::Digest HostIncrementalUpdate::DigestOf(const std::string& content) {
    const std::shared_ptr<QPDFCryptoImpl> md5 = QPDFCryptoProvider::getImpl();
    md5->MD5_init();
    md5->MD5_update(reinterpret_cast<const unsigned char*>(content.data()), content.size());
    md5->MD5_finalize();
    Digest digest;
    md5->MD5_digest(digest.data());
    return digest;
}

HostIncrementalUpdate::HostIncrementalUpdate(QPDF& document, const std::string& file, const Changes& changes)
    : m_document(document) {
    ReadEnd(file);
    // In the order of the numbers, as the objects would come from a walk over all of them: those written
    // into and the new ones, each in order already, merged.
    std::vector<QPDFObjGen> looked;
    looked.reserve(changes.before.size() + changes.created.size());
    for (const auto& [id, before] : changes.before) looked.push_back(id);
    const auto written = static_cast<std::ptrdiff_t>(looked.size());
    looked.insert(looked.end(), changes.created.begin(), changes.created.end());
    std::inplace_merge(looked.begin(), looked.begin() + written, looked.end());
    looked.erase(std::unique(looked.begin(), looked.end()), looked.end());
    for (const QPDFObjGen& id : looked) {
        QPDFObjectHandle now = m_document.getObjectByObjGen(id);
        if (now.isNull()) continue;
        auto before = changes.before.find(id);  // a new object has none
        if (before != changes.before.end() && before->second == DigestOf(Content(now))) continue;
        m_objects.push_back(id);
    }
    Decide(changes.fileSize, m_document.getTrailer());
}

HostIncrementalUpdate::HostIncrementalUpdate(QPDF& document, const std::string& file,
                                             const std::set<QPDFObjGen>& candidates)
    : m_document(document) {
    ReadEnd(file);
    // Gone before the section is written.
    HostInputFile input(file);
    QPDF stored;
    stored.setSuppressWarnings(true);
    stored.processInputSource(input.Source());
    const std::map<QPDFObjGen, QPDFXRefEntry> table = stored.getXRefTable();
    for (const QPDFObjGen& id : candidates) {
        QPDFObjectHandle now = m_document.getObjectByObjGen(id);
        if (now.isNull()) continue;
        if (table.count(id) != 0 && Content(stored.getObjectByObjGen(id)) == Content(now)) continue;
        m_objects.push_back(id);
    }
    Decide(stored.getTrailer().getKey("/Size").getIntValueAsInt(), stored.getTrailer());
}

// The trailer's Size and the file's first ID, from what the file's trailer says.
void HostIncrementalUpdate::Decide(long long fileSize, QPDFObjectHandle fileTrailer) {
    m_size = fileSize;
    if (Empty()) return;
    for (const QPDFObjGen& id : m_objects) m_size = std::max<long long>(m_size, id.getObj() + 1);
    QPDFObjectHandle id = fileTrailer.getKey("/ID");
    if (id.isArray() && id.getArrayNItems() == 2) m_firstId = id.getArrayItem(0).unparse();
    if (m_streamSection) ++m_size;  // the cross-reference stream's own number, the next free one
}

// The file's length and where its last cross-reference section starts, as its "startxref" says: from its end
// and the start of that section alone.
void HostIncrementalUpdate::ReadEnd(const std::string& file) {
    const HostInputFile input(file);
    m_fileSize = static_cast<std::size_t>(input.Identity().Size());
    const std::string end = input.Read(m_fileSize - std::min(m_fileSize, kEndLength), kEndLength);
    const std::size_t keyword = end.rfind("startxref");
    if (keyword == std::string::npos) HostFail(("\"" + file + "\" has no \"startxref\" at its end").c_str());
    m_previous = std::strtoull(end.c_str() + keyword + 9, nullptr, 10);
    m_streamSection = input.Read(std::min(m_previous, m_fileSize), 4) != "xref";
    m_endsLine = end.empty() || end.back() == '\n' || end.back() == '\r';
}

void HostIncrementalUpdate::Write(Pipeline& out) {
    if (Empty()) return;
    m_offset = m_fileSize;
    if (!m_endsLine) Emit(out, "\n");
    for (const QPDFObjGen& id : m_objects) WriteObject(out, id);
    if (m_streamSection) {
        WriteStream(out);
    } else {
        WriteTable(out);
    }
}

void HostIncrementalUpdate::Emit(Pipeline& out, const std::string& text) {
    out.write(reinterpret_cast<const unsigned char*>(text.data()), text.size());
    m_offset += text.size();
}

void HostIncrementalUpdate::WriteObject(Pipeline& out, QPDFObjGen id) {
    QPDFObjectHandle object = m_document.getObjectByObjGen(id);
    m_written.push_back({id.getObj(), id.getGen(), m_offset});
    std::string text = std::to_string(id.getObj()) + " " + std::to_string(id.getGen()) + " obj\n";
    if (object.isStream()) {
        // The data goes out as stored, filters and all; only the dictionary may have changed.
        const std::shared_ptr<Buffer> data = object.getRawStreamData();
        QPDFObjectHandle dict = object.getDict().shallowCopy();
        dict.replaceKey("/Length", QPDFObjectHandle::newInteger(static_cast<long long>(data->getSize())));
        Emit(out, text + TextOf(dict) + "\nstream\n");
        out.write(data->getBuffer(), data->getSize());
        m_offset += data->getSize();
        Emit(out, "\nendstream\nendobj\n");
    } else {
        Emit(out, text + TextOf(object) + "\nendobj\n");
    }
}

std::string HostIncrementalUpdate::TrailerKeys(long long size) {
    QPDFObjectHandle trailer = m_document.getTrailer();
    std::string keys = "/Size " + std::to_string(size) + " /Prev " + std::to_string(m_previous);
    keys += " /Root " + trailer.getKey("/Root").unparse();
    if (trailer.hasKey("/Info")) keys += " /Info " + trailer.getKey("/Info").unparse();
    if (!m_firstId.empty()) keys += " /ID [" + m_firstId + NewIdentifier() + "]";
    return keys;
}

void HostIncrementalUpdate::WriteTable(Pipeline& out) {
    std::vector<Written>& entries = m_written;  // last used here
    std::sort(entries.begin(), entries.end(), [](const Written& a, const Written& b) { return a.number < b.number; });
    const std::size_t at = m_offset;
    Emit(out, "xref\n");
    for (std::size_t first = 0; first < entries.size();) {
        std::size_t end = first + 1;
        while (end < entries.size() && entries[end].number == entries[end - 1].number + 1) ++end;
        std::string subsection = std::to_string(entries[first].number) + " " + std::to_string(end - first) + "\n";
        for (std::size_t i = first; i < end; ++i) subsection += Entry(entries[i].offset, entries[i].generation);
        Emit(out, subsection);
        first = end;
    }
    Emit(out, "trailer\n<< " + TrailerKeys(m_size) + " >>\nstartxref\n" + std::to_string(at) + "\n%%EOF\n");
}

// A cross-reference stream of its own number (the next free one), uncompressed: type 1 entries of
// offset and generation, in the order of the object numbers.
void HostIncrementalUpdate::WriteStream(Pipeline& out) {
    const auto own = static_cast<int>(m_size - 1);
    m_written.push_back({own, 0, m_offset});
    const std::size_t at = m_written.back().offset;
    const int offsetBytes = at > 0xFFFFFFFFu ? 8 : 4;  // the last written lies furthest
    std::vector<Written>& entries = m_written;         // last used here
    std::sort(entries.begin(), entries.end(), [](const Written& a, const Written& b) { return a.number < b.number; });
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
    Emit(out, std::to_string(own) + " 0 obj\n<< /Type /XRef " + TrailerKeys(m_size) + " /W [1 " +
                  std::to_string(offsetBytes) + " 2] /Index [" + index + "] /Length " + std::to_string(data.size()) +
                  " >>\nstream\n" + data + "\nendstream\nendobj\nstartxref\n" + std::to_string(at) + "\n%%EOF\n");
}
