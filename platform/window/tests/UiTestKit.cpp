#include "UiTestKit.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <atomic>
#include <gtest/gtest.h>

namespace window_beeps {
extern std::atomic<int> count;
}

ScriptedBoxes::ScriptedBoxes() {
  previous_ = UiScript::SetMessageBoxHandler([this](const MessageBoxCall& call) -> int {
    shown_.push_back(call);
    if (expected_.empty()) {
      ADD_FAILURE() << "a message box the test did not expect: \"" << call.text << "\"";
      return (call.type & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    }
    Expected next = expected_.front();
    expected_.pop_front();
    if (!next.textPart.empty()) {
      EXPECT_NE(call.text.find(next.textPart), std::string::npos)
          << "box text \"" << call.text << "\" lacks \"" << next.textPart << "\"";
    }
    return next.answer;
  });
}

ScriptedBoxes::~ScriptedBoxes() {
  UiScript::SetMessageBoxHandler(previous_);
  EXPECT_TRUE(expected_.empty()) << expected_.size() << " expected message box(es) never appeared";
}

void ScriptedBoxes::Expect(int answer, std::string textPart) {
  expected_.push_back({answer, std::move(textPart)});
}

ScriptedDialogs::ScriptedDialogs() {
  previous_ = UiScript::SetModalHandler([this](HWND dialog) {
    if (scripts_.empty()) {
      ADD_FAILURE() << "a modal dialog the test did not expect: \"" << GetWindowTextString(dialog)
                    << "\"";
    } else {
      auto script = std::move(scripts_.front());
      scripts_.pop_front();
      script(dialog);
      ui_test::Pump();
      if (!DialogHasEnded(dialog)) ADD_FAILURE() << "the dialog is still open after its script";
    }
    if (!DialogHasEnded(dialog)) EndDialog(dialog, IDCANCEL);
  });
}

ScriptedDialogs::~ScriptedDialogs() {
  UiScript::SetModalHandler(previous_);
  EXPECT_TRUE(scripts_.empty()) << scripts_.size() << " expected dialog(s) never opened";
}

void ScriptedDialogs::Expect(std::function<void(HWND)> script) {
  scripts_.push_back(std::move(script));
}

ScriptedCommonDialogs::ScriptedCommonDialogs() {
  previous_ = UiScript::SetCommonDialogHandler([this](CommonDialogRequest& request) {
    if (answers_.empty()) {
      ADD_FAILURE() << "a common dialog the test did not expect (kind "
                    << static_cast<int>(request.kind) << ")";
      request.accepted = false;
      return;
    }
    auto [kind, answer] = std::move(answers_.front());
    answers_.pop_front();
    EXPECT_EQ(static_cast<int>(kind), static_cast<int>(request.kind))
        << "another common dialog than expected";
    answer(request);
  });
}

ScriptedCommonDialogs::~ScriptedCommonDialogs() {
  UiScript::SetCommonDialogHandler(previous_);
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " expected common dialog(s) never opened";
}

void ScriptedCommonDialogs::Expect(CommonDialogRequest::Kind kind,
                                   std::function<void(CommonDialogRequest&)> answer) {
  answers_.emplace_back(kind, std::move(answer));
}

void ScriptedCommonDialogs::ExpectPath(CommonDialogRequest::Kind kind, std::string path) {
  Expect(kind, [path](CommonDialogRequest& r) {
    r.accepted = true;
    r.path = path;
  });
}

void ScriptedCommonDialogs::ExpectColor(COLORREF color) {
  Expect(CommonDialogRequest::Kind::Color, [color](CommonDialogRequest& r) {
    r.accepted = true;
    r.color = color;
  });
}

void ScriptedCommonDialogs::ExpectCancel(CommonDialogRequest::Kind kind) {
  Expect(kind, [](CommonDialogRequest& r) { r.accepted = false; });
}

namespace ui_test {
namespace {
QWidget* Target(HWND control) {
  QWidget* w = WidgetOf(control);
  if (!w) return nullptr;
  // Composite controls take keys in their focus proxy (an editable combo's line edit).
  return w->focusProxy() ? w->focusProxy() : w;
}
}  // namespace

void Pump() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void ShowActive(HWND window) {
  ShowWindow(window, SW_SHOW);
  if (QWidget* w = WidgetOf(window)) {
    QApplication::setActiveWindow(w->window());
    w->activateWindow();
  }
  Pump();
}

void TypeText(HWND control, const QString& text) {
  if (QWidget* w = Target(control)) QTest::keyClicks(w, text);
}

void PressKey(HWND control, int qtKey, Qt::KeyboardModifiers mods) {
  if (QWidget* w = Target(control)) QTest::keyClick(w, static_cast<Qt::Key>(qtKey), mods);
}

void Click(HWND window, POINT at, Qt::KeyboardModifiers mods) {
  QWidget* w = WidgetOf(window);
  if (!w) return;
  // The click lands on the innermost widget under the point, as a real one does.
  QPoint p(at.x, at.y);
  QWidget* target = w->childAt(p);
  if (!target) target = w;
  QTest::mouseClick(target, Qt::LeftButton, mods, target->mapFrom(w, p));
}

void ClickCenter(HWND window, Qt::KeyboardModifiers mods) {
  if (QWidget* w = WidgetOf(window)) QTest::mouseClick(w, Qt::LeftButton, mods, w->rect().center());
}

namespace {
QWidget* TargetAt(HWND window, QPoint* p) {
  QWidget* w = WidgetOf(window);
  if (!w) return nullptr;
  QWidget* target = w->childAt(*p);
  if (!target) target = w;
  *p = target->mapFrom(w, *p);
  return target;
}
}  // namespace

void DoubleClick(HWND window, POINT at, Qt::MouseButton button) {
  QPoint p(at.x, at.y);
  QWidget* target = TargetAt(window, &p);
  if (!target) return;
  // Qt's double click takes the place of the second press.
  QTest::mousePress(target, button, {}, p);
  QTest::mouseRelease(target, button, {}, p);
  QTest::mouseDClick(target, button, {}, p);
  QTest::mouseRelease(target, button, {}, p);
}

void Drag(HWND window, POINT at, POINT screenTo) {
  QPoint p(at.x, at.y);
  QWidget* target = TargetAt(window, &p);
  if (!target) return;
  QTest::mousePress(target, Qt::LeftButton, {}, p);
  const QPoint from = target->mapToGlobal(p);
  const QPoint to(screenTo.x, screenTo.y);
  for (int step = 1; step <= 4; ++step)
    QTest::mouseMove(target, target->mapFromGlobal(from + (to - from) * step / 4));
  QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFromGlobal(to));
}

void MoveFocus(HWND to) {
  QWidget* w = Target(to);
  if (!w) return;
  if (QApplication::activeWindow() != w->window()) QApplication::setActiveWindow(w->window());
  w->setFocus(Qt::TabFocusReason);
}

int Beeps() { return window_beeps::count.load(); }
}  // namespace ui_test
