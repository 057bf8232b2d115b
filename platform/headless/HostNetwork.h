#pragma once

// Installs the build machine's own sockets for the test host: POSIX natively, Winsock
// in the cross-built tests (defined beside each implementation).
void InstallHostNetwork();
