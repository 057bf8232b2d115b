#include <algorithm>

#include "editbox/Editbox.h"
#include "editbox/EditboxSettings.h"

namespace {

int32_t CaretWidthSetting() {
    return std::clamp(TheEditboxSettings().caretWidth, 1, 99);
}

}  // namespace

// ---- fonts and layout options ----

const Font* Editbox::CurrentFont() const {
    const Font* wanted = IsFixedPitch() ? fixedFont_.get() : variableFont_.get();
    if (wanted) return wanted;
    return variableFont_ ? variableFont_.get() : fixedFont_.get();
}

void Editbox::SetFonts(std::unique_ptr<Font> variablePitch, std::unique_ptr<Font> fixedPitch) {
    box_.SetFont(nullptr);
    variableFont_ = std::move(variablePitch);
    fixedFont_ = std::move(fixedPitch);
    box_.SetFont(CurrentFont());
    RefreshTabDistance();
    UpdateWrapWidth();
    UpdateCaret();
    Invalidate();
}

void Editbox::RefreshSettings() {
    const EditboxSettings& settings = TheEditboxSettings();
    FontRequest variable;
    variable.face = settings.fontFace;
    variable.points = settings.fontPoints;
    variable.bold = settings.fontBold;
    variable.italic = settings.fontItalic;
    variable.charset = settings.fontCharset;
    FontRequest fixed;
    fixed.face = settings.fixedFontFace;
    fixed.points = settings.fontPoints;
    fixed.bold = settings.fixedFontBold;
    fixed.italic = settings.fixedFontItalic;
    fixed.fixedPitch = true;
    fixed.charset = settings.fontCharset;
    SetFonts(TheFontSource().OpenFont(variable), TheFontSource().OpenFont(fixed));
}

void Editbox::RefreshTabDistance() {
    const EditboxSettings& settings = TheEditboxSettings();
    if (IsFixedPitch())
        box_.SetTabDistance(std::clamp(settings.tabDistanceFixed, 1, 99), kTabCharacters);
    else
        box_.SetTabDistance(std::clamp(settings.tabDistanceVariable, 0.5, 100.0), kTabInches);
    caretLine_ = -1;
    ScrollCaretIntoView();
    Invalidate();
}

void Editbox::UpdateWrapWidth() {
    int32_t width = TextBox::kUnbounded;
    if (box_.WordWrap() && clientWidth_ > 0)
        width = std::max(1, clientWidth_ - 2 * kTextMargin - CaretWidthSetting());
    box_.SetWrapWidth(width);
    caretLine_ = -1;
}

void Editbox::SetWordWrap(bool on) {
    if (on && !IsMultiLine()) return;
    if (on && horizontalOffset_ != 0) SetHorizontalOffset(0);
    if (on == box_.WordWrap()) return;
    // Keep the same text at the top of the view across the re-layout.
    int32_t topIndex = std::max(0, box_.LineStart(topLine_));
    box_.SetWordWrap(on);
    UpdateWrapWidth();
    topLine_ = box_.LineOfIndex(topIndex);
    box_.SetFirstVisibleLine(topLine_);
    caretLine_ = -1;
    ScrollCaretIntoView();
    Invalidate();
    NotifyScroll();
    UpdateCaret();
}

void Editbox::SetFixedPitch(bool on) {
    if (on == IsFixedPitch()) return;
    style_ ^= kEditboxFixedPitch;
    box_.SetFont(CurrentFont());
    RefreshTabDistance();
    if (owner_) owner_->EditboxFixedPitchToggled(*this);
    UpdateCaret();
    Invalidate();
    NotifyScroll();
}

void Editbox::ExchangeOptions(EditboxOptionExchange& exchange) {
    if (!(style_ & kEditboxNoWordBreakOption)) {
        bool wrap = WordWrap();
        exchange.ExchangeBool("WordBreak", wrap);
        if (exchange.IsLoading()) SetWordWrap(wrap);
    }
    if (!(style_ & kEditboxNoFixedPitchOption)) {
        bool fixed = IsFixedPitch();
        exchange.ExchangeBool("FixedPitch", fixed);
        if (exchange.IsLoading()) SetFixedPitch(fixed);
    }
}

// ---- view ----

void Editbox::Invalidate() {
    if (view_) view_->InvalidateAll();
}

void Editbox::NotifyScroll() {
    if (view_) view_->ScrollStateChanged();
}

void Editbox::OnSize(int32_t width, int32_t height) {
    // A new width re-wraps the text: the top line's number would then point at other
    // text, so the view follows the text that was at its top. A caret the user had
    // scrolled away from stays where it is.
    int32_t topIndex = std::max(0, box_.LineStart(topLine_));
    int32_t caretLine = CaretLine();
    bool caretShown = caretLine >= topLine_ && caretLine < topLine_ + VisibleLineCount();
    clientWidth_ = std::max(0, width);
    clientHeight_ = std::max(0, height);
    UpdateWrapWidth();
    if (box_.WordWrap()) {
        topLine_ = box_.LineOfIndex(topIndex);
        box_.SetFirstVisibleLine(topLine_);
    }
    if (caretShown) ScrollCaretIntoView();
    Invalidate();
    NotifyScroll();
    UpdateCaret();
}

