// The settings editor's pages: building the page with the most controls (parsing its
// settings' layout texts and loading their values), loading the values again as OK
// does, and opening every page as a user walking the whole tree would.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/Settings.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/DialogResources.h"
#include "ui/SettingsEditor.h"

namespace {

ListedDialogResources& Resources() {
    static ListedDialogResources resources = ListedDialogResources::Sample();
    return resources;
}

void CollectPages(const SettingsSection& node, std::vector<String>& pages) {
    if (node.IsPage()) pages.push_back(node.path);
    for (const SettingsSection& child : node.children) CollectPages(child, pages);
}

std::vector<String> AllPages() {
    std::vector<String> pages;
    CollectPages(BuildSettingsTree(), pages);
    return pages;
}

String LargestPage() {
    String largest;
    int32_t most = -1;
    for (const String& path : AllPages()) {
        SettingsPage page(path, Resources());
        if (page.Controls().Count() > most) {
            most = page.Controls().Count();
            largest = path;
        }
    }
    return largest;
}

void BM_BuildLargestPage(benchmark::State& state) {
    RegisterFrameworkSettings();
    const String path = LargestPage();
    int32_t controls = 0;
    for (auto _ : state) {
        SettingsPage page(path, Resources());
        controls = page.Controls().Count();
        benchmark::DoNotOptimize(page);
    }
    state.counters["controls"] = controls;
}
BENCHMARK(BM_BuildLargestPage);

void BM_LoadLargestPage(benchmark::State& state) {
    RegisterFrameworkSettings();
    SettingsPage page(LargestPage(), Resources());
    for (auto _ : state) {
        page.Load();
        benchmark::DoNotOptimize(page.Controls());
    }
    state.counters["controls"] = page.Controls().Count();
}
BENCHMARK(BM_LoadLargestPage);

void BM_OpenEveryPage(benchmark::State& state) {
    RegisterFrameworkSettings();
    const std::vector<String> pages = AllPages();
    for (auto _ : state) {
        SettingsEditor editor(Resources());
        for (const String& path : pages) benchmark::DoNotOptimize(editor.Page(path));
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kSettingCount);
}
BENCHMARK(BM_OpenEveryPage);

}  // namespace

int main(int argc, char** argv) {
    InstallHeadlessPlatform();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
