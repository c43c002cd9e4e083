// How fast geomview follows the mouse: one move of a drag on the page of a 10,000-page document, from the
// mouse's new position to a repainted view (the rectangle tool's feedback, the dialog's fields, the page
// view's picture painted). Qt's offscreen platform; run by hand, optimized: build/release/bin/viewbench.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <ostream>
#include <string>
#include <vector>

#include "TestPdf.h"
#include "desktop/GeomDesktop.h"
#include "desktop/GeomMainWindow.h"
#include "desktop/GeomPageView.h"
#include "desktop/GeomWindowView.h"
#include "host/core/Host.h"
#include "host/view/HostPageViewState.h"

namespace {

class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
};

std::vector<std::string> Pages(int count) {
    std::vector<std::string> objects = {"<< /Type /Catalog /Pages 2 0 R >>", ""};
    std::string kids;
    for (int i = 0; i < count; ++i) {
        kids += std::to_string(i + 3) + " 0 R ";
        objects.push_back("<< /Type /Page /Parent 2 0 R /TrimBox [36 36 576 756] >>");
    }
    objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(count) + " /MediaBox [0 0 612 792] >>";
    return objects;
}

void DragStepRepainted(benchmark::State& state) {
    NullBuffer null;
    std::ostream out(&null);
    TestFolder folder;
    WritePdf(folder.Path("bench.pdf"), Pages(static_cast<int>(state.range(0))));
    Host host(HostConfig(), out);
    host.LoadPlugins(GEOM_BIN_DIR);
    host.FinishStartup();
    {
        GeomMainWindow window(host);
        window.show();
        if (!window.OpenFile(QString::fromStdString(folder.Path("bench.pdf"))) ||
            host.Toolbars().Click("ORBA:EXGM_GeomToolButton") != HostClickResult::Executed) {
            state.SkipWithError("the document or the dialog does not open");
        }
        window.Desktop().Sync();
        HostPageViewState& view = *host.DocViews().FrontPageView();
        // As geomview does at every poll: the view and the dialog painted before the mouse moves on (grabbed,
        // since an offscreen window is never exposed and a repaint would paint nothing).
        GeomWindowView* dialog = window.Desktop().ViewOf("Page Geometry");
        if (dialog == nullptr) return state.SkipWithError("no dialog on the screen");
        host.PageViews().SetPollObserver([&] {
            window.PageView().grab();
            window.Desktop().Sync();
            dialog->grab();
        });
        const int steps = 200;
        const auto there = HostPageViews::Path({36, 300}, {236, 300}, steps);
        const auto back = HostPageViews::Path({236, 300}, {36, 300}, steps);
        bool forth = true;
        for (auto _ : state) {
            host.PageViews().Drag(view, forth ? there : back, 0);
            forth = !forth;
            view.TakeDrawn();
        }
        host.PageViews().SetPollObserver(nullptr);
        const double moves = static_cast<double>(steps) * static_cast<double>(state.iterations());
        state.counters["s/move"] = benchmark::Counter(moves, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    }
    host.Quit();
}
BENCHMARK(DragStepRepainted)->Arg(10000)->ArgName("pages")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