void Editbox::OnFocus(bool focused) {
    focused_ = focused;
    UpdateCaret();
}

int32_t Editbox::VisibleLineCount() {
    int32_t height = box_.LineHeight();
    if (height <= 0 || clientHeight_ <= 0) return 1;
    return std::max(1, clientHeight_ / height);
}

void Editbox::ScrollToLine(int32_t line) {
    line = std::max(0, line);
    if (line > 0) {
        box_.EnsureLayout(line, 0);
        if (line > box_.LastLaidOutLine()) line = std::max(0, box_.LastLaidOutLine());
    }
    if (line == topLine_) return;
    topLine_ = line;
    box_.SetFirstVisibleLine(line);
    Invalidate();
    NotifyScroll();
    UpdateCaret();
}

void Editbox::ScrollLines(int32_t delta) {
    ScrollToLine(int32_t(std::clamp<int64_t>(int64_t(topLine_) + delta, 0, 0x7FFFFFFF)));
}

void Editbox::SetHorizontalOffset(int32_t x) {
    x = std::max(0, x);
    if (x == horizontalOffset_) return;
    horizontalOffset_ = x;
    Invalidate();
    NotifyScroll();
    UpdateCaret();
}

void Editbox::ScrollCaretIntoView() {
    int32_t line = CaretLine();
    int32_t visible = VisibleLineCount();
    int32_t top = topLine_;
    if (line < top)
        top = line;
    else if (line >= top + visible)
        top = line - visible + 1;
    if (top != topLine_) {
        topLine_ = top;
        box_.SetFirstVisibleLine(top);
        Invalidate();
        NotifyScroll();
    }
    // Horizontal scrolling only matters when lines are not wrapped to the view.
    if (clientWidth_ > 0 && !box_.WordWrap()) {
        int32_t x = box_.XOfIndex(caret_, line);
        int32_t room = std::max(1, clientWidth_ - 2 * kTextMargin - CaretWidthSetting());
        int32_t offset = horizontalOffset_;
        if (x < offset)
            offset = std::max(0, x - room / 4);
        else if (x > offset + room)
            offset = x - room * 3 / 4;
        SetHorizontalOffset(offset);
    }
    UpdateCaret();
}

void Editbox::CaretPoint(int32_t& x, int32_t& y) {
    int32_t line = CaretLine();
    x = TextLeft() + box_.XOfIndex(caret_, line);
    y = (line - topLine_) * box_.LineHeight();
}

void Editbox::UpdateCaret() {
    if (!view_) return;
    if (!focused_) {
        view_->PlaceCaret(0, 0, 0, 0);
        return;
    }
    int32_t x, y;
    CaretPoint(x, y);
    view_->PlaceCaret(x, y, CaretWidthSetting(), box_.LineHeight());
}

EditboxScrollState Editbox::GetScrollState() {
    EditboxScrollState state;
    state.topLine = topLine_;
    state.visibleLines = VisibleLineCount();
    box_.EnsureLayout(topLine_ + state.visibleLines, 0);
    state.lineCount = std::max(1, box_.EstimatedLineCount());
    state.horizontalOffset = horizontalOffset_;
    int32_t widest = 0;
    int32_t last = std::min(topLine_ + state.visibleLines, box_.LastLaidOutLine());
    for (int32_t line = topLine_; line <= last; ++line) widest = std::max(widest, box_.LineWidth(line));
    state.pageWidth = clientWidth_;
    state.horizontalExtent = box_.WordWrap()
                                 ? clientWidth_
                                 : std::max(widest + 2 * kTextMargin + CaretWidthSetting(),
                                            horizontalOffset_ + clientWidth_);
    return state;
}

ViewScrollState Editbox::ScrollState() {
    EditboxScrollState state = GetScrollState();
    ViewScrollState bars;
    bars.vertical = {state.topLine, state.visibleLines, std::max(0, state.lineCount - 1)};
    bars.horizontal = {state.horizontalOffset, std::max(1, state.pageWidth),
                       std::max(0, state.horizontalExtent - 1)};
    return bars;
}

