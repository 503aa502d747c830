#include "matrix/CSgMatrixAccessException.h"
#include "matrix/CSgScalarMatrix.h"
#include "matrix/tests/MatrixTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace SG;
using DM = CSgScalarMatrix<double>;

using test::Items;

DM Make(unsigned int rows, unsigned int cols, std::vector<double> values) {
  return DM(rows, cols, values.data());
}

TEST(MatrixArithmetic, ConstructionForms) {
  EXPECT_EQ(DM().GetCount(), 0u);
  EXPECT_EQ(Items(DM(3)), std::vector<double>(9, 0.0));  // zeros, not an identity
  EXPECT_EQ(Items(DM(2, 2, 1.5)), std::vector<double>(4, 1.5));
  DM five(5, 1);
  five = Make(2, 2, {1, 2, 3, 4});
  EXPECT_EQ(five.GetRows(), 2u);
  EXPECT_EQ(Items(five), (std::vector<double>{1, 2, 3, 4}));
  five = five;
  EXPECT_EQ(Items(five), (std::vector<double>{1, 2, 3, 4}));
}

TEST(MatrixArithmetic, SumAndDifferenceOverTheCommonShape) {
  const DM a = Make(2, 3, {1, 2, 3, 4, 5, 6});
  const DM b = Make(3, 2, {10, 20, 30, 40, 50, 60});
  const DM sum = a + b;
  EXPECT_EQ(sum.GetRows(), 2u);
  EXPECT_EQ(sum.GetCols(), 2u);
  EXPECT_EQ(Items(sum), (std::vector<double>{11, 22, 34, 45}));
  EXPECT_EQ(Items(a - b), (std::vector<double>{-9, -18, -26, -35}));
  const DM empty = DM(0, 5) + DM(3);
  EXPECT_EQ(empty.GetRows(), 0u);
  EXPECT_EQ(empty.GetCols(), 3u);
  EXPECT_EQ(empty.GetCount(), 0u);

  DM small = Make(2, 2, {1, 2, 3, 4});
  small += Make(3, 3, {1, 1, 1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(Items(small), (std::vector<double>{2, 3, 4, 5}));
  DM big = Make(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  big += Make(2, 2, {10, 10, 10, 10});
  EXPECT_EQ(big.GetRows(), 2u);
  EXPECT_EQ(Items(big), (std::vector<double>{11, 12, 14, 15}));
  big -= big;
  EXPECT_EQ(Items(big), std::vector<double>(4, 0.0));
}

TEST(MatrixArithmetic, Product) {
  const DM a = Make(2, 3, {1, 2, 3, 4, 5, 6});
  const DM b = Make(3, 4, {1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1});
  const DM p = a * b;
  EXPECT_EQ(p.GetRows(), 2u);
  EXPECT_EQ(p.GetCols(), 4u);
  EXPECT_EQ(Items(p), (std::vector<double>{1, 2, 3, 6, 4, 5, 6, 15}));
  const DM zeros = DM(4, 0) * DM(0, 2);
  EXPECT_EQ(Items(zeros), std::vector<double>(8, 0.0));
  DM square = Make(2, 2, {1, 1, 0, 1});
  square *= square;
  EXPECT_EQ(Items(square), (std::vector<double>{1, 2, 0, 1}));
  DM shaped = a;
  shaped *= b;
  EXPECT_EQ(shaped.GetCols(), 4u);
}

// A product whose inner sizes differ is refused with the access exception,
// naming the first element the shorter operand lacks, and changes nothing.
TEST(MatrixArithmetic, ProductOfUnequalInnerSizesIsRefused) {
  const struct {
    const char* name;
    unsigned int aRows, aCols, bRows, bCols;
    const char* text;
  } rows[] = {
      {"b lacks a row", 1, 3, 2, 1,
       "Invalid matrix access: row index = 2, column index = 0. Matrix size is 2x1."},
      {"a lacks a column", 2, 1, 3, 2,
       "Invalid matrix access: row index = 0, column index = 1. Matrix size is 2x1."},
      {"b empty", 2, 3, 0, 0,
       "Invalid matrix access: row index = 0, column index = 0. Matrix size is 0x0."},
      {"a has no columns", 2, 0, 1, 2,
       "Invalid matrix access: row index = 0, column index = 0. Matrix size is 2x0."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    DM a(row.aRows, row.aCols, 1.0);
    const DM b(row.bRows, row.bCols, 2.0);
    for (int inPlace = 0; inPlace < 2; ++inPlace) {
      try {
        if (inPlace)
          a *= b;
        else
          (void)(a * b);
        ADD_FAILURE() << "not refused";
      } catch (CSgMatrixAccessException* e) {
        EXPECT_STREQ(e->GetErrorString(), row.text);
        e->Delete();
      }
      EXPECT_EQ(a.GetRows(), row.aRows);
      EXPECT_EQ(a.GetCols(), row.aCols);
      EXPECT_EQ(Items(a), std::vector<double>(row.aRows * row.aCols, 1.0));
    }
  }
}

TEST(MatrixArithmetic, IntegerWrapAndCopies) {
  CSgScalarMatrix<char> c(1, 1, static_cast<char>(127));
  ++c;
  EXPECT_EQ(Items(c), (std::vector<char>{-128}));
  CSgScalarMatrix<unsigned char> u(1, 1, static_cast<unsigned char>(0));
  u--;
  EXPECT_EQ(Items(u), (std::vector<unsigned char>{255}));
  EXPECT_EQ(Items(-CSgScalarMatrix<unsigned char>(1, 1, static_cast<unsigned char>(1))),
            (std::vector<unsigned char>{255}));

  DM ones(2, 2, 1.0);
  DM pre = ++ones;
  EXPECT_EQ(Items(pre), std::vector<double>(4, 2.0));
  DM post = ones++;
  EXPECT_EQ(Items(post), std::vector<double>(4, 2.0));
  EXPECT_EQ(Items(ones), std::vector<double>(4, 3.0));
  pre.GetData()[0] = 100;  // a copy: the matrix is unchanged
  EXPECT_EQ(ones.GetData()[0], 3.0);
}

TEST(MatrixArithmetic, ScaleOffsetAbs) {
  CSgScalarMatrix<unsigned char> u(1, 1, static_cast<unsigned char>(100));
  u.Scale(3);
  EXPECT_EQ(Items(u), (std::vector<unsigned char>{44}));
  DM d(1, 1, 1.5);
  d.ScaleAndOffset(2, 1);
  EXPECT_EQ(Items(d), (std::vector<double>{4.0}));
  const char values[] = {-5, -128, 7};
  CSgScalarMatrix<char> c(1, 3, values);
  c.Abs();
  EXPECT_EQ(Items(c), (std::vector<char>{5, -128, 7}));
  DM negativeZero(1, 1, -0.0);
  negativeZero.Abs();
  EXPECT_TRUE(std::signbit(negativeZero.GetData()[0]));
}

TEST(MatrixArithmetic, AccessExceptionTexts) {
  const DM m(2, 3);
  const struct {
    CSgMatrixAccessException* e;
    const char* text;
  } rows[] = {
      {new CSgMatrixAccessException(TRUE),
       "Invalid matrix access: row and column index values cannot be negative."},
      {new CSgMatrixAccessException(m, 4, 1, TRUE),
       "Invalid matrix access: row index = 4, column index = 1. Matrix size is 2x3."},
      {new CSgMatrixAccessException(1, 9, 5, 6, TRUE),
       "Invalid matrix access: row index = 1, column index = 9. Matrix size is 5x6."},
  };
  for (const auto& row : rows) {
    EXPECT_STREQ(row.e->GetErrorString(), row.text);
    row.e->Delete();
  }
}

}  // namespace
