// The host's open documents, by handle: documents (HostDoc), their Cos documents (HostCosDoc), files
// (HostFile) and pages (HostPage). Handles are numbers issued once, never reused and never addresses, so a
// handle of a closed document is refused rather than followed. The host also keeps here what the plug-ins
// told it about pages: every notice that a page's contents changed, and every "pages did change".
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "HostTypes.h"
#include "host/document/HostSaveOptions.h"

class HostDocument;

struct HostPageNotice {
    HostDoc doc;
    HostPage page;
    int32_t pageNumber;  // counted from 0
    bool flag;           // the second argument of "pages did change"; false for a contents notice
};

class HostDocuments {
public:
    HostDocuments();
    ~HostDocuments();
    HostDocuments(const HostDocuments&) = delete;
    HostDocuments& operator=(const HostDocuments&) = delete;

    // For the host program and tests: failures come back as the result, the reason in `why`.
    // A file that is already open gives its open document again.
    HostDoc Open(const std::string& linuxPath, std::string* why = nullptr);
    // Saves to the document's own file, or to `linuxPath`, which the document then belongs to.
    bool Save(HostDoc doc, std::string* why = nullptr, HostSaveOptions options = {});
    bool SaveAs(HostDoc doc, const std::string& linuxPath, std::string* why = nullptr, HostSaveOptions options = {});
    // Forgets the document and every handle and Cos object of it, without saving. False when not open.
    bool Close(HostDoc doc);

    // For the host's entries: failures throw HostError.
    HostDocument& OpenOrFail(const std::string& linuxPath, bool repair);
    void SaveOrFail(HostDocument& document, const std::string& linuxPath, HostSaveOptions options = {});
    HostDocument& Get(HostDoc doc);
    HostDocument& GetByCosDoc(HostCosDoc doc);
    HostDocument& GetByFile(HostFile file);
    HostDocument& GetByPage(HostPage page);

    // Null when not open.
    HostDocument* Find(HostDoc doc);
    std::vector<HostDoc> OpenDocuments() const;

    void NoteContentsChanged(HostPage page);
    void NotePagesChanged(HostPage page, bool flag);
    const std::vector<HostPageNotice>& ContentsChanges() const { return m_contentsChanges; }
    const std::vector<HostPageNotice>& PagesChanges() const { return m_pagesChanges; }
    void ClearNotices();

    // Makes the next save fail at the given step, for tests of the failure path.
    void SimulateSaveFault(HostSaveFault fault) { m_saveFault = fault; }

private:
    uint32_t NextHandle();
    HostPageNotice NoticeOf(HostPage page, bool flag);

    std::map<uint32_t, std::unique_ptr<HostDocument>> m_documents;  // by HostDoc
    std::map<uint32_t, uint32_t> m_cosDocs;                         // HostCosDoc -> HostDoc
    std::map<uint32_t, uint32_t> m_files;                           // HostFile -> HostDoc
    std::map<uint32_t, uint32_t> m_pages;                           // HostPage -> HostDoc
    std::vector<HostPageNotice> m_contentsChanges;
    std::vector<HostPageNotice> m_pagesChanges;
    HostSaveFault m_saveFault = HostSaveFault::None;
    uint32_t m_nextHandle = 1;
};
