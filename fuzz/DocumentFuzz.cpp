// A whole document through the host, as geomhost and the plug-in take it: the bytes are opened as a PDF
// file, every page's boxes printed, each page given a new CropBox and its MediaBox written back through the
// host's entries, and the result saved to a new file, which must open again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "FuzzCheck.h"
#include "FuzzHost.h"
#include "PDFL/PDFL_PDCalls5.h"
#include "host/document/HostBoxReport.h"
#include "host/document/HostDocument.h"

namespace {

// The files of the run, gone when it ends.
struct ScratchFolder {
    ScratchFolder() {
        char pattern[] = "/tmp/geom-fuzz-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    std::string path;
};

// An entry as a plug-in calls it: its host error ends the call; a C++ exception must never leave it.
template <class Call>
void Entry(const Call& call) {
    FuzzHost().CallPlugin("entry", [&] {
        try {
            call();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "an exception left a host entry: %s\n", e.what());
            std::abort();
        }
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    HostDocuments& documents = FuzzHost().Documents();
    static const ScratchFolder folder;
    const std::string input = folder.path + "/in.pdf", output = folder.path + "/out.pdf";
    std::ofstream(input, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<long>(size));
    const HostDoc doc = documents.Open(input);
    if (doc == HostDoc::None) return 0;
    std::ostream silent(nullptr);
    HostBoxReport::Print(documents.Get(doc), silent);
    for (int32_t number = 0; number < documents.Get(doc).PageCount(); ++number) {
        HostPage page = HostPage::None;
        Entry([&] { page = Model_AcquirePage(doc, number); });
        FixedRect media = {};
        Entry([&] { Model_GetMediaBox(page, &media); });
        // Halves cannot overflow, whatever the page held.
        Entry([&] { Model_SetCropBox(page, {media.left / 2, media.top / 2, media.right / 2, media.bottom / 2}); });
        Entry([&] { Model_SetMediaBox(page, media); });
        Entry([&] { Model_ReleasePage(page); });
    }
    HostBoxReport::Print(documents.Get(doc), silent);
    const bool saved = documents.SaveAs(doc, output, nullptr, HostSaveOptions{.replaceRepaired = true});
    documents.Close(doc);
    if (saved) {
        std::string why;
        const HostDoc again = documents.Open(output, &why);
        if (again == HostDoc::None) std::fprintf(stderr, "the saved file does not open: %s\n", why.c_str());
        FUZZ_CHECK(again != HostDoc::None);
        HostBoxReport::Print(documents.Get(again), silent);
        documents.Close(again);
    }
    std::remove(output.c_str());
    return 0;
}
