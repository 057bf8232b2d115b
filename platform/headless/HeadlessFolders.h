// What the test host's file system answers for the places that only a real Windows
// installation has: special folders, the Windows directory, the recycle bin and the
// list of deletions scheduled for the next start. Tests point them at folders of
// their own; anything left unset falls back to a scratch folder of the process.
#pragma once

#include <vector>

#include "core/String.h"
#include "platform/FileSystem.h"

struct HeadlessFolders {
    // Empty fields take the host's defaults.
    String commonProgramFiles;
    String programFiles;
    String documents;
    String temp;
    String windows;
    String recycleBin;
    // As if the shell knew no common program files folder.
    bool hideCommonProgramFiles = false;
    // The NT family keeps restart deletions itself; an older system reads them from
    // "wininit.ini".
    bool nativeRestartRemoval = true;
    bool refuseRestartRemoval = false;
    std::vector<String> restartRemovals;
    // The file system that reads these fields; null in the cross build, where the
    // real Win32 services stand in for it.
    FileSystem* fileSystem = nullptr;

    bool InUse() const { return fileSystem && &TheFileSystem() == fileSystem; }
    // Back to the defaults; keeps fileSystem.
    void Reset();
};

HeadlessFolders& TheHeadlessFolders();

// Installs the file system the test host runs on: the POSIX one natively; in the
// cross build the Win32 one (see Win32Platform.cpp).
void InstallHostFileSystem();
