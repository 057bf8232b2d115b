// The resolver against a responder inside the test, for what no honest server sends:
// forged IDs, broken lengths, pointer loops, absurd counts. The responder serves on
// loopback through the same socket seam, a bounded number of requests for a bounded
// time, so a resolver that hangs fails the test instead of stalling it.
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "net/DNSMessage.h"
#include "platform/Network.h"
#include "platform/headless/HeadlessClock.h"
#include "platform/headless/HeadlessRegistry.h"
#include "tests/net/DnsTestSupport.h"

namespace {

void Put16(String& s, uint32_t v) {
    s.Append(char(v >> 8 & 0xFF));
    s.Append(char(v & 0xFF));
}

String Bytes(std::initializer_list<int> bytes) {
    String s;
    for (int b : bytes) s.Append(char(b));
    return s;
}

// One answer record named by a pointer to the question (offset 12).
String Record(uint16_t type, const String& data, int32_t declaredLength = -1) {
    String r = Bytes({0xC0, 0x0C});
    Put16(r, type);
    Put16(r, 1);
    Put16(r, 0), Put16(r, 60);
    Put16(r, uint32_t(declaredLength < 0 ? data.Length() : declaredLength));
    r.Append(data);
    return r;
}

String Name(const char* dotted) {
    String s;
    String name(dotted);
    for (int32_t start = 0; start < name.Length();) {
        int32_t dot = name.Find('.', start);
        if (dot < 0) dot = name.Length();
        s.Append(char(dot - start));
        s.Append(name.c_str() + start, dot - start);
        start = dot + 1;
    }
    s.Append('\0');
    return s;
}

// The request's ID and question, the given flags and answer count, then the records.
String Reply(const String& request, uint32_t flags, uint32_t answerCount, const String& records) {
    String r(request.c_str(), 2);
    Put16(r, flags);
    Put16(r, 1);
    Put16(r, answerCount);
    Put16(r, 0), Put16(r, 0);
    r.Append(request.c_str() + 12, request.Length() - 12);
    r.Append(records);
    return r;
}

constexpr uint32_t kAnswer = 0x8180;

class ScriptedServer {
public:
    // The datagrams to send back for one request (none: stay silent).
    using Script = std::function<std::vector<String>(const String& request)>;
    // The bytes to write on a TCP connection, given the request that came on it.
    using TcpScript = std::function<String(const String& request)>;

    explicit ScriptedServer(Script script, TcpScript tcp = nullptr)
        : script_(std::move(script)), tcp_script_(std::move(tcp)) {
        for (int attempt = 0; attempt < 10 && !port_; attempt++) {
            udp_ = TheNetwork().OpenUdp();
            tcp_ = TheNetwork().OpenTcp();
            if (udp_ && tcp_ && udp_->Bind(kLoopbackAddress, 0) &&
                tcp_->Listen(kLoopbackAddress, udp_->LocalPort())) {
                port_ = udp_->LocalPort();
            }
        }
        if (port_) thread_ = std::thread([this] { Serve(); });
    }
    ~ScriptedServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }

    uint16_t Port() const { return port_; }
    int32_t Requests() const { return requests_; }
    int32_t TcpRequests() const { return tcpRequests_; }

private:
    void Serve() {
        auto start = std::chrono::steady_clock::now();
        String buffer;
        buffer.SetLength(kDnsMaxDatagram);
        while (!stop_ && requests_ < 50 && std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
            uint32_t from = 0;
            uint16_t fromPort = 0;
            int32_t got = udp_->ReceiveFrom(buffer.Data(), kDnsMaxDatagram, 20, &from, &fromPort);
            if (got > 0) {
                requests_++;
                for (const String& d : script_(String(buffer.c_str(), got))) {
                    udp_->SendTo(from, fromPort, d.c_str(), d.Length());
                }
            }
            if (std::unique_ptr<TcpSocket> client = tcp_->Accept(0)) {
                tcpRequests_++;
                char request[512];
                int32_t length = client->Receive(request, sizeof request, 1000);
                String bytes = tcp_script_ ? tcp_script_(String(request, length > 0 ? length : 0)) : String();
                client->Send(bytes.c_str(), bytes.Length(), 1000);
            }
        }
    }

