#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "core/Random.h"
#include "editbox/TextTools.h"

namespace {

bool IsBreakByte(char c) { return c == '\r' || c == '\n'; }

// Walks a text paragraph by paragraph. Each kind of break byte is found with memchr
// and remembered until it is passed, so a long text is read at memory speed whatever
// its mix of CR, LF and zero bytes.
class ParagraphScanner {
public:
    ParagraphScanner(const char* p, int32_t n, bool zeroEnds)
        : p_(p), n_(n), zeroEnds_(zeroEnds), nextZero_(zeroEnds ? -1 : n) {}

    // The paragraph that starts at `start` (< n): returns the index just after it and
    // sets `breakAt` to where its line break (or zero byte) begins.
    int32_t EndOf(int32_t start, int32_t& breakAt) {
        int32_t b = std::min(Next('\n', nextLf_, start), Next('\r', nextCr_, start));
        if (zeroEnds_) b = std::min(b, Next('\0', nextZero_, start));
        breakAt = b;
        if (b == n_) return n_;
        if (p_[b] == 0) return b + 1;
        return b + 1 < n_ && IsBreakByte(p_[b + 1]) && p_[b + 1] != p_[b] ? b + 2 : b + 1;
    }

private:
    int32_t Next(char c, int32_t& cached, int32_t start) {
        if (cached < start) {
            const void* hit = std::memchr(p_ + start, c, size_t(n_ - start));
            cached = hit ? int32_t(static_cast<const char*>(hit) - p_) : n_;
        }
        return cached;
    }

    const char* p_;
    int32_t n_;
    bool zeroEnds_;
    int32_t nextLf_ = -1;
    int32_t nextCr_ = -1;
    int32_t nextZero_;
};

// Start of every paragraph, followed by the text length.
std::vector<int32_t> ParagraphStarts(const String& text, bool zeroEnds) {
    const char* p = text.c_str();
    const int32_t n = text.Length();
    std::vector<int32_t> starts;
    starts.reserve(size_t(std::count(p, p + n, '\n')) + 2);
    ParagraphScanner scanner(p, n, zeroEnds);
    int32_t breakAt;
    for (int32_t s = 0; s < n; s = scanner.EndOf(s, breakAt)) starts.push_back(s);
    starts.push_back(n);
    return starts;
}

// Writes the paragraphs in the given order into a new text of the same length.
bool Reassemble(String& text, const std::vector<int32_t>& starts, const int32_t* order,
                size_t count) {
    const char* p = text.c_str();
    String out;
    char* o = out.SetLength(text.Length());
    if (!o) return false;
    for (size_t k = 0; k < count; ++k) {
        int32_t piece = order[k];
        int32_t length = starts[size_t(piece) + 1] - starts[size_t(piece)];
        std::memcpy(o, p + starts[size_t(piece)], size_t(length));
        o += length;
    }
    text = std::move(out);
    return true;
}

// ---- sorting ----

struct SortItem {
    uint64_t prefix;  // the first eight bytes, folded, most significant first
    int32_t start;
    int32_t length;
};

uint64_t FoldedPrefix(const char* s, int32_t length) {
    uint64_t prefix = 0;
    for (int32_t i = 0; i < 8; ++i) prefix = prefix << 8 | (i < length ? uint8_t(FoldCase(s[i])) : 0);
    return prefix;
}

// Over the shorter length plus one byte, reading 0 past a paragraph's end, so that a
// paragraph sorts before the ones it is a prefix of. The prefixes cover the first
// eight bytes; past them the bytes themselves are compared.
int CompareFolded(const char* text, const SortItem& a, const SortItem& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix ? -1 : 1;
    const int32_t shorter = std::min(a.length, b.length);
    if (shorter < 8) return 0;
    const char* x = text + a.start;
    const char* y = text + b.start;
    for (int32_t i = 8; i < shorter; ++i) {
        uint8_t cx = uint8_t(FoldCase(x[i]));
        uint8_t cy = uint8_t(FoldCase(y[i]));
        if (cx != cy) return cx < cy ? -1 : 1;
    }
    uint8_t ex = shorter < a.length ? uint8_t(FoldCase(x[shorter])) : 0;
    uint8_t ey = shorter < b.length ? uint8_t(FoldCase(y[shorter])) : 0;
    return ex == ey ? 0 : (ex < ey ? -1 : 1);
}

bool SortParagraphs(String& text, bool descending) {
    std::vector<int32_t> starts = ParagraphStarts(text, false);
    const size_t count = starts.size() - 1;
    if (count < 2) return true;
    const char* p = text.c_str();
    std::vector<SortItem> items(count);
    for (size_t k = 0; k < count; ++k) {
        int32_t length = starts[k + 1] - starts[k];
        items[k] = {FoldedPrefix(p + starts[k], length), starts[k], length};
    }
    // Equal paragraphs (they differ at most in letter case) keep their order: the
    // start index breaks the tie.
    std::sort(items.begin(), items.end(), [p, descending](const SortItem& a, const SortItem& b) {
        int order = descending ? CompareFolded(p, b, a) : CompareFolded(p, a, b);
        return order != 0 ? order < 0 : a.start < b.start;
    });
    String out;
    char* o = out.SetLength(text.Length());
    if (!o) return false;
    for (const SortItem& item : items) {
        std::memcpy(o, p + item.start, size_t(item.length));
        o += item.length;
    }
    text = std::move(out);
    return true;
}

// ---- shuffling ----

// Counts of the pieces still in the list, as a Fenwick tree, so that "the k-th piece
// still there" is found in log time instead of removing from the middle of a list.
class RemainingPieces {
public:
    explicit RemainingPieces(int32_t count) : tree_(size_t(count) + 1, 0) {
        for (int32_t i = 1; i <= count; ++i) {
            tree_[size_t(i)] += 1;
            int32_t parent = i + (i & -i);
            if (parent <= count) tree_[size_t(parent)] += tree_[size_t(i)];
        }
        top_ = 1;
        while (top_ * 2 <= count) top_ *= 2;
    }

