#include "VectorTestSupport.h"

#include <algorithm>
#include <climits>

namespace {

using namespace SG;
using DV = CSgScalarVector<double>;
using FV = CSgScalarVector<float>;

TEST(VectorStorage, ConstructorsAndElementSizes) {
  EXPECT_EQ(DV().GetSize(), 0u);
  EXPECT_EQ(DV().GetData(), nullptr);
  EXPECT_EQ(Items(DV(3)), (std::vector<double>{0, 0, 0}));
  EXPECT_EQ(Items(DV(2, 1.5)), (std::vector<double>{1.5, 1.5}));
  const double values[] = {4, 5};
  EXPECT_EQ(Items(DV(2, values)), (std::vector<double>{4, 5}));
  EXPECT_EQ(CSgScalarVector<char>(3).GetByteSize(), 3u);
  EXPECT_EQ(CSgScalarVector<unsigned short>(3).GetByteSize(), 6u);
  EXPECT_EQ(CSgScalarVector<Long32>(3).GetByteSize(), 12u);
  EXPECT_EQ(FV(3).GetByteSize(), 12u);
  EXPECT_EQ(DV(3).GetByteSize(), 24u);
  EXPECT_EQ(DV().GetByteSize(), 0u);
}

TEST(VectorStorage, CopiesOwnTheirElementsAndLocks) {
  DV a = Vec({1.0, 2.0});
  DV b(a);
  EXPECT_NE(a.GetMutexHandle(), b.GetMutexHandle());
  EXPECT_NE(a.GetData(), b.GetData());
  b[0] = 9;
  EXPECT_EQ(a[0], 1.0);
  DV big(10);
  big = Vec({7.0, 8.0, 9.0});
  EXPECT_EQ(Items(big), (std::vector<double>{7, 8, 9}));
  const HANDLE lock = big.GetMutexHandle();
  big = big;  // self-assignment changes nothing
  EXPECT_EQ(Items(big), (std::vector<double>{7, 8, 9}));
  EXPECT_EQ(big.GetMutexHandle(), lock);
}

// Moves and swaps hand the element array over without copying; each object
// keeps its own lock, and the source of a move is left empty.
TEST(VectorStorage, MovesAndSwapsHandOverTheArray) {
  FV a = Vec({1.0f, 2.0f, 3.0f});
  const float* array = a.GetData();
  const HANDLE lockA = a.GetMutexHandle();
  FV b(std::move(a));
  EXPECT_EQ(b.GetData(), array);
  EXPECT_EQ(Items(b), (std::vector<float>{1, 2, 3}));
  EXPECT_EQ(a.GetSize(), 0u);
  EXPECT_EQ(a.GetData(), nullptr);
  EXPECT_EQ(a.GetMutexHandle(), lockA);
  EXPECT_NE(b.GetMutexHandle(), lockA);

  FV c = Vec({9.0f});
  c = std::move(b);
  EXPECT_EQ(c.GetData(), array);
  EXPECT_EQ(b.GetSize(), 0u);
  FV& same = c;
  c = std::move(same);  // self-move keeps the elements
  EXPECT_EQ(Items(c), (std::vector<float>{1, 2, 3}));

  FV d = Vec({5.0f, 6.0f});
  c.Swap(d);
  EXPECT_EQ(Items(c), (std::vector<float>{5, 6}));
  EXPECT_EQ(Items(d), (std::vector<float>{1, 2, 3}));
  EXPECT_EQ(d.GetData(), array);
  FV empty;
  d.Swap(empty);
  EXPECT_EQ(d.GetSize(), 0u);
  EXPECT_EQ(d.GetData(), nullptr);
  EXPECT_EQ(Items(empty), (std::vector<float>{1, 2, 3}));
}

TEST(VectorStorage, EveryLockableObjectOwnsItsLock) {
  CSgGenericLockableDataObject a;
  CSgGenericLockableDataObject b(a);
  EXPECT_NE(a.GetMutexHandle(), b.GetMutexHandle());
  auto* first = new DV(3);
  DV second(*first);
  const HANDLE kept = second.GetMutexHandle();
  delete first;  // the copy keeps its own
  EXPECT_EQ(second.GetMutexHandle(), kept);
  EXPECT_EQ(second.GetSize(), 3u);
}

TEST(VectorStorage, ElementAccessBounds) {
  DV v = Vec({1.0, 2.0, 3.0, 4.0});
  EXPECT_EQ(v[3], 4.0);
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { v[10] = 0; }),
            "Invalid vector access: index = 10. Vector size is 4.");
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { v[4u] = 0; }),
            "Invalid vector access: index = 4. Vector size is 4.");
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { v[-1] = 0; }),
            "Invalid vector access: index value cannot be negative.");
  const DV& c = v;
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { (void)c[-1]; }),
            "Invalid vector access: index value cannot be negative.");
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { (void)c[4]; }),
            "Invalid vector access: index = 4. Vector size is 4.");
  DV empty;
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { empty[0] = 1; }),
            "Invalid vector access: index = 0. Vector size is 0.");
  EXPECT_EQ(Items(v), (std::vector<double>{1, 2, 3, 4}));  // unchanged
}

