#include "core/Fatal.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kMessageSize = 4096;
constexpr int kMaxHandlerCalls = 100;
constexpr int kMaxHandlers = 128;

struct HandlerEntry {
    FatalHandler handler;
    void* context;
};

// Plain static storage: the registry must work before and after any allocator state.
HandlerEntry gHandlers[kMaxHandlers];
int gHandlerCount = 0;
FatalHook gHook = nullptr;
bool gReporting = false;
char gMessage[kMessageSize];

void CallHandlers(const char* message) {
    int calls = 0;
    for (int i = 0; i < gHandlerCount && calls < kMaxHandlerCalls; ++i, ++calls) {
        try {
            gHandlers[i].handler(message, gHandlers[i].context);
        } catch (...) {
            // A handler that cannot do its job must not keep the others from theirs.
        }
    }
}

}  // namespace

void FatalV(const char* format, va_list args) {
    std::vsnprintf(gMessage, sizeof gMessage, format ? format : "", args);
    if (!gReporting) {
        gReporting = true;
        CallHandlers(gMessage);
        if (gHook) {
            gHook(gMessage);
        } else {
            std::fputs(gMessage, stderr);
            std::fputc('\n', stderr);
            std::fflush(stderr);
        }
    }
    // No static destructors or atexit work: the process state is not to be trusted.
    std::_Exit(1);
}

void Fatal(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FatalV(format, args);
}

void FatalInternal(const char* module, int line) {
    Fatal("Internal Fatal Error\r\nModule: %s\r\nLine: %d", module ? module : "", line);
}

bool RegisterFatalHandler(FatalHandler handler, void* context) {
    if (!handler || gHandlerCount == kMaxHandlers) return false;
    gHandlers[gHandlerCount++] = {handler, context};
    return true;
}

void UnregisterFatalHandler(FatalHandler handler, void* context) {
    for (int i = 0; i < gHandlerCount; ++i) {
        if (gHandlers[i].handler == handler && gHandlers[i].context == context) {
            for (int j = i + 1; j < gHandlerCount; ++j) gHandlers[j - 1] = gHandlers[j];
            --gHandlerCount;
            return;
        }
    }
}

FatalHook SetFatalHook(FatalHook hook) {
    FatalHook previous = gHook;
    gHook = hook;
    return previous;
}

bool IsReportingFatalError() {
    return gReporting;
}
