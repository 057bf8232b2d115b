#pragma once

// The real system services: files, profiles, registry, sockets, clock.
void InstallWin32SystemServices();
// Everything, including windows, drawing and questions to the user.
void InstallWin32Platform();
