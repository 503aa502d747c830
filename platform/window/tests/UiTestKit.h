#pragma once
// Test seams for windows: message boxes answered from a queue (a box no test
// expected is a failure), scripted input into controls by id, event pumping.

#include "platform/window/CommonDialogs.h"
#include "platform/window/Dialogs.h"
#include "platform/window/MessageBox.h"
#include "platform/window/WindowApi.h"

#include <QString>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// While alive, message boxes are answered from the queue instead of shown.
class ScriptedBoxes {
 public:
  ScriptedBoxes();
  ~ScriptedBoxes();
  ScriptedBoxes(const ScriptedBoxes&) = delete;
  ScriptedBoxes& operator=(const ScriptedBoxes&) = delete;

  // The next box is answered with `answer`; a non-empty `textPart` must
  // occur in its text.
  void Expect(int answer, std::string textPart = {});
  const std::vector<MessageBoxCall>& Shown() const { return shown_; }
  size_t Pending() const { return expected_.size(); }

 private:
  struct Expected {
    int answer;
    std::string textPart;
  };
  std::deque<Expected> expected_;
  std::vector<MessageBoxCall> shown_;
  UiScript::MessageBoxHandler previous_;
};

// While alive, each modal dialog is handed to the next script of the queue
// once it is shown; a dialog the test did not expect, or one its script left
// open, is a failure (and is cancelled).
class ScriptedDialogs {
 public:
  ScriptedDialogs();
  ~ScriptedDialogs();
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
  void Expect(std::function<void(HWND dialog)> script);

 private:
  std::deque<std::function<void(HWND)>> scripts_;
  UiScript::ModalHandler previous_;
};

// While alive, the common dialogs (file, colour, font, print) are answered
// from a queue: each answer fills in the request; an unexpected one fails.
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
  std::deque<std::pair<CommonDialogRequest::Kind, std::function<void(CommonDialogRequest&)>>>
      answers_;
  UiScript::CommonDialogHandler previous_;
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
}  // namespace ui_test
