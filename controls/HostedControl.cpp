#include "controls/HostedControl.h"

#include "controls/ButtonControl.h"
#include "controls/GraphControl.h"
#include "controls/NumEditControl.h"
#include "platform/window/DispatchGuard.h"

#include <algorithm>

namespace hosted {
namespace {

constexpr const char* kProperty = "PelmoranHostedControl";

// The class procedure: the template's text sets the initial objects.
LRESULT HostedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    DispatchGuard::RunGuarded([&] {
      const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (HostedControl* control = HostedControlOf(window))
        control->Initialize(create && create->lpszName ? create->lpszName : "");
    });
  }
  return DefWindowProc(window, message, wParam, lParam);
}

void Register(const char* name, WidgetFactory factory) {
  if (IsClassRegistered(name)) return;
  WNDCLASS wc{};
  wc.lpfnWndProc = HostedProc;
  wc.lpszClassName = name;
  RegisterClassWithFactory(&wc, factory);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> TemplateEntries(const std::string& text) {
  std::vector<std::pair<std::string, std::string>> entries;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find(';', start), text.size());
    const std::string entry = text.substr(start, end - start);
    if (const size_t eq = entry.find('='); eq != std::string::npos)
      entries.emplace_back(entry.substr(0, eq), entry.substr(eq + 1));
    start = end + 1;
  }
  return entries;
}

void RegisterHostedControls() {
  Register("{B309AEAA-EF99-49FC-9F80-CDD52F1D5AE7}", NewGraphWidget);
  Register("GraphControl", NewGraphWidget);
  Register("{3DC8450E-EA11-4636-A865-5C3310054D05}", NewNumEditWidget);
  Register("NumEditControl", NewNumEditWidget);
  Register("{D4A6A4E2-89D1-4C6E-A479-2A8A45224DD3}", NewButtonWidget);
  Register("BooleanButtonControl", NewButtonWidget);
}

HostedControl* HostedControlOf(HWND window) {
  return window && IsWindow(window) ? static_cast<HostedControl*>(GetProp(window, kProperty))
                                    : nullptr;
}

void BindHostedControl(HWND window, HostedControl* control) { SetProp(window, kProperty, control); }

void UnbindHostedControl(HWND window) {
  if (window && IsWindow(window)) RemoveProp(window, kProperty);
}

IUnknown* InvokeControlObject(HWND window) {
  HostedControl* control = HostedControlOf(window);
  if (!control) return nullptr;
  VARIANT result{};
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  if (FAILED(control->Dispatch()->Invoke(2000, IID_IUnknown, 0, DISPATCH_METHOD, &none, &result,
                                         nullptr, nullptr)))
    return nullptr;
  if (result.vt != VT_UNKNOWN) {
    VariantClear(&result);
    return nullptr;
  }
  return result.punkVal;
}

IUnknown* GetControlUnknown(HWND window) {
  HostedControl* control = HostedControlOf(window);
  if (!control) return nullptr;
  control->Dispatch()->AddRef();
  return control->Dispatch();
}

DWORD AdviseControlEvents(HWND window, IDispatch* sink) {
  HostedControl* control = HostedControlOf(window);
  return control ? control->Events().Advise(sink) : 0;
}

void UnadviseControlEvents(HWND window, DWORD cookie) {
  if (HostedControl* control = HostedControlOf(window)) control->Events().Unadvise(cookie);
}

}  // namespace hosted
