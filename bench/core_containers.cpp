// Figures for the value library on document-sized data: typing at the end of a 100 MB
// text, and a million-key hash table.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/HashTable.h"
#include "core/String.h"
#include "core/Vector.h"

namespace {

constexpr int32_t kDocument = 100 * 1024 * 1024;
constexpr int kKeys = 1000000;

String MakeDocument() {
    String text;
    text.SetLength(kDocument);
    char* p = text.Data();
    for (int32_t i = 0; i < kDocument; ++i) p[i] = (i % 80 == 79) ? '\n' : char('a' + i % 26);
    return text;
}

std::vector<String> MakeKeys() {
    std::vector<String> keys;
    keys.reserve(kKeys);
    for (int i = 0; i < kKeys; ++i) keys.push_back(String::Formatted("key-%u", unsigned(i) * 7919u));
    return keys;
}

void BM_StringAppendCharAt100MB(benchmark::State& state) {
    String text = MakeDocument();
    for (auto _ : state) {
        text.Append('x');
        benchmark::DoNotOptimize(text.Data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StringAppendCharAt100MB);

void BM_StringAppendLineAt100MB(benchmark::State& state) {
    String text = MakeDocument();
    String line("the quick brown fox jumps over the lazy dog\r\n");
    for (auto _ : state) {
        text.Append(line);
        benchmark::DoNotOptimize(text.Data());
    }
    state.SetBytesProcessed(state.iterations() * line.Length());
}
BENCHMARK(BM_StringAppendLineAt100MB);

void BM_StringInsertCharNearEndOf100MB(benchmark::State& state) {
    String text = MakeDocument();
    for (auto _ : state) {
        text.Insert(text.Length() - 1000, 'x');
        benchmark::DoNotOptimize(text.Data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StringInsertCharNearEndOf100MB);

void BM_HashTableInsert1MStringKeys(benchmark::State& state) {
    std::vector<String> keys = MakeKeys();
    for (auto _ : state) {
        HashTable<int, String> table;
        for (int i = 0; i < kKeys; ++i) table.FindOrAdd(keys[size_t(i)]) = i;
        benchmark::DoNotOptimize(table.Count());
    }
    state.SetItemsProcessed(state.iterations() * kKeys);
}
BENCHMARK(BM_HashTableInsert1MStringKeys)->Unit(benchmark::kMillisecond);

void BM_HashTableFind1MStringKeys(benchmark::State& state) {
    std::vector<String> keys = MakeKeys();
    HashTable<int, String> table;
    for (int i = 0; i < kKeys; ++i) table.FindOrAdd(keys[size_t(i)]) = i;
    for (auto _ : state) {
        int64_t sum = 0;
        for (const String& key : keys) sum += *table.Find(key);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kKeys);
}
BENCHMARK(BM_HashTableFind1MStringKeys)->Unit(benchmark::kMillisecond);

void BM_HashTableInsertFind1MIntKeys(benchmark::State& state) {
    for (auto _ : state) {
        HashTable<int, int32_t> table;
        for (int32_t i = 0; i < kKeys; ++i) table.FindOrAdd(int32_t(uint32_t(i) * 7919u)) = i;
        int64_t sum = 0;
        for (int32_t i = 0; i < kKeys; ++i) sum += *table.Find(int32_t(uint32_t(i) * 7919u));
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kKeys * 2);
}
BENCHMARK(BM_HashTableInsertFind1MIntKeys)->Unit(benchmark::kMillisecond);

void BM_VectorAppendAndPopFront(benchmark::State& state) {
    // A queue: Vector keeps room in front, so removals at 0 do not move the rest.
    Vector<int> queue;
    for (int i = 0; i < 100000; ++i) queue.Append(i);
    for (auto _ : state) {
        queue.Append(1);
        queue.Remove(0);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_VectorAppendAndPopFront);

}  // namespace

BENCHMARK_MAIN();
