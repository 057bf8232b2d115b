#include "editbox/TextBox.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/Fatal.h"
#include "platform/Font.h"

namespace {

constexpr int32_t kMaxWidth = 0x7FFFFFFF;

// What the line breaker needs to know about a byte; ordered so that everything above
// kTab continues an unwrapped run.
enum CharClass : uint8_t { kLineBreak, kTab, kPlain, kSpace, kBreakAfter };

constexpr auto MakeCharClasses() {
    struct Table {
        uint8_t kind[256];
    } table{};
    for (int c = 0; c < 256; ++c) table.kind[c] = kPlain;
    table.kind[uint8_t('\n')] = table.kind[uint8_t('\r')] = kLineBreak;
    table.kind[uint8_t('\t')] = kTab;
    table.kind[uint8_t(' ')] = kSpace;
    // The visible break-after characters; space and tab are candidates too but are not
    // displayed at the end of a wrapped line.
    for (char c : {',', '-', ';', '>', '\\'}) table.kind[uint8_t(c)] = kBreakAfter;
    return table;
}

constexpr auto kCharClassTable = MakeCharClasses();
constexpr const uint8_t* kCharClasses = kCharClassTable.kind;

inline int32_t ClampWidth(int64_t x) { return x > kMaxWidth ? kMaxWidth : int32_t(x); }

}  // namespace

TextBox::TextBox() {
    UpdateTabWidth();
}

TextBox::~TextBox() = default;

bool TextBox::SetText(const String& text) {
    if (!text_.Assign(text)) return false;
    InvalidateLayout();
    return true;
}

void TextBox::TakeText(String& text) {
    text_.Swap(text);
    InvalidateLayout();
}

bool TextBox::Replace(int32_t start, int32_t removeCount, const char* bytes, int32_t count) {
    int32_t length = text_.Length();
    if (start < 0 || start > length || removeCount < 0 || count < 0) return false;
    removeCount = std::min(removeCount, length - start);
    if (removeCount == 0 && count == 0) return true;
    if (!text_.Replace(start, removeCount, bytes, count)) return false;
    TextChanged(start, start + count, count - removeCount);
    return true;
}

bool TextBox::Truncate(int32_t length) {
    if (length < 0) return false;
    if (length >= text_.Length()) return true;
    return Replace(length, text_.Length() - length, nullptr, 0);
}

void TextBox::SetFont(const Font* font) {
    font_ = font;
    LoadFontTables();
    InvalidateLayout();
}

void TextBox::SetWrapWidth(int32_t width) {
    if (width == wrapWidth_) return;
    wrapWidth_ = width;
    UpdateTabWidth();
    InvalidateLayout();
}

void TextBox::SetWordWrap(bool on) {
    if (on == wrap_) return;
    wrap_ = on;
    UpdateTabWidth();
    InvalidateLayout();
}

void TextBox::SetSingleLine(bool on) {
    if (on == singleLine_) return;
    singleLine_ = on;
    InvalidateLayout();
}

void TextBox::SetTabDistance(double value, int32_t unit) {
    if (value == tabDistance_ && unit == tabUnit_) return;
    tabDistance_ = value;
    tabUnit_ = unit;
    UpdateTabWidth();
    InvalidateLayout();
}

void TextBox::SetAlignment(int32_t flags) {
    flags &= TextBoxLine::kCentred | TextBoxLine::kRightAligned;
    if (flags == alignment_) return;
    alignment_ = flags;
    InvalidateLayout();
}

void TextBox::SetLineHeightFactor(double factor) {
    lineHeightFactor_ = factor;
    lineHeight_ = -1;
}

void TextBox::InvalidateLayout() {
    lastLine_ = -1;
    complete_ = false;
}

