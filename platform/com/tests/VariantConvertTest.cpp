#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/com/CodePage.h"
#include "platform/com/tests/FakeObjects.h"

namespace {

// A source value written compactly: its tag and the value as double or text.
struct Source {
  VARTYPE vt;
  double number;
  const char* text = nullptr;
};

VARIANT Build(const Source& s) {
  VARIANT v;
  VariantInit(&v);
  v.vt = s.vt;
  switch (s.vt) {
    case VT_I1: v.cVal = static_cast<CHAR>(s.number); break;
    case VT_UI1: v.bVal = static_cast<BYTE>(s.number); break;
    case VT_I2: v.iVal = static_cast<SHORT>(s.number); break;
    case VT_UI2: v.uiVal = static_cast<USHORT>(s.number); break;
    case VT_I4: v.lVal = static_cast<LONG>(s.number); break;
    case VT_UI4: v.ulVal = static_cast<ULONG>(s.number); break;
    case VT_I8: v.llVal = static_cast<LONGLONG>(s.number); break;
    case VT_R4: v.fltVal = static_cast<float>(s.number); break;
    case VT_R8: v.dblVal = s.number; break;
    case VT_DATE: v.date = s.number; break;
    case VT_CY: v.cyVal.int64 = static_cast<LONGLONG>(s.number * 10000); break;
    case VT_BOOL: v.boolVal = s.number != 0 ? VARIANT_TRUE : VARIANT_FALSE; break;
    case VT_BSTR: v.bstrVal = SysAllocStringFromUtf8(s.text); break;
    default: break;
  }
  return v;
}

double Number(const VARIANT& v) {
  switch (v.vt) {
    case VT_I1: return v.cVal;
    case VT_UI1: return v.bVal;
    case VT_I2: return v.iVal;
    case VT_UI2: return v.uiVal;
    case VT_I4: return v.lVal;
    case VT_UI4: return v.ulVal;
    case VT_INT: return v.intVal;
    case VT_I8: return static_cast<double>(v.llVal);
    case VT_UI8: return static_cast<double>(v.ullVal);
    case VT_R4: return v.fltVal;
    case VT_R8: return v.dblVal;
    case VT_DATE: return v.date;
    case VT_CY: return static_cast<double>(v.cyVal.int64) / 10000;
    case VT_BOOL: return v.boolVal;
    default: return NAN;
  }
}

struct Row {
  const char* name;
  Source source;
  VARTYPE target;
  HRESULT expected;
  double number = 0;      // numeric targets
  const char* text = "";  // VT_BSTR target
};

const Row kRows[] = {
    {"R8 2.5 rounds half to even into I4", {VT_R8, 2.5}, VT_I4, S_OK, 2},
    {"R8 3.5 rounds half to even into I4", {VT_R8, 3.5}, VT_I4, S_OK, 4},
    {"R8 -2.7 into I2", {VT_R8, -2.7}, VT_I2, S_OK, -3},
    {"R8 too large for I2", {VT_R8, 40000}, VT_I2, DISP_E_OVERFLOW},
    {"I4 -1 into UI1 overflows", {VT_I4, -1}, VT_UI1, DISP_E_OVERFLOW},
    {"I4 300 into UI1 overflows", {VT_I4, 300}, VT_UI1, DISP_E_OVERFLOW},
    {"BOOL true into I2", {VT_BOOL, 1}, VT_I2, S_OK, -1},
    {"BOOL true into UI1 is all ones", {VT_BOOL, 1}, VT_UI1, S_OK, 255},
    {"UI4 max into R8", {VT_UI4, 4294967295.0}, VT_R8, S_OK, 4294967295.0},
    {"UI4 max into I4 overflows", {VT_UI4, 4294967295.0}, VT_I4, DISP_E_OVERFLOW},
    {"I4 into BOOL", {VT_I4, 5}, VT_BOOL, S_OK, -1},
    {"R8 into R4", {VT_R8, 0.5}, VT_R4, S_OK, 0.5},
    {"R8 beyond float overflows", {VT_R8, 1e300}, VT_R4, DISP_E_OVERFLOW},
    {"CY 1.2345 into R8", {VT_CY, 1.2345}, VT_R8, S_OK, 1.2345},
    {"R8 into CY", {VT_R8, 2.5}, VT_CY, S_OK, 2.5},
    {"CY 2.5 rounds to even into I4", {VT_CY, 2.5}, VT_I4, S_OK, 2},
    {"EMPTY into R8 is zero", {VT_EMPTY, 0}, VT_R8, S_OK, 0},
    {"NULL into I4 is a mismatch", {VT_NULL, 0}, VT_I4, DISP_E_TYPEMISMATCH},
    {"ERROR into I4 is a mismatch", {VT_ERROR, 0}, VT_I4, DISP_E_TYPEMISMATCH},
    {"text 12.5 into R8", {VT_BSTR, 0, " 12.5 "}, VT_R8, S_OK, 12.5},
    {"text 12.5 into I2 rounds", {VT_BSTR, 0, "12.5"}, VT_I2, S_OK, 12},
    {"text -1e3 into I4", {VT_BSTR, 0, "-1e3"}, VT_I4, S_OK, -1000},
    {"text abc is a mismatch", {VT_BSTR, 0, "abc"}, VT_R8, DISP_E_TYPEMISMATCH},
    {"empty text is a mismatch", {VT_BSTR, 0, ""}, VT_I4, DISP_E_TYPEMISMATCH},
    {"text True into BOOL", {VT_BSTR, 0, "True"}, VT_BOOL, S_OK, -1},
    {"text 70000 into I2 overflows", {VT_BSTR, 0, "70000"}, VT_I2, DISP_E_OVERFLOW},
    {"text 18446744073709551615 into UI8",
     {VT_BSTR, 0, "18446744073709551615"},
     VT_UI8,
     S_OK,
     18446744073709551615.0},
    {"text date into DATE",
     {VT_BSTR, 0, "12/10/2026 3:04:05 PM"},
     VT_DATE,
     S_OK,
     46366.0 + (15 * 3600 + 245) / 86400.0},
    {"I4 into text", {VT_I4, -42}, VT_BSTR, S_OK, 0, "-42"},
    {"R8 into text", {VT_R8, 0.1}, VT_BSTR, S_OK, 0, "0.1"},
    {"R8 large into text", {VT_R8, 1.5e20}, VT_BSTR, S_OK, 0, "1.5E+20"},
    {"R4 into text keeps float digits", {VT_R4, 0.1}, VT_BSTR, S_OK, 0, "0.1"},
    {"CY into text", {VT_CY, -0.5}, VT_BSTR, S_OK, 0, "-0.5"},
    {"BOOL into text", {VT_BOOL, 1}, VT_BSTR, S_OK, 0, "-1"},
    {"EMPTY into text", {VT_EMPTY, 0}, VT_BSTR, S_OK, 0, ""},
    {"DATE into text", {VT_DATE, 46366.5}, VT_BSTR, S_OK, 0, "12/10/2026 12:00:00 PM"},
    {"DATE day only into text", {VT_DATE, 2}, VT_BSTR, S_OK, 0, "1/1/1900"},
    {"DATE time only into text", {VT_DATE, 0.25}, VT_BSTR, S_OK, 0, "6:00:00 AM"},
    {"DATE before the epoch into text",
     {VT_DATE, -1.25},
     VT_BSTR,
     S_OK,
     0,
     "12/29/1899 6:00:00 AM"},
    {"number beyond the date range", {VT_R8, 3e6}, VT_DATE, DISP_E_OVERFLOW},
    {"first day of the range", {VT_BSTR, 0, "1/1/100"}, VT_DATE, S_OK, -657434},
    {"text date before the range", {VT_BSTR, 0, "1/1/100 1:05 PM"}, VT_DATE, DISP_E_OVERFLOW},
    {"last moment into text",
     {VT_DATE, 2958465.99999999},
     VT_BSTR,
     S_OK,
     0,
     "12/31/9999 11:59:59 PM"},
    {"DATE NaN into text", {VT_DATE, NAN}, VT_BSTR, DISP_E_OVERFLOW},
    {"DATE infinity into text", {VT_DATE, INFINITY}, VT_BSTR, DISP_E_OVERFLOW},
    {"DATE minus infinity into text", {VT_DATE, -INFINITY}, VT_BSTR, DISP_E_OVERFLOW},
    {"DATE after 9999 into text", {VT_DATE, 3e6}, VT_BSTR, DISP_E_OVERFLOW},
    {"DATE before 100 into text", {VT_DATE, -700000}, VT_BSTR, DISP_E_OVERFLOW},
    // Texts read as numbers have the C runtime's form, no other.
    {"text nan is no number", {VT_BSTR, 0, "nan"}, VT_R8, DISP_E_TYPEMISMATCH},
    {"text inf is no number", {VT_BSTR, 0, "inf"}, VT_R8, DISP_E_TYPEMISMATCH},
    {"text -Infinity is no number", {VT_BSTR, 0, "-Infinity"}, VT_R8, DISP_E_TYPEMISMATCH},
    {"text +-5 is no number", {VT_BSTR, 0, "+-5"}, VT_I4, DISP_E_TYPEMISMATCH},
    {"text -+5 is no number", {VT_BSTR, 0, "-+5"}, VT_R8, DISP_E_TYPEMISMATCH},
    {"text 0x10 is no number", {VT_BSTR, 0, "0x10"}, VT_I4, DISP_E_TYPEMISMATCH},
    {"text 1e is no number", {VT_BSTR, 0, "1e"}, VT_R8, DISP_E_TYPEMISMATCH},
    {"text +5 into I4", {VT_BSTR, 0, "+5"}, VT_I4, S_OK, 5},
    {"text .5 into R8", {VT_BSTR, 0, ".5"}, VT_R8, S_OK, 0.5},
    {"text 5. into R8", {VT_BSTR, 0, "5."}, VT_R8, S_OK, 5},
    {"into an unknown type", {VT_I4, 1}, 15, DISP_E_BADVARTYPE},
};

}  // namespace

