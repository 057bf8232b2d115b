// The one way out for broken invariants. Fatal errors are never caught: the message
// goes to the registered handlers (so they can save work), then to the hook (which
// shows it to the user), and the process ends with exit status 1.
#pragma once

#include <cstdarg>

// The message is formatted into a 4096-byte work area; longer texts are cut.
[[noreturn]] void Fatal(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
[[noreturn]] void FatalV(const char* format, va_list args);
// "Internal Fatal Error\r\nModule: <module>\r\nLine: <line>".
[[noreturn]] void FatalInternal(const char* module, int line);

// Handlers run first, in registration order, at most 100 calls in all. A handler
// that throws is skipped; one that raises a fatal error itself ends the process
// at once.
using FatalHandler = void (*)(const char* message, void* context);
// False when the registry is full.
bool RegisterFatalHandler(FatalHandler handler, void* context);
void UnregisterFatalHandler(FatalHandler handler, void* context);

// The hook shows the message (the Win32 start-up installs a message box). Without
// a hook the message goes to stderr. Returns the previous hook.
using FatalHook = void (*)(const char* message);
FatalHook SetFatalHook(FatalHook hook);

// True from the moment a fatal error starts being reported; the message loop stops
// pumping when it sees this.
bool IsReportingFatalError();
