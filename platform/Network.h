// Sockets as the network clients need them: IPv4 only, every wait bounded by a
// timeout, and the platform's own text for the last failure. Addresses are 32-bit
// numbers with the first octet in the high byte (as Var keeps them); ports are in
// host order.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/String.h"
#include "platform/Services.h"

constexpr uint32_t kLoopbackAddress = 0x7F000001;

// What a receive returns besides a byte count.
constexpr int32_t kSocketFailed = -1;
constexpr int32_t kSocketTimedOut = -2;

class UdpSocket {
public:
    virtual ~UdpSocket() = default;
    // Address 0 is any local address; port 0 lets the system pick a free one.
    virtual bool Bind(uint32_t address, uint16_t port) = 0;
    // The bound port, 0 when not bound.
    virtual uint16_t LocalPort() = 0;
    virtual bool SendTo(uint32_t address, uint16_t port, const void* data, int32_t length) = 0;
    // Waits up to timeoutMs (0: only looks) for one datagram and returns its length
    // (cut to capacity), kSocketTimedOut when none came, or kSocketFailed. The sender is
    // reported when the pointers are given.
    virtual int32_t ReceiveFrom(void* buffer, int32_t capacity, uint32_t timeoutMs,
                                uint32_t* fromAddress = nullptr, uint16_t* fromPort = nullptr) = 0;
};

class TcpSocket {
public:
    virtual ~TcpSocket() = default;
    virtual bool Bind(uint32_t address, uint16_t port) = 0;
    virtual uint16_t LocalPort() = 0;
    virtual bool Connect(uint32_t address, uint16_t port, uint32_t timeoutMs) = 0;
    // All of the bytes or false.
    virtual bool Send(const void* data, int32_t length, uint32_t timeoutMs) = 0;
    // Up to capacity bytes as they arrive; 0 when the peer has closed its side,
    // kSocketTimedOut or kSocketFailed otherwise.
    virtual int32_t Receive(void* buffer, int32_t capacity, uint32_t timeoutMs) = 0;
    // The serving side, for peers that run inside the tests.
    virtual bool Listen(uint32_t address, uint16_t port) = 0;
    // Null when nobody connected in time.
    virtual std::unique_ptr<TcpSocket> Accept(uint32_t timeoutMs) = 0;
};

class Network {
public:
    virtual ~Network() = default;
    // Null when the system refuses a socket (LastError says why).
    virtual std::unique_ptr<UdpSocket> OpenUdp() = 0;
    virtual std::unique_ptr<TcpSocket> OpenTcp() = 0;
    // The platform's text for the last failure of this thread, empty when none.
    virtual String LastError() = 0;
    // The platform's own host-name resolver: the first IPv4 address of the name.
    virtual bool ResolveHostName(const String& name, uint32_t* address) = 0;
    // Name servers configured outside the registry (a resolver configuration file),
    // in their order; hosts that keep them in the registry add nothing.
    virtual void ConfiguredNameServers(std::vector<uint32_t>& servers) = 0;
};

// Fatal when no network has been installed: every entry point installs one first.
inline Network& TheNetwork() { return ServiceSlot<Network>::Get("network"); }
// Returns the previous one, so that tests can wrap and restore it.
inline Network* InstallNetwork(Network* service) { return ServiceSlot<Network>::Install(service); }
