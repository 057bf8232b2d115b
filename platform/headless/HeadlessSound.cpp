#include "platform/headless/HeadlessSound.h"

void HeadlessSound::PlayEvent(const char* eventName) {
    ++count_;
    last_ = eventName;
}

void HeadlessSound::Reset() {
    count_ = 0;
    last_.Clear();
}

HeadlessSound& TheHeadlessSound() {
    static HeadlessSound sound;
    return sound;
}