TEST(VariantChangeType, ConvertsByTheTable) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    VARIANT source = Build(row.source);
    VARIANT result;
    VariantInit(&result);
    const HRESULT hr = VariantChangeType(&result, &source, 0, row.target);
    EXPECT_EQ(hr, row.expected);
    if (SUCCEEDED(hr)) {
      EXPECT_EQ(result.vt, row.target);
      if (row.target == VT_BSTR)
        EXPECT_EQ(Utf8FromWide(BstrView(result.bstrVal)), row.text);
      else
        EXPECT_NEAR(Number(result), row.number, 1e-9 * std::max(1.0, std::fabs(row.number)));
    } else {
      EXPECT_EQ(result.vt, VT_EMPTY);  // failures leave the destination alone
    }
    VariantClear(&result);
    VariantClear(&source);
  }
}

// Text into currency keeps every digit, rounding half to even at the fourth
// decimal, and the currency's extremes come back through text unchanged.
TEST(VariantChangeType, CurrencyFromTextIsExact) {
  constexpr LONGLONG kMax = 9223372036854775807LL, kMin = -kMax - 1;
  const struct {
    const char* text;
    HRESULT expected;
    LONGLONG value = 0;
  } rows[] = {
      {"123456789012345.6789", S_OK, 1234567890123456789LL},
      {"922337203685477.5807", S_OK, kMax},
      {"-922337203685477.5808", S_OK, kMin},
      {"922337203685477.5808", DISP_E_OVERFLOW},
      {"-922337203685477.5809", DISP_E_OVERFLOW},
      {"92233720368547758070000", DISP_E_OVERFLOW},
      {"9.223372036854775807E14", S_OK, kMax},
      {"0.00015", S_OK, 2},
      {"0.00025", S_OK, 2},
      {"0.000250001", S_OK, 3},
      {"-0.00005", S_OK, 0},
      {"1.5e-4", S_OK, 2},
      {"1e3", S_OK, 10000000},
      {"1e400", DISP_E_OVERFLOW},
      {"1e-400", S_OK, 0},
      {" +2.5 ", S_OK, 25000},
      {"True", S_OK, -10000},
      {"nan", DISP_E_TYPEMISMATCH},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    VARIANT source = Build({VT_BSTR, 0, row.text});
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(VariantChangeType(&result, &source, 0, VT_CY), row.expected);
    if (row.expected == S_OK) {
      EXPECT_EQ(result.cyVal.int64, row.value);
    }
    VariantClear(&source);
  }
  for (const LONGLONG value : {kMax, kMin, LONGLONG{1}, LONGLONG{-1}, LONGLONG{-12345}}) {
    VARIANT cy, text, back;
    VariantInit(&cy);
    VariantInit(&text);
    VariantInit(&back);
    cy.vt = VT_CY;
    cy.cyVal.int64 = value;
    ASSERT_EQ(VariantChangeType(&text, &cy, 0, VT_BSTR), S_OK);
    ASSERT_EQ(VariantChangeType(&back, &text, 0, VT_CY), S_OK);
    EXPECT_EQ(back.cyVal.int64, value) << Utf8FromWide(BstrView(text.bstrVal));
    VariantClear(&text);
  }
}

