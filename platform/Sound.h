// System event sounds. Refused edits and message boxes play named events of the
// platform's sound scheme, and only while the framework's sound setting is on.
#pragma once

class Sound {
public:
    virtual ~Sound() = default;
    // Plays the event sound asynchronously ("SystemHand", "SystemAsterisk", ...).
    virtual void PlayEvent(const char* eventName) = 0;
};

// Fatal when none has been installed.
Sound& TheSound();
// Returns the sound installed before (null for none).
Sound* InstallSound(Sound* sound);

// The framework's "SoundEnabled" setting; on until the settings say otherwise.
void SetSoundEnabled(bool enabled);
bool IsSoundEnabled();
// Plays `eventName` when sound is enabled.
void PlayEventSound(const char* eventName);
// The sound of a refused command: "SystemHand" when sound is enabled.
void PlayRefusalSound();