TEST(VectorStorage, SetSizeKeepsArrayOnlyForTheSameCount) {
  FV v = Vec({1.0f, 2.0f, 3.0f, 4.0f, 5.0f});
  const float* array = v.GetData();
  v.SetSize(5, TRUE);
  EXPECT_EQ(Items(v), (std::vector<float>{1, 2, 3, 4, 5}));
  v.SetSize(5, FALSE);
  EXPECT_EQ(v.GetData(), array);
  EXPECT_EQ(Items(v), (std::vector<float>(5, 0.0f)));
  v.SetSize(6, TRUE);
  EXPECT_EQ(v.GetSize(), 6u);
  v.SetSize(0, FALSE);
  EXPECT_EQ(v.GetSize(), 0u);
  EXPECT_EQ(v.GetData(), nullptr);
  CSgScalarVector<short> other(7);
  v.SetSizeLike(other, FALSE);
  EXPECT_EQ(v.GetSize(), 7u);
}

TEST(VectorStorage, ResizeKeepsTheCommonPart) {
  DV v = Vec({1.0, 2.0, 3.0});
  v.Resize(8, FALSE);
  EXPECT_EQ(Items(v), (std::vector<double>{1, 2, 3, 0, 0, 0, 0, 0}));
  v.Resize(2, TRUE);
  EXPECT_EQ(Items(v), (std::vector<double>{1, 2}));
  const double* array = v.GetData();
  v.Resize(2, FALSE);  // same count: nothing at all, not even zeroing
  EXPECT_EQ(v.GetData(), array);
  EXPECT_EQ(Items(v), (std::vector<double>{1, 2}));
  v.Resize(0, FALSE);
  EXPECT_EQ(v.GetData(), nullptr);
  EXPECT_EQ(v.GetSize(), 0u);
}

// Zero-filled arrays come zeroed from the allocator, small ones and those
// large enough for huge pages alike; memory just freed dirty must still
// come back as zeros.
TEST(VectorStorage, FreshArraysAreZeroAfterDirtyMemoryWasFreed) {
  for (const unsigned int n : {1000u, 1u << 20}) {
    { DV dirty(n, 7.0); }
    DV fresh(n);
    EXPECT_EQ(std::count(fresh.GetData(), fresh.GetData() + n, 0.0), n) << n;
    fresh.Fill(5.0);
    fresh.SetSize(n / 2, FALSE);
    EXPECT_EQ(std::count(fresh.GetData(), fresh.GetData() + n / 2, 0.0), n / 2) << n;
    fresh.Fill(3.0);
    fresh.Resize(n, FALSE);
    EXPECT_EQ(std::count(fresh.GetData(), fresh.GetData() + n / 2, 3.0), n / 2) << n;
    EXPECT_EQ(std::count(fresh.GetData() + n / 2, fresh.GetData() + n, 0.0), n - n / 2) << n;
  }
}

TEST(VectorStorage, ShiftReverseFill) {
  struct Row {
    int n;
    std::vector<double> expected;
  };
  const Row rows[] = {{2, {0, 0, 1, 2, 3}},  {-2, {3, 4, 5, 0, 0}}, {9, {0, 0, 0, 0, 0}},
                      {-9, {0, 0, 0, 0, 0}}, {0, {1, 2, 3, 4, 5}},  {INT_MIN, {0, 0, 0, 0, 0}}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.n);
    DV v = Vec({1.0, 2.0, 3.0, 4.0, 5.0});
    v.Shift(row.n);
    EXPECT_EQ(Items(v), row.expected);
  }
  DV v = Vec({1.0, 2.0, 3.0, 4.0, 5.0});
  v.Reverse();
  EXPECT_EQ(Items(v), (std::vector<double>{5, 4, 3, 2, 1}));
  DV one = Vec({7.0});
  one.Reverse();
  EXPECT_EQ(Items(one), (std::vector<double>{7}));
  DV none;
  none.Reverse();
  none.Shift(3);
  EXPECT_EQ(none.GetSize(), 0u);
  v.Fill(2.5);
  EXPECT_EQ(Items(v), (std::vector<double>(5, 2.5)));
}

