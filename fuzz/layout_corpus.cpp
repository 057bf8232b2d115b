// Writes the layout text of every framework setting into the folder given, one file
// each, as the seed corpus of layout_fuzz.
#include <cstdio>
#include <string>

#include "core/Settings.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: layout_corpus <folder>\n");
        return 2;
    }
    RegisterFrameworkSettings();
    for (int32_t i = 0; i < kSettingCount; ++i) {
        std::string path = std::string(argv[1]) + "/setting-" + std::to_string(i);
        FILE* f = std::fopen(path.c_str(), "wb");
        const char* layout = FrameworkSetting(i).layout;
        if (!f || std::fputs(layout, f) < 0 || std::fclose(f) != 0) {
            std::fprintf(stderr, "layout_corpus: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
