// The stub resolver: one question to the configured name servers over UDP (TCP when
// the reply is truncated), host-name and mail-exchanger lookups through the caches,
// and the platform's resolver as the fallback. A resolver serves one lookup in one
// thread; the caches it fills are shared by all.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/String.h"
#include "net/DNSTypes.h"
#include "platform/Network.h"

struct DNS_Config {
    std::vector<IP_Address> servers;
    uint16_t port = 53;
    uint32_t timeoutMs = 30000;
    bool useSystemResolver = false;

    // From the "Networking\DNS" settings: DNS_Timeout in the user's seconds; port 53
    // whenever the servers are detected or DNS_Port is out of range.
    static DNS_Config FromSettings();
};

// The numeric addresses of a list separated by any of " ,;\r\n"; other words and
// repeats are left out.
std::vector<IP_Address> ParseDnsAddressList(const String& text);
// The operating system's name servers: the registry values of the TCP/IP service and
// of each of its interfaces, then the host's resolver configuration.
std::vector<IP_Address> DetectDnsServers();

// Options of MailServers.
constexpr uint32_t kMailBypassCache = 1;
constexpr uint32_t kMailDoNotStore = 2;
constexpr uint32_t kMailAllExchanges = 4;
constexpr uint32_t kMailEmptyWithoutMX = 8;

class DNS_Resolver {
public:
    // With the current settings.
    DNS_Resolver();
    explicit DNS_Resolver(const DNS_Config& config);

    // Sends from this local address (zero: any).
    void SetLocalAdapter(const IP_Address& adapter);
    // Asked with the milliseconds since the first send while waiting; true aborts.
    void SetAbortCallback(std::function<bool(uint32_t elapsedMs)> abort);

    int32_t Resolve(const String& name, IP_Address& address,
                    const IP_Address& adapter = IP_Address());
    int32_t Query(uint16_t type, const String& name, std::vector<DNS_Response>& records);
    // The exchanges of a domain separated by ';', best first (see the kMail options).
    int32_t MailServers(const String& domain, uint32_t options, String& servers);
    // The name an address points back to (PTR under in-addr.arpa), cached.
    int32_t HostName(const IP_Address& address, String& name);

    const DNS_Config& Config() const { return config_; }

private:
    int32_t Ask(uint16_t type, const String& name, std::vector<DNS_Response>& records);
    int32_t ExchangeUdp(const String& request, uint16_t id, IP_Address& answeredBy,
                        String& reply);
    int32_t ExchangeTcp(const IP_Address& server, const String& request, String& reply);
    bool ReadExactly(TcpSocket& socket, int32_t count, String& data);
    const IP_Address& NextServer();
    int32_t Counted(int32_t code);

    DNS_Config config_;
    IP_Address adapter_;
    std::function<bool(uint32_t)> abort_;
    std::unique_ptr<UdpSocket> udp_;
    size_t next_ = 0;
};
