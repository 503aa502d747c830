#include "matrix/CSgComplex.h"
#include "matrix/CSgScalarMatrix.h"
#include "matrix/tests/MatrixTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace SG;
using test::ScalarVariant;

using test::Items;

TEST(MatrixVariant, CopiedColumnByColumn) {
  const double values[] = {1, 2, 3, 4, 5, 6};
  const CSgScalarMatrix<double> m(2, 3, values);
  const CSgVariant v(m);
  ASSERT_EQ(v.vt, VT_ARRAY | VT_R8);
  EXPECT_EQ(SafeArrayBound(v.parray, 1).cElements, 2u);
  EXPECT_EQ(SafeArrayBound(v.parray, 2).cElements, 3u);
  const double* block = static_cast<const double*>(v.parray->pvData);
  EXPECT_EQ(std::vector<double>(block, block + 6), (std::vector<double>{1, 4, 2, 5, 3, 6}));
  CSgScalarMatrix<double> back;
  back.AssignSafeArray(v);
  EXPECT_EQ(back.GetRows(), 2u);
  EXPECT_EQ(Items(back), (std::vector<double>{1, 2, 3, 4, 5, 6}));

  const int ints[] = {1};
  EXPECT_EQ(CSgVariant(CSgScalarMatrix<int>(1, 1, ints)).vt, VT_ARRAY | VT_I4);
  const unsigned int uints[] = {1};
  EXPECT_EQ(CSgVariant(CSgScalarMatrix<unsigned int>(1, 1, uints)).vt, VT_ARRAY | VT_UI4);
}

TEST(MatrixVariant, ScalarsTextAndOtherKinds) {
  CSgScalarMatrix<double> d;
  d.AssignVariant(CSgVariant(true));
  EXPECT_EQ(Items(d), (std::vector<double>{-1}));
  d.AssignVariant(ScalarVariant(VT_UI4, 0xFFFFFFFFll));
  EXPECT_EQ(Items(d), (std::vector<double>{4294967295.0}));
  CSgScalarMatrix<char> c;
  c.AssignVariant(CSgVariant(2.9));
  EXPECT_EQ(Items(c), (std::vector<char>{2}));
  c.AssignVariant(CSgVariant(-2.9));
  EXPECT_EQ(Items(c), (std::vector<char>{-2}));
  CSgScalarMatrix<unsigned char> uc;
  uc.AssignVariant(CSgVariant(300.0));
  EXPECT_EQ(Items(uc), (std::vector<unsigned char>{44}));
  CSgScalarMatrix<unsigned short> us(CSgVariant(-1));
  EXPECT_EQ(Items(us), (std::vector<unsigned short>{65535}));
  for (const CSgVariant& other : {CSgVariant("1"), CSgVariant(), ScalarVariant(VT_NULL, 0)}) {
    d.AssignVariant(other);
    EXPECT_EQ(d.GetRows(), 0u);
    EXPECT_EQ(d.GetCols(), 0u);
  }
  CSgVariant oneDimension;
  CreateArrayVariant1D(&oneDimension, VT_R8, 3);
  d.AssignVariant(oneDimension);
  EXPECT_EQ(d.GetCount(), 0u);
  CSgVariant texts;
  CreateArrayVariant2D(&texts, VT_I4, 2, 2);
  texts.vt = VT_ARRAY | VT_BSTR;  // announced as texts
  d.AssignVariant(texts);
  EXPECT_EQ(d.GetCount(), 0u);
  texts.vt = VT_ARRAY | VT_I4;
}

// A two-dimensional array whose shape no matrix can hold (its byte size
// beyond 32 bits) leaves 0 x 0 without an exception, and the array unlocked.
TEST(MatrixVariant, ShapeBeyond32BitsIsNotTaken) {
  struct {
    SAFEARRAY array;
    SAFEARRAYBOUND second;  // rgsabound holds cDims entries
  } fake{};
  BYTE data = 1;
  fake.array.cDims = 2;
  fake.array.cbElements = 1;
  fake.array.pvData = &data;
  fake.array.rgsabound[0] = {65536, 0};
  fake.second = {65536, 0};
  CSgVariant v;  // filled in place: a copy would copy the array
  v.vt = VT_ARRAY | VT_UI1;
  v.parray = &fake.array;
  CSgScalarMatrix<char> m(1, 1);
  m.AssignSafeArray(v);
  v.vt = VT_EMPTY;  // borrowed
  EXPECT_EQ(m.GetCount(), 0u);
  EXPECT_EQ(fake.array.cLocks, 0u);
}

// An empty shape keeps its lengths, however long, and costs nothing to walk
// either way (a row loop over 2^32-1 empty rows once took seconds).
TEST(MatrixVariant, EmptyShapesWithLongSides) {
  for (const auto& [rows, cols] : {std::pair{0x7FFFFFFFu, 0u}, std::pair{0u, 0xFFFFFFFFu}}) {
    SAFEARRAYBOUND bounds[] = {{rows, 0}, {cols, 0}};
    CSgVariant v;
    v.parray = SafeArrayCreate(VT_UI1, 2, bounds);
    ASSERT_NE(v.parray, nullptr);
    v.vt = VT_ARRAY | VT_UI1;
    CSgScalarMatrix<unsigned char> m(1, 1);
    m.AssignVariant(v);
    EXPECT_EQ(m.GetRows(), rows);
    EXPECT_EQ(m.GetCols(), cols);
    EXPECT_EQ(m.GetCount(), 0u);
    const CSgVariant out(m);
    ASSERT_EQ(out.vt, VT_ARRAY | VT_UI1);
    EXPECT_EQ(SafeArrayBound(out.parray, 1).cElements, rows);
    EXPECT_EQ(SafeArrayBound(out.parray, 2).cElements, cols);
  }
}

}  // namespace
