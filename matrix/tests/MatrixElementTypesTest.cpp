// The same cases for each of the ten element types: arithmetic with wrap
// around, the VARIANT and archive round trips and the run-time class.
#include "matrix/CSgScalarMatrix.h"
#include "containers/tests/ArchiveTestSupport.h"
#include "matrix/tests/MatrixTestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

using namespace SG;

using test::Items;

template <class T>
CSgScalarMatrix<T> Make(unsigned int rows, unsigned int cols, std::initializer_list<int> values) {
  std::vector<T> typed;
  for (int v : values) typed.push_back(static_cast<T>(v));
  return CSgScalarMatrix<T>(rows, cols, typed.data());
}

template <class T>
std::vector<T> Typed(std::initializer_list<int> values) {
  std::vector<T> typed;
  for (int v : values) typed.push_back(static_cast<T>(v));
  return typed;
}

template <class T>
class MatrixElementTypes : public ::testing::Test {};

TYPED_TEST_SUITE(MatrixElementTypes, test::ElementTypes);

TYPED_TEST(MatrixElementTypes, Arithmetic) {
  using T = TypeParam;
  const auto a = Make<T>(2, 2, {1, 2, 3, 4});
  const auto b = Make<T>(2, 2, {5, 6, 7, 8});
  EXPECT_EQ(Items(a + b), Typed<T>({6, 8, 10, 12}));
  EXPECT_EQ(Items(b - a), Typed<T>({4, 4, 4, 4}));
  EXPECT_EQ(Items(a * b), Typed<T>({19, 22, 43, 50}));
  auto c = a;
  c *= b;
  EXPECT_EQ(Items(c), Typed<T>({19, 22, 43, 50}));
  c -= a;
  EXPECT_EQ(Items(c), Typed<T>({18, 20, 40, 46}));
  ++c;
  c--;
  c--;
  EXPECT_EQ(Items(c), Typed<T>({17, 19, 39, 45}));
  c.ScaleAndOffset(T(2), T(1));
  EXPECT_EQ(Items(c), Typed<T>({35, 39, 79, 91}));
  if constexpr (IsIntegralElement<T>) {
    // Integers wrap around in their own width.
    auto top = CSgScalarMatrix<T>(1, 1, std::numeric_limits<T>::max());
    ++top;
    EXPECT_EQ(top.GetData()[0], std::numeric_limits<T>::min());
    EXPECT_EQ((-top).GetData()[0], IsSignedElement<T> ? std::numeric_limits<T>::min() : T(0));
    EXPECT_EQ(Items(a - b), (std::vector<T>(4, static_cast<T>(-4))));
  } else {
    EXPECT_EQ(Items(a - b), Typed<T>({-4, -4, -4, -4}));
    EXPECT_TRUE(std::signbit((-CSgScalarMatrix<T>(1, 1)).GetData()[0]));
  }
  auto negative = Make<T>(1, 2, {-3, 3});
  negative.Abs();
  if constexpr (IsUnsignedElement<T>)
    EXPECT_EQ(Items(negative), Typed<T>({-3, 3}));
  else
    EXPECT_EQ(Items(negative), Typed<T>({3, 3}));
}

TYPED_TEST(MatrixElementTypes, VariantRoundTrip) {
  using T = TypeParam;
  const auto m = Make<T>(2, 3, {1, 2, 3, 4, 5, 6});
  CSgVariant v(m);
  EXPECT_EQ(v.vt, VT_ARRAY | CSgDataType<T>::GetVarType());
  const T* block = static_cast<const T*>(v.parray->pvData);
  EXPECT_EQ(std::vector<T>(block, block + 6), Typed<T>({1, 4, 2, 5, 3, 6}));
  CSgScalarMatrix<T> back(v);
  EXPECT_EQ(back.GetRows(), 2u);
  EXPECT_EQ(back.GetCols(), 3u);
  EXPECT_EQ(Items(back), Items(m));
  // Through a reference as well.
  CSgVariant ref;
  ref.vt = VT_ARRAY | VT_BYREF | CSgDataType<T>::GetVarType();
  ref.pparray = &v.parray;
  CSgScalarMatrix<T> viaRef;
  viaRef.AssignVariant(ref);
  ref.vt = VT_EMPTY;  // borrowed: not released by ref
  EXPECT_EQ(Items(viaRef), Items(m));
}

TYPED_TEST(MatrixElementTypes, ArchiveRoundTrip) {
  using T = TypeParam;
  auto m = Make<T>(3, 2, {1, -2, 3, -4, 5, 6});
  const std::vector<BYTE> bytes = Stored(m);
  ASSERT_EQ(bytes.size(), 16u + 6 * sizeof(T));
  EXPECT_EQ(bytes[4], sizeof(T));
  CSgScalarMatrix<T> back(1, 1);
  EXPECT_EQ(LoadCause(back, bytes), 0);
  EXPECT_EQ(back.GetRows(), 3u);
  EXPECT_EQ(back.GetCols(), 2u);
  EXPECT_EQ(Items(back), Items(m));

  // As an object with its class tag, through the run-time class.
  CMemFile file;
  {
    CArchive store(&file, CArchive::store);
    store.WriteObject(&m);
    store.Close();
  }
  file.SeekToBegin();
  CArchive load(&file, CArchive::load);
  CSgScalarMatrix<T>* read = nullptr;
  load >> read;
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetRuntimeClass(), CSgScalarMatrix<T>::GetThisClass());
  EXPECT_EQ(Items(*read), Items(m));
  delete read;
}

}  // namespace
