#pragma once
// The window side of a hosted control: each control is a Qt widget behind a
// window whose class is named by the control's class id, so that a dialog
// template names the control by "{class id}". The host reaches the control
// object (member 2000 of its dispatch interface) and its events through the
// window handle.

#include "controls/ControlEvents.h"
#include "platform/window/WindowApi.h"

#include <string>
#include <utility>
#include <vector>

namespace hosted {

class HostedControl {
 public:
  virtual ~HostedControl() = default;
  // The control object's dispatch interface, no reference added.
  virtual IDispatch* Dispatch() = 0;
  ControlEvents& Events() { return events_; }
  // Sets the initial state from the template's text for the control:
  // "key=value" entries separated by ';' (TemplateEntries).
  virtual void Initialize(const std::string& text) {}

 private:
  ControlEvents events_;
};

// The "key=value" entries of a template's text, in order; entries without
// '=' are skipped.
std::vector<std::pair<std::string, std::string>> TemplateEntries(const std::string& text);

// Registers the three controls' window classes (by class id and by name:
// "GraphControl", "NumEditControl", "BooleanButtonControl"). Idempotent.
void RegisterHostedControls();

HostedControl* HostedControlOf(HWND window);  // null for any other window
// The framework's call of member 2000 on the window's control: the control
// object with one reference for the caller, or null when the window hosts
// no control.
IUnknown* InvokeControlObject(HWND window);
// The control's IUnknown (one reference for the caller), null when none.
IUnknown* GetControlUnknown(HWND window);
DWORD AdviseControlEvents(HWND window, IDispatch* sink);
void UnadviseControlEvents(HWND window, DWORD cookie);

// Used by the widgets: binds and unbinds a window and its control.
void BindHostedControl(HWND window, HostedControl* control);
void UnbindHostedControl(HWND window);

}  // namespace hosted
