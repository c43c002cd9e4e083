#include "host/document/HostCosObjects.h"

#include <limits>

#include "host/entries/HostEntry.h"

namespace {

constexpr CosObj kNull = {0, 0};

}  // namespace

CosObj HostCosObjects::Add(const QPDFObjectHandle& object) {
    if (m_objects.size() >= std::numeric_limits<uint32_t>::max() - 1) HostFail("too many Cos objects");
    m_objects.push_back(object);
    return {static_cast<uint32_t>(m_objects.size()), static_cast<uint32_t>(m_doc)};
}

CosObj HostCosObjects::Issue(const QPDFObjectHandle& object) {
    // A copy: QPDF's type tests are not const, and resolving a reference does not change the handle's
    // meaning.
    QPDFObjectHandle handle = object;
    if (handle.isNull()) return kNull;
    if (!handle.isIndirect()) return Add(handle);
    auto it = m_indirect.find(handle.getObjGen());
    if (it != m_indirect.end()) return {it->second, static_cast<uint32_t>(m_doc)};
    const CosObj issued = Add(handle);
    m_indirect.emplace(handle.getObjGen(), issued.id);
    return issued;
}

template <class Slot>
CosObj HostCosObjects::IssueInSlot(std::map<Slot, uint32_t>& slots, const Slot& slot, const QPDFObjectHandle& value) {
    QPDFObjectHandle handle = value;
    if (handle.isNull()) return kNull;
    if (handle.isIndirect()) return Issue(handle);
    auto it = slots.find(slot);
    if (it != slots.end() && m_objects[it->second - 1].isSameObjectAs(handle)) {
        return {it->second, static_cast<uint32_t>(m_doc)};
    }
    const CosObj issued = Add(handle);
    slots[slot] = issued.id;
    return issued;
}

CosObj HostCosObjects::IssueAt(const std::string& place, const QPDFObjectHandle& value) {
    // Container 0 is no object's value, so these places never meet a real container's keys.
    return IssueInSlot(m_members, std::make_pair(0u, place), value);
}

CosObj HostCosObjects::IssueMember(CosObj container, const std::string& key, const QPDFObjectHandle& value) {
    return IssueInSlot(m_members, std::make_pair(container.id, key), value);
}

CosObj HostCosObjects::IssueElement(CosObj container, int index, const QPDFObjectHandle& value) {
    return IssueInSlot(m_elements, std::make_pair(container.id, index), value);
}

void HostCosObjects::NoteMember(CosObj container, const std::string& key, CosObj value) {
    if (value.id != 0) m_members[{container.id, key}] = value.id;
}

void HostCosObjects::NoteElement(CosObj container, int index, CosObj value) {
    if (value.id != 0) m_elements[{container.id, index}] = value.id;
}

const QPDFObjectHandle* HostCosObjects::Find(CosObj object) const {
    if (object.doc != static_cast<uint32_t>(m_doc) || object.id == 0 || object.id > m_objects.size()) return nullptr;
    return &m_objects[object.id - 1];
}

std::set<QPDFObjGen> HostCosObjects::IndirectObjects() const {
    std::set<QPDFObjGen> objects;
    for (const auto& [id, index] : m_indirect) objects.insert(id);
    return objects;
}
