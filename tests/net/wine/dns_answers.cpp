// Asks the resolver a list of questions against one server and prints every answer in
// the form tests/net/wine-interop derives from dig, one line each:
//   Q <TYPE> <name> <record type> <data>    a record of Query, in the server's order
//   Q <TYPE> <name> error <code>             Query failed
//   RESOLVE <name> <address> | error <code>
//   MAIL <domain> <exchanges separated by ;> | error <code>
//   HOST <address> <name> | error <code>
//   truncated <number of replies fetched again over TCP>
// Usage: dns_answers <server address> <port> <TYPE:name | RESOLVE:name | MAIL:domain |
// HOST:address>...  Built for Windows, so that the Winsock sockets are the ones used.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "net/DNSCache.h"
#include "net/DNSResolver.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/win32/Win32Platform.h"

namespace {

struct TypeName {
    const char* text;
    uint16_t type;
};
constexpr TypeName kTypes[] = {{"A", kDnsTypeA},     {"NS", kDnsTypeNS},   {"CNAME", kDnsTypeCNAME},
                               {"SOA", kDnsTypeSOA}, {"PTR", kDnsTypePTR}, {"MX", kDnsTypeMX},
                               {"TXT", kDnsTypeTXT}};

std::string TypeText(uint16_t type) {
    for (const TypeName& t : kTypes) {
        if (t.type == type) return t.text;
    }
    return "TYPE" + std::to_string(type);
}

std::string Data(const DNS_Response& r) {
    switch (r.type) {
    case kDnsTypeA:
        return r.address.ToText().c_str();
    case kDnsTypeMX:
        return std::to_string(r.preference) + " " + r.name.c_str();
    case kDnsTypeSOA:
        return std::string(r.name.c_str()) + " " + r.mailbox.c_str() + " " + std::to_string(r.serial) + " " +
               std::to_string(r.refresh) + " " + std::to_string(r.retry) + " " + std::to_string(r.expire) +
               " " + std::to_string(r.minimum);
    case kDnsTypeTXT:
        return r.text.c_str();
    default:
        return r.name.c_str();
    }
}

}  // namespace

int main(int argc, char** argv) {
    DNS_Config config;
    IP_Address server;
    int port = argc > 2 ? std::atoi(argv[2]) : 0;
    if (argc < 4 || !IP_Address::Parse(argv[1], server) || port < 1 || port > 65535) {
        std::fprintf(stderr, "usage: dns_answers <server address> <port> <question>...\n");
        return 2;
    }
    InstallHeadlessPlatform();
    InstallWin32SystemServices();
    config.servers.push_back(server);
    config.port = uint16_t(port);
    config.timeoutMs = 5000;

    for (int i = 3; i < argc; i++) {
        std::string question = argv[i];
        size_t colon = question.find(':');
        if (colon == std::string::npos) {
            std::fprintf(stderr, "not a question: %s\n", argv[i]);
            return 2;
        }
        std::string kind = question.substr(0, colon);
        String name(question.substr(colon + 1).c_str());
        DNS_Resolver resolver(config);
        std::string line = kind + " " + name.c_str() + " ";
        int32_t code = kDnsSuccess;
        if (kind == "RESOLVE") {
            IP_Address address;
            code = resolver.Resolve(name, address);
            if (code == kDnsSuccess) line += address.ToText().c_str();
        } else if (kind == "MAIL") {
            String servers;
            code = resolver.MailServers(name, kMailAllExchanges | kMailBypassCache | kMailDoNotStore, servers);
            if (code == kDnsSuccess) line += servers.c_str();
        } else if (kind == "HOST") {
            IP_Address address;
            String host;
            code = IP_Address::Parse(name, address) ? resolver.HostName(address, host) : kDnsInvalidDomain;
            if (code == kDnsSuccess) line += host.c_str();
        } else {
            const TypeName* type = nullptr;
            for (const TypeName& t : kTypes) {
                if (kind == t.text) type = &t;
            }
            if (!type) {
                std::fprintf(stderr, "unknown record type: %s\n", kind.c_str());
                return 2;
            }
            std::vector<DNS_Response> records;
            code = resolver.Query(type->type, name, records);
            if (code == kDnsSuccess) {
                for (const DNS_Response& r : records) {
                    std::printf("Q %s%s %s\n", line.c_str(), TypeText(r.type).c_str(), Data(r).c_str());
                }
                continue;
            }
            line = "Q " + line;
        }
        if (code != kDnsSuccess) line += "error " + std::to_string(code);
        std::printf("%s\n", line.c_str());
    }
    std::printf("truncated %u\n", unsigned(DnsStatistics().truncatedReplies));
    return 0;
}
