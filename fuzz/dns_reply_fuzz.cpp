// libFuzzer target for the DNS reply parser: any bytes, taken both as a whole reply
// and as the answer section behind the header and question of a fixed request, must
// parse to a code or records without reading outside the message or looping.
//
// Built by the fuzz preset; by hand (from the repository root):
//   clang++ -std=c++20 -g -O1 -Wno-ignored-attributes -fsanitize=fuzzer,address,undefined -I. \
//     fuzz/dns_reply_fuzz.cpp net/DNSMessage.cpp net/DNSTypes.cpp core/String.cpp \
//     core/Fatal.cpp -o build/dns_reply_fuzz
//   build/dns_reply_fuzz -max_len=4096 -max_total_time=60
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "net/DNSMessage.h"

namespace {

const char* const kName = "host.example.test";

void Check(const String& reply) {
    std::vector<DNS_Response> records;
    int32_t code = ParseDnsReply(reply, kName, records);
    if (code == kDnsSuccess && records.empty()) std::abort();
    if (code != kDnsSuccess && !records.empty() && code != kDnsInvalidResponse &&
        code != kDnsBadText) {
        std::abort();
    }
    if (records.size() > size_t(kDnsMaxRecords)) std::abort();
    DnsIsTruncated(reply);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > size_t(kDnsMaxDatagram)) return 0;
    String raw(reinterpret_cast<const char*>(data), int32_t(size));
    Check(raw);

    // The same bytes as answers to a real question, so the fuzzer need not find a
    // matching question first; the first byte is the answer count.
    static String request;
    if (request.IsEmpty()) BuildDnsRequest(0x1234, kDnsTypeA, kName, request);
    if (size == 0) return 0;
    String reply(request.c_str(), request.Length());
    reply.SetAt(2, char(0x81));
    reply.SetAt(3, char(0x80));
    reply.SetAt(6, 0);
    reply.SetAt(7, char(data[0]));
    reply.Append(reinterpret_cast<const char*>(data + 1), int32_t(size - 1));
    Check(reply);
    return 0;
}
