// The process-wide answers of earlier lookups, and the resolver's counters. Every
// cache has its own lock, so lookups from several threads stay correct.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

#include "core/String.h"
#include "net/DNSTypes.h"

constexpr uint32_t kDnsCacheLifeMs = 3600000;
constexpr int32_t kDnsCacheCapacity = 5000;

template <class Value>
struct DNS_Cache_Data {
    Value value;
    uint32_t stored = 0;  // the tick count when it was stored
};

// Keys are compared ignoring ASCII case (host names) or by address.
template <class Value>
class DNS_Cache {
public:
    // False when absent or older than an hour.
    bool Find(const std::string& key, Value& value);
    // Empty values are never stored (a zero address, an empty text). A full cache
    // first forgets what has expired, then the entry stored longest ago.
    void Store(const std::string& key, const Value& value);
    void Clear();
    int32_t Count();

private:
    std::mutex lock_;
    std::unordered_map<std::string, DNS_Cache_Data<Value>> entries_;
};

std::string DnsCacheKey(const String& name);
std::string DnsCacheKey(const IP_Address& address);

// name -> address, mail domain -> its exchanges, address -> host name.
DNS_Cache<IP_Address>& DnsAddressCache();
DNS_Cache<String>& DnsMailCache();
DNS_Cache<String>& DnsHostNameCache();

struct DNS_Statistics {
    std::atomic<uint32_t> lookups{0};
    std::atomic<uint32_t> cacheHits{0};
    std::atomic<uint32_t> failures{0};
    std::atomic<uint32_t> resends{0};
    std::atomic<uint32_t> ignoredDatagrams{0};
    std::atomic<uint32_t> aborts{0};
    std::atomic<uint32_t> truncatedReplies{0};
};

DNS_Statistics& DnsStatistics();
