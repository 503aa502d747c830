#include "platform/afx/COleVariant.h"
#include "platform/com/SafeArray.h"
#include "platform/win/HResult.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string Text(BSTR b) { return std::u16string(BstrView(b)); }

TEST(OleExceptions, StatusCodesAndTheirTexts) {
  COleException e;
  e.m_sc = E_POINTER;
  char text[256];
  EXPECT_TRUE(e.GetErrorMessage(text, sizeof text));
  EXPECT_EQ(std::string(text), "Invalid pointer\r\n");
  e.m_sc = static_cast<SCODE>(0x8BAD0001u);  // no system text
  EXPECT_FALSE(e.GetErrorMessage(text, sizeof text));
  EXPECT_STREQ(text, "");

  try {
    AfxThrowOleException(E_NOINTERFACE);
  } catch (COleException* thrown) {
    EXPECT_EQ(thrown->m_sc, E_NOINTERFACE);
    EXPECT_EQ(COleException::Process(thrown), E_NOINTERFACE);
    thrown->Delete();
  }
  CMemoryException memory(FALSE);
  CNotSupportedException notSupported(FALSE);
  CUserException user(FALSE);
  EXPECT_EQ(COleException::Process(&memory), E_OUTOFMEMORY);
  EXPECT_EQ(COleException::Process(&notSupported), E_NOTIMPL);
  EXPECT_EQ(COleException::Process(&user), E_UNEXPECTED);

  EXPECT_NO_THROW(AfxCheckError(S_FALSE));
  EXPECT_THROW(AfxCheckError(E_OUTOFMEMORY), CMemoryException*);
  try {
    AfxCheckError(E_FAIL);
  } catch (COleException* thrown) {
    EXPECT_EQ(thrown->m_sc, E_FAIL);
    thrown->Delete();
  }
}

TEST(OleExceptions, DispatchExceptionCarriesTheObjectsError) {
  try {
    AfxThrowOleDispatchException(7, "Value out of range", 12);
  } catch (COleDispatchException* e) {
    EXPECT_EQ(e->m_wCode, 7);
    EXPECT_EQ(e->m_dwHelpContext, 12u);
    EXPECT_EQ(e->m_scError, 0);
    char text[64];
    UINT help = 0;
    EXPECT_TRUE(e->GetErrorMessage(text, sizeof text, &help));
    EXPECT_STREQ(text, "Value out of range");
    EXPECT_EQ(help, 12u);
    e->Delete();
  }
  COleDispatchException empty(nullptr, 0, 1);
  char text[8];
  EXPECT_FALSE(empty.GetErrorMessage(text, sizeof text));
}

TEST(COleVariant, BuiltFromTheFrameworksValues) {
  COleVariant empty;
  EXPECT_EQ(empty.vt, VT_EMPTY);
  COleVariant text("caf\xc3\xa9");
  EXPECT_EQ(text.vt, VT_BSTR);
  EXPECT_EQ(Text(text.bstrVal), u"caf\u00e9");
  COleVariant ansi("ab", VT_BSTRT);
  EXPECT_EQ(ansi.vt, VT_BSTR);
  EXPECT_EQ(SysStringByteLen(ansi.bstrVal), 2u);  // the bytes as they are
  EXPECT_EQ(COleVariant(CString("x")).vt, VT_BSTR);
  EXPECT_EQ(COleVariant(static_cast<LPCSTR>(nullptr)).vt, VT_EMPTY);

  const COleVariant byte(static_cast<BYTE>(200));
  EXPECT_EQ(byte.vt, VT_UI1);
  EXPECT_EQ(byte.bVal, 200);
  const COleVariant boolean(static_cast<SHORT>(5), VT_BOOL);
  EXPECT_EQ(boolean.vt, VT_BOOL);
  EXPECT_EQ(boolean.boolVal, VARIANT_TRUE);
  const COleVariant error(static_cast<LONG>(E_FAIL), VT_ERROR);
  EXPECT_EQ(error.vt, VT_ERROR);
  EXPECT_EQ(error.scode, E_FAIL);
  EXPECT_EQ(COleVariant(static_cast<LONG>(-9)).lVal, -9);
  EXPECT_EQ(COleVariant(2.5f).vt, VT_R4);
  EXPECT_EQ(COleVariant(2.5).dblVal, 2.5);
  const COleVariant money(COleCurrency(3, 2500));
  EXPECT_EQ(money.vt, VT_CY);
  EXPECT_EQ(money.cyVal.int64, 32500);
  const COleVariant when(COleDateTime(2.5));
  EXPECT_EQ(when.vt, VT_DATE);
  EXPECT_EQ(when.date, 2.5);

  CByteArray bytes;
  bytes.Add(1);
  bytes.Add(2);
  const COleVariant array(bytes);
  EXPECT_EQ(array.vt, VT_ARRAY | VT_UI1);
  ASSERT_NE(array.parray, nullptr);
  EXPECT_EQ(array.parray->rgsabound[0].cElements, 2u);
  EXPECT_EQ(array.parray->rgsabound[0].lLbound, 0);
  EXPECT_EQ(static_cast<const BYTE*>(array.parray->pvData)[1], 2);
}

