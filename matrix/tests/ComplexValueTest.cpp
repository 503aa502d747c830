// The complex value's text form, VARIANT exchange and archive form.
#include "matrix/CSgComplexT.h"
#include "containers/CSgVariant.h"
#include "containers/CSgSafeArrayProxy.h"
#include "containers/SgArrayVariant.h"
#include "containers/tests/ArchiveTestSupport.h"
#include "matrix/tests/MatrixTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace SG;
using test::ScalarVariant;
using Bytes = std::vector<BYTE>;

using test::Z;

template <class T>
std::string Text(const CSgComplexT<T>& z) {
  CString text("old");
  z.ToString(text);
  return std::string(static_cast<const char*>(text));
}

template <class T>
CSgComplexT<T> Parsed(const char* text) {
  CSgComplexT<T> z = Z<T>(T(7), T(7));
  z.FromString(CString(text));
  return z;
}

template <class T>
CSgComplexT<T> FromVariant(const CSgVariant& v) {
  CSgComplexT<T> z = Z<T>(T(7), T(7));
  z.AssignVariant(v);
  return z;
}

#define EXPECT_PARTS(z, re, im)  \
  do {                           \
    EXPECT_EQ((z).m_real, (re)); \
    EXPECT_EQ((z).m_imag, (im)); \
  } while (0)

template <class T>
class ComplexElementTypes : public ::testing::Test {};
TYPED_TEST_SUITE(ComplexElementTypes, test::ElementTypes);

TYPED_TEST(ComplexElementTypes, SizesAndRoundTrips) {
  using T = TypeParam;
  const CSgComplexT<T> zero;
  EXPECT_PARTS(zero, T(0), T(0));
  EXPECT_EQ(Text(zero), "0+0i");
  EXPECT_EQ(zero.GetElementSize(), 2 * sizeof(T));
  EXPECT_EQ(zero.GetByteSize(), zero.GetElementSize());
  EXPECT_EQ(zero.GetRuntimeClass(), RUNTIME_CLASS(CObject));

  const CSgComplexT<T> z = Z<T>(T(5), T(100));
  EXPECT_EQ(Text(z), "5+100i");
  EXPECT_PARTS(Parsed<T>("5+100i"), T(5), T(100));

  const CSgVariant v(z);
  ASSERT_EQ(v.vt, VT_ARRAY | VT_VARIANT);
  CSgSafeArrayProxy parts(v);
  ASSERT_TRUE(parts.IsValid());
  const VARIANT* items = static_cast<const VARIANT*>(parts.GetData());
  EXPECT_EQ(items[1].vt, CSgDataType<T>::GetVarType());
  EXPECT_EQ(items[2].vt, CSgDataType<T>::GetVarType());
  EXPECT_PARTS(FromVariant<T>(v), T(5), T(100));

  CSgComplexT<T> source = z;
  const Bytes bytes = Stored(source);
  ASSERT_EQ(bytes.size(), 4 + 2 * sizeof(T));
  CSgComplexT<T> back;
  EXPECT_EQ(LoadCause(back, bytes), 0);
  EXPECT_PARTS(back, T(5), T(100));
}

TEST(ComplexText, Formatting) {
  EXPECT_EQ(Text(Z<int>(3, -4)), "3-4i");
  EXPECT_EQ(Text(Z<char>(3, -4)), "3-4i");
  EXPECT_EQ(Text(Z<double>(3, -4)), "3-4i");
  // The unsigned types never take the form without the plus.
  EXPECT_EQ(Text(Z<unsigned char>(3, static_cast<unsigned char>(-4))), "3+252i");
  EXPECT_EQ(Text(Z<unsigned int>(3, static_cast<unsigned int>(-4))), "3+4.29497e+009i");
  EXPECT_EQ(Text(Z<double>(0.5, -0.0)), "0.5+-0i");
  EXPECT_EQ(Text(Z<double>(1, std::numeric_limits<double>::quiet_NaN())).find('+'),
            std::string::npos);
  EXPECT_EQ(Text(Z<int>(1234567, 0)), "1.23457e+006+0i");
  EXPECT_EQ(Text(Z<float>(0.25f, 1e-7f)), "0.25+1e-007i");
}

