#include "containers/CSgException.h"
#include "containers/CSgExceptionT.h"
#include "containers/CSgVectorAccessException.h"
#include "platform/win/LastError.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

using namespace SG;

// Owns an exception the way a catcher does: ends it with Delete.
struct Ended {
  void operator()(CException* e) const { e->Delete(); }
};
template <class E>
using Owned = std::unique_ptr<E, Ended>;

std::string Text(const CSgException& e) { return std::string(e.GetErrorString()); }

struct MessageRow {
  const char* name;
  std::unique_ptr<CSgException> (*make)();
  const char* message;
};

TEST(Exceptions, MessagesOfTheFamily) {
  const MessageRow rows[] = {
      {"base", [] { return std::unique_ptr<CSgException>(new CSgException(FALSE)); }, ""},
      {"index count",
       [] { return std::unique_ptr<CSgException>(new CSgIndexException(5, 3, FALSE)); },
       "Specified index: 5 is out of range. The valid range is 0 to 2"},
      {"index count 0",
       [] { return std::unique_ptr<CSgException>(new CSgIndexException(0, 0, FALSE)); },
       "Specified index: 0 is out of range. The valid range is 0 to -1"},
      {"index range",
       [] { return std::unique_ptr<CSgException>(new CSgIndexException(7, 1, 4, FALSE)); },
       "Specified index: 7 is out of range. The valid range is 1 to 4."},
      {"index text",
       [] { return std::unique_ptr<CSgException>(new CSgIndexException(CString("given"), FALSE)); },
       "given"},
      {"interface",
       [] {
         return std::unique_ptr<CSgException>(
             new CSgInterfaceNotSupportedException(CString("Graph"), CString("IPlot"), FALSE));
       },
       "Graph does not support the requested interface: IPlot"},
      {"unusable",
       [] {
         return std::unique_ptr<CSgException>(
             new CSgObjectNotInUsableStateException(CString("CSgGraph"), FALSE));
       },
       "CSgGraph instance is in an unusable state."},
      {"version",
       [] {
         return std::unique_ptr<CSgException>(
             new CSgControlVersionException(CString("6.0"), FALSE));
       },
       "The ActiveX control is an invalid version.\nExpected version: 6.0"},
      {"version found",
       [] {
         return std::unique_ptr<CSgException>(
             new CSgControlVersionException(CString("6.0"), CString("5.1"), FALSE));
       },
       "The ActiveX control is an invalid version.\nExpected version: 6.0\nFound version: 5.1"},
      {"not activex",
       [] { return std::unique_ptr<CSgException>(new CSgNotActiveXControlException(FALSE)); },
       "The object is not an ActiveX control."},
      {"data init",
       [] { return std::unique_ptr<CSgException>(new CSgDataInitializationException(FALSE)); },
       "Initialization for this datatype is unsupported."},
      {"not supported",
       [] { return std::unique_ptr<CSgException>(new CSgNotSupportedException(FALSE)); },
       "The requested operation is currently unsupported."},
      {"not supported text",
       [] {
         return std::unique_ptr<CSgException>(new CSgNotSupportedException("own text", FALSE));
       },
       "own text"},
      {"code unsigned",
       [] { return std::unique_ptr<CSgException>(new CSgExceptionT<ULONG>(0xFFFFFFFFu, FALSE)); },
       "Exception generated: error code = 4294967295"},
      {"code math",
       [] {
         return std::unique_ptr<CSgException>(
             new CSgExceptionT<MathError>(MathErrDivideByZero, FALSE));
       },
       "Exception generated: error code = -20060"},
      {"vector negative",
       [] { return std::unique_ptr<CSgException>(new CSgVectorAccessException(FALSE)); },
       "Invalid vector access: index value cannot be negative."},
      {"vector range",
       [] { return std::unique_ptr<CSgException>(new CSgVectorAccessException(10u, 4u, FALSE)); },
       "Invalid vector access: index = 10. Vector size is 4."},
  };
  for (const MessageRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Text(*row.make()), row.message);
  }
}

