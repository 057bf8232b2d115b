// RFC 1035 messages: the request the resolver sends and the parse of a reply. No
// sockets here, so every rule can be fed any bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "core/String.h"
#include "net/DNSTypes.h"

constexpr int32_t kDnsMaxRecords = 200;
constexpr int32_t kDnsMaxDatagram = 16384;

// 0, or kDnsInvalidDomain for a name of the wrong length or with a label that is
// empty or longer than 63 bytes. One final dot (an absolute name) is allowed.
int32_t CheckDnsName(const String& name);

// The question as sent: a standard query with recursion desired.
bool BuildDnsRequest(uint16_t id, uint16_t type, const String& name, String& request);

// The parts of a reply header the transport looks at.
uint16_t DnsMessageId(const String& message);
bool DnsIsReplyTo(const String& message, uint16_t id);
bool DnsIsTruncated(const String& message);

// The records of a reply to the question `name` (at most kDnsMaxRecords); the code
// says why nothing usable came back.
int32_t ParseDnsReply(const String& reply, const String& name, std::vector<DNS_Response>& records);
