#include "platform/headless/HeadlessPlatform.h"

#include "platform/headless/HeadlessClipboard.h"
#include "platform/headless/HeadlessClock.h"
#include "platform/headless/HeadlessFolders.h"
#include "platform/headless/HeadlessFont.h"
#include "platform/headless/HeadlessSound.h"

void InstallHeadlessPlatform() {
    InstallClock(&TheHeadlessClock());
    InstallHostFileSystem();
    InstallFontSource(&TheHeadlessFontSource());
    InstallClipboard(&TheHeadlessClipboard());
    InstallSound(&TheHeadlessSound());
}