    Script script_;
    TcpScript tcp_script_;
    std::unique_ptr<UdpSocket> udp_;
    std::unique_ptr<TcpSocket> tcp_;
    uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int32_t> requests_{0};
    std::atomic<int32_t> tcpRequests_{0};
    std::thread thread_;
};

class DnsScriptedTest : public DnsTest {
protected:
    // Answers every request with the script's one reply.
    int32_t AskWith(std::function<String(const String&)> reply, uint16_t type,
                    std::vector<DNS_Response>& records, const char* name = "host.example.test") {
        ScriptedServer server([&](const String& request) { return std::vector<String>{reply(request)}; });
        EXPECT_NE(server.Port(), 0);
        UseServer(server.Port());
        DNS_Resolver resolver;
        return resolver.Query(type, name, records);
    }
    int32_t AskWith(std::function<String(const String&)> reply) {
        std::vector<DNS_Response> records;
        return AskWith(std::move(reply), kDnsTypeA, records);
    }
};

TEST_F(DnsScriptedTest, BadNamesAreRefusedBeforeAnythingIsSent) {
    ScriptedServer server([](const String& request) {
        return std::vector<String>{Reply(request, kAnswer, 1, Record(kDnsTypeA, Bytes({10, 0, 0, 1})))};
    });
    UseServer(server.Port());
    DNS_Resolver resolver;
    std::vector<DNS_Response> records;
    String label63(String::Formatted("%s.te", std::string(63, 'a').c_str()));
    String label64(String::Formatted("%s.t", std::string(64, 'a').c_str()));
    for (const char* bad : {"a.b", "a..example", ".example.test", "example..test"}) {
        EXPECT_EQ(resolver.Query(kDnsTypeA, bad, records), kDnsInvalidDomain) << bad;
    }
    EXPECT_EQ(resolver.Query(kDnsTypeA, label64, records), kDnsInvalidDomain);
    String long68 = String(std::string(60, 'b').c_str()) + ".example";  // 68 characters
    EXPECT_EQ(resolver.Query(kDnsTypeA, long68, records), kDnsInvalidDomain);
    EXPECT_EQ(server.Requests(), 0);

    String long67 = long68.Mid(1);
    EXPECT_EQ(resolver.Query(kDnsTypeA, long67, records), kDnsSuccess);
    EXPECT_EQ(resolver.Query(kDnsTypeA, label63, records), kDnsSuccess);
    EXPECT_EQ(resolver.Query(kDnsTypeA, "a.bc", records), kDnsSuccess);
    EXPECT_EQ(server.Requests(), 3);
}

TEST_F(DnsScriptedTest, TheRequestIsAStandardRecursiveQuestion) {
    String seen;
    {
        ScriptedServer server([&](const String& request) {
            seen = request;
            return std::vector<String>{Reply(request, kAnswer, 1, Record(kDnsTypeA, Bytes({10, 0, 0, 1})))};
        });
        UseServer(server.Port());
        std::vector<DNS_Response> records;
        ASSERT_EQ(DNS_Resolver().Query(kDnsTypeMX, "Mail.Example.test", records), kDnsSuccess);
    }  // the server's thread has ended: what it saw is safe to read
    uint16_t id = DnsMessageId(seen);
    EXPECT_TRUE(id >= 1 && id <= 65534);
    String expected(seen.c_str(), 2);
    expected.Append(Bytes({0x01, 0x00, 0, 1, 0, 0, 0, 0, 0, 0}));
    expected.Append(Name("Mail.Example.test"));
    expected.Append(Bytes({0, 15, 0, 1}));
    EXPECT_TRUE(seen == expected);
}

TEST_F(DnsScriptedTest, AForgedIdIsIgnoredAndSilenceTimesOut) {
    uint32_t ignored = DnsStatistics().ignoredDatagrams;
    ScriptedServer server([](const String& request) {
        String forged = Reply(request, kAnswer, 1, Record(kDnsTypeA, Bytes({10, 6, 6, 6})));
        forged.SetAt(1, char(forged[1] ^ 0x5A));
        String question = request;  // not a reply: QR is clear
        return std::vector<String>{forged, question};
    });
    UseServer(server.Port());
    IP_Address address;
    EXPECT_EQ(DNS_Resolver().Resolve("host.example.test", address), kDnsTimeout);
    EXPECT_TRUE(address.IsZero());
    EXPECT_GE(DnsStatistics().ignoredDatagrams - ignored, 2u);
    EXPECT_STREQ(DNS_ErrorText(kDnsTimeout), "Timeout waiting for DNS server to respond");
}