TEST(COleVariant, CopiesOwnTheirContents) {
  COleVariant a("first");
  COleVariant b(a);
  EXPECT_NE(a.bstrVal, b.bstrVal);  // a copy of the text, not the same BSTR
  b = "second";
  EXPECT_EQ(Text(a.bstrVal), u"first");
  EXPECT_EQ(Text(b.bstrVal), u"second");
  b = a;
  EXPECT_EQ(Text(b.bstrVal), u"first");
  b = b;
  EXPECT_EQ(Text(b.bstrVal), u"first");
  b = 4.0;
  EXPECT_EQ(b.vt, VT_R8);

  COleVariant number(static_cast<LONG>(42));
  number.ChangeType(VT_BSTR);
  EXPECT_EQ(Text(number.bstrVal), u"42");
  COleVariant notNumber("abc");
  try {
    notNumber.ChangeType(VT_R8);
    FAIL() << "no exception";
  } catch (COleException* e) {
    EXPECT_EQ(e->m_sc, DISP_E_TYPEMISMATCH);
    e->Delete();
  }

  VARIANT raw = a.Detach();
  EXPECT_EQ(a.vt, VT_EMPTY);
  COleVariant owner;
  owner.Attach(raw);
  EXPECT_EQ(raw.vt, VT_EMPTY);
  EXPECT_EQ(Text(owner.bstrVal), u"first");
  owner.Clear();
  EXPECT_EQ(owner.vt, VT_EMPTY);
}

struct DateRow {
  DATE date;
  DWORD flags;
  const char* expected;
};

TEST(COleDateTime, FormatsThePlatformsDefaultText) {
  const DateRow rows[] = {
      {0.0, 0, "12:00:00 AM"},
      {2.5, 0, "1/1/1900 12:00:00 PM"},
      {46000.0, 0, "12/9/2025"},
      {46000.75, VAR_TIMEVALUEONLY, "6:00:00 PM"},
      {46000.75, VAR_DATEVALUEONLY, "12/9/2025"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(COleDateTime(row.date).Format(row.flags), row.expected) << row.date;
  EXPECT_EQ(COleDateTime(3e6).GetStatus(), COleDateTime::invalid);
  EXPECT_EQ(COleDateTime(3e6).Format(), "Invalid DateTime");
  COleDateTime none;
  none.SetStatus(COleDateTime::null);
  EXPECT_EQ(none.Format(), "");
}

TEST(CString, AllocSysStringMakesUtf16) {
  BSTR b = CString("\xc3\xa9t\xc3\xa9").AllocSysString();
  EXPECT_EQ(Text(b), u"\u00e9t\u00e9");
  SysFreeString(b);
  BSTR empty = CString().AllocSysString();
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(SysStringLen(empty), 0u);
  SysFreeString(empty);
}

}  // namespace
