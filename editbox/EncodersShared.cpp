#include "editbox/EncodersShared.h"

#include <cstdint>
#include <utility>

namespace encoding {

char* PrepareOutput(String& out, int64_t length) {
    // The String keeps up to 4096 spare bytes past a large text.
    if (length <= 0 || length > INT32_MAX - 4096 - 2) return nullptr;
    return out.SetLength(int32_t(length));
}

char* GrowInPlace(String& text, int64_t length) {
    if (length <= text.Length() || length > INT32_MAX - 4096 - 2) return nullptr;
    return text.SetLength(int32_t(length));
}

void TakeOutput(String& text, String& out, int64_t written) {
    CutTo(out, written);
    text = std::move(out);
}

void CutTo(String& text, int64_t written) {
    if (written <= 0)
        text.Clear();
    else if (written < text.Length())
        text.SetLength(int32_t(written));
}

}  // namespace encoding
