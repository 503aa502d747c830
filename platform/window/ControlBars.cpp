#include "platform/window/ControlBar.h"

#include "platform/window/Dc.h"
#include "platform/window/DockBar.h"
#include "platform/window/NonClient.h"

#include "platform/window/DispatchGuard.h"
#include "platform/window/Dialogs.h"
#include "platform/window/FrameworkClasses.h"
#include "platform/window/Resources.h"

#include <QHelpEvent>
#include <QToolButton>
#include <QToolTip>
#include <QIcon>
#include <QPixmap>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_MESSAGE(WM_NCPAINT, OnNcPaintDefault)
END_MESSAGE_MAP()
IMPLEMENT_DYNAMIC(CToolBar, CControlBar)
IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)
IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

CSize CControlBar::CalcFixedLayout(BOOL, BOOL) { return m_sizeDefault; }

CSize CControlBar::CalcDynamicLayout(int, DWORD mode) {
  return CalcFixedLayout(mode & LM_STRETCH, mode & LM_HORZ);
}

CControlBar::CControlBar() = default;
// A bar that goes first leaves its dock bar and frame without a dangling entry.
CControlBar::~CControlBar() {
  if (m_pDockBar) m_pDockBar->RemoveControlBar(this);
  if (m_pDockSite) m_pDockSite->RemoveControlBar(this);
}

void CControlBar::EnableDocking(DWORD style) {
  m_dwDockStyle = style;
  if (style & CBRS_ALIGN_ANY) {
    if (!m_pDockContext) m_pDockContext = std::make_unique<CDockContext>(this);
  } else {
    m_pDockContext.reset();
  }
}

BOOL CControlBar::IsFloating() const { return m_pDockBar && m_pDockBar->m_bFloating; }

void CControlBar::OnLButtonDown(UINT flags, CPoint point) {
  if (m_pDockContext && m_pDockBar && !m_pDockContext->Dragging()) {
    ClientToScreen(&point);
    m_pDockContext->StartDrag(point);
    return;
  }
  CWnd::OnLButtonDown(flags, point);
}

void CControlBar::OnLButtonDblClk(UINT flags, CPoint point) {
  if (m_pDockContext && m_pDockBar) {
    m_pDockContext->ToggleDocking();
    return;
  }
  CWnd::OnLButtonDblClk(flags, point);
}

void CControlBar::EraseNonClient() {
  CWindowDC dc(this);
  CRect window;
  GetWindowRect(&window);
  window.OffsetRect(-window.left, -window.top);
  QMargins in = nc_detail::Insets(m_hWnd);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  dc.FillSolidRect(0, 0, window.Width(), in.top(), face);
  dc.FillSolidRect(0, window.Height() - in.bottom(), window.Width(), in.bottom(), face);
  dc.FillSolidRect(0, 0, in.left(), window.Height(), face);
  dc.FillSolidRect(window.Width() - in.right(), 0, in.right(), window.Height(), face);
}

LRESULT CControlBar::OnNcPaintDefault(WPARAM, LPARAM) {
  EraseNonClient();
  return 0;
}

void CControlBar::AttachToFrame(CWnd* parent) {
  m_pDockSite = dynamic_cast<CFrameWnd*>(parent);
  if (m_pDockSite) {
    m_pDockSite->AddControlBar(this);
    m_pDockSite->RecalcLayout();
  }
}

// A bar's commands and notifications go to its frame when it does not take them.
BOOL CControlBar::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CWnd::OnCommand(wParam, lParam)) return TRUE;
  CWnd* owner = m_pDockSite ? static_cast<CWnd*>(m_pDockSite) : GetParent();
  return owner && owner->SendMessage(WM_COMMAND, wParam, lParam) == 0;
}

BOOL CControlBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (CWnd::OnNotify(wParam, lParam, result)) return TRUE;
  CWnd* owner = m_pDockSite ? static_cast<CWnd*>(m_pDockSite) : GetParent();
  if (!owner) return FALSE;
  *result = owner->SendMessage(WM_NOTIFY, wParam, lParam);
  return TRUE;
}

