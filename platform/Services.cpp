#include "platform/Services.h"

#include "core/Fatal.h"

void ServiceMissing(const char* name) {
    Fatal("No %s installed", name);
}