// A real that is not finite has no number text: it is refused as out of
// range, as a date outside the calendar is, rather than written as text
// ("-NAN", "INF") that no conversion reads back. The texts the C runtime
// writes for such values are no numbers either way.
TEST(VariantChangeType, ARealThatIsNotFiniteHasNoText) {
  for (VARTYPE vt : {VT_R4, VT_R8}) {
    for (double value : {double(NAN), -double(NAN), double(INFINITY), -double(INFINITY)}) {
      SCOPED_TRACE(std::to_string(vt) + " " + std::to_string(value));
      VARIANT source = Build({vt, value});
      VARIANT text;
      VariantInit(&text);
      EXPECT_EQ(VariantChangeType(&text, &source, 0, VT_BSTR), DISP_E_OVERFLOW);
      EXPECT_EQ(text.vt, VT_EMPTY);
      VariantClear(&text);
    }
    for (const char* written : {"-NAN", "NAN", "nan", "-nan(ind)", "INF", "-INF", "inf", "1.#INF",
                                "-1.#IND", "Infinity"}) {
      SCOPED_TRACE(written);
      VARIANT source = Build({VT_BSTR, 0, written});
      VARIANT number;
      VariantInit(&number);
      EXPECT_EQ(VariantChangeType(&number, &source, 0, vt), DISP_E_TYPEMISMATCH);
      VariantClear(&source);
    }
  }
  // Finite reals still go into text and back to the same value.
  for (double value : {1.5, -2.25e-300, 3.0e38, 123456789012345.0}) {
    VARIANT source = Build({VT_R8, value});
    VARIANT text, back;
    VariantInit(&text);
    VariantInit(&back);
    ASSERT_EQ(VariantChangeType(&text, &source, 0, VT_BSTR), S_OK) << value;
    ASSERT_EQ(VariantChangeType(&back, &text, 0, VT_R8), S_OK) << value;
    EXPECT_EQ(back.dblVal, value);
    VariantClear(&text);
  }
}

