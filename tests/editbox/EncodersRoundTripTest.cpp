#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "core/String.h"
#include "editbox/Encoders.h"
#include "TestStrings.h"

namespace {

using Codec = std::function<bool(String&)>;

// What a codec cannot carry is taken out of its random inputs.
enum Avoid { kAvoidNothing = 0, kAvoidZero = 1, kAvoidEncodedWordStart = 2 };

// Random byte strings of many lengths, weighted toward the bytes that the encoders
// treat specially: line breaks, spaces, '=', '+', '%', '&', '.', high bytes.
std::string RandomBytes(std::mt19937& rng, size_t length, int avoid = kAvoidNothing) {
    static const char kSpecial[] = "\r\n \t=+%&.;?_-#x";
    std::string s;
    for (size_t i = 0; i < length; ++i) {
        char c = rng() % 3 == 0 ? kSpecial[rng() % (sizeof(kSpecial) - 1)] : char(rng() % 256);
        if (c == 0 && (avoid & kAvoidZero)) c = 'z';
        if (c == '?' && i > 0 && s.back() == '=' && (avoid & kAvoidEncodedWordStart)) c = 'q';
        s += c;
    }
    return s;
}

void ExpectRoundTrip(const char* name, const Codec& encode, const Codec& decode,
                     int avoid = kAvoidNothing) {
    std::mt19937 rng(20240607);
    for (int trial = 0; trial < 400; ++trial) {
        size_t length = trial < 300 ? size_t(trial % 100) : size_t(rng() % 5000);
        std::string original = RandomBytes(rng, length, avoid);
        String s = Str(original);
        ASSERT_TRUE(encode(s)) << name;
        ASSERT_TRUE(decode(s)) << name << " of " << Std(s);
        ASSERT_EQ(Std(s), original) << name << " trial " << trial;
    }
}

}  // namespace

TEST(EncodersRoundTripTest, Base64) {
    ExpectRoundTrip("BASE64", [](String& s) { return Base64Encode(s); }, Base64Decode);
    ExpectRoundTrip("BASE64 with breaks", [](String& s) { return Base64Encode(s, true); }, Base64Decode);
}

TEST(EncodersRoundTripTest, QuotedPrintable) {
    ExpectRoundTrip("QP", [](String& s) { return QuotedPrintableEncode(s); }, QuotedPrintableDecode);
    ExpectRoundTrip("QP header", [](String& s) { return QuotedPrintableEncode(s, true); },
                    QuotedPrintableDecode);
}

TEST(EncodersRoundTripTest, QuotedPrintableLinesStayWithinTheLimit) {
    std::mt19937 rng(5);
    for (int trial = 0; trial < 200; ++trial) {
        String s = Str(RandomBytes(rng, 3000));
        ASSERT_TRUE(QuotedPrintableEncode(s));
        std::string encoded = Std(s);
        size_t lineStart = 0;
        for (size_t i = 0; i <= encoded.size(); ++i) {
            if (i == encoded.size() || encoded[i] == '\r' || encoded[i] == '\n') {
                ASSERT_LE(i - lineStart, 76u) << encoded.substr(lineStart, i - lineStart);
                lineStart = i + 1;
            }
        }
    }
}

TEST(EncodersRoundTripTest, Unicode) {
    ExpectRoundTrip("UTF-8", Utf8Encode, Utf8Decode);
    // Zero bytes at the end of a run are indistinguishable from the run's padding.
    ExpectRoundTrip("UTF-7", Utf7Encode, Utf7Decode, kAvoidZero);
}

TEST(EncodersRoundTripTest, UuencodeAndHex) {
    ExpectRoundTrip("UUENCODE", UuEncode, UuDecode);
    ExpectRoundTrip("hex", HexEncode, HexDecode);
}

TEST(EncodersRoundTripTest, Url) {
    ExpectRoundTrip("URL", [](String& s) { return UrlEncode(s); }, UrlDecode);
    ExpectRoundTrip("URL keeping slashes", [](String& s) { return UrlEncode(s, true); }, UrlDecode);
}

TEST(EncodersRoundTripTest, Html) {
    // "&#0;" does not decode: a zero value is no reference.
    for (int options : {0, kHtmlKeepQuotes, kHtmlKeepHighBytes}) {
        ExpectRoundTrip("HTML", [options](String& s) { return HtmlEncode(s, options); }, HtmlDecode,
                        kAvoidZero);
    }
}

TEST(EncodersRoundTripTest, MimeHeaderWords) {
    auto decode = [](String& s) { return MimeHeaderDecode(s); };
    // Text that already holds "=?" is not encoded, and a BASE64 word ends at a zero.
    ExpectRoundTrip("MIME Q", [](String& s) { return MimeHeaderEncode(s, false, "iso-8859-1"); },
                    decode, kAvoidEncodedWordStart);
    ExpectRoundTrip("MIME B", [](String& s) { return MimeHeaderEncode(s, true, "x-user"); }, decode,
                    kAvoidEncodedWordStart | kAvoidZero);
}
