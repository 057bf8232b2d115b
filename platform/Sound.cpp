#include "platform/Sound.h"

#include "core/Fatal.h"

namespace {
Sound* installedSound = nullptr;
bool soundEnabled = true;
}

Sound& TheSound() {
    if (!installedSound) Fatal("No sound installed");
    return *installedSound;
}

Sound* InstallSound(Sound* sound) {
    Sound* previous = installedSound;
    installedSound = sound;
    return previous;
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
