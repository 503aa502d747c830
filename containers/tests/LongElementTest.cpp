// The long rows hold their own 32-bit type: distinct classes from the int
// rows, yet every value behaves exactly as the 32-bit integer.
#include "containers/CSgTextStream.h"
#include "containers/CSgVariant.h"
#include "containers/SgElementArithmetic.h"
#include "containers/SgElementConvert.h"
#include "containers/SgScalarFormat.h"

#include "ArchiveTestSupport.h"
#include "VectorTestSupport.h"

#include <cstdint>
#include <limits>
#include <string>

namespace {

using namespace SG;

static_assert(sizeof(Long32) == 4 && sizeof(ULong32) == 4);
static_assert(std::is_trivially_copyable_v<Long32> && std::is_trivially_copyable_v<ULong32>);
static_assert(!std::is_same_v<Long32, int> && !std::is_same_v<ULong32, unsigned int>);

template <class Long, class Int>
struct Row {
  using L = Long;
  using I = Int;
  const char* longName;
  const char* intName;
  VARTYPE vt;
};

TEST(LongElement, VectorClassesAreDistinctFromTheIntRows) {
  const auto check = [](auto row) {
    using L = typename decltype(row)::L;
    using I = typename decltype(row)::I;
    SCOPED_TRACE(row.longName);
    CSgScalarVector<L> longs(2);
    CSgScalarVector<I> ints(2);
    EXPECT_STREQ(longs.GetRuntimeClass()->m_lpszClassName, row.longName);
    EXPECT_STREQ(ints.GetRuntimeClass()->m_lpszClassName, row.intName);
    EXPECT_EQ(CRuntimeClass::FromName(row.longName), CSgScalarVector<L>::GetThisClass());
    EXPECT_TRUE(longs.IsKindOf(CSgScalarVector<L>::GetThisClass()));
    EXPECT_FALSE(longs.IsKindOf(CSgScalarVector<I>::GetThisClass()));
    EXPECT_FALSE(ints.IsKindOf(CSgScalarVector<L>::GetThisClass()));
    EXPECT_EQ(CSgScalarVector<L>::GetThisClass()->GetBaseClass(), RUNTIME_CLASS(CObject));
    EXPECT_EQ(CSgDataType<L>::GetVarType(), row.vt);
    EXPECT_EQ(longs.GetElementSize(), 4u);

    CObject* created = CRuntimeClass::FromName(row.longName)->CreateObject();
    EXPECT_TRUE(created->IsKindOf(CSgScalarVector<L>::GetThisClass()));
    delete created;
  };
  check(Row<Long32, int>{"CSgInt32ScalarVector", "CSgIntScalarVector", VT_I4});
  check(Row<ULong32, unsigned int>{"CSgUInt32ScalarVector", "CSgUIntScalarVector", VT_UI4});
}

TEST(LongElement, ArchiveWritesAndReadsTheLongName) {
  const auto check = [](auto row) {
    using L = typename decltype(row)::L;
    SCOPED_TRACE(row.longName);
    CSgScalarVector<L> source = Vec<L>({L(-1), L(7), std::numeric_limits<L>::min()});
    CMemFile file;
    {
      CArchive archive(&file, CArchive::store);
      archive.WriteObject(&source);
      archive.Close();
    }
    const std::vector<BYTE> bytes = file.GetContents();
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find(row.longName), std::string::npos);
    EXPECT_EQ(text.find(row.intName), std::string::npos);

    CMemFile in(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive archive(&in, CArchive::load);
    CObject* loaded = archive.ReadObject(nullptr);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetRuntimeClass(), CSgScalarVector<L>::GetThisClass());
    EXPECT_EQ(Items(*static_cast<CSgScalarVector<L>*>(loaded)), Items(source));
    delete loaded;

    // The elements are stored as the 32-bit integers the int row stores.
    using I = typename decltype(row)::I;
    CSgScalarVector<I> same = Vec<I>({I(-1), I(7), std::numeric_limits<I>::min()});
    EXPECT_EQ(Stored(source), Stored(same));
  };
  check(Row<Long32, int>{"CSgInt32ScalarVector", "CSgIntScalarVector", VT_I4});
  check(Row<ULong32, unsigned int>{"CSgUInt32ScalarVector", "CSgUIntScalarVector", VT_UI4});
}

