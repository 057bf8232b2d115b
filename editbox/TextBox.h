// The text of an editbox and its division into display lines. The whole document is
// one String; display lines are records over it, laid out lazily from the top as far
// as a query needs, and re-broken locally after an edit.
#pragma once

#include <cstdint>
#include <memory>

#include "core/String.h"
#include "core/Vector.h"

class Font;

struct TextBoxLine {
    static constexpr int32_t kCentred = 0x100;
    static constexpr int32_t kRightAligned = 0x200;

    int32_t start = 0;
    // Displayed characters: without the line break and without the spaces swallowed
    // after a wrap.
    int32_t visibleCount = 0;
    // Everything up to the next line's start.
    int32_t totalCount = 0;
    int32_t width = 0;
    int32_t flags = 0;
    // The furthest index the line breaker looked at to end this line: overflow tests
    // look ahead past the break (kerning, swallowed spaces, the second byte of a line
    // break), so an edit up to here can change the line.
    int32_t reach = 0;
};

// Units of SetTabDistance.
enum TabUnit : int32_t {
    kTabPixels = 0,
    kTabDeviceUnits = 1,
    kTabInches = 2,
    kTabCharacters = 3,
};

class TextBox {
public:
    static constexpr int32_t kUnbounded = 0x7FFFFFFF;
    // Below this length an edit simply drops the layout; re-breaking is cheaper than
    // working out what changed.
    static constexpr int32_t kSmallText = 400;

    TextBox();
    ~TextBox();
    TextBox(const TextBox&) = delete;
    TextBox& operator=(const TextBox&) = delete;

    const String& Text() const { return text_; }
    int32_t Length() const { return text_.Length(); }

    // Wholesale replacement; the layout starts again from the top.
    bool SetText(const String& text);
    void TakeText(String& text);  // swaps: `text` receives the old text
    // Edits that keep the layout in step. False (text unchanged) on bad arguments.
    bool Replace(int32_t start, int32_t removeCount, const char* bytes, int32_t count);
    bool Truncate(int32_t length);

    // Layout parameters; each change that matters invalidates the layout.
    void SetFont(const Font* font);
    const Font* GetFont() const { return font_; }
    void SetWrapWidth(int32_t width);  // kUnbounded = no bound and no alignment
    int32_t WrapWidth() const { return wrapWidth_; }
    void SetWordWrap(bool on);
    bool WordWrap() const { return wrap_; }
    void SetSingleLine(bool on);
    bool SingleLine() const { return singleLine_; }
    void SetTabDistance(double value, int32_t unit);
    double TabDistance() const { return tabDistance_; }
    int32_t TabUnitMode() const { return tabUnit_; }
    // TextBoxLine::kCentred or kRightAligned, given to every line; 0 = left.
    void SetAlignment(int32_t flags);
    void SetLineHeightFactor(double factor);
    void SetFirstVisibleLine(int32_t line) { firstVisibleLine_ = line; }
    int32_t FirstVisibleLine() const { return firstVisibleLine_; }

    // Lays out until line `line` exists and the line holding `charIndex` exists (as far
    // as the text reaches). Pass 0 for a bound that does not matter and kUnbounded to
    // lay out everything. False without a font, without a positive wrap width, or
    // for a negative argument.
    bool EnsureLayout(int32_t line, int32_t charIndex);
    void InvalidateLayout();
    // Keeps the layout valid after text [start, start + removed) became `inserted`
    // bytes. Replace and Truncate call it; callers that change the text by other
    // means must too.
    void TextChanged(int32_t start, int32_t insertedEnd, int32_t delta);

    bool IsValidIndex(int32_t index);
    int32_t LineOfIndex(int32_t index);
    int32_t LineStart(int32_t line);
    int32_t LineVisibleCount(int32_t line);
    int32_t LineTotalCount(int32_t line);
    int32_t LineLastIndex(int32_t line);
    int32_t LineWidth(int32_t line);
    int32_t LineFlags(int32_t line);
    // A copy of the record, or false when the line does not exist.
    bool GetLine(int32_t line, TextBoxLine& record);
    // Lays out everything.
    int32_t LineCount();
    // What is known without laying out further: the lines so far plus an estimate for
    // the rest of the text from their average length. Scroll bars use it.
    int32_t EstimatedLineCount();
    int32_t LastLaidOutLine() const { return lastLine_; }
    bool LayoutComplete() const { return complete_; }

    int32_t CharWidth(int32_t index);
    // `line` may be -1 to have it looked up.
    int32_t XOfIndex(int32_t index, int32_t line);
    int32_t IndexAtX(int32_t line, int32_t x);
    int32_t AlignmentOffset(int32_t line);
    int32_t LineHeight();
    int32_t LineY(int32_t line);
    // Pixels of one tab stop for the current font, unit and wrap width.
    int32_t TabWidth() const { return tabWidth_; }
    // The advance of every visible character of `line`, for drawing. Tabs get the
    // distance to their stop. Returns the count written (the visible count).
    int32_t LineAdvances(int32_t line, Vector<int32_t>& advances);
    // The advances of `count` characters from `index`, the first of which starts `x`
    // pixels into its line (tabs need to know); returns the x after them.
    int64_t MeasureRun(int32_t index, int32_t count, int64_t x, int32_t* advances) const;

private:
    int32_t GlyphAdvance(const uint8_t* p) const;
    int32_t Advance(int32_t index, int64_t x) const;
    void BreakLine(int32_t start, TextBoxLine& line, bool& last) const;
    void StoreLine(int32_t index, const TextBoxLine& line);
    void SpliceLines(int32_t first, int32_t oldCount, const Vector<TextBoxLine>& fresh);
    int32_t FindLine(int32_t index) const;
    void LoadFontTables();
    void UpdateTabWidth();
    bool CanLayOut() const { return font_ && wrapWidth_ > 0; }

    String text_;
    const Font* font_ = nullptr;
    int32_t wrapWidth_ = kUnbounded;
    bool wrap_ = false;
    bool singleLine_ = false;
    double tabDistance_ = 8;
    int32_t tabUnit_ = kTabCharacters;
    int32_t alignment_ = 0;
    double lineHeightFactor_ = 1.0;
    int32_t lineHeight_ = -1;
    int32_t firstVisibleLine_ = 0;

    Vector<TextBoxLine> lines_;
    int32_t lastLine_ = -1;
    // The last laid-out line is the text's last line.
    bool complete_ = false;

    // Widths are a function of the byte and the one after it, so they are cached per
    // byte value (and per pair when the font kerns) rather than per text position:
    // the cache stays a few kilobytes however long the document is.
    int32_t widths_[256] = {};
    int32_t overhangs_[256] = {};
    std::unique_ptr<int16_t[]> kerning_;
    int32_t fixedWidth_ = 0;  // 0 = proportional
    int32_t tabWidth_ = 1;
};
