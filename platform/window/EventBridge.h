#pragma once
// Qt's events arrive at a window's procedure chain as the platform's
// messages. The procedure chain ends in the class's default processing, which
// hands the original Qt event to the widget at that point of the chain, so a
// subclass can act before and after the control's own behaviour, or swallow
// the event by not passing it on.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

#include <QtCore/qnamespace.h>
#include <functional>

class QObject;
class QWidget;
class QPaintEvent;

namespace EventBridge {
void Attach(HWND window, QWidget* widget);
// Another widget whose events belong to the window (a scroll area's
// viewport, an editable combo box's line edit).
void AttachPart(HWND window, QWidget* part);
void Detach(HWND window);
HWND WindowOfObject(const QObject* object);

// Called by the default procedure: delivers the Qt event behind the message,
// when there is one waiting for this window, and returns true.
bool DeliverNative(HWND window, UINT msg, LRESULT* result);
// The paint event being handled for the window, or null outside painting.
const QPaintEvent* CurrentPaint(HWND window);

// Runs a message from the loop (posted or translated) with its pre-translate
// filters and the catch-and-report guard; false when a filter consumed it.
bool DispatchFromLoop(const MSG& msg);
// Filters that see key and mouse messages before dispatch (the framework's
// PreTranslateMessage, the dialog manager's Enter/Esc/Tab rules); a filter that
// returns true consumes the message.
// Filters added with `first` run before the others.
void AddPreTranslateFilter(std::function<bool(MSG&)> filter, bool first = false);

// A control tells its parent about a user action (WM_COMMAND with the code).
void NotifyParent(HWND control, WORD code);
// A parent may hold back its children's notifications (a dialog until its
// initialisation returns).
void SetNotificationsHeld(HWND parent, bool held);
bool NotificationsHeld(HWND parent);

void StyleChanged(HWND window);
// The window whose pointer is being settled (WM_SETCURSOR), or the last one.
HWND CursorTarget();
// Shift and Ctrl as the input being handled saw them.
Qt::KeyboardModifiers CurrentModifiers();
}  // namespace EventBridge
