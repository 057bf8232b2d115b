// The paragraph tools on a million lines and BASE64 on 100 MB. Set NIVORA_BENCH_DUMP
// to a folder to have the inputs written there, for timing sort, tac, shuf, awk and
// coreutils base64 on the same bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "core/String.h"
#include "editbox/Encoders.h"
#include "editbox/TextTools.h"

namespace {

constexpr int kLines = 1000000;
constexpr int32_t kBase64Bytes = 100 * 1000 * 1000;

void Dump(const char* name, const String& text) {
    const char* folder = std::getenv("NIVORA_BENCH_DUMP");
    if (!folder) return;
    std::string path = std::string(folder) + "/" + name;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.c_str(), 1, size_t(text.Length()), f);
        std::fclose(f);
    }
}

// Lines of one to eight words; `distinct` bounds how many different lines occur.
String MakeLines(int count, int distinct, uint32_t seed) {
    static const char* const kWords[] = {"alpha", "Bravo", "charlie", "delta", "Echo", "foxtrot",
                                         "golf", "hotel", "India", "juliet", "kilo", "lima",
                                         "Mike", "november", "oscar", "papa"};
    std::mt19937 rng(seed);
    std::string text;
    text.reserve(size_t(count) * 48);
    for (int i = 0; i < count; ++i) {
        std::mt19937 line(uint32_t(rng() % uint32_t(distinct)));
        int words = 1 + int(line() % 8);
        for (int w = 0; w < words; ++w) {
            if (w) text += ' ';
            text += kWords[line() % 16];
            text += std::to_string(line() % 1000);
        }
        text += '\n';
    }
    return String(text.data(), int32_t(text.size()));
}

const String& Lines() {
    static const String lines = [] {
        String s = MakeLines(kLines, kLines, 1);
        Dump("lines.txt", s);
        return s;
    }();
    return lines;
}

const String& LinesWithDuplicates() {
    static const String lines = [] {
        String s = MakeLines(kLines, kLines / 4, 2);
        Dump("duplicates.txt", s);
        return s;
    }();
    return lines;
}

const String& Binary() {
    static const String data = [] {
        String s;
        char* p = s.SetLength(kBase64Bytes);
        std::mt19937 rng(3);
        for (int32_t i = 0; i + 4 <= kBase64Bytes; i += 4) {
            uint32_t v = rng();
            p[i] = char(v);
            p[i + 1] = char(v >> 8);
            p[i + 2] = char(v >> 16);
            p[i + 3] = char(v >> 24);
        }
        Dump("binary.dat", s);
        return s;
    }();
    return data;
}

const String& Base64Text() {
    static const String text = [] {
        String s(Binary());
        Base64Encode(s);
        Dump("binary.b64", s);
        return s;
    }();
    return text;
}

void RunTool(benchmark::State& state, const String& input, bool (*tool)(String&)) {
    for (auto _ : state) {
        state.PauseTiming();
        String text(input);
        state.ResumeTiming();
        bool ok = tool(text);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(text.Data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * input.Length());
}

void BM_Alphabetize(benchmark::State& state) { RunTool(state, Lines(), Alphabetize); }
void BM_ReverseParagraphs(benchmark::State& state) { RunTool(state, Lines(), ReverseParagraphs); }
void BM_RandomizeParagraphs(benchmark::State& state) { RunTool(state, Lines(), RandomizeParagraphs); }
void BM_DiscardDuplicates(benchmark::State& state) {
    RunTool(state, LinesWithDuplicates(), DiscardDuplicateParagraphs);
}
void BM_Base64Encode(benchmark::State& state) {
    RunTool(state, Binary(), [](String& s) { return Base64Encode(s); });
}
void BM_Base64Decode(benchmark::State& state) { RunTool(state, Base64Text(), Base64Decode); }

}  // namespace

BENCHMARK(BM_Alphabetize)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReverseParagraphs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomizeParagraphs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiscardDuplicates)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Base64Encode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Base64Decode)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
