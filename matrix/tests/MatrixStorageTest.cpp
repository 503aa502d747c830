#include "containers/CSgDataProxy.h"
#include "matrix/CSgScalarMatrix.h"
#include "matrix/tests/MatrixTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace SG;

using test::Items;

CSgScalarMatrix<double> TwoByThree() {
  const double values[] = {1, 2, 3, 4, 5, 6};
  return CSgScalarMatrix<double>(2, 3, values);
}

TEST(MatrixStorage, ConstructedRowByRow) {
  const CSgScalarMatrix<double> m = TwoByThree();
  EXPECT_EQ(m.GetRows(), 2u);
  EXPECT_EQ(m.GetCols(), 3u);
  EXPECT_EQ(m.GetCount(), 6u);
  EXPECT_EQ(m.GetByteSize(), 48u);
  EXPECT_EQ(Items(m), (std::vector<double>{1, 2, 3, 4, 5, 6}));
  const double point[] = {0.5, 7.0};
  EXPECT_EQ(Items(CSgScalarMatrix<double>(2, 1, point)), (std::vector<double>{0.5, 7.0}));
  CSgScalarMatrix<double> copy(m);
  EXPECT_NE(copy.GetData(), m.GetData());
  EXPECT_NE(copy.GetMutexHandle(), m.GetMutexHandle());
  EXPECT_EQ(Items(copy), Items(m));
}

TEST(MatrixStorage, SetSizeComparesShapes) {
  CSgScalarMatrix<double> m = TwoByThree();
  const double* array = m.GetData();
  m.SetSize(2, 3, TRUE);
  EXPECT_EQ(m.GetData(), array);
  EXPECT_EQ(Items(m), (std::vector<double>{1, 2, 3, 4, 5, 6}));
  m.SetSize(2, 3, FALSE);
  EXPECT_EQ(Items(m), (std::vector<double>(6, 0.0)));
  m.SetSize(3, 2, TRUE);  // same count, another shape: a new array
  EXPECT_EQ(m.GetRows(), 3u);
  m.SetSize(0, 4, FALSE);
  EXPECT_EQ(m.GetRows(), 0u);
  EXPECT_EQ(m.GetCols(), 4u);
  EXPECT_EQ(m.GetCount(), 0u);
  EXPECT_EQ(m.GetData(), nullptr);
  EXPECT_EQ(m.GetByteSize(), 0u);
  m.SetSize(2, FALSE);
  EXPECT_EQ(m.GetCount(), 4u);
  CSgScalarMatrix<int> like;
  like.SetSizeLike(m, FALSE);
  EXPECT_EQ(like.GetRows(), 2u);
}

TEST(MatrixStorage, ShapesBeyond32BitsAreRefused) {
  CSgScalarMatrix<double> m = TwoByThree();
  try {
    m.SetSize(70000, 70000, FALSE);
    ADD_FAILURE();
  } catch (CMemoryException* e) {
    e->Delete();
  }
  EXPECT_EQ(m.GetCount(), 6u);  // refused before anything changed
}

TEST(MatrixStorage, ResizeKeepsTheTopLeftBlock) {
  CSgScalarMatrix<double> m = TwoByThree();
  m.Resize(3, 2, FALSE);
  EXPECT_EQ(Items(m), (std::vector<double>{1, 2, 4, 5, 0, 0}));
  m = TwoByThree();
  m.Resize(1, 4, FALSE);
  EXPECT_EQ(Items(m), (std::vector<double>{1, 2, 3, 0}));
  m = TwoByThree();
  const double* array = m.GetData();
  m.Resize(2, 3, FALSE);
  EXPECT_EQ(m.GetData(), array);
  m.Resize(0, 3, FALSE);
  EXPECT_EQ(m.GetData(), nullptr);
}

TEST(MatrixStorage, ProxyExchange) {
  CSgScalarMatrix<double> d = TwoByThree();
  {
    CSgDataProxy p;
    d.ProvideDoubleData(p);
    EXPECT_EQ(p.data, d.GetData());
    EXPECT_FALSE(p.ownsData);
  }
  const int values[] = {1, -2, 3, 4};
  CSgScalarMatrix<int> m(2, 2, values);
  CSgDataProxy p;
  m.ProvideDoubleData(p);
  EXPECT_TRUE(p.ownsData);
  EXPECT_EQ(static_cast<double*>(p.data)[1], -2.0);
  static_cast<double*>(p.data)[3] = 9.9;
  m.AssignFromDoubleData(p);
  EXPECT_EQ(Items(m), (std::vector<int>{1, -2, 3, 9}));
  EXPECT_EQ(m.GetRows(), 2u);
  CSgDataProxy complex;
  m.ProvideComplexData(complex);
  EXPECT_EQ(complex.elementSize, 16u);
  EXPECT_EQ(static_cast<double*>(complex.data)[2], -2.0);
}

// The import slots read no further than the proxy's buffer reaches; the
// elements it does not cover keep their values.
TEST(MatrixStorage, ImportReadsNoFurtherThanTheProxy) {
  const struct {
    const char* name;
    bool complex;
    unsigned int values;  // doubles or pairs the proxy holds
    std::vector<int> want;
  } rows[] = {
      {"doubles, enough", false, 4, {10, 11, 12, 13}}, {"doubles, two", false, 2, {10, 11, 3, 4}},
      {"doubles, none", false, 0, {1, 2, 3, 4}},       {"pairs, enough", true, 6, {10, 12, 14, 16}},
      {"pairs, three", true, 3, {10, 12, 14, 4}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const int start[] = {1, 2, 3, 4};
    CSgScalarMatrix<int> m(2, 2, start);
    const unsigned int doubles = row.values * (row.complex ? 2 : 1);
    auto* buffer = new double[doubles];
    for (unsigned int k = 0; k < doubles; ++k) buffer[k] = 10.0 + k;
    CSgDataProxy p;
    p.SetOwnedArray(buffer, row.values, row.complex ? 16 : 8);
    if (row.complex)
      m.AssignFromComplexData(p);
    else
      m.AssignFromDoubleData(p);
    EXPECT_EQ(Items(m), row.want);
    EXPECT_EQ(m.GetRows(), 2u);
  }
  CSgScalarMatrix<int> m(1, 1, 7);
  CSgDataProxy empty;
  m.AssignFromDoubleData(empty);
  m.AssignFromComplexData(empty);
  EXPECT_EQ(Items(m), (std::vector<int>{7}));
}

// Output buffers hold every element: the proxy's byte length covers the
// matrix (for other types than double, as doubles too).
TEST(MatrixStorage, OutputBuffersCoverTheMatrix) {
  CSgScalarMatrix<char> c(2, 3);
  CSgDataProxy p;
  c.ProvideDoubleOutputBuffer(p);
  EXPECT_EQ(p.count, 6u);
  EXPECT_GE(p.byteLength, 6u * 8u);
  EXPECT_TRUE(p.ownsData);
  CSgDataProxy raw;
  c.ProvideRawOutputBuffer(raw);
  EXPECT_EQ(raw.data, c.GetData());
  EXPECT_EQ(raw.byteLength, 6u);
  CSgScalarMatrix<double> d(2, 2);
  CSgDataProxy lent;
  d.ProvideDoubleOutputBuffer(lent);
  EXPECT_EQ(lent.data, d.GetData());
  EXPECT_EQ(lent.byteLength, 32u);
}

}  // namespace
