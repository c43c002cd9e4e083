#include "host/document/HostPageTree.h"

#include <set>

#include "host/entries/HostEntry.h"

namespace {

bool IsPagesNode(QPDFObjectHandle node) {
    QPDFObjectHandle type = node.getKey("/Type");
    if (type.isNameAndEquals("/Pages")) return true;
    if (type.isNameAndEquals("/Page")) return false;
    return node.getKey("/Kids").isArray();  // an untyped node is what its content says
}

// A leaf of the tree is a page unless it says it is something else (a font, the catalog): writing page boxes
// into such an object would damage it. A leaf without a type is taken for the page it stands in for.
bool IsPage(QPDFObjectHandle node) {
    QPDFObjectHandle type = node.getKey("/Type");
    return !type.isName() || type.isNameAndEquals("/Page");
}

std::string NameOf(QPDFObjectHandle node) {
    const std::string type = node.getKey("/Type").isName() ? node.getKey("/Type").getName() + " " : "";
    return type + (node.isIndirect() ? "object " + node.getObjGen().unparse(' ') : "direct dictionary");
}

}  // namespace

std::vector<QPDFObjectHandle> HostCollectPages(QPDF& pdf, std::vector<std::string>& notes) {
    // From the trailer itself: QPDF's own page and catalog helpers may repair what they find. Every object
    // is tested before it is used as a dictionary: QPDF answers a mistaken type with a warning or a throw.
    QPDFObjectHandle root = pdf.getTrailer().getKey("/Root");
    if (!root.isDictionary()) HostFail("the document has no catalog");
    QPDFObjectHandle top = root.getKey("/Pages");
    if (!top.isDictionary()) HostFail("the document has no page tree");

    std::vector<QPDFObjectHandle> pages;
    std::set<QPDFObjGen> seen;
    if (top.isIndirect()) seen.insert(top.getObjGen());
    if (!IsPagesNode(top)) {
        if (!IsPage(top)) HostFail(("the document's page tree is " + NameOf(top) + ", not pages").c_str());
        pages.push_back(top);  // a single page in place of the tree
        return pages;
    }
    struct Level {
        QPDFObjectHandle kids;
        int count;
        int next;
    };
    // An explicit stack: a deep tree must not exhaust the host's own.
    std::vector<Level> stack;
    const auto enter = [&stack](QPDFObjectHandle node) {
        QPDFObjectHandle kids = node.getKey("/Kids");
        stack.push_back({kids, kids.isArray() ? kids.getArrayNItems() : 0, 0});
    };
    enter(top);
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.next >= level.count) {
            stack.pop_back();
            continue;
        }
        QPDFObjectHandle kid = level.kids.getArrayItem(level.next++);
        if (!kid.isDictionary()) continue;
        if (kid.isIndirect() && !seen.insert(kid.getObjGen()).second) continue;
        if (IsPagesNode(kid)) {
            enter(kid);  // invalidates `level`
        } else if (IsPage(kid)) {
            pages.push_back(kid);
        } else {
            notes.push_back("the page tree lists " + NameOf(kid) + ", which is not a page: skipped");
        }
    }
    return pages;
}
