#include "host/render/HostPageCopy.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <set>

#include "host/document/HostDocument.h"

namespace {

// Indirect objects come over with all they refer to; direct containers are rebuilt around their copies.
QPDFObjectHandle Copy(QPDF& into, QPDFObjectHandle object) {
    if (object.isIndirect()) return into.copyForeignObject(object);
    if (object.isDictionary()) {
        QPDFObjectHandle copy = QPDFObjectHandle::newDictionary();
        for (const auto& [key, value] : object.getDictAsMap()) copy.replaceKey(key, Copy(into, value));
        return copy;
    }
    if (object.isArray()) {
        QPDFObjectHandle copy = QPDFObjectHandle::newArray();
        for (const QPDFObjectHandle& item : object.aitems()) copy.appendItem(Copy(into, item));
        return copy;
    }
    return object.shallowCopy();
}

// The page's own value of `key`, or the nearest one up its Parent chain; a loop in a damaged tree ends the walk.
QPDFObjectHandle Inherited(QPDFObjectHandle page, const std::string& key) {
    std::set<QPDFObjGen> visited;
    while (page.isDictionary() && (!page.isIndirect() || visited.insert(page.getObjGen()).second)) {
        if (page.hasKey(key)) return page.getKey(key);
        page = page.getKey("/Parent");
    }
    return QPDFObjectHandle::newNull();
}

double Points(Fixed value) { return value / 65536.0; }

}  // namespace

std::string HostPageCopy::Make(HostDocument& document, int32_t pageNumber, const FixedRect& shown, int rotation) {
    QPDFObjectHandle source = document.PageAt(pageNumber).dict;
    QPDF copy;
    copy.emptyPDF();
    QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
    page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
    page.replaceKey("/MediaBox",
                    QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(Points(shown.left), Points(shown.bottom),
                                                                           Points(shown.right), Points(shown.top))));
    page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(rotation));
    for (const char* key : {"/Contents", "/Group"}) {
        if (source.hasKey(key)) page.replaceKey(key, Copy(copy, source.getKey(key)));
    }
    QPDFObjectHandle resources = Inherited(source, "/Resources");
    if (resources.isDictionary()) page.replaceKey("/Resources", Copy(copy, resources));
    copy.addPage(copy.makeIndirectObject(page), false);

    QPDFWriter writer(copy);
    writer.setOutputMemory();
    writer.write();
    const std::shared_ptr<Buffer> bytes = writer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(bytes->getBuffer()), bytes->getSize());
}
