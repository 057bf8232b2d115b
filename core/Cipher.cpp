#include "core/Cipher.h"

#include <cstdint>

#include "platform/Clock.h"

const char* const kCipherMarker = "~cv1~";

namespace {

constexpr int32_t kMarkerLength = 5;
constexpr uint32_t kKey[4] = {0x6E69766Fu, 0x72612D63u, 0x6F727661u, 0x6E652D31u};
constexpr uint32_t kDelta = 0x9E3779B9u;

void EncipherBlock(uint32_t v[2]) {
    XteaEncipher(v, kKey);
}

// Counter mode needs only the forward direction: the same keystream both ways.
void ApplyKeystream(uint32_t nonce, const char* in, char* out, int32_t count) {
    for (int32_t at = 0; at < count; at += 8) {
        uint32_t block[2] = {nonce, uint32_t(at / 8)};
        EncipherBlock(block);
        for (int32_t i = 0; i < 8 && at + i < count; i++) {
            uint8_t key = uint8_t(block[i / 4] >> (8 * (i % 4)));
            out[at + i] = char(uint8_t(in[at + i]) ^ key);
        }
    }
}

uint32_t FreshNonce() {
    static uint32_t serial = 0;
    int local = 0;
    uint32_t block[2] = {TheClock().TickCount() ^ ++serial,
                         uint32_t(reinterpret_cast<uintptr_t>(&local) >> 4) ^ (serial << 16)};
    EncipherBlock(block);
    return block[0] ^ block[1];
}

const char kHex[] = "0123456789ABCDEF";

void AppendHex(String& text, uint8_t byte) {
    text.Append(kHex[byte >> 4]);
    text.Append(kHex[byte & 15]);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool ReadHex(const String& text, int32_t at, uint8_t& byte) {
    int high = HexValue(text[at]), low = HexValue(text[at + 1]);
    if (high < 0 || low < 0) return false;
    byte = uint8_t(high << 4 | low);
    return true;
}

}  // namespace

void XteaEncipher(uint32_t block[2], const uint32_t key[4]) {
    uint32_t v0 = block[0], v1 = block[1], sum = 0;
    for (int i = 0; i < 32; i++) {
        v0 += (((v1 << 4) ^ (v1 >> 5)) + v1) ^ (sum + key[sum & 3]);
        sum += kDelta;
        v1 += (((v0 << 4) ^ (v0 >> 5)) + v0) ^ (sum + key[(sum >> 11) & 3]);
    }
    block[0] = v0, block[1] = v1;
}

bool IsEnciphered(const String& stored) {
    return stored.Left(kMarkerLength) == kCipherMarker;
}

String EncipherSetting(const String& plain) {
    uint32_t nonce = FreshNonce();
    String bytes;
    if (!plain.IsEmpty()) {
        bytes.SetLength(plain.Length());
        ApplyKeystream(nonce, plain.c_str(), bytes.Data(), plain.Length());
    }
    String stored(kCipherMarker);
    for (int shift = 24; shift >= 0; shift -= 8) AppendHex(stored, uint8_t(nonce >> shift));
    for (int32_t i = 0; i < bytes.Length(); i++) AppendHex(stored, uint8_t(bytes[i]));
    return stored;
}

bool DecipherSetting(const String& stored, String& plain) {
    if (!IsEnciphered(stored)) {
        plain = stored;
        return true;
    }
    int32_t digits = stored.Length() - kMarkerLength;
    if (digits < 8 || digits % 2) return false;
    uint32_t nonce = 0;
    for (int32_t i = 0; i < 4; i++) {
        uint8_t byte;
        if (!ReadHex(stored, kMarkerLength + 2 * i, byte)) return false;
        nonce = nonce << 8 | byte;
    }
    int32_t count = (digits - 8) / 2;
    String bytes;
    if (count > 0 && !bytes.SetLength(count)) return false;
    for (int32_t i = 0; i < count; i++) {
        uint8_t byte;
        if (!ReadHex(stored, kMarkerLength + 8 + 2 * i, byte)) return false;
        bytes.SetAt(i, char(byte));
    }
    String result;
    if (count > 0) {
        result.SetLength(count);
        ApplyKeystream(nonce, bytes.c_str(), result.Data(), count);
    }
    plain = result;
    return true;
}
