// The platform services the portable code reaches. Each interface has one slot, which
// the host fills at start-up (the Win32 platform, or the headless test host) and which
// its The...() accessor reads. A service nobody installed is a broken start-up, not a
// condition to handle, so every accessor ends in the same fatal error rather than
// handing out a null reference.
#pragma once

[[noreturn]] void ServiceMissing(const char* name);

template <class Service>
class ServiceSlot {
public:
    static Service& Get(const char* name) {
        if (!installed_) ServiceMissing(name);
        return *installed_;
    }
    // Returns what was installed before, so a test can put it back.
    static Service* Install(Service* service) {
        Service* previous = installed_;
        installed_ = service;
        return previous;
    }

private:
    static inline Service* installed_ = nullptr;
};
