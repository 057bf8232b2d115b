// The test host's clock: real time by default, with the local time and the time zone
// pinned on demand and a virtual tick that lets retry loops run without waiting.
#pragma once

#include <atomic>

#include "platform/Clock.h"

class HeadlessClock : public Clock {
public:
    uint32_t TickCount() override;
    DateTime LocalNow() override;
    TimeZone LocalTimeZone() override;
    void Sleep(uint32_t milliseconds) override;

    // Pins LocalNow to this moment until UseRealNow.
    void SetNow(const DateTime& now);
    void UseRealNow();
    void SetTimeZone(const TimeZone& zone);
    void UseRealTimeZone();
    // From here on TickCount starts at start and moves only by Sleep, which then
    // returns at once.
    void UseVirtualTicks(uint32_t start);
    void UseRealTicks();
    // Sleeps requested since the last reset, for tests of retry loops.
    int32_t SleepCount() const { return sleepCount_; }
    uint64_t SleptMilliseconds() const { return sleptMilliseconds_; }
    void ResetSleepRecord() { sleepCount_ = 0, sleptMilliseconds_ = 0; }

private:
    bool fixedNow_ = false;
    DateTime now_;
    bool fixedZone_ = false;
    TimeZone zone_;
    // Resolvers in several threads tick and sleep at once.
    std::atomic<bool> virtualTicks_{false};
    std::atomic<uint32_t> ticks_{0};
    std::atomic<int32_t> sleepCount_{0};
    std::atomic<uint64_t> sleptMilliseconds_{0};
};

// The instance InstallHeadlessPlatform installs.
HeadlessClock& TheHeadlessClock();
