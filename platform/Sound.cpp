#include "platform/Sound.h"

namespace {
bool soundEnabled = true;
}

void SetSoundEnabled(bool enabled) {
    soundEnabled = enabled;
}

bool IsSoundEnabled() {
    return soundEnabled;
}

void PlayEventSound(const char* eventName) {
    if (soundEnabled) TheSound().PlayEvent(eventName);
}

void PlayRefusalSound() {
    PlayEventSound("SystemHand");
}