void TextBox::LoadFontTables() {
    kerning_.reset();
    lineHeight_ = -1;
    fixedWidth_ = 0;
    if (!font_) {
        UpdateTabWidth();
        return;
    }
    for (int32_t c = 0; c < 256; ++c) {
        widths_[c] = font_->CharWidth(uint8_t(c));
        overhangs_[c] = std::max(0, font_->Overhang(uint8_t(c)));
    }
    if (font_->IsFixedPitch()) {
        fixedWidth_ = std::max(1, font_->FixedWidth());
    } else if (font_->HasKerningPairs()) {
        kerning_.reset(new int16_t[65536]);
        for (int32_t a = 0; a < 256; ++a) {
            for (int32_t b = 0; b < 256; ++b) {
                int32_t k = font_->Kerning(uint8_t(a), uint8_t(b));
                kerning_[(a << 8) | b] = int16_t(std::clamp(k, -32768, 32767));
            }
        }
    }
    UpdateTabWidth();
}

void TextBox::UpdateTabWidth() {
    double pixels = tabDistance_;
    switch (tabUnit_) {
    case kTabDeviceUnits: {
        double scale = font_ ? font_->ScaleFactor() : 1.0;
        pixels = scale > 0 ? tabDistance_ / scale : tabDistance_;
        break;
    }
    case kTabInches:
        pixels = tabDistance_ * (font_ ? font_->PixelsPerInch() : 100);
        break;
    case kTabCharacters:
        pixels = tabDistance_ * (font_ ? (font_->IsFixedPitch() ? font_->FixedWidth()
                                                                : font_->AverageWidth())
                                       : 12);
        break;
    default:
        break;
    }
    double rounded = std::round(pixels);
    int32_t width = rounded >= kMaxWidth ? kMaxWidth : rounded < 1 ? 1 : int32_t(rounded);
    if (wrap_ && width > wrapWidth_) width = wrapWidth_;
    tabWidth_ = std::max(1, width);
}

// The advance of a byte other than a tab: its width plus the kerning with a printable
// successor. Reading p[1] is safe at the last byte: the text is followed by zeros.
inline int32_t TextBox::GlyphAdvance(const uint8_t* p) const {
    if (fixedWidth_) return fixedWidth_;
    int32_t w = widths_[p[0]];
    if (kerning_ && p[1] > 32) w += kerning_[(p[0] << 8) | p[1]];
    return w;
}

// The pixel advance of the character at `index` when it starts `x` pixels into its
// line; tabs run to the next stop.
int32_t TextBox::Advance(int32_t index, int64_t x) const {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(text_.c_str()) + index;
    if (*p == '\t') {
        int64_t stop = (x / tabWidth_ + 1) * tabWidth_;
        return ClampWidth(stop - x);
    }
    return GlyphAdvance(p);
}

void TextBox::BreakLine(int32_t start, TextBoxLine& line, bool& last) const {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(text_.c_str());
    const int32_t length = text_.Length();
    line = TextBoxLine();
    line.start = start;
    line.flags = alignment_;
    last = false;
    if (start >= length) {
        line.reach = length;
        last = true;
        return;
    }
    // Every byte up to the end of the line is displayed, so the visible count is the
    // distance from the start until a wrap decides otherwise.
    int64_t x = 0;
    int32_t candidate = -1;
    bool candidateShown = false;
    int64_t xBeforeCandidate = 0;
    int64_t xAfterCandidate = 0;
    bool previousBlank = false;
    int32_t i = start;
    while (i < length) {
        uint8_t c = p[i];
        CharClass kind = CharClass(kCharClasses[c]);
        if (kind == kLineBreak) {
            uint8_t pair = c == '\n' ? '\r' : '\n';
            int32_t next = i + 1;
            if (next < length && p[next] == pair) ++next;
            line.visibleCount = i - start;
            line.totalCount = next - start;
            line.width = ClampWidth(x);
            line.reach = i + 1;
            return;
        }
        if (kind == kTab) {
            if (!previousBlank) {
                candidate = i;
                candidateShown = false;
                xBeforeCandidate = x;
            }
            x = (x / tabWidth_ + 1) * tabWidth_;
            previousBlank = true;
            ++i;
            continue;
        }
        if (!wrap_) {
            // Without wrapping only line breaks and tabs interrupt a run.
            int64_t run = 0;
            do {
                run += GlyphAdvance(p + i);
                ++i;
            } while (i < length && kCharClasses[p[i]] > kTab);
            x += run;
            continue;
        }
        if (kind == kSpace && !previousBlank) {
            candidate = i;
            candidateShown = false;
            xBeforeCandidate = x;
        }
        int32_t w = GlyphAdvance(p + i);
        if (i > start && x + w + overhangs_[c] > wrapWidth_) {
            int32_t next;
            if (candidate >= 0) {
                next = candidate + 1;
                line.visibleCount = candidate - start + (candidateShown ? 1 : 0);
                line.width = ClampWidth(candidateShown ? xAfterCandidate : xBeforeCandidate);
            } else {
                next = i;
                line.visibleCount = i - start;
                line.width = ClampWidth(x);
            }
            // The kerning lookahead of the overflowing character read one further.
            int32_t reach = i + 1;
            for (int32_t swallowed = 0; swallowed < 2 && next < length; ++swallowed) {
                reach = std::max(reach, next);
                if (p[next] != ' ') break;
                ++next;
            }
            line.totalCount = next - start;
            line.reach = std::max(reach, std::min(next, length));
            return;
        }
        x += w;
        if (kind == kBreakAfter) {
            candidate = i;
            candidateShown = true;
            xAfterCandidate = x;
        }
        previousBlank = kind == kSpace;
        ++i;
    }
    line.visibleCount = length - start;
    line.totalCount = length - start;
    line.width = ClampWidth(x);
    line.reach = length;
    last = true;
}

