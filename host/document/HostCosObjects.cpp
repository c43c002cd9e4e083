#include "host/document/HostCosObjects.h"

#include <algorithm>
#include <limits>

#include "host/document/HostCosNumbers.h"
#include "host/entries/HostEntry.h"

namespace {

constexpr CosObj kNull = {0, 0};
constexpr int kFewNumbers = 8;  // a box's four, a matrix's six

// A direct array of a few direct numbers, as a box or a matrix is.
bool IsFewNumbers(QPDFObjectHandle object) {
    if (object.isIndirect() || !object.isArray()) return false;
    const int count = object.getArrayNItems();
    if (count == 0 || count > kFewNumbers) return false;
    for (int i = 0; i < count; ++i) {
        QPDFObjectHandle item = object.getArrayItem(i);
        if (item.isIndirect() || !(item.isInteger() || item.isReal())) return false;
    }
    return true;
}

}  // namespace

CosObj HostCosObjects::Add(const QPDFObjectHandle& object, Place place, uint32_t container) {
    if (m_objects.size() >= std::numeric_limits<uint32_t>::max() - 1) HostFail("too many Cos objects");
    m_objects.push_back({object, container, place});
    return {static_cast<uint32_t>(m_objects.size()), static_cast<uint32_t>(m_doc)};
}

CosObj HostCosObjects::Issue(const QPDFObjectHandle& object) {
    // A copy: QPDF's type tests are not const, and resolving a reference does not change the handle's
    // meaning.
    QPDFObjectHandle handle = object;
    if (handle.isNull()) return kNull;
    if (!handle.isIndirect()) return Add(handle, Place::Loose);
    auto it = m_indirect.find(handle.getObjGen());
    if (it != m_indirect.end()) return {it->second, static_cast<uint32_t>(m_doc)};
    const CosObj issued = Add(handle, Place::Indirect);
    m_indirect.emplace(handle.getObjGen(), issued.id);
    return issued;
}

CosObj HostCosObjects::IssueReal(Fixed value) {
    auto it = m_reals.find(value);
    if (it == m_reals.end()) it = m_reals.emplace(value, Add(HostNewReal(value), Place::Number).id).first;
    return {it->second, static_cast<uint32_t>(m_doc)};
}

// The value IssueReal gave `object`, when it made it.
std::optional<uint32_t> HostCosObjects::NumberIssued(QPDFObjectHandle object) const {
    if (object.isIndirect() || !object.isReal()) return std::nullopt;
    const std::optional<Fixed> value = HostRealTextToFixed(object.getRealValue());
    if (!value) return std::nullopt;
    auto it = m_reals.find(*value);
    if (it == m_reals.end() || !m_objects[it->second - 1].object.isSameObjectAs(object)) return std::nullopt;
    return it->second;
}

bool HostCosObjects::IsSharedArray(QPDFObjectHandle object) const {
    if (m_numberArrays.empty() || !IsFewNumbers(object)) return false;
    auto it = m_numberArrays.find(object.unparseResolved());
    return it != m_numberArrays.end() && it->second.isSameObjectAs(object);
}

template <class SlotOf>
CosObj HostCosObjects::IssueInSlot(const SlotOf& slotOf, uint32_t container, const QPDFObjectHandle& value,
                                   Place place) {
    QPDFObjectHandle handle = value;
    if (handle.isNull()) return kNull;
    if (handle.isIndirect()) return Issue(handle);
    // A number made here has one value wherever it lies, so its places need no record.
    if (const std::optional<uint32_t> number = NumberIssued(handle)) return {*number, static_cast<uint32_t>(m_doc)};
    const uint32_t* found = slotOf(false);
    if (found != nullptr && *found != 0 && m_objects[*found - 1].object.isSameObjectAs(handle)) {
        return {*found, static_cast<uint32_t>(m_doc)};
    }
    const CosObj issued = Add(handle, place, container);
    m_objects[issued.id - 1].shared = IsSharedArray(handle);
    *slotOf(true) = issued.id;
    return issued;
}

uint32_t* HostCosObjects::MemberSlot(uint32_t container, const std::string& key, bool make) {
    auto known = m_keys.find(key);
    if (known == m_keys.end()) {
        if (!make) return nullptr;
        known = m_keys.emplace(key, static_cast<uint32_t>(m_keys.size())).first;
    }
    const uint64_t place = uint64_t{container} << 32 | known->second;
    if (make) return &m_members[place];
    auto it = m_members.find(place);
    return it != m_members.end() ? &it->second : nullptr;
}

uint32_t* HostCosObjects::ElementSlot(uint32_t container, int index, bool make) {
    const std::pair<uint32_t, int> place(container, index);
    auto it = std::lower_bound(m_elements.begin(), m_elements.end(), place,
                               [](const Element& e, const auto& p) { return std::pair(e.container, e.index) < p; });
    if (it != m_elements.end() && it->container == container && it->index == index) return &it->id;
    auto late = m_lateElements.find(place);
    if (late != m_lateElements.end()) return &late->second;
    if (!make) return nullptr;
    if (it != m_elements.end()) return &m_lateElements[place];
    m_elements.push_back({container, index, 0});
    return &m_elements.back().id;
}

CosObj HostCosObjects::IssueAt(const std::string& place, const QPDFObjectHandle& value) {
    // Container 0 is no object's value, so these places never meet a real container's keys. A direct object
    // there lies outside the objects (in the trailer, or a page stored inside another object).
    return IssueInSlot([&](bool make) { return MemberSlot(0, place, make); }, 0, value, Place::Unknown);
}

