// One document's table of the Cos objects it handed out. A CosObj is {index into this table + 1, the Cos
// document's handle}; the null object, and any absent one, is {0, 0}. An entry is never removed or
// reused while the document is open, so every CosObj issued stays valid and keeps naming the same object.
//
// The same object gets the same value again: an indirect object by its object number, a direct object by
// where it was reached (the container's value and the key or index), as long as the same object is still
// there. A direct object shared by two containers is the one odd case: reached through both, it may get two
// values, both valid and naming the same object.
//
// The table also knows where a write into an object lands, so that a save need look only at the indirect
// objects written into: an indirect object is its own; a direct one lies in the container it was reached
// in or first put into, up to an indirect object, or in none yet (a new object).
//
// Memory: a value made for a number is the same value for every use of that number, and a new array of a few
// numbers put into a dictionary is stored as the one array that holds those numbers in that order, which
// every value of such an array names; a write into it, or a second put, first gives the value a copy of its
// own where it lies (OwnCopy). Applying a box to 10,000 pages so keeps two arrays, not 20,000.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include <qpdf/QPDFObjGen.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include "HostTypes.h"

class HostCosObjects {
public:
    explicit HostCosObjects(HostCosDoc doc) : m_doc(doc) {}

    HostCosDoc Doc() const { return m_doc; }
    // An object reached without a container: a new object.
    CosObj Issue(const QPDFObjectHandle& object);
    // A new direct real of `value`, as HostNewReal makes it: the same value as for every real of that value
    // made before, as no entry changes a number in place, so no one can tell.
    CosObj IssueReal(Fixed value);
    // An object reached from outside the objects, at a named place: the catalog from the trailer, a page's
    // dictionary from its page handle.
    CosObj IssueAt(const std::string& place, const QPDFObjectHandle& value);
    // The value found under `key` of `container`, and the element at `index` of `container`.
    CosObj IssueMember(CosObj container, const std::string& key, const QPDFObjectHandle& value);
    CosObj IssueElement(CosObj container, int index, const QPDFObjectHandle& value);
    // `value` has just been stored there: reaching it there again gives the same value.
    void NoteMember(CosObj container, const std::string& key, CosObj value);
    void NoteElement(CosObj container, int index, CosObj value);

    // The object of a value of this document, or null when this table never issued it.
    const QPDFObjectHandle* Find(CosObj object) const;
    std::size_t Count() const { return m_objects.size(); }
    // Every indirect object handed out: the only ones, with the pages, that a plug-in can have changed.
    std::set<QPDFObjGen> IndirectObjects() const;

    // The indirect object that holds the object of a value this table issued, where a write into it lands;
    // a null QPDFObjGen (0 0) for an object in no indirect object yet; none when that is not known.
    std::optional<QPDFObjGen> OwnerOf(CosObj object) const;
    // `value` was put into `container`. A direct object put into a second indirect object lies in two: a
    // write into it would land in both, which this table cannot follow from then on (see Shared).
    void NotePut(CosObj container, CosObj value);
    // Whether a direct object was put where it came to lie in two indirect objects.
    bool Shared() const { return m_shared; }

    // What to store for `value`, which is about to be put into a dictionary (`intoDictionary`) or an array:
    // its object, a copy of its own (OwnCopy) when it names a shared array, or the shared array of its
    // numbers when it is a new array of a few numbers put into a dictionary. Null when this table never
    // issued it.
    QPDFObjectHandle ForPut(CosObj value, bool intoDictionary);
    // `value` is about to be written into: when it names a shared array of numbers, it gets a copy of its
    // own, put in the shared one's place in the dictionary it lies in. Its object after that.
    QPDFObjectHandle OwnCopy(CosObj value);

private:
    // A Number is a real made here for every use of its value: it lies in no container, and no write lands
    // in it.
    enum class Place : uint8_t { Indirect, InContainer, Loose, Unknown, Number };
    struct Entry {
        QPDFObjectHandle object;
        uint32_t container;  // for InContainer: the container's value
        Place place;
        bool shared = false;  // the object is a shared array of numbers (see OwnCopy)
    };
    CosObj Add(const QPDFObjectHandle& object, Place place, uint32_t container = 0);
    // An element's place and the value last issued or put there.
    struct Element {
        uint32_t container;
        int index;
        uint32_t id;
    };
    template <class SlotOf>
    CosObj IssueInSlot(const SlotOf& slotOf, uint32_t container, const QPDFObjectHandle& value, Place place);
    uint32_t* MemberSlot(uint32_t container, const std::string& key, bool make);
    uint32_t* ElementSlot(uint32_t container, int index, bool make);
    const Entry* EntryOf(CosObj object) const;
    std::optional<uint32_t> NumberIssued(QPDFObjectHandle object) const;
    bool IsSharedArray(QPDFObjectHandle object) const;
    QPDFObjectHandle Share(Entry& entry);

    HostCosDoc m_doc;
    std::map<Fixed, uint32_t> m_reals;                       // the value of each real made, by value
    std::map<std::string, QPDFObjectHandle> m_numberArrays;  // the shared arrays, by their text
    std::deque<Entry> m_objects;  // a deque: growing moves no handle and needs no second copy of the table
    bool m_shared = false;
    std::map<QPDFObjGen, uint32_t> m_indirect;
    // The value last issued or put under each key of each container, by (container << 32 | the key's
    // number in m_keys): a hash of small records, as a page's few keys cost a tree node each otherwise.
    std::map<std::string, uint32_t> m_keys;
    std::unordered_map<uint64_t, uint32_t> m_members;
    // In the order of their places, which mostly grows at the end (elements are reached in the containers
    // issued last); a place that would come before the end waits in m_lateElements. A page's boxes so cost
    // twelve small records rather than twelve tree nodes.
    std::deque<Element> m_elements;
    std::map<std::pair<uint32_t, int>, uint32_t> m_lateElements;
};
