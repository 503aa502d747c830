#include "containers/CSgColorVector.h"
#include "containers/CSgDataProxy.h"
#include "containers/CSgVariant.h"
#include "containers/SgArrayVariant.h"

#include "VectorTestSupport.h"

namespace {

using namespace SG;

CSgVariant Scalar(VARTYPE vt, LONGLONG bits) {
  VARIANT v;
  VariantInit(&v);
  v.vt = vt;
  v.llVal = bits;
  return CSgVariant(v);
}

// A VT_ARRAY|vt variant over the given values.
template <class E>
CSgVariant ArrayOf(VARTYPE vt, std::initializer_list<E> values) {
  CSgVariant v;
  CreateArrayVariant1D(&v, vt, static_cast<unsigned int>(values.size()));
  std::copy(values.begin(), values.end(), static_cast<E*>(v.parray->pvData));
  return v;
}

TEST(VectorExchange, AssignVariantScalarsTextAndOthers) {
  CSgScalarVector<int> ints(5);
  ints.AssignVariant(CSgVariant(2.7));
  EXPECT_EQ(Items(ints), (std::vector<int>{2}));
  ints.AssignVariant(CSgVariant(-2.7));
  EXPECT_EQ(Items(ints), (std::vector<int>{-2}));
  CSgScalarVector<float> floats;
  floats.AssignVariant(CSgVariant(true));
  EXPECT_EQ(Items(floats), (std::vector<float>{-1.0f}));  // the 16-bit content of true
  CSgScalarVector<unsigned char> bytes;
  bytes.AssignVariant(Scalar(VT_I4, 300));
  EXPECT_EQ(Items(bytes), (std::vector<unsigned char>{44}));
  floats.AssignVariant(CSgVariant("1.5"));  // a text gives an empty vector
  EXPECT_EQ(floats.GetSize(), 0u);
  floats = Vec({1.0f});
  floats.AssignVariant(CSgVariant());  // VT_EMPTY goes through the array path
  EXPECT_EQ(floats.GetSize(), 0u);

  short value = 9;
  VARIANT ref;
  VariantInit(&ref);
  ref.vt = VT_I2 | VT_BYREF;
  ref.piVal = &value;
  ints.AssignVariant(CSgVariant(&ref));
  EXPECT_EQ(Items(ints), (std::vector<int>{9}));
  EXPECT_EQ(Items(CSgScalarVector<double>(CSgVariant(4.0))), (std::vector<double>{4.0}));
}

TEST(VectorExchange, AssignArrays) {
  CSgScalarVector<short> shorts;
  shorts.AssignVariant(ArrayOf<double>(VT_R8, {1.5, 2.5, 3.5}));
  EXPECT_EQ(Items(shorts), (std::vector<short>{1, 2, 3}));
  shorts.AssignVariant(ArrayOf<VARIANT_BOOL>(VT_BOOL, {-1, 0}));
  EXPECT_EQ(Items(shorts), (std::vector<short>{-1, 0}));
  CSgVariant variants;
  CreateArrayVariant1D(&variants, VT_I4, 2);
  variants.vt = VT_ARRAY | VT_VARIANT;  // announced as VARIANTs, holding 4-byte elements
  shorts.AssignVariant(variants);
  EXPECT_EQ(shorts.GetSize(), 0u);
  variants.vt = VT_ARRAY | VT_R8;  // announced as doubles: refused, never over-read
  shorts.AssignVariant(variants);
  EXPECT_EQ(shorts.GetSize(), 0u);
  variants.vt = VT_ARRAY | VT_I4;
  shorts.AssignVariant(variants);
  EXPECT_EQ(shorts.GetSize(), 2u);
  EXPECT_EQ(variants.parray->cLocks, 0u);  // read or refused, the array is unlocked

  // By reference: the array its pointer designates.
  VARIANT byRef;
  VariantInit(&byRef);
  byRef.vt = VT_ARRAY | VT_I4 | VT_BYREF;
  byRef.pparray = &variants.parray;
  shorts.AssignVariant(CSgVariant(byRef));
  EXPECT_EQ(shorts.GetSize(), 2u);
  EXPECT_EQ(variants.parray->cLocks, 0u);
}

// A vector takes the length of a multi-dimensional array's first bounds
// entry (its last dimension), and never more than the array holds: an empty
// dimension elsewhere leaves nothing to read.
struct ShapeCase {
  ULONG rows, cols;
  unsigned int expected;
};

void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.rows << "x" << c.cols; }

class ArrayShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ArrayShapes, VectorsReadOnlyWhatTheArrayHolds) {
  const ShapeCase& c = GetParam();
  SAFEARRAYBOUND bounds[] = {{c.rows, 0}, {c.cols, 0}};
  CSgVariant v;
  v.parray = SafeArrayCreate(VT_I4, 2, bounds);
  ASSERT_NE(v.parray, nullptr);
  v.vt = VT_ARRAY | VT_I4;
  auto* data = static_cast<LONG*>(v.parray->pvData);
  for (ULONG i = 0; i < c.rows * c.cols; ++i) data[i] = static_cast<LONG>(i + 1);
  CSgScalarVector<double> doubles(Vec({7.0}));
  doubles.AssignVariant(v);
  CSgColorVector colours(1);
  colours.AssignVariant(v);
  ASSERT_EQ(doubles.GetSize(), c.expected);
  ASSERT_EQ(colours.GetSize(), c.expected);
  for (unsigned int i = 0; i < c.expected; ++i) {
    EXPECT_EQ(doubles[i], i + 1.0);
    EXPECT_EQ(colours[i].GetColorRef(), i + 1);
  }
  EXPECT_EQ(v.parray->cLocks, 0u);
}

