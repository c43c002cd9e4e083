#include <qpdf/QPDFObjectHandle.hh>

#include "host/document/HostCosNumbers.h"
#include "host/document/HostDocument.h"
#include "host/entries/HostDocumentEntry.h"
#include "host/entries/HostTables.h"

HostTableSlots HostCosTable::Build() {
    HostTableSlots table;
#define HOST_ENTRY(number, Result, Name, Params, Args) HOST_FILL_SLOT(HostCosTable, number, Result, Name, Params, Args)
#include "entries/CosEntries.def"
#undef HOST_ENTRY
    return table;
}

namespace {

constexpr CosObj kNullObj = {0, 0};
// An array put far beyond its end is a caller's error, not a reason to fill memory with nulls.
constexpr int32_t kMaxArrayLength = 1 << 20;

// The object behind a value: its document and its handle. The null object has neither.
struct Resolved {
    HostDocument* document;
    QPDFObjectHandle object;
};

Resolved Resolve(CosObj object) {
    if (object == kNullObj) return {nullptr, QPDFObjectHandle::newNull()};
    HostDocument& document = Documents().GetByCosDoc(static_cast<HostCosDoc>(object.doc));
    const QPDFObjectHandle* handle = document.Objects().Find(object);
    if (handle == nullptr) HostFail("no such Cos object");
    return {&document, *handle};
}

// A dictionary, or a stream's dictionary, which Cos treats alike.
Resolved ResolveDict(CosObj object) {
    Resolved resolved = Resolve(object);
    if (resolved.object.isStream()) {
        resolved.object = resolved.object.getDict();
    } else if (!resolved.object.isDictionary()) {
        HostFail("the object is not a dictionary");
    }
    return resolved;
}

Resolved ResolveArray(CosObj object) {
    Resolved resolved = Resolve(object);
    if (!resolved.object.isArray()) HostFail("the object is not an array");
    return resolved;
}

// A value to store into `target`'s document: its own or the null object.
QPDFObjectHandle StorableValue(const Resolved& target, CosObj value) {
    const Resolved resolved = Resolve(value);
    if (resolved.document != nullptr && resolved.document != target.document) {
        HostFail("the object belongs to another document");
    }
    return resolved.object;
}

// Whether `target` is `value` or lies inside it through direct objects only: storing `value` into `target`
// would make a direct object contain itself, which no PDF file can hold.
bool ContainsDirectly(QPDFObjectHandle value, const QPDFObjectHandle& target) {
    std::vector<QPDFObjectHandle> pending{value};
    while (!pending.empty()) {
        QPDFObjectHandle object = pending.back();
        pending.pop_back();
        if (object.isIndirect()) continue;
        if (object.isSameObjectAs(target)) return true;
        if (object.isArray()) {
            for (QPDFObjectHandle& item : object.getArrayAsVector()) pending.push_back(item);
        } else if (object.isDictionary()) {
            for (auto& [key, item] : object.getDictAsMap()) pending.push_back(item);
        }
    }
    return false;
}

std::string KeyOf(HostAtom key) {
    const char* name = Host::Current().Atoms().NameOf(key);
    if (name == nullptr) HostFail("unknown atom for a key");
    return std::string("/") + name;
}

bool IsPageBoxKey(const std::string& key) {
    for (const char* box : {"/MediaBox", "/CropBox", "/TrimBox", "/ArtBox", "/BleedBox"}) {
        if (key == box) return true;
    }
    return false;
}

CosObj New(HostCosDoc doc, HostBool indirect, QPDFObjectHandle object) {
    HostDocument& document = Documents().GetByCosDoc(doc);
    if (indirect) object = document.MakeIndirect(object);
    return document.Objects().Issue(object);
}

void CheckCapacity(int32_t capacity) {
    if (capacity < 0) HostFail("negative capacity");
}

}  // namespace

int32_t HostCosTable::Cos_ObjectType(CosObj object) {
    return HostDocumentEntry([&]() -> int32_t {
        QPDFObjectHandle handle = Resolve(object).object;
        switch (handle.getTypeCode()) {
            case ::ot_null:
                return CosNull;
            case ::ot_integer:
                return CosInteger;
            case ::ot_real:
                return CosFixed;
            case ::ot_boolean:
                return CosBoolean;
            case ::ot_name:
                return CosName;
            case ::ot_string:
                return CosString;
            case ::ot_dictionary:
                return CosDict;
            case ::ot_array:
                return CosArray;
            case ::ot_stream:
                return CosStream;
            default:
                HostFail("the object has no Cos type");
        }
    });
}

HostCosDoc HostCosTable::Cos_ObjectDoc(CosObj object) {
    return HostDocumentEntry([&] {
        const Resolved resolved = Resolve(object);
        if (resolved.document == nullptr) HostFail("the null object belongs to no document");
        return resolved.document->CosDoc();
    });
}

CosObj HostCosTable::Cos_NewFixed(HostCosDoc doc, HostBool indirect, Fixed value) {
    return HostDocumentEntry([&] {
        if (indirect) return New(doc, indirect, HostNewReal(value));
        return Documents().GetByCosDoc(doc).Objects().IssueReal(value);
    });
}