// Every operation gives, bit for bit, what the 32-bit integer gives.
template <class L, class I>
void ExpectBehavesAs(std::initializer_list<I> values) {
  for (I a : values) {
    SCOPED_TRACE(std::to_string(a));
    EXPECT_EQ(I(Arith::Neg(L(a))), Arith::Neg(a));
    EXPECT_EQ(I(Arith::Abs(L(a))), Arith::Abs(a));
    EXPECT_EQ(FormatScalar(L(a)), FormatScalar(a));
    L scanned{};
    int consumed = 0;
    const std::string text = FormatScalar(a);
    ASSERT_TRUE(ScanScalar((" " + text + "x").c_str(), &scanned, &consumed));
    EXPECT_EQ(I(scanned), a);
    EXPECT_EQ(consumed, static_cast<int>(text.size()) + 1);
    EXPECT_EQ(I(ConvertElement<L>(static_cast<double>(a))), a);
    for (I b : values) {
      EXPECT_EQ(I(Arith::Add(L(a), L(b))), Arith::Add(a, b));
      EXPECT_EQ(I(Arith::Sub(L(a), L(b))), Arith::Sub(a, b));
      EXPECT_EQ(I(Arith::Mul(L(a), L(b))), Arith::Mul(a, b));
      EXPECT_EQ(I(Arith::Div(L(a), L(b))), Arith::Div(a, b));
      EXPECT_EQ(L(a) < L(b), a < b);
      EXPECT_EQ(L(a) == L(b), a == b);
    }
  }
}

TEST(LongElement, ArithmeticFormatAndParseMatchThe32BitIntegers) {
  constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  ExpectBehavesAs<Long32, int>({0, 1, -1, 7, -7, 65536, kMin, kMax, kMin + 1});
  ExpectBehavesAs<ULong32, unsigned int>({0u, 1u, 7u, 65536u, 0x80000000u, 0xFFFFFFFFu});
  // The rules the integers already follow.
  EXPECT_EQ(int(Arith::Div(Long32(5), Long32(0))), 0);
  EXPECT_EQ(int(Arith::Div(Long32(kMin), Long32(-1))), kMin);
  EXPECT_EQ(int(Arith::Add(Long32(kMax), Long32(1))), kMin);
  EXPECT_EQ(unsigned(Arith::Sub(ULong32(0u), ULong32(1u))), 0xFFFFFFFFu);
  EXPECT_EQ(std::numeric_limits<Long32>::min(), Long32(kMin));
  EXPECT_EQ(std::numeric_limits<ULong32>::max(), ULong32(0xFFFFFFFFu));
  // Out of range and NaN floating values give 0, as for int.
  EXPECT_EQ(int(ConvertElement<Long32>(1e300)), ConvertElement<int>(1e300));
  EXPECT_EQ(int(ConvertElement<Long32>(std::numeric_limits<double>::quiet_NaN())), 0);
  EXPECT_EQ(int(ConvertElement<Long32>(-2.9)), -2);
  EXPECT_EQ(unsigned(ConvertElement<ULong32>(4294967295.0)), 4294967295u);
  Long32 unread = 4;
  int consumed = 0;
  EXPECT_FALSE(ScanScalar("x1", &unread, &consumed));
  EXPECT_EQ(int(unread), 4);
}

TEST(LongElement, VectorArithmeticWrapsAsInt) {
  constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  const CSgScalarVector<Long32> a = Vec<Long32>({kMax, kMin, 9});
  const CSgScalarVector<Long32> b = Vec<Long32>({1, -1, 0});
  EXPECT_EQ(Items(a + b), (std::vector<Long32>{kMin, kMax, 9}));
  EXPECT_EQ(Items(a / b), (std::vector<Long32>{kMax, kMin, 0}));
  EXPECT_EQ(Items(-a), (std::vector<Long32>{-kMax, kMin, -9}));
}

TEST(LongElement, VariantExchangeAsI4AndUI4) {
  const CSgScalarVector<Long32> longs = Vec<Long32>({-5, 2147483647});
  CSgVariant v(longs);
  ASSERT_EQ(v.vt, VT_ARRAY | VT_I4);
  EXPECT_EQ(static_cast<const LONG*>(v.parray->pvData)[0], -5);
  CSgScalarVector<Long32> back;
  back.AssignVariant(v);
  EXPECT_EQ(Items(back), Items(longs));
  CSgScalarVector<int> ints;
  ints.AssignVariant(v);
  EXPECT_EQ(Items(ints), (std::vector<int>{-5, 2147483647}));

  const CSgScalarVector<ULong32> ulongs = Vec<ULong32>({0xFFFFFFFFu, 3u});
  CSgVariant u(ulongs);
  ASSERT_EQ(u.vt, VT_ARRAY | VT_UI4);
  CSgScalarVector<ULong32> uback;
  uback.AssignVariant(u);
  EXPECT_EQ(Items(uback), Items(ulongs));
  back.AssignVariant(CSgVariant(-2.7));
  EXPECT_EQ(Items(back), (std::vector<Long32>{-2}));
}

TEST(LongElement, TextStreamPrintsAndReadsAsTheInteger) {
  CSgTextStream out;
  out << Long32(-12) << " " << ULong32(4000000000u);
  EXPECT_STREQ(static_cast<const char*>(out.GetText()), "-12 4000000000");
}

}  // namespace
