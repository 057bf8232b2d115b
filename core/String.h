// The framework's byte string. Whole documents live in one String, so growth is by
// fixed steps (see the allocation rule in String.cpp) rather than by doubling.
#pragma once

#include <cstdarg>
#include <cstdint>

// Receives the tokens of String::Split.
class StringReceiver {
public:
    virtual ~StringReceiver() = default;
    virtual void TakeToken(const class String& token) = 0;
    // Called instead of TakeToken for the empty token after a trailing delimiter.
    virtual void TakeFinalEmptyToken() {}
};

class String {
public:
    // A length argument of this value means "up to the terminating zero".
    static constexpr int32_t kToZero = 0x7FFFFFFF;

    // Find flags.
    static constexpr int kFindNoCase = 0x1;
    static constexpr int kFindSkipQuoted = 0x10;
    // Line-end flags (kFindSkipQuoted applies as well).
    static constexpr int kLineEndAtBreak = 0x40;
    static constexpr int kLineEndOrLength = 0x80;

    // Split flags.
    static constexpr int kSplitKeepEmpty = 0x1;
    static constexpr int kSplitZeroIsDelimiter = 0x2;
    static constexpr int kSplitLineBreaks = 0x4;
    static constexpr int kSplitTrim = 0x8;
    static constexpr int kSplitKeepQuoted = 0x10;
    static constexpr int kSplitKeepDelimiter = 0x20;
    static constexpr int kSplitUnquote = 0x100;
    static constexpr int kSplitUndoubleQuotes = 0x200;
    static constexpr int kSplitDoubledDelimiter = 0x400;
    static constexpr int kSplitBackslash = 0x800;

    static constexpr uint32_t kHashSeed = 0x79E2BC9D;

    String() = default;
    String(const char* text);
    String(const char* bytes, int32_t length);
    String(const String& other);
    String(String&& other) noexcept;
    ~String();
    String& operator=(const String& other);
    String& operator=(String&& other) noexcept;
    String& operator=(const char* text);
    void Swap(String& other) noexcept;

    // Never null: an empty string reads as "".
    const char* c_str() const { return data_ ? data_ : ""; }
    // The owned buffer, or null for the empty string.
    char* Data() { return data_; }
    const char* Data() const { return data_; }
    int32_t Length() const { return length_; }
    int32_t Size() const { return size_; }
    bool IsEmpty() const { return length_ == 0; }

    void Clear();
    // n <= 0 clears. Returns the buffer, or null when memory is exhausted (unchanged).
    char* SetLength(int32_t n);
    // As SetLength, but growth allocates exactly n + max(spare, 2) bytes.
    char* SetLength(int32_t n, int32_t spare);
    // Grows the allocation to at least n bytes (never below length + 2); text unchanged.
    bool Reserve(int32_t n);

    bool Assign(const char* bytes, int32_t length);
    bool Assign(const String& other);
    bool Append(const char* bytes, int32_t length);
    bool Append(const char* text);
    bool Append(const String& other);
    bool Append(char c);

    bool Replace(int32_t pos, int32_t removeCount, const char* src, int32_t srcLength);
    bool Replace(int32_t pos, int32_t removeCount, const String& src);
    bool ReplaceWithChars(int32_t pos, int32_t removeCount, char c, int32_t n);
    bool Insert(int32_t pos, const char* src, int32_t srcLength);
    bool Insert(int32_t pos, const String& src);
    bool Insert(int32_t pos, char c);
    bool Delete(int32_t pos, int32_t count);

    // Checked: an index outside the text is a fatal error ("cv_core", 11499).
    char At(int32_t index) const;
    // Unchecked: an index outside the text yields 0.
    char operator[](int32_t index) const;
    // Write access to one byte; an index outside the text is fatal.
    void SetAt(int32_t index, char c);
    int32_t Get32(int32_t offset) const;
    bool Set32(int32_t offset, int32_t value);

    int32_t Find(char c, int32_t start = 0, int flags = 0) const;
    // Substring search; kFindNoCase honoured. Returns -1 when absent.
    int32_t Find(const char* needle, int32_t start = 0, int flags = 0) const;
    int32_t FindFirstOf(const char* set, int32_t start = 0) const;
    int32_t FindLastOf(const char* set) const;
    int32_t FindFirstNotOf(const char* set, int32_t start = 0) const;
    int32_t FindLineEnd(int32_t start, int flags = 0) const;

    // <0, 0, >0. A proper prefix sorts first; an empty other sorts first of all.
    int Compare(const String& other, bool caseSensitive = false,
                int32_t countLimit = kToZero) const;
    int Compare(const char* other, bool caseSensitive = false,
                int32_t countLimit = kToZero) const;
    bool Equals(const String& other) const;
    bool Equals(const char* text) const;
    bool operator==(const String& other) const { return Equals(other); }
    bool operator!=(const String& other) const { return !Equals(other); }
    bool operator==(const char* text) const { return Equals(text); }
    bool operator!=(const char* text) const { return !Equals(text); }

    bool Format(const char* format, ...) __attribute__((format(gnu_printf, 2, 3)));
    bool FormatV(const char* format, va_list args);
    static String Formatted(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
    void FromInt(int32_t value);

    // Default set: space, CR, LF, TAB. Return the count removed.
    int32_t TrimRight(const char* set = nullptr);
    int32_t TrimLeft(const char* set = nullptr);
    // Both ends, one pair of enclosing double quotes, both ends again.
    void Trim();
    int32_t TrimCharAtStart(char c);
    int32_t TrimCharAtEnd(char c);
    int32_t TrimLineEnds();
    int32_t ReplaceChar(char from, char to, bool ignoreCase = false);
    int32_t ReplaceLineBreaks(const char* with);
    void SwapCase();
    void ToUpper();
    void ToLower();
    // Adds delta to the decimal number ending the text, keeping its digit count ("file09"
    // becomes "file10"); a directly preceding '-' is its sign unless isUnsigned. Without
    // a trailing digit, appends defaultNumber, or leaves the text alone when that is
    // 0x80000000. Returns the new number.
    int32_t AddToTrailingNumber(int32_t delta, bool isUnsigned, int32_t defaultNumber);

    // Cuts the text at any byte of `delimiters` (see the kSplit flags). Empty tokens are
    // dropped unless kSplitKeepEmpty; emptiness is judged after trimming and unquoting
    // and before kSplitKeepDelimiter appends the delimiter. kSplitBackslash keeps the
    // backslash in the token: it only stops the next byte from cutting or quoting.
    // Returns the number of tokens handed over, the final empty one included.
    int32_t Split(const char* delimiters, int flags, StringReceiver& receiver) const;

    // Copies; positions are clipped to the text.
    String Mid(int32_t pos, int32_t count = kToZero) const;
    String Left(int32_t count) const;
    String Right(int32_t count) const;

    // The HashTable key hash: 4-byte little-endian words, then signed tail bytes, then
    // the length, added to kHashSeed.
    uint32_t Hash() const;

private:
    bool Reallocate(int32_t newLength, int32_t exactSize);
    // True when p points into this string's own buffer.
    bool Owns(const char* p) const;

    char* data_ = nullptr;
    int32_t length_ = 0;
    int32_t size_ = 0;
};

String operator+(const String& a, const String& b);
String operator+(const String& a, const char* b);
String operator+(const char* a, const String& b);
String operator+(const String& a, char b);
String operator+(char a, const String& b);

// ASCII-only folding, as everywhere in the framework.
inline char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }
inline bool IsWhiteSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
