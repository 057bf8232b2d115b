#include "app/CommandLine.h"

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool StartsWithNoCase(const String& text, const char* prefix) {
    int32_t n = 0;
    while (prefix[n] != 0) ++n;
    return text.Length() >= n && text.Compare(prefix, false, n) == 0;
}

// The number after "jl"/"jo": reading starts at the first digit, sign or point of the
// rest, so "/jl=12" and "/jl 12"-style typos still jump.
int32_t ReadSwitchNumber(const String& rest) {
    int32_t i = 0;
    while (i < rest.Length() && !IsDigit(rest[i]) && rest[i] != '+' && rest[i] != '-' &&
           rest[i] != '.') {
        ++i;
    }
    bool negative = false;
    if (rest[i] == '+' || rest[i] == '-') {
        negative = rest[i] == '-';
        ++i;
    }
    int64_t value = 0;
    for (; IsDigit(rest[i]); ++i) {
        value = value * 10 + (rest[i] - '0');
        if (value > INT32_MAX) value = INT32_MAX;
    }
    if (negative) return -1;  // a negative line or offset means "no jump"
    return int32_t(value);
}

String WithoutClosingQuote(const String& text) {
    String result = text;
    if (result.Length() > 0 && result[result.Length() - 1] == '"') {
        result.Delete(result.Length() - 1, 1);
    }
    return result;
}

// Returns false when the switch is not one of ours (or is a second action).
bool ApplySwitch(const String& name, StartRequest& request) {
    bool noAction = request.action == StartAction::None;
    if (name.Compare("cv_new_version") == 0 || name.Compare("last") == 0) {
        request.openLast = true;
        return true;
    }
    if (StartsWithNoCase(name, "jl")) {
        request.jumpLine = ReadSwitchNumber(name.Mid(2));
        return true;
    }
    if (StartsWithNoCase(name, "jo")) {
        request.jumpOffset = ReadSwitchNumber(name.Mid(2));
        return true;
    }
    if (noAction && name.Compare("pc") == 0) {
        request.action = StartAction::PrintWithDialog;
        return true;
    }
    if (noAction && name.Compare("pd") == 0) {
        request.action = StartAction::PrintDirectly;
        return true;
    }
    if (noAction && StartsWithNoCase(name, "a\"")) {
        request.action = StartAction::Associate;
        request.extension = WithoutClosingQuote(name.Mid(2));
        request.keepActionOnLoadFailure = false;
        return true;
    }
    if (noAction && StartsWithNoCase(name, "popup\"")) {
        request.popup = true;
        request.popupText = WithoutClosingQuote(name.Mid(6));
        return true;
    }
    // Exact case on purpose: removing the registration must never be a typo away.
    if (noAction && name.Compare("uninstall", true) == 0) {
        request.action = StartAction::Uninstall;
        request.showWindow = false;
        request.keepActionOnLoadFailure = false;
        return true;
    }
    return false;
}

bool IsSwitch(const String& token) {
    return token[0] == '/' || token[0] == '-';
}

}  // namespace

String NextCommandLineToken(const String& commandLine, int32_t& pos) {
    int32_t length = commandLine.Length();
    while (pos < length && IsSpace(commandLine[pos])) ++pos;
    int32_t start = pos;
    while (pos < length && !IsSpace(commandLine[pos])) {
        if (commandLine[pos] == '"') {
            int32_t close = commandLine.Find('"', pos + 1);
            pos = close < 0 ? length : close + 1;
        } else {
            ++pos;
        }
    }
    return commandLine.Mid(start, pos - start);
}

CommandLineResult ParseCommandLine(const String& commandLine, StartRequest& request) {
    CommandLineResult result;
    int32_t pos = 0;
    bool haveFileName = false;
    for (;;) {
        String token = NextCommandLineToken(commandLine, pos);
        if (token.IsEmpty()) break;
        if (!IsSwitch(token)) {
            if (haveFileName) {
                result.error = CommandLineError::InvalidParameter;
                result.token = token;
                return result;
            }
            request.fileName = token;
            haveFileName = true;
            continue;
        }
        String name = token.Mid(1);
        if (!ApplySwitch(name, request)) {
            result.error = CommandLineError::InvalidSwitch;
            result.token = name;
            return result;
        }
        if (request.popup) break;  // the run is only the popup from here on
    }
    return result;
}

const char* CommandLineErrorFormat(CommandLineError error) {
    switch (error) {
        case CommandLineError::InvalidSwitch:
            return "Invalid command line switch:\r\n%s";
        case CommandLineError::InvalidParameter:
            return "Invalid command line parameter:\r\n%s";
        case CommandLineError::None:
            break;
    }
    return nullptr;
}

bool CommandLineAsksForHelp(const String& commandLine) {
    int32_t pos = 0;
    for (;;) {
        String token = NextCommandLineToken(commandLine, pos);
        if (token.IsEmpty()) return false;
        if (IsSwitch(token) && token.Mid(1).Compare("help") == 0) return true;
    }
}
