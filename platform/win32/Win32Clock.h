#pragma once

#include "platform/Clock.h"

class Win32Clock : public Clock {
public:
    uint32_t TickCount() override;
    DateTime LocalNow() override;
    TimeZone LocalTimeZone() override;
    void Sleep(uint32_t milliseconds) override;
};

Win32Clock& TheWin32Clock();
