#include <gtest/gtest.h>

#include <cstring>

#include "platform/com/CodePage.h"
#include "platform/win/HResult.h"
#include "platform/win/LastError.h"

TEST(CodePage, AnsiIsUtf8BothWays) {
  const char* text = "Wave \xCE\xA9 \xF0\x9F\x8E\xB5";  // Omega and U+1F3B5
  const int needed = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  ASSERT_EQ(needed, 10);  // 6 + 1 + 1 + 2 (a surrogate pair) units, terminator included
  std::u16string wide(needed, u'\0');
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), needed), needed);
  EXPECT_EQ(wide, std::u16string(u"Wave \u03A9 \U0001F3B5", 10));

  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string back(bytes, '\0');
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, back.data(), bytes, nullptr, nullptr),
            bytes);
  EXPECT_EQ(back, std::string(text, std::strlen(text) + 1));
  EXPECT_EQ(GetACP(), CP_UTF8);
}

TEST(CodePage, ErrorsAndReplacement) {
  OLECHAR small[2];
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", 3, small, 2), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(MultiByteToWideChar(1252, 0, "abc", 3, small, 2), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

  const char broken[] = {'a', static_cast<char>(0xC3), 'b', static_cast<char>(0xE2),
                         static_cast<char>(0x82)};
  EXPECT_EQ(WideFromUtf8(std::string_view(broken, 5)), u"a\uFFFDb\uFFFD\uFFFD");
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, broken, 5, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
  // Overlong forms and encoded surrogates are not characters.
  EXPECT_EQ(WideFromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");
  EXPECT_EQ(WideFromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");

  const char16_t lone[] = {u'x', 0xD800, u'y'};
  EXPECT_EQ(Utf8FromWide(std::u16string_view(lone, 3)), "x\xEF\xBF\xBDy");
  EXPECT_EQ(
      WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone, 3, nullptr, 0, nullptr, nullptr), 0);
  BOOL usedDefault = FALSE;
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, lone, 3, nullptr, 0, nullptr, &usedDefault), 0);
}