TEST_F(DnsScriptedTest, TheAbortCallbackEndsTheWait) {
    ScriptedServer server([](const String&) { return std::vector<String>{}; });
    UseServer(server.Port());
    DNS_Resolver resolver;
    int32_t asked = 0;
    resolver.SetAbortCallback([&](uint32_t) { return ++asked == 3; });
    std::vector<DNS_Response> records;
    EXPECT_EQ(resolver.Query(kDnsTypeA, "host.example.test", records), kDnsAborted);
    EXPECT_EQ(asked, 3);
}

TEST_F(DnsScriptedTest, SilenceBringsAResendAfterOneSecond) {
    ScriptedServer silent([](const String&) { return std::vector<String>{}; });
    // Test traffic stays on 127.0.0.1, so the two servers of the rotation are one.
    DNS_Config config;
    config.servers = {IP_Address::FromNumber(kLoopbackAddress), IP_Address::FromNumber(kLoopbackAddress)};
    config.timeoutMs = 5000;
    config.port = silent.Port();
    uint32_t resends = DnsStatistics().resends;
    std::vector<DNS_Response> records;
    DNS_Resolver resolver(config);
    // Between the resend at one second and the next at three.
    resolver.SetAbortCallback([](uint32_t elapsed) { return elapsed >= 1500; });
    EXPECT_EQ(resolver.Query(kDnsTypeA, "host.example.test", records), kDnsAborted);
    EXPECT_EQ(DnsStatistics().resends - resends, 1u);
    for (int i = 0; i < 100 && silent.Requests() < 2; i++) TheClock().Sleep(10);
    EXPECT_EQ(silent.Requests(), 2);
}

TEST_F(DnsScriptedTest, ResponseCodesBecomeResults) {
    const int32_t expected[] = {0, 14, 15, 16, 17, 18, 25, 26, 27, 28, 29, 10, 10};
    for (uint32_t rcode = 1; rcode <= 12; rcode++) {
        EXPECT_EQ(AskWith([&](const String& q) { return Reply(q, kAnswer | rcode, 0, String()); }),
                  expected[rcode])
            << rcode;
    }
    EXPECT_STREQ(DNS_ErrorText(kDnsNameError), "Domain does not exist");
    // A reply to some other question.
    EXPECT_EQ(AskWith([](const String& q) {
                  String r = Reply(q, kAnswer, 0, String());
                  r.SetAt(13, 'x');
                  return r;
              }),
              kDnsDifferentDomain);
}

TEST_F(DnsScriptedTest, ATruncatedReplyIsAskedAgainOverTcp) {
    uint32_t truncated = DnsStatistics().truncatedReplies;
    ScriptedServer server([](const String& q) { return std::vector<String>{Reply(q, kAnswer | 0x0200, 0, String())}; },
                          [](const String&) { return Bytes({0, 11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}); });
    UseServer(server.Port());
    std::vector<DNS_Response> records;
    EXPECT_EQ(DNS_Resolver().Query(kDnsTypeTXT, "big.example.test", records), kDnsTooShort);
    EXPECT_EQ(server.TcpRequests(), 1);
    EXPECT_EQ(DnsStatistics().truncatedReplies - truncated, 1u);
}