void TextBox::StoreLine(int32_t index, const TextBoxLine& line) {
    int32_t count = lines_.Count();
    if (index >= count) {
        // Small first, then in steps of 32 and, once large, by half again: the vector
        // of a long document must not be copied once per step.
        int32_t wanted = index < 6 ? index + 1 : ((index + 1) | 31);
        if (count >= 1024) wanted = std::max(wanted, count + count / 2);
        if (!lines_.SetCount(wanted)) Fatal("Out of memory laying out %d lines", index + 1);
    }
    lines_.Data()[index] = line;
}

bool TextBox::EnsureLayout(int32_t line, int32_t charIndex) {
    if (!CanLayOut() || line < 0 || charIndex < 0) return false;
    if (lastLine_ >= 0) {
        if (complete_) return true;
        const TextBoxLine& end = lines_.Data()[lastLine_];
        if (lastLine_ >= line && end.start + end.totalCount > charIndex) return true;
    }
    if (singleLine_) {
        TextBoxLine record;
        record.start = 0;
        record.visibleCount = record.totalCount = text_.Length();
        record.flags = alignment_;
        int64_t x = 0;
        for (int32_t i = 0; i < text_.Length(); ++i) x += Advance(i, x);
        record.width = ClampWidth(x);
        record.reach = text_.Length();
        StoreLine(0, record);
        lastLine_ = 0;
        complete_ = true;
        return true;
    }
    int32_t k = lastLine_ + 1;
    int32_t p = 0;
    if (lastLine_ >= 0) {
        const TextBoxLine& end = lines_.Data()[lastLine_];
        p = end.start + end.totalCount;
    }
    for (;;) {
        TextBoxLine record;
        bool last;
        BreakLine(p, record, last);
        StoreLine(k, record);
        lastLine_ = k;
        if (last) {
            complete_ = true;
            break;
        }
        p = record.start + record.totalCount;
        if (k >= line && p > charIndex) break;
        ++k;
    }
    return true;
}

