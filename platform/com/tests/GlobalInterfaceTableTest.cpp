#include <gtest/gtest.h>

#include <thread>

#include "platform/com/ClassRegistry.h"
#include "platform/com/ComInit.h"
#include "platform/com/GlobalInterfaceTable.h"
#include "platform/com/tests/FakeObjects.h"

namespace {

ComPtr<IGlobalInterfaceTable> CreateTable() {
  ComPtr<IGlobalInterfaceTable> table;
  EXPECT_EQ(CoCreateInstance(CLSID_StdGlobalInterfaceTable, nullptr, CLSCTX_INPROC_SERVER,
                             IID_IGlobalInterfaceTable, table.ReleaseAndGetVoidAddress()),
            S_OK);
  return table;
}

class GlobalInterfaceTableTest : public ::testing::Test {
 protected:
  ComInitScope com_;
  ComPtr<IGlobalInterfaceTable> table_ = CreateTable();
  std::size_t before_ = GlobalInterfaceTableSize();
  void TearDown() override { EXPECT_EQ(GlobalInterfaceTableSize(), before_); }
};

}  // namespace

TEST_F(GlobalInterfaceTableTest, EveryCreationYieldsTheOneTable) {
  ComPtr<IGlobalInterfaceTable> again = CreateTable();
  EXPECT_EQ(again.Get(), table_.Get());
}

TEST_F(GlobalInterfaceTableTest, RegisterGetRevokeBalanceReferences) {
  bool destroyed = false;
  auto* object = new ValueObject(1, &destroyed);
  DWORD cookie = 0;
  ASSERT_EQ(table_->RegisterInterfaceInGlobal(object, IID_IDispatch, &cookie), S_OK);
  EXPECT_NE(cookie, 0u);
  object->Release();  // the table keeps the object alive
  EXPECT_FALSE(destroyed);

  IDispatch* fetched = nullptr;
  ASSERT_EQ(
      table_->GetInterfaceFromGlobal(cookie, IID_IDispatch, reinterpret_cast<void**>(&fetched)),
      S_OK);
  EXPECT_EQ(fetched, static_cast<IDispatch*>(object));
  fetched->Release();
  EXPECT_EQ(table_->RevokeInterfaceFromGlobal(cookie), S_OK);
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(table_->RevokeInterfaceFromGlobal(cookie), E_INVALIDARG);
  EXPECT_EQ(
      table_->GetInterfaceFromGlobal(cookie, IID_IDispatch, reinterpret_cast<void**>(&fetched)),
      E_INVALIDARG);
}

TEST_F(GlobalInterfaceTableTest, RefusesWhatItCannotHold) {
  auto object = MakeComObject<ValueObject>(1);
  DWORD cookie = 7;
  EXPECT_EQ(table_->RegisterInterfaceInGlobal(object.Get(), IID_IGlobalInterfaceTable, &cookie),
            E_NOINTERFACE);
  EXPECT_EQ(cookie, 0u);
  EXPECT_EQ(table_->RegisterInterfaceInGlobal(nullptr, IID_IDispatch, &cookie), E_INVALIDARG);
  EXPECT_EQ(object->ReferenceCount(), 1u);
}

TEST_F(GlobalInterfaceTableTest, OtherThreadsGetItOnlyAfterInitialisingCom) {
  auto object = MakeComObject<ValueObject>(4.5);
  DWORD cookie = 0;
  ASSERT_EQ(table_->RegisterInterfaceInGlobal(object.Get(), IID_IDispatch, &cookie), S_OK);
  HRESULT withoutCom = S_OK, withCom = E_FAIL;
  double value = 0;
  std::thread([&] {
    IDispatch* p = nullptr;
    withoutCom =
        table_->GetInterfaceFromGlobal(cookie, IID_IDispatch, reinterpret_cast<void**>(&p));
    ComInitScope com;
    withCom = table_->GetInterfaceFromGlobal(cookie, IID_IDispatch, reinterpret_cast<void**>(&p));
    if (SUCCEEDED(withCom)) {
      DISPPARAMS none{nullptr, nullptr, 0, 0};
      VARIANT result;
      VariantInit(&result);
      p->Invoke(DISPID_VALUE, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
      value = result.dblVal;
      p->Release();
    }
  }).join();
  EXPECT_EQ(withoutCom, E_UNEXPECTED);
  EXPECT_EQ(withCom, S_OK);
  EXPECT_EQ(value, 4.5);
  EXPECT_EQ(table_->RevokeInterfaceFromGlobal(cookie), S_OK);
  EXPECT_EQ(object->ReferenceCount(), 1u);
}

TEST_F(GlobalInterfaceTableTest, ConcurrentRegistrationsGetDistinctCookies) {
  auto object = MakeComObject<ValueObject>(1);
  std::vector<DWORD> cookies(8);
  std::vector<std::thread> threads;
  for (DWORD& cookie : cookies)
    threads.emplace_back(
        [&] { table_->RegisterInterfaceInGlobal(object.Get(), IID_IUnknown, &cookie); });
  for (auto& thread : threads) thread.join();
  std::sort(cookies.begin(), cookies.end());
  EXPECT_EQ(std::adjacent_find(cookies.begin(), cookies.end()), cookies.end());
  EXPECT_EQ(object->ReferenceCount(), 9u);
  for (DWORD cookie : cookies) EXPECT_EQ(table_->RevokeInterfaceFromGlobal(cookie), S_OK);
  EXPECT_EQ(object->ReferenceCount(), 1u);
}