TEST_F(DnsScriptedTest, TcpFailuresHaveTheirCodes) {
    {
        // Nobody listens for TCP on the port of this UDP responder.
        std::unique_ptr<UdpSocket> udp = TheNetwork().OpenUdp();
        ASSERT_TRUE(udp && udp->Bind(kLoopbackAddress, 0));
        std::atomic<bool> stop{false};
        std::thread responder([&] {
            char buffer[512];
            uint32_t from;
            uint16_t port;
            for (int i = 0; i < 500 && !stop; i++) {
                int32_t got = udp->ReceiveFrom(buffer, sizeof buffer, 10, &from, &port);
                if (got <= 0) continue;
                String reply = Reply(String(buffer, got), kAnswer | 0x0200, 0, String());
                udp->SendTo(from, port, reply.c_str(), reply.Length());
            }
        });
        UseServer(udp->LocalPort());
        std::vector<DNS_Response> records;
        EXPECT_EQ(DNS_Resolver().Query(kDnsTypeA, "host.example.test", records), kDnsNoConnection);
        stop = true;
        responder.join();
    }
    // The TCP request is the question behind its two length bytes.
    auto otherId = [](const String& framed) {
        String reply = Bytes({0, 12, framed[2] ^ 0x40, framed[3], 0x81, 0x80, 0, 0, 0, 1, 0, 0, 0, 0});
        return reply;
    };
    struct Case {
        ScriptedServer::TcpScript tcp;
        int32_t code;
    };
    const Case cases[] = {
        {[](const String&) { return Bytes({0}); }, kDnsNoLengthPrefix},
        {[](const String&) { return Bytes({0, 20, 1, 2, 3}); }, kDnsShortTcpReply},
        {otherId, kDnsWrongId},
    };
    for (const Case& c : cases) {
        ScriptedServer server([](const String& q) { return std::vector<String>{Reply(q, kAnswer | 0x0200, 0, String())}; },
                              c.tcp);
        UseServer(server.Port());
        std::vector<DNS_Response> records;
        EXPECT_EQ(DNS_Resolver().Query(kDnsTypeA, "host.example.test", records), c.code);
    }
}

TEST_F(DnsScriptedTest, LengthsThatRunPastTheirBoundsAreInvalid) {
    auto a = Bytes({10, 0, 0, 1});
    // RDLENGTH beyond the end of the message, and zero.
    EXPECT_EQ(AskWith([&](const String& q) { return Reply(q, kAnswer, 1, Record(kDnsTypeA, a, 40)); }),
              kDnsInvalidResponse);
    EXPECT_EQ(AskWith([&](const String& q) { return Reply(q, kAnswer, 1, Record(kDnsTypeA, String(), 0)); }),
              kDnsInvalidResponse);
    // More answers announced than present.
    EXPECT_EQ(AskWith([&](const String& q) { return Reply(q, kAnswer, 2, Record(kDnsTypeA, a)); }),
              kDnsInvalidResponse);
    // A name inside RDATA that runs past RDLENGTH.
    std::vector<DNS_Response> records;
    String cname = Name("host.example.test");
    EXPECT_EQ(AskWith([&](const String& q) { return Reply(q, kAnswer, 1, Record(kDnsTypeCNAME, cname, 4) + cname); },
                      kDnsTypeCNAME, records),
              kDnsInvalidResponse);
    EXPECT_EQ(AskWith([&](const String& q) { return Reply(q, kAnswer, 1001, String()); }), kDnsBadAnswerCount);
    EXPECT_EQ(AskWith([&](const String& q) {
                  String r = Reply(q, kAnswer, 0, String());
                  r.SetAt(4, char(1001 >> 8)), r.SetAt(5, char(1001 & 0xFF));
                  return r;
              }),
              kDnsBadQuestionCount);
    EXPECT_EQ(AskWith([&](const String& q) { return Reply(q, kAnswer, 0, String()); }), kDnsNoInformation);
}

TEST_F(DnsScriptedTest, CompressionPointersMustLeadBackwards) {
    // The answer's owner name points at itself: offset 12 + question length.
    auto loop = [](const String& q) {
        String r = Reply(q, kAnswer, 1, String());
        int32_t self = r.Length();
        String record = Bytes({0xC0 | (self >> 8), self & 0xFF});
        Put16(record, kDnsTypeA), Put16(record, 1), Put16(record, 0), Put16(record, 60), Put16(record, 4);
        record.Append(Bytes({10, 0, 0, 1}));
        return r + record;
    };
    EXPECT_EQ(AskWith(loop), kDnsInvalidResponse);
    // A backward pointer into the question is the usual compression and reads fine.
    std::vector<DNS_Response> records;
    auto compressed = [](const String& q) {
        String data = Bytes({4, 'm', 'a', 'i', 'l', 0xC0, 12});
        return Reply(q, kAnswer, 1, Record(kDnsTypeCNAME, data));
    };
    ASSERT_EQ(AskWith(compressed, kDnsTypeCNAME, records), kDnsSuccess);
    EXPECT_STREQ(records[0].name.c_str(), "mail.host.example.test");
}

