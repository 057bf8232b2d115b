// Parsing and laying out settings pages: the largest page (every setting of the
// section with the most settings, appended as the settings editor builds it) and each
// of the framework's layout texts on its own.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "core/Settings.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/DialogLanguage.h"
#include "ui/DialogResources.h"
#include "ui/FlowLayout.h"

namespace {

ListedDialogResources& Resources() {
    static ListedDialogResources resources = ListedDialogResources::Sample();
    return resources;
}

String LargestPage() {
    RegisterFrameworkSettings();
    std::map<std::string, int32_t> counts;
    for (int32_t i = 0; i < kSettingCount; ++i) ++counts[FrameworkSetting(i).section];
    std::string largest;
    for (const auto& [section, count] : counts)
        if (largest.empty() || count > counts[largest]) largest = section;
    String page;
    for (int32_t i = 0; i < kSettingCount; ++i) {
        if (largest != FrameworkSetting(i).section) continue;
        if (!page.IsEmpty()) page.Append("; ");
        page.Append(FrameworkSetting(i).layout);
    }
    return page;
}

void BM_ParseLargestPage(benchmark::State& state) {
    const String page = LargestPage();
    int32_t controls = 0;
    for (auto _ : state) {
        Dialog dialog;
        if (!ParseLayout(dialog, page, Resources())) state.SkipWithError("page does not parse");
        controls = dialog.Count();
        benchmark::DoNotOptimize(dialog);
    }
    state.counters["controls"] = controls;
    state.SetBytesProcessed(int64_t(state.iterations()) * page.Length());
}
BENCHMARK(BM_ParseLargestPage);

void BM_LayOutLargestPage(benchmark::State& state) {
    Dialog dialog;
    ParseLayout(dialog, LargestPage(), Resources());
    const MonospaceControlMeasurer measurer;
    for (auto _ : state) {
        dialog.EvaluateDependencies();
        FlowLayoutResult result = FlowLayout(dialog, measurer, 640, 480, DialogGap(1.0));
        benchmark::DoNotOptimize(result);
    }
    state.counters["controls"] = dialog.Count();
}
BENCHMARK(BM_LayOutLargestPage);

void BM_ParseAndLayOutEverySetting(benchmark::State& state) {
    RegisterFrameworkSettings();
    const MonospaceControlMeasurer measurer;
    for (auto _ : state) {
        for (int32_t i = 0; i < kSettingCount; ++i) {
            Dialog dialog;
            ParseLayout(dialog, FrameworkSetting(i).layout, Resources());
            FlowLayoutResult result = FlowLayout(dialog, measurer, 640, 480, DialogGap(1.0));
            benchmark::DoNotOptimize(result);
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kSettingCount);
}
BENCHMARK(BM_ParseAndLayOutEverySetting);

}  // namespace

int main(int argc, char** argv) {
    InstallHeadlessPlatform();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
