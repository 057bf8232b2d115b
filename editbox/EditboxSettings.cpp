#include "editbox/EditboxSettings.h"

EditboxSettings& TheEditboxSettings() {
    static EditboxSettings settings;
    return settings;
}
