#include <gtest/gtest.h>

#include <cstring>

#include "platform/com/Bstr.h"

TEST(Bstr, KeepsItsLengthPrefixAndTerminator) {
  BSTR text = SysAllocString(u"Volt");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(SysStringLen(text), 4u);
  EXPECT_EQ(SysStringByteLen(text), 8u);
  std::uint32_t prefix;
  std::memcpy(&prefix, reinterpret_cast<char*>(text) - 4, 4);
  EXPECT_EQ(prefix, 8u);  // bytes, not characters
  EXPECT_EQ(text[4], 0);
  SysFreeString(text);
}

TEST(Bstr, EmbeddedZerosAndNullText) {
  const OLECHAR withZero[] = {u'a', 0, u'b'};
  BSTR text = SysAllocStringLen(withZero, 3);
  EXPECT_EQ(SysStringLen(text), 3u);
  EXPECT_EQ(BstrView(text), std::u16string_view(withZero, 3));
  SysFreeString(text);

  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  SysFreeString(nullptr);  // allowed

  BSTR empty = SysAllocString(u"");
  ASSERT_NE(empty, nullptr);  // an empty text is not NULL
  EXPECT_EQ(SysStringLen(empty), 0u);
  SysFreeString(empty);

  BSTR room = SysAllocStringLen(nullptr, 5);
  EXPECT_EQ(SysStringLen(room), 5u);
  EXPECT_EQ(room[5], 0);
  SysFreeString(room);
}

TEST(Bstr, ByteLengthsMayBeOdd) {
  BSTR bytes = SysAllocStringByteLen("abc", 3);
  EXPECT_EQ(SysStringByteLen(bytes), 3u);
  EXPECT_EQ(SysStringLen(bytes), 1u);
  EXPECT_EQ(std::memcmp(bytes, "abc", 3), 0);
  EXPECT_EQ(reinterpret_cast<char*>(bytes)[3], 0);
  SysFreeString(bytes);
}

TEST(Bstr, ReallocationAndUtf8RoundTripOutsideTheBmp) {
  BSTR text = SysAllocString(u"old");
  ASSERT_TRUE(SysReAllocString(&text, u"newer"));
  EXPECT_EQ(BstrView(text), u"newer");
  ASSERT_TRUE(SysReAllocStringLen(&text, text + 1, 3));  // from its own characters
  EXPECT_EQ(BstrView(text), u"ewe");
  SysFreeString(text);

  BSTR wave = SysAllocStringFromUtf8("\xE6\xB3\xA2\xF0\x9D\x84\x9E");  // U+6CE2, U+1D11E
  EXPECT_EQ(BstrView(wave), u"\u6CE2\U0001D11E");
  EXPECT_EQ(SysStringLen(wave), 3u);  // one surrogate pair
  SysFreeString(wave);
}
