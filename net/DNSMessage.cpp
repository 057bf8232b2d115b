#include "net/DNSMessage.h"

namespace {

constexpr int32_t kHeaderSize = 12;
constexpr int32_t kMaxLabel = 63;
constexpr int32_t kMaxNameLength = 255;
// A chain of compression pointers longer than this is hostile, not compressed.
constexpr int32_t kMaxPointerJumps = 64;
constexpr int32_t kMaxCount = 1000;

uint16_t Get16(const uint8_t* p) { return uint16_t(p[0] << 8 | p[1]); }
uint32_t Get32(const uint8_t* p) { return uint32_t(Get16(p)) << 16 | Get16(p + 2); }

void Put16(String& s, uint16_t v) {
    s.Append(char(v >> 8));
    s.Append(char(v & 0xFF));
}

String WithoutFinalDot(const String& name) {
    return name.Length() > 0 && name[name.Length() - 1] == '.' ? name.Left(name.Length() - 1) : name;
}

class Reader {
public:
    explicit Reader(const String& message)
        : m_(reinterpret_cast<const uint8_t*>(message.c_str())), size_(message.Length()) {}

    int32_t Size() const { return size_; }
    const uint8_t* At(int32_t pos) const { return m_ + pos; }

    // Reads the (possibly compressed) name at *pos into name and moves *pos past the
    // part that is stored there. Pointers must lead backwards, so a chain cannot loop
    // even before the jump limit stops it.
    bool ReadName(int32_t* pos, String& name) const {
        name.Clear();
        int32_t p = *pos, end = -1, jumps = 0, length = 0;
        for (;;) {
            if (p >= size_) return false;
            uint8_t n = m_[p];
            if (n == 0) {
                if (end < 0) end = p + 1;
                break;
            }
            if ((n & 0xC0) == 0xC0) {
                if (p + 1 >= size_) return false;
                int32_t target = (n & 0x3F) << 8 | m_[p + 1];
                if (end < 0) end = p + 2;
                if (target >= p || ++jumps > kMaxPointerJumps) return false;
                p = target;
                continue;
            }
            if (n > kMaxLabel || p + 1 + n > size_) return false;
            length += n + 1;
            if (length > kMaxNameLength) return false;
            if (!name.IsEmpty()) name.Append('.');
            name.Append(reinterpret_cast<const char*>(m_ + p + 1), n);
            p += 1 + n;
        }
        *pos = end;
        return true;
    }

private:
    const uint8_t* m_;
    int32_t size_;
};

int32_t ResponseCodeResult(int32_t rcode) {
    static const int32_t kResults[] = {kDnsSuccess,     kDnsFormatError,     kDnsServerFailure,
                                       kDnsNameError,   kDnsNotImplemented,  kDnsRefused,
                                       kDnsNameExists,  kDnsRRsetExists,     kDnsRRsetMissing,
                                       kDnsNotAuthoritative, kDnsNotInZone};
    return rcode < int32_t(sizeof kResults / sizeof kResults[0]) ? kResults[rcode] : kDnsBadResponseCode;
}

// A TXT record's character-strings, each a length byte and its bytes, filling the
// data exactly.
bool ReadText(const Reader& r, int32_t start, int32_t end, String& text) {
    text.Clear();
    for (int32_t p = start; p < end;) {
        int32_t n = *r.At(p);
        if (p + 1 + n > end) return false;
        if (p > start) text.Append(' ');
        text.Append(reinterpret_cast<const char*>(r.At(p + 1)), n);
        p += 1 + n;
    }
    return true;
}

// 0 or the code for record data that does not hold what its type says.
int32_t ReadRecordData(const Reader& r, int32_t start, int32_t end, DNS_Response& record) {
    int32_t p = start;
    switch (record.type) {
        case kDnsTypeA:
            if (end - start < 4) return kDnsInvalidResponse;
            for (int i = 0; i < 4; i++) record.address.bytes[i] = *r.At(start + i);
            return 0;
        case kDnsTypeNS:
        case kDnsTypeCNAME:
        case kDnsTypePTR:
            return r.ReadName(&p, record.name) && p <= end ? 0 : kDnsInvalidResponse;
        case kDnsTypeMX:
            if (end - start < 3) return kDnsInvalidResponse;
            record.preference = Get16(r.At(start));
            p += 2;
            return r.ReadName(&p, record.name) && p <= end ? 0 : kDnsInvalidResponse;
        case kDnsTypeSOA:
            if (!r.ReadName(&p, record.name) || p > end || !r.ReadName(&p, record.mailbox) ||
                p + 20 > end) {
                return kDnsInvalidResponse;
            }
            record.serial = Get32(r.At(p));
            record.refresh = Get32(r.At(p + 4));
            record.retry = Get32(r.At(p + 8));
            record.expire = Get32(r.At(p + 12));
            record.minimum = Get32(r.At(p + 16));
            return 0;
        case kDnsTypeTXT:
            return ReadText(r, start, end, record.text) ? 0 : kDnsBadText;
        default:
            // Other types are kept by type only: their data is not ours to read.
            return 0;
    }
}

}  // namespace

