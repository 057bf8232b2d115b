#include "platform/headless/HeadlessPlatform.h"

#include "platform/headless/HeadlessClock.h"

void InstallHeadlessPlatform() {
    InstallClock(&TheHeadlessClock());
}
