#include "platform/afx/Exception.h"
#include "platform/afx/String.h"

#include <gtest/gtest.h>

namespace {

TEST(CString, ConstructionAndConversion) {
  EXPECT_EQ(CString(static_cast<LPCSTR>(nullptr)), "");
  EXPECT_EQ(CString("abcdef", 3), "abc");
  EXPECT_EQ(CString('x', 3), "xxx");
  EXPECT_EQ(CString(u"caf\u00e9"), "caf\xc3\xa9");
  EXPECT_EQ(CString(L"\u00e9"), "\xc3\xa9");
  EXPECT_EQ(CString(u"abc", 2), "ab");
  CString s = "text";
  EXPECT_STREQ(static_cast<LPCSTR>(s), "text");
  EXPECT_EQ(s.GetLength(), 4);
  EXPECT_FALSE(s.IsEmpty());
  s.Empty();
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CString, ElementAccessIsChecked) {
  CString s = "ab";
  EXPECT_EQ(s.GetAt(1), 'b');
  EXPECT_EQ(s[2], '\0');  // the terminator may be read
  s.SetAt(0, 'z');
  EXPECT_EQ(s, "zb");
  EXPECT_THROW(s.GetAt(3), CInvalidArgException*);
  EXPECT_THROW(s.GetAt(-1), CInvalidArgException*);
  EXPECT_THROW(s.SetAt(2, 'q'), CInvalidArgException*);
}

struct ExtractRow {
  const char* name;
  CString (*op)(const CString&);
  const char* expected;
};

TEST(CString, ExtractionClipsItsArguments) {
  const CString s = "Hello";
  const ExtractRow rows[] = {
      {"Left 2", [](const CString& t) { return t.Left(2); }, "He"},
      {"Left past end", [](const CString& t) { return t.Left(9); }, "Hello"},
      {"Left negative", [](const CString& t) { return t.Left(-1); }, ""},
      {"Right 3", [](const CString& t) { return t.Right(3); }, "llo"},
      {"Right past start", [](const CString& t) { return t.Right(10); }, "Hello"},
      {"Mid 1", [](const CString& t) { return t.Mid(1); }, "ello"},
      {"Mid 1,2", [](const CString& t) { return t.Mid(1, 2); }, "el"},
      {"Mid past end", [](const CString& t) { return t.Mid(7, 2); }, ""},
      {"Mid negative first", [](const CString& t) { return t.Mid(-2, 2); }, "He"},
      {"Mid long count", [](const CString& t) { return t.Mid(3, 100); }, "lo"},
      {"SpanIncluding", [](const CString& t) { return t.SpanIncluding("eHl"); }, "Hell"},
      {"SpanExcluding", [](const CString& t) { return t.SpanExcluding("lo"); }, "He"},
  };
  for (const auto& row : rows) EXPECT_EQ(row.op(s), row.expected) << row.name;
}

TEST(CString, SearchAndReplace) {
  CString s = "a,b,,c";
  EXPECT_EQ(s.Find(','), 1);
  EXPECT_EQ(s.Find(',', 2), 3);
  EXPECT_EQ(s.Find(',', 99), -1);
  EXPECT_EQ(s.Find(",,"), 3);
  EXPECT_EQ(s.Find("x"), -1);
  EXPECT_EQ(s.ReverseFind(','), 4);
  EXPECT_EQ(s.ReverseFind('z'), -1);
  EXPECT_EQ(s.FindOneOf("cb"), 2);
  EXPECT_EQ(s.Replace(",", ";;"), 3);
  EXPECT_EQ(s, "a;;b;;;;c");
  EXPECT_EQ(s.Replace("", "x"), 0);
  EXPECT_EQ(s.Replace(';', '-'), 6);
  EXPECT_EQ(s.Remove('-'), 6);
  EXPECT_EQ(s, "abc");
  EXPECT_EQ(s.Insert(1, "XY"), 5);
  EXPECT_EQ(s.Insert(99, '!'), 6);
  EXPECT_EQ(s, "aXYbc!");
  EXPECT_EQ(s.Delete(1, 2), 4);
  EXPECT_EQ(s.Delete(3, 10), 3);
  EXPECT_EQ(s, "abc");
}

TEST(CString, TrimCaseAndCompare) {
  CString s = " \t value \r\n";
  EXPECT_EQ(s.Trim(), "value");
  CString t = "xxabcxx";
  EXPECT_EQ(t.TrimLeft('x'), "abcxx");
  EXPECT_EQ(t.TrimRight("x"), "abc");
  CString all = "   ";
  EXPECT_EQ(all.TrimLeft(), "");
  CString mixed = "Ab\xc3\xa9z";
  EXPECT_EQ(mixed.MakeUpper(), "AB\xc3\xa9Z");
  EXPECT_EQ(mixed.MakeLower(), "ab\xc3\xa9z");
  EXPECT_EQ(CString("abc").Compare("abd"), -1);
  EXPECT_EQ(CString("abc").Compare("abc"), 0);
  EXPECT_EQ(CString("b").Compare("abc"), 1);
  EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
  EXPECT_LT(CString("ABC").CompareNoCase("abd"), 0);
  EXPECT_TRUE(CString("a") < CString("b"));
  EXPECT_TRUE("a" == CString("a"));
  EXPECT_TRUE(CString("a") != "b");
  EXPECT_EQ(CString("abc").MakeReverse(), "cba");
}

TEST(CString, ConcatenationAndFormat) {
  CString s = "x";
  s += "y";
  s += 'z';
  s += CString("!");
  EXPECT_EQ(s, "xyz!");
  EXPECT_EQ("<" + s + ">", "<xyz!>");
  EXPECT_EQ(s + '.', "xyz!.");

  CString f;
  f.Format("%d:%s:%0.5f:%e", 7, "seven", -0.5, 1.0 / 4096);
  EXPECT_EQ(f, "7:seven:-0.50000:2.441406e-004");
  f.AppendFormat("|%ld", static_cast<LONG>(-1));
  EXPECT_EQ(f, "7:seven:-0.50000:2.441406e-004|-1");
  f.Format("%s", f.GetString());  // formatting from itself
  EXPECT_EQ(f, "7:seven:-0.50000:2.441406e-004|-1");
}

TEST(CString, BufferAccess) {
  CString s = "abc";
  char* p = s.GetBuffer(10);
  std::snprintf(p, 11, "%s", "0123456789");
  s.ReleaseBuffer();
  EXPECT_EQ(s, "0123456789");
  p = s.GetBuffer(0);
  p[2] = '\0';
  s.ReleaseBuffer();
  EXPECT_EQ(s, "01");
  p = s.GetBufferSetLength(4);
  p[2] = 'x';
  p[3] = 'y';
  s.ReleaseBuffer(4);
  EXPECT_EQ(s, "01xy");
  s.GetBuffer(8);
  s.ReleaseBuffer(3);
  EXPECT_EQ(s, "01x");
  EXPECT_THROW(s.ReleaseBuffer(100), CInvalidArgException*);
}

TEST(CString, LoadStringUsesTheInstalledLoader) {
  CString s = "kept";
  EXPECT_FALSE(s.LoadString(7));
  EXPECT_EQ(s, "kept");
  const AfxStringLoader previous = AfxSetStringLoader([](UINT id, CString& text) -> BOOL {
    if (id != 7) return FALSE;
    text = "seven";
    return TRUE;
  });
  EXPECT_TRUE(s.LoadString(7));
  EXPECT_EQ(s, "seven");
  EXPECT_FALSE(s.LoadString(8));
  AfxSetStringLoader(previous);
}

}  // namespace
