// One open PDF document: its file read through QPDF, its pages in page order with the host's page handles
// and reference counts, and the table of the Cos objects handed out for it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include "HostTypes.h"
#include "host/document/HostCosObjects.h"
#include "host/document/HostFileIdentity.h"
#include "host/document/HostIncrementalUpdate.h"
#include "host/document/HostInputFile.h"
#include "host/document/HostSaveOptions.h"

// Permission flags (PDModel 114). Edits are allowed when kHostDocMayEdit (value 8) is set.
constexpr int32_t kHostDocMayOpen = 0x01;
constexpr int32_t kHostDocMayPrint = 0x04;
constexpr int32_t kHostDocMayEdit = 0x08;
constexpr int32_t kHostDocMayCopy = 0x10;
constexpr int32_t kHostDocMayAnnotate = 0x20;

class HostFileReplacer;

class HostDocument {
public:
    struct Handles {
        HostDoc doc;
        HostCosDoc cosDoc;
        HostFile file;
    };
    struct Page {
        QPDFObjectHandle dict;
        HostPage handle;
        int32_t references;  // acquisitions not yet released
    };

    // Reads the file at `linuxPath`; `nextHandle` issues the page handles. With `repair`, a damaged file is
    // reconstructed as far as QPDF can. Fails with HostError: no such file, not a regular file, damaged
    // beyond repair, a password needed, no page tree.
    HostDocument(const std::string& linuxPath, bool repair, Handles handles,
                 const std::function<uint32_t()>& nextHandle);
    ~HostDocument();
    HostDocument(const HostDocument&) = delete;
    HostDocument& operator=(const HostDocument&) = delete;

    // The file's path, absolute, with links followed.
    const std::string& Path() const { return m_path; }
    HostDoc Doc() const { return m_handles.doc; }
    HostCosDoc CosDoc() const { return m_handles.cosDoc; }
    HostFile File() const { return m_handles.file; }
    QPDF& Pdf() { return *m_pdf; }
    HostCosObjects& Objects() { return m_objects; }

    int32_t PageCount() const { return static_cast<int32_t>(m_pages.size()); }
    // Fail with HostError for a number out of range or a page of another document.
    Page& PageAt(int32_t number);
    int32_t NumberOf(HostPage page) const;

    int32_t PermissionFlags();
    // Whether anything was written into the document since it was opened or last saved.
    bool Modified() const { return m_modified; }
    // Every write into the document is announced before it with where it lands (see
    // HostCosObjects::OwnerOf; none when that is not known), so that the next update looks at those objects
    // alone; and marked after it. A write that was not announced makes the next update compare every object
    // that may have changed with a new reading of the file.
    void WillWrite(std::optional<QPDFObjGen> owner);
    void MarkModified();
    // `object` made an indirect object of the document.
    QPDFObjectHandle MakeIndirect(QPDFObjectHandle object);
    // What QPDF noticed while reading the file (repairs, malformed objects), and the page tree's entries
    // that were not pages.
    const std::vector<std::string>& Warnings() const { return m_warnings; }
    // Whether QPDF had to repair what it read: the document then differs from its file.
    bool Repaired() const { return m_repaired; }

    // Writes the document to `linuxPath` (see HostFileReplacer): the file it was read from, byte for byte,
    // with an update appended that holds what changed (HostIncrementalUpdate); or the whole document anew
    // when asked, or when an update cannot be made (a repaired or encrypted document, a file changed on
    // disk), with the reason in LastSaveNote(). Saving an unchanged document over its file writes nothing.
    // The document then belongs to that file. Fails with HostError, leaving the file at `linuxPath` as it was: over the
    // document's own file when that changed on disk since it was read, or was repaired (unless `options` accept that);
    // always when the writing meets objects that cannot be read, unless `options` accept the repaired reading.
    void Save(const std::string& linuxPath, const HostSaveOptions& options = {});
    // Why the last save wrote the whole document, or that it wrote nothing; "" after an appended update.
    const std::string& LastSaveNote() const { return m_lastSaveNote; }

private:
    void TakeWarnings();
    void CheckOwnFile(const HostSaveOptions& options);
    std::string WhyNotAnUpdate(const HostSaveOptions& options);
    std::set<QPDFObjGen> ChangeCandidates();
    QPDFObjGen NextNumber();
    void SaveUpdate(HostFileReplacer& replacer, bool ownFile);
    void Untrack();
    void WriteWhole(Pipeline& out, const HostSaveOptions& options);
    void CheckUnread(const HostSaveOptions& options);

    std::string m_path;
    Handles m_handles;
    std::optional<HostFileIdentity> m_identity;  // the file that the document belongs to, as last read or written
    std::unique_ptr<QPDF> m_pdf;
    HostCosObjects m_objects;
    std::vector<Page> m_pages;
    bool m_handlesInOrder = true;  // the pages' handles grow with their numbers
    std::vector<std::string> m_warnings;
    std::size_t m_warningsRead = 0;  // the warnings of the reading that the user was told of
    bool m_repaired = false;
    std::string m_lastSaveNote;
    bool m_modified = false;
    HostIncrementalUpdate::Changes m_changes;
    bool m_tracked = true;       // m_changes holds every change since the file was read or written
    bool m_announced = false;    // a write was announced and not yet marked
    bool m_renumbered = false;   // a whole write numbered the objects anew: the file's are not the document's
    long long m_nextNumber = 0;  // of the next object made; 0 until the first is
};

// An absolute path with the links of its existing part followed, as documents are told apart by it.
std::string HostCanonicalPath(const std::string& linuxPath);