TEST_F(DnsScriptedTest, TextRecordsMustFillTheirDataExactly) {
    std::vector<DNS_Response> records;
    auto txt = [&](const String& data) {
        return AskWith([&](const String& q) { return Reply(q, kAnswer, 1, Record(kDnsTypeTXT, data)); },
                       kDnsTypeTXT, records);
    };
    ASSERT_EQ(txt(Bytes({3, 'o', 'n', 'e', 0, 3, 't', 'w', 'o'})), kDnsSuccess);
    EXPECT_STREQ(records[0].text.c_str(), "one  two");
    EXPECT_EQ(txt(Bytes({3, 'o', 'n', 'e', 5, 't', 'w', 'o'})), kDnsBadText);
    // The string runs past RDLENGTH into the bytes that follow it.
    EXPECT_EQ(AskWith([&](const String& q) {
                  return Reply(q, kAnswer, 1, Record(kDnsTypeTXT, Bytes({6, 'a', 'b'}), 3) + Bytes({'c', 'd', 'e', 'f'}));
              },
                      kDnsTypeTXT, records),
              kDnsBadText);
    EXPECT_STREQ(DNS_ErrorText(kDnsBadText), "A TXT record is not in legal format");
}

TEST_F(DnsScriptedTest, AtMostTwoHundredRecordsAreKept) {
    std::vector<DNS_Response> records;
    auto many = [](const String& q) {
        String answers;
        for (int i = 0; i < 250; i++) answers.Append(Record(kDnsTypeA, Bytes({10, 0, i >> 8, i & 0xFF})));
        return Reply(q, kAnswer, 250, answers);
    };
    ASSERT_EQ(AskWith(many, kDnsTypeA, records), kDnsSuccess);
    ASSERT_EQ(records.size(), 200u);
    EXPECT_EQ(records[199].address.bytes[3], 199);
}

TEST_F(DnsScriptedTest, AZeroAddressIsNeitherReturnedNorCached) {
    int32_t requests = 0;
    {
        ScriptedServer server([](const String& q) {
            return std::vector<String>{Reply(q, kAnswer, 1, Record(kDnsTypeA, Bytes({0, 0, 0, 0})))};
        });
        UseServer(server.Port());
        IP_Address address;
        EXPECT_EQ(DNS_Resolver().Resolve("zero.example.test", address), kDnsNoInformation);
        EXPECT_EQ(DNS_Resolver().Resolve("zero.example.test", address), kDnsNoInformation);
        EXPECT_TRUE(address.IsZero());
        requests = server.Requests();
    }
    EXPECT_EQ(requests, 2);
    EXPECT_EQ(DnsAddressCache().Count(), 0);
}

TEST_F(DnsScriptedTest, ResolveTakesTheFirstAddressAndCachesIt) {
    ScriptedServer server([](const String& q) {
        String answers = Record(kDnsTypeCNAME, Name("real.example.test")) +
                         Record(kDnsTypeA, Bytes({0, 0, 0, 0})) + Record(kDnsTypeA, Bytes({10, 1, 2, 3})) +
                         Record(kDnsTypeA, Bytes({10, 9, 9, 9}));
        return std::vector<String>{Reply(q, kAnswer, 4, answers)};
    });
    UseServer(server.Port());
    uint32_t hits = DnsStatistics().cacheHits;
    IP_Address address;
    ASSERT_EQ(DNS_Resolver().Resolve("www.example.test", address), kDnsSuccess);
    EXPECT_STREQ(address.ToText().c_str(), "10.1.2.3");
    IP_Address again;
    ASSERT_EQ(DNS_Resolver().Resolve("WWW.Example.Test", again), kDnsSuccess);
    EXPECT_TRUE(again == address);
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(DnsStatistics().cacheHits - hits, 1u);
    // Numbers are addresses already.
    ASSERT_EQ(DNS_Resolver().Resolve("192.0.2.44", address), kDnsSuccess);
    EXPECT_STREQ(address.ToText().c_str(), "192.0.2.44");
    EXPECT_EQ(server.Requests(), 1);
}

