#include "net/DNSResolver.h"

#include <algorithm>
#include <mutex>
#include <random>

#include "core/Settings.h"
#include "net/DNSCache.h"
#include "net/DNSMessage.h"
#include "platform/Clock.h"

namespace {

constexpr uint32_t kFirstResendMs = 1000;
constexpr uint32_t kResendGrowthMs = 1000;
constexpr uint32_t kPollMs = 10;

// Not the process-wide text-tool generator: that one replays a fixed sequence on
// purpose, and a guessable ID lets any sender forge the answer.
uint16_t RandomQueryId() {
    static std::mutex lock;
    static std::mt19937 generator{std::random_device{}()};
    std::lock_guard<std::mutex> guard(lock);
    return uint16_t(std::uniform_int_distribution<int>(1, 65534)(generator));
}

}  // namespace

DNS_Config DNS_Config::FromSettings() {
    DNS_Config config;
    int32_t seconds = SettingNumber(kSetDNS_Timeout);
    config.timeoutMs = uint32_t(std::max(seconds, 1)) * 1000;
    bool detect = SettingFlag(kSetAutoDetectDNS);
    int32_t port = SettingNumber(kSetDNS_Port);
    config.port = detect || port < 1 || port > 65535 ? 53 : uint16_t(port);
    config.servers = detect ? DetectDnsServers() : ParseDnsAddressList(SettingText(kSetDNS_Address));
    config.useSystemResolver = SettingFlag(kSetUse_OS_DNS);
    return config;
}

DNS_Resolver::DNS_Resolver() : DNS_Resolver(DNS_Config::FromSettings()) {}

DNS_Resolver::DNS_Resolver(const DNS_Config& config) : config_(config) {}

void DNS_Resolver::SetLocalAdapter(const IP_Address& adapter) {
    if (adapter == adapter_) return;
    adapter_ = adapter;
    udp_.reset();  // bound to the old one
}

void DNS_Resolver::SetAbortCallback(std::function<bool(uint32_t)> abort) {
    abort_ = std::move(abort);
}

int32_t DNS_Resolver::Counted(int32_t code) {
    if (code != kDnsSuccess) DnsStatistics().failures++;
    return code;
}

const IP_Address& DNS_Resolver::NextServer() {
    const IP_Address& server = config_.servers[next_ % config_.servers.size()];
    next_++;
    return server;
}

int32_t DNS_Resolver::Resolve(const String& name, IP_Address& address, const IP_Address& adapter) {
    DnsStatistics().lookups++;
    if (!adapter.IsZero()) SetLocalAdapter(adapter);
    if (config_.useSystemResolver || config_.servers.empty()) {
        uint32_t found = 0;
        if (!TheNetwork().ResolveHostName(name, &found) || found == 0) return Counted(kDnsNameError);
        address = IP_Address::FromNumber(found);
        return kDnsSuccess;
    }
    if (IP_Address::Parse(name, address)) return kDnsSuccess;
    std::string key = DnsCacheKey(name);
    if (DnsAddressCache().Find(key, address)) {
        DnsStatistics().cacheHits++;
        return kDnsSuccess;
    }
    std::vector<DNS_Response> records;
    int32_t code = Ask(kDnsTypeA, name, records);
    if (code != kDnsSuccess) return Counted(code);
    for (const DNS_Response& record : records) {
        if (record.type == kDnsTypeA && !record.address.IsZero()) {
            DnsAddressCache().Store(key, record.address);
            address = record.address;
            return kDnsSuccess;
        }
    }
    return Counted(kDnsNoInformation);
}

int32_t DNS_Resolver::Query(uint16_t type, const String& name, std::vector<DNS_Response>& records) {
    DnsStatistics().lookups++;
    return Counted(Ask(type, name, records));
}

int32_t DNS_Resolver::MailServers(const String& domain, uint32_t options, String& servers) {
    DnsStatistics().lookups++;
    std::string key = DnsCacheKey(domain);
    if (!(options & kMailBypassCache) && DnsMailCache().Find(key, servers)) {
        DnsStatistics().cacheHits++;
        return kDnsSuccess;
    }
    std::vector<DNS_Response> records;
    int32_t code = Ask(kDnsTypeMX, domain, records);
    if (code != kDnsSuccess && code != kDnsNoInformation) return Counted(code);
    // RFC 5321: the lowest preference is tried first; equal ones keep the server's order.
    std::stable_sort(records.begin(), records.end(),
                     [](const DNS_Response& a, const DNS_Response& b) { return a.preference < b.preference; });
    String result;
    for (const DNS_Response& record : records) {
        if (record.type != kDnsTypeMX || record.name.IsEmpty()) continue;
        if (!result.IsEmpty()) result.Append(';');
        result.Append(record.name);
        if (!(options & kMailAllExchanges)) break;
    }
    if (result.IsEmpty() && !(options & kMailEmptyWithoutMX)) result = domain;
    if (!(options & kMailDoNotStore)) DnsMailCache().Store(key, result);
    servers = result;
    return kDnsSuccess;
}

