#include "platform/window/Dialogs.h"

#include "platform/services/Services.h"
#include "platform/win/NeverDestroyed.h"
#include "platform/window/Cursors.h"
#include "platform/window/DispatchGuard.h"
#include "platform/window/EventBridge.h"
#include "platform/window/Gdi.h"
#include "platform/window/StandardControls.h"
#include "platform/window/WindowServices.h"

#include <QEventLoop>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

namespace dialog_detail {
const char* DialogProcProperty();
}

namespace {
struct DialogState {
  const QWidget* widget = nullptr;  // tells the dialog from a later window given the same handle
  int baseX = 6, baseY = 13;        // dialog base units of the dialog's font
  HFONT font = nullptr;             // owned by a DialogFont on the dialog's widget
  bool ended = false;
  INT_PTR result = 0;
  QEventLoop* loop = nullptr;
  QPoint made;  // where the dialog was before WM_INITDIALOG
};

std::map<HWND, DialogState>& States() {
  static win_detail::NeverDestroyed<std::map<HWND, DialogState>> states;
  return *states;
}

// A destroyed dialog's state lasts until its widget goes, which Qt defers;
// a window created meanwhile may get the same handle and is not that dialog.
DialogState* StateOf(HWND dialog) {
  auto it = States().find(dialog);
  if (it == States().end()) return nullptr;
  const QWidget* live = WidgetOf(dialog);
  return live && live != it->second.widget ? nullptr : &it->second;
}

// The dialog's font goes with its widget, so WM_GETFONT's answer stays good
// for as long as the dialog lives and nothing else has to free it.
class DialogFont : public QObject {
 public:
  DialogFont(QWidget* owner, HFONT font) : QObject(owner), font_(font) {}
  ~DialogFont() override { DeleteObject(font_); }
  DialogFont(const DialogFont&) = delete;
  DialogFont& operator=(const DialogFont&) = delete;

 private:
  HFONT font_;
};

struct FontDeleter {
  void operator()(HFONT f) const { DeleteObject(f); }
};

// The platform's rule: horizontal units are a quarter of the font's average
// character width, vertical units an eighth of its height.
void MeasureFont(DialogState& s, const QFont& font) {
  QFontMetrics fm(font);
  static const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  s.baseX = (fm.horizontalAdvance(alphabet) / 26 + 1) / 2;
  s.baseY = fm.height();
}

RECT ToPixels(const DialogState& s, int x, int y, int cx, int cy) {
  return RECT{MulDiv(x, s.baseX, 4), MulDiv(y, s.baseY, 8), MulDiv(x + cx, s.baseX, 4),
              MulDiv(y + cy, s.baseY, 8)};
}

// Releases the dialog's bookkeeping when its widget goes.
void Forget(HWND dialog, const QWidget* widget) {
  auto it = States().find(dialog);
  if (it == States().end() || it->second.widget != widget) return;
  if (it->second.loop) it->second.loop->exit();
  States().erase(it);
}

bool IsPushButton(HWND h) {
  if (GetClassNameString(h) != "Button") return false;
  DWORD type = static_cast<DWORD>(GetWindowLongPtr(h, GWL_STYLE)) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
}

void Command(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  if (button && !IsWindowEnabled(button)) {
    MessageBeep(0);
    return;
  }
  SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
              reinterpret_cast<LPARAM>(button));
}

const bool registered = [] {
  EventBridge::AddPreTranslateFilter([](MSG& msg) {
    HWND dialog = OwningDialog(msg.hwnd);
    return dialog && IsDialogMessage(dialog, &msg);
  });
  return true;
}();
}  // namespace

HWND OwningDialog(HWND window) {
  for (HWND h = window; h; h = GetParent(h))
    if (StateOf(h)) return h;
  return nullptr;
}

