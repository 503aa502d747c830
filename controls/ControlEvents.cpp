#include "controls/ControlEvents.h"

#include "platform/window/DispatchGuard.h"
#include "platform/window/KeyCodes.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace hosted {

ControlEvents::~ControlEvents() {
  for (auto& [cookie, sink] : sinks_) sink->Release();
}

DWORD ControlEvents::Advise(IDispatch* sink) {
  if (!sink) return 0;
  sink->AddRef();
  sinks_[next_] = sink;
  return next_++;
}

void ControlEvents::Unadvise(DWORD cookie) {
  auto it = sinks_.find(cookie);
  if (it == sinks_.end()) return;
  it->second->Release();
  sinks_.erase(it);
}

void ControlEvents::Fire(DISPID event, std::vector<VARIANT> args) {
  std::reverse(args.begin(), args.end());
  // A sink may unadvise while it runs: call a snapshot, each kept alive.
  std::vector<IDispatch*> sinks;
  for (auto& [cookie, sink] : sinks_) {
    sink->AddRef();
    sinks.push_back(sink);
  }
  for (IDispatch* sink : sinks) {
    DISPPARAMS params{args.data(), nullptr, static_cast<UINT>(args.size()), 0};
    sink->Invoke(event, IID_IUnknown, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    sink->Release();
  }
}

VARIANT ByRef(SHORT* value) {
  VARIANT v{};
  v.vt = VT_BYREF | VT_I2;
  v.piVal = value;
  return v;
}

VARIANT ByRef(LONG* value) {
  VARIANT v{};
  v.vt = VT_BYREF | VT_I4;
  v.plVal = value;
  return v;
}

VARIANT ByRef(VARIANT* value) {
  VARIANT v{};
  v.vt = VT_BYREF | VT_VARIANT;
  v.pvarVal = value;
  return v;
}

VARIANT ByValue(SHORT value) {
  VARIANT v{};
  v.vt = VT_I2;
  v.iVal = value;
  return v;
}

VARIANT ByValue(LONG value) {
  VARIANT v{};
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

short ButtonOf(Qt::MouseButtons b) {
  return static_cast<short>((b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
                            (b & Qt::MiddleButton ? 4 : 0));
}

short ShiftOf(Qt::KeyboardModifiers m) {
  return static_cast<short>((m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                            (m & Qt::AltModifier ? 4 : 0));
}

void FireMouseDown(ControlEvents& events, const QMouseEvent& press) {
  const QPoint p = press.position().toPoint();
  events.Fire(kStockMouseDown,
              {ByValue(ButtonOf(press.button())), ByValue(ShiftOf(press.modifiers())),
               ByValue(static_cast<LONG>(p.x())), ByValue(static_cast<LONG>(p.y()))});
}

void FireKeyDown(ControlEvents& events, const QKeyEvent& key) {
  SHORT code = static_cast<SHORT>(KeyCodes::VirtualKeyOf(key));
  events.Fire(kStockKeyDown, {ByRef(&code), ByValue(ShiftOf(key.modifiers()))});
}

namespace {
class FunctionSink : public ComObject<IDispatch> {
 public:
  explicit FunctionSink(EventHandler handler) : handler_(std::move(handler)) {}
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    // A handler's failure is reported here; it never unwinds into the control.
    DispatchGuard::RunGuarded([&] { handler_(member, params ? *params : none); });
    return S_OK;
  }

 private:
  EventHandler handler_;
};
}  // namespace

IDispatch* NewEventSink(EventHandler handler) { return new FunctionSink(std::move(handler)); }

}  // namespace hosted
