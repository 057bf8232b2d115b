// The DNS client's records and result codes, shared by the message code, the caches
// and the resolver.
#pragma once

#include <cstdint>

#include "core/String.h"

struct IP_Address {
    uint8_t bytes[4] = {0, 0, 0, 0};

    static IP_Address FromNumber(uint32_t number) {
        IP_Address a;
        for (int i = 0; i < 4; i++) a.bytes[i] = uint8_t(number >> (24 - 8 * i));
        return a;
    }
    // First octet in the high byte, as the sockets and Var take it.
    uint32_t Number() const {
        return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
    }
    // The all-zero address means "none".
    bool IsZero() const { return Number() == 0; }
    bool operator==(const IP_Address& other) const { return Number() == other.Number(); }
    String ToText() const;
    // Strictly four decimal parts of 0..255 ("10.0.0.1"); false leaves out alone.
    static bool Parse(const String& text, IP_Address& out);
};

// Record types the parser reads the data of.
enum DNS_Type : uint16_t {
    kDnsTypeA = 1,
    kDnsTypeNS = 2,
    kDnsTypeCNAME = 5,
    kDnsTypeSOA = 6,
    kDnsTypePTR = 12,
    kDnsTypeMX = 15,
    kDnsTypeTXT = 16,
};

struct DNS_Response {
    uint16_t type = 0;
    IP_Address address;   // A
    String name;          // NS, CNAME, PTR; the exchange of MX; the primary name of SOA
    uint16_t preference = 0;  // MX
    String mailbox;       // SOA
    uint32_t serial = 0, refresh = 0, retry = 0, expire = 0, minimum = 0;  // SOA
    String text;          // TXT: its character-strings joined with one blank
};

enum DNS_Result : int32_t {
    kDnsSuccess = 0,
    kDnsNoSocket = 1,
    kDnsNoConnection = 2,
    kDnsSendFailed = 3,
    kDnsNoInformation = 4,
    kDnsNoLengthPrefix = 5,
    kDnsShortTcpReply = 6,
    kDnsReceiveFailed = 7,
    kDnsInvalidDomain = 8,
    kDnsWrongId = 9,
    kDnsBadResponseCode = 10,
    kDnsBadQuestionCount = 11,
    kDnsDifferentDomain = 12,
    kDnsInvalidResponse = 13,
    kDnsFormatError = 14,
    kDnsServerFailure = 15,
    kDnsNameError = 16,
    kDnsNotImplemented = 17,
    kDnsRefused = 18,
    kDnsTooShort = 19,
    kDnsNoServer = 20,
    kDnsTimeout = 21,
    kDnsBadAnswerCount = 22,
    kDnsAborted = 23,
    kDnsBadText = 24,
    kDnsNameExists = 25,
    kDnsRRsetExists = 26,
    kDnsRRsetMissing = 27,
    kDnsNotAuthoritative = 28,
    kDnsNotInZone = 29,
};

// The text of a result code; "Unknown" for codes outside the table.
const char* DNS_ErrorText(int32_t code);
