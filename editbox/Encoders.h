// Encoders and decoders of the "Convert encoding" tools, also used by the mail client
// for message bodies and headers. Text is bytes of ISO 8859-1: byte b is code point b.
//
// Every routine rewrites the text in place and returns true on success. When memory
// runs out, or a decoder named as failing meets malformed input, it returns false
// and the text is left as it was.
#pragma once

#include <cstdint>

#include "core/String.h"

// With lineBreaks a CR LF follows every 72 characters, as mail bodies want.
bool Base64Encode(String& text, bool lineBreaks = false);
// Characters outside the alphabet are skipped; '=' ends the data.
bool Base64Decode(String& text);

// Header mode also escapes CR, LF, '?' and '_' and never breaks lines.
bool QuotedPrintableEncode(String& text, bool headerMode = false);
bool QuotedPrintableDecode(String& text);

bool Utf8Encode(String& text);
// Fails on a continuation byte where a sequence should start or on a lead byte of
// more than three continuations (the text is then unchanged). A sequence that is cut
// short also fails, but the rest is still decoded and the text holds that result with
// the broken sequence kept byte for byte: the MIME header decoder wants it.
bool Utf8Decode(String& text);

bool Utf7Encode(String& text);
bool Utf7Decode(String& text);

// Lines of at most 45 bytes, CR LF between them, no "begin"/"end" lines.
bool UuEncode(String& text);
// Fails when a line does not end right after its groups.
bool UuDecode(String& text);

bool HexEncode(String& text);
// Fails on an odd length or a character that is not a hex digit.
bool HexDecode(String& text);

bool UrlEncode(String& text, bool keepSlash = false);
bool UrlDecode(String& text);

// HtmlEncode options.
constexpr int kHtmlKeepQuotes = 0x1;         // '"' stays itself
constexpr int kHtmlKeepHighBytes = 0x2;      // bytes 128-255 stay themselves
constexpr int kHtmlLineBreaks = 0x20;        // every line break becomes "<br>\r\n"
constexpr int kHtmlKeepSentenceGap = 0x80;   // ".  " becomes ".&nbsp; "
bool HtmlEncode(String& text, int options = 0);
bool HtmlDecode(String& text);

// Decodes every "=?charset?B|Q?...?=" word; text between the words stays. The charset
// of the last decoded word goes to charsetOut when one is given (empty without words).
bool MimeHeaderDecode(String& text, String* charsetOut = nullptr);
// "=?charset?B?...?=" or "=?charset?Q?...?="; a text that already holds "=?" stays.
bool MimeHeaderEncode(String& text, bool useBase64, const char* charset);

// The HTML entity of a byte ("lt", "eacute"), or null.
const char* HtmlEntityName(uint8_t byte);
// The byte of an entity name (case matters), or -1.
int HtmlEntityByte(const char* name, int32_t length);

// The byte that stands for a code point: the point itself up to 255, an ASCII
// look-alike for the punctuation, spaces and letter-like symbols above, else a space.
char ByteForCodePoint(uint32_t codePoint);
// Charset names of MIME words; case does not matter.
bool IsUtf7Charset(const char* name, int32_t length);
bool IsUtf8Charset(const char* name, int32_t length);
