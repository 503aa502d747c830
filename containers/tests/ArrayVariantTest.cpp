#include "containers/CSgSafeArrayProxy.h"
#include "containers/SgArrayVariant.h"
#include "platform/com/Bstr.h"

#include <gtest/gtest.h>

namespace {

using namespace SG;

// A VARIANT cleared at the end of the test.
struct Var : VARIANT {
  Var() { VariantInit(this); }
  ~Var() { VariantClear(this); }
};

TEST(ArrayVariant, OneDimensionalArrayOfNumericTypesOnly) {
  Var v;
  CreateArrayVariant1D(&v, VT_R4, 3);
  ASSERT_EQ(v.vt, VT_ARRAY | VT_R4);
  EXPECT_EQ(SafeArrayGetDim(v.parray), 1u);
  LONG lower = -1, upper = -1;
  SafeArrayGetLBound(v.parray, 1, &lower);
  SafeArrayGetUBound(v.parray, 1, &upper);
  EXPECT_EQ(lower, 0);
  EXPECT_EQ(upper, 2);

  CreateArrayVariant1D(&v, VT_BSTR, 3);  // not numeric: the old array is released too
  EXPECT_EQ(v.vt, VT_EMPTY);
  CreateArrayVariant1D(&v, VT_I2, 0);
  ASSERT_EQ(v.vt, VT_ARRAY | VT_I2);
  EXPECT_EQ(v.parray->rgsabound[0].cElements, 0u);
}

TEST(ArrayVariant, TwoDimensionalBoundsInOrder) {
  Var v;
  CreateArrayVariant2D(&v, VT_R8, 2, 3);
  ASSERT_EQ(v.vt, VT_ARRAY | VT_R8);
  EXPECT_EQ(SafeArrayBound(v.parray, 1).cElements, 2u);
  EXPECT_EQ(SafeArrayBound(v.parray, 2).cElements, 3u);
}

TEST(ArrayVariant, SafeArrayProxyAccessesAndReleases) {
  Var v;
  CreateArrayVariant1D(&v, VT_I4, 2);
  {
    CSgSafeArrayProxy proxy(v);
    ASSERT_TRUE(proxy.IsValid());
    static_cast<LONG*>(proxy.GetData())[1] = 7;
    EXPECT_EQ(v.parray->cLocks, 1u);
  }
  EXPECT_EQ(v.parray->cLocks, 0u);
  EXPECT_FALSE(CSgSafeArrayProxy(v, VT_R8).IsValid());  // another element type
  EXPECT_TRUE(CSgSafeArrayProxy(v, VT_I4).IsValid());

  Var scalar;
  scalar.vt = VT_I4;
  CSgSafeArrayProxy none(scalar);
  EXPECT_FALSE(none.IsValid());
  EXPECT_FALSE(none.Attach(static_cast<SAFEARRAY*>(nullptr)));

  // By reference: the array behind the pointer.
  Var ref;
  ref.vt = VT_ARRAY | VT_I4 | VT_BYREF;
  ref.pparray = &v.parray;
  CSgSafeArrayProxy byRef(ref);
  ASSERT_TRUE(byRef.IsValid());
  EXPECT_EQ(static_cast<LONG*>(byRef.GetData())[1], 7);
  ref.vt = VT_EMPTY;  // owns nothing
}

TEST(ArrayVariant, ComplexValueRoundTrip) {
  Var v;
  void* re = nullptr;
  void* im = nullptr;
  CreateComplexVariant(&v, VT_R8, &re, &im);
  ASSERT_EQ(v.vt, VT_ARRAY | VT_VARIANT);
  *static_cast<double*>(re) = 2.7;
  *static_cast<double*>(im) = -1.2;
  void* readRe = nullptr;
  void* readIm = nullptr;
  VARTYPE vt = 0;
  ASSERT_TRUE(ReadComplexVariant(&v, &readRe, &readIm, &vt));
  EXPECT_EQ(vt, VT_R8);
  EXPECT_EQ(*static_cast<double*>(readRe), 2.7);
  EXPECT_EQ(*static_cast<double*>(readIm), -1.2);
  EXPECT_EQ(v.parray->cLocks, 0u);

  Var text;
  CreateComplexVariant(&text, VT_BSTR, &re, &im);
  EXPECT_EQ(text.vt, VT_EMPTY);
}

// Element index of a 3-element VT_VARIANT array as a pointer to its VARIANT.
VARIANT* Element(VARIANT& v, int i) { return &static_cast<VARIANT*>(v.parray->pvData)[i]; }

TEST(ArrayVariant, ComplexRecognitionRules) {
  void* re;
  void* im;
  VARTYPE vt;
  {
    Var v;  // tag in the wrong letter case
    CreateComplexVariant(&v, VT_R8, &re, &im);
    VARIANT* tag = Element(v, 0);
    VariantClear(tag);
    tag->vt = VT_BSTR;
    tag->bstrVal = SysAllocStringFromUtf8("c70f4756-67dc-4bd7-8b88-833438cbab4f");
    CSgSafeArrayProxy proxy;
    EXPECT_FALSE(IsComplexVariant(&v, proxy));
  }
  {
    Var v;  // four elements
    v.vt = VT_ARRAY | VT_VARIANT;
    v.parray = SafeArrayCreateVector(VT_VARIANT, 0, 4);
    Element(v, 0)->vt = VT_BSTR;
    Element(v, 0)->bstrVal = SysAllocStringFromUtf8(SgComplexVariantTag);
    CSgSafeArrayProxy proxy;
    EXPECT_FALSE(IsComplexVariant(&v, proxy));
  }
  {
    Var v;  // parts of different types: complex, but not readable
    CreateComplexVariant(&v, VT_R8, &re, &im);
    Element(v, 2)->vt = VT_R4;
    CSgSafeArrayProxy proxy;
    EXPECT_TRUE(IsComplexVariant(&v, proxy));
    EXPECT_FALSE(ReadComplexVariant(&v, &re, &im, &vt));
  }
}

TEST(ArrayVariant, ComplexVectorAndMatrixForms) {
  Var v;
  {
    CSgSafeArrayProxy re, im;
    ASSERT_TRUE(CreateComplexVectorVariant(&v, VT_I2, 3, re, im));
    static_cast<SHORT*>(re.GetData())[2] = 5;
    static_cast<SHORT*>(im.GetData())[2] = -5;
  }
  CSgSafeArrayProxy re, im;
  VARTYPE vt = 0;
  unsigned int count = 0;
  ASSERT_TRUE(ReadComplexVectorVariant(&v, re, im, &vt, &count));
  EXPECT_EQ(vt, VT_I2);
  EXPECT_EQ(count, 3u);
  EXPECT_EQ(static_cast<SHORT*>(im.GetData())[2], -5);
  unsigned int rows = 0, cols = 0;
  {
    CSgSafeArrayProxy mre, mim;
    EXPECT_FALSE(ReadComplexMatrixVariant(&v, mre, mim, &vt, &rows, &cols));  // one dimension
  }
  Var m;
  {
    CSgSafeArrayProxy a, b;
    ASSERT_TRUE(CreateComplexMatrixVariant(&m, VT_R4, 2, 3, a, b));
  }
  // The proxies hold the parts' access: they end before the variant does.
  CSgSafeArrayProxy mre, mim;
  ASSERT_TRUE(ReadComplexMatrixVariant(&m, mre, mim, &vt, &rows, &cols));
  EXPECT_EQ(rows, 2u);
  EXPECT_EQ(cols, 3u);
}

}  // namespace
