#include "containers/CSgInterface.h"
#include "containers/CSgOleException.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComInit.h"
#include "platform/com/GlobalInterfaceTable.h"

#include "FakeDispatch.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

using namespace SG;

// Runs f on another thread that has initialised COM.
template <class F>
void OnOtherThread(F&& f) {
  std::thread worker([&] {
    ComInitScope com;
    f();
  });
  worker.join();
}

// Runs f, which must throw a CSgOleException; returns its status code.
template <class F>
HRESULT ThrownStatus(F&& f) {
  try {
    f();
  } catch (CSgOleException* e) {
    const HRESULT hr = e->m_sc;
    e->Delete();
    return hr;
  }
  return S_OK;
}

class InterfaceTest : public ::testing::Test {
 protected:
  void SetUp() override { object = MakeComObject<FakeDispatch>(); }
  void TearDown() override {
    object.Reset();
    EXPECT_EQ(GlobalInterfaceTableSize(), tableSize);
  }
  ULONG Count() const { return object.Get()->ReferenceCount(); }
  IUnknown* Unknown() const { return object.Get(); }

  ComInitScope com;
  ComPtr<FakeDispatch> object;
  std::size_t tableSize = GlobalInterfaceTableSize();
};

TEST_F(InterfaceTest, PlainModeHoldsOneReferenceAndChecksTheThread) {
  {
    CSgInterface holder(Unknown(), IID_IDispatch, 0, false);
    EXPECT_EQ(Count(), 2u);
    EXPECT_EQ(holder.GetThreadOption(), 0);
    bool mustRelease = true;
    EXPECT_EQ(holder.GetInterface(false, &mustRelease), Unknown());
    EXPECT_FALSE(mustRelease);
    OnOtherThread([&] {
      EXPECT_EQ(ThrownStatus([&] { holder.GetInterface(false, nullptr); }), RPC_E_WRONG_THREAD);
      EXPECT_EQ(ThrownStatus([&] { holder.Release(); }), RPC_E_WRONG_THREAD);
    });
    EXPECT_EQ(Count(), 2u);
  }
  EXPECT_EQ(Count(), 1u);
  CSgInterface empty;
  OnOtherThread([&] { EXPECT_EQ(empty.GetInterface(true, nullptr), nullptr); });  // owner 0 passes
}

TEST_F(InterfaceTest, TakingOwnershipUsesTheCallersReference) {
  Unknown()->AddRef();
  {
    CSgInterface holder(Unknown(), IID_IDispatch, 0, true);
    EXPECT_EQ(Count(), 2u);
  }
  EXPECT_EQ(Count(), 1u);
  Unknown()->AddRef();
  {
    CSgInterface holder(Unknown(), IID_IDispatch, 1, true);  // the table keeps its own
    EXPECT_EQ(Count(), 2u);
  }
  EXPECT_EQ(Count(), 1u);
}

TEST_F(InterfaceTest, TableModeOptionTwoKeepsADirectPointer) {
  CSgInterface holder(Unknown(), IID_IDispatch, 2, false);
  EXPECT_EQ(holder.GetThreadOption(), 2);
  bool mustRelease = true;
  EXPECT_EQ(holder.GetInterface(false, &mustRelease), Unknown());
  EXPECT_FALSE(mustRelease);
  OnOtherThread([&] {
    bool owned = false;
    IUnknown* p = holder.GetInterface(false, &owned);
    EXPECT_EQ(p, Unknown());
    EXPECT_TRUE(owned);
    p->Release();
  });
  const ULONG held = Count();
  holder.Release();
  EXPECT_EQ(holder.GetThreadOption(), 0);
  EXPECT_EQ(Count(), held - 2);  // the table's and the direct reference
}

TEST_F(InterfaceTest, TableModeOptionOneAlwaysGoesThroughTheTable) {
  CSgInterface holder(Unknown(), IID_IDispatch, 1, false);
  EXPECT_EQ(holder.GetThreadOption(), 1);
  const ULONG before = Count();
  bool mustRelease = false;
  IUnknown* p = holder.GetInterface(false, &mustRelease);
  EXPECT_TRUE(mustRelease);
  EXPECT_EQ(Count(), before + 1);
  p->Release();
  // Without a flag to report it the table's reference is given back.
  EXPECT_EQ(holder.GetInterface(false, nullptr), Unknown());
  EXPECT_EQ(Count(), before);
  CSgInterface other(Unknown(), IID_IDispatch, 7, false);  // any other value acts as 1
  EXPECT_EQ(other.GetThreadOption(), 1);
}

