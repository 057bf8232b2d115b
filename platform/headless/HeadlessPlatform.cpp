#include "platform/headless/HeadlessPlatform.h"

#include "platform/headless/HeadlessAsk.h"
#include "platform/headless/HeadlessClipboard.h"
#include "platform/headless/HeadlessClock.h"
#include "platform/headless/HeadlessFolders.h"
#include "platform/headless/HeadlessFont.h"
#include "platform/headless/HeadlessProfiles.h"
#include "platform/headless/HeadlessRegistry.h"
#include "platform/headless/HeadlessSound.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/HostNetwork.h"

void InstallHeadlessPlatform() {
    InstallClock(&TheHeadlessClock());
    InstallHostFileSystem();
    InstallHostNetwork();
    InstallProfiles(&TheHeadlessProfiles());
    InstallRegistry(&TheHeadlessRegistry());
    InstallAsk(&TheHeadlessAsk());
    InstallWindowSystem(&TheHeadlessWindowSystem());
    InstallFontSource(&TheHeadlessFontSource());
    InstallClipboard(&TheHeadlessClipboard());
    InstallSound(&TheHeadlessSound());
}
