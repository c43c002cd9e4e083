// Parsing a compiled resource file and looking resources up.
//
// The file is a sequence of entries, each on a 4-byte boundary: DataSize and HeaderSize (32 bits each),
// the type and the name (each either 0xFFFF and a 16-bit integer, or a terminated UTF-16 string), padding
// to 4 bytes, DataVersion (32), MemoryFlags (16), LanguageId (16), Version (32), Characteristics (32), then
// DataSize bytes of data. The first entry, of type 0, only marks the format and is skipped.
#include "loader/ResourceDirectory.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

#include "kernel/WideText.h"

namespace win32sub {
namespace {

constexpr std::size_t kStringsPerBlock = 16;
constexpr WORD kStringType = 6;  // RT_STRING

std::size_t AlignUp4(std::size_t n) { return (n + 3) & ~std::size_t{3}; }

WORD Word(const unsigned char* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }

DWORD Dword(const unsigned char* p) {
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
           (static_cast<DWORD>(p[3]) << 24);
}

// Reads a type or name at `pos`, ending before `end`; advances `pos`. False when it runs past `end`.
bool ReadId(const unsigned char* base, std::size_t& pos, std::size_t end, ResourceId& id) {
    if (end - pos < 2) {
        return false;
    }
    if (Word(base + pos) == 0xFFFF) {
        if (end - pos < 4) {
            return false;
        }
        id = ResourceId::Number(Word(base + pos + 2));
        pos += 4;
        return true;
    }
    std::size_t units = 0;
    while (true) {
        if (end - pos < 2 * (units + 1)) {
            return false;
        }
        if (Word(base + pos + 2 * units) == 0) {
            break;
        }
        ++units;
    }
    id.isString = true;
    id.text = FoldCase(FromUtf16(base + pos, units));
    pos += 2 * (units + 1);
    return true;
}

// A string block: 16 counted UTF-16 strings. A block cut short leaves its last strings empty.
std::vector<std::wstring> StringBlock(const unsigned char* data, std::size_t size) {
    std::vector<std::wstring> strings(kStringsPerBlock);
    std::size_t pos = 0;
    for (std::wstring& text : strings) {
        if (size - pos < 2) {
            break;
        }
        const std::size_t units = Word(data + pos);
        pos += 2;
        if ((size - pos) / 2 < units) {
            break;
        }
        text = FromUtf16(data + pos, units);
        pos += 2 * units;
    }
    return strings;
}

// Integers before strings, as in a module's resource directory.
bool Less(const ResourceId& a, const ResourceId& b) {
    return std::tie(a.isString, a.number, a.text) < std::tie(b.isString, b.number, b.text);
}

bool Same(const ResourceId& a, const ResourceId& b) { return !Less(a, b) && !Less(b, a); }

bool EntryLess(const ResourceEntry& a, const ResourceEntry& b) {
    if (!Same(a.type, b.type)) {
        return Less(a.type, b.type);
    }
    if (!Same(a.name, b.name)) {
        return Less(a.name, b.name);
    }
    return a.language < b.language;
}

// The system's user interface language.
constexpr LANGID kSystemLanguage = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// The languages to try, in order, for a request in `language`.
std::vector<LANGID> LanguageChoices(LANGID language) {
    // The user's and the system's default language are the system language here.
    if (PRIMARYLANGID(language) == LANG_NEUTRAL &&
        (SUBLANGID(language) == SUBLANG_DEFAULT || SUBLANGID(language) == SUBLANG_SYS_DEFAULT)) {
        language = kSystemLanguage;
    }
    const WORD primary = PRIMARYLANGID(language);
    return {language,
            MAKELANGID(primary, SUBLANG_NEUTRAL),
            MAKELANGID(primary, SUBLANG_DEFAULT),
            MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
            MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
            MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT),
            kSystemLanguage,
            MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL)};
}

}  // namespace

ResourceId ResourceId::FromArgument(LPCWSTR argument) {
    if (IS_INTRESOURCE(argument)) {
        return Number(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(argument)));
    }
    if (argument[0] == L'#') {
        unsigned long value = 0;
        const wchar_t* p = argument + 1;
        while (*p >= L'0' && *p <= L'9' && value <= 0xFFFF) {
            value = value * 10 + static_cast<unsigned long>(*p++ - L'0');
        }
        if (*p == L'\0' && p != argument + 1 && value <= 0xFFFF) {
            return Number(static_cast<WORD>(value));
        }
    }
    return ResourceId{true, 0, FoldCase(argument)};
}