INSTANTIATE_TEST_SUITE_P(Table, ArrayShapes,
                         ::testing::Values(ShapeCase{2, 3, 3}, ShapeCase{1, 1, 1},
                                           ShapeCase{0, 1000, 0}, ShapeCase{0, 0xFFFFFFFFu, 0},
                                           ShapeCase{1000, 0, 0}));

TEST(VectorExchange, CopyToVariantRoundTrip) {
  const CSgScalarVector<float> source = Vec({1.0f, 2.0f});
  CSgVariant v(source);
  ASSERT_EQ(v.vt, VT_ARRAY | VT_R4);
  EXPECT_EQ(v.parray->rgsabound[0].cElements, 2u);
  EXPECT_EQ(v.parray->rgsabound[0].lLbound, 0);
  EXPECT_EQ(v.parray->cLocks, 0u);
  CSgScalarVector<float> back;
  back.AssignVariant(v);
  EXPECT_EQ(Items(back), (std::vector<float>{1.0f, 2.0f}));

  CSgVariant empty(CSgScalarVector<int>{});
  ASSERT_EQ(empty.vt, VT_ARRAY | VT_I4);
  EXPECT_EQ(empty.parray->rgsabound[0].cElements, 0u);
  CSgVariant assigned;
  assigned = CSgScalarVector<unsigned char>(3);
  EXPECT_EQ(assigned.vt, VT_ARRAY | VT_UI1);
}

// A proxy as the analysis services make one for each input vector.
struct InputProxy : CSgDataProxy {
  explicit InputProxy(const CSgVector& v, bool copy = false) {
    copyRequired = copy;
    v.ProvideDoubleData(*this);
  }
};

TEST(VectorExchange, DoubleDataIsLentOrConverted) {
  const CSgScalarVector<double> d = Vec({1.0, 2.0});
  {
    InputProxy p(d);
    EXPECT_EQ(p.data, d.GetData());
    EXPECT_FALSE(p.ownsData);
    EXPECT_EQ(p.count2, 2u);
    EXPECT_EQ(p.byteLength, 16u);
  }
  {
    InputProxy p(d, true);  // a copy required: owned
    EXPECT_NE(p.data, d.GetData());
    EXPECT_TRUE(p.ownsData);
    EXPECT_EQ(static_cast<double*>(p.data)[1], 2.0);
  }
  const CSgScalarVector<float> f = Vec({1.5f, -2.0f});
  InputProxy p(f);
  EXPECT_TRUE(p.ownsData);
  EXPECT_EQ(static_cast<double*>(p.data)[0], 1.5);
  EXPECT_EQ(static_cast<double*>(p.data)[1], -2.0);
  // Freed by the proxy (ASan reports a leak or a mismatched delete otherwise).
}

TEST(VectorExchange, ProxySlots) {
  CSgScalarVector<int> v = Vec({3, -4});
  {
    CSgDataProxy complex;
    v.ProvideComplexData(complex);
    EXPECT_EQ(complex.elementSize, 16u);
    const double* pairs = static_cast<double*>(complex.data);
    EXPECT_EQ(pairs[0], 3.0);
    EXPECT_EQ(pairs[1], 0.0);
    EXPECT_EQ(pairs[2], -4.0);
    CSgScalarVector<short> target;
    target.AssignFromComplexData(complex);
    EXPECT_EQ(Items(target), (std::vector<short>{3, -4}));
  }
  {
    CSgDataProxy raw;
    v.ProvideRawData(raw);
    EXPECT_EQ(raw.data, v.GetData());
    EXPECT_EQ(raw.elementSize, 4u);
    CSgDataProxy out;
    v.ProvideOutputBuffer(out);
    EXPECT_TRUE(out.ownsData);
    EXPECT_EQ(out.byteLength, 8u);
    CSgDataProxy rawOut;
    v.ProvideRawOutputBuffer(rawOut);
    EXPECT_EQ(rawOut.data, v.GetData());
  }
  {
    CSgDataProxy doubles;
    v.ProvideDoubleOutputBuffer(doubles);  // not a double vector: a fresh buffer
    EXPECT_TRUE(doubles.ownsData);
    static_cast<double*>(doubles.data)[0] = 7.9;
    static_cast<double*>(doubles.data)[1] = -7.9;
    v.AssignFromDoubleData(doubles);
    EXPECT_EQ(Items(v), (std::vector<int>{7, -7}));
  }
  {
    CSgScalarVector<double> d = Vec({1.0, 2.0, 3.0});
    CSgDataProxy lent;
    d.ProvideDoubleOutputBuffer(lent);
    EXPECT_EQ(lent.data, d.GetData());
    static_cast<double*>(lent.data)[0] = 5.0;  // written in place
    d.AssignFromDoubleData(lent);
    EXPECT_EQ(Items(d), (std::vector<double>{5, 2, 3}));
    lent.count2 = 5;
    d.ResizeToData(lent);
    EXPECT_EQ(Items(d), (std::vector<double>{5, 2, 3, 0, 0}));
    // A double buffer from elsewhere is copied, not dropped.
    CSgDataProxy foreign;
    foreign.SetBuffer(nullptr, 2, 8);
    static_cast<double*>(foreign.data)[1] = 8.0;
    d.AssignFromDoubleData(foreign);
    EXPECT_EQ(Items(d), (std::vector<double>{0, 8}));
  }
}