TEST_F(InterfaceTest, TableNeedsComOnTheCallingThread) {
  CSgInterface holder(Unknown(), IID_IDispatch, 1, false);
  std::thread bare([&] {
    try {
      holder.GetInterface(false, nullptr);
      ADD_FAILURE() << "nothing thrown";
    } catch (CSgOleException* e) {
      EXPECT_EQ(e->m_sc, E_UNEXPECTED);
      const std::string text(e->GetErrorString());
      EXPECT_EQ(text.substr(text.size() - 38), "COM is not initialized in this thread.");
      e->Delete();
    }
  });
  bare.join();
}

TEST_F(InterfaceTest, FailedTableCopyLeavesAnEmptyHolder) {
  CSgInterface table(Unknown(), IID_IDispatch, 1, false);
  std::thread bare([&] {
    CSgInterface copy;
    EXPECT_EQ(ThrownStatus([&] { copy = table; }), E_UNEXPECTED);
    EXPECT_EQ(copy.GetThreadOption(), 0);
    EXPECT_EQ(copy.GetInterface(false, nullptr), nullptr);
  });  // and the copy's destructor has nothing to revoke
  bare.join();
  EXPECT_EQ(Count(), 2u);
}

TEST_F(InterfaceTest, FailedAdoptingAttachLeavesTheReferenceWithTheCaller) {
  // A plain holder refuses to let go of what it holds on another thread, so
  // attaching anew there fails. The wrappers release a delivered reference
  // themselves when the holder throws, so the holder must not end it too.
  CSgInterface owned(Unknown(), IID_IDispatch, 0, false);
  const ULONG before = Count();
  OnOtherThread([&] {
    Unknown()->AddRef();  // the reference offered for adoption
    EXPECT_EQ(ThrownStatus([&] { owned.Attach(Unknown(), IID_IDispatch, 0, true); }),
              RPC_E_WRONG_THREAD);
    EXPECT_EQ(Count(), before + 1);
    Unknown()->Release();
    COleException error;
    EXPECT_FALSE(owned.AttachUnknown(Unknown(), IID_IDispatch, &error, 0));
    EXPECT_EQ(error.m_sc, RPC_E_WRONG_THREAD);
    EXPECT_EQ(Count(), before);  // the queried reference is ended exactly once
  });
}

TEST_F(InterfaceTest, AssignmentAndCopies) {
  CSgInterface plain(Unknown(), IID_IDispatch, 0, false);
  CSgInterface copy(plain);
  EXPECT_EQ(Count(), 3u);
  copy = copy;
  EXPECT_EQ(Count(), 3u);
  OnOtherThread([&] {
    CSgInterface rebound;
    rebound = plain;  // bound to the assigning thread
    EXPECT_EQ(rebound.GetInterface(false, nullptr), Unknown());
    EXPECT_EQ(Count(), 4u);
  });
  EXPECT_EQ(Count(), 3u);
  CSgInterface table(Unknown(), IID_IDispatch, 2, false);
  CSgInterface tableCopy(table);
  EXPECT_EQ(tableCopy.GetThreadOption(), 2);
  tableCopy = plain;
  EXPECT_EQ(tableCopy.GetThreadOption(), 0);
}

TEST_F(InterfaceTest, DetachHandsOverOneReference) {
  for (int option : {0, 1, 2}) {
    SCOPED_TRACE(option);
    CSgInterface holder(Unknown(), IID_IDispatch, option, false);
    IUnknown* p = holder.Detach();
    EXPECT_EQ(p, Unknown());
    EXPECT_EQ(Count(), 2u);
    EXPECT_EQ(holder.GetInterface(false, nullptr), nullptr);
    p->Release();
  }
}

TEST_F(InterfaceTest, DestructorSwallowsTheWrongThread) {
  auto* holder = new CSgInterface(Unknown(), IID_IDispatch, 0, false);
  OnOtherThread([&] { EXPECT_NO_THROW(delete holder); });
  // The release was refused on the wrong thread: the holder's reference stays.
  EXPECT_EQ(Count(), 2u);
  Unknown()->Release();
}

TEST_F(InterfaceTest, AttachRefusesNull) {
  CSgInterface holder;
  EXPECT_EQ(ThrownStatus([&] { holder.Attach(nullptr, IID_IDispatch, 0, false); }), E_POINTER);
}

TEST_F(InterfaceTest, AttachUnknownReportsInsteadOfThrowing) {
  CSgInterface holder;
  COleException error;
  EXPECT_FALSE(holder.AttachUnknown(nullptr, IID_IDispatch, &error, 0));
  EXPECT_EQ(error.m_sc, E_POINTER);
  const IID unknownIid = GuidFromText("11111111-2222-3333-4444-555555555555");
  EXPECT_FALSE(holder.AttachUnknown(Unknown(), unknownIid, &error, 0));
  EXPECT_EQ(error.m_sc, E_NOINTERFACE);
  EXPECT_EQ(Count(), 1u);
  EXPECT_TRUE(holder.AttachUnknown(Unknown(), IID_IDispatch, &error, 2));
  EXPECT_EQ(holder.GetThreadOption(), 2);
}