CosObj HostCosObjects::IssueMember(CosObj container, const std::string& key, const QPDFObjectHandle& value) {
    return IssueInSlot([&](bool make) { return MemberSlot(container.id, key, make); }, container.id, value,
                       Place::InContainer);
}

CosObj HostCosObjects::IssueElement(CosObj container, int index, const QPDFObjectHandle& value) {
    return IssueInSlot([&](bool make) { return ElementSlot(container.id, index, make); }, container.id, value,
                       Place::InContainer);
}

void HostCosObjects::NoteMember(CosObj container, const std::string& key, CosObj value) {
    const Entry* entry = EntryOf(value);
    if (entry != nullptr && entry->place != Place::Number) *MemberSlot(container.id, key, true) = value.id;
}

void HostCosObjects::NoteElement(CosObj container, int index, CosObj value) {
    const Entry* entry = EntryOf(value);
    if (entry != nullptr && entry->place != Place::Number) *ElementSlot(container.id, index, true) = value.id;
}

const HostCosObjects::Entry* HostCosObjects::EntryOf(CosObj object) const {
    if (object.doc != static_cast<uint32_t>(m_doc) || object.id == 0 || object.id > m_objects.size()) return nullptr;
    return &m_objects[object.id - 1];
}

const QPDFObjectHandle* HostCosObjects::Find(CosObj object) const {
    const Entry* entry = EntryOf(object);
    return entry != nullptr ? &entry->object : nullptr;
}

std::optional<QPDFObjGen> HostCosObjects::OwnerOf(CosObj object) const {
    // Containers lie in containers only as deep as direct objects nest, which puts keep free of loops; the
    // bound is for safety alone.
    for (std::size_t step = 0; step <= m_objects.size(); ++step) {
        const Entry* entry = EntryOf(object);
        if (entry == nullptr || entry->place == Place::Unknown) return std::nullopt;
        if (entry->place == Place::Loose || entry->place == Place::Number) return QPDFObjGen();
        if (entry->place == Place::Indirect) {
            QPDFObjectHandle handle = entry->object;
            return handle.getObjGen();
        }
        object.id = entry->container;
    }
    return std::nullopt;
}

void HostCosObjects::NotePut(CosObj container, CosObj value) {
    if (value.id == 0 || value.doc != static_cast<uint32_t>(m_doc) || value.id > m_objects.size()) return;
    Entry& entry = m_objects[value.id - 1];
    if (entry.place == Place::Indirect || entry.place == Place::Number) return;  // a reference, or no container's
    if (entry.place == Place::Loose) {
        entry.place = Place::InContainer;  // lies there alone from now on
        entry.container = container.id;
        return;
    }
    // Already lying somewhere: harmless only when that is within the same indirect object.
    const std::optional<QPDFObjGen> was = OwnerOf(value);
    const std::optional<QPDFObjGen> now = OwnerOf(container);
    if (!was || !now || was->getObj() <= 0 || *was != *now) m_shared = true;
}

std::set<QPDFObjGen> HostCosObjects::IndirectObjects() const {
    std::set<QPDFObjGen> objects;
    for (const auto& [id, index] : m_indirect) objects.insert(id);
    return objects;
}

QPDFObjectHandle HostCosObjects::ForPut(CosObj value, bool intoDictionary) {
    const Entry* found = EntryOf(value);
    if (found == nullptr) return QPDFObjectHandle::newNull();
    Entry& entry = m_objects[value.id - 1];
    if (entry.shared) return OwnCopy(value);
    if (intoDictionary && entry.place == Place::Loose && IsFewNumbers(entry.object)) return Share(entry);
    return entry.object;
}

// The shared array of the numbers of `entry`'s new array, which becomes that array itself when none holds
// them yet; the entry names it from then on. An array of other number objects than the shared one's is kept.
QPDFObjectHandle HostCosObjects::Share(Entry& entry) {
    QPDFObjectHandle own = entry.object;
    auto [it, made] = m_numberArrays.emplace(own.unparseResolved(), own);
    if (!made) {
        QPDFObjectHandle shared = it->second;
        for (int i = 0; i < own.getArrayNItems(); ++i) {
            if (!own.getArrayItem(i).isSameObjectAs(shared.getArrayItem(i))) return own;
        }
        entry.object = shared;
    }
    entry.shared = true;
    return entry.object;
}

QPDFObjectHandle HostCosObjects::OwnCopy(CosObj value) {
    if (EntryOf(value) == nullptr) HostFail("no such Cos object");
    Entry& entry = m_objects[value.id - 1];
    if (!entry.shared) return entry.object;
    QPDFObjectHandle shared = entry.object;
    entry.object = QPDFObjectHandle::newArray(shared.getArrayAsVector());
    entry.shared = false;
    if (entry.place != Place::InContainer) return entry.object;
    // Each key of the container that was last given this value and still holds the shared array.
    QPDFObjectHandle container = m_objects[entry.container - 1].object;
    if (container.isStream()) container = container.getDict();
    for (auto& [key, member] : container.getDictAsMap()) {
        const uint32_t* slot = MemberSlot(entry.container, key, false);
        if (slot != nullptr && *slot == value.id && member.isSameObjectAs(shared)) {
            container.replaceKey(key, entry.object);
        }
    }
    return entry.object;
}
