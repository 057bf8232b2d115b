// The resolver against a real name server: dnsmasq on a free loopback port with its
// own records and nothing upstream, each answer compared with what dig gets for the
// same question. The cross-built tests leave this file out (Wine cannot start Linux
// tools); natively a missing tool fails, since scripts/deps installs both.
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Network.h"
#include "tests/net/DnsTestSupport.h"

namespace {

int Shell(const std::string& command, std::string* output = nullptr) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    std::string text;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, got);
    if (output) *output = text;
    return pclose(pipe);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

std::string WithoutDot(std::string name) {
    if (!name.empty() && name.back() == '.') name.pop_back();
    return name;
}

// dig's presentation of TXT data ("a b" "c") as the resolver joins it: a b c.
std::string JoinedText(const std::string& quoted) {
    std::string joined, current;
    bool inside = false, first = true;
    for (size_t i = 0; i < quoted.size(); i++) {
        char c = quoted[i];
        if (c == '\\' && inside && i + 1 < quoted.size()) {
            current += quoted[++i];
        } else if (c == '"') {
            if (inside) {
                joined += (first ? "" : " ") + current;
                current.clear();
                first = false;
            }
            inside = !inside;
        } else if (inside) {
            current += c;
        }
    }
    return joined;
}

const std::string kBig(200, 'x');

class DnsInteropTest : public DnsTest {
protected:
    static void SetUpTestSuite() {
        problem_.clear();
        if (Shell("dig -v 2>&1") != 0) problem_ = "dig is not installed (scripts/deps installs it)";
        else if (Shell("test -x /usr/sbin/dnsmasq || command -v dnsmasq >/dev/null") != 0)
            problem_ = "dnsmasq is not installed (scripts/deps installs it)";
        if (!problem_.empty()) return;
        char folder[] = "/tmp/nivora-dns-XXXXXX";
        if (!mkdtemp(folder)) {
            problem_ = "no temporary folder";
            return;
        }
        folder_ = folder;
        std::string output;
        for (int attempt = 0; attempt < 5 && port_ == 0; attempt++) {
            uint16_t port = FreePort();
            if (!port) continue;
            std::string command = "PATH=$PATH:/usr/sbin dnsmasq --no-resolv --no-hosts --bind-interfaces"
                " --listen-address=127.0.0.1 --port=" + std::to_string(port) +
                " --pid-file=" + folder_ + "/dns.pid --local=/example.test/"
                " --host-record=host.example.test,127.0.0.7"
                " --ptr-record=7.0.0.127.in-addr.arpa,host.example.test"
                " --mx-host=example.test,mx1.example.test,20 --mx-host=example.test,mx2.example.test,10"
                " --mx-host=example.test,mx3.example.test,30"
                " --cname=alias.example.test,host.example.test"
                " --txt-record=text.example.test,'first string','second',''"
                " --txt-record=big.example.test," + kBig + "," + kBig + "," + kBig + "," + kBig +
                " --auth-zone=example.test,127.0.0.0/8 --auth-server=ns.example.test,127.0.0.1"
                " --auth-soa=2026120601,hostmaster.example.test,1200,180,1209600 2>&1";
            if (Shell(command, &output) == 0) port_ = port;
        }
        if (!port_) problem_ = "dnsmasq did not start: " + output;
    }

    static void TearDownTestSuite() {
        std::ifstream pidFile(folder_ + "/dns.pid");
        pid_t pid = 0;
        if (pidFile >> pid && pid > 0) kill(pid, SIGTERM);
        if (!folder_.empty()) Shell("rm -rf '" + folder_ + "'");
        port_ = 0;
    }

    void SetUp() override {
        DnsTest::SetUp();
        ASSERT_TRUE(problem_.empty()) << problem_;
        UseServer(port_);
    }

    static uint16_t FreePort() {
        std::unique_ptr<UdpSocket> udp = TheNetwork().OpenUdp();
        std::unique_ptr<TcpSocket> tcp = TheNetwork().OpenTcp();
        if (!udp || !tcp || !udp->Bind(kLoopbackAddress, 0)) return 0;
        uint16_t port = udp->LocalPort();
        return tcp->Listen(kLoopbackAddress, port) ? port : 0;
    }

    static std::vector<std::string> Dig(const std::string& question) {
        std::string output;
        EXPECT_EQ(Shell("dig @127.0.0.1 -p " + std::to_string(port_) + " +short +time=2 +tries=2 " +
                            question + " 2>&1",
                        &output),
                  0)
            << output;
        return Lines(output);
    }

