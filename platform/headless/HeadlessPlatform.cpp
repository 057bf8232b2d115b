#include "platform/headless/HeadlessPlatform.h"

void InstallHeadlessPlatform() {
}
