// The small question with one field: a caption, a line of text, and a number or a
// text to type, with OK and Cancel. It is written in the layout language, so it looks
// and behaves like every other dialog of the program (and is scripted like them in
// tests).
#pragma once

#include <cstdint>

#include "core/String.h"

struct PromptRequest {
    String caption;
    String text;
    String value;  // in: what the field starts with; out: what was typed, on OK
    bool numeric = false;  // a whole number
    int32_t limit = 0;  // characters (digits); 0 for no limit
};

// False on Cancel, with the value left as it was. A numeric prompt does not accept a
// text that is no whole number: it says so and asks again.
bool RunPrompt(PromptRequest& request);

// A whole number of at most `digits` digits; the field starts with `value`.
bool PromptForNumber(const String& caption, const String& text, int32_t digits, int32_t& value);

// The prompt's layout text; a quote inside a value is doubled as the language wants.
String PromptLayout(const PromptRequest& request, const String& value);
