#include "matrix/CSgScalarMatrix.h"
#include "containers/tests/ArchiveTestSupport.h"
#include "platform/afx/MemFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace SG;
using Bytes = std::vector<BYTE>;

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(MatrixArchive, StoredLayout) {
  CSgScalarMatrix<double> empty;
  EXPECT_EQ(Stored(empty), (Bytes{0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  const short values[] = {1, -1};
  CSgScalarMatrix<short> row(1, 2, values);
  EXPECT_EQ(Stored(row), (Bytes{0, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0xFF, 0xFF}));
  CSgScalarMatrix<short> back;
  EXPECT_EQ(LoadCause(back, Stored(row)), 0);
  EXPECT_EQ(back.GetCols(), 2u);
  EXPECT_EQ(back.GetData()[1], -1);
}

// Every refused load leaves the target's shape and elements as they were.
TEST(MatrixArchive, RefusalsLeaveTheMatrix) {
  CSgScalarMatrix<double> d(1, 1);
  const struct {
    const char* name;
    Bytes bytes;
    int cause;
  } rows[] = {
      {"version 1", Bytes{1, 0, 0, 0}, CArchiveException::badSchema},
      {"double elements", Stored(d), CArchiveException::badClass},
      {"truncated elements", Words({0, 4, 2, 2}) + Bytes{1, 2}, CArchiveException::endOfFile},
      {"truncated shape", Words({0, 4, 2}), CArchiveException::endOfFile},
      // 65536 x 16383 floats fit 32 bits but not in what follows: refused at
      // the real end of the data, never allocated up front.
      {"counts beyond the data", Words({0, 4, 65536, 16383, 7}), CArchiveException::endOfFile},
      {"count overflows", Words({0, 4, 0xFFFFFFFF, 0xFFFFFFFF}),
       CArchiveException::genericException},
      {"byte size overflows", Words({0, 4, 65536, 16384}), CArchiveException::genericException},
      {"no rows of 5 columns", Words({0, 4, 0, 5}), CArchiveException::genericException},
      {"5 rows of no columns", Words({0, 4, 5, 0}), CArchiveException::genericException},
      {"no rows of 2^32-1 columns", Words({0, 4, 0, 0xFFFFFFFF}),
       CArchiveException::genericException},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CSgScalarMatrix<float> kept(1, 2, 2.0f);
    EXPECT_EQ(LoadCause(kept, row.bytes), row.cause);
    EXPECT_EQ(kept.GetRows(), 1u);
    EXPECT_EQ(kept.GetCols(), 2u);
    EXPECT_EQ(kept.GetData()[0], 2.0f);
    EXPECT_EQ(kept.GetData()[1], 2.0f);
  }
}

TEST(MatrixArchive, RunTimeClasses) {
  for (const char* name : {"CSgInt8ScalarMatrix", "CSgUInt8ScalarMatrix", "CSgInt16ScalarMatrix",
                           "CSgUInt16ScalarMatrix", "CSgInt32ScalarMatrix", "CSgUInt32ScalarMatrix",
                           "CSgIntScalarMatrix", "CSgUIntScalarMatrix", "CSgReal32ScalarMatrix",
                           "CSgReal64ScalarMatrix"}) {
    SCOPED_TRACE(name);
    CRuntimeClass* record = CRuntimeClass::FromName(name);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->m_wSchema, 0u);
    CObject* object = record->CreateObject();
    auto* matrix = dynamic_cast<CSgMatrix*>(object);
    ASSERT_NE(matrix, nullptr);
    EXPECT_EQ(matrix->GetCount(), 0u);
    delete object;
  }
  EXPECT_EQ(CSgScalarMatrix<double>::GetThisClass()->GetBaseClass(), RUNTIME_CLASS(CObject));
  CSgScalarMatrix<float> f;
  EXPECT_STREQ(f.GetRuntimeClass()->m_lpszClassName, "CSgReal32ScalarMatrix");
  CSgMatrixT<float> plain;
  EXPECT_EQ(plain.GetRuntimeClass(), RUNTIME_CLASS(CObject));
}

// The long rows are classes of their own, apart from the int rows of the
// same width, and archives name them so.
TEST(MatrixArchive, LongRowsAreDistinctClasses) {
  const auto check = [](auto longValue, auto intValue, const char* longName, const char* intName) {
    using L = decltype(longValue);
    using I = decltype(intValue);
    SCOPED_TRACE(longName);
    CSgScalarMatrix<L> longs(1, 2, longValue);
    CSgScalarMatrix<I> ints(1, 2, intValue);
    EXPECT_STREQ(longs.GetRuntimeClass()->m_lpszClassName, longName);
    EXPECT_STREQ(ints.GetRuntimeClass()->m_lpszClassName, intName);
    EXPECT_FALSE(longs.IsKindOf(CSgScalarMatrix<I>::GetThisClass()));
    EXPECT_FALSE(ints.IsKindOf(CSgScalarMatrix<L>::GetThisClass()));
    EXPECT_EQ(CRuntimeClass::FromName(longName), CSgScalarMatrix<L>::GetThisClass());

    CMemFile file;
    {
      CArchive archive(&file, CArchive::store);
      archive.WriteObject(&longs);
      archive.Close();
    }
    const Bytes bytes = file.GetContents();
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find(longName), std::string::npos);
    EXPECT_EQ(text.find(intName), std::string::npos);
    CMemFile in(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive archive(&in, CArchive::load);
    CObject* loaded = archive.ReadObject(nullptr);
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->GetRuntimeClass(), CSgScalarMatrix<L>::GetThisClass());
    EXPECT_EQ(static_cast<CSgScalarMatrix<L>*>(loaded)->GetData()[1], longValue);
    delete loaded;
    EXPECT_EQ(Stored(longs), Stored(ints));  // the same 32-bit elements
  };
  check(Long32(-2147483647 - 1), int(-2147483647 - 1), "CSgInt32ScalarMatrix",
        "CSgIntScalarMatrix");
  check(ULong32(0xFFFFFFFFu), 0xFFFFFFFFu, "CSgUInt32ScalarMatrix", "CSgUIntScalarMatrix");
}

}  // namespace
