#include "platform/Window.h"

namespace {
WindowSystem* installedWindowSystem = nullptr;
}

WindowSystem& TheWindowSystem() {
    return *installedWindowSystem;
}

void InstallWindowSystem(WindowSystem* system) {
    installedWindowSystem = system;
}
