// Figures for the editbox on document-sized texts: the first screen after loading,
// laying out everything with and without wrapping, typing at the end (next to the
// memcpy of the text that every undo snapshot costs), and Ctrl+End.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "editbox/Editbox.h"
#include "platform/Window.h"
#include "platform/headless/HeadlessFont.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/headless/HeadlessSurface.h"

namespace {

constexpr int32_t kMB = 1024 * 1024;
constexpr int32_t kClientWidth = 1000;
constexpr int32_t kClientHeight = 800;

// Prose: words of two to eleven letters, paragraphs of one to twenty lines' worth,
// CR LF breaks, so that wrapping has real work to do.
String MakeDocument(int32_t size) {
    String text;
    text.SetLength(size);
    char* p = text.Data();
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    int32_t i = 0;
    int32_t paragraph = 0;
    int32_t paragraphLength = 0;
    while (i < size) {
        if (paragraph >= paragraphLength && i + 2 <= size) {
            p[i++] = '\r';
            p[i++] = '\n';
            paragraph = 0;
            paragraphLength = 60 + int32_t(next(1200));
            continue;
        }
        int32_t word = 2 + int32_t(next(10));
        for (int32_t k = 0; k < word && i < size; ++k, ++paragraph) p[i++] = char('a' + next(26));
        if (i < size) {
            p[i++] = ' ';
            ++paragraph;
        }
    }
    return text;
}

class NullHost : public ViewHost {
public:
    void InvalidateAll() override {}
    void InvalidateArea(const Rect&) override {}
    void ScrollStateChanged() override {}
    void PlaceCaret(int32_t, int32_t, int32_t, int32_t) override {}
    void SetCursor(ViewCursor) override {}
    void CaptureMouse(bool) override {}
    int32_t DragText(const String&, int32_t) override { return 0; }
};

struct Fixture {
    explicit Fixture(bool wrap) : box(1 | kEditboxMultiLine | kEditboxTabs) {
        box.SetFonts(std::make_unique<HeadlessProportionalFont>(),
                     std::make_unique<HeadlessMonospaceFont>());
        box.SetWordWrap(wrap);
        box.SetViewHost(&host);
        box.OnSize(kClientWidth, kClientHeight);
        box.OnFocus(true);
    }
    NullHost host;
    Editbox box;
};

void BM_FirstScreenAfterLoad100MB(benchmark::State& state) {
    Fixture fixture(true);
    String document = MakeDocument(100 * kMB);
    for (auto _ : state) {
        fixture.box.TakeText(document);
        HeadlessSurface surface(Rect{0, 0, kClientWidth, kClientHeight});
        fixture.box.Paint(surface);
        benchmark::DoNotOptimize(surface.Runs().data());
        state.PauseTiming();
        fixture.box.TakeText(document);  // hand the document back for the next round
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstScreenAfterLoad100MB)->Unit(benchmark::kMillisecond);

void BM_FullLayout100MB(benchmark::State& state) {
    bool wrap = state.range(0) != 0;
    Fixture fixture(wrap);
    String document = MakeDocument(100 * kMB);
    fixture.box.TakeText(document);
    int32_t lines = 0;
    for (auto _ : state) {
        fixture.box.Box().InvalidateLayout();
        lines = fixture.box.Box().LineCount();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = lines;
    state.SetBytesProcessed(int64_t(state.iterations()) * 100 * kMB);
}
BENCHMARK(BM_FullLayout100MB)->ArgName("wrap")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TypeCharAtEnd(benchmark::State& state) {
    int32_t size = int32_t(state.range(0)) * kMB;
    Fixture fixture(true);
    String document = MakeDocument(size);
    fixture.box.TakeText(document);
    fixture.box.MoveCaret(kKeyEnd, kModCtrl);
    // Fill the undo list first: the figure is for typing in a session, where each
    // snapshot reuses the buffer of the one that drops out.
    for (int32_t i = 0; i <= Editbox::kUndoMinimumRecords; ++i) fixture.box.InsertChar('x');
    for (auto _ : state) {
        fixture.box.InsertChar('x');
    }
    state.counters["undo records"] = fixture.box.UndoCount();
}
BENCHMARK(BM_TypeCharAtEnd)->ArgName("MB")->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// The yardstick for typing: one copy of the whole text into a buffer that has been
// written before.
void BM_MemcpyText(benchmark::State& state) {
    size_t size = size_t(state.range(0)) * kMB;
    std::vector<char> source(size, 'a');
    std::vector<char> copy(size, 'b');
    for (auto _ : state) {
        std::memcpy(copy.data(), source.data(), size);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyText)->ArgName("MB")->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_CtrlEnd100MB(benchmark::State& state) {
    bool wrap = state.range(0) != 0;
    Fixture fixture(wrap);
    String document = MakeDocument(100 * kMB);
    fixture.box.TakeText(document);
    for (auto _ : state) {
        state.PauseTiming();
        fixture.box.Box().InvalidateLayout();
        fixture.box.SetCaret(0, true);
        state.ResumeTiming();
        fixture.box.MoveCaret(kKeyEnd, kModCtrl);
    }
    state.counters["caret line"] = fixture.box.CaretLine();
}
BENCHMARK(BM_CtrlEnd100MB)->ArgName("wrap")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    InstallHeadlessPlatform();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
