#include "UiTestKit.h"

#include "platform/window/ListView.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <atomic>
#include <cmath>
#include <map>
#include <gtest/gtest.h>

namespace window_beeps {
extern std::atomic<int> count;
}

namespace {
// The innermost fake alive, or one of the script's own when there is none.
services::FakeServices* FakeFor(std::unique_ptr<services::FakeServices>& own) {
  if (!services::FakeServices::Active()) own = std::make_unique<services::FakeServices>();
  return services::FakeServices::Active();
}
}  // namespace

ScriptedBoxes::ScriptedBoxes() : fake_(FakeFor(own_)), first_(fake_->Boxes().size()) {}

ScriptedBoxes::~ScriptedBoxes() {
  EXPECT_EQ(fake_->PendingBoxes(), 0u) << "expected message box(es) never appeared";
  fake_->DropPendingBoxes();
}

void ScriptedBoxes::Expect(int answer, std::string textPart) {
  fake_->ExpectBox(answer, std::move(textPart));
}

std::vector<MessageBoxCall> ScriptedBoxes::Shown() const {
  const auto& all = fake_->Boxes();
  return {all.begin() + static_cast<std::ptrdiff_t>(std::min(first_, all.size())), all.end()};
}

ScriptedDialogs::ScriptedDialogs() : fake_(FakeFor(own_)) {}

ScriptedDialogs::~ScriptedDialogs() {
  EXPECT_EQ(fake_->PendingModals(), 0u) << "expected dialog(s) never opened";
  fake_->DropPendingModals();
}

void ScriptedDialogs::Expect(std::function<void(HWND)> script) {
  fake_->ExpectModal([script = std::move(script)](HWND dialog) {
    script(dialog);
    ui_test::Pump();
    if (!DialogHasEnded(dialog)) ADD_FAILURE() << "the dialog is still open after its script";
  });
}

ScriptedCommonDialogs::ScriptedCommonDialogs() : fake_(FakeFor(own_)) {}

ScriptedCommonDialogs::~ScriptedCommonDialogs() {
  EXPECT_EQ(fake_->PendingCommonDialogs(), 0u) << "expected common dialog(s) never opened";
  fake_->DropPendingCommonDialogs();
}

void ScriptedCommonDialogs::Expect(CommonDialogRequest::Kind kind,
                                   std::function<void(CommonDialogRequest&)> answer) {
  fake_->ExpectCommonDialog(kind, std::move(answer));
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

namespace ui_test {
namespace {
double Luminance(QColor c) {
  auto linear = [](double v) {
    v /= 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double Contrast(QColor a, QColor b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
}  // namespace

RowLook LookOfRow(HWND list, int row) {
  RowLook look;
  QWidget* widget = WidgetOf(list);
  if (!widget) return look;
  // The inside of each cell, clear of grid lines and focus frames.
  std::vector<RECT> cells;
  for (int c = 0; c < listview::ColumnCount(list); ++c)
    if (RECT r{}; listview::SubItemRect(list, row, c, &r)) cells.push_back(r);
  if (RECT r{}; cells.empty() && listview::ItemRect(list, row, &r)) cells.push_back(r);
  const QImage image = widget->grab().toImage();
  std::map<QRgb, int> counts;
  for (const RECT& r : cells) {
    const QRect inside =
        QRect(r.left + 3, r.top + 3, r.right - r.left - 6, r.bottom - r.top - 6) & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
      for (int x = inside.left(); x <= inside.right(); ++x)
        ++counts[image.pixel(x, y) | 0xff000000u];
  }
  if (counts.empty()) return look;
  look.background =
      QColor::fromRgb(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                        return a.second < b.second;
                      })->first);
  for (const auto& [rgb, n] : counts)
    look.contrast = std::max(look.contrast, Contrast(QColor::fromRgb(rgb), look.background));
  return look;
}
}  // namespace ui_test
