#include "host/document/HostDocument.h"
#include "host/document/HostPageBoxes.h"
#include "host/entries/HostDocumentEntry.h"
#include "host/entries/HostTables.h"

HostTableSlots HostPDModelTable::Build() {
    HostTableSlots table;
#define HOST_ENTRY(number, Result, Name, Params, Args) \
    HOST_FILL_SLOT(HostPDModelTable, number, Result, Name, Params, Args)
#include "entries/PDModelEntries.def"
#undef HOST_ENTRY
    return table;
}

namespace {

struct PageOfDoc {
    HostDocument& document;
    HostDocument::Page& page;
};

PageOfDoc Resolve(HostPage page) {
    HostDocument& document = Documents().GetByPage(page);
    return {document, document.PageAt(document.NumberOf(page))};
}

}  // namespace

HostDoc HostPDModelTable::Model_OpenDoc(HostPath path, HostFileSys fileSys, HostProc, HostBool repair) {
    // No password is ever asked for: a document that needs one fails to open.
    return HostDocumentEntry([&] {
        if (fileSys != HostFileSys::None && fileSys != HostPaths::kDefaultFileSys) HostFail("unknown file system");
        const std::string linuxPath = Host::Current().Paths().LinuxPathOf(path);
        if (linuxPath.empty()) HostFail("unknown path");
        return Documents().OpenOrFail(linuxPath, repair != 0).Doc();
    });
}

HostCosDoc HostPDModelTable::Model_CosDocOfDoc(HostDoc doc) {
    return HostDocumentEntry([&] { return Documents().Get(doc).CosDoc(); });
}

HostFile HostPDModelTable::Model_FileOfDoc(HostDoc doc) {
    return HostDocumentEntry([&] { return Documents().Get(doc).File(); });
}

int32_t HostPDModelTable::Model_PageCount(HostDoc doc) {
    return HostDocumentEntry([&] { return Documents().Get(doc).PageCount(); });
}

HostPage HostPDModelTable::Model_AcquirePage(HostDoc doc, int32_t number) {
    return HostDocumentEntry([&] {
        HostDocument::Page& page = Documents().Get(doc).PageAt(number);
        ++page.references;
        return page.handle;
    });
}

int32_t HostPDModelTable::Model_DocFlags(HostDoc doc) {
    return HostDocumentEntry([&] { return Documents().Get(doc).PermissionFlags(); });
}

void HostPDModelTable::Model_NotePageContentsChanged(HostPage page) {
    HostDocumentEntry([&] { Documents().NoteContentsChanged(page); });
}

int32_t HostPDModelTable::Model_PageNumber(HostPage page) {
    return HostDocumentEntry([&] { return Resolve(page).document.NumberOf(page); });
}

void HostPDModelTable::Model_ReleasePage(HostPage page) {
    HostDocumentEntry([&] {
        HostDocument::Page& acquired = Resolve(page).page;
        if (acquired.references <= 0) HostFail("the page was released more often than acquired");
        --acquired.references;
    });
}

HostDoc HostPDModelTable::Model_DocOfPage(HostPage page) {
    return HostDocumentEntry([&] { return Resolve(page).document.Doc(); });
}

CosObj HostPDModelTable::Model_PageDict(HostPage page) {
    return HostDocumentEntry([&] {
        const PageOfDoc resolved = Resolve(page);
        return resolved.document.Objects().IssueAt("page " + std::to_string(static_cast<uint32_t>(page)),
                                                   resolved.page.dict);
    });
}

int16_t HostPDModelTable::Model_PageRotation(HostPage page) {
    return HostDocumentEntry([&] { return HostPageBoxes(Resolve(page).page.dict).Rotation(); });
}

void HostPDModelTable::Model_GetMediaBox(HostPage page, FixedRect* box) {
    HostDocumentEntry([&] {
        if (box == nullptr) HostFail("no rectangle for the media box");
        *box = HostPageBoxes(Resolve(page).page.dict).Media().rect;
    });
}

namespace {

void SetPageBox(HostPage page, const char* key, const FixedRect& box) {
    const PageOfDoc resolved = Resolve(page);
    Host::Current().NoteBoxWrite();
    QPDFObjectHandle array = HostBoxArray(box);
    QPDFObjectHandle dict = resolved.page.dict;
    resolved.document.WillWrite(dict.isIndirect() ? std::optional(dict.getObjGen()) : std::nullopt);
    // The page's own entry; an inherited value up the tree stays as it is.
    dict.replaceKey(key, array);
    resolved.document.MarkModified();
}

}  // namespace

void HostPDModelTable::Model_SetMediaBox(HostPage page, FixedRect box) {
    HostDocumentEntry([&] { SetPageBox(page, "/MediaBox", box); });
}

void HostPDModelTable::Model_SetCropBox(HostPage page, FixedRect box) {
    HostDocumentEntry([&] { SetPageBox(page, "/CropBox", box); });
}

void HostPDModelTable::Model_DidChangePages(HostPage page, HostBool flag) {
    HostDocumentEntry([&] { Documents().NotePagesChanged(page, flag != 0); });
}