int32_t CheckDnsName(const String& name) {
    if (name.Length() < 4 || name.Length() > 67) return kDnsInvalidDomain;
    String bare = WithoutFinalDot(name);
    int32_t label = 0;
    for (int32_t i = 0; i <= bare.Length(); i++) {
        if (i == bare.Length() || bare[i] == '.') {
            if (label < 1 || label > kMaxLabel) return kDnsInvalidDomain;
            label = 0;
        } else {
            label++;
        }
    }
    return 0;
}

bool BuildDnsRequest(uint16_t id, uint16_t type, const String& name, String& request) {
    if (CheckDnsName(name) != 0) return false;
    request.Clear();
    Put16(request, id);
    Put16(request, 0x0100);  // standard query, recursion desired
    Put16(request, 1);
    for (int i = 0; i < 3; i++) Put16(request, 0);
    String bare = WithoutFinalDot(name);
    for (int32_t start = 0; start <= bare.Length();) {
        int32_t dot = bare.Find('.', start);
        if (dot < 0) dot = bare.Length();
        request.Append(char(dot - start));
        request.Append(bare.c_str() + start, dot - start);
        start = dot + 1;
    }
    request.Append('\0');
    Put16(request, type);
    Put16(request, 1);  // class IN
    return true;
}

uint16_t DnsMessageId(const String& message) {
    return message.Length() >= 2 ? Get16(reinterpret_cast<const uint8_t*>(message.c_str())) : 0;
}

bool DnsIsReplyTo(const String& message, uint16_t id) {
    return message.Length() >= kHeaderSize && (uint8_t(message[2]) & 0x80) != 0 &&
           DnsMessageId(message) == id;
}

bool DnsIsTruncated(const String& message) {
    return message.Length() >= kHeaderSize && (uint8_t(message[2]) & 0x02) != 0;
}

int32_t ParseDnsReply(const String& reply, const String& name, std::vector<DNS_Response>& records) {
    records.clear();
    Reader r(reply);
    if (r.Size() < kHeaderSize) return kDnsInvalidResponse;
    int32_t code = ResponseCodeResult(Get16(r.At(2)) & 0x000F);
    if (code != 0) return code;
    int32_t questions = Get16(r.At(4));
    int32_t answers = Get16(r.At(6));
    if (questions > kMaxCount) return kDnsBadQuestionCount;
    int32_t pos = kHeaderSize;
    String asked = WithoutFinalDot(name);
    for (int32_t i = 0; i < questions; i++) {
        String questionName;
        if (!r.ReadName(&pos, questionName) || pos + 4 > r.Size()) return kDnsInvalidResponse;
        if (i == 0 && questionName.Compare(asked) != 0) return kDnsDifferentDomain;
        pos += 4;
    }
    if (answers == 0) return kDnsNoInformation;
    if (answers > kMaxCount) return kDnsBadAnswerCount;
    for (int32_t i = 0; i < answers && int32_t(records.size()) < kDnsMaxRecords; i++) {
        String owner;
        if (!r.ReadName(&pos, owner) || pos + 10 > r.Size()) return kDnsInvalidResponse;
        DNS_Response record;
        record.type = Get16(r.At(pos));
        int32_t length = Get16(r.At(pos + 8));
        int32_t start = pos + 10;
        if (length == 0 || start + length > r.Size()) return kDnsInvalidResponse;
        code = ReadRecordData(r, start, start + length, record);
        if (code != 0) return code;
        records.push_back(record);
        pos = start + length;
    }
    return records.empty() ? kDnsNoInformation : kDnsSuccess;
}
