// Text from outside the program: which encoding it is read in, and its lines.
#include <gtest/gtest.h>

#include <string>

#include "HelpText.h"

namespace {

QString Utf16(const char16_t* text) { return QString::fromUtf16(text); }

TEST(DecodeText, ValidUtf8IsReadAsUtf8WithoutItsByteOrderMark) {
  EXPECT_EQ(DecodeText("plain ASCII\r\n"), "plain ASCII\r\n");
  EXPECT_EQ(DecodeText("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9D\x84\x9E"), Utf16(u"caf\u00E9 \u20AC \U0001D11E"));
  EXPECT_EQ(DecodeText("\xEF\xBB\xBFtitle"), "title");
  EXPECT_EQ(DecodeText(""), "");
}

TEST(DecodeText, AnythingElseIsWindows1252ByteForByte) {
  EXPECT_EQ(DecodeText("caf\xE9 na\xEFve"), Utf16(u"caf\u00E9 na\u00EFve"));
  EXPECT_EQ(DecodeText("\x93quoted\x94 \x80 5\x85"), Utf16(u"\u201Cquoted\u201D \u20AC 5\u2026"));
  // One stray byte makes the whole file single-byte text, valid sequences included.
  EXPECT_EQ(DecodeText("\xC3\xA9 \xE9"), Utf16(u"\u00C3\u00A9 \u00E9"));

  // Near misses of UTF-8: overlong forms, surrogates, past U+10FFFF, cut
  // short, a lone continuation byte, bytes UTF-8 never uses.
  for (const std::string bad : {"\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF", "\xED\xA0\x80",
                                "\xF4\x90\x80\x80", "ab\xC3", "\xE2\x82", "\x80", "\xF8\x88\x80\x80\x80", "\xFF"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    EXPECT_EQ(DecodeText(bad).size(), static_cast<qsizetype>(bad.size())) << bad;
  }
  // The edges that are valid stay UTF-8.
  EXPECT_EQ(DecodeText("\xF4\x8F\xBF\xBF").size(), 2);
  EXPECT_EQ(DecodeText("\xEE\x80\x80"), Utf16(u"\uE000"));

  // Every byte shows as a character of its own, none as a replacement.
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const QString decoded = DecodeText(all);
  ASSERT_EQ(decoded.size(), 256);
  EXPECT_FALSE(decoded.contains(QChar(0xFFFD)));
  for (int b = 0; b < 256; ++b) {
    if (b < 0x80 || b >= 0xA0) {
      EXPECT_EQ(decoded[b].unicode(), b) << b;
    }
  }
  EXPECT_EQ(decoded[0x8A].unicode(), 0x0160);  // Š
  EXPECT_EQ(decoded[0x9F].unicode(), 0x0178);  // Ÿ
  EXPECT_EQ(decoded[0x81].unicode(), 0x0081);  // undefined: kept as it is
}

TEST(SplitLines, BreaksAtCrLfLfAndCrAlike) {
  EXPECT_EQ(SplitLines("one\r\ntwo\nthree\rfour"), QStringList({"one", "two", "three", "four"}));
  // CR CR and LF CR are two breaks each; CR LF is one.
  EXPECT_EQ(SplitLines("a\r\rb\n\rc\r\nd"), QStringList({"a", "", "b", "", "c", "d"}));
  EXPECT_EQ(SplitLines("last\r\n"), QStringList({"last"}));
  EXPECT_EQ(SplitLines("last\r\n\r\n"), QStringList({"last", ""}));
  EXPECT_EQ(SplitLines("\n"), QStringList({""}));
  EXPECT_EQ(SplitLines("no break"), QStringList({"no break"}));
  EXPECT_TRUE(SplitLines("").isEmpty());
}

}  // namespace