TEST(VectorStorage, AppendAndSubset) {
  DV v;
  v.Append(7.5);
  EXPECT_EQ(Items(v), (std::vector<double>{7.5}));
  v.Append(Vec({1.0, 2.0}));
  EXPECT_EQ(Items(v), (std::vector<double>{7.5, 1, 2}));
  v.Append(v);  // appending a vector to itself doubles it
  EXPECT_EQ(Items(v), (std::vector<double>{7.5, 1, 2, 7.5, 1, 2}));
  v.Append(DV());
  EXPECT_EQ(v.GetSize(), 6u);
  v.Append(v[0]);  // an element of the vector itself
  EXPECT_EQ(v[6], 7.5);

  struct Row {
    unsigned int start;
    int length;
    std::vector<double> expected;
  };
  const Row rows[] = {{2, 2, {3, 4}}, {2, -1, {3, 4, 5}}, {4, 10, {5}}, {7, 1, {}}, {0, 0, {}}};
  const DV source = Vec({1.0, 2.0, 3.0, 4.0, 5.0});
  for (const Row& row : rows) {
    SCOPED_TRACE(row.start);
    EXPECT_EQ(Items(source.Subset(row.start, row.length)), row.expected);
  }
}

TEST(VectorStorage, ConvertingConstructors) {
  const FV f = Vec({1.5f, -2.25f});
  const DV d(f);
  EXPECT_EQ(Items(d), (std::vector<double>{1.5, -2.25}));
  const FV narrowed(Vec({0.1, 1e300}));
  EXPECT_EQ(narrowed[0], 0.1f);
  EXPECT_TRUE(std::isinf(narrowed[1]));
  EXPECT_EQ(DV(FV()).GetSize(), 0u);
}

TEST(VectorStorage, MinVectorSize) {
  EXPECT_EQ(MinVectorSize(DV(5), DV(3)), 3u);
  EXPECT_EQ(MinVectorSize(DV(3), DV(5)), 3u);
  EXPECT_EQ(MinVectorSize(DV(), DV()), 0u);
}

TEST(VectorStorage, AllTenElementTypesInstantiate) {
  CSgScalarVector<char> c(2, 'a');
  CSgScalarVector<unsigned char> uc(2);
  CSgScalarVector<short> s(2);
  CSgScalarVector<unsigned short> us(2);
  CSgScalarVector<Long32> l(2);
  CSgScalarVector<ULong32> ul(2);
  CSgScalarVector<int> i(2);
  CSgScalarVector<unsigned int> ui(2);
  EXPECT_EQ(c.Subset(1, 1)[0], 'a');
  EXPECT_EQ(uc.GetElementSize() + s.GetElementSize() + us.GetElementSize(), 5u);
  EXPECT_EQ(l.GetElementSize() + ul.GetElementSize() + i.GetElementSize() + ui.GetElementSize(),
            16u);
  EXPECT_EQ(CSgDataType<char>::GetVarType(), VT_I1);
  EXPECT_EQ(CSgDataType<unsigned char>::GetVarType(), VT_UI1);
  EXPECT_EQ(CSgDataType<short>::GetVarType(), VT_I2);
  EXPECT_EQ(CSgDataType<unsigned short>::GetVarType(), VT_UI2);
  EXPECT_EQ(CSgDataType<Long32>::GetVarType(), VT_I4);
  EXPECT_EQ(CSgDataType<ULong32>::GetVarType(), VT_UI4);
  EXPECT_EQ(CSgDataType<int>::GetVarType(), VT_I4);
  EXPECT_EQ(CSgDataType<unsigned int>::GetVarType(), VT_UI4);
  EXPECT_EQ(CSgDataType<float>::GetVarType(), VT_R4);
  EXPECT_EQ(CSgDataType<double>::GetVarType(), VT_R8);
}

}  // namespace
