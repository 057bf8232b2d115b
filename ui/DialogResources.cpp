#include "ui/DialogResources.h"

#include "core/Fatal.h"

namespace {
DialogResources* installed = nullptr;
}

std::vector<String> ListedDialogResources::FontFaces(int32_t kindMask) const {
    std::vector<String> names;
    for (const Face& face : faces_)
        if (face.kinds & kindMask) names.push_back(face.name);
    return names;
}

ListedDialogResources ListedDialogResources::Sample() {
    return ListedDialogResources(
        {{"Western", 0, {}}, {"Symbol", 2, {}}, {"Greek", 161, {}}, {"Cyrillic", 204, {}}},
        {{"Courier New", kFontKindTrueType | kFontKindFixed},
         {"Arial", kFontKindTrueType | kFontKindVariable},
         {"Terminal", kFontKindRaster | kFontKindFixed},
         {"MS Sans Serif", kFontKindRaster | kFontKindVariable},
         {"Printer Gothic", kFontKindDevice | kFontKindVariable}});
}

DialogResources& TheDialogResources() {
    if (!installed) FatalInternal("cv_dialog", __LINE__);
    return *installed;
}

DialogResources* InstallDialogResources(DialogResources* resources) {
    DialogResources* previous = installed;
    installed = resources;
    return previous;
}
