// How fast the editor reads what the user types and the boxes of large documents:
//   Lexer/N        a page's worth of PDF syntax fed in chunks of N bytes (one byte at a time is what a
//                  typed field gives the lexer at worst);
//   ParseFixed     one typed number, as the dialogs read each field;
//   ReadBoxes/N    the five effective boxes of every page of an N-page document with inherited boxes, as
//                  applying a box to all pages reads them first.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "EXGM/EXGM_CosLexer.h"
#include "EXGM/EXGM_Utils.h"
#include "HostTestTables.h"
#include "PDFL/PDFL_PDCalls5.h"
#include "TestPdf.h"

namespace {

std::string SyntaxSample() {
    std::string text;
    while (text.size() < 64 * 1024) {
        text += "/MediaBox [0 0 612.5 792] /Name#20Space (a (nested) string\\n) <48656C6C6F> true 42 -7.25 % c\n";
    }
    return text;
}

void Lexer(benchmark::State& state) {
    HostTestTables tables;
    const std::string text = SyntaxSample();
    const auto chunk = static_cast<std::size_t>(state.range(0));
    int64_t tokens = 0;
    for (auto _ : state) {
        EXGM_CosLexer lexer;
        for (std::size_t at = 0; at < text.size(); at += chunk) {
            lexer.SetInput(text.data() + at, static_cast<uint32_t>(std::min(chunk, text.size() - at)));
            for (EXGM_CosLexer::LexerToken token; (token = lexer.NextToken()) != EXGM_CosLexer::TokenMoreData;) {
                ++tokens;
                if (token == EXGM_CosLexer::TokenError) state.SkipWithError("the sample does not lex");
            }
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
    state.counters["tokens/s"] = benchmark::Counter(static_cast<double>(tokens), benchmark::Counter::kIsRate);
}
BENCHMARK(Lexer)->Arg(1)->Arg(64)->Arg(4096);

void ParseFixed(benchmark::State& state) {
    HostTestTables tables;
    Fixed value = 0;
    for (auto _ : state) {
        if (!EXGM_ParseFixed("  540.25 ", &value)) state.SkipWithError("540.25 does not parse");
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(ParseFixed);

void ReadBoxes(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    std::vector<std::string> objects = {"<< /Type /Catalog /Pages 2 0 R >>", ""};
    std::string kids;
    for (int i = 0; i < pages; ++i) {
        kids += std::to_string(i + 3) + " 0 R ";
        objects.push_back(i % 2 == 0
                              ? "<< /Type /Page /Parent 2 0 R >>"
                              : "<< /Type /Page /Parent 2 0 R /CropBox [9 9 603 783] /TrimBox [18 18 594 774] >>");
    }
    objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) + " /MediaBox [0 0 612 792] >>";
    TestFolder folder;
    WritePdf(folder.Path("big.pdf"), objects);
    HostTestTables tables;
    const HostDoc doc = tables.host.Documents().Open(folder.Path("big.pdf"));
    if (doc == HostDoc::None) return state.SkipWithError("the document does not open");
    FixedRect box{};
    for (auto _ : state) {
        for (int number = 0; number < pages; ++number) {
            const HostPage page = Model_AcquirePage(doc, number);
            for (int kind = 0; kind < kBoxKindCount; ++kind) EXGM_GetBox(page, static_cast<BoxKind>(kind), &box);
            Model_ReleasePage(page);
        }
        benchmark::DoNotOptimize(box);
    }
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages) * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(ReadBoxes)->Arg(100)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