TEST_F(DnsScriptedTest, MailServersFollowPreferenceAndOptions) {
    std::atomic<bool> withMx{true};
    ScriptedServer server([&](const String& q) {
        if (!withMx) return std::vector<String>{Reply(q, kAnswer, 0, String())};
        auto mx = [](int preference, const char* name) {
            String data;
            Put16(data, uint32_t(preference));
            return Record(kDnsTypeMX, data + Name(name));
        };
        String answers = mx(20, "b.example.test") + mx(10, "a.example.test") + mx(30, "c.example.test") +
                         mx(10, "a2.example.test");
        return std::vector<String>{Reply(q, kAnswer, 4, answers)};
    });
    UseServer(server.Port());
    String servers;
    ASSERT_EQ(DNS_Resolver().MailServers("example.test", kMailAllExchanges | kMailDoNotStore, servers), 0);
    EXPECT_STREQ(servers.c_str(), "a.example.test;a2.example.test;b.example.test;c.example.test");
    ASSERT_EQ(DNS_Resolver().MailServers("example.test", 0, servers), 0);
    EXPECT_STREQ(servers.c_str(), "a.example.test");
    EXPECT_EQ(server.Requests(), 2);
    ASSERT_EQ(DNS_Resolver().MailServers("example.test", kMailAllExchanges, servers), 0);
    EXPECT_STREQ(servers.c_str(), "a.example.test");  // from the cache
    ASSERT_EQ(DNS_Resolver().MailServers("example.test", kMailBypassCache | kMailAllExchanges, servers), 0);
    EXPECT_EQ(server.Requests(), 3);

    withMx = false;
    ASSERT_EQ(DNS_Resolver().MailServers("nomx.example.test", 0, servers), 0);
    EXPECT_STREQ(servers.c_str(), "nomx.example.test");
    ASSERT_EQ(DNS_Resolver().MailServers("none.example.test", kMailEmptyWithoutMX, servers), 0);
    EXPECT_STREQ(servers.c_str(), "");
    ASSERT_EQ(DNS_Resolver().MailServers("none.example.test", kMailEmptyWithoutMX, servers), 0);
    EXPECT_EQ(server.Requests(), 6);  // the empty answer was not stored
    EXPECT_EQ(DNS_Resolver().MailServers("x.y", 0, servers), kDnsInvalidDomain);
}

TEST_F(DnsScriptedTest, TheSystemResolverIsUsedWhenAskedOrWithoutServers) {
    ScriptedServer server([](const String& q) { return std::vector<String>{Reply(q, kAnswer, 0, String())}; });
    UseServer(server.Port());
    FrameworkSetting(kSetUse_OS_DNS).value = Var::Boolean(true);
    IP_Address address;
    ASSERT_EQ(DNS_Resolver().Resolve("localhost", address), kDnsSuccess);
    EXPECT_EQ(address.bytes[0], 127);
    EXPECT_EQ(server.Requests(), 0);

    FrameworkSetting(kSetUse_OS_DNS).value = Var::Boolean(false);
    FrameworkSetting(kSetDNS_Address).value = Var::Text("");
    DNS_Resolver resolver;
    std::vector<DNS_Response> records;
    EXPECT_EQ(resolver.Query(kDnsTypeA, "host.example.test", records), kDnsNoServer);
    ASSERT_EQ(resolver.Resolve("localhost", address), kDnsSuccess);
}

TEST_F(DnsScriptedTest, SettingsGiveServersPortAndSeconds) {
    FrameworkSetting(kSetAutoDetectDNS).value = Var::Boolean(false);
    FrameworkSetting(kSetDNS_Address).value = Var::Text("10.0.0.1, 10.0.0.2;bogus\r\n10.0.0.1 0.0.0.0 1.2.3");
    FrameworkSetting(kSetDNS_Port).value = Var::Integer(5353);
    FrameworkSetting(kSetDNS_Timeout).value = Var::Integer(7);
    DNS_Config config = DNS_Config::FromSettings();
    ASSERT_EQ(config.servers.size(), 2u);
    EXPECT_STREQ(config.servers[1].ToText().c_str(), "10.0.0.2");
    EXPECT_EQ(config.port, 5353);
    EXPECT_EQ(config.timeoutMs, 7000u);
    FrameworkSetting(kSetDNS_Port).value = Var::Integer(70000);
    EXPECT_EQ(DNS_Config::FromSettings().port, 53);

    // Detection reads the service's values, then each interface's.
    HeadlessRegistry registry;
    Registry* previous = InstallRegistry(&registry);
    const char* parameters = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
    registry.SetText(RegistryRoot::kLocalMachine, parameters, "NameServer", "192.0.2.1");
    registry.SetText(RegistryRoot::kLocalMachine, String(parameters) + "\\Interfaces\\{A}",
                     "DhcpNameServer", "192.0.2.2 192.0.2.1");
    registry.SetText(RegistryRoot::kLocalMachine, String(parameters) + "\\Interfaces\\{B}", "NameServer",
                     "192.0.2.3,192.0.2.4");
    FrameworkSetting(kSetAutoDetectDNS).value = Var::Boolean(true);
    config = DNS_Config::FromSettings();
    InstallRegistry(previous);
    ASSERT_GE(config.servers.size(), 4u);
    for (int i = 0; i < 4; i++) EXPECT_EQ(config.servers[i].bytes[3], i + 1);
    EXPECT_EQ(config.port, 53);
}

