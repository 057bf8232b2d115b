#include "ui/FlowLayout.h"

#include <algorithm>
#include <cmath>

#include "core/Settings.h"
#include "ui/Table.h"

namespace {

int32_t TextWidth(const String& text, double scale) {
    return int32_t(std::lround(text.Length() * MonospaceControlMeasurer::kCharWidth * scale));
}

int32_t WidestEntry(const DialogControl& c) {
    int32_t widest = 0;
    for (const DialogEntry& e : c.entries) widest = std::max(widest, TextWidth(e.label, c.fontScale));
    return widest;
}

struct Row {
    std::vector<int32_t> controls;
};

std::vector<Row> Rows(const Dialog& dialog) {
    std::vector<Row> rows;
    for (int32_t i = 0; i < dialog.Count(); ++i) {
        if (rows.empty() || (dialog.Control(i).layoutFlags & kLayoutNewRow)) rows.emplace_back();
        rows.back().controls.push_back(i);
    }
    return rows;
}

enum class WidthRule { kNatural, kGroup, kShare };

WidthRule RuleOf(const DialogControl& c) {
    if (LayoutWidthGroup(c.layoutFlags)) return WidthRule::kGroup;
    if ((c.layoutFlags & kLayoutNaturalWidth) || HasFixedWidth(c)) return WidthRule::kNatural;
    return WidthRule::kShare;
}

int32_t Indent(int32_t contentWidth) { return int32_t(std::lround(contentWidth * 0.04)); }

class Measured {
public:
    Measured(const Dialog& dialog, const ControlMeasurer& measurer) {
        for (int32_t i = 0; i < dialog.Count(); ++i) {
            const DialogControl& c = dialog.Control(i);
            ControlSize size = measurer.NaturalSize(c);
            size.width = std::max(size.width, 0);
            size.height = std::max(size.height, 0);
            sizes_.push_back(size);
            int32_t group = LayoutWidthGroup(c.layoutFlags);
            groups_[group] = std::max(groups_[group], size.width);
        }
    }
    const ControlSize& Size(int32_t i) const { return sizes_[size_t(i)]; }
    // The width a control has when it takes no share of free room.
    int32_t FixedWidth(const DialogControl& c, int32_t i) const {
        int32_t group = LayoutWidthGroup(c.layoutFlags);
        return group ? groups_[group] : Size(i).width;
    }

private:
    std::vector<ControlSize> sizes_;
    int32_t groups_[8] = {};
};

// Width a row needs in a client area `width` wide when every share is natural.
int32_t RowNeed(const Dialog& dialog, const Measured& m, const Row& row, int32_t width, int32_t gap) {
    int32_t need = 2 * gap + gap * (int32_t(row.controls.size()) - 1);
    for (int32_t i : row.controls) {
        const DialogControl& c = dialog.Control(i);
        need += m.FixedWidth(c, i);
        if (c.layoutFlags & kLayoutIndent) need += Indent(width - 2 * gap);
    }
    return need;
}

}  // namespace

ControlSize MonospaceControlMeasurer::NaturalSize(const DialogControl& c) const {
    const int32_t line = int32_t(std::lround(kLineHeight * c.fontScale));
    const int32_t field = line + 8;  // a line inside a border
    const int32_t label = c.caption.IsEmpty() ? 0 : TextWidth(c.caption, c.fontScale) + kCharWidth;
    switch (c.kind) {
    case ControlKind::kStaticText:
        return {TextWidth(c.caption, c.fontScale), c.fancy ? line + 8 : line};
    case ControlKind::kCheckbox:
    case ControlKind::kRadioButton:
        return {line + 4 + TextWidth(c.caption, c.fontScale), line};
    case ControlKind::kEditbox: {
        int32_t chars = c.edit.limit > 0 ? std::min(c.edit.limit, 40) : 16;
        int32_t w = label + chars * kCharWidth + 8;
        if (c.edit.incdec) w += line;
        if (c.edit.chooser != EditChooser::kNone) w += field;
        return {w, c.edit.multiline ? 4 * line + 8 : field};
    }
    case ControlKind::kPushButton:
        return {std::max(TextWidth(c.caption, c.fontScale) + 2 * kCharWidth, 75) +
                    (c.button.hasIcon ? line + 4 : 0),
                field};
    case ControlKind::kCombobox:
        return {label + std::max(WidestEntry(c), 8 * kCharWidth) + 8 + line, field};
    case ControlKind::kListbox: {
        int32_t rows = std::clamp(int32_t(c.entries.size()), 4, 8);
        return {std::max({WidestEntry(c), 8 * kCharWidth, label}) + 8 + line,
                rows * line + 8 + (c.caption.IsEmpty() ? 0 : line)};
    }
    case ControlKind::kScrollbar:
        return c.scroll.vertical ? ControlSize{line, 100} : ControlSize{100, line};
    case ControlKind::kDivider:
        return {2, 2};
    case ControlKind::kGlyphChooser:
        return {field, field};
    case ControlKind::kTable: {
        // The columns' hints side by side, a header and a few rows under it.
        int32_t w = 0;
        int32_t rows = 4;
        if (c.table) {
            for (int32_t k = 0; k < c.table->ColumnCount(); ++k) w += std::max(c.table->Column(k).width, 0);
            rows = std::clamp(c.table->RowCount(), 4, 8);
        }
        return {std::max(w, 8 * kCharWidth) + 8 + line, (rows + 1) * (line + 2) + 8};
    }
    }
    return {};
}

