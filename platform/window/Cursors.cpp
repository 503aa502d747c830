#include "platform/window/Cursors.h"

#include "platform/win/NeverDestroyed.h"
#include "platform/window/EventBridge.h"
#include "platform/window/Resources.h"
#include "platform/window/WindowApi.h"

#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QWidget>
#include <map>
#include <optional>
#include <memory>

namespace {
// Never destroyed: their pixmaps must not outlive the QApplication, which
// goes before function statics do.
std::map<UINT_PTR, std::unique_ptr<QCursor>>& Cursors() {
  static win_detail::NeverDestroyed<std::map<UINT_PTR, std::unique_ptr<QCursor>>> cursors;
  return *cursors;
}
std::map<UINT_PTR, std::unique_ptr<QIcon>>& Icons() {
  static win_detail::NeverDestroyed<std::map<UINT_PTR, std::unique_ptr<QIcon>>> icons;
  return *icons;
}
HCURSOR& Current() {
  static HCURSOR current = nullptr;
  return current;
}

Qt::CursorShape StandardShape(UINT_PTR id) {
  switch (id) {
    case IDC_IBEAM: return Qt::IBeamCursor;
    case IDC_WAIT: return Qt::WaitCursor;
    case IDC_CROSS: return Qt::CrossCursor;
    case IDC_SIZEALL: return Qt::SizeAllCursor;
    case IDC_SIZEWE: return Qt::SizeHorCursor;
    case IDC_SIZENS: return Qt::SizeVerCursor;
    case IDC_HAND: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
  }
}
}  // namespace

HCURSOR LoadCursor(HINSTANCE instance, UINT_PTR id) {
  // Standard cursors and resource cursors share one table, apart by key.
  UINT_PTR key = instance || id < IDC_ARROW ? id : id | (UINT_PTR{1} << 40);
  auto& slot = Cursors()[key];
  if (!slot) {
    if (key != id) {
      slot = std::make_unique<QCursor>(StandardShape(id));
    } else {
      POINT hot;
      QImage image = resources::Cursor(static_cast<UINT>(id), &hot);
      if (image.isNull()) {
        Cursors().erase(key);
        return nullptr;
      }
      slot = std::make_unique<QCursor>(QPixmap::fromImage(image), hot.x, hot.y);
    }
  }
  return slot.get();
}

HCURSOR SetCursor(HCURSOR cursor) {
  HCURSOR previous = std::exchange(Current(), cursor);
  // The pointer belongs to the window whose WM_SETCURSOR is being handled.
  if (QWidget* under = WidgetOf(EventBridge::CursorTarget())) {
    under->setCursor(cursor ? *static_cast<QCursor*>(cursor) : QCursor(Qt::BlankCursor));
    under->setProperty("pelmoranCursorSet", true);
  }
  return previous;
}

HCURSOR GetCursor() { return Current(); }

namespace {
std::optional<POINT>& LastPosition() {
  static std::optional<POINT> last;
  return last;
}
}  // namespace

void cursor_detail::NotePosition(int x, int y) { LastPosition() = POINT{x, y}; }

BOOL GetCursorPos(POINT* point) {
  if (!point) return FALSE;
  if (LastPosition()) {
    *point = *LastPosition();
  } else {
    QPoint p = QCursor::pos();
    *point = POINT{p.x(), p.y()};
  }
  return TRUE;
}

HICON LoadIcon(HINSTANCE, UINT_PTR id) {
  auto& slot = Icons()[id];
  if (!slot) {
    QImage image = resources::Icon(static_cast<UINT>(id));
    if (image.isNull()) {
      Icons().erase(id);
      return nullptr;
    }
    slot = std::make_unique<QIcon>(QPixmap::fromImage(image));
  }
  return slot.get();
}

void SetWindowIcon(HWND window, HICON icon) {
  if (QWidget* w = WidgetOf(window); w && icon) w->setWindowIcon(*static_cast<QIcon*>(icon));
}

// Each wait pushes the wait cursor on Qt's override stack, so nested waits
// end in order.
CWaitCursor::CWaitCursor() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  // What is waiting to be painted is painted now: the program answers
  // nothing until the wait ends. Input waits for the loop.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

CWaitCursor::~CWaitCursor() { QApplication::restoreOverrideCursor(); }

cursor_detail::ModalPointer::ModalPointer()
    : pushed_(QApplication::overrideCursor() &&
              QApplication::overrideCursor()->shape() == Qt::WaitCursor) {
  if (pushed_) QApplication::setOverrideCursor(Qt::ArrowCursor);
}

cursor_detail::ModalPointer::~ModalPointer() {
  if (pushed_) QApplication::restoreOverrideCursor();
}
