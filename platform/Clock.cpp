#include "platform/Clock.h"

#include "core/Fatal.h"

namespace {
Clock* installedClock = nullptr;
}

Clock& TheClock() {
    if (!installedClock) Fatal("No clock installed");
    return *installedClock;
}

Clock* InstallClock(Clock* clock) {
    Clock* previous = installedClock;
    installedClock = clock;
    return previous;
}
