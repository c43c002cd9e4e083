// Path objects from any text: the first line is a path, each further line the name of a child of the path
// before it. Whatever is accepted is normalised for good (making it again gives the same path), and the
// parent and name of every accepted path can be asked for; a refusal is GFIL_Exception and nothing else.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "GFIL/GFIL_Exception.h"
#include "GFIL/GFIL_Utils.h"

namespace {

const std::wstring& PathOf(const GFIL_FileSystem& object) { return object.GetPath(); }

bool MadeAgainTheSame(const GFIL_FileSystem& object) {
    return PathOf(*GFIL_MakeSpec(PathOf(object))) == PathOf(object);
}

void CheckStable(const GFIL_FileSystem& object) {
    FUZZ_CHECK(!PathOf(object).empty());
    FUZZ_CHECK(MadeAgainTheSame(object));
    try {
        object.GetName();
        FUZZ_CHECK(MadeAgainTheSame(*object.GetParent()));
    } catch (const GFIL_Exception&) {
        FUZZ_CHECK(object.IsRoot());  // only a root has no parent and no name
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // Each byte is one character; Latin-1 covers the separators, the refused characters and control codes.
    const std::wstring text(data, data + size);
    std::size_t end = text.find(L'\n');
    try {
        auto object = GFIL_MakeSpec(text.substr(0, end));
        CheckStable(*object);
        while (end != std::wstring::npos) {
            const std::size_t start = end + 1;
            end = text.find(L'\n', start);
            object = object->GetChild(text.substr(start, end == std::wstring::npos ? end : end - start));
            CheckStable(*object);
        }
    } catch (const GFIL_Exception&) {
    }
    return 0;
}