HWND CreateDialogFromTemplate(const DialogTemplate& tmpl, HWND parent, DLGPROC proc, LPARAM init,
                              const std::function<void(HWND)>& attach) {
  (void)registered;
  RegisterStandardControls();
  DialogState state;
  LOGFONT lf{};
  lf.lfHeight = -MulDiv(tmpl.fontPoints, 96, 72);
  std::strncpy(lf.lfFaceName, tmpl.fontFace.c_str(), sizeof(lf.lfFaceName) - 1);
  std::unique_ptr<GdiObject, FontDeleter> font(CreateFontIndirect(&lf));
  state.font = font.get();
  MeasureFont(state, state.font->font);

  RECT frame = ToPixels(state, tmpl.x, tmpl.y, tmpl.cx, tmpl.cy);
  DWORD style = tmpl.style & ~WS_VISIBLE;
  HWND dialog = CreateWindowEx(0, "#32770", tmpl.caption.c_str(), style, frame.left, frame.top,
                               frame.right - frame.left, frame.bottom - frame.top, parent, nullptr,
                               nullptr, nullptr);
  if (!dialog) return nullptr;
  new DialogFont(WidgetOf(dialog), font.release());  // owned by the widget
  if (auto stale = States().find(dialog); stale != States().end())
    Forget(dialog, stale->second.widget);
  state.widget = WidgetOf(dialog);
  state.made = state.widget->pos();
  States()[dialog] = state;
  if (proc) SetProp(dialog, dialog_detail::DialogProcProperty(), reinterpret_cast<HANDLE>(proc));
  QObject::connect(WidgetOf(dialog), &QObject::destroyed,
                   [dialog, widget = state.widget] { Forget(dialog, widget); });
  WidgetOf(dialog)->setFont(state.font->font);
  if (attach) attach(dialog);
  if (!IsWindow(dialog)) return nullptr;

  EventBridge::SetNotificationsHeld(dialog, true);
  HWND firstTab = nullptr;
  for (const auto& c : tmpl.controls) {
    RECT r = ToPixels(state, c.x, c.y, c.cx, c.cy);
    HWND control =
        CreateWindowEx(0, c.className.c_str(), c.text.c_str(), c.style, r.left, r.top,
                       r.right - r.left, r.bottom - r.top, dialog,
                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), nullptr, nullptr);
    if (!control) continue;  // an unknown class leaves a gap, as the platform's dialog would fail
    SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
    if (!firstTab && (c.style & WS_TABSTOP) && !(c.style & WS_DISABLED)) firstTab = control;
  }
  SendMessage(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
  LRESULT focusDefault = 0;
  DispatchGuard::RunGuarded([&] {
    focusDefault = SendMessage(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTab), init);
  });
  if (!IsWindow(dialog)) return nullptr;
  EventBridge::SetNotificationsHeld(dialog, false);
  if (focusDefault && firstTab) SetFocus(firstTab);
  if (tmpl.style & WS_VISIBLE) ShowWindow(dialog, SW_SHOW);
  return dialog;
}

HWND CreateDialogParam(HINSTANCE, UINT templateId, HWND parent, DLGPROC proc, LPARAM init) {
  const DialogTemplate* tmpl = resources::Dialog(templateId);
  return tmpl ? CreateDialogFromTemplate(*tmpl, parent, proc, init) : nullptr;
}

namespace {
// Centred over the owner's window rectangle (one hidden or minimised does
// not count), kept on the screen.
void CenterOnOwner(HWND dialog, HWND owner) {
  QWidget* w = WidgetOf(dialog);
  while (owner && (GetWindowLongPtr(owner, GWL_STYLE) & WS_CHILD)) owner = GetParent(owner);
  if (owner && (!IsWindowVisible(owner) || WidgetOf(owner)->isMinimized())) owner = nullptr;
  QScreen* screen = (owner ? WidgetOf(owner) : w)->screen();
  const QRect area = screen ? screen->availableGeometry() : QRect();
  RECT mine{}, theirs{};
  GetWindowRect(dialog, &mine);
  if (owner)
    GetWindowRect(owner, &theirs);
  else
    theirs = RECT{area.left(), area.top(), area.right() + 1, area.bottom() + 1};
  const int cx = mine.right - mine.left, cy = mine.bottom - mine.top;
  int x = (theirs.left + theirs.right) / 2 - cx / 2, y = (theirs.top + theirs.bottom) / 2 - cy / 2;
  if (!area.isEmpty()) {
    x = std::max(area.left(), std::min(x, area.right() + 1 - cx));
    y = std::max(area.top(), std::min(y, area.bottom() + 1 - cy));
  }
  // Moved by the difference, so that a frame the desktop adds around the
  // window (known once it is shown) does not shift it.
  w->move(w->pos() + QPoint(x - mine.left, y - mine.top));
}
}  // namespace