    // Removes the k-th remaining piece (from 0) and returns its index.
    int32_t Take(int32_t k) {
        int32_t at = 0;
        for (int32_t step = top_; step > 0; step /= 2) {
            int32_t next = at + step;
            if (next < int32_t(tree_.size()) && tree_[size_t(next)] <= k) {
                at = next;
                k -= tree_[size_t(next)];
            }
        }
        for (int32_t i = at + 1; i < int32_t(tree_.size()); i += i & -i) --tree_[size_t(i)];
        return at;
    }

private:
    std::vector<int32_t> tree_;
    int32_t top_;
};

// ---- duplicates ----

uint32_t HashBytes(const char* s, int32_t n) {
    uint64_t h = 0x9E3779B97F4A7C15ull ^ uint64_t(n);
    for (; n >= 8; s += 8, n -= 8) {
        uint64_t word;
        std::memcpy(&word, s, 8);
        h = (h ^ word) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 29;
    }
    if (n > 0) {
        uint64_t word = 0;
        std::memcpy(&word, s, size_t(n));
        h = (h ^ word) * 0xFF51AFD7ED558CCDull;
    }
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return uint32_t(h);
}

// The paragraph keys seen so far, by open addressing over indexes into the text: a
// String per line would cost an allocation each on a million-line document.
class KeySet {
public:
    KeySet() : slots_(1024, -1) {}

    // Adds the key of `length` bytes at p[start] unless it is there already (false).
    // A new key is remembered as lying at p[keptAt], where its paragraph will go.
    bool Add(const char* p, int32_t start, int32_t length, int32_t keptAt) {
        const uint32_t hash = HashBytes(p + start, length);
        uint32_t slot = hash & Mask();
        for (; slots_[slot] >= 0; slot = (slot + 1) & Mask()) {
            const Key& key = keys_[size_t(slots_[slot])];
            if (key.hash == hash && key.length == length &&
                std::memcmp(p + key.start, p + start, size_t(length)) == 0)
                return false;
        }
        slots_[slot] = int32_t(keys_.size());
        keys_.push_back({keptAt, length, hash});
        if (keys_.size() * 2 > slots_.size()) Grow();
        return true;
    }

private:
    struct Key {
        int32_t start;
        int32_t length;
        uint32_t hash;
    };

    uint32_t Mask() const { return uint32_t(slots_.size() - 1); }

    void Grow() {
        slots_.assign(slots_.size() * 2, -1);
        for (size_t k = 0; k < keys_.size(); ++k) {
            uint32_t slot = keys_[k].hash & Mask();
            while (slots_[slot] >= 0) slot = (slot + 1) & Mask();
            slots_[slot] = int32_t(k);
        }
    }

    std::vector<int32_t> slots_;
    std::vector<Key> keys_;
};

}  // namespace

bool Alphabetize(String& text) { return SortParagraphs(text, false); }

bool AlphabetizeDescending(String& text) { return SortParagraphs(text, true); }

bool ReverseParagraphs(String& text) {
    std::vector<int32_t> starts = ParagraphStarts(text, true);
    const size_t count = starts.size() - 1;
    if (count < 2) return true;
    // In place: turning the whole text round puts the paragraphs in reverse order, each
    // one backwards; turning each of them round again restores its bytes.
    char* p = text.Data();
    const int32_t n = text.Length();
    std::reverse(p, p + n);
    for (size_t k = 0; k < count; ++k) {
        int32_t end = n - starts[k];
        std::reverse(p + end - (starts[k + 1] - starts[k]), p + end);
    }
    return true;
}

