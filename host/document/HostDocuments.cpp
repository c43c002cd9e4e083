#include "host/document/HostDocuments.h"

#include <limits>

#include "host/document/HostDocument.h"
#include "host/entries/HostEntry.h"

namespace {

template <class Handle>
uint32_t Number(Handle handle) {
    return static_cast<uint32_t>(handle);
}

// Runs host code that fails with HostError (or anything QPDF throws) and turns a failure into false.
template <class Body>
bool Reported(std::string* why, const Body& body) {
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        if (why != nullptr) *why = e.what();
        return false;
    }
}

}  // namespace

HostDocuments::HostDocuments() = default;
HostDocuments::~HostDocuments() = default;

uint32_t HostDocuments::NextHandle() {
    if (m_nextHandle == std::numeric_limits<uint32_t>::max()) HostFail("the host has run out of handles");
    return m_nextHandle++;
}

HostDocument& HostDocuments::OpenOrFail(const std::string& linuxPath, bool repair) {
    const std::string path = HostCanonicalPath(linuxPath);
    for (auto& [number, document] : m_documents) {
        if (document->Path() == path) return *document;
    }
    HostDocument::Handles handles;
    handles.doc = static_cast<HostDoc>(NextHandle());
    handles.cosDoc = static_cast<HostCosDoc>(NextHandle());
    handles.file = static_cast<HostFile>(NextHandle());
    auto document = std::make_unique<HostDocument>(path, repair, handles, [this] { return NextHandle(); });
    const uint32_t doc = Number(handles.doc);
    m_cosDocs[Number(handles.cosDoc)] = doc;
    m_files[Number(handles.file)] = doc;
    for (int32_t i = 0; i < document->PageCount(); ++i) m_pages[Number(document->PageAt(i).handle)] = doc;
    return *(m_documents[doc] = std::move(document));
}

void HostDocuments::SaveOrFail(HostDocument& document, const std::string& linuxPath, HostSaveOptions options) {
    if (m_saveFault != HostSaveFault::None) options.fault = m_saveFault;
    m_saveFault = HostSaveFault::None;
    // Another open document still reads from that file and would from then on be saved over this one.
    const std::string target = HostCanonicalPath(linuxPath);
    for (auto& [number, other] : m_documents) {
        if (other.get() != &document && other->Path() == target) HostFail("the file is open as another document");
    }
    document.Save(linuxPath, options);
}

HostDoc HostDocuments::Open(const std::string& linuxPath, std::string* why) {
    HostDoc doc = HostDoc::None;
    Reported(why, [&] { doc = OpenOrFail(linuxPath, true).Doc(); });
    return doc;
}

bool HostDocuments::Save(HostDoc doc, std::string* why, HostSaveOptions options) {
    return Reported(why, [&] {
        HostDocument& document = Get(doc);
        SaveOrFail(document, document.Path(), options);
    });
}

bool HostDocuments::SaveAs(HostDoc doc, const std::string& linuxPath, std::string* why, HostSaveOptions options) {
    return Reported(why, [&] { SaveOrFail(Get(doc), linuxPath, options); });
}

bool HostDocuments::Close(HostDoc doc) {
    auto it = m_documents.find(Number(doc));
    if (it == m_documents.end()) return false;
    HostDocument& document = *it->second;
    m_cosDocs.erase(Number(document.CosDoc()));
    m_files.erase(Number(document.File()));
    for (int32_t i = 0; i < document.PageCount(); ++i) m_pages.erase(Number(document.PageAt(i).handle));
    m_documents.erase(it);
    return true;
}

HostDocument* HostDocuments::Find(HostDoc doc) {
    auto it = m_documents.find(Number(doc));
    return it != m_documents.end() ? it->second.get() : nullptr;
}

HostDocument& HostDocuments::Get(HostDoc doc) {
    HostDocument* document = Find(doc);
    if (document == nullptr) HostFail("the document is not open");
    return *document;
}

HostDocument& HostDocuments::GetByCosDoc(HostCosDoc doc) {
    auto it = m_cosDocs.find(Number(doc));
    if (it == m_cosDocs.end()) HostFail("the Cos document is not open");
    return *m_documents.at(it->second);
}

HostDocument& HostDocuments::GetByFile(HostFile file) {
    auto it = m_files.find(Number(file));
    if (it == m_files.end()) HostFail("the file is not open");
    return *m_documents.at(it->second);
}

HostDocument& HostDocuments::GetByPage(HostPage page) {
    auto it = m_pages.find(Number(page));
    if (it == m_pages.end()) HostFail("the page's document is not open");
    return *m_documents.at(it->second);
}

std::vector<HostDoc> HostDocuments::OpenDocuments() const {
    std::vector<HostDoc> docs;
    for (const auto& [number, document] : m_documents) docs.push_back(static_cast<HostDoc>(number));
    return docs;
}

HostPageNotice HostDocuments::NoticeOf(HostPage page, bool flag) {
    HostDocument& document = GetByPage(page);
    return {document.Doc(), page, document.NumberOf(page), flag};
}

void HostDocuments::NoteContentsChanged(HostPage page) { m_contentsChanges.push_back(NoticeOf(page, false)); }

void HostDocuments::NotePagesChanged(HostPage page, bool flag) { m_pagesChanges.push_back(NoticeOf(page, flag)); }

void HostDocuments::ClearNotices() {
    m_contentsChanges.clear();
    m_pagesChanges.clear();
}
