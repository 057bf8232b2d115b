// Shared by the DNS suites: the resolver's settings pointed at one loopback server,
// and clean caches for every test.
#pragma once

#include <gtest/gtest.h>

#include "core/Settings.h"
#include "net/DNSCache.h"
#include "net/DNSResolver.h"

class DnsTest : public testing::Test {
protected:
    void SetUp() override {
        RegisterFrameworkSettings();
        DnsAddressCache().Clear();
        DnsMailCache().Clear();
        DnsHostNameCache().Clear();
    }
    void TearDown() override { RegisterFrameworkSettings(); }

    // One second is the shortest timeout a user can set.
    static void UseServer(uint16_t port, const char* address = "127.0.0.1") {
        FrameworkSetting(kSetAutoDetectDNS).value = Var::Boolean(false);
        FrameworkSetting(kSetUse_OS_DNS).value = Var::Boolean(false);
        FrameworkSetting(kSetDNS_Address).value = Var::Text(address);
        FrameworkSetting(kSetDNS_Port).value = Var::Integer(port);
        FrameworkSetting(kSetDNS_Timeout).value = Var::Integer(1);
    }
};
