#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include "platform/headless/HeadlessFolders.h"
#include "platform/win32/Win32Ask.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Dialog.h"
#include "platform/win32/Win32Drawing.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Profiles.h"
#include "platform/win32/Win32Network.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Window.h"

void InstallWin32SystemServices() {
    InstallClock(&TheWin32Clock());
    InstallFileSystem(&TheWin32FileSystem());
    InstallProfiles(&TheWin32Profiles());
    InstallRegistry(&TheWin32Registry());
    InstallNetwork(&TheWin32Network());
}

void InstallWin32Platform() {
    InstallWin32SystemServices();
    InstallAsk(&TheWin32Ask());
    InstallDialogResources(&TheWin32DialogResources());
    InstallWindowSystem(&TheWin32WindowSystem());
    InstallFontSource(&TheWin32FontSource());
    InstallClipboard(&TheWin32Clipboard());
    InstallSound(&TheWin32Sound());
}

// The cross-built test host has no file system of its own: it runs on the real one.
void InstallHostFileSystem() {
    InstallFileSystem(&TheWin32FileSystem());
}