// Toolbar: one QToolButton per command; a click sends the command to the frame.

struct CToolBar::Button {
  UINT id;
  QToolButton* widget;
};

namespace {
// A toolbar button's tooltip comes from its frame (TTN_NEEDTEXT); hovering
// shows its prompt in the frame's message pane.
class ButtonWatcher : public QObject {
 public:
  ButtonWatcher(HWND bar, UINT id, QObject* parent) : QObject(parent), barWindow_(bar), id_(id) {}
  bool eventFilter(QObject* obj, QEvent* e) override {
    // The bar object may be gone while Qt still delivers to its buttons.
    auto* bar_ = dynamic_cast<CToolBar*>(CWnd::FromHandlePermanent(barWindow_));
    if (!bar_) return false;
    CWnd* owner = bar_->m_pDockSite ? static_cast<CWnd*>(bar_->m_pDockSite) : bar_->GetParent();
    if (!owner) return false;
    switch (e->type()) {
      case QEvent::ToolTip: {
        if (!(bar_->m_dwStyle & CBRS_TOOLTIPS)) return true;
        TOOLTIPTEXTA tip;
        tip.hdr.hwndFrom = bar_->m_hWnd;
        tip.hdr.idFrom = id_;
        tip.hdr.code = TTN_NEEDTEXTA;
        DispatchGuard::RunGuarded(
            [&] { owner->SendMessage(WM_NOTIFY, id_, reinterpret_cast<LPARAM>(&tip)); });
        QString text = QString::fromUtf8(tip.lpszText ? tip.lpszText : tip.szText);
        if (!text.isEmpty())
          QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), text,
                             static_cast<QWidget*>(obj));
        return true;
      }
      case QEvent::Enter:
      case QEvent::Leave:
        if (bar_->m_dwStyle & CBRS_FLYBY) {
          WPARAM id = e->type() == QEvent::Enter ? id_ : AFX_IDS_IDLEMESSAGE;
          DispatchGuard::RunGuarded([&] { owner->SendMessage(WM_SETMESSAGESTRING, id, 0); });
        }
        return false;
      default: return false;
    }
  }

 private:
  HWND barWindow_;
  UINT id_;
};
}  // namespace

CToolBar::~CToolBar() {
  for (Button* b : m_buttons) delete b;  // the button widgets go with the bar's window
}

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id) {
  return CreateEx(parent, 0, style, CRect(), id);
}

BOOL CToolBar::CreateEx(CWnd* parent, DWORD, DWORD style, CRect, UINT id) {
  RegisterFrameworkClasses();
  m_dwStyle =
      style & (CBRS_ALIGN_ANY | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC);
  if (!(m_dwStyle & CBRS_ALIGN_ANY)) m_dwStyle |= CBRS_TOP;
  if (!CWnd::CreateEx(0, "AfxControlBar", "", (style & 0xFFFF0000) | WS_CHILD, RECT{0, 0, 0, 0},
                      parent, id))
    return FALSE;
  AttachToFrame(parent);
  return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT id) {
  const ToolbarTemplate* tmpl = resources::Toolbar(id);
  if (!tmpl) return FALSE;
  m_sizeDefault = CSize(tmpl->buttonWidth + 7, tmpl->buttonHeight + 7);
  if (!SetButtons(tmpl->buttons.data(), static_cast<int>(tmpl->buttons.size()))) return FALSE;
  QImage strip = resources::Bitmap(id);
  int image = 0;
  for (Button* b : m_buttons) {
    if (b->id == 0) continue;
    if (!strip.isNull())
      b->widget->setIcon(QIcon(QPixmap::fromImage(
          strip.copy(image * tmpl->buttonWidth, 0, tmpl->buttonWidth, tmpl->buttonHeight))));
    b->widget->setIconSize(QSize(tmpl->buttonWidth, tmpl->buttonHeight));
    ++image;
  }
  return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* ids, int count) {
  QWidget* bar = WidgetOf(m_hWnd);
  if (!bar) return FALSE;
  for (Button* b : m_buttons) {
    delete b->widget;
    delete b;
  }
  m_buttons.clear();
  if (m_sizeDefault.cy == 0) m_sizeDefault = CSize(23, 22);
  int x = 2;
  for (int i = 0; i < count; ++i) {
    auto* b = new Button{ids[i], nullptr};
    if (ids[i] == 0) {
      x += 8;  // a separator is a gap
    } else {
      b->widget = new QToolButton(bar);
      b->widget->setAutoRaise(true);
      b->widget->setGeometry(x, 2, m_sizeDefault.cy - 1, m_sizeDefault.cy - 4);
      b->widget->show();
      UINT id = ids[i];
      QObject::connect(b->widget, &QToolButton::clicked, [this, id] { PressButton(id); });
      b->widget->installEventFilter(new ButtonWatcher(m_hWnd, id, b->widget));
      x += m_sizeDefault.cy - 1;
    }
    m_buttons.push_back(b);
  }
  return TRUE;
}

