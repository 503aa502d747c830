#pragma once
// Events of a hosted control: the sinks its host advised, called by DISPID
// with the arguments in the order the event declares them (by reference
// where the event passes pointers). A sink's failure never reaches the
// control.

#include "platform/com/Dispatch.h"

#include <QtCore/qnamespace.h>

#include <functional>
#include <map>
#include <vector>

class QKeyEvent;
class QMouseEvent;

namespace hosted {

class ControlEvents {
 public:
  ControlEvents() = default;
  ControlEvents(const ControlEvents&) = delete;
  ControlEvents& operator=(const ControlEvents&) = delete;
  ~ControlEvents();
  DWORD Advise(IDispatch* sink);  // takes a reference; 0 for a null sink
  void Unadvise(DWORD cookie);
  // args in declaration order; the sinks see them last-first, as DISPPARAMS
  // carries them.
  void Fire(DISPID event, std::vector<VARIANT> args);

 private:
  std::map<DWORD, IDispatch*> sinks_;
  DWORD next_ = 1;
};

// By-reference argument VARIANTs.
VARIANT ByRef(SHORT* value);
VARIANT ByRef(LONG* value);
VARIANT ByRef(VARIANT* value);
VARIANT ByValue(SHORT value);
VARIANT ByValue(LONG value);

// The event's argument at its declared position (0 is the first); the
// pointers of by-reference arguments are in piVal, plVal and pvarVal.
inline VARIANT& EventArgument(DISPPARAMS& params, UINT position) {
  return params.rgvarg[params.cArgs - 1 - position];
}

// A sink that hands every event to a function, for hosts written in C++.
using EventHandler = std::function<void(DISPID event, DISPPARAMS& params)>;
IDispatch* NewEventSink(EventHandler handler);  // one reference for the caller

// The graph's events.
enum GraphEvent : DISPID {
  kCursorChange = 1,  // long* cursor index, VARIANT* x, VARIANT* y, BOOL* tracking
  kPlotMouseDown =
      2,  // short* button, short* shift, VARIANT* x, VARIANT* y, short* plot, long* point
  kPlotMouseMove = 3,
  kPlotMouseUp = 4,
  kPlotAreaMouseDown = 8,  // short* button, short* shift, VARIANT* x, VARIANT* y
  kPlotAreaMouseMove = 9,
  kPlotAreaMouseUp = 10,
  kAxisChange = 15,        // no arguments
  kStockMouseDown = -605,  // short button, short shift, long x, long y (pixels)
};

// The stock key-down every control that takes keys raises: short* virtual
// key code, short shift.
constexpr DISPID kStockKeyDown = -602;

// The mouse buttons and shift keys as the stock events count them: 1 left,
// 2 right, 4 middle; 1 shift, 2 control, 4 alt.
short ButtonOf(Qt::MouseButtons buttons);
short ShiftOf(Qt::KeyboardModifiers modifiers);
// The stock mouse-down for a press, at its position in pixels.
void FireMouseDown(ControlEvents& events, const QMouseEvent& press);
void FireKeyDown(ControlEvents& events, const QKeyEvent& key);

// The numeric edit's value change: VARIANT* value, VARIANT* previous,
// BOOL* typed (false when code set the value). The button's click: no
// arguments. Both also raise kStockMouseDown.
constexpr DISPID kValueChanged = 1;
constexpr DISPID kButtonClick = 1;

}  // namespace hosted