TEST(ComplexText, Parsing) {
  EXPECT_PARTS(Parsed<double>("3+4i"), 3.0, 4.0);
  EXPECT_PARTS(Parsed<double>("3-4i"), 3.0, -4.0);
  EXPECT_PARTS(Parsed<double>(" 2.5 -1e3i"), 2.5, -1000.0);
  EXPECT_PARTS(Parsed<float>("0.25+1e-007i"), 0.25f, 1e-7f);
  EXPECT_PARTS(Parsed<char>("300+0i"), char(44), char(0));
  EXPECT_PARTS(Parsed<unsigned char>("-1+0i"), static_cast<unsigned char>(255),
               static_cast<unsigned char>(0));
  EXPECT_PARTS(Parsed<short>("-32768-7i"), short(-32768), short(-7));
  EXPECT_PARTS(Parsed<unsigned int>("3+4294967292i"), 3u, 4294967292u);
  // The integer scan stops at the decimal point: no imaginary number follows.
  EXPECT_PARTS(Parsed<int>("1.5+2i"), 1, 0);
  EXPECT_PARTS(Parsed<int>("1.23457e+006+0i"), 1, 0);
}

// A number that is missing or cannot be scanned is stored as 0, never as
// whatever the scan target held.
TEST(ComplexText, MissingNumbersGiveZero) {
  const struct {
    const char* text;
    double re, im;
  } rows[] = {{"", 0, 0},  {"   ", 0, 0},  {"5", 5, 0},  {"4i", 4, 0},
              {"i", 0, 0}, {"x+2i", 0, 0}, {"2+i", 2, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_PARTS(Parsed<double>(row.text), row.re, row.im);
    EXPECT_PARTS(Parsed<int>(row.text), static_cast<int>(row.re), static_cast<int>(row.im));
    EXPECT_PARTS(Parsed<unsigned char>(row.text), static_cast<unsigned char>(row.re),
                 static_cast<unsigned char>(row.im));
  }
}

TEST(ComplexVariant, Assignment) {
  EXPECT_PARTS(FromVariant<int>(CSgVariant(2.9)), 2, 0);
  EXPECT_PARTS(FromVariant<int>(CSgVariant(-2.9)), -2, 0);
  EXPECT_PARTS(FromVariant<unsigned char>(CSgVariant(true)), static_cast<unsigned char>(255),
               static_cast<unsigned char>(0));
  EXPECT_PARTS(FromVariant<unsigned int>(CSgVariant(-1)), 4294967295u, 0u);
  EXPECT_PARTS(FromVariant<double>(ScalarVariant(VT_UI4, 0xFFFFFFFFll)), 4294967295.0, 0.0);
  EXPECT_PARTS(FromVariant<char>(ScalarVariant(VT_I2, 300)), char(44), char(0));
  EXPECT_PARTS(FromVariant<double>(CSgVariant("3-4i")), 3.0, -4.0);
  EXPECT_PARTS(FromVariant<int>(CSgVariant("12")), 12, 0);
  double byRefValue = 6.5;
  VARIANT byRef;
  VariantInit(&byRef);
  byRef.vt = VT_R8 | VT_BYREF;
  byRef.pdblVal = &byRefValue;
  EXPECT_PARTS(FromVariant<double>(CSgVariant(byRef)), 6.5, 0.0);
  BSTR text = SysAllocString(u"1.5-2i");
  VARIANT textRef;
  VariantInit(&textRef);
  textRef.vt = VT_BSTR | VT_BYREF;
  textRef.pbstrVal = &text;
  EXPECT_PARTS(FromVariant<double>(CSgVariant(textRef)), 1.5, -2.0);
  SysFreeString(text);
  for (const CSgVariant& other : {CSgVariant(), ScalarVariant(VT_NULL, 0),
                                  ScalarVariant(VT_DATE, 0), ScalarVariant(VT_CY, 5)}) {
    EXPECT_PARTS(FromVariant<double>(other), 0.0, 0.0);
  }
  // The complex form of another type converts part by part.
  EXPECT_PARTS(FromVariant<int>(CSgVariant(Z<double>(2.7, -1.2))), 2, -1);
  EXPECT_PARTS(FromVariant<double>(CSgVariant(Z<unsigned char>(250, 3))), 250.0, 3.0);
}

TEST(ComplexVariant, FormsThatAreNotComplexGiveZero) {
  // A complex form whose parts are texts.
  CSgVariant texts(Z<double>(1, 2));
  {
    CSgSafeArrayProxy parts(texts);
    VARIANT* items = static_cast<VARIANT*>(parts.GetData());
    VariantClear(&items[1]);
    VariantClear(&items[2]);
    items[1].vt = VT_BSTR;
    items[1].bstrVal = SysAllocString(u"1");
    items[2].vt = VT_BSTR;
    items[2].bstrVal = SysAllocString(u"2");
  }
  EXPECT_PARTS(FromVariant<double>(texts), 0.0, 0.0);
  // Parts of two different types.
  CSgVariant mixed(Z<double>(1, 2));
  {
    CSgSafeArrayProxy parts(mixed);
    VARIANT* items = static_cast<VARIANT*>(parts.GetData());
    items[2].vt = VT_I4;
    items[2].lVal = 2;
  }
  EXPECT_PARTS(FromVariant<double>(mixed), 0.0, 0.0);
  // Another array.
  CSgVariant numbers;
  CreateArrayVariant1D(&numbers, VT_R8, 3);
  EXPECT_PARTS(FromVariant<double>(numbers), 0.0, 0.0);
}

TEST(ComplexArchive, Form) {
  CSgComplexT<short> s = Z<short>(3, -4);
  EXPECT_EQ(Stored(s), (Bytes{0, 0, 0, 0, 3, 0, 0xFC, 0xFF}));
  CSgComplexT<double> d = Z<double>(1.5, -2);
  const Bytes stored = Stored(d);
  double parts[2];
  std::memcpy(parts, stored.data() + 4, sizeof parts);
  EXPECT_EQ(parts[0], 1.5);
  EXPECT_EQ(parts[1], -2.0);

  // The free operators write and read the same form.
  CMemFile file;
  {
    CArchive store(&file, CArchive::store);
    store << s << d;
    store.Close();
  }
  file.SeekToBegin();
  CArchive load(&file, CArchive::load);
  CSgComplexT<short> s2;
  CSgComplexT<double> d2;
  load >> s2 >> d2;
  EXPECT_PARTS(s2, short(3), short(-4));
  EXPECT_PARTS(d2, 1.5, -2.0);
}

// A refused or cut-off load leaves the value as it was.
TEST(ComplexArchive, RefusalsLeaveTheValue) {
  const struct {
    const char* name;
    Bytes bytes;
    int cause;
  } rows[] = {
      {"version 1", Bytes{1, 0, 0, 0, 3, 0, 4, 0}, CArchiveException::badSchema},
      {"version -1", Bytes{0xFF, 0xFF, 0xFF, 0xFF, 3, 0, 4, 0}, CArchiveException::badSchema},
      {"no version", Bytes{0, 0}, CArchiveException::endOfFile},
      {"real part only", Bytes{0, 0, 0, 0, 3, 0}, CArchiveException::endOfFile},
      {"imaginary part cut", Bytes{0, 0, 0, 0, 3, 0, 4}, CArchiveException::endOfFile},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CSgComplexT<short> kept = Z<short>(9, 8);
    EXPECT_EQ(LoadCause(kept, row.bytes), row.cause);
    EXPECT_PARTS(kept, short(9), short(8));
  }
}

}  // namespace
