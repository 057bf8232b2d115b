// One undo snapshot: the whole text as it was before a change, with the selection and
// the scroll position, so that undo restores what the user saw.
#pragma once

#include <cstdint>
#include <functional>

#include "core/String.h"

struct EditboxUndo {
    String text;
    int32_t anchor = -1;
    int32_t caret = 0;
    int32_t topLine = 0;
};

// A text tool rewrites the text in place and returns false when it cannot (malformed
// input to a decoder, say). Plain functions `bool F(String&)` and lambdas that carry
// parameters both fit.
using TextTransform = std::function<bool(String& text)>;

// Flags of Editbox::ApplyTextTool.
enum : int32_t {
    kToolNeedsTabs = 1,  // refuse unless Tab may be typed
    kToolNeedsMultiLine = 2,  // refuse unless the box is multi-line
    kToolNeedsSelection = 4,  // refuse without a selection
    kToolWholeLines = 8,  // a result that starts mid-line gets a line break in front
    kToolKeepAddedBreak = 16,  // the line break appended to the target stays
    kToolSucceedUnchanged = 32,  // an unchanged text counts as success
    kToolNoAddedBreak = 64,  // do not append a line break to the target
    kToolStripWhiteSpace = 128,  // drop spaces, CR, LF and TAB before transforming
};

// What a text tool works on: a copy of the selection or of the whole text.
struct ToolTarget {
    String text;
    int32_t first = 0;
    int32_t last = -1;  // inclusive
    bool isSelection = false;
    bool caretAtStart = false;  // the caret was at the lower end of the selection
    bool addedBreak = false;  // an LF was appended and is to be taken off the result
};
