// Figures for a document of 100 MB: loading it (one read into a String sized once,
// the text handed to the editbox without a copy, one copy kept as the saved text),
// saving it by name and through the lock, and the modified test a close runs.
#include <benchmark/benchmark.h>

#include "app/Document.h"
#include "editbox/Editbox.h"
#include "platform/FileSystem.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

constexpr int32_t kSize = 100 * 1024 * 1024;

class BenchHost : public DocumentHost {
public:
    void DocumentNameChanged() override {}
    void FileHistoryChanged() override {}
    bool CanAskUser() override { return false; }
    void RememberPosition() override {}
    void RestorePosition() override {}
};

String BenchFile() {
    static String name;
    if (name.IsEmpty()) {
        FileSystem& fs = TheFileSystem();
        name = fs.Folder(SpecialFolder::kTemp);
        name.Append(fs.PathSeparator());
        name.Append("nivora-bench-document.txt");
        String text;
        char* p = text.SetLength(kSize);
        for (int32_t i = 0; i < kSize; ++i) p[i] = (i % 64 == 63) ? '\n' : char('a' + i % 26);
        File::WriteAll(name, text.c_str(), text.Length());
    }
    return name;
}

void BM_Load100MB(benchmark::State& state) {
    String name = BenchFile();
    BenchHost host;
    Editbox editbox(1 | kEditboxMultiLine);
    Document document(host, &editbox);
    document.Settings().lockFile = state.range(0) != 0;
    for (auto _ : state) {
        document.CloseDocument();
        benchmark::DoNotOptimize(document.LoadByName(name));
    }
}
BENCHMARK(BM_Load100MB)->ArgName("locked")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Save100MB(benchmark::State& state) {
    String name = BenchFile();
    BenchHost host;
    Editbox editbox(1 | kEditboxMultiLine);
    Document document(host, &editbox);
    document.Settings().lockFile = state.range(0) != 0;
    document.LoadByName(name);
    for (auto _ : state) benchmark::DoNotOptimize(document.SaveTo(name));
}
BENCHMARK(BM_Save100MB)->ArgName("locked")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_IsModified100MB(benchmark::State& state) {
    String name = BenchFile();
    BenchHost host;
    Editbox editbox(1 | kEditboxMultiLine);
    Document document(host, &editbox);
    document.LoadByName(name);
    for (auto _ : state) benchmark::DoNotOptimize(document.IsModified());
}
BENCHMARK(BM_IsModified100MB)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    InstallHeadlessPlatform();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    File::Delete(BenchFile(), 0);
    benchmark::Shutdown();
    return 0;
}