bool RandomizeParagraphs(String& text) {
    std::vector<int32_t> starts = ParagraphStarts(text, true);
    // A text that ends in a break has an empty last piece. It moves nothing, but like
    // every piece it takes a draw, so the random numbers a shuffle uses, and with them
    // the order of every later shuffle, do not depend on how the pieces are stored.
    const int32_t n = text.Length();
    if (n > 0 && (IsBreakByte(text[n - 1]) || text[n - 1] == 0)) starts.push_back(n);
    const int32_t count = int32_t(starts.size()) - 1;
    if (count < 1) return true;
    RemainingPieces remaining(count);
    std::vector<int32_t> order(static_cast<size_t>(count));
    for (int32_t k = 0; k < count; ++k) order[size_t(k)] = remaining.Take(Random(count - k));
    return Reassemble(text, starts, order.data(), size_t(count));
}

bool DiscardDuplicateParagraphs(String& text) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    char* p = text.Data();
    KeySet keys;
    // Survivors move down in place; the keys point at their new places, which later
    // moves never overwrite.
    ParagraphScanner scanner(p, n, false);
    int32_t o = 0;
    for (int32_t s = 0; s < n;) {
        int32_t breakAt;
        const int32_t end = scanner.EndOf(s, breakAt);
        if (keys.Add(p, s, breakAt - s, o)) {
            if (o != s) std::memmove(p + o, p + s, size_t(end - s));
            o += end - s;
        }
        s = end;
    }
    if (o < n) text.SetLength(o);
    return true;
}

bool TrimTrailingSpaces(String& text) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    char* p = text.Data();
    ParagraphScanner scanner(p, n, false);
    int32_t o = 0;
    for (int32_t s = 0; s < n;) {
        int32_t breakAt;
        const int32_t end = scanner.EndOf(s, breakAt);
        int32_t keep = breakAt;
        if (breakAt < n)
            while (keep > s && (p[keep - 1] == ' ' || p[keep - 1] == '\t')) --keep;
        if (o != s) std::memmove(p + o, p + s, size_t(keep - s));
        o += keep - s;
        if (o != breakAt) std::memmove(p + o, p + breakAt, size_t(end - breakAt));
        o += end - breakAt;
        s = end;
    }
    if (o < n) text.SetLength(o);
    return true;
}

namespace {

bool Indent(String& text, char with) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    const char* p = text.Data();
    std::vector<int32_t> starts = ParagraphStarts(text, false);
    const size_t count = starts.size() - 1;
    if (int64_t(n) + int64_t(count) > INT32_MAX - 4096 - 2) return false;
    String out;
    char* o = out.SetLength(n + int32_t(count));
    if (!o) return false;
    for (size_t k = 0; k < count; ++k) {
        *o++ = with;
        std::memcpy(o, p + starts[k], size_t(starts[k + 1] - starts[k]));
        o += starts[k + 1] - starts[k];
    }
    text = std::move(out);
    return true;
}

}  // namespace

bool IndentWithTab(String& text) { return Indent(text, '\t'); }

bool IndentWithSpace(String& text) { return Indent(text, ' '); }

bool Unindent(String& text) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    char* p = text.Data();
    ParagraphScanner scanner(p, n, false);
    int32_t o = 0;
    for (int32_t s = 0; s < n;) {
        int32_t breakAt;
        const int32_t end = scanner.EndOf(s, breakAt);
        const int32_t from = p[s] == '\t' || p[s] == ' ' ? s + 1 : s;
        if (o != from) std::memmove(p + o, p + from, size_t(end - from));
        o += end - from;
        s = end;
    }
    if (o < n) text.SetLength(o);
    return true;
}

bool NormalizeSpaces(String& text) {
    const int32_t n = text.Length();
    if (n == 0) return true;
    // Measure first: a text that grows must have its room before anything moves, so
    // that running out of memory leaves it as it was.
    const char* in = text.Data();
    int32_t collapsed = 0;
    int32_t gaps = 0;  // ". " pairs after collapsing, each to be widened by one space
    char last = 0;
    for (int32_t i = 0; i < n; ++i) {
        const char c = in[i];
        if (c == ' ' && last == ' ') continue;
        if (c == ' ' && last == '.') ++gaps;
        last = c;
        ++collapsed;
    }
    const int32_t length = collapsed + gaps;
    if (length == n && gaps == 0) return true;
    char* p = text.Data();
    if (length > n && !(p = text.SetLength(length))) return false;

    int32_t o = 0;
    for (int32_t i = 0; i < n; ++i) {
        if (p[i] == ' ' && o > 0 && p[o - 1] == ' ') continue;
        p[o++] = p[i];
    }
    // Widen from the back, where the bytes still to move lie in front of the writes.
    for (int32_t r = o - 1, w = length - 1; gaps > 0; --r) {
        p[w--] = p[r];
        if (p[r] == ' ' && r > 0 && p[r - 1] == '.') {
            p[w--] = ' ';
            --gaps;
        }
    }
    if (length < n) text.SetLength(length);
    return true;
}

bool ReverseCharacters(String& text) {
    std::reverse(text.Data(), text.Data() + text.Length());
    return true;
}
