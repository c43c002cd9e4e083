#include "host/document/HostPageBoxes.h"

#include <algorithm>
#include <set>

#include "host/document/HostCosNumbers.h"

namespace {

constexpr std::size_t kMedia = 0;
constexpr std::size_t kCrop = 1;

// Each dictionary from the page up its Parent chain, while `visit` asks for more; a chain that comes back
// to a node ends there, so a loop in a damaged file cannot hang the host.
template <class Visit>
void WalkUp(QPDFObjectHandle node, bool inherited, const Visit& visit) {
    std::set<QPDFObjGen> visited;
    for (bool own = true; node.isDictionary(); node = node.getKey("/Parent"), own = false) {
        if (!own && !inherited) return;
        if (node.isIndirect() && !visited.insert(node.getObjGen()).second) return;
        if (!visit(node, own)) return;
    }
}

bool IsNumber(QPDFObjectHandle value) { return value.isInteger() || value.isReal(); }

bool IsBox(QPDFObjectHandle value) {
    if (!value.isArray() || value.getArrayNItems() != 4) return false;
    for (int i = 0; i < 4; ++i) {
        if (!IsNumber(value.getArrayItem(i))) return false;
    }
    return true;
}

// A whole multiple of 90 degrees, or none.
std::optional<long long> QuarterTurns(QPDFObjectHandle value) {
    double degrees = 0;
    if (value.isInteger()) {
        degrees = static_cast<double>(value.getIntValue());
    } else if (!value.isReal() || !value.getValueAsNumber(degrees) || degrees != static_cast<long long>(degrees)) {
        return std::nullopt;
    }
    const auto whole = static_cast<long long>(degrees);
    if (whole % 90 != 0) return std::nullopt;
    return whole / 90;
}

}  // namespace

HostPageBoxes::HostPageBoxes(QPDFObjectHandle page) {
    Read(page, kMedia, true, nullptr);
    Read(page, kCrop, true, &m_boxes[kMedia]);
    for (std::size_t i = 2; i < m_boxes.size(); ++i) Read(page, i, false, &m_boxes[kCrop]);
    ReadRotation(page);
}

void HostPageBoxes::Read(QPDFObjectHandle page, std::size_t index, bool inherited, const Box* fallback) {
    Box& box = m_boxes[index];
    box.name = kNames[index];
    box.defaultName = fallback != nullptr ? fallback->name : "US Letter";
    box.source = Source::Default;
    QPDFObjectHandle found;
    WalkUp(page, inherited, [&](QPDFObjectHandle node, bool own) {
        QPDFObjectHandle value = node.getKey(std::string("/") + box.name);
        if (value.isNull()) return true;
        if (!IsBox(value)) {
            box.malformed.push_back(value.unparse());
            return true;
        }
        found = value;
        box.source = own ? Source::Own : Source::Inherited;
        return false;
    });
    if (box.source == Source::Default) {
        box.rect = fallback != nullptr ? fallback->rect : kHostDefaultMediaBox;
        box.stored = fallback != nullptr ? fallback->stored : std::array<double, 4>{0, 0, 612, 792};
        return;
    }
    box.rect = *HostBoxOf(found);
    for (int i = 0; i < 4; ++i) found.getArrayItem(i).getValueAsNumber(box.stored[static_cast<std::size_t>(i)]);
}

void HostPageBoxes::ReadRotation(QPDFObjectHandle page) {
    WalkUp(page, true, [this](QPDFObjectHandle node, bool) {
        QPDFObjectHandle value = node.getKey("/Rotate");
        if (value.isNull()) return true;
        const std::optional<long long> turns = QuarterTurns(value);
        if (!turns) {
            m_rotationNotes.push_back(value.unparse() + " is not a multiple of 90 degrees: passed over");
            return true;
        }
        m_rotation = static_cast<int16_t>(((*turns % 4) + 4) % 4 * 90);
        if (!value.isInteger() || value.getIntValue() != m_rotation) {
            m_rotationNotes.push_back(value.unparse() + " read as " + std::to_string(m_rotation));
        }
        return false;
    });
}

const HostPageBoxes::Box* HostPageBoxes::Find(const std::string& name) const {
    for (const Box& box : m_boxes) {
        if (name == box.name) return &box;
    }
    return nullptr;
}

std::array<double, 4> HostPageBoxes::ReaderRectangle(const Box& box) const {
    const auto normalised = [](const std::array<double, 4>& r) {
        return std::array<double, 4>{std::min(r[0], r[2]), std::min(r[1], r[3]), std::max(r[0], r[2]),
                                     std::max(r[1], r[3])};
    };
    const std::array<double, 4> media = normalised(Media().stored);
    const std::array<double, 4> own = normalised(box.stored);
    return {std::max(own[0], media[0]), std::max(own[1], media[1]), std::min(own[2], media[2]),
            std::min(own[3], media[3])};
}

std::optional<FixedRect> HostBoxOf(QPDFObjectHandle value) {
    if (!IsBox(value)) return std::nullopt;
    Fixed numbers[4];
    for (int i = 0; i < 4; ++i) numbers[i] = HostFixedOf(value.getArrayItem(i));
    return FixedRect{numbers[0], numbers[3], numbers[2], numbers[1]};
}

QPDFObjectHandle HostBoxArray(const FixedRect& box) {
    return QPDFObjectHandle::newArray(
        {HostNewReal(box.left), HostNewReal(box.bottom), HostNewReal(box.right), HostNewReal(box.top)});
}
