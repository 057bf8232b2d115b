// The dialog layout language: a sequence of elements such as
//   text { text='Balloon delay:'; widthgroup=1; right }; edit { samerow; limit=4 }
// each creating one control of a Dialog, with its layout flags.
#pragma once

#include <cstdint>
#include <vector>

#include "core/String.h"
#include "ui/Dialog.h"

class DialogResources;

// Appends the controls of `text` to the dialog. On the first error returns false with
// the controls made so far left in place; the error position is the scanner's, and
// the error text is the message, a blank line and the text with " <!ERROR!> " at that
// position. Character sets and font faces come from `resources`.
bool ParseLayout(Dialog& dialog, const String& text, DialogResources& resources,
                 int32_t* errorPosition = nullptr, String* errorText = nullptr);
// As above, with the installed DialogResources.
bool ParseLayout(Dialog& dialog, const String& text, int32_t* errorPosition = nullptr,
                 String* errorText = nullptr);

// Every number in the text, in order ("3,50,.5" gives 3, 50 and 0.5); other
// characters only separate them.
std::vector<double> ExtractNumbers(const String& text);
// False for an empty value and for "0", "n", "no", "f" and "false" in any case.
bool ParseLayoutBoolean(const String& value);
// "Solid[1],Outset[2]{out}": labels with optional [id] and {alias}; ",," is a comma.
std::vector<DialogEntry> ParseEntries(const String& value);