int32_t DialogGap(double gapFactor) {
    if (!(gapFactor > 0)) return 0;
    return int32_t(std::lround(std::min(gapFactor, 100.0) * kStandardDialogGap));
}

int32_t DialogGapFromSettings() { return DialogGap(SettingReal(kSetGapFactor)); }

bool HasFixedWidth(const DialogControl& c) {
    return c.kind == ControlKind::kPushButton || c.kind == ControlKind::kGlyphChooser ||
           (c.kind == ControlKind::kScrollbar && c.scroll.vertical);
}

bool CanGrowInHeight(const DialogControl& c) {
    return (c.kind == ControlKind::kEditbox && c.edit.multiline) || c.kind == ControlKind::kListbox ||
           c.kind == ControlKind::kTable;
}

FlowLayoutResult FlowLayout(const Dialog& dialog, const ControlMeasurer& measurer, int32_t width,
                            int32_t height, int32_t gap) {
    FlowLayoutResult result;
    result.rects.resize(size_t(dialog.Count()));
    if (dialog.Count() == 0) return result;
    gap = std::max(gap, 0);
    const Measured m(dialog, measurer);
    const std::vector<Row> rows = Rows(dialog);

    // The natural size: the indent grows with the width, so widen until every row fits.
    int32_t natural = 0;
    for (const Row& row : rows) natural = std::max(natural, RowNeed(dialog, m, row, 0, gap));
    for (bool fits = false; !fits;) {
        fits = true;
        for (const Row& row : rows) {
            int32_t need = RowNeed(dialog, m, row, natural, gap);
            if (need > natural) {
                natural = need;
                fits = false;
            }
        }
    }
    result.naturalWidth = natural;

    std::vector<int32_t> rowHeights;
    int32_t used = 2 * gap + gap * (int32_t(rows.size()) - 1);
    for (const Row& row : rows) {
        int32_t h = 0;
        for (int32_t i : row.controls) h = std::max(h, m.Size(i).height);
        rowHeights.push_back(h);
        used += h;
    }
    result.naturalHeight = used;

    // Spare height, shared out in turn so the remainder falls to the later rows.
    std::vector<int32_t> extra(rows.size(), 0);
    int32_t growing = 0;
    auto rowGrows = [&](const Row& row) {
        for (int32_t i : row.controls)
            if (CanGrowInHeight(dialog.Control(i))) return true;
        return false;
    };
    for (const Row& row : rows) growing += rowGrows(row);
    int32_t spare = height - used;
    for (size_t r = 0; r < rows.size() && spare > 0 && growing > 0; ++r) {
        if (!rowGrows(rows[r])) continue;
        extra[r] = spare / growing;
        spare -= extra[r];
        --growing;
    }

    const int32_t content = std::max(width - 2 * gap, 0);
    const int32_t indent = Indent(content);
    int32_t y = gap;
    for (size_t r = 0; r < rows.size(); ++r) {
        const Row& row = rows[r];
        int32_t free = content - gap * (int32_t(row.controls.size()) - 1);
        int32_t sharing = 0;
        for (int32_t i : row.controls) {
            const DialogControl& c = dialog.Control(i);
            if (c.layoutFlags & kLayoutIndent) free -= indent;
            if (RuleOf(c) == WidthRule::kShare) ++sharing;
            else free -= m.FixedWidth(c, i);
        }
        free = std::max(free, 0);
        const int32_t rowHeight = rowHeights[r] + extra[r];
        int32_t x = gap;
        for (int32_t i : row.controls) {
            const DialogControl& c = dialog.Control(i);
            if (c.layoutFlags & kLayoutIndent) x += indent;
            int32_t w;
            if (RuleOf(c) == WidthRule::kShare) {
                w = free / sharing;
                free -= w;
                --sharing;
            } else {
                w = m.FixedWidth(c, i);
            }
            int32_t h = m.Size(i).height;
            int32_t top = y + (rowHeights[r] - h) / 2;
            if (CanGrowInHeight(c)) {
                top = y;
                h = rowHeight;
            }
            result.rects[size_t(i)] = Rect{x, top, x + w, top + h};
            x += w + gap;
        }
        y += rowHeight + gap;
    }
    return result;
}
