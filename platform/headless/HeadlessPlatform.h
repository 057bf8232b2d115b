#pragma once

// Installs the test host's implementation of every platform interface. Test mains
// call it before any test runs.
void InstallHeadlessPlatform();
