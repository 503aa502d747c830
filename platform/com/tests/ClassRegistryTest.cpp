#include <gtest/gtest.h>

#include "platform/com/ClassRegistry.h"
#include "platform/com/ComInit.h"
#include "platform/com/tests/FakeObjects.h"

namespace {
constexpr CLSID kNumEdit = GuidFromText("{3DC8450E-EA11-4636-A865-5C3310054D05}");

class DefaultValue final : public ComObject<IDispatch> {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return S_OK;
  }
};
}  // namespace

TEST(ComInit, CountsPerThreadAndRefusesAModelChange) {
  EXPECT_FALSE(IsComInitializedOnThisThread());
  EXPECT_EQ(CoInitialize(nullptr), S_OK);
  EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
  EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
  EXPECT_TRUE(IsComInitializedOnThisThread());
  OleUninitialize();
  CoUninitialize();
  EXPECT_FALSE(IsComInitializedOnThisThread());
  EXPECT_EQ(OleRun(nullptr), E_INVALIDARG);
}

TEST(ClassRegistry, CreatesRegisteredClassesOnly) {
  IUnknown* object = nullptr;
  EXPECT_EQ(CoCreateInstance(kNumEdit, nullptr, CLSCTX_ALL, IID_IUnknown,
                             reinterpret_cast<void**>(&object)),
            REGDB_E_CLASSNOTREG);
  auto factory = MakeComObject<ClassFactory<DefaultValue>>();
  {
    ClassRegistration registration(kNumEdit, factory.Get());
    ASSERT_EQ(registration.Result(), S_OK);
    EXPECT_EQ(factory->ReferenceCount(), 2u);
    ASSERT_EQ(
        CoCreateInstance(kNumEdit, nullptr, 23, IID_IUnknown, reinterpret_cast<void**>(&object)),
        S_OK);
    EXPECT_EQ(OleRun(object), S_OK);
    IDispatch* dispatch = nullptr;
    EXPECT_EQ(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
    dispatch->Release();
    EXPECT_EQ(object->Release(), 0u);

    // Local-server-only requests do not find an in-process registration.
    EXPECT_EQ(CoCreateInstance(kNumEdit, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&object)),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(
        CoCreateInstance(kNumEdit, nullptr, 0, IID_IUnknown, reinterpret_cast<void**>(&object)),
        E_INVALIDARG);
    EXPECT_EQ(
        CoCreateInstance(kNumEdit, nullptr, 0x100, IID_IUnknown, reinterpret_cast<void**>(&object)),
        E_INVALIDARG);
    EXPECT_EQ(CoCreateInstance(kNumEdit, nullptr, CLSCTX_ALL, IID_IUnknown, nullptr), E_INVALIDARG);
    IUnknown* outer = factory.Get();
    EXPECT_EQ(CoCreateInstance(kNumEdit, outer, CLSCTX_ALL, IID_IUnknown,
                               reinterpret_cast<void**>(&object)),
              CLASS_E_NOAGGREGATION);
  }
  EXPECT_EQ(factory->ReferenceCount(), 1u);  // revoked with the registration
  EXPECT_EQ(CoCreateInstance(kNumEdit, nullptr, CLSCTX_ALL, IID_IUnknown,
                             reinterpret_cast<void**>(&object)),
            REGDB_E_CLASSNOTREG);
  EXPECT_EQ(CoRevokeClassObject(12345), E_INVALIDARG);
}
