#include "containers/CSgTextStream.h"
#include "containers/CSgVariant.h"
#include "platform/com/Bstr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using SG::CSgVariant;

CSgVariant Of(VARTYPE vt, LONGLONG bits) {
  VARIANT v;
  VariantInit(&v);
  v.vt = vt;
  v.llVal = bits;
  return CSgVariant(v);
}
CSgVariant Real(double d) { return CSgVariant(d); }
CSgVariant Text(const char* text) { return CSgVariant(text); }

TEST(Variant, ConstructorsMakeTheirTypes) {
  EXPECT_EQ(CSgVariant().vt, VT_EMPTY);
  EXPECT_EQ(CSgVariant(true).vt, VT_BOOL);
  EXPECT_EQ(CSgVariant(true).boolVal, VARIANT_TRUE);
  EXPECT_EQ(CSgVariant(false).boolVal, VARIANT_FALSE);
  EXPECT_EQ(CSgVariant(5).vt, VT_I4);
  EXPECT_EQ(CSgVariant(static_cast<short>(5)).vt, VT_I2);
  EXPECT_EQ(CSgVariant(static_cast<BYTE>(5)).vt, VT_UI1);
  EXPECT_EQ(CSgVariant(1.5f).vt, VT_R4);
  EXPECT_EQ(CSgVariant(1.5).vt, VT_R8);
  EXPECT_EQ(CSgVariant(CString("x")).vt, VT_BSTR);
  const CSgVariant original("abc");
  CSgVariant copy(original);
  EXPECT_NE(copy.bstrVal, original.bstrVal);  // a deep copy
  EXPECT_STREQ(static_cast<CString>(copy), "abc");
  const VARIANT* raw = &original;
  EXPECT_STREQ(static_cast<CString>(CSgVariant(raw)), "abc");
}

TEST(Variant, NumericConversionTable) {
  struct Row {
    const char* name;
    CSgVariant value;
    double asDouble;
    short asShort;
    LONG asLong;
    bool asBool;
  };
  const Row rows[] = {
      {"bool true", CSgVariant(true), 1, 1, 1, true},
      {"bool false", CSgVariant(false), 0, 0, 0, false},
      {"text 12.5", Text("12.5"), 12.5, 12, 12, true},
      {"text abc", Text("abc"), 0, 0, 0, false},
      {"UI4 max", Of(VT_UI4, 0xFFFFFFFFll), 4294967295.0, -1, -1, true},
      {"R8 -2.7", Real(-2.7), -2.7, -2, -2, true},
      {"I1 -3", Of(VT_I1, 0xFD), -3, -3, -3, true},
      {"UI1 200", Of(VT_UI1, 200), 200, 200, 200, true},
      {"I2 -5", Of(VT_I2, 0xFFFB), -5, -5, -5, true},
      {"UI2 65535", Of(VT_UI2, 65535), 65535, -1, 65535, true},
      {"empty", CSgVariant(), 0, 0, 0, false},
      {"null", Of(VT_NULL, 0), 0, 0, 0, false},
      {"date", Of(VT_DATE, 0), 0, 0, 0, false},
      {"R8 NaN", Real(std::nan("")), std::nan(""), 0, 0, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const double d = row.value;
    if (std::isnan(row.asDouble))
      EXPECT_TRUE(std::isnan(d));
    else
      EXPECT_EQ(d, row.asDouble);
    EXPECT_EQ(static_cast<short>(row.value), row.asShort);
    EXPECT_EQ(static_cast<LONG>(row.value), row.asLong);
    EXPECT_EQ(static_cast<bool>(row.value), row.asBool);
  }
  EXPECT_EQ(static_cast<float>(Text("2.5")), 2.5f);
  EXPECT_EQ(static_cast<short>(Text("0x10")), 16);  // "%hi" reads any base
  EXPECT_EQ(static_cast<LONG>(Text("010")), 8);
  EXPECT_EQ(static_cast<unsigned short>(Of(VT_I4, -1)), 65535);
  EXPECT_EQ(static_cast<char>(Text("Ab")), 'A');  // "%c": the first character
  EXPECT_EQ(static_cast<unsigned char>(Of(VT_R8 | 0, 0)), 0);
  EXPECT_EQ(static_cast<char>(CSgVariant(65)), 'A');
}

TEST(Variant, ByReferenceValuesAreRead) {
  double value = 3.5;
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_R8 | VT_BYREF;
  v.pdblVal = &value;
  const CSgVariant ref(&v);
  EXPECT_EQ(static_cast<double>(ref), 3.5);
  EXPECT_EQ(static_cast<short>(ref), 3);
  EXPECT_STREQ(static_cast<CString>(ref), "3.5");
}

TEST(Variant, TextConversionTable) {
  const struct {
    const char* name;
    CSgVariant value;
    const char* text;
  } rows[] = {
      {"I2", Of(VT_I2, 0xFFFB), "-5"},
      {"I4", CSgVariant(-70000), "-70000"},
      {"R4", CSgVariant(0.25f), "0.25"},
      {"R8", Real(1e10), "1e+010"},
      {"I1", Of(VT_I1, 65), "A"},
      {"UI1", Of(VT_UI1, 66), "B"},
      {"UI2", Of(VT_UI2, 65535), "65535"},
      {"UI4", Of(VT_UI4, 0xFFFFFFFFll), "4294967295"},
      {"BSTR", Text("h\xC3\xA9"), "h\xC3\xA9"},
      {"bool", CSgVariant(true), ""},
      {"empty", CSgVariant(), ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_STREQ(static_cast<CString>(row.value), row.text);
  }
  const SG::CSgTextStream stream = Real(2.5);
  EXPECT_STREQ(stream.GetText(), "2.5");
  EXPECT_EQ(stream.GetPosition(), 0);
}

TEST(Variant, ObjectConversionsAddNoReference) {
  EXPECT_EQ(static_cast<LPUNKNOWN>(CSgVariant(1)), nullptr);
  EXPECT_EQ(static_cast<LPDISPATCH>(CSgVariant(1)), nullptr);
  EXPECT_EQ(Of(VT_ERROR, 0x80004005).ToSCode(), static_cast<SCODE>(0x80004005));
  EXPECT_EQ(CSgVariant(1).ToSCode(), 0);
  const COleDateTime date = Of(VT_DATE, 0);
  EXPECT_EQ(date.GetStatus(), COleDateTime::valid);
  const COleCurrency money = CSgVariant(1);
  EXPECT_EQ(static_cast<CURRENCY>(money).int64, 0);
}

TEST(Variant, CopyToReplacesTheDestination) {
  VARIANT target;
  VariantInit(&target);
  target.vt = VT_BSTR;
  target.bstrVal = SysAllocStringFromUtf8("old");  // freed by CopyTo
  Text("new").CopyTo(&target);
  EXPECT_EQ(target.vt, VT_BSTR);
  EXPECT_EQ(std::u16string(BstrView(target.bstrVal)), u"new");
  VariantClear(&target);
}

}  // namespace
