// What the command line asks of this run. Filled once by ParseCommandLine and
// consumed by the main routine; nothing else keeps it.
#pragma once

#include <cstdint>

#include "core/String.h"

enum class StartAction { None, PrintWithDialog, PrintDirectly, Associate, Uninstall };

struct StartRequest {
    String fileName;
    int32_t jumpLine = -1;    // 1-based; -1 = none
    int32_t jumpOffset = -1;  // 0-based character index; -1 = none
    StartAction action = StartAction::None;
    String extension;  // for Associate
    bool openLast = false;
    bool showWindow = true;
    // When on, a document that fails to load cancels a print request.
    bool keepActionOnLoadFailure = true;
    // A popup switch turns the run into one message window and nothing else.
    bool popup = false;
    String popupText;
};

enum class CommandLineError { None, InvalidSwitch, InvalidParameter };

struct CommandLineResult {
    CommandLineError error = CommandLineError::None;
    String token;  // the offending token, a switch without its "/" or "-"
};

// Parsing stops at the first bad token; the caller turns that into the fatal report
// (see CommandLineErrorFormat), so parsing itself stays testable.
CommandLineResult ParseCommandLine(const String& commandLine, StartRequest& request);

// "Invalid command line switch:\r\n%s" and its sibling; null for None.
const char* CommandLineErrorFormat(CommandLineError error);

// True when some switch asks for the help viewer instead of the editor.
bool CommandLineAsksForHelp(const String& commandLine);

// Splits off the next token at or after pos: white space separates tokens, and a
// double quote runs to the next one, both quotes kept. Returns an empty token at the end.
String NextCommandLineToken(const String& commandLine, int32_t& pos);
