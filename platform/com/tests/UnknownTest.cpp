#include <gtest/gtest.h>

#include "platform/com/ErrorInfo.h"
#include "platform/com/tests/FakeObjects.h"

TEST(ComObject, AnswersItsInterfacesAndCountsReferences) {
  bool destroyed = false;
  auto* object = new ValueObject(1, &destroyed);  // count 1, owned here
  void* p = nullptr;
  ASSERT_EQ(object->QueryInterface(IID_IDispatch, &p), S_OK);
  EXPECT_EQ(p, static_cast<IDispatch*>(object));
  void* unknown = nullptr;
  ASSERT_EQ(object->QueryInterface(IID_IUnknown, &unknown), S_OK);
  EXPECT_EQ(object->ReferenceCount(), 3u);
  EXPECT_EQ(object->QueryInterface(IID_IErrorInfo, &p), E_NOINTERFACE);
  EXPECT_EQ(p, nullptr);
  EXPECT_EQ(object->QueryInterface(IID_IDispatch, nullptr), E_POINTER);
  static_cast<IUnknown*>(unknown)->Release();
  object->Release();
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(object->Release(), 0u);
  EXPECT_TRUE(destroyed);
}

TEST(ComPtr, HoldsOneReference) {
  bool destroyed = false;
  {
    auto first = MakeComObject<ValueObject>(1.0, &destroyed);
    EXPECT_EQ(first->ReferenceCount(), 1u);
    ComPtr<ValueObject> second = first;
    EXPECT_EQ(first->ReferenceCount(), 2u);
    ComPtr<IDispatch> dispatch;
    ASSERT_EQ(first.As(dispatch), S_OK);
    EXPECT_EQ(first->ReferenceCount(), 3u);
    ComPtr<ValueObject> moved = std::move(second);
    EXPECT_FALSE(second);
    EXPECT_EQ(first->ReferenceCount(), 3u);
    IDispatch* raw = dispatch.Detach();
    raw->Release();
  }
  EXPECT_TRUE(destroyed);
}
