// Counts the event sounds instead of playing them, so tests can tell a refusal (which
// beeps) from an edit that merely did nothing.
#pragma once

#include "core/String.h"
#include "platform/Sound.h"

class HeadlessSound : public Sound {
public:
    void PlayEvent(const char* eventName) override;

    int32_t Count() const { return count_; }
    const String& LastEvent() const { return last_; }
    void Reset();

private:
    int32_t count_ = 0;
    String last_;
};

HeadlessSound& TheHeadlessSound();