TEST_F(DnsScriptedTest, CacheEntriesLastAnHourAndTheOldestMakesRoom) {
    HeadlessClock& clock = TheHeadlessClock();
    Clock* previous = InstallClock(&clock);
    clock.UseVirtualTicks(1000);
    DNS_Cache<String>& cache = DnsHostNameCache();
    cache.Store("first", "a.example.test");
    cache.Store("empty", "");
    clock.Sleep(kDnsCacheLifeMs);
    String value;
    EXPECT_TRUE(cache.Find("first", value));
    EXPECT_FALSE(cache.Find("empty", value));
    clock.Sleep(1);
    EXPECT_FALSE(cache.Find("first", value));

    for (int32_t i = 0; i < kDnsCacheCapacity; i++) {
        cache.Store(std::to_string(i), "x");
        clock.Sleep(1);
    }
    cache.Store("newest", "y");
    EXPECT_EQ(cache.Count(), kDnsCacheCapacity);
    EXPECT_FALSE(cache.Find("0", value));
    EXPECT_TRUE(cache.Find("1", value));
    EXPECT_TRUE(cache.Find("newest", value));
    clock.UseRealTicks();
    InstallClock(previous);
}

// A network whose sockets fail at a chosen step, for the codes no peer can cause.
class FailingNetwork : public Network {
public:
    enum Step { kOpen, kSend, kReceive };
    explicit FailingNetwork(Step step) : step_(step) {}

    std::unique_ptr<UdpSocket> OpenUdp() override {
        if (step_ == kOpen) return nullptr;
        return std::make_unique<Socket>(step_);
    }
    std::unique_ptr<TcpSocket> OpenTcp() override { return nullptr; }
    String LastError() override { return "scripted failure"; }
    bool ResolveHostName(const String&, uint32_t*) override { return false; }
    void ConfiguredNameServers(std::vector<uint32_t>&) override {}

private:
    class Socket : public UdpSocket {
    public:
        explicit Socket(Step step) : step_(step) {}
        bool Bind(uint32_t, uint16_t) override { return true; }
        uint16_t LocalPort() override { return 0; }
        bool SendTo(uint32_t, uint16_t, const void*, int32_t) override { return step_ != kSend; }
        int32_t ReceiveFrom(void*, int32_t, uint32_t, uint32_t*, uint16_t*) override { return kSocketFailed; }

    private:
        Step step_;
    };
    Step step_;
};

TEST_F(DnsScriptedTest, SocketFailuresHaveTheirCodes) {
    UseServer(53);
    const std::pair<FailingNetwork::Step, int32_t> cases[] = {
        {FailingNetwork::kOpen, kDnsNoSocket},
        {FailingNetwork::kSend, kDnsSendFailed},
        {FailingNetwork::kReceive, kDnsReceiveFailed},
    };
    for (const auto& [step, code] : cases) {
        FailingNetwork failing(step);
        Network* previous = InstallNetwork(&failing);
        std::vector<DNS_Response> records;
        int32_t result = DNS_Resolver().Query(kDnsTypeA, "host.example.test", records);
        InstallNetwork(previous);
        EXPECT_EQ(result, code);
    }
    // The platform resolver's failure, with Use_OS_DNS.
    FailingNetwork failing(FailingNetwork::kOpen);
    Network* previous = InstallNetwork(&failing);
    FrameworkSetting(kSetUse_OS_DNS).value = Var::Boolean(true);
    IP_Address address;
    EXPECT_EQ(DNS_Resolver().Resolve("host.example.test", address), kDnsNameError);
    InstallNetwork(previous);
}

