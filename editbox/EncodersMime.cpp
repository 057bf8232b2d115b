#include <cstdint>
#include <cstring>
#include <utility>

#include "editbox/Encoders.h"
#include "editbox/EncodersShared.h"

namespace {

// Finds "ab" at or after `from`; -1 when absent.
int32_t FindPair(const char* p, int32_t from, int32_t n, char a, char b) {
    for (int32_t i = from; i + 1 < n; ++i) {
        const void* hit = std::memchr(p + i, a, size_t(n - 1 - i));
        if (!hit) return -1;
        i = int32_t(static_cast<const char*>(hit) - p);
        if (p[i + 1] == b) return i;
    }
    return -1;
}

// The bytes of one encoded word's payload, in the word's own character set.
bool DecodeWord(char kind, const char* payload, int32_t length, String& word) {
    if (!word.Assign(payload, length)) return false;
    if (kind == 'B' || kind == 'b') {
        if (!Base64Decode(word)) return false;
        encoding::CutTo(word, int32_t(std::strlen(word.c_str())));
        return true;
    }
    word.ReplaceChar('_', ' ');
    return QuotedPrintableDecode(word);
}

}  // namespace

bool MimeHeaderDecode(String& text, String* charsetOut) {
    const int32_t n = text.Length();
    const char* p = text.c_str();
    if (charsetOut) charsetOut->Clear();
    String out;
    char* o = nullptr;
    String word;
    int32_t copied = 0;  // text before this index is already in `out`
    for (;;) {
        int32_t open = FindPair(p, copied, n, '=', '?');
        if (open < 0) break;
        int32_t charsetStart = open + 2;
        const void* question = std::memchr(p + charsetStart, '?', size_t(n - charsetStart));
        if (!question) break;
        int32_t charsetEnd = int32_t(static_cast<const char*>(question) - p);
        if (charsetEnd + 2 >= n || p[charsetEnd + 2] != '?') break;
        char kind = p[charsetEnd + 1];
        if (kind != 'B' && kind != 'b' && kind != 'Q' && kind != 'q') break;
        int32_t payloadStart = charsetEnd + 3;
        int32_t close = FindPair(p, payloadStart, n, '?', '=');
        if (close < 0) break;

        if (!DecodeWord(kind, p + payloadStart, close - payloadStart, word)) return false;
        const char* charset = p + charsetStart;
        int32_t charsetLength = charsetEnd - charsetStart;
        // A word that does not fully decode still gives the best text there is.
        if (IsUtf7Charset(charset, charsetLength))
            Utf7Decode(word);
        else if (IsUtf8Charset(charset, charsetLength))
            Utf8Decode(word);
        if (charsetOut && !charsetOut->Assign(charset, charsetLength)) return false;

        // A decoded word is shorter than its encoded form, so the text's length bounds
        // the result.
        if (!o && !(o = encoding::PrepareOutput(out, n))) return false;
        std::memcpy(o, p + copied, size_t(open - copied));
        o += open - copied;
        std::memcpy(o, word.c_str(), size_t(word.Length()));
        o += word.Length();
        copied = close + 2;
    }
    if (!o) return true;
    std::memcpy(o, p + copied, size_t(n - copied));
    o += n - copied;
    encoding::TakeOutput(text, out, o - out.Data());
    return true;
}

bool MimeHeaderEncode(String& text, bool useBase64, const char* charset) {
    if (text.Find("=?") >= 0) return true;
    String encoded(text);
    if (useBase64) {
        if (!Base64Encode(encoded)) return false;
    } else {
        if (!QuotedPrintableEncode(encoded, true)) return false;
        encoded.ReplaceChar(' ', '_');
    }
    String word("=?");
    if (!word.Append(charset) || !word.Append(useBase64 ? "?B?" : "?Q?") || !word.Append(encoded) ||
        !word.Append("?="))
        return false;
    text = std::move(word);
    return true;
}