TEST(VectorExchange, BaseAndColourVectorsIgnoreProxies) {
  CSgDataProxy proxy;
  struct Plain : CSgVector {
    void* GetRawData() override { return nullptr; }
    const void* GetRawData() const override { return nullptr; }
    void SetSize(unsigned int, BOOL) override {}
    void SetSizeLike(const CSgVector&, BOOL) override {}
    void Resize(unsigned int, BOOL) override {}
    unsigned int GetElementSize() const override { return 1; }
    unsigned int GetByteSize() const override { return 0; }
    void CopyToVariant(CSgVariant&) const override {}
    void AssignVariant(const CSgVariant&) override {}
  } plain;
  plain.ProvideDoubleData(proxy);
  plain.AssignFromDoubleData(proxy);
  EXPECT_EQ(proxy.data, nullptr);
  EXPECT_EQ(proxy.count2, 0u);
}

}  // namespace

namespace {

TEST(DataProxy, BufferShapesAndOwnership) {
  SG::CSgDataProxy proxy;
  proxy.SetBuffer(nullptr, 3, 8);
  EXPECT_TRUE(proxy.ownsData);
  EXPECT_EQ(proxy.byteLength, 24u);
  EXPECT_EQ(static_cast<double*>(proxy.data)[2], 0.0);  // a fresh buffer is zeroed
  double lent[2] = {1, 2};
  proxy.SetBuffer(lent, 2, 8);  // the owned buffer is freed first
  EXPECT_FALSE(proxy.ownsData);
  EXPECT_EQ(proxy.data, lent);
  proxy.copyRequired = true;
  proxy.SetData(lent, 2, 8, FALSE);
  EXPECT_TRUE(proxy.ownsData);
  EXPECT_NE(proxy.data, lent);
  EXPECT_EQ(static_cast<double*>(proxy.data)[1], 2.0);
  proxy.SetData(new unsigned char[4](), 1, 4, TRUE);
  EXPECT_TRUE(proxy.ownsData);
  try {
    proxy.SetBuffer(nullptr, 0x20000000u, 16);  // 8 GiB: not describable
    ADD_FAILURE();
  } catch (CMemoryException* e) {
    e->Delete();
  }
  proxy.ReleaseData();
  EXPECT_EQ(proxy.data, nullptr);
}

TEST(DataProxy, ByteLengthLimit) {
  struct Row {
    unsigned int count, elementSize;
    bool fits;
  };
  for (const Row& r :
       {Row{0x1FFFFFFFu, 8, true}, Row{0x20000000u, 8, false}, Row{0xFFFFFFFFu, 1, true},
        Row{0x80000000u, 2, false}, Row{0xFFFFFFFFu, 0, true}, Row{0x0FFFFFFFu, 16, true},
        Row{0x10000000u, 16, false}}) {
    SG::CSgDataProxy proxy;
    bool threw = false;
    try {
      proxy.SetSize(r.count, r.elementSize);
    } catch (CMemoryException* e) {
      e->Delete();
      threw = true;
    }
    EXPECT_EQ(threw, !r.fits) << r.count << " x " << r.elementSize;
    if (r.fits) EXPECT_EQ(proxy.byteLength, r.count * r.elementSize);
  }
}

TEST(DataProxy, TakeOverMovesDataAndOwnership) {
  SG::CSgDataProxy owner, taker;
  owner.SetBuffer(nullptr, 2, 8);
  void* const owned = owner.data;
  double lent[1] = {3};
  taker.SetBuffer(lent, 1, 8);
  taker.TakeOver(owner);
  EXPECT_EQ(taker.data, owned);
  EXPECT_TRUE(taker.ownsData);
  EXPECT_EQ(taker.count2, 2u);
  EXPECT_EQ(taker.byteLength, 16u);
  EXPECT_EQ(owner.data, nullptr);
  EXPECT_FALSE(owner.ownsData);
  SG::CSgDataProxy other;
  other.TakeOver(taker);  // frees nothing twice: only other owns the buffer now
  EXPECT_EQ(other.data, owned);
  other.SetBuffer(lent, 1, 8);  // the owned buffer is freed here, once
  taker.TakeOver(other);
  EXPECT_EQ(taker.data, lent);
  EXPECT_FALSE(taker.ownsData);
}

}  // namespace
