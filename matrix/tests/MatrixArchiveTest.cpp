#include "matrix/CSgScalarMatrix.h"
#include "containers/tests/ArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace SG;
using Bytes = std::vector<BYTE>;

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

TEST(MatrixArchive, RefusalsLeaveTheMatrix) {
  CSgScalarMatrix<float> kept(1, 1, 2.0f);
  EXPECT_EQ(LoadCause(kept, Bytes{1, 0, 0, 0}), CArchiveException::badSchema);
  CSgScalarMatrix<double> d(1, 1);
  EXPECT_EQ(LoadCause(kept, Stored(d)), CArchiveException::badClass);
  EXPECT_EQ(LoadCause(kept, Bytes{0, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 2}),
            CArchiveException::endOfFile);
  EXPECT_EQ(LoadCause(kept, Bytes{0, 0, 0, 0, 4, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
            CArchiveException::genericException);
  EXPECT_EQ(kept.GetRows(), 1u);
  EXPECT_EQ(kept.GetData()[0], 2.0f);
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

}  // namespace
