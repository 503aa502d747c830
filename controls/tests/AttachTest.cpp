// The facade's attach against controls of other versions: a window class of
// the test's own hosts a control object that reports the version it is told.
#include "ControlsTestSupport.h"

#include "containers/CSgException.h"
#include "controls/CSgGraph.h"
#include "controls/SlotCall.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace SG;

namespace {

std::string g_version;     // what the next control reports
bool g_hasVersion = true;  // whether it answers the version interface at all
int g_objectCalls = 0;     // calls of the control-object member

class VersionedObject : public ComObject<ISgSlotCall, IControlVersion, IDispatch> {
 public:
  HRESULT STDMETHODCALLTYPE CallSlot(UINT, const SlotValue*, UINT, SlotValue*) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetVersion(BSTR* version) override {
    *version = g_version.empty() ? nullptr : SysAllocStringFromUtf8(g_version);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!g_hasVersion && IsEqualIID(riid, IID_ControlVersion)) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    return ComObject::QueryInterface(riid, object);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    if (id != DISPID_CONTROL_OBJECT) return DISP_E_MEMBERNOTFOUND;
    ++g_objectCalls;
    AddRef();
    result->vt = VT_UNKNOWN;
    result->punkVal = static_cast<ISgSlotCall*>(this);
    return S_OK;
  }

 protected:
  void* QueryExtra(REFIID riid) override {
    return IsEqualIID(riid, IID_CSgGraph) ? static_cast<ISgSlotCall*>(this) : nullptr;
  }
};

class VersionedWidget : public QWidget, public hosted::HostedControl {
 public:
  VersionedWidget(HWND window, QWidget* parent) : QWidget(parent), window_(window) {
    hosted::BindHostedControl(window, this);
  }
  ~VersionedWidget() override {
    hosted::UnbindHostedControl(window_);
    object_->Release();
  }
  IDispatch* Dispatch() override { return object_; }

 private:
  HWND window_;
  IDispatch* object_ = static_cast<IDispatch*>(new VersionedObject);
};

LRESULT PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProc(h, m, w, l); }

const char* VersionedClass() {
  if (!IsClassRegistered("VersionedGraph")) {
    WNDCLASS wc{};
    wc.lpfnWndProc = PlainProc;
    wc.lpszClassName = "VersionedGraph";
    RegisterClassWithFactory(
        &wc, [](HWND h, QWidget* parent) -> QWidget* { return new VersionedWidget(h, parent); });
  }
  return "VersionedGraph";
}

struct AttachRow {
  const char* version;
  bool hasVersion;
  const char* message;  // empty: the attach succeeds
};

class Attach : public testing::TestWithParam<AttachRow> {};

TEST_P(Attach, ChecksTheControlVersion) {
  const AttachRow& row = GetParam();
  g_version = row.version;
  g_hasVersion = row.hasVersion;
  HostedWindow window(VersionedClass(), "", 50, 50);
  CSgGraph graph(2);
  std::string message;
  try {
    graph.SubclassWindow(window.control);
  } catch (CSgControlVersionException* e) {
    message = e->GetErrorString().str();
    e->Delete();
  }
  EXPECT_EQ(message, row.message);
  EXPECT_EQ(graph.IsAttached(), *row.message == '\0');
  if (graph.IsAttached()) {
    const int calls = g_objectCalls;
    graph.Attach();  // attached: no call to the control
    EXPECT_EQ(g_objectCalls, calls);
  }
  graph.UnsubclassWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Attach,
    testing::Values(
        AttachRow{"6.0", true, ""}, AttachRow{"10.1", true, ""},
        AttachRow{
            "5.9.9.9", true,
            "The ActiveX control is an invalid version.\nExpected version: 6.0\nFound version: "
            "5.9.9.9"},
        AttachRow{
            "", true,
            "The ActiveX control is an invalid version.\nExpected version: 6.0\nFound version: "},
        AttachRow{"6.0", false,
                  "The ActiveX control is an invalid version.\nExpected version: 6.0"}));

}  // namespace
