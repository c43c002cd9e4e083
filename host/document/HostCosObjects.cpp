#include "host/document/HostCosObjects.h"

#include <algorithm>
#include <limits>

#include "host/document/HostCosNumbers.h"
#include "host/entries/HostEntry.h"

namespace {

constexpr CosObj kNull = {0, 0};

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
    // Whole and half points share their low bits: a multiplicative hash spreads them over the slots.
    auto& slot = m_reals[(static_cast<uint32_t>(value) * 2654435761u >> 16) % m_reals.size()];
    if (!slot || slot->first != value) slot.emplace(value, HostNewReal(value));
    return Add(slot->second, Place::Loose);
}

template <class SlotOf>
CosObj HostCosObjects::IssueInSlot(const SlotOf& slotOf, uint32_t container, const QPDFObjectHandle& value,
                                   Place place) {
    QPDFObjectHandle handle = value;
    if (handle.isNull()) return kNull;
    if (handle.isIndirect()) return Issue(handle);
    const uint32_t* found = slotOf(false);
    if (found != nullptr && *found != 0 && m_objects[*found - 1].object.isSameObjectAs(handle)) {
        return {*found, static_cast<uint32_t>(m_doc)};
    }
    const CosObj issued = Add(handle, place, container);
    *slotOf(true) = issued.id;
    return issued;
}

uint32_t* HostCosObjects::MemberSlot(uint32_t container, const std::string& key, bool make) {
    if (make) return &m_members[{container, key}];
    auto it = m_members.find({container, key});
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
    if (value.id != 0) *MemberSlot(container.id, key, true) = value.id;
}

void HostCosObjects::NoteElement(CosObj container, int index, CosObj value) {
    if (value.id != 0) *ElementSlot(container.id, index, true) = value.id;
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
        if (entry->place == Place::Loose) return QPDFObjGen();
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
    if (entry.place == Place::Indirect) return;  // a reference, not a copy
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