int32_t DNS_Resolver::HostName(const IP_Address& address, String& name) {
    DnsStatistics().lookups++;
    std::string key = DnsCacheKey(address);
    if (DnsHostNameCache().Find(key, name)) {
        DnsStatistics().cacheHits++;
        return kDnsSuccess;
    }
    String reversed = String::Formatted("%u.%u.%u.%u.in-addr.arpa", address.bytes[3],
                                        address.bytes[2], address.bytes[1], address.bytes[0]);
    std::vector<DNS_Response> records;
    int32_t code = Ask(kDnsTypePTR, reversed, records);
    if (code != kDnsSuccess) return Counted(code);
    for (const DNS_Response& record : records) {
        if (record.type == kDnsTypePTR && !record.name.IsEmpty()) {
            DnsHostNameCache().Store(key, record.name);
            name = record.name;
            return kDnsSuccess;
        }
    }
    return Counted(kDnsNoInformation);
}

int32_t DNS_Resolver::Ask(uint16_t type, const String& name, std::vector<DNS_Response>& records) {
    records.clear();
    if (CheckDnsName(name) != 0) return kDnsInvalidDomain;
    if (config_.servers.empty()) return kDnsNoServer;
    if (!udp_) {
        udp_ = TheNetwork().OpenUdp();
        if (!udp_) return kDnsNoSocket;
        if (!adapter_.IsZero() && !udp_->Bind(adapter_.Number(), 0)) {
            udp_.reset();
            return kDnsNoSocket;
        }
    }
    uint16_t id = RandomQueryId();
    String request;
    BuildDnsRequest(id, type, name, request);
    String reply;
    IP_Address server;
    int32_t code = ExchangeUdp(request, id, server, reply);
    if (code != kDnsSuccess) return code;
    if (DnsIsTruncated(reply)) {
        DnsStatistics().truncatedReplies++;
        code = ExchangeTcp(server, request, reply);
        if (code != kDnsSuccess) return code;
        if (DnsMessageId(reply) != id) return kDnsWrongId;
    }
    return ParseDnsReply(reply, name, records);
}

// Sends at once, then again to the next server after 1 s, 2 s more, 3 s more and so
// on, until a reply comes, the time is up or the caller gives up.
int32_t DNS_Resolver::ExchangeUdp(const String& request, uint16_t id, IP_Address& answeredBy,
                                  String& reply) {
    Clock& clock = TheClock();
    uint32_t start = clock.TickCount();
    uint32_t nextSend = 0, interval = kFirstResendMs;
    bool sentOnce = false;
    String datagram;
    if (!datagram.SetLength(kDnsMaxDatagram)) return kDnsNoSocket;
    for (;;) {
        uint32_t elapsed = clock.TickCount() - start;
        if (!sentOnce || elapsed >= nextSend) {
            const IP_Address& server = NextServer();
            if (!udp_->SendTo(server.Number(), config_.port, request.c_str(), request.Length())) {
                return kDnsSendFailed;
            }
            if (sentOnce) DnsStatistics().resends++;
            sentOnce = true;
            nextSend += interval;
            interval += kResendGrowthMs;
        }
        uint32_t from = 0;
        int32_t got = udp_->ReceiveFrom(datagram.Data(), kDnsMaxDatagram, 0, &from);
        if (got >= 0) {
            String message(datagram.c_str(), got);
            if (DnsIsReplyTo(message, id)) {
                answeredBy = IP_Address::FromNumber(from);
                reply.Swap(message);
                return kDnsSuccess;
            }
            DnsStatistics().ignoredDatagrams++;
        } else if (got == kSocketFailed) {
            return kDnsReceiveFailed;
        }
        elapsed = clock.TickCount() - start;
        if (elapsed > config_.timeoutMs) return kDnsTimeout;
        if (abort_ && abort_(elapsed)) {
            DnsStatistics().aborts++;
            return kDnsAborted;
        }
        if (got < 0) clock.Sleep(kPollMs);
    }
}

bool DNS_Resolver::ReadExactly(TcpSocket& socket, int32_t count, String& data) {
    if (!data.SetLength(count)) return false;
    for (int32_t have = 0; have < count;) {
        int32_t got = socket.Receive(data.Data() + have, count - have, config_.timeoutMs);
        if (got <= 0) return false;
        have += got;
    }
    return true;
}

int32_t DNS_Resolver::ExchangeTcp(const IP_Address& server, const String& request, String& reply) {
    std::unique_ptr<TcpSocket> tcp = TheNetwork().OpenTcp();
    if (!tcp) return kDnsNoSocket;
    if (!adapter_.IsZero() && !tcp->Bind(adapter_.Number(), 0)) return kDnsNoSocket;
    if (!tcp->Connect(server.Number(), config_.port, config_.timeoutMs)) return kDnsNoConnection;
    String framed;
    framed.Append(char(request.Length() >> 8));
    framed.Append(char(request.Length() & 0xFF));
    framed.Append(request);
    if (!tcp->Send(framed.c_str(), framed.Length(), config_.timeoutMs)) return kDnsSendFailed;
    String prefix;
    if (!ReadExactly(*tcp, 2, prefix)) return kDnsNoLengthPrefix;
    int32_t length = uint8_t(prefix[0]) << 8 | uint8_t(prefix[1]);
    if (length < 12) return kDnsTooShort;
    if (!ReadExactly(*tcp, length, reply)) return kDnsShortTcpReply;
    return kDnsSuccess;
}
