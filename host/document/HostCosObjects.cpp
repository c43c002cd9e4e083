#include "host/document/HostCosObjects.h"

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

template <class Slot>
CosObj HostCosObjects::IssueInSlot(std::map<Slot, uint32_t>& slots, const Slot& slot, const QPDFObjectHandle& value,
                                   Place place) {
    QPDFObjectHandle handle = value;
    if (handle.isNull()) return kNull;
    if (handle.isIndirect()) return Issue(handle);
    auto it = slots.find(slot);
    if (it != slots.end() && m_objects[it->second - 1].object.isSameObjectAs(handle)) {
        return {it->second, static_cast<uint32_t>(m_doc)};
    }
    const CosObj issued = Add(handle, place, slot.first);
    slots[slot] = issued.id;
    return issued;
}

CosObj HostCosObjects::IssueAt(const std::string& place, const QPDFObjectHandle& value) {
    // Container 0 is no object's value, so these places never meet a real container's keys. A direct object
    // there lies outside the objects (in the trailer, or a page stored inside another object).
    return IssueInSlot(m_members, std::make_pair(0u, place), value, Place::Unknown);
}

CosObj HostCosObjects::IssueMember(CosObj container, const std::string& key, const QPDFObjectHandle& value) {
    return IssueInSlot(m_members, std::make_pair(container.id, key), value, Place::InContainer);
}

CosObj HostCosObjects::IssueElement(CosObj container, int index, const QPDFObjectHandle& value) {
    return IssueInSlot(m_elements, std::make_pair(container.id, index), value, Place::InContainer);
}

void HostCosObjects::NoteMember(CosObj container, const std::string& key, CosObj value) {
    if (value.id != 0) m_members[{container.id, key}] = value.id;
}

void HostCosObjects::NoteElement(CosObj container, int index, CosObj value) {
    if (value.id != 0) m_elements[{container.id, index}] = value.id;
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
