#include "containers/CSgColorVector.h"
#include "containers/CSgVariant.h"
#include "containers/SgArrayVariant.h"

#include "ArchiveTestSupport.h"
#include "VectorTestSupport.h"

namespace {

using namespace SG;

std::vector<COLORREF> Colours(const CSgColorVector& v) {
  std::vector<COLORREF> out;
  for (unsigned int i = 0; i < v.GetSize(); ++i) out.push_back(v[i]);
  return out;
}

const CSgColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255);

TEST(ColorVector, ConstructionAndAccess) {
  CSgColorVector five(5);
  EXPECT_EQ(Colours(five), std::vector<COLORREF>(5, 0));
  EXPECT_EQ(five.GetElementSize(), 8u);
  EXPECT_EQ(five.GetByteSize(), 40u);
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { five[-1] = kRed; }),
            "Invalid vector access: index value cannot be negative.");
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { five[5] = kRed; }),
            "Invalid vector access: index = 5. Vector size is 5.");
  five[4] = kBlue;
  EXPECT_EQ(five[4], kBlue);
  const CSgColor list[] = {kRed, kGreen};
  EXPECT_EQ(Colours(CSgColorVector(2, list)), (std::vector<COLORREF>{0xFF, 0xFF00}));
  EXPECT_EQ(Colours(CSgColorVector(2, kGreen)), (std::vector<COLORREF>{0xFF00, 0xFF00}));
  CSgColorVector copy(five);
  EXPECT_TRUE(copy == five);
  copy[0] = kRed;
  EXPECT_TRUE(copy != five);
  EXPECT_TRUE(CSgColorVector() == CSgColorVector());
  EXPECT_FALSE(CSgColorVector(1) == CSgColorVector(2));
}

TEST(ColorVector, SizingKeepsOrBlackens) {
  CSgColorVector v(2, kRed);
  v.SetSize(2, FALSE);  // same count: the colours stay
  EXPECT_EQ(Colours(v), (std::vector<COLORREF>{0xFF, 0xFF}));
  v.Resize(4);
  EXPECT_EQ(Colours(v), (std::vector<COLORREF>{0xFF, 0xFF, 0, 0}));
  v.SetSize(3, TRUE);
  EXPECT_EQ(Colours(v), (std::vector<COLORREF>{0, 0, 0}));
  v = CSgColorVector(2, kGreen);
  EXPECT_EQ(Colours(v), (std::vector<COLORREF>{0xFF00, 0xFF00}));
}

TEST(ColorVector, ReorderingAsTheTypedVectors) {
  const CSgColor list[] = {kRed, kGreen, kBlue};
  CSgColorVector v(3, list);
  v.Shift(1);
  EXPECT_EQ(Colours(v), (std::vector<COLORREF>{0, 0xFF, 0xFF00}));
  v.Shift(-2);
  EXPECT_EQ(Colours(v), (std::vector<COLORREF>{0xFF00, 0, 0}));
  v = CSgColorVector(3, list);
  v.Reverse();
  EXPECT_EQ(Colours(v), (std::vector<COLORREF>{0xFF0000, 0xFF00, 0xFF}));
  v.Append(kRed).Append(v);
  EXPECT_EQ(v.GetSize(), 8u);
  EXPECT_EQ(Colours(v.Subset(2, 3)), (std::vector<COLORREF>{0xFF, 0xFF, 0xFF0000}));
  EXPECT_EQ(v.Subset(9, -1).GetSize(), 0u);
  v.Fill(kGreen);
  EXPECT_EQ(Colours(v), std::vector<COLORREF>(8, 0xFF00));
}

TEST(ColorVector, VariantExchange) {
  CSgColorVector v;
  v.AssignVariant(CSgVariant(0x0000FF00));
  EXPECT_EQ(Colours(v), (std::vector<COLORREF>{0xFF00}));
  v.AssignVariant(CSgVariant(1.0));  // not a colour: empty
  EXPECT_EQ(v.GetSize(), 0u);

  CSgVariant array;
  CreateArrayVariant1D(&array, VT_I4, 2);
  static_cast<LONG*>(array.parray->pvData)[0] = 0xFF;
  static_cast<LONG*>(array.parray->pvData)[1] = 0xFF0000;
  v.AssignVariant(array);
  EXPECT_EQ(Colours(v), (std::vector<COLORREF>{0xFF, 0xFF0000}));
  EXPECT_EQ(array.parray->cLocks, 0u);
  CSgVariant doubles;
  CreateArrayVariant1D(&doubles, VT_R8, 2);
  v.AssignVariant(doubles);
  EXPECT_EQ(v.GetSize(), 0u);
  EXPECT_EQ(doubles.parray->cLocks, 0u);

  const CSgColor list[] = {kRed, kBlue};
  CSgVariant out(CSgColorVector(2, list));
  ASSERT_EQ(out.vt, VT_ARRAY | VT_I4);
  EXPECT_EQ(static_cast<LONG*>(out.parray->pvData)[1], 0xFF0000);
  CSgVariant empty(CSgColorVector{});
  ASSERT_EQ(empty.vt, VT_ARRAY | VT_I4);
  EXPECT_EQ(empty.parray->rgsabound[0].cElements, 0u);
}

TEST(ColorVector, ArchiveForm) {
  CSgColorVector empty;
  EXPECT_EQ(Stored(empty), Words({0, 8, 0}));
  const CSgColor list[] = {kRed, CSgColor(0x00123456u)};
  CSgColorVector two(2, list);
  const std::vector<BYTE> bytes = Stored(two);
  EXPECT_EQ(bytes, Words({0, 8, 2, 0, 0xFF, 0, 0x00123456u}));
  CSgColorVector back;
  EXPECT_EQ(LoadCause(back, bytes), 0);
  EXPECT_TRUE(back == two);

  CSgColorVector kept(1, kGreen);
  EXPECT_EQ(LoadCause(kept, Words({1, 8, 0})), CArchiveException::badSchema);
  EXPECT_EQ(LoadCause(kept, Words({0, 4, 0})), CArchiveException::badClass);
  EXPECT_EQ(LoadCause(kept, Words({0, 8, 1, 1, 0xFF})),
            CArchiveException::badSchema);  // a colour's own version
  EXPECT_EQ(LoadCause(kept, Words({0, 8, 2, 0, 0xFF})), CArchiveException::endOfFile);
  EXPECT_EQ(Colours(kept), (std::vector<COLORREF>{0xFF00}));

  EXPECT_STREQ(CSgColorVector::GetThisClass()->m_lpszClassName, "CSgColorVector");
  EXPECT_EQ(CRuntimeClass::FromName("CSgColorVector"), CSgColorVector::GetThisClass());
  EXPECT_EQ(two.GetRuntimeClass(), CSgColorVector::GetThisClass());
}

}  // namespace
