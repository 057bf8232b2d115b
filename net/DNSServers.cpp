// Where the resolver's name servers come from.
#include <algorithm>

#include "net/DNSResolver.h"
#include "platform/Registry.h"

namespace {

const char* const kTcpipParameters = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char* const kTcpipInterfaces =
    "System\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
const char* const kVxdTcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";

void AddUnique(std::vector<IP_Address>& list, const IP_Address& address) {
    if (address.IsZero() || std::find(list.begin(), list.end(), address) != list.end()) return;
    list.push_back(address);
}

void AddFromText(std::vector<IP_Address>& list, const String& text) {
    for (const IP_Address& a : ParseDnsAddressList(text)) AddUnique(list, a);
}

void AddFromValue(std::vector<IP_Address>& list, const String& key, const char* name) {
    String text;
    if (TheRegistry().ReadText(RegistryRoot::kLocalMachine, key, name, text)) AddFromText(list, text);
}

// Configured servers before the ones DHCP handed out: a server the user typed in is
// the one meant to be asked.
void AddFromKey(std::vector<IP_Address>& list, const String& key) {
    AddFromValue(list, key, "NameServer");
    AddFromValue(list, key, "DhcpNameServer");
}

}  // namespace

std::vector<IP_Address> ParseDnsAddressList(const String& text) {
    std::vector<IP_Address> list;
    const char* delimiters = " ,;\r\n";
    for (int32_t start = 0; start < text.Length();) {
        int32_t end = text.FindFirstOf(delimiters, start);
        if (end < 0) end = text.Length();
        IP_Address a;
        if (end > start && IP_Address::Parse(text.Mid(start, end - start), a)) AddUnique(list, a);
        start = end + 1;
    }
    return list;
}

std::vector<IP_Address> DetectDnsServers() {
    std::vector<IP_Address> list;
    AddFromKey(list, kTcpipParameters);
    std::vector<String> interfaces;
    if (TheRegistry().SubkeyNames(RegistryRoot::kLocalMachine, kTcpipInterfaces, interfaces)) {
        for (const String& name : interfaces) AddFromKey(list, String(kTcpipInterfaces) + "\\" + name);
    }
    String enabled;
    if (TheRegistry().ReadText(RegistryRoot::kLocalMachine, kVxdTcp, "EnableDNS", enabled) &&
        enabled == "1") {
        AddFromValue(list, kVxdTcp, "NameServer");
    }
    std::vector<uint32_t> configured;
    TheNetwork().ConfiguredNameServers(configured);
    for (uint32_t a : configured) AddUnique(list, IP_Address::FromNumber(a));
    return list;
}
