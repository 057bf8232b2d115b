// Every tool of the "Editbox tools" menu that rewrites text: its command number, the
// transformation and the options ApplyTextTool needs for it. The command table wires
// the menu through this list; the tools' insides stay in TextTools and Encoders.
#pragma once

#include <cstdint>
#include <span>

#include "core/String.h"
#include "editbox/EditboxUndo.h"

// Rewrites the text in place; false refuses (the editbox beeps). A plain function, so
// that the table is fixed at compile time; it converts to a TextTransform.
using TextToolFunction = bool (*)(String& text);

struct TextToolEntry {
    int command;
    TextToolFunction transform;
    int32_t applyFlags;  // kTool* of ApplyTextTool
    const char* helpText;  // the menu entry's help line
};

std::span<const TextToolEntry> TextToolEntries();
// The entry of a command number, or null when that command is no text tool.
const TextToolEntry* FindTextTool(int command);