TEST(Exceptions, MathErrorTableHasEveryRowOnceInOrder) {
  EXPECT_EQ(std::size(SgMathErrorTable), 54u);
  EXPECT_EQ(SgMathErrorTable[0].code, -20001);
  EXPECT_EQ(SgMathErrorTable[53].code, 20001);
  for (std::size_t i = 0; i < 54; ++i)
    for (std::size_t j = i + 1; j < 54; ++j)
      EXPECT_NE(SgMathErrorTable[i].code, SgMathErrorTable[j].code);
}

TEST(Exceptions, MathExceptionTexts) {
  const struct {
    int code;
    const char* message;
  } rows[] = {
      {-20006, "Math Exception: Number of samples must be greater than or equal to two."},
      {-20036, "Math Exception: Second array must be all positive or negative and nonzero."},
      {-20060, "Math Exception: Divide by zero."},
      {-20102, "Math Exception: Shifts must meet the condition shifts< samples."},
      {20001, "Math Exception: The matrix is rank deficient."},
      {-20045,
       "Math Exception: Total number of data points must be equal to product of "
       "(levels/each\xC2\xA0"
       "factor)\xC2\xA0x\xC2\xA0(observations/cell)."},
      {-20027, "Unknown math error."},
      {-20064, "Unknown math error."},
      {0, "Unknown math error."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    Owned<CSgMathException> e(new CSgMathException(row.code, TRUE));
    EXPECT_EQ(Text(*e), row.message);
    EXPECT_EQ(e->GetErrorCode(), row.code);
  }
}

TEST(Exceptions, ThrownByPointerAndEndedWithDelete) {
  try {
    throw new CSgMathException(MathErrDistinctX, TRUE);
  } catch (CException* e) {
    auto* math = dynamic_cast<CSgMathException*>(e);
    ASSERT_NE(math, nullptr);
    EXPECT_EQ(Text(*math), "Math Exception: x-values must be distinct.");
    e->Delete();  // frees it (auto-delete); ASan reports a leak otherwise
  }
}

TEST(Exceptions, GetErrorMessageCopiesWithinTheBuffer) {
  CSgNotSupportedException e("abcdef", FALSE);
  char buffer[8];
  std::memset(buffer, 'X', sizeof buffer);
  EXPECT_TRUE(e.GetErrorMessage(buffer, 0));
  EXPECT_EQ(buffer[0], 'X');  // size 0 writes nothing
  EXPECT_TRUE(e.GetErrorMessage(buffer, 1));
  EXPECT_EQ(buffer[0], 0);
  EXPECT_TRUE(e.GetErrorMessage(buffer, 4));
  EXPECT_STREQ(buffer, "abc");
  EXPECT_TRUE(e.GetErrorMessage(buffer, 8));
  EXPECT_STREQ(buffer, "abcdef");
  CSgException empty(FALSE);
  EXPECT_FALSE(empty.GetErrorMessage(buffer, 8));
  // A multi-byte character is never cut in two.
  CSgNotSupportedException wide("a\xC3\xA9", FALSE);
  EXPECT_TRUE(wide.GetErrorMessage(buffer, 3));
  EXPECT_STREQ(buffer, "a");
}

TEST(Exceptions, MathSwitchStartsOn) {
  EXPECT_TRUE(AreMathExceptionsEnabled());
  EnableMathExceptions(false);
  EXPECT_FALSE(AreMathExceptionsEnabled());
  EnableMathExceptions(true);
}

TEST(Exceptions, SystemExceptionTakesLastErrorAndSystemText) {
  SetLastError(5);
  Owned<CSgSystemException> e(new CSgSystemException(0xFFFFFFFFu, TRUE));
  EXPECT_EQ(e->GetErrorCode(), 5u);
  EXPECT_EQ(Text(*e), "Access is denied.\r\n");
  Owned<CSgSystemException> unknown(new CSgSystemException(0x7FFF1234u, TRUE));
  EXPECT_EQ(Text(*unknown), "");
}

}  // namespace
