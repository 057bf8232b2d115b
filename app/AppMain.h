// The application's main routine: identity, command line, the main window, the
// requested jump or action, and the message loop.
#pragma once

#include "core/String.h"

// Returns the process exit status.
int NivoraMain(const String& commandLine);

// The fatal-error hook of the running application: an error box in front of
// everything, captioned with the product name.
void ReportFatalToUser(const char* message);