void Editbox::OnScroll(ScrollAxis axis, ScrollRequest request, int32_t position) {
    ViewScrollState bars = ScrollState();
    if (axis == ScrollAxis::Vertical) {
        switch (request) {
            case ScrollRequest::LineBack: ScrollLines(-1); break;
            case ScrollRequest::LineForward: ScrollLines(1); break;
            case ScrollRequest::PageBack: ScrollLines(-bars.vertical.page); break;
            case ScrollRequest::PageForward: ScrollLines(bars.vertical.page); break;
            case ScrollRequest::Track: ScrollToLine(position); break;
            case ScrollRequest::Start: ScrollToLine(0); break;
            case ScrollRequest::End: ScrollToLine(bars.vertical.maximum); break;
        }
        return;
    }
    constexpr int32_t kStep = 16;
    int32_t x = horizontalOffset_;
    switch (request) {
        case ScrollRequest::LineBack: x -= kStep; break;
        case ScrollRequest::LineForward: x += kStep; break;
        case ScrollRequest::PageBack: x -= bars.horizontal.page; break;
        case ScrollRequest::PageForward: x += bars.horizontal.page; break;
        case ScrollRequest::Track: x = position; break;
        case ScrollRequest::Start: x = 0; break;
        case ScrollRequest::End: x = bars.horizontal.maximum; break;
    }
    SetHorizontalOffset(std::max(0, x));
}

void Editbox::OnWheel(int32_t notches) {
    constexpr int32_t kWheelLines = 3;
    if (notches) ScrollLines(-notches * kWheelLines);
}

EditboxStatus Editbox::GetStatus() {
    EditboxStatus status;
    int32_t line = CaretLine();
    status.caretLine = line + 1;
    status.lineCount = box_.LineCount();
    status.caretColumn = caret_ - std::max(0, box_.LineStart(line)) + 1;
    status.lineLength = std::max(0, box_.LineVisibleCount(line));
    return status;
}

// ---- painting ----

void Editbox::Paint(Surface& surface) {
    Rect clip = surface.ClipBounds();
    surface.Fill(clip, surface.SystemColor(SurfaceColor::Window));
    int32_t height = box_.LineHeight();
    if (height <= 0 || clip.IsEmpty() || !CurrentFont()) return;
    int32_t first = topLine_ + std::max(0, clip.top) / height;
    int32_t last = topLine_ + std::max(0, clip.bottom - 1) / height;
    box_.EnsureLayout(last, 0);
    last = std::min(last, box_.LastLaidOutLine());
    for (int32_t line = first; line <= last; ++line)
        PaintLine(surface, line, (line - topLine_) * height, clip);
}

// Draws one display line in runs that break at tabs (which are not drawn, only
// skipped), at the selection's ends (which change the colours) and every so many
// characters, measuring as it goes: a line can be the whole of a long document.
void Editbox::PaintLine(Surface& surface, int32_t line, int32_t y, const Rect& clip) {
    TextBoxLine record;
    if (!box_.GetLine(line, record)) return;
    const Font& font = *CurrentFont();
    const int32_t height = box_.LineHeight();
    const int32_t count = record.visibleCount;
    const char* text = Text().c_str() + record.start;
    const bool selection = HasSelection();
    const int32_t selFirst = SelectionStart() - record.start;
    const int32_t selEnd = SelectionEnd() - record.start;
    const Color ink = surface.SystemColor(SurfaceColor::WindowText);
    const Color selectionInk = surface.SystemColor(SurfaceColor::SelectionText);
    const Color selectionBack = surface.SystemColor(SurfaceColor::Selection);
    constexpr int32_t kRun = 256;
    int32_t advances[kRun];

    const int64_t left = int64_t(TextLeft()) + box_.AlignmentOffset(line);
    int64_t x = 0;  // from the line's left edge, as tab stops count
    int32_t i = 0;
    while (i < count && left + x < clip.right) {
        bool selected = selection && i >= selFirst && i < selEnd;
        int32_t end = i + 1;
        if (text[i] != '\t') {
            int32_t limit = std::min(count, i + kRun);
            if (selection && selFirst > i) limit = std::min(limit, selFirst);
            if (selection && selEnd > i) limit = std::min(limit, selEnd);
            while (end < limit && text[end] != '\t') ++end;
        }
        int64_t after = box_.MeasureRun(record.start + i, end - i, x, advances);
        if (left + after > clip.left) {
            int32_t from = int32_t(std::max<int64_t>(left + x, -0x40000000));
            int32_t to = int32_t(std::min<int64_t>(left + after, 0x3FFFFFFF));
            if (selected) surface.Fill(Rect{from, y, to, y + height}, selectionBack);
            if (text[i] != '\t')
                surface.DrawRun(font, from, y, text + i, end - i, advances,
                                selected ? selectionInk : ink);
        }
        x = after;
        i = end;
    }
    // A selected line break (or swallowed spaces) shows as a block after the text.
    bool breakSelected = selection && record.totalCount > record.visibleCount &&
                         selFirst <= record.visibleCount && selEnd > record.visibleCount;
    if (breakSelected && i >= count && left + x < clip.right) {
        int32_t from = int32_t(std::max<int64_t>(left + x, -0x40000000));
        surface.Fill(Rect{from, y, from + std::max(1, font.AverageWidth()), y + height},
                     selectionBack);
    }
}
