#include "net/DNSCache.h"

#include "platform/Clock.h"

namespace {

bool IsEmptyValue(const IP_Address& a) { return a.IsZero(); }
bool IsEmptyValue(const String& s) { return s.IsEmpty(); }

bool Expired(uint32_t stored, uint32_t now) { return now - stored > kDnsCacheLifeMs; }

}  // namespace

template <class Value>
bool DNS_Cache<Value>::Find(const std::string& key, Value& value) {
    std::lock_guard<std::mutex> guard(lock_);
    // Read under the lock: a tick taken before it can be older than an entry another
    // thread stores meanwhile, which would then look 49 days old.
    uint32_t now = TheClock().TickCount();
    auto found = entries_.find(key);
    if (found == entries_.end()) return false;
    if (Expired(found->second.stored, now)) {
        entries_.erase(found);
        return false;
    }
    value = found->second.value;
    return true;
}

template <class Value>
void DNS_Cache<Value>::Store(const std::string& key, const Value& value) {
    if (IsEmptyValue(value)) return;
    std::lock_guard<std::mutex> guard(lock_);
    uint32_t now = TheClock().TickCount();
    if (int32_t(entries_.size()) >= kDnsCacheCapacity && entries_.find(key) == entries_.end()) {
        auto oldest = entries_.end();
        for (auto i = entries_.begin(); i != entries_.end();) {
            if (Expired(i->second.stored, now)) {
                i = entries_.erase(i);
                continue;
            }
            if (oldest == entries_.end() || now - i->second.stored > now - oldest->second.stored) {
                oldest = i;
            }
            ++i;
        }
        if (int32_t(entries_.size()) >= kDnsCacheCapacity) entries_.erase(oldest);
    }
    entries_[key] = DNS_Cache_Data<Value>{value, now};
}

template <class Value>
void DNS_Cache<Value>::Clear() {
    std::lock_guard<std::mutex> guard(lock_);
    entries_.clear();
}

template <class Value>
int32_t DNS_Cache<Value>::Count() {
    std::lock_guard<std::mutex> guard(lock_);
    return int32_t(entries_.size());
}

template class DNS_Cache<IP_Address>;
template class DNS_Cache<String>;

std::string DnsCacheKey(const String& name) {
    std::string key(name.c_str(), size_t(name.Length()));
    if (!key.empty() && key.back() == '.') key.pop_back();
    for (char& c : key) c = FoldCase(c);
    return key;
}

std::string DnsCacheKey(const IP_Address& address) {
    return std::string(reinterpret_cast<const char*>(address.bytes), 4);
}

DNS_Cache<IP_Address>& DnsAddressCache() {
    static DNS_Cache<IP_Address> cache;
    return cache;
}

DNS_Cache<String>& DnsMailCache() {
    static DNS_Cache<String> cache;
    return cache;
}

DNS_Cache<String>& DnsHostNameCache() {
    static DNS_Cache<String> cache;
    return cache;
}

DNS_Statistics& DnsStatistics() {
    static DNS_Statistics statistics;
    return statistics;
}
