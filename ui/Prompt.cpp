#include "ui/Prompt.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/Ask.h"
#include "ui/Dialog.h"
#include "ui/DialogLanguage.h"
#include "ui/DialogResources.h"

namespace {

constexpr int32_t kFieldIndex = 1;

String Quoted(const String& text) {
    String out("'");
    for (int32_t i = 0; i < text.Length(); ++i) {
        if (text[i] == '\'') out.Append('\'');
        out.Append(text[i]);
    }
    out.Append('\'');
    return out;
}

bool ReadWholeNumber(const String& text, int32_t& value) {
    String trimmed = text;
    trimmed.TrimLeft();
    trimmed.TrimRight();
    if (trimmed.IsEmpty()) return false;
    char* end = nullptr;
    errno = 0;
    long n = std::strtol(trimmed.c_str(), &end, 10);
    if (errno != 0 || *end != 0 || n < INT32_MIN || n > INT32_MAX) return false;
    value = int32_t(n);
    return true;
}

}  // namespace

String PromptLayout(const PromptRequest& request, const String& value) {
    String layout = "text { text=" + Quoted(request.text) + " }; edit { focus; text=" + Quoted(value);
    if (request.limit > 0) layout.Append(String::Formatted("; limit=%d", request.limit));
    layout.Append(" }");
    return layout;
}

bool RunPrompt(PromptRequest& request) {
    // The prompt fills no character-set or font list.
    ListedDialogResources none;
    String value = request.value;
    for (;;) {
        Dialog dialog(request.caption);
        ParseLayout(dialog, PromptLayout(request, value), none);
        DialogControl& field = dialog.Control(kFieldIndex);
        if (request.numeric) field.edit.numericMode = 1;
        if (TheAsk().RunDialog(dialog, DialogRun()) != kAskOk) return false;
        value = field.text;
        int32_t number = 0;
        if (!request.numeric || ReadWholeNumber(value, number)) break;
        ShowMessage(request.caption, "Please enter a whole number.", kAskOkOnly, kAskNone,
                    AskIcon::Warning);
    }
    request.value = value;
    return true;
}

bool PromptForNumber(const String& caption, const String& text, int32_t digits, int32_t& value) {
    PromptRequest request;
    request.caption = caption;
    request.text = text;
    request.value.FromInt(value);
    request.numeric = true;
    request.limit = digits;
    if (!RunPrompt(request)) return false;
    return ReadWholeNumber(request.value, value);
}
