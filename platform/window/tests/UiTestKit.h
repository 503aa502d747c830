#pragma once
// Test seams for windows: message boxes, modal and common dialogs answered
// from scripts (one nobody expected is a failure), scripted input into
// controls by id, event pumping.

#include "platform/services/tests/FakeServices.h"
#include "platform/window/CommonDialogs.h"
#include "platform/window/Dialogs.h"
#include "platform/window/MessageBox.h"
#include "platform/window/WindowApi.h"

#include <QColor>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The scripting of the test's FakeServices (platform/services/tests), the
// one fake behind every box and dialog: each class below queues answers on
// the innermost fake alive (GuiTestMain installs one for the whole run; with
// none alive the class brings its own) and, when it goes, fails the test for
// what it expected and never saw.

// Message boxes answered from the queue instead of shown.
class ScriptedBoxes {
 public:
  ScriptedBoxes();
  ~ScriptedBoxes();
  ScriptedBoxes(const ScriptedBoxes&) = delete;
  ScriptedBoxes& operator=(const ScriptedBoxes&) = delete;

  // The next box is answered with `answer`; a non-empty `textPart` must
  // occur in its text.
  void Expect(int answer, std::string textPart = {});
  // The boxes shown while this script was alive.
  std::vector<MessageBoxCall> Shown() const;
  size_t Pending() const { return fake_->PendingBoxes(); }

 private:
  std::unique_ptr<services::FakeServices> own_;
  services::FakeServices* fake_;
  size_t first_;
};

// Each modal dialog is handed to the next script of the queue once it is
// shown; a dialog the test did not expect, or one its script left open, is a
// failure (and is cancelled).
class ScriptedDialogs {
 public:
  ScriptedDialogs();
  ~ScriptedDialogs();
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
  void Expect(std::function<void(HWND dialog)> script);

 private:
  std::unique_ptr<services::FakeServices> own_;
  services::FakeServices* fake_;
};

// The common dialogs (file, colour, font, print) answered from a queue: each
// answer fills in the request; an unexpected one fails.
class ScriptedCommonDialogs {
 public:
  ScriptedCommonDialogs();
  ~ScriptedCommonDialogs();
  ScriptedCommonDialogs(const ScriptedCommonDialogs&) = delete;
  ScriptedCommonDialogs& operator=(const ScriptedCommonDialogs&) = delete;
  void Expect(CommonDialogRequest::Kind kind, std::function<void(CommonDialogRequest&)> answer);
  // The common answers: accept with a path or a colour, or cancel.
  void ExpectPath(CommonDialogRequest::Kind kind, std::string path);
  void ExpectColor(COLORREF color);
  void ExpectCancel(CommonDialogRequest::Kind kind);

 private:
  std::unique_ptr<services::FakeServices> own_;
  services::FakeServices* fake_;
};

namespace ui_test {
void Pump();  // runs posted messages and pending events
// Shows a top-level window and makes it the active one, so focus moves work.
void ShowActive(HWND window);
void TypeText(HWND control, const QString& text);
void PressKey(HWND control, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier);
void Click(HWND window, POINT at, Qt::KeyboardModifiers mods = Qt::NoModifier);
void ClickCenter(HWND window, Qt::KeyboardModifiers mods = Qt::NoModifier);
// Press, release, double click, release at a point of the window, as Qt delivers a real double
// click.
void DoubleClick(HWND window, POINT at, Qt::MouseButton button = Qt::LeftButton);
// Presses at a point of the window, moves to a screen point in steps and releases there.
void Drag(HWND window, POINT at, POINT screenTo);
// Moves the focus as the user's Tab or mouse would (a focus move that counts).
void MoveFocus(HWND to);
int Beeps();

// What a list shows of one of its rows, read from its pixels: the colour most
// of the row is painted in, and how well its text stands out from it (the
// contrast ratio of the pixel farthest from that colour: 1 when nothing shows,
// 21 for black on white).
struct RowLook {
  QColor background;
  double contrast = 1.0;
};
RowLook LookOfRow(HWND list, int row);
}  // namespace ui_test
