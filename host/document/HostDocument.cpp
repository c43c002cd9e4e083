#include "host/document/HostDocument.h"

#include <algorithm>
#include <filesystem>

#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFWriter.hh>

#include "host/document/HostFileReplacer.h"
#include "host/document/HostIncrementalUpdate.h"
#include "host/document/HostPageTree.h"
#include "host/entries/HostEntry.h"

std::string HostCanonicalPath(const std::string& linuxPath) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(linuxPath, error);
    if (error) return linuxPath;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal().string() : canonical.string();
}

HostDocument::HostDocument(const std::string& linuxPath, bool repair, Handles handles,
                           const std::function<uint32_t()>& nextHandle)
    : m_path(HostCanonicalPath(linuxPath)),
      m_handles(handles),
      m_pdf(std::make_unique<QPDF>()),
      m_objects(handles.cosDoc) {
    // Warnings are kept with the document rather than printed.
    m_pdf->setSuppressWarnings(true);
    m_pdf->setAttemptRecovery(repair);
    HostInputFile input(m_path);
    m_identity = input.Identity();
    std::vector<QPDFObjectHandle> pages;
    try {
        m_pdf->processInputSource(input.Source());
        pages = HostCollectPages(*m_pdf, m_warnings);
    } catch (const QPDFExc& e) {
        if (e.getErrorCode() == qpdf_e_password) HostFail(("\"" + m_path + "\" needs a password").c_str());
        HostFail(("cannot open \"" + m_path + "\": " + e.what()).c_str());
    } catch (const std::exception& e) {
        HostFail(("cannot open \"" + m_path + "\": " + e.what()).c_str());
    }
    m_pages.reserve(pages.size());
    for (QPDFObjectHandle& dict : pages) {
        const auto handle = static_cast<HostPage>(nextHandle());
        if (!m_pages.empty() && handle <= m_pages.back().handle) m_handlesInOrder = false;
        m_pages.push_back({dict, handle, 0});
    }
    TakeWarnings();
    m_warningsRead = m_warnings.size();
    QPDFObjectHandle size = m_pdf->getTrailer().getKey("/Size");
    m_changes.fileSize = size.isInteger() ? size.getIntValue() : 0;
}

HostDocument::~HostDocument() = default;

// QPDF warns only of what it had to repair or could not read, at the open or later as objects are read.
void HostDocument::TakeWarnings() {
    for (const QPDFExc& warning : m_pdf->getWarnings()) {
        m_warnings.push_back(warning.what());
        m_repaired = true;
    }
}

void HostDocument::WillWrite(std::optional<QPDFObjGen> owner) {
    // Two announcements in a row: the first write failed, or a write came between unannounced.
    if (m_announced || !owner) Untrack();
    m_announced = true;
    if (!m_tracked || owner->getObj() <= 0 || m_changes.created.count(*owner) != 0) return;
    if (m_changes.before.count(*owner) == 0) {
        m_changes.before.emplace(
            *owner, HostIncrementalUpdate::DigestOf(HostIncrementalUpdate::Content(m_pdf->getObjectByObjGen(*owner))));
    }
}

void HostDocument::MarkModified() {
    if (!m_announced) Untrack();
    m_announced = false;
    m_modified = true;
}

QPDFObjectHandle HostDocument::MakeIndirect(QPDFObjectHandle object) {
    const QPDFObjGen id = NextNumber();
    m_pdf->replaceObject(id, object);
    m_changes.created.insert(id);
    return m_pdf->getObjectByObjGen(id);
}

// The number of a new object, chosen here: QPDF's own choice first puts every object of the file into its
// cache, read or not (7 MiB on 10,000 pages). It is the next after every number the file uses and its Size,
// passing over those that QPDF gave objects it made on its own.
QPDFObjGen HostDocument::NextNumber() {
    if (m_nextNumber == 0) {
        const std::map<QPDFObjGen, QPDFXRefEntry> table = m_pdf->getXRefTable();
        const int used = table.empty() ? 0 : table.rbegin()->first.getObj();
        m_nextNumber = std::max<long long>(used + 1, std::max<long long>(m_changes.fileSize, 1));
    }
    while (!m_pdf->getObjectByObjGen(QPDFObjGen(static_cast<int>(m_nextNumber), 0)).isNull()) ++m_nextNumber;
    return QPDFObjGen(static_cast<int>(m_nextNumber++), 0);
}

void HostDocument::Untrack() {
    m_tracked = false;
    m_changes.before.clear();
}

HostDocument::Page& HostDocument::PageAt(int32_t number) {
    if (number < 0 || number >= PageCount()) HostFail("no page of that number");
    return m_pages[static_cast<std::size_t>(number)];
}

int32_t HostDocument::NumberOf(HostPage page) const {
    // The pages themselves are the table: their handles grow with their numbers, as they are issued in turn.
    const auto by = [](const Page& p, HostPage h) { return p.handle < h; };
    auto it = m_handlesInOrder
                  ? std::lower_bound(m_pages.begin(), m_pages.end(), page, by)
                  : std::find_if(m_pages.begin(), m_pages.end(), [&](const Page& p) { return p.handle == page; });
    return it != m_pages.end() && it->handle == page ? static_cast<int32_t>(it - m_pages.begin()) : -1;
}

