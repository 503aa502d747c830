#include "containers/CSgDataProxy.h"
#include "matrix/CSgScalarMatrix.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace SG;

template <class T>
std::vector<T> Items(const CSgMatrixT<T>& m) {
  return std::vector<T>(m.GetData(), m.GetData() + m.GetCount());
}

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

}  // namespace
