#include "editbox/EncodersShared.h"

#include <cstdint>
#include <cstring>
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

int32_t CopyUpTo(char* p, int32_t n, char marker, int32_t& from, int32_t& to) {
    const void* hit = std::memchr(p + from, marker, size_t(n - from));
    const int32_t at = hit ? int32_t(static_cast<const char*>(hit) - p) : n;
    if (to != from) std::memmove(p + to, p + from, size_t(at - from));
    to += at - from;
    from = at;
    return at;
}

}  // namespace encoding