UINT CToolBar::GetItemID(int index) const {
  return index >= 0 && index < GetCount() ? m_buttons[static_cast<size_t>(index)]->id : 0;
}

int CToolBar::CommandToIndex(UINT id) const {
  for (size_t i = 0; i < m_buttons.size(); ++i)
    if (m_buttons[i]->id == id) return static_cast<int>(i);
  return -1;
}

BOOL CToolBar::IsButtonEnabled(UINT id) const {
  int i = CommandToIndex(id);
  return i >= 0 && m_buttons[static_cast<size_t>(i)]->widget &&
         m_buttons[static_cast<size_t>(i)]->widget->isEnabled();
}

BOOL CToolBar::IsButtonChecked(UINT id) const {
  int i = CommandToIndex(id);
  return i >= 0 && m_buttons[static_cast<size_t>(i)]->widget &&
         m_buttons[static_cast<size_t>(i)]->widget->isChecked();
}

void CToolBar::SetButtonToolTip(UINT id, LPCSTR text) {
  int i = CommandToIndex(id);
  if (i >= 0 && m_buttons[static_cast<size_t>(i)]->widget)
    m_buttons[static_cast<size_t>(i)]->widget->setToolTip(QString::fromUtf8(text ? text : ""));
}

void CToolBar::PressButton(UINT id) {
  CWnd* owner = m_pDockSite ? static_cast<CWnd*>(m_pDockSite) : GetParent();
  if (owner && IsButtonEnabled(id))
    DispatchGuard::RunGuarded(
        [&] { owner->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0); });
}

// Stretched it spans its side; otherwise (floating) it is as long as its buttons.
CSize CToolBar::CalcFixedLayout(BOOL stretch, BOOL horizontal) {
  int length = 32767;
  if (!stretch) {
    length = 4;
    for (Button* b : m_buttons) length += b->widget ? m_sizeDefault.cy - 1 : 8;
  }
  return horizontal ? CSize(length, m_sizeDefault.cy) : CSize(m_sizeDefault.cy, length);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
  CCmdUI state;
  state.m_pOther = this;
  state.m_pfnEnable = [](CCmdUI* ui, BOOL on) {
    static_cast<Button*>(ui->m_pButton)->widget->setEnabled(on);
  };
  state.m_pfnCheck = [](CCmdUI* ui, int check) {
    QToolButton* w = static_cast<Button*>(ui->m_pButton)->widget;
    w->setCheckable(true);
    w->setChecked(check != 0);
  };
  for (size_t i = 0; i < m_buttons.size(); ++i) {
    if (!m_buttons[i]->widget) continue;
    state.m_nID = m_buttons[i]->id;
    state.m_nIndex = static_cast<UINT>(i);
    state.m_pButton = m_buttons[i];
    state.DoUpdate(target, disableIfNoHandler);
  }
}

