#include "platform/afx/Exception.h"
#include "platform/afx/Object.h"
#include "platform/services/tests/FakeServices.h"

#include <gtest/gtest.h>

#include <memory>

class CShape : public CObject {
  DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
  DECLARE_DYNCREATE(CCircle)
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CTestSquare : public CShape {
  DECLARE_SERIAL(CTestSquare)
};
IMPLEMENT_SERIAL(CTestSquare, CShape, 3)

namespace {

// A class without a record of its own reports its base's.
class CPlainObject : public CObject {};

TEST(RuntimeClass, KindTestsFollowTheBaseChain) {
  CCircle circle;
  EXPECT_STREQ(circle.GetRuntimeClass()->m_lpszClassName, "CCircle");
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CTestSquare)));
  EXPECT_EQ(RUNTIME_CLASS(CCircle)->GetBaseClass(), RUNTIME_CLASS(CShape));
  EXPECT_EQ(RUNTIME_CLASS(CObject)->GetBaseClass(), nullptr);

  CPlainObject plain;
  EXPECT_EQ(plain.GetRuntimeClass(), RUNTIME_CLASS(CObject));
  EXPECT_FALSE(plain.IsSerializable());
}

TEST(RuntimeClass, CreationNeedsACreationFunction) {
  EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
  std::unique_ptr<CObject> created(RUNTIME_CLASS(CCircle)->CreateObject());
  ASSERT_NE(created, nullptr);
  EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(CCircle)));
}

TEST(RuntimeClass, SerialClassesAreFoundByName) {
  EXPECT_EQ(CRuntimeClass::FromName("CTestSquare"), RUNTIME_CLASS(CTestSquare));
  EXPECT_EQ(RUNTIME_CLASS(CTestSquare)->m_wSchema, 3u);
  EXPECT_EQ(CRuntimeClass::FromName("CCircle"), nullptr);  // not serial, not registered
  EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
  std::unique_ptr<CObject> square(CRuntimeClass::CreateObject("CTestSquare"));
  ASSERT_NE(square, nullptr);
  EXPECT_TRUE(square->IsSerializable());
  EXPECT_EQ(CRuntimeClass::CreateObject("NoSuchClass"), nullptr);
}

TEST(RuntimeClass, DumpNamesTheClass) {
  CCircle circle;
  CDumpContext dc;
  circle.Dump(dc);
  EXPECT_EQ(dc.GetText().rfind("a CCircle at $", 0), 0u);
}

class CCountedException : public CException {
 public:
  CCountedException(BOOL autoDelete, int& destroyed)
      : CException(autoDelete), m_destroyed(destroyed) {}
  ~CCountedException() override { ++m_destroyed; }

 private:
  int& m_destroyed;
};

TEST(Exceptions, DeleteFreesOnlyAutoDeleteExceptions) {
  int destroyed = 0;
  try {
    throw new CCountedException(TRUE, destroyed);
  } catch (CException* e) {
    e->Delete();
  }
  EXPECT_EQ(destroyed, 1);

  CCountedException onStack(FALSE, destroyed);
  onStack.Delete();
  EXPECT_EQ(destroyed, 1);
}

TEST(Exceptions, SimpleKindsAreSharedAndKeepTheirText) {
  CException* first = nullptr;
  CException* second = nullptr;
  try {
    AfxThrowMemoryException();
  } catch (CException* e) {
    first = e;
    e->Delete();  // not auto-delete: the shared object survives
  }
  try {
    AfxThrowMemoryException();
  } catch (CMemoryException* e) {
    second = e;
    e->Delete();
  }
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  EXPECT_TRUE(first->IsKindOf(RUNTIME_CLASS(CMemoryException)));
  char text[64];
  EXPECT_TRUE(first->GetErrorMessage(text, sizeof text));
  EXPECT_STREQ(text, "Out of memory.");

  EXPECT_THROW(AfxThrowInvalidArgException(), CInvalidArgException*);
  EXPECT_THROW(AfxThrowNotSupportedException(), CNotSupportedException*);
  try {
    AfxThrowUserException();
  } catch (CUserException* e) {
    EXPECT_TRUE(e->m_bAutoDelete);
    e->Delete();
  }
}

TEST(Exceptions, BaseHasNoTextAndReportsThroughTheServices) {
  CException plain(FALSE);
  char text[8] = "garbage";
  EXPECT_FALSE(plain.GetErrorMessage(text, sizeof text));
  EXPECT_STREQ(text, "");

  services::FakeServices fake;
  fake.ExpectBox(IDCANCEL);
  fake.ExpectBox(IDOK);
  EXPECT_EQ(plain.ReportError(MB_OKCANCEL), IDCANCEL);
  CInvalidArgException invalid(FALSE);
  invalid.ReportError();
  ASSERT_EQ(fake.Boxes().size(), 2u);
  EXPECT_EQ(fake.Boxes()[0].text, "No error message is available.");
  EXPECT_EQ(fake.Boxes()[0].type, UINT{MB_OKCANCEL});
  EXPECT_EQ(fake.Boxes()[1].text, "Encountered an improper argument.");
  EXPECT_EQ(fake.Boxes()[1].type, UINT{MB_OK});
}

TEST(Exceptions, ErrorTextCopyTruncatesWholeCharacters) {
  char text[4] = "xyz";
  AfxCopyErrorText(text, 0, "abc");
  EXPECT_STREQ(text, "xyz");  // size 0 writes nothing
  AfxCopyErrorText(text, 1, "abc");
  EXPECT_STREQ(text, "");
  AfxCopyErrorText(text, 4, "a\xc3\xa9z");  // "aéz": é would be cut after its first byte
  EXPECT_STREQ(text, "a\xc3\xa9");
  AfxCopyErrorText(text, 3, "a\xc3\xa9");
  EXPECT_STREQ(text, "a");
}

}  // namespace
