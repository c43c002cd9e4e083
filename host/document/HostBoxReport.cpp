#include "host/document/HostBoxReport.h"

#include <iomanip>
#include <optional>
#include <set>
#include <sstream>
#include <string>

#include "host/document/HostDocument.h"

namespace {

struct Box {
    std::optional<QPDFObjectHandle::Rectangle> rect;
    std::string source;  // "" own, "inherited", "default: ...", "malformed, default: ..."
};

std::optional<QPDFObjectHandle::Rectangle> RectangleOf(QPDFObjectHandle value) {
    if (!value.isArray() || value.getArrayNItems() != 4) return std::nullopt;
    double numbers[4];
    for (int i = 0; i < 4; ++i) {
        if (!value.getArrayItem(i).getValueAsNumber(numbers[i])) return std::nullopt;
    }
    return QPDFObjectHandle::Rectangle(numbers[0], numbers[1], numbers[2], numbers[3]);
}

// The key on the page or, for the inheritable boxes, on the nearest ancestor that has it. A loop in a
// damaged page tree ends the search.
std::optional<QPDFObjectHandle> Lookup(QPDFObjectHandle page, const std::string& key, bool inheritable,
                                       bool& inherited) {
    std::set<QPDFObjGen> visited;
    inherited = false;
    for (QPDFObjectHandle node = page; node.isDictionary(); node = node.getKey("/Parent")) {
        if (node.isIndirect() && !visited.insert(node.getObjGen()).second) break;
        if (node.hasKey(key)) return node.getKey(key);
        if (!inheritable) break;
        inherited = true;
    }
    return std::nullopt;
}

Box Resolve(QPDFObjectHandle page, const std::string& key, bool inheritable, const Box* fallback,
            const char* fallbackName) {
    bool inherited = false;
    const std::optional<QPDFObjectHandle> value = Lookup(page, "/" + key, inheritable, inherited);
    const std::string defaultText = fallback != nullptr ? std::string("default: ") + fallbackName : "none";
    if (!value) return Box{fallback != nullptr ? fallback->rect : std::nullopt, defaultText};
    if (auto rect = RectangleOf(*value)) return Box{rect, inherited ? "inherited" : ""};
    return Box{fallback != nullptr ? fallback->rect : std::nullopt, "malformed, " + defaultText};
}

std::string Number(double value) {
    std::ostringstream text;
    text << std::setprecision(10) << value;
    return text.str();
}

void PrintBox(std::ostream& out, const char* name, const Box& box) {
    out << "  " << std::left << std::setw(10) << name << " ";
    if (box.rect) {
        out << Number(box.rect->llx) << " " << Number(box.rect->lly) << " " << Number(box.rect->urx) << " "
            << Number(box.rect->ury);
        if (!box.source.empty()) out << " ";
    }
    if (!box.source.empty()) out << "(" << box.source << ")";
    out << "\n";
}

}  // namespace

void HostBoxReport::Print(HostDocument& document, std::ostream& out) {
    for (int32_t number = 0; number < document.PageCount(); ++number) {
        QPDFObjectHandle page = document.PageAt(number).dict;
        bool inherited = false;
        std::optional<QPDFObjectHandle> rotate = Lookup(page, "/Rotate", true, inherited);
        out << "page " << number + 1 << " (rotated " << (rotate && rotate->isInteger() ? rotate->getIntValue() : 0)
            << ")\n";
        const Box media = Resolve(page, "MediaBox", true, nullptr, "");
        const Box crop = Resolve(page, "CropBox", true, &media, "MediaBox");
        PrintBox(out, "MediaBox", media);
        PrintBox(out, "CropBox", crop);
        for (const char* name : {"BleedBox", "TrimBox", "ArtBox"}) {
            PrintBox(out, name, Resolve(page, name, false, &crop, "CropBox"));
        }
    }
}
