#include "host/document/HostPageTree.h"

#include <set>

#include "host/document/HostCosNumbers.h"
#include "host/entries/HostEntry.h"

namespace {

bool IsPagesNode(QPDFObjectHandle node) {
    QPDFObjectHandle type = node.getKey("/Type");
    if (type.isNameAndEquals("/Pages")) return true;
    if (type.isNameAndEquals("/Page")) return false;
    return node.getKey("/Kids").isArray();  // an untyped node is what its content says
}

}  // namespace

std::vector<QPDFObjectHandle> HostCollectPages(QPDF& pdf) {
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
        } else {
            pages.push_back(kid);
        }
    }
    return pages;
}

QPDFObjectHandle HostFindInherited(QPDFObjectHandle node, const std::string& key,
                                   const std::function<bool(QPDFObjectHandle&)>& accept) {
    std::set<QPDFObjGen> visited;
    while (node.isDictionary()) {
        if (node.isIndirect() && !visited.insert(node.getObjGen()).second) break;
        QPDFObjectHandle value = node.getKey(key);
        if (!value.isNull() && accept(value)) return value;
        node = node.getKey("/Parent");
    }
    return QPDFObjectHandle::newNull();
}

std::optional<FixedRect> HostBoxOf(QPDFObjectHandle value) {
    if (!value.isArray() || value.getArrayNItems() != 4) return std::nullopt;
    Fixed numbers[4];
    for (int i = 0; i < 4; ++i) {
        QPDFObjectHandle element = value.getArrayItem(i);
        if (!element.isInteger() && !element.isReal()) return std::nullopt;
        numbers[i] = HostFixedOf(element);
    }
    return FixedRect{numbers[0], numbers[3], numbers[2], numbers[1]};
}

QPDFObjectHandle HostBoxArray(const FixedRect& box) {
    return QPDFObjectHandle::newArray(
        {HostNewReal(box.left), HostNewReal(box.bottom), HostNewReal(box.right), HostNewReal(box.top)});
}

FixedRect HostEffectiveMediaBox(QPDFObjectHandle page) {
    std::optional<FixedRect> box;
    HostFindInherited(page, "/MediaBox", [&box](QPDFObjectHandle& value) {
        box = HostBoxOf(value);
        return box.has_value();
    });
    return box.value_or(kHostDefaultMediaBox);
}

int16_t HostEffectiveRotation(QPDFObjectHandle page) {
    QPDFObjectHandle rotate = HostFindInherited(
        page, "/Rotate", [](QPDFObjectHandle& value) { return value.isInteger() && value.getIntValue() % 90 == 0; });
    if (rotate.isNull()) return 0;
    const long long degrees = rotate.getIntValue() % 360;
    return static_cast<int16_t>(degrees < 0 ? degrees + 360 : degrees);
}