TEST_F(InterfaceTest, GetDispatchOwnsOneReference) {
  CSgInterface holder(Unknown(), IID_IDispatch, 0, false);
  IDispatch* d = holder.GetDispatch();
  EXPECT_EQ(Count(), 3u);
  d->Release();
  CSgInterface empty;
  try {
    empty.GetDispatch();
    ADD_FAILURE();
  } catch (CSgObjectNotInUsableStateException* e) {
    EXPECT_STREQ(e->GetErrorString(), "CSgInterface instance is in an unusable state.");
    e->Delete();
  }
}

TEST_F(InterfaceTest, CreateInstanceByClassIdOrText) {
  const CLSID clsid = GuidFromText("AAAAAAAA-0000-0000-0000-000000000001");
  CSgInterface holder;
  COleException error;
  EXPECT_FALSE(holder.CreateInstance(clsid, IID_IDispatch, &error, 0));
  EXPECT_EQ(error.m_sc, REGDB_E_CLASSNOTREG);
  ClassRegistration registration(clsid, MakeComObject<ClassFactory<FakeDispatch>>().Get());
  EXPECT_TRUE(holder.CreateInstance(clsid, IID_IDispatch, &error, 0));
  EXPECT_TRUE(
      holder.CreateInstance("{AAAAAAAA-0000-0000-0000-000000000001}", IID_IDispatch, &error, 1));
  EXPECT_FALSE(holder.CreateInstance("No.Such.ProgId", IID_IDispatch, &error, 0));
  EXPECT_NE(error.m_sc, S_OK);
}

// A factory that answers each creation with the next scripted result (the
// object itself once the script is used up) and counts the requests.
class ScriptedFactory final : public ComObject<IClassFactory> {
 public:
  explicit ScriptedFactory(std::vector<HRESULT> answers) : answers_(std::move(answers)) {}
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
    *object = nullptr;
    if (requests++ < answers_.size()) return answers_[requests - 1];
    return ClassFactory<FakeDispatch>().CreateInstance(outer, riid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
  std::size_t requests = 0;

 private:
  std::vector<HRESULT> answers_;
};

TEST_F(InterfaceTest, CreateInstanceRetriesOnlyAfterInvalidArgument) {
  const CLSID clsid = GuidFromText("AAAAAAAA-0000-0000-0000-000000000002");
  const struct {
    const char* name;
    std::vector<HRESULT> answers;
    bool created;
    std::size_t requests;
    HRESULT error;
  } rows[] = {
      {"invalid argument, then created", {E_INVALIDARG}, true, 2, S_OK},
      {"invalid argument twice", {E_INVALIDARG, E_INVALIDARG}, false, 2, E_INVALIDARG},
      {"other failure: no retry", {E_FAIL}, false, 1, E_FAIL},
      {"created at once", {}, true, 1, S_OK},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ComPtr<ScriptedFactory> factory = MakeComObject<ScriptedFactory>(row.answers);
    ClassRegistration registration(clsid, factory.Get());
    CSgInterface holder;
    COleException error;
    error.m_sc = S_OK;
    EXPECT_EQ(holder.CreateInstance(clsid, IID_IDispatch, &error, 0), row.created);
    EXPECT_EQ(factory.Get()->requests, row.requests);
    EXPECT_EQ(error.m_sc, row.error);
    EXPECT_EQ(holder.GetInterface(false, nullptr) != nullptr, row.created);
  }
}

TEST(OleException, MessageIsSystemTextThenExtraText) {
  try {
    ThrowOleException(E_POINTER, "");
  } catch (CSgOleException* e) {
    EXPECT_EQ(e->m_sc, E_POINTER);
    EXPECT_STREQ(e->GetErrorString(), "Invalid pointer\r\n\n");
    char buffer[64];
    EXPECT_TRUE(e->GetErrorMessage(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "Invalid pointer\r\n\n");
    e->Delete();
  }
  try {
    ThrowOleException(static_cast<HRESULT>(0x80041234), "extra");
  } catch (CSgOleException* e) {
    EXPECT_STREQ(e->GetErrorString(), "extra");  // no system text for this code
    e->Delete();
  }
  CSgOleException fresh;
  EXPECT_EQ(fresh.m_sc, 0);
  EXPECT_TRUE(fresh.m_bAutoDelete);
  EXPECT_EQ(fresh.GetRuntimeClass(), RUNTIME_CLASS(COleException));
  ThrowIfFailed(S_FALSE, "not a failure");
}

}  // namespace