    static inline std::string problem_;
    static inline std::string folder_;
    static inline uint16_t port_ = 0;
};

TEST_F(DnsInteropTest, AddressesMatchDig) {
    for (const char* name : {"host.example.test", "alias.example.test"}) {
        IP_Address address;
        ASSERT_EQ(DNS_Resolver().Resolve(name, address), kDnsSuccess) << name;
        std::vector<std::string> dug = Dig(std::string(name) + " A");
        ASSERT_FALSE(dug.empty());
        EXPECT_EQ(address.ToText().c_str(), dug.back()) << name;
    }
    std::vector<DNS_Response> records;
    ASSERT_EQ(DNS_Resolver().Query(kDnsTypeCNAME, "alias.example.test", records), kDnsSuccess);
    ASSERT_EQ(Dig("alias.example.test CNAME").size(), 1u);
    EXPECT_EQ(std::string(records[0].name.c_str()), WithoutDot(Dig("alias.example.test CNAME")[0]));
}

TEST_F(DnsInteropTest, MailServersComeInDigsPreferenceOrder) {
    std::vector<std::string> dug = Dig("example.test MX");
    ASSERT_EQ(dug.size(), 3u);
    std::sort(dug.begin(), dug.end(), [](const std::string& a, const std::string& b) {
        return std::stoi(a) < std::stoi(b);
    });
    std::string expected;
    for (const std::string& line : dug) {
        expected += (expected.empty() ? "" : ";") + WithoutDot(line.substr(line.find(' ') + 1));
    }
    String servers;
    ASSERT_EQ(DNS_Resolver().MailServers("example.test", kMailAllExchanges, servers), kDnsSuccess);
    EXPECT_EQ(std::string(servers.c_str()), expected);
    ASSERT_EQ(DNS_Resolver().MailServers("example.test", kMailBypassCache, servers), kDnsSuccess);
    EXPECT_EQ(std::string(servers.c_str()), expected.substr(0, expected.find(';')));
}

TEST_F(DnsInteropTest, TextSoaAndPointerRecordsMatchDig) {
    std::vector<DNS_Response> records;
    ASSERT_EQ(DNS_Resolver().Query(kDnsTypeTXT, "text.example.test", records), kDnsSuccess);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(std::string(records[0].text.c_str()), JoinedText(Dig("text.example.test TXT").at(0)));

    ASSERT_EQ(DNS_Resolver().Query(kDnsTypeSOA, "example.test", records), kDnsSuccess);
    ASSERT_EQ(records.size(), 1u);
    const DNS_Response& soa = records[0];
    String ours = String::Formatted("%s. %s. %u %u %u %u %u", soa.name.c_str(), soa.mailbox.c_str(),
                                    soa.serial, soa.refresh, soa.retry, soa.expire, soa.minimum);
    EXPECT_EQ(std::string(ours.c_str()), Dig("example.test SOA").at(0));

    String name;
    ASSERT_EQ(DNS_Resolver().HostName(IP_Address::FromNumber(0x7F000007), name), kDnsSuccess);
    EXPECT_EQ(std::string(name.c_str()), WithoutDot(Dig("-x 127.0.0.7").at(0)));
}

TEST_F(DnsInteropTest, AMissingNameIsReportedAsDigSeesIt) {
    std::string output;
    Shell("dig @127.0.0.1 -p " + std::to_string(port_) + " +time=2 missing.example.test A", &output);
    EXPECT_NE(output.find("status: NXDOMAIN"), std::string::npos) << output;
    IP_Address address;
    EXPECT_EQ(DNS_Resolver().Resolve("missing.example.test", address), kDnsNameError);
}

TEST_F(DnsInteropTest, ALargeAnswerComesOverTcp) {
    uint32_t truncated = DnsStatistics().truncatedReplies;
    std::vector<DNS_Response> records;
    ASSERT_EQ(DNS_Resolver().Query(kDnsTypeTXT, "big.example.test", records), kDnsSuccess);
    EXPECT_EQ(DnsStatistics().truncatedReplies - truncated, 1u);
    ASSERT_EQ(records.size(), 1u);
    std::string dug = JoinedText(Dig("big.example.test TXT").at(0));
    EXPECT_EQ(dug, kBig + " " + kBig + " " + kBig + " " + kBig);
    EXPECT_EQ(std::string(records[0].text.c_str()), dug);
}

}  // namespace
