// The encoders against independent implementations on the build machine: coreutils
// base64, sharutils uuencode/uudecode and python3's quopri, binascii and urllib. The
// cross-built tests leave this file out (Wine cannot start Linux tools); natively a
// missing tool fails the test, since scripts/deps installs every one of them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

#include "core/String.h"
#include "editbox/Encoders.h"

namespace {

String Str(const std::string& s) { return String(s.data(), int32_t(s.size())); }
std::string Std(const String& s) { return std::string(s.c_str(), size_t(s.Length())); }

std::string Encoded(bool (*codec)(String&), const std::string& data) {
    String s = Str(data);
    EXPECT_TRUE(codec(s));
    return Std(s);
}

// Runs a shell command and returns its exit status, or -1 when it could not start.
int Shell(const std::string& command, std::string* output = nullptr) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    std::string text;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, got);
    if (output) *output = text;
    return pclose(pipe);
}

bool ToolRuns(const std::string& probe, const std::string& expected) {
    std::string output;
    return Shell(probe + " 2>&1", &output) == 0 && output.find(expected) != std::string::npos;
}

// Debian's own interpreter first: a version manager's shim on PATH can take a second
// to start, and these tests start it a dozen times.
const std::string& Python3() {
    static const std::string command = ToolRuns("/usr/bin/python3 --version", "Python 3") ? "/usr/bin/python3"
                                       : ToolRuns("python3 --version", "Python 3")         ? "python3"
                                                                                            : "";
    return command;
}

constexpr const char* kMissing = "not installed (scripts/deps installs it): ";

class EncodersInteropTest : public testing::Test {
protected:
    void SetUp() override {
        std::random_device device;
        base_ = testing::TempDir() + "nivora_interop_" + std::to_string(device()) + "_";
    }

    void TearDown() override {
        std::remove((base_ + "in").c_str());
        std::remove((base_ + "out").c_str());
    }

    // Feeds the bytes to a shell command and returns what it wrote.
    std::string Filter(const std::string& command, const std::string& input) {
        std::ofstream(base_ + "in", std::ios::binary).write(input.data(), std::streamsize(input.size()));
        int status = Shell(command + " < '" + base_ + "in' > '" + base_ + "out'");
        EXPECT_EQ(status, 0) << command;
        std::ifstream in(base_ + "out", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string Python(const std::string& program, const std::string& input) {
        return Filter(Python3() + " -c \"import sys, base64, quopri, binascii, urllib.parse; "
                      "data = sys.stdin.buffer.read(); sys.stdout.buffer.write(" +
                          program + ")\"",
                      input);
    }

    std::string base_;
};

std::string RandomBytes(uint32_t seed, size_t length) {
    std::mt19937 rng(seed);
    std::string s;
    for (size_t i = 0; i < length; ++i) s += char(rng() % 256);
    return s;
}

// Mail-like text: LF lines of all lengths, some past the line limit, some starting
// with a period or ending in blanks, with high bytes and '=' in them.
std::string RandomText(uint32_t seed, int lines) {
    std::mt19937 rng(seed);
    static const char kAlphabet[] = "abcdefgh =.\t\xE9\xFC\x80-?_";
    std::string s;
    for (int l = 0; l < lines; ++l) {
        size_t length = rng() % 5 == 0 ? rng() % 240 : rng() % 60;
        for (size_t i = 0; i < length; ++i) s += kAlphabet[rng() % (sizeof(kAlphabet) - 1)];
        if (l + 1 < lines) s += '\n';
    }
    return s;
}

}  // namespace

TEST_F(EncodersInteropTest, Base64AgainstCoreutils) {
    if (!ToolRuns("base64 --version", "base64")) FAIL() << kMissing << "coreutils (base64)";
    const std::string data = RandomBytes(1, 10000);
    EXPECT_EQ(Filter("base64 -w0", data), Encoded([](String& s) { return Base64Encode(s); }, data));
    // coreutils wraps at 76, ours at 72: each side reads the other's line breaks.
    EXPECT_EQ(Encoded(Base64Decode, Filter("base64", data)), data);
    // coreutils takes only LF between lines; -i lets it pass over the CRs of mail.
    EXPECT_EQ(Filter("base64 -d -i", Encoded([](String& s) { return Base64Encode(s, true); }, data)), data);
}

TEST_F(EncodersInteropTest, QuotedPrintableAgainstPython) {
    if (Python3().empty()) FAIL() << kMissing << "python3";
    const std::string text = RandomText(2, 400);
    std::string ours = Encoded([](String& s) { return QuotedPrintableEncode(s); }, text);
    EXPECT_EQ(Python("quopri.decodestring(data)", ours), text);
    EXPECT_EQ(Encoded(QuotedPrintableDecode, Python("quopri.encodestring(data)", text)), text);
    std::string header = Encoded([](String& s) { return QuotedPrintableEncode(s, true); }, text);
    EXPECT_EQ(Python("quopri.decodestring(data, header=True)", header), text);
}

TEST_F(EncodersInteropTest, UuencodeAgainstSharutils) {
    if (!ToolRuns("uuencode --version", "uuencode") || !ToolRuns("uudecode --version", "uudecode"))
        FAIL() << kMissing << "sharutils (uuencode, uudecode)";
    const std::string data = RandomBytes(3, 5000);
    std::string lines = Encoded(UuEncode, data);
    EXPECT_EQ(Filter("uudecode -o /dev/stdout", "begin 644 data\n" + lines + "\n`\nend\n"), data);
    // Theirs comes between "begin" and "end" lines; the decoded range starts after
    // "begin" and the zero-count line ends it.
    std::string theirs = Filter("uuencode data", data);
    ASSERT_EQ(theirs.compare(0, 6, "begin "), 0);
    EXPECT_EQ(Encoded(UuDecode, theirs.substr(theirs.find('\n') + 1)), data);
}

TEST_F(EncodersInteropTest, HexAgainstPython) {
    if (Python3().empty()) FAIL() << kMissing << "python3";
    const std::string data = RandomBytes(4, 3000);
    std::string ours = Encoded(HexEncode, data);
    EXPECT_EQ(Python("binascii.hexlify(data).upper()", data), ours);
    EXPECT_EQ(Python("binascii.unhexlify(data)", ours), data);
    EXPECT_EQ(Encoded(HexDecode, Python("binascii.hexlify(data)", data)), data);
}

TEST_F(EncodersInteropTest, UrlAgainstPython) {
    if (Python3().empty()) FAIL() << kMissing << "python3";
    const std::string data = RandomBytes(5, 3000);
    std::string ours = Encoded([](String& s) { return UrlEncode(s); }, data);
    EXPECT_EQ(Python("urllib.parse.unquote_to_bytes(data.decode('ascii'))", ours), data);
    EXPECT_EQ(Encoded(UrlDecode, Python("urllib.parse.quote_from_bytes(data, safe='').encode()", data)),
              data);
    EXPECT_EQ(Encoded(UrlDecode, Python("urllib.parse.quote_plus(data, safe='').encode()", data)), data);
}
