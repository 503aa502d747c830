#include "ArchiveTestSupport.h"
#include "VectorTestSupport.h"

namespace {

using namespace SG;
using Bytes = std::vector<BYTE>;

TEST(VectorArchive, StoredLayout) {
  CSgScalarVector<float> empty;
  EXPECT_EQ(Stored(empty), Words({0, 4, 0}));
  CSgScalarVector<double> one = Vec({1.0});
  Bytes expected = Words({0, 8, 1});
  for (BYTE b : {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F}) expected.push_back(b);
  EXPECT_EQ(Stored(one), expected);
  CSgScalarVector<short> shorts = Vec<short>({1, -1});
  Bytes shortBytes = Words({0, 2, 2});
  for (BYTE b : {0x01, 0x00, 0xFF, 0xFF}) shortBytes.push_back(b);
  EXPECT_EQ(Stored(shorts), shortBytes);
}

TEST(VectorArchive, RoundTripAndElementSizeCheck) {
  CSgScalarVector<short> shorts = Vec<short>({3, -4, 5});
  const Bytes bytes = Stored(shorts);
  CSgScalarVector<unsigned short> unsignedShorts;
  EXPECT_EQ(LoadCause(unsignedShorts, bytes), 0);
  EXPECT_EQ(Items(unsignedShorts), (std::vector<unsigned short>{3, 65532, 5}));
  CSgScalarVector<float> floats = Vec({1.0f});
  EXPECT_EQ(LoadCause(floats, bytes), CArchiveException::badClass);
  EXPECT_EQ(Items(floats), (std::vector<float>{1.0f}));  // unchanged

  // The same width reads the raw bit patterns.
  CSgScalarVector<float> source = Vec({1.0f});
  CSgScalarVector<int> ints;
  EXPECT_EQ(LoadCause(ints, Stored(source)), 0);
  EXPECT_EQ(Items(ints), (std::vector<int>{0x3F800000}));
}

TEST(VectorArchive, BadVersionFailsBeforeAnythingElse) {
  CSgScalarVector<double> v = Vec({2.0});
  EXPECT_EQ(LoadCause(v, Words({1, 8, 0})), CArchiveException::badSchema);
  EXPECT_EQ(LoadCause(v, Words({1})), CArchiveException::badSchema);
  EXPECT_EQ(Items(v), (std::vector<double>{2.0}));
}

TEST(VectorArchive, TruncatedOrOverlongCountLeavesTheVector) {
  CSgScalarVector<double> v = Vec({2.0, 3.0});
  Bytes truncated = Stored(v);
  truncated.resize(truncated.size() - 3);
  CSgScalarVector<double> target = Vec({9.0});
  EXPECT_EQ(LoadCause(target, truncated), CArchiveException::endOfFile);
  EXPECT_EQ(Items(target), (std::vector<double>{9.0}));

  // A count far beyond the data is refused at the data's real end, without
  // allocating what the count says (4 billion doubles).
  EXPECT_EQ(LoadCause(target, Words({0, 8, 0xFFFFFFFFu, 1, 2})), CArchiveException::endOfFile);
  EXPECT_EQ(Items(target), (std::vector<double>{9.0}));
  EXPECT_EQ(LoadCause(target, Words({0, 8})), CArchiveException::endOfFile);  // no count
}

TEST(VectorArchive, LargeVectorRoundTrip) {
  CSgScalarVector<float> big(300000);
  for (unsigned int i = 0; i < big.GetSize(); ++i) big.GetData()[i] = static_cast<float>(i);
  CSgScalarVector<float> back;
  EXPECT_EQ(LoadCause(back, Stored(big)), 0);
  EXPECT_EQ(Items(back), Items(big));
}

TEST(VectorArchive, RunTimeClassesByElementType) {
  const struct {
    CRuntimeClass* record;
    const char* name;
  } rows[] = {
      {CSgScalarVector<char>::GetThisClass(), "CSgInt8ScalarVector"},
      {CSgScalarVector<unsigned char>::GetThisClass(), "CSgUInt8ScalarVector"},
      {CSgScalarVector<short>::GetThisClass(), "CSgInt16ScalarVector"},
      {CSgScalarVector<unsigned short>::GetThisClass(), "CSgUInt16ScalarVector"},
      {CSgScalarVector<Long32>::GetThisClass(), "CSgInt32ScalarVector"},
      {CSgScalarVector<ULong32>::GetThisClass(), "CSgUInt32ScalarVector"},
      {CSgScalarVector<int>::GetThisClass(), "CSgIntScalarVector"},
      {CSgScalarVector<unsigned int>::GetThisClass(), "CSgUIntScalarVector"},
      {CSgScalarVector<float>::GetThisClass(), "CSgReal32ScalarVector"},
      {CSgScalarVector<double>::GetThisClass(), "CSgReal64ScalarVector"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_STREQ(row.record->m_lpszClassName, row.name);
    EXPECT_EQ(row.record->m_wSchema, 0u);
    EXPECT_EQ(CRuntimeClass::FromName(row.name), row.record);
    EXPECT_EQ(row.record->GetBaseClass(), RUNTIME_CLASS(CObject));
  }
  CSgScalarVector<double> d;
  EXPECT_EQ(d.GetRuntimeClass(), CSgScalarVector<double>::GetThisClass());
  CSgVectorT<double> plain;
  EXPECT_EQ(plain.GetRuntimeClass(), RUNTIME_CLASS(CObject));
}

TEST(VectorArchive, ObjectRoundTripThroughTheClassTag) {
  CSgScalarVector<short> source = Vec<short>({7, 8});
  CMemFile file;
  {
    CArchive archive(&file, CArchive::store);
    archive.WriteObject(&source);
    archive.Close();
  }
  CMemFile in(file.GetContents().data(), static_cast<UINT>(file.GetContents().size()));
  CArchive archive(&in, CArchive::load);
  CSgScalarVector<short>* loaded = nullptr;
  archive >> loaded;
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(Items(*loaded), (std::vector<short>{7, 8}));
  delete loaded;
}

}  // namespace