INT_PTR RunModalDialog(HWND dialog, HWND defaultOwner) {
  DialogState* s = StateOf(dialog);
  if (!s) return -1;
  if (!s->ended) {
    QWidget* w = WidgetOf(dialog);
    w->setWindowModality(Qt::ApplicationModal);
    const bool centre = !(GetWindowLongPtr(dialog, GWL_STYLE) & WS_CHILD) && w->pos() == s->made;
    HWND owner = GetParent(dialog) ? GetParent(dialog) : defaultOwner;
    if (centre) CenterOnOwner(dialog, owner);
    ShowWindow(dialog, SW_SHOW);
    if (centre) CenterOnOwner(dialog, owner);
    DispatchGuard::RunGuarded([&] { services::Current().RunModal(dialog); });
    if (!DialogHasEnded(dialog)) EndDialog(dialog, IDCANCEL);
  }
  s = StateOf(dialog);
  INT_PTR result = s ? s->result : -1;
  if (IsWindow(dialog)) DestroyWindow(dialog);
  return result;
}

INT_PTR DialogBoxParam(HINSTANCE instance, UINT templateId, HWND parent, DLGPROC proc,
                       LPARAM init) {
  HWND dialog = CreateDialogParam(instance, templateId, parent, proc, init);
  return dialog ? RunModalDialog(dialog) : -1;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  DialogState* s = StateOf(dialog);
  if (!s) return FALSE;
  s->ended = true;
  s->result = result;
  ShowWindow(dialog, SW_HIDE);
  if (s->loop) s->loop->exit();
  return TRUE;
}

bool DialogHasEnded(HWND dialog) {
  DialogState* s = StateOf(dialog);
  return !s || s->ended;
}

BOOL MapDialogRect(HWND dialog, RECT* rect) {
  DialogState* s = StateOf(dialog);
  if (!s || !rect) return FALSE;
  *rect = ToPixels(*s, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
  return TRUE;
}

BOOL IsDialogMessage(HWND dialog, MSG* msg) {
  if (!msg || msg->message != WM_KEYDOWN || !StateOf(dialog)) return FALSE;
  if (msg->wParam == VK_ESCAPE) {
    Command(dialog, IDCANCEL);
    return TRUE;
  }
  if (msg->wParam != VK_RETURN) return FALSE;
  HWND focus = msg->hwnd;
  DWORD style = static_cast<DWORD>(GetWindowLongPtr(focus, GWL_STYLE));
  if (GetClassNameString(focus) == "Edit" && (style & ES_MULTILINE) && (style & ES_WANTRETURN))
    return FALSE;
  if (IsPushButton(focus) && GetParent(focus) == dialog) {
    Command(dialog, GetDlgCtrlID(focus));
    return TRUE;
  }
  Command(dialog, LOWORD(static_cast<DWORD_PTR>(SendMessage(dialog, DM_GETDEFID, 0, 0))));
  return TRUE;
}

void WindowServices::RunModal(HWND dialog) {
  if (DialogHasEnded(dialog)) return;
  QEventLoop loop;
  StateOf(dialog)->loop = &loop;
  cursor_detail::ModalPointer pointer;
  loop.exec();
  if (DialogState* still = StateOf(dialog)) still->loop = nullptr;
}
