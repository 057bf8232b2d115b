// The process entry of a Win32 application, so that the program's own entry point
// needs no Win32 header: it hands over its main routine and gets the exit status.
#pragma once

#include "core/String.h"

using ApplicationMain = int (*)(const String& commandLine);

// Prepares the common controls and the framework, runs `main` with the command line
// after the program name, and shuts the framework down.
int RunWin32Application(ApplicationMain main);