// Last laid-out line whose start is at or before `index`.
int32_t TextBox::FindLine(int32_t index) const {
    const TextBoxLine* lines = lines_.Data();
    int32_t low = 0;
    int32_t high = lastLine_;
    while (low < high) {
        int32_t mid = low + (high - low + 1) / 2;
        if (lines[mid].start <= index)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

void TextBox::SpliceLines(int32_t first, int32_t oldCount, const Vector<TextBoxLine>& fresh) {
    int32_t freshCount = fresh.Count();
    int32_t tail = lastLine_ + 1 - (first + oldCount);
    int32_t newLast = first + freshCount + tail - 1;
    if (freshCount > oldCount && newLast >= lines_.Count()) StoreLine(newLast, TextBoxLine());
    TextBoxLine* lines = lines_.Data();
    if (tail > 0 && freshCount != oldCount)
        std::memmove(static_cast<void*>(lines + first + freshCount),
                     lines + first + oldCount, size_t(tail) * sizeof(TextBoxLine));
    if (freshCount)
        std::memcpy(static_cast<void*>(lines + first), fresh.Data(),
                    size_t(freshCount) * sizeof(TextBoxLine));
    lastLine_ = newLast;
}

void TextBox::TextChanged(int32_t start, int32_t insertedEnd, int32_t delta) {
    if (singleLine_ || !font_ || text_.Length() < kSmallText) {
        InvalidateLayout();
        return;
    }
    if (lastLine_ < 0) return;
    TextBoxLine* lines = lines_.Data();
    // Lines that never looked as far as the edit keep their records; the edit lies
    // beyond the layout when even the last line did not.
    if (lines[lastLine_].reach < start) return;
    int32_t editLine = FindLine(start);
    int32_t from = editLine;
    while (from > 0 && lines[from - 1].reach >= start) --from;
    if (from > 0) --from;
    if (editLine >= lastLine_ - 1) {
        // The edit is at the end of what was laid out: let the lazy layout redo it.
        lastLine_ = from - 1;
        complete_ = false;
        return;
    }
    // Re-break from `from` until a new line starts where an old one did behind the
    // edit: from there on the text, and so the old records, are the same.
    const int32_t oldEditEnd = insertedEnd - delta;
    Vector<TextBoxLine> fresh;
    int32_t p = lines[from].start;
    int32_t old = from + 1;
    for (;;) {
        TextBoxLine record;
        bool last;
        BreakLine(p, record, last);
        fresh.Append(record);
        if (last) {
            SpliceLines(from, lastLine_ + 1 - from, fresh);
            complete_ = true;
            return;
        }
        p = record.start + record.totalCount;
        int32_t pOld = p - delta;
        lines = lines_.Data();
        while (old <= lastLine_ && lines[old].start < pOld) ++old;
        if (old > lastLine_) {
            SpliceLines(from, lastLine_ + 1 - from, fresh);
            complete_ = false;
            return;
        }
        if (lines[old].start == pOld && pOld >= oldEditEnd) break;
    }
    for (int32_t i = old; i <= lastLine_; ++i) {
        lines[i].start += delta;
        lines[i].reach += delta;
    }
    SpliceLines(from, old - from, fresh);
    if (complete_ && lines_.Count() > lastLine_ + 1 + 256) lines_.SetCount(lastLine_ + 1 + 256);
}

bool TextBox::IsValidIndex(int32_t index) {
    return index >= 0 && index <= text_.Length() && EnsureLayout(0, index);
}

int32_t TextBox::LineOfIndex(int32_t index) {
    if (index < 1) return 0;
    if (index >= text_.Length()) return std::max(0, LineCount() - 1);
    if (!EnsureLayout(0, index)) return 0;
    return FindLine(index);
}

bool TextBox::GetLine(int32_t line, TextBoxLine& record) {
    if (line < 0 || !EnsureLayout(line, 0) || line > lastLine_) return false;
    record = lines_.Data()[line];
    return true;
}

int32_t TextBox::LineStart(int32_t line) {
    TextBoxLine record;
    return GetLine(line, record) ? record.start : -1;
}

int32_t TextBox::LineVisibleCount(int32_t line) {
    TextBoxLine record;
    return GetLine(line, record) ? record.visibleCount : -1;
}

int32_t TextBox::LineTotalCount(int32_t line) {
    TextBoxLine record;
    return GetLine(line, record) ? record.totalCount : -1;
}

int32_t TextBox::LineLastIndex(int32_t line) {
    TextBoxLine record;
    return GetLine(line, record) ? record.start + record.visibleCount - 1 : -1;
}

int32_t TextBox::LineWidth(int32_t line) {
    TextBoxLine record;
    return GetLine(line, record) ? record.width : -1;
}

int32_t TextBox::LineFlags(int32_t line) {
    TextBoxLine record;
    return GetLine(line, record) ? record.flags : -1;
}

int32_t TextBox::LineCount() {
    EnsureLayout(kUnbounded, kUnbounded);
    return lastLine_ + 1;
}

int32_t TextBox::EstimatedLineCount() {
    if (complete_) return lastLine_ + 1;
    if (lastLine_ < 0) return 1 + text_.Length() / 64;
    const TextBoxLine& end = lines_.Data()[lastLine_];
    int64_t done = int64_t(end.start) + end.totalCount;
    int64_t laid = lastLine_ + 1;
    int64_t perLine = std::max<int64_t>(1, done / laid);
    int64_t estimate = laid + (text_.Length() - done) / perLine + 1;
    return int32_t(std::min<int64_t>(estimate, kMaxWidth));
}

int32_t TextBox::CharWidth(int32_t index) {
    if (index < 0 || index >= text_.Length()) return 0;
    int32_t line = LineOfIndex(index);
    TextBoxLine record;
    if (!GetLine(line, record) || index >= record.start + record.visibleCount) return 0;
    int64_t x = 0;
    for (int32_t i = record.start; i < index; ++i) x += Advance(i, x);
    return Advance(index, x);
}

int32_t TextBox::AlignmentOffset(int32_t line) {
    TextBoxLine record;
    if (wrapWidth_ == kUnbounded || !GetLine(line, record)) return 0;
    int32_t room = std::max(0, wrapWidth_ - record.width);
    if (record.flags & TextBoxLine::kCentred) return room / 2;
    if (record.flags & TextBoxLine::kRightAligned) return room;
    return 0;
}

int32_t TextBox::XOfIndex(int32_t index, int32_t line) {
    if (line < 0) line = LineOfIndex(index);
    TextBoxLine record;
    if (!GetLine(line, record)) return 0;
    int32_t end = std::min(index, record.start + record.visibleCount);
    int64_t x = 0;
    for (int32_t i = record.start; i < end; ++i) x += Advance(i, x);
    return ClampWidth(AlignmentOffset(line) + x);
}

int32_t TextBox::IndexAtX(int32_t line, int32_t x) {
    TextBoxLine record;
    if (!GetLine(line, record)) return -1;
    int64_t offset = AlignmentOffset(line);
    int64_t left = 0;
    int32_t end = record.start + record.visibleCount;
    for (int32_t i = record.start; i < end; ++i) {
        int32_t w = Advance(i, left);
        if (x < offset + left + w / 2) return i;
        left += w;
    }
    return end;
}

int32_t TextBox::LineHeight() {
    if (lineHeight_ < 0) {
        if (!font_) return 0;
        lineHeight_ = std::max(1, int32_t(std::lround(font_->Height() * lineHeightFactor_)));
    }
    return lineHeight_;
}

int32_t TextBox::LineY(int32_t line) {
    return (line - firstVisibleLine_) * LineHeight();
}

int32_t TextBox::LineAdvances(int32_t line, Vector<int32_t>& advances) {
    TextBoxLine record;
    if (!GetLine(line, record)) {
        advances.SetCount(0);
        return 0;
    }
    if (!advances.SetCount(record.visibleCount)) return 0;
    int32_t* out = advances.Data();
    int64_t x = 0;
    for (int32_t i = 0; i < record.visibleCount; ++i) {
        int32_t w = Advance(record.start + i, x);
        out[i] = w;
        x += w;
    }
    return record.visibleCount;
}

int64_t TextBox::MeasureRun(int32_t index, int32_t count, int64_t x, int32_t* advances) const {
    count = std::min(count, text_.Length() - index);
    for (int32_t i = 0; i < count; ++i) {
        int32_t w = Advance(index + i, x);
        advances[i] = w;
        x += w;
    }
    return x;
}