TEST(VariantChangeType, InPlaceByReferenceAndFlags) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocString(u"7");
  ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_I4), S_OK);  // the old text is freed
  EXPECT_EQ(v.vt, VT_I4);
  EXPECT_EQ(v.lVal, 7);

  double value = 3.25;
  VARIANT reference;
  VariantInit(&reference);
  reference.vt = VT_BYREF | VT_R8;
  reference.pdblVal = &value;
  ASSERT_EQ(VariantChangeType(&v, &reference, 0, VT_BSTR), S_OK);
  EXPECT_EQ(BstrView(v.bstrVal), u"3.25");

  VARIANT flag;
  VariantInit(&flag);
  flag.vt = VT_BOOL;
  flag.boolVal = VARIANT_FALSE;
  ASSERT_EQ(VariantChangeType(&v, &flag, VARIANT_ALPHABOOL, VT_BSTR), S_OK);
  EXPECT_EQ(BstrView(v.bstrVal), u"False");
  VariantClear(&v);
}

TEST(VariantChangeType, ObjectsConvertThroughTheirValueProperty) {
  bool destroyed = false;
  VARIANT object;
  VariantInit(&object);
  object.vt = VT_DISPATCH;
  object.pdispVal = new ValueObject(6.5, &destroyed);
  VARIANT result;
  VariantInit(&result);
  ASSERT_EQ(VariantChangeType(&result, &object, 0, VT_R8), S_OK);
  EXPECT_EQ(result.dblVal, 6.5);
  EXPECT_EQ(VariantChangeType(&result, &object, VARIANT_NOVALUEPROP, VT_R8), DISP_E_TYPEMISMATCH);
  ASSERT_EQ(VariantChangeType(&result, &object, 0, VT_UNKNOWN), S_OK);
  VariantClear(&result);
  VariantClear(&object);
  EXPECT_TRUE(destroyed);  // every reference taken was given back
}
