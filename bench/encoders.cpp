// Every encoder and decoder, and the line tools, on 100 MB of mail-like text: each
// should run near memory speed.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

#include "core/String.h"
#include "editbox/Encoders.h"
#include "editbox/TextTools.h"

namespace {

constexpr int32_t kBytes = 100 * 1000 * 1000;

// Mostly ASCII words and lines of 20 to 100 characters, with a few high bytes and
// the characters the encoders escape.
const String& Text() {
    static const String text = [] {
        static const char kAlphabet[] = "etaoinshrdlucmfwypvbgkjqxzETAOIN      ..,,==&<>%+\xE9\xFC";
        String s;
        char* p = s.SetLength(kBytes);
        std::mt19937 rng(9);
        int32_t lineLeft = 0;
        for (int32_t i = 0; i < kBytes; ++i) {
            if (lineLeft-- == 0) {
                p[i] = '\n';
                lineLeft = 20 + int32_t(rng() % 80);
            } else {
                p[i] = kAlphabet[rng() % (sizeof(kAlphabet) - 1)];
            }
        }
        return s;
    }();
    return text;
}

// One encoded copy per encoder, made on first use.
template <bool (*Encode)(String&)>
const String& EncodedText() {
    static const String text = [] {
        String s(Text());
        Encode(s);
        return s;
    }();
    return text;
}

void Run(benchmark::State& state, const String& input, bool (*tool)(String&)) {
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

// The floor: copying the text into fresh memory, which every tool that builds a new
// text pays as well.
void BM_CopyText(benchmark::State& state) {
    for (auto _ : state) {
        String text(Text());
        benchmark::DoNotOptimize(text.Data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * Text().Length());
}

bool QpEncode(String& s) { return QuotedPrintableEncode(s); }
bool UrlEncodeAll(String& s) { return UrlEncode(s); }
bool HtmlEncodeAll(String& s) { return HtmlEncode(s); }

void BM_QuotedPrintableEncode(benchmark::State& state) { Run(state, Text(), QpEncode); }
void BM_QuotedPrintableDecode(benchmark::State& state) {
    Run(state, EncodedText<QpEncode>(), QuotedPrintableDecode);
}
void BM_Utf8Encode(benchmark::State& state) { Run(state, Text(), Utf8Encode); }
void BM_Utf8Decode(benchmark::State& state) { Run(state, EncodedText<Utf8Encode>(), Utf8Decode); }
void BM_Utf7Encode(benchmark::State& state) { Run(state, Text(), Utf7Encode); }
void BM_Utf7Decode(benchmark::State& state) { Run(state, EncodedText<Utf7Encode>(), Utf7Decode); }
void BM_UuEncode(benchmark::State& state) { Run(state, Text(), UuEncode); }
void BM_UuDecode(benchmark::State& state) { Run(state, EncodedText<UuEncode>(), UuDecode); }
void BM_HexEncode(benchmark::State& state) { Run(state, Text(), HexEncode); }
void BM_HexDecode(benchmark::State& state) { Run(state, EncodedText<HexEncode>(), HexDecode); }
void BM_UrlEncode(benchmark::State& state) { Run(state, Text(), UrlEncodeAll); }
void BM_UrlDecode(benchmark::State& state) { Run(state, EncodedText<UrlEncodeAll>(), UrlDecode); }
void BM_HtmlEncode(benchmark::State& state) { Run(state, Text(), HtmlEncodeAll); }
void BM_HtmlDecode(benchmark::State& state) { Run(state, EncodedText<HtmlEncodeAll>(), HtmlDecode); }
void BM_TitleCase(benchmark::State& state) { Run(state, Text(), ToTitleCase); }
void BM_SentenceCase(benchmark::State& state) { Run(state, Text(), ToSentenceCase); }
void BM_TrimTrailingSpaces(benchmark::State& state) { Run(state, Text(), TrimTrailingSpaces); }
void BM_NormalizeSpaces(benchmark::State& state) { Run(state, Text(), NormalizeSpaces); }
void BM_IndentWithTab(benchmark::State& state) { Run(state, Text(), IndentWithTab); }
void BM_Unindent(benchmark::State& state) { Run(state, Text(), Unindent); }
void BM_ReverseCharacters(benchmark::State& state) { Run(state, Text(), ReverseCharacters); }

}  // namespace

BENCHMARK(BM_CopyText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuotedPrintableEncode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuotedPrintableDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Utf8Encode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Utf8Decode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Utf7Encode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Utf7Decode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UuEncode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UuDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HexEncode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HexDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UrlEncode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UrlDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlEncode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TitleCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SentenceCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrimTrailingSpaces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormalizeSpaces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndentWithTab)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Unindent)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReverseCharacters)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