std::shared_ptr<const ResourceDirectory> ResourceDirectory::Parse(std::vector<unsigned char> bytes) {
    std::shared_ptr<ResourceDirectory> directory(new ResourceDirectory);
    directory->bytes_ = std::move(bytes);
    const unsigned char* base = directory->bytes_.data();
    const std::size_t total = directory->bytes_.size();
    std::size_t pos = 0;
    while (total - pos >= 8) {
        const std::size_t dataSize = Dword(base + pos);
        const std::size_t headerSize = Dword(base + pos + 4);
        if (dataSize == 0 && headerSize == 0) {
            break;  // the section's own padding
        }
        if (headerSize < 8 || headerSize > total - pos || dataSize > total - pos - headerSize) {
            return nullptr;
        }
        const std::size_t headerEnd = pos + headerSize;
        ResourceEntry entry;
        std::size_t field = pos + 8;
        if (!ReadId(base, field, headerEnd, entry.type) || !ReadId(base, field, headerEnd, entry.name)) {
            return nullptr;
        }
        field = AlignUp4(field);
        if (field > headerEnd || headerEnd - field < 16) {
            return nullptr;
        }
        entry.language = Word(base + field + 6);
        entry.data = base + headerEnd;
        entry.size = static_cast<DWORD>(dataSize);
        const bool marker = !entry.type.isString && entry.type.number == 0;
        if (!marker) {
            if (!entry.type.isString && entry.type.number == kStringType && !entry.name.isString) {
                entry.strings = StringBlock(entry.data, dataSize);
            }
            directory->entries_.push_back(std::move(entry));
        }
        pos = std::min(total, AlignUp4(headerEnd + dataSize));
    }
    // Of two entries with the same type, name and language the first counts, as with a resource compiler
    // that accepts duplicates.
    std::stable_sort(directory->entries_.begin(), directory->entries_.end(), EntryLess);
    auto duplicate = std::unique(
        directory->entries_.begin(), directory->entries_.end(),
        [](const ResourceEntry& a, const ResourceEntry& b) { return !EntryLess(a, b) && !EntryLess(b, a); });
    directory->entries_.erase(duplicate, directory->entries_.end());
    return directory;
}

const ResourceEntry* ResourceDirectory::Find(const ResourceId& type, const ResourceId& name, LANGID language,
                                             DWORD& error) const {
    const auto typeBegin = std::partition_point(entries_.begin(), entries_.end(),
                                                [&](const ResourceEntry& e) { return Less(e.type, type); });
    if (typeBegin == entries_.end() || !Same(typeBegin->type, type)) {
        error = ERROR_RESOURCE_TYPE_NOT_FOUND;
        return nullptr;
    }
    const auto nameBegin = std::partition_point(
        typeBegin, entries_.end(), [&](const ResourceEntry& e) { return Same(e.type, type) && Less(e.name, name); });
    auto nameEnd = nameBegin;
    while (nameEnd != entries_.end() && Same(nameEnd->type, type) && Same(nameEnd->name, name)) {
        ++nameEnd;
    }
    if (nameBegin == nameEnd) {
        error = ERROR_RESOURCE_NAME_NOT_FOUND;
        return nullptr;
    }
    for (LANGID choice : LanguageChoices(language)) {
        for (auto it = nameBegin; it != nameEnd; ++it) {
            if (it->language == choice) {
                return &*it;
            }
        }
    }
    // Ordered by language, so this is the lowest one present.
    return &*nameBegin;
}

bool ResourceDirectory::Owns(const void* entry) const {
    if (entries_.empty()) {
        return false;
    }
    const auto address = reinterpret_cast<std::uintptr_t>(entry);
    const auto first = reinterpret_cast<std::uintptr_t>(entries_.data());
    const auto end = reinterpret_cast<std::uintptr_t>(entries_.data() + entries_.size());
    return address >= first && address < end && (address - first) % sizeof(ResourceEntry) == 0;
}

}  // namespace win32sub