int32_t HostDocument::PermissionFlags() {
    int32_t flags = kHostDocMayOpen;
    if (m_pdf->allowPrintLowRes()) flags |= kHostDocMayPrint;
    if (m_pdf->allowModifyOther()) flags |= kHostDocMayEdit;
    if (m_pdf->allowExtractAll()) flags |= kHostDocMayCopy;
    if (m_pdf->allowModifyAnnotation()) flags |= kHostDocMayAnnotate;
    return flags;
}

void HostDocument::CheckOwnFile(const HostSaveOptions& options) {
    const std::string change = m_identity->ChangeTo(HostFileIdentity::OfPath(m_path));
    if (!change.empty()) {
        HostFail(("cannot save \"" + m_path + "\": the file " + change +
                  " after it was opened; saving would lose that. Save the document under another name.")
                     .c_str());
    }
    if (m_repaired && !options.replaceRepaired) {
        HostFail(("cannot save \"" + m_path +
                  "\": the file is damaged and was repaired as it was read, so the document may lack what the "
                  "file holds. Save it under another name, or ask explicitly to replace the file.")
                     .c_str());
    }
}

// Why the document goes out whole rather than as an update to its file; "" when an update can be made.
std::string HostDocument::WhyNotAnUpdate(const HostSaveOptions& options) {
    if (options.full) return "written in full, as asked";
    if (m_repaired) return "written in full: the file was repaired as it was read";
    // A whole write numbers the objects anew, so the file no longer holds the numbers the document uses.
    if (m_renumbered) return "written in full: the file was last written whole, its objects numbered anew";
    if (m_pdf->isEncrypted()) return "written in full: an update to an encrypted file is not made";
    if (!m_identity->ChangeTo(HostFileIdentity::OfPath(m_path)).empty()) {
        return "written in full: the file it was read from changed on disk";
    }
    for (const Page& page : m_pages) {
        if (!page.dict.isIndirect()) return "written in full: a page is stored inside another object";
    }
    return "";
}

// The objects a change can be in: those handed out to plug-ins, the pages, whose boxes the host's own entries
// write, and every object made since the open.
std::set<QPDFObjGen> HostDocument::ChangeCandidates() {
    std::set<QPDFObjGen> candidates = m_objects.IndirectObjects();
    for (const Page& page : m_pages) candidates.insert(page.dict.getObjGen());
    return candidates;
}

void HostDocument::WriteWhole(Pipeline& out, const HostSaveOptions& options) {
    QPDFWriter writer(*m_pdf);
    writer.setOutputPipeline(&out);
    // Streams go out exactly as they came in: the editor changes page dictionaries, nothing else.
    writer.setCompressStreams(false);
    writer.setDecodeLevel(qpdf_dl_none);
    writer.write();
    CheckUnread(options);
}

// QPDF writes an object that it cannot read as null, with a warning: content would be lost. So it would
// with any object found unreadable since the open.
void HostDocument::CheckUnread(const HostSaveOptions& options) {
    TakeWarnings();
    const std::size_t unread = m_warnings.size() - m_warningsRead;
    if (unread == 0 || options.replaceRepaired) return;
    HostFail(("cannot save \"" + m_path + "\": objects of the document could not be read and would be lost (" +
              std::to_string(unread) + " problems, the first: " + m_warnings[m_warningsRead] + ")")
                 .c_str());
}

namespace {

const char* const kUnchanged = "nothing changed: the file is left as it is";

}  // namespace

// What the file holds stays in it: an object found unreadable is not lost by an update. The document then
// equals its file again, object by object, and its changes are kept anew from there.
void HostDocument::SaveUpdate(HostFileReplacer& replacer, bool ownFile) {
    const std::unique_ptr<HostIncrementalUpdate> update =
        m_tracked && !m_objects.Shared() ? std::make_unique<HostIncrementalUpdate>(*m_pdf, m_path, m_changes)
                                         : std::make_unique<HostIncrementalUpdate>(*m_pdf, m_path, ChangeCandidates());
    if (update->Empty() && ownFile) {
        m_lastSaveNote = kUnchanged;
        m_modified = false;
    } else {
        replacer.Replace(
            [&update](Pipeline& out) {
                update->Write(out);
                out.finish();
            },
            m_path);
    }
    m_changes.fileSize = update->Size();
    m_changes.before.clear();
    m_changes.created.clear();
    m_tracked = !m_renumbered;
}

void HostDocument::Save(const std::string& linuxPath, const HostSaveOptions& options) {
    HostFileReplacer replacer(HostCanonicalPath(linuxPath), options.fault);
    const bool ownFile = replacer.Target() == m_path;
    if (ownFile) CheckOwnFile(options);
    m_lastSaveNote = ownFile && !m_modified && !options.full ? kUnchanged : WhyNotAnUpdate(options);
    if (m_lastSaveNote == kUnchanged) return;
    if (!m_lastSaveNote.empty()) {
        replacer.Replace([this, &options](Pipeline& out) { WriteWhole(out, options); });
        m_renumbered = true;
        Untrack();
    } else {
        SaveUpdate(replacer, ownFile);
        if (m_lastSaveNote == kUnchanged) return;
    }
    m_path = replacer.Target();
    m_identity = HostFileIdentity::OfPath(m_path);
    m_warningsRead = m_warnings.size();
    m_repaired = false;
    m_modified = false;
}