CosObj HostCosTable::Cos_NewString(HostCosDoc doc, HostBool indirect, const char* text, int32_t length) {
    return HostDocumentEntry([&] {
        if (length < 0) HostFail("negative string length");
        if (text == nullptr && length > 0) HostFail("no text for a string");
        return New(doc, indirect, QPDFObjectHandle::newString(std::string(text != nullptr ? text : "", length)));
    });
}

CosObj HostCosTable::Cos_NewArray(HostCosDoc doc, HostBool indirect, int32_t capacity) {
    return HostDocumentEntry([&] {
        CheckCapacity(capacity);  // only a hint: the array grows as elements are put
        return New(doc, indirect, QPDFObjectHandle::newArray());
    });
}

CosObj HostCosTable::Cos_NewDict(HostCosDoc doc, HostBool indirect, int32_t capacity) {
    return HostDocumentEntry([&] {
        CheckCapacity(capacity);
        return New(doc, indirect, QPDFObjectHandle::newDictionary());
    });
}

int32_t HostCosTable::Cos_IntegerValue(CosObj object) {
    return HostDocumentEntry([&] { return HostIntegerOf(Resolve(object).object); });
}

Fixed HostCosTable::Cos_FixedValue(CosObj object) {
    return HostDocumentEntry([&] {
        QPDFObjectHandle number = Resolve(object).object;
        bool saturated = false;
        const Fixed value = HostFixedOf(number, &saturated);
        if (saturated) {
            Host::Current().Out() << "[cos] the number " << number.unparse()
                                  << " is beyond the fixed-point range: read as " << HostFixedToRealText(value) << "\n";
        }
        return value;
    });
}

CosObj HostCosTable::Cos_DictGet(CosObj dict, HostAtom key) {
    return HostDocumentEntry([&] {
        const Resolved resolved = ResolveDict(dict);
        const std::string name = KeyOf(key);
        QPDFObjectHandle target = resolved.object;
        return resolved.document->Objects().IssueMember(dict, name, target.getKey(name));
    });
}

void HostCosTable::Cos_DictPut(CosObj dict, HostAtom key, CosObj value) {
    HostDocumentEntry([&] {
        const Resolved resolved = ResolveDict(dict);
        const std::string name = KeyOf(key);
        if (IsPageBoxKey(name)) Host::Current().NoteBoxWrite();
        QPDFObjectHandle stored = StorableValue(resolved, value);
        QPDFObjectHandle target = resolved.object;
        if (ContainsDirectly(stored, target)) HostFail("a direct object cannot contain itself");
        HostDocument& document = *resolved.document;
        document.WillWrite(document.Objects().OwnerOf(dict));
        if (value != kNullObj) stored = document.Objects().ForPut(value, true);
        target.replaceKey(name, stored);  // a null value removes the key, as PDF reads an absent one
        document.Objects().NoteMember(dict, name, value);
        document.Objects().NotePut(dict, value);
        document.MarkModified();
    });
}

HostBool HostCosTable::Cos_DictKnown(CosObj dict, HostAtom key) {
    return HostDocumentEntry([&]() -> HostBool {
        const Resolved resolved = ResolveDict(dict);
        QPDFObjectHandle target = resolved.object;
        return target.hasKey(KeyOf(key)) ? 1 : 0;
    });
}

CosObj HostCosTable::Cos_ArrayGet(CosObj array, int32_t index) {
    return HostDocumentEntry([&] {
        const Resolved resolved = ResolveArray(array);
        QPDFObjectHandle target = resolved.object;
        if (index < 0 || index >= target.getArrayNItems()) HostFail("array index out of range");
        return resolved.document->Objects().IssueElement(array, index, target.getArrayItem(index));
    });
}

void HostCosTable::Cos_ArrayPut(CosObj array, int32_t index, CosObj value) {
    HostDocumentEntry([&] {
        const Resolved resolved = ResolveArray(array);
        if (index < 0 || index >= kMaxArrayLength) HostFail("array index out of range");
        QPDFObjectHandle stored = StorableValue(resolved, value);
        if (ContainsDirectly(stored, resolved.object)) HostFail("a direct object cannot contain itself");
        HostDocument& document = *resolved.document;
        document.WillWrite(document.Objects().OwnerOf(array));
        // A shared array of numbers is written in a copy of its own (see HostCosObjects).
        QPDFObjectHandle target = document.Objects().OwnCopy(array);
        if (value != kNullObj) stored = document.Objects().ForPut(value, false);
        // Putting past the end lengthens the array, with nulls in between: a new array starts empty.
        while (target.getArrayNItems() < index) target.appendItem(QPDFObjectHandle::newNull());
        if (target.getArrayNItems() == index) {
            target.appendItem(stored);
        } else {
            target.setArrayItem(index, stored);
        }
        document.Objects().NoteElement(array, index, value);
        document.Objects().NotePut(array, value);
        document.MarkModified();
    });
}

int32_t HostCosTable::Cos_ArrayLength(CosObj array) {
    return HostDocumentEntry([&]() -> int32_t {
        QPDFObjectHandle target = ResolveArray(array).object;
        return target.getArrayNItems();
    });
}

CosObj HostCosTable::Cos_DocRoot(HostCosDoc doc) {
    return HostDocumentEntry([&] {
        HostDocument& document = Documents().GetByCosDoc(doc);
        QPDFObjectHandle root = document.Pdf().getTrailer().getKey("/Root");
        if (!root.isDictionary()) HostFail("the document has no catalog");
        return document.Objects().IssueAt("trailer /Root", root);
    });
}
