#include "platform/headless/HeadlessPlatform.h"

#include "platform/headless/HeadlessClock.h"
#include "platform/headless/HeadlessFolders.h"

void InstallHeadlessPlatform() {
    InstallClock(&TheHeadlessClock());
    InstallHostFileSystem();
}
