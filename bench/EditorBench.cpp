// How fast the editor works for the user, through the real plug-in in the host:
//   ApplyToAllPages/N/nested  Apply "To All Pages" in the Page Geometry dialog on an N-page document held
//                             in memory (no save), with a flat page tree (nested 0) or one of nested Pages
//                             nodes ten wide (nested 1); pages/s, and the time per page;
//   DragStep                  one move of a drag on the page: the rectangle tool's feedback, the listeners
//                             and the dialog's four fields; the time per step;
//   LoadToReady/plugin        a host made and its plug-ins loaded until it is ready for the user (the
//                             editor's load, handshake, initialization and what it registers), without
//                             (0) or with (1) the editor; "first" is the first time, when the library
//                             is read from the disk and relocated.
// Run by hand, optimized: build/release/bin/editorbench.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "TestPdf.h"
#include "host/core/Host.h"
#include "host/script/HostScript.h"
#include "host/view/HostPageViewState.h"

namespace {

// Swallows what the host prints: the benchmark measures the editor, not the terminal.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
};

// Appends a Pages node over `pages` pages, each Kids array at most `width` long, and returns its object
// number; the root (no parent) holds the MediaBox.
int AddTree(std::vector<std::string>& objects, int pages, int width, int parent) {
    const int self = static_cast<int>(objects.size()) + 1;
    objects.emplace_back();
    std::string kids;
    if (pages <= width) {
        for (int i = 0; i < pages; ++i) {
            kids += std::to_string(objects.size() + 1) + " 0 R ";
            objects.push_back("<< /Type /Page /Parent " + std::to_string(self) + " 0 R /TrimBox [36 36 576 756] >>");
        }
    } else {
        const int chunk = (pages + width - 1) / width;
        for (int done = 0; done < pages; done += chunk) {
            kids += std::to_string(AddTree(objects, std::min(chunk, pages - done), width, self)) + " 0 R ";
        }
    }
    objects[static_cast<std::size_t>(self) - 1] =
        "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) +
        (parent == 0 ? " /MediaBox [0 0 612 792] >>" : " /Parent " + std::to_string(parent) + " 0 R >>");
    return self;
}

// A flat page tree, or one nested ten wide.
std::vector<std::string> Document(int pages, bool nested) {
    std::vector<std::string> objects = {"<< /Type /Catalog /Pages 2 0 R >>"};
    AddTree(objects, pages, nested ? 10 : pages, 0);
    return objects;
}

// A host with the built plug-in and a document open in front, driven as the user would.
class Session {
public:
    explicit Session(const std::vector<std::string>& document) : m_out(&m_null) {
        std::filesystem::create_symlink(std::string(GEOM_BIN_DIR) + "/Geometry.api", m_plugins.Path("Geometry.api"));
        WritePdf(m_files.Path("bench.pdf"), document);
        m_host = std::make_unique<Host>(HostConfig(), m_out);
        m_host->LoadPlugins(m_plugins.Path());
        m_host->FinishStartup();
        m_script = std::make_unique<HostScript>(*m_host);
        m_ok = m_script->Open(m_files.Path("bench.pdf"));
    }
    ~Session() {
        m_script.reset();
        m_host->Quit();
    }
    bool Run(const std::string& lines) {
        std::istringstream in(lines);
        return m_ok && m_script->Run(in);
    }
    Host& GetHost() { return *m_host; }

private:
    NullBuffer m_null;
    std::ostream m_out;
    TestFolder m_plugins;
    TestFolder m_files;
    std::unique_ptr<Host> m_host;
    std::unique_ptr<HostScript> m_script;
    bool m_ok = false;
};

void ApplyToAllPages(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    Session session(Document(pages, state.range(1) != 0));
    if (!session.Run("button ORBA:EXGM_GeomToolButton\nchoose #1009 Coordinates\nchoose #1007 \"To All Pages\"")) {
        return state.SkipWithError("the dialog does not open");
    }
    int left = 40;
    for (auto _ : state) {
        // A new value each time, so that every page is written.
        if (!session.Run("type #1004 " + std::to_string(left++ % 100) + "\npress #1001")) {
            return state.SkipWithError("Apply fails");
        }
    }
    const double written = static_cast<double>(pages) * static_cast<double>(state.iterations());
    state.counters["pages/s"] = benchmark::Counter(written, benchmark::Counter::kIsRate);
    state.counters["s/page"] = benchmark::Counter(written, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(ApplyToAllPages)
    ->ArgsProduct({{1000, 10000}, {0, 1}})
    ->ArgNames({"pages", "nested"})
    ->Unit(benchmark::kMillisecond);

void DragStep(benchmark::State& state) {
    Session session(Document(1, false));
    if (!session.Run("button ORBA:EXGM_GeomToolButton")) return state.SkipWithError("the dialog does not open");
    HostPageViewState& view = *session.GetHost().DocViews().FrontPageView();
    // The TrimBox's left edge lies at x 36: drag it across the page and back, one pixel a step.
    const int steps = 400;
    const auto there = HostPageViews::Path({36, 300}, {436, 300}, steps);
    const auto back = HostPageViews::Path({436, 300}, {36, 300}, steps);
    bool forth = true;
    for (auto _ : state) {
        if (!session.GetHost().PageViews().Drag(view, forth ? there : back, 0)) {
            return state.SkipWithError("the tool does not take the drag");
        }
        forth = !forth;
        view.TakeDrawn();
    }
    const double moves = static_cast<double>(steps) * static_cast<double>(state.iterations());
    state.counters["s/step"] = benchmark::Counter(moves, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(DragStep)->Unit(benchmark::kMillisecond);

void LoadToReady(benchmark::State& state) {
    TestFolder plugins;
    if (state.range(0) != 0) {
        std::filesystem::create_symlink(std::string(GEOM_BIN_DIR) + "/Geometry.api", plugins.Path("Geometry.api"));
    }
    NullBuffer null;
    std::ostream out(&null);
    std::optional<Host> host;
    const auto ready = [&] {
        host.emplace(HostConfig(), out);
        host->LoadPlugins(plugins.Path());
        host->FinishStartup();
    };
    const auto start = std::chrono::steady_clock::now();
    ready();
    state.counters["first"] = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    host->Quit();
    host.reset();
    for (auto _ : state) {
        ready();
        state.PauseTiming();
        host->Quit();
        host.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadToReady)->Arg(0)->Arg(1)->ArgName("plugin")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
