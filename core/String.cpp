#include "core/String.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "core/Fatal.h"

namespace {

constexpr int64_t kMaxLength = 0x7FFFFFFF;
constexpr int32_t kMaxFormatted = 65535;
const char kDefaultTrimSet[] = " \r\n\t";

// Small strings get two spare bytes (room for the terminators only), medium ones 40,
// large ones 4096, so typing at the end of a document reallocates once per page.
int64_t AllocationFor(int64_t n) {
    if (n < 64) return n + 2;
    if (n < 16384) return n + 40;
    return n + 4096;
}

// A missing source is an empty one; kToZero asks for the C-string length.
int32_t ResolveLength(const char* bytes, int32_t length) {
    if (!bytes) return 0;
    if (length == String::kToZero) return int32_t(std::strlen(bytes));
    return length;
}

struct CharSet {
    bool has[256] = {};
    explicit CharSet(const char* set) {
        if (!set) return;
        for (; *set; ++set) has[uint8_t(*set)] = true;
    }
    bool operator()(char c) const { return has[uint8_t(c)]; }
};

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// Length of the line break starting at p[i] (CR LF and LF CR count as one), or 0.
int32_t LineBreakLength(const char* p, int32_t i, int32_t n) {
    if (!IsLineBreak(p[i])) return 0;
    if (i + 1 < n && IsLineBreak(p[i + 1]) && p[i + 1] != p[i]) return 2;
    return 1;
}

int CompareBytes(const char* a, const char* b, int32_t n, bool caseSensitive) {
    if (caseSensitive) {
        int r = std::memcmp(a, b, size_t(n));
        return r < 0 ? -1 : (r > 0 ? 1 : 0);
    }
    for (int32_t i = 0; i < n; ++i) {
        uint8_t x = uint8_t(FoldCase(a[i]));
        uint8_t y = uint8_t(FoldCase(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

}  // namespace

// ---- construction ----

String::String(const char* text) { Assign(text, kToZero); }

String::String(const char* bytes, int32_t length) { Assign(bytes, length); }

String::String(const String& other) { Assign(other.data_, other.length_); }

String::String(String&& other) noexcept
    : data_(other.data_), length_(other.length_), size_(other.size_) {
    other.data_ = nullptr;
    other.length_ = 0;
    other.size_ = 0;
}

String::~String() { std::free(data_); }

String& String::operator=(const String& other) {
    Assign(other);
    return *this;
}

String& String::operator=(String&& other) noexcept {
    if (this != &other) {
        std::free(data_);
        data_ = other.data_;
        length_ = other.length_;
        size_ = other.size_;
        other.data_ = nullptr;
        other.length_ = 0;
        other.size_ = 0;
    }
    return *this;
}

String& String::operator=(const char* text) {
    Assign(text, kToZero);
    return *this;
}

void String::Swap(String& other) noexcept {
    std::swap(data_, other.data_);
    std::swap(length_, other.length_);
    std::swap(size_, other.size_);
}

bool String::Owns(const char* p) const {
    uintptr_t at = reinterpret_cast<uintptr_t>(p);
    uintptr_t begin = reinterpret_cast<uintptr_t>(data_);
    return data_ && at >= begin && at < begin + uintptr_t(size_);
}

// ---- size management ----

void String::Clear() {
    std::free(data_);
    data_ = nullptr;
    length_ = 0;
    size_ = 0;
}

bool String::Reallocate(int32_t newLength, int32_t exactSize) {
    // realloc rather than new: on exhaustion it returns null and the old block stays.
    char* block = static_cast<char*>(std::realloc(data_, size_t(exactSize)));
    if (!block) {
        // A shrink that the allocator refuses can keep the larger block.
        if (!data_ || exactSize > size_) return false;
        block = data_;
        exactSize = size_;
    }
    data_ = block;
    size_ = exactSize;
    length_ = newLength;
    data_[newLength] = 0;
    data_[newLength + 1] = 0;
    return true;
}

char* String::SetLength(int32_t n) {
    if (n <= 0) {
        Clear();
        return nullptr;
    }
    // Waste is counted beyond the spare room the length would get anyway; otherwise a
    // large text, which gets 4096 spare bytes, would shrink on the next keystroke.
    if (data_ && n <= size_ - 2 && size_ - AllocationFor(n) <= 1024) {
        length_ = n;
        data_[n] = 0;
        data_[n + 1] = 0;
        return data_;
    }
    int64_t size = AllocationFor(n);
    if (size > kMaxLength) return nullptr;
    return Reallocate(n, int32_t(size)) ? data_ : nullptr;
}

char* String::SetLength(int32_t n, int32_t spare) {
    if (n > 0 && (!data_ || n > size_ - 2)) {
        int64_t size = int64_t(n) + (spare > 2 ? spare : 2);
        if (size > kMaxLength) return nullptr;
        return Reallocate(n, int32_t(size)) ? data_ : nullptr;
    }
    return SetLength(n);
}

bool String::Reserve(int32_t n) {
    if (n <= size_) return true;
    if (n < length_ + 2) n = length_ + 2;
    return Reallocate(length_, n);
}

// ---- assignment and appending ----

bool String::Assign(const char* bytes, int32_t length) {
    length = ResolveLength(bytes, length);
    if (length < 1) {
        Clear();
        return true;
    }
    if (Owns(bytes)) {
        if (bytes == data_ && length == length_) return true;
        // The source is part of our own buffer: copy it out before the buffer changes.
        int64_t size = AllocationFor(length);
        if (size > kMaxLength) return false;
        char* block = static_cast<char*>(std::malloc(size_t(size)));
        if (!block) return false;
        std::memcpy(block, bytes, size_t(length));
        block[length] = 0;
        block[length + 1] = 0;
        std::free(data_);
        data_ = block;
        length_ = length;
        size_ = int32_t(size);
        return true;
    }
    if (!SetLength(length)) return false;
    std::memcpy(data_, bytes, size_t(length));
    return true;
}

bool String::Assign(const String& other) { return Assign(other.data_, other.length_); }

bool String::Append(const char* bytes, int32_t length) {
    length = ResolveLength(bytes, length);
    if (length < 1) return true;
    return Replace(length_, 0, bytes, length);
}

bool String::Append(const char* text) { return Append(text, kToZero); }

bool String::Append(const String& other) { return Append(other.data_, other.length_); }

bool String::Append(char c) {
    int32_t at = length_;
    if (at == kMaxLength) return false;
    if (!SetLength(at + 1)) return false;
    data_[at] = c;
    return true;
}

// ---- replace ----

bool String::Replace(int32_t pos, int32_t removeCount, const char* src, int32_t srcLength) {
    if (src && srcLength == kToZero) srcLength = int32_t(std::strlen(src));
    if (!src && srcLength > 0) return false;
    if (pos < 0 || pos > length_) return false;
    if (removeCount > 0) {
        if (srcLength < 0) return false;
        if (removeCount > length_ - pos) removeCount = length_ - pos;
    } else {
        if (srcLength < 1) return false;
        removeCount = 0;
    }
    // The source may sit in the part of our buffer that the tail move shifts or that a
    // reallocation frees; take a private copy first in that case.
    char* ownCopy = nullptr;
    if (srcLength > 0 && Owns(src)) {
        ownCopy = static_cast<char*>(std::malloc(size_t(srcLength)));
        if (!ownCopy) return false;
        std::memcpy(ownCopy, src, size_t(srcLength));
        src = ownCopy;
    }
    int64_t newLength = int64_t(length_) - removeCount + srcLength;
    if (newLength > kMaxLength) {
        std::free(ownCopy);
        return false;
    }
    int32_t tail = length_ - pos - removeCount;
    if (newLength > length_) {
        if (!SetLength(int32_t(newLength))) {
            std::free(ownCopy);
            return false;
        }
        std::memmove(data_ + pos + srcLength, data_ + pos + removeCount, size_t(tail));
    } else if (newLength < length_) {
        std::memmove(data_ + pos + srcLength, data_ + pos + removeCount, size_t(tail));
        SetLength(int32_t(newLength));
    }
    if (srcLength > 0) std::memcpy(data_ + pos, src, size_t(srcLength));
    std::free(ownCopy);
    return true;
}

bool String::Replace(int32_t pos, int32_t removeCount, const String& src) {
    // An empty String has no buffer; it still counts as a zero-length source.
    return Replace(pos, removeCount, src.c_str(), src.length_);
}

bool String::ReplaceWithChars(int32_t pos, int32_t removeCount, char c, int32_t n) {
    if (pos < 0 || pos > length_) return false;
    if (removeCount > 0) {
        if (n < 0) return false;
        if (removeCount > length_ - pos) removeCount = length_ - pos;
    } else {
        if (n < 1) return false;
        removeCount = 0;
    }
    int64_t newLength = int64_t(length_) - removeCount + n;
    if (newLength > kMaxLength) return false;
    int32_t tail = length_ - pos - removeCount;
    if (newLength > length_) {
        if (!SetLength(int32_t(newLength))) return false;
        std::memmove(data_ + pos + n, data_ + pos + removeCount, size_t(tail));
    } else if (newLength < length_) {
        std::memmove(data_ + pos + n, data_ + pos + removeCount, size_t(tail));
        SetLength(int32_t(newLength));
    }
    if (n > 0) std::memset(data_ + pos, c, size_t(n));
    return true;
}

bool String::Insert(int32_t pos, const char* src, int32_t srcLength) {
    return Replace(pos, 0, src, srcLength);
}

bool String::Insert(int32_t pos, const String& src) { return Replace(pos, 0, src); }

bool String::Insert(int32_t pos, char c) { return ReplaceWithChars(pos, 0, c, 1); }

bool String::Delete(int32_t pos, int32_t count) { return Replace(pos, count, nullptr, 0); }

// ---- element access ----

char String::At(int32_t index) const {
    if (index < 0 || index >= length_) FatalInternal("cv_core", 11499);
    return data_[index];
}

char String::operator[](int32_t index) const {
    if (index < 0 || index >= length_) return 0;
    return data_[index];
}

void String::SetAt(int32_t index, char c) {
    if (index < 0 || index >= length_) FatalInternal("cv_core", 11499);
    data_[index] = c;
}

int32_t String::Get32(int32_t offset) const {
    if (offset < 0 || offset > length_ - 4) return -1;
    const uint8_t* p = reinterpret_cast<const uint8_t*>(data_ + offset);
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                   uint32_t(p[3]) << 24);
}

bool String::Set32(int32_t offset, int32_t value) {
    if (offset < 0 || offset > length_ - 4) return false;
    uint32_t v = uint32_t(value);
    for (int i = 0; i < 4; ++i) data_[offset + i] = char(uint8_t(v >> (8 * i)));
    return true;
}

// ---- searching ----

int32_t String::Find(char c, int32_t start, int flags) const {
    if (start < 0) start = 0;
    if (start >= length_) return -1;
    if (flags == 0) {
        const void* hit = std::memchr(data_ + start, c, size_t(length_ - start));
        return hit ? int32_t(static_cast<const char*>(hit) - data_) : -1;
    }
    bool noCase = flags & kFindNoCase;
    bool skipQuoted = flags & kFindSkipQuoted;
    char want = noCase ? FoldCase(c) : c;
    for (int32_t i = start; i < length_; ++i) {
        char ch = noCase ? FoldCase(data_[i]) : data_[i];
        if (ch == want) return i;
        if (skipQuoted && data_[i] == '"') {
            const void* close = std::memchr(data_ + i + 1, '"', size_t(length_ - i - 1));
            if (!close) return -1;
            i = int32_t(static_cast<const char*>(close) - data_);
        }
    }
    return -1;
}

int32_t String::Find(const char* needle, int32_t start, int flags) const {
    int32_t n = needle ? int32_t(std::strlen(needle)) : 0;
    if (start < 0) start = 0;
    if (n == 0 || n > length_ - start) return -1;
    int32_t last = length_ - n;
    if (!(flags & kFindNoCase)) {
        for (int32_t i = start; i <= last;) {
            const void* hit = std::memchr(data_ + i, needle[0], size_t(last - i + 1));
            if (!hit) return -1;
            i = int32_t(static_cast<const char*>(hit) - data_);
            if (std::memcmp(data_ + i, needle, size_t(n)) == 0) return i;
            ++i;
        }
        return -1;
    }
    for (int32_t i = start; i <= last; ++i) {
        if (CompareBytes(data_ + i, needle, n, false) == 0) return i;
    }
    return -1;
}

int32_t String::FindFirstOf(const char* set, int32_t start) const {
    CharSet in(set);
    for (int32_t i = start < 0 ? 0 : start; i < length_; ++i) {
        if (in(data_[i])) return i;
    }
    return -1;
}

int32_t String::FindLastOf(const char* set) const {
    CharSet in(set);
    for (int32_t i = length_ - 1; i >= 0; --i) {
        if (in(data_[i])) return i;
    }
    return -1;
}

int32_t String::FindFirstNotOf(const char* set, int32_t start) const {
    CharSet in(set);
    for (int32_t i = start < 0 ? 0 : start; i < length_; ++i) {
        if (!in(data_[i])) return i;
    }
    return -1;
}

int32_t String::FindLineEnd(int32_t start, int flags) const {
    bool skipQuoted = flags & kFindSkipQuoted;
    for (int32_t i = start < 0 ? 0 : start; i < length_; ++i) {
        char c = data_[i];
        if (IsLineBreak(c)) {
            if (flags & kLineEndAtBreak) return i;
            return i + LineBreakLength(data_, i, length_);
        }
        if (skipQuoted && c == '"') {
            const void* close = std::memchr(data_ + i + 1, '"', size_t(length_ - i - 1));
            if (!close) break;
            i = int32_t(static_cast<const char*>(close) - data_);
        }
    }
    return (flags & kLineEndOrLength) ? length_ : -1;
}

// ---- comparison ----

int String::Compare(const String& other, bool caseSensitive, int32_t countLimit) const {
    if (other.length_ == 0) return length_ == 0 ? 0 : 1;
    if (length_ == 0) return -1;
    // One byte past the shorter text takes in its terminating zero, so a proper
    // prefix sorts first.
    int32_t n = (length_ < other.length_ ? length_ : other.length_) + 1;
    if (countLimit < n) n = countLimit < 0 ? 0 : countLimit;
    return CompareBytes(data_, other.data_, n, caseSensitive);
}

int String::Compare(const char* other, bool caseSensitive, int32_t countLimit) const {
    int32_t otherLength = other ? int32_t(std::strlen(other)) : 0;
    if (otherLength == 0) return length_ == 0 ? 0 : 1;
    if (length_ == 0) return -1;
    int32_t n = (length_ < otherLength ? length_ : otherLength) + 1;
    if (countLimit < n) n = countLimit < 0 ? 0 : countLimit;
    return CompareBytes(data_, other, n, caseSensitive);
}

bool String::Equals(const String& other) const {
    return length_ == other.length_ &&
           (length_ == 0 || std::memcmp(data_, other.data_, size_t(length_)) == 0);
}

bool String::Equals(const char* text) const {
    int32_t n = text ? int32_t(std::strlen(text)) : 0;
    return length_ == n && (n == 0 || std::memcmp(data_, text, size_t(n)) == 0);
}

// ---- formatting ----

bool String::FormatV(const char* format, va_list args) {
    va_list measure;
    va_copy(measure, args);
    int needed = std::vsnprintf(nullptr, 0, format ? format : "", measure);
    va_end(measure);
    if (needed < 0) return false;
    if (needed > kMaxFormatted) needed = kMaxFormatted;
    // Format into a separate string: the arguments may point into this one.
    String result;
    if (needed > 0) {
        if (!result.SetLength(needed)) return false;
        std::vsnprintf(result.data_, size_t(needed) + 1, format, args);
    }
    Swap(result);
    return true;
}

bool String::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    bool ok = FormatV(format, args);
    va_end(args);
    return ok;
}

String String::Formatted(const char* format, ...) {
    String result;
    va_list args;
    va_start(args, format);
    result.FormatV(format, args);
    va_end(args);
    return result;
}

void String::FromInt(int32_t value) {
    char digits[16];
    int n = std::snprintf(digits, sizeof digits, "%d", int(value));
    Assign(digits, n);
}

// ---- trimming and whole-text edits ----

int32_t String::TrimRight(const char* set) {
    CharSet in(set ? set : kDefaultTrimSet);
    int32_t end = length_;
    while (end > 0 && in(data_[end - 1])) --end;
    int32_t removed = length_ - end;
    if (removed) SetLength(end);
    return removed;
}

int32_t String::TrimLeft(const char* set) {
    CharSet in(set ? set : kDefaultTrimSet);
    int32_t start = 0;
    while (start < length_ && in(data_[start])) ++start;
    if (start) Delete(0, start);
    return start;
}

void String::Trim() {
    TrimRight();
    TrimLeft();
    if (length_ >= 2 && data_[0] == '"' && data_[length_ - 1] == '"') {
        SetLength(length_ - 1);
        Delete(0, 1);
        TrimRight();
        TrimLeft();
    }
}

int32_t String::TrimCharAtStart(char c) {
    int32_t start = 0;
    while (start < length_ && data_[start] == c) ++start;
    if (start) Delete(0, start);
    return start;
}

int32_t String::TrimCharAtEnd(char c) {
    int32_t end = length_;
    while (end > 0 && data_[end - 1] == c) --end;
    int32_t removed = length_ - end;
    if (removed) SetLength(end);
    return removed;
}

int32_t String::TrimLineEnds() {
    int32_t write = 0;
    int32_t runStart = -1;  // where the pending run of blanks begins in the output
    for (int32_t read = 0; read < length_; ++read) {
        char c = data_[read];
        if (c == ' ' || c == '\t') {
            if (runStart < 0) runStart = write;
        } else {
            if (IsLineBreak(c) && runStart >= 0) write = runStart;
            runStart = -1;
        }
        data_[write++] = c;
    }
    int32_t removed = length_ - write;
    if (removed) SetLength(write);
    return removed;
}

int32_t String::ReplaceChar(char from, char to, bool ignoreCase) {
    int32_t count = 0;
    char want = ignoreCase ? FoldCase(from) : from;
    for (int32_t i = 0; i < length_; ++i) {
        char c = ignoreCase ? FoldCase(data_[i]) : data_[i];
        if (c == want) {
            data_[i] = to;
            ++count;
        }
    }
    return count;
}

int32_t String::ReplaceLineBreaks(const char* with) {
    int32_t count = 0;
    for (int32_t i = 0; i < length_; ++i) {
        if (IsLineBreak(data_[i])) ++count;
    }
    if (count == 0) return 0;
    int32_t withLength = with ? int32_t(std::strlen(with)) : 0;
    String result;
    if (!result.Reserve(length_ + 2)) return 0;
    count = 0;
    int32_t runStart = 0;
    for (int32_t i = 0; i < length_;) {
        int32_t breakLength = LineBreakLength(data_, i, length_);
        if (!breakLength) {
            ++i;
            continue;
        }
        if (!result.Append(data_ + runStart, i - runStart) || !result.Append(with, withLength))
            return 0;
        ++count;
        i += breakLength;
        runStart = i;
    }
    if (!result.Append(data_ + runStart, length_ - runStart)) return 0;
    Swap(result);
    return count;
}

void String::SwapCase() {
    for (int32_t i = 0; i < length_; ++i) {
        char c = data_[i];
        if (c >= 'a' && c <= 'z')
            data_[i] = char(c - 32);
        else if (c >= 'A' && c <= 'Z')
            data_[i] = char(c + 32);
    }
}

void String::ToUpper() {
    for (int32_t i = 0; i < length_; ++i) {
        if (data_[i] >= 'a' && data_[i] <= 'z') data_[i] = char(data_[i] - 32);
    }
}

void String::ToLower() {
    for (int32_t i = 0; i < length_; ++i) data_[i] = FoldCase(data_[i]);
}

int32_t String::AddToTrailingNumber(int32_t delta, bool isUnsigned, int32_t defaultNumber) {
    int32_t end = length_;
    int32_t digitsStart = end;
    while (digitsStart > 0 && IsDigit(data_[digitsStart - 1])) --digitsStart;
    int32_t digitCount = end - digitsStart;
    if (digitCount == 0) {
        if (defaultNumber == int32_t(0x80000000u)) return defaultNumber;
        char text[16];
        int n = std::snprintf(text, sizeof text, "%d", int(defaultNumber));
        Append(text, n);
        return defaultNumber;
    }
    // Wrap-around arithmetic, as the C conversion routines do on overflow.
    uint32_t magnitude = 0;
    for (int32_t i = digitsStart; i < end; ++i) magnitude = magnitude * 10 + uint32_t(data_[i] - '0');
    int32_t numberStart = digitsStart;
    bool negative = false;
    if (!isUnsigned && digitsStart > 0 && data_[digitsStart - 1] == '-') {
        negative = true;
        --numberStart;
    }
    uint32_t value = negative ? 0u - magnitude : magnitude;
    int32_t result = int32_t(value + uint32_t(delta));
    // At least as many digits as before: a counter like "file09" keeps its width.
    uint32_t resultMagnitude = result < 0 ? 0u - uint32_t(result) : uint32_t(result);
    char digits[16];
    int printed = std::snprintf(digits, sizeof digits, "%u", resultMagnitude);
    String number;
    if (result < 0) number.Append('-');
    if (printed < digitCount) number.ReplaceWithChars(number.Length(), 0, '0', digitCount - printed);
    number.Append(digits, printed);
    Replace(numberStart, end - numberStart, number);
    return result;
}

// ---- splitting ----

int32_t String::Split(const char* delimiters, int flags, StringReceiver& receiver) const {
    if (length_ == 0) return 0;
    CharSet isDelimiter(delimiters);
    if (flags & kSplitZeroIsDelimiter) isDelimiter.has[0] = true;
    const bool keepEmpty = flags & kSplitKeepEmpty;
    const bool lineBreaks = flags & kSplitLineBreaks;
    const bool trim = flags & kSplitTrim;
    const bool keepQuoted = flags & kSplitKeepQuoted;
    const bool keepDelimiter = flags & kSplitKeepDelimiter;
    const bool unquote = flags & kSplitUnquote;
    const bool undouble = unquote && (flags & kSplitUndoubleQuotes);
    const bool doubledDelimiter = flags & kSplitDoubledDelimiter;
    const bool backslash = flags & kSplitBackslash;

    const char* p = data_;
    const int32_t n = length_;
    int32_t count = 0;
    int32_t i = 0;
    String token;
    while (true) {
        token.Clear();
        int32_t runStart = i;
        int32_t delimiterLength = 0;
        bool inQuote = false;
        while (i < n) {
            char c = p[i];
            if (backslash && c == '\\' && i + 1 < n) {
                i += 2;
                continue;
            }
            if (keepQuoted && c == '"') {
                inQuote = !inQuote;
                ++i;
                continue;
            }
            if (inQuote) {
                ++i;
                continue;
            }
            if (lineBreaks && IsLineBreak(c)) {
                delimiterLength = LineBreakLength(p, i, n);
                break;
            }
            if (isDelimiter(c)) {
                if (doubledDelimiter && i + 1 < n && p[i + 1] == c) {
                    // Keep one of the pair and carry on with the same token.
                    token.Append(p + runStart, i + 1 - runStart);
                    i += 2;
                    runStart = i;
                    continue;
                }
                delimiterLength = 1;
                break;
            }
            ++i;
        }
        token.Append(p + runStart, i - runStart);

        if (trim) {
            token.TrimRight();
            token.TrimLeft();
        }
        if (unquote && token.length_ >= 2 && token.data_[0] == '"' &&
            token.data_[token.length_ - 1] == '"') {
            token.SetLength(token.length_ - 1);
            token.Delete(0, 1);
            if (trim) {
                token.TrimRight();
                token.TrimLeft();
            }
            if (undouble) {
                int32_t at = 0;
                while ((at = token.Find("\"\"", at)) >= 0) token.Delete(at++, 1);
            }
        }
        if (!token.IsEmpty() || keepEmpty) {
            if (keepDelimiter && delimiterLength) token.Append(p + i, delimiterLength);
            receiver.TakeToken(token);
            ++count;
        }
        if (delimiterLength == 0) break;
        i += delimiterLength;
        if (i == n) {
            if (keepEmpty) {
                receiver.TakeFinalEmptyToken();
                ++count;
            }
            break;
        }
    }
    return count;
}

// ---- pieces ----

String String::Mid(int32_t pos, int32_t count) const {
    if (pos < 0) pos = 0;
    if (pos > length_) pos = length_;
    if (count > length_ - pos) count = length_ - pos;
    if (count <= 0) return String();
    return String(data_ + pos, count);
}

String String::Left(int32_t count) const { return Mid(0, count); }

String String::Right(int32_t count) const {
    if (count <= 0) return String();
    if (count > length_) count = length_;
    return Mid(length_ - count, count);
}

uint32_t String::Hash() const {
    uint32_t hash = kHashSeed;
    if (!data_ || length_ == 0) return hash;
    const uint8_t* p = reinterpret_cast<const uint8_t*>(data_);
    int32_t whole = length_ & ~3;
    for (int32_t i = 0; i < whole; i += 4) {
        hash += uint32_t(p[i]) | uint32_t(p[i + 1]) << 8 | uint32_t(p[i + 2]) << 16 |
                uint32_t(p[i + 3]) << 24;
    }
    for (int32_t i = whole; i < length_; ++i) hash += uint32_t(int32_t(int8_t(p[i])));
    return hash + uint32_t(length_);
}

// ---- concatenation ----

namespace {
String Concatenate(const char* a, int32_t aLength, const char* b, int32_t bLength) {
    String result;
    if (aLength + int64_t(bLength) > 0 && result.SetLength(aLength + bLength)) {
        if (aLength) std::memcpy(result.Data(), a, size_t(aLength));
        if (bLength) std::memcpy(result.Data() + aLength, b, size_t(bLength));
    }
    return result;
}

int32_t CLength(const char* s) { return s ? int32_t(std::strlen(s)) : 0; }
}  // namespace

String operator+(const String& a, const String& b) {
    return Concatenate(a.c_str(), a.Length(), b.c_str(), b.Length());
}
String operator+(const String& a, const char* b) {
    return Concatenate(a.c_str(), a.Length(), b, CLength(b));
}
String operator+(const char* a, const String& b) {
    return Concatenate(a, CLength(a), b.c_str(), b.Length());
}
String operator+(const String& a, char b) { return Concatenate(a.c_str(), a.Length(), &b, 1); }
String operator+(char a, const String& b) { return Concatenate(&a, 1, b.c_str(), b.Length()); }
