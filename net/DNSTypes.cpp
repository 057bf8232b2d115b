#include "net/DNSTypes.h"

String IP_Address::ToText() const {
    return String::Formatted("%u.%u.%u.%u", bytes[0], bytes[1], bytes[2], bytes[3]);
}

bool IP_Address::Parse(const String& text, IP_Address& out) {
    IP_Address a;
    int32_t p = 0;
    for (int part = 0; part < 4; part++) {
        if (part > 0) {
            if (text[p] != '.') return false;
            p++;
        }
        int32_t value = 0, digits = 0;
        while (p < text.Length() && IsDigit(text[p]) && digits < 3) {
            value = value * 10 + (text[p] - '0');
            p++, digits++;
        }
        if (digits == 0 || value > 255) return false;
        a.bytes[part] = uint8_t(value);
    }
    if (p != text.Length()) return false;
    out = a;
    return true;
}

const char* DNS_ErrorText(int32_t code) {
    static const char* const kTexts[] = {
        "Success",
        "Unable to create socket",
        "Unable to connect to server",
        "Unable to send request",
        "No information available for the domain",
        "Unable to fetch response",
        "Unable to fetch response",
        "Unable to fetch response",
        "Invalid domain requested",
        "The DNS server returned an invalid Request ID",
        "The DNS server returned an invalid Response Code",
        "The DNS server returned an invalid Question Count",
        "The DNS server returned a different domain",
        "The DNS server returned an invalid response",
        "Format error in request",
        "The DNS server was unable to process the request due to an internal error",
        "Domain does not exist",
        "Function not implemented",
        "The DNS server has refused to provide information",
        "The DNS server did not respond with an adequate number of bytes",
        "No DNS server is set",
        "Timeout waiting for DNS server to respond",
        "The DNS server returned an invalid Answer Count",
        "DNS query aborted by the user",
        "A TXT record is not in legal format",
        "A name that should not exist, does exist",
        "An RRset that should not to exist, does exist",
        "An RRset that should exist does not",
        "The server is not authoritative for the zone",
        ("A name used in the Prerequisite or Update Section is not within the zone denoted by "
         "the Zone Section"),
    };
    if (code < 0 || code >= int32_t(sizeof kTexts / sizeof kTexts[0])) return "Unknown";
    return kTexts[code];
}