// Status bar: panes over the platform's status control.

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
  m_dwStyle = (style & CBRS_ALIGN_ANY) ? (style & CBRS_ALIGN_ANY) : CBRS_BOTTOM;
  // A size grip only when the frame has a sizing border now.
  const DWORD grip = parent && (parent->GetStyle() & WS_THICKFRAME) ? SBARS_SIZEGRIP : 0;
  if (!CWnd::CreateEx(0, "msctls_statusbar32", "", (style & 0xFFFF0000) | WS_CHILD | grip,
                      RECT{0, 0, 0, 22}, parent, id))
    return FALSE;
  m_sizeDefault = CSize(32767, 22);
  AttachToFrame(parent);
  return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
  m_panes.clear();
  for (int i = 0; i < count; ++i) {
    // Indicator panes show their text only while their key is locked,
    // which this desktop does not report: they stay empty.
    m_panes.push_back(AFX_STATUSPANE{ids ? ids[i] : 0, CString(), i == 0 ? -1 : 80});
  }
  ApplyParts();
  return TRUE;
}

void CStatusBar::ApplyParts() {
  CRect rc;
  GetClientRect(&rc);
  int width = rc.Width() > 0 ? rc.Width() : 800;
  std::vector<int> rights(m_panes.size());
  int right = width;
  for (size_t i = m_panes.size(); i-- > 1;) {
    rights[i] = right;
    right -= m_panes[i].width + 2;
  }
  if (!rights.empty()) rights[0] = right;
  if (!rights.empty()) rights.back() = -1;
  SendMessage(SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
  for (size_t i = 0; i < m_panes.size(); ++i)
    SendMessage(SB_SETTEXT, i, reinterpret_cast<LPARAM>(m_panes[i].text.GetString()));
}

BOOL CStatusBar::SetPaneText(int index, LPCSTR text, BOOL) {
  if (index < 0 || index >= static_cast<int>(m_panes.size())) return FALSE;
  m_panes[static_cast<size_t>(index)].text = text ? text : "";
  return SendMessage(SB_SETTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text ? text : "")) != 0;
}

CString CStatusBar::GetPaneText(int index) const {
  LRESULT length = SendMessage(SB_GETTEXTLENGTH, static_cast<WPARAM>(index));
  std::string text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
  SendMessage(SB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  return CString(text.c_str());
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT, int width) {
  if (index < 0 || index >= static_cast<int>(m_panes.size())) return;
  m_panes[static_cast<size_t>(index)].id = id;
  m_panes[static_cast<size_t>(index)].width = width;
  ApplyParts();
}

void CStatusBar::GetItemRect(int index, LPRECT rect) const {
  SendMessage(SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect));
}

int CStatusBar::CommandToIndex(UINT id) const {
  for (size_t i = 0; i < m_panes.size(); ++i)
    if (m_panes[i].id == id) return static_cast<int>(i);
  return -1;
}

CSize CStatusBar::CalcFixedLayout(BOOL, BOOL) { return m_sizeDefault; }

// Dialog bar: a child dialog from a template, docked at a side of its frame.

BOOL CDialogBar::Create(CWnd* parent, UINT templateId, UINT style, UINT id) {
  const DialogTemplate* found = resources::Dialog(templateId);
  if (!found || !parent) return FALSE;
  DialogTemplate tmpl = *found;
  tmpl.style =
      (tmpl.style & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME)) | WS_CHILD | DS_CONTROL;
  m_dwStyle =
      style & (CBRS_ALIGN_ANY | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC);
  HWND bar = CreateDialogFromTemplate(tmpl, parent->m_hWnd, nullptr, 0,
                                      [this](HWND h) { SubclassWindow(h); });
  if (!bar) return FALSE;
  ::SetWindowLongPtr(bar, GWLP_ID, static_cast<LONG_PTR>(id));
  CRect rc;
  GetClientRect(&rc);
  m_sizeDefault = rc.Size();
  ShowWindow(SW_SHOW);  // bars show unless hidden with ShowControlBar
  AttachToFrame(parent);
  return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL stretch, BOOL horizontal) {
  if (!stretch) return m_sizeDefault;  // floating: the template's size
  return horizontal ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
}
