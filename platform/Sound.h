// System event sounds. Refused edits and message boxes play named events of the
// platform's sound scheme, and only while the framework's sound setting is on.
#pragma once

#include "platform/Services.h"

class Sound {
public:
    virtual ~Sound() = default;
    // Plays the event sound asynchronously ("SystemHand", "SystemAsterisk", ...).
    virtual void PlayEvent(const char* eventName) = 0;
};

// Fatal when none has been installed.
inline Sound& TheSound() { return ServiceSlot<Sound>::Get("sound"); }
// Returns the sound installed before (null for none).
inline Sound* InstallSound(Sound* service) { return ServiceSlot<Sound>::Install(service); }

// The framework's "SoundEnabled" setting; on until the settings say otherwise.
void SetSoundEnabled(bool enabled);
bool IsSoundEnabled();
// Plays `eventName` when sound is enabled.
void PlayEventSound(const char* eventName);
// The sound of a refused command: "SystemHand" when sound is enabled.
void PlayRefusalSound();
