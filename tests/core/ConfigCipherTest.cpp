#include <gtest/gtest.h>

#include "core/Cipher.h"

namespace {

TEST(ConfigCipher, XteaMatchesThePublishedVector) {
    const uint32_t key[4] = {0x00010203, 0x04050607, 0x08090A0B, 0x0C0D0E0F};
    uint32_t block[2] = {0x41424344, 0x45464748};
    XteaEncipher(block, key);
    EXPECT_EQ(block[0], 0x497DF3D0u);
    EXPECT_EQ(block[1], 0x72612CB5u);
}

TEST(ConfigCipher, RoundTripsAnyBytesAndHidesThem) {
    String samples[] = {String(), String("hunter2"), String("a much longer password, past one block"),
                        String("\0\x01\xFF zero and high bytes", 23)};
    for (const String& plain : samples) {
        String stored = EncipherSetting(plain);
        EXPECT_TRUE(IsEnciphered(stored));
        EXPECT_EQ(stored.Left(5), kCipherMarker);
        if (plain.Length() >= 4) {
            EXPECT_LT(stored.Find(plain.c_str()), 0);
        }
        // Hexadecimal digits only behind the marker: nothing the INI reader alters.
        EXPECT_EQ(stored.Mid(5).FindFirstNotOf("0123456789ABCDEF"), -1);
        String back;
        ASSERT_TRUE(DecipherSetting(stored, back));
        EXPECT_TRUE(back == plain);
    }
}

TEST(ConfigCipher, EachValueGetsItsOwnNonce) {
    EXPECT_NE(EncipherSetting("same"), EncipherSetting("same"));
}

TEST(ConfigCipher, UnmarkedValuesPassAndDamagedOnesFail) {
    String plain;
    EXPECT_TRUE(DecipherSetting("typed by hand", plain));
    EXPECT_EQ(plain, "typed by hand");
    String stored = EncipherSetting("secret");
    plain = "kept";
    EXPECT_FALSE(DecipherSetting(stored.Left(stored.Length() - 1), plain));
    EXPECT_FALSE(DecipherSetting(stored.Left(9), plain));
    String bad = stored;
    bad.SetAt(10, 'Z');
    EXPECT_FALSE(DecipherSetting(bad, plain));
    EXPECT_EQ(plain, "kept");
}

}  // namespace