TEST_F(DnsScriptedTest, EveryCodeHasItsText) {
    EXPECT_STREQ(DNS_ErrorText(0), "Success");
    EXPECT_STREQ(DNS_ErrorText(6), "Unable to fetch response");
    EXPECT_STREQ(DNS_ErrorText(29),
                 "A name used in the Prerequisite or Update Section is not within the zone denoted by the "
                 "Zone Section");
    EXPECT_STREQ(DNS_ErrorText(30), "Unknown");
    EXPECT_STREQ(DNS_ErrorText(-1), "Unknown");
}

}  // namespace

// Threads resolving the same and different names at once, while others write straight
// into the caches past their capacity. ThreadSanitizer (scripts/test-all) watches the
// locks; the counts below catch a lost update without it.
TEST_F(DnsScriptedTest, LookupsFromSeveralThreadsShareTheCaches) {
    // hN.example.test is 10.0.0.N; every domain has one exchange.
    ScriptedServer server([](const String& q) {
        if (q.Length() < 14) return std::vector<String>();
        uint16_t type = uint16_t(uint8_t(q[q.Length() - 4]) << 8 | uint8_t(q[q.Length() - 3]));
        if (type == kDnsTypeMX) {
            String data;
            Put16(data, 10);
            return std::vector<String>{Reply(q, kAnswer, 1, Record(kDnsTypeMX, data + Name("mx.example.test")))};
        }
        int host = q[14] - '0';
        return std::vector<String>{Reply(q, kAnswer, 1, Record(kDnsTypeA, Bytes({10, 0, 0, host})))};
    });
    ASSERT_NE(server.Port(), 0);
    UseServer(server.Port());
    constexpr int kThreads = 8, kHosts = 4, kRounds = 3, kStored = 700;
    DNS_Statistics& stats = DnsStatistics();
    uint32_t lookups = stats.lookups, hits = stats.cacheHits, failures = stats.failures;
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; t++) {
        threads.emplace_back([t, &wrong] {
            for (int round = 0; round < kRounds; round++) {
                for (int h = 0; h < kHosts; h++) {
                    IP_Address address;
                    String name = String::Formatted("h%d.example.test", (h + t) % kHosts);
                    if (DNS_Resolver().Resolve(name, address) != kDnsSuccess ||
                        address.bytes[3] != (h + t) % kHosts) {
                        wrong++;
                    }
                }
                String servers;
                if (DNS_Resolver().MailServers("example.test", 0, servers) != kDnsSuccess ||
                    servers != String("mx.example.test")) {
                    wrong++;
                }
            }
            // The same key from every thread, and keys of its own beyond the capacity.
            for (int i = 0; i < kStored; i++) {
                DnsMailCache().Store(DnsCacheKey(String("shared.test")), "mx.shared.test");
                DnsHostNameCache().Store(DnsCacheKey(IP_Address::FromNumber(0x0B000000u + uint32_t(t * kStored + i))),
                                         String::Formatted("n%d.example.test", i));
                String found;
                if (!DnsMailCache().Find(DnsCacheKey(String("shared.test")), found) || found != String("mx.shared.test")) {
                    wrong++;
                }
                DnsAddressCache().Store(DnsCacheKey(String::Formatted("t%d.example.test", t)),
                                        IP_Address::FromNumber(uint32_t(i + 1)));
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(wrong, 0);
    constexpr uint32_t kLookups = kThreads * kRounds * (kHosts + 1);
    EXPECT_EQ(stats.lookups - lookups, kLookups);
    EXPECT_EQ(stats.failures - failures, 0u);
    // A lookup is a hit or a question; a lost count would break this.
    EXPECT_GE(stats.cacheHits - hits + uint32_t(server.Requests()), kLookups);
    EXPECT_LE(uint32_t(server.Requests()), uint32_t(kThreads * (kHosts + 1)));
    EXPECT_EQ(DnsHostNameCache().Count(), kDnsCacheCapacity);
    EXPECT_EQ(DnsAddressCache().Count(), kHosts + kThreads);
    EXPECT_EQ(DnsMailCache().Count(), 2);
    IP_Address last;
    ASSERT_TRUE(DnsAddressCache().Find(DnsCacheKey(String("t3.example.test")), last));
    EXPECT_EQ(last.Number(), uint32_t(kStored));
}
