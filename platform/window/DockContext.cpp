#include "platform/window/DockBar.h"

#include "platform/window/DispatchGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace {
// Within this distance of a dock bar's inner edge a dragged bar docks there.
constexpr int kDockZone = 20;

// Follows the mouse for a drag: every move and the release go to the dock
// context, Esc cancels; nothing else sees them meanwhile.
class DragTracker : public QObject {
 public:
  explicit DragTracker(CDockContext* context) : context_(context) {}
  bool eventFilter(QObject*, QEvent* e) override {
    switch (e->type()) {
      case QEvent::MouseMove:
      case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(e);
        QPoint g = me->globalPosition().toPoint();
        CPoint at(g.x(), g.y());
        cursor_detail::NotePosition(at.x, at.y);
        DispatchGuard::RunGuarded([&] {
          if (e->type() == QEvent::MouseMove)
            context_->Move(at);
          else
            context_->EndDrag(at, true);
        });
        return true;
      }
      case QEvent::MouseButtonPress: return true;
      case QEvent::MouseButtonDblClick:
        // The second press of a double click began a drag: the double click goes on to the bar.
        DispatchGuard::RunGuarded([&] { context_->EndDrag(context_->m_ptLast, false); });
        return false;
      case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
          DispatchGuard::RunGuarded([&] { context_->EndDrag(context_->m_ptLast, false); });
          return true;
        }
        return false;
      default: return false;
    }
  }

 private:
  CDockContext* context_;
};
}  // namespace

CDockContext::CDockContext(CControlBar* bar) : m_pBar(bar), m_pDockSite(bar->m_pDockSite) {}

CDockContext::~CDockContext() {
  if (m_tracker) {
    qApp->removeEventFilter(m_tracker);
    delete m_tracker;
  }
}

namespace {
// A bar moves only where its frame has a dock bar it may use: it could not dock again otherwise.
bool CanMove(CControlBar* bar) {
  return bar->m_pDockSite && bar->m_pDockSite->DockBarFor(bar->m_dwDockStyle, CBRS_ALIGN_ANY);
}
}  // namespace

void CDockContext::StartDrag(CPoint point) {
  if (m_tracker || !m_pBar->m_hWnd || !CanMove(m_pBar)) return;
  m_pDockSite = m_pBar->m_pDockSite;
  CWnd* moving = m_pBar->IsFloating() ? m_pBar->m_pDockBar->GetParent() : m_pBar;
  CRect rc;
  moving->GetWindowRect(&rc);
  m_ptOffset = CPoint(point.x - rc.left, point.y - rc.top);
  if (!m_pBar->IsFloating()) {
    // The grip point stays inside the (usually smaller) floating frame.
    CSize floating = (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
                         ? m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH)
                         : m_pBar->CalcFixedLayout(FALSE, TRUE);
    m_ptOffset.x = std::clamp<LONG>(m_ptOffset.x, 0, std::max<LONG>(floating.cx - 4, 0));
    m_ptOffset.y = std::clamp<LONG>(m_ptOffset.y, 0, std::max<LONG>(floating.cy - 4, 0));
  }
  m_ptLast = m_ptStart = point;
  m_rectFrameDragHorz = rc;
  m_rectDragDock.SetRectEmpty();
  m_uDropDockId = 0;
  m_nHitTest = HTCAPTION;
  m_bResizing = false;
  Track();
}

void CDockContext::Track() {
  ::SetCapture(m_pBar->m_hWnd);
  m_tracker = new DragTracker(this);
  qApp->installEventFilter(m_tracker);
}

void CDockContext::StartResize(int hitTest, CPoint point) {
  if (m_tracker || !m_pBar->IsFloating()) return;
  m_pDockSite = m_pBar->m_pDockSite;
  m_pBar->m_pDockBar->GetParent()->GetWindowRect(&m_rectFrameDragHorz);
  m_ptLast = m_ptStart = point;
  // The gripped edge keeps its distance from the pointer.
  m_ptOffset = CPoint(
      hitTest == HTLEFT ? point.x - m_rectFrameDragHorz.left : m_rectFrameDragHorz.right - point.x,
      hitTest == HTTOP ? point.y - m_rectFrameDragHorz.top : m_rectFrameDragHorz.bottom - point.y);
  m_nHitTest = hitTest;
  m_bResizing = true;
  Track();
}

// The floating frame follows the mouse at the gripped edge or corner; the
// bar's dynamic layout says what size it takes (and, at a top or left
// corner, where the frame's top-left goes).
void CDockContext::Stretch(CPoint point) {
  CWnd* mini = m_pBar->m_pDockBar->GetParent();
  const CSize extra = CMiniDockFrameWnd::Extra();
  const CRect w = m_rectFrameDragHorz;
  CSize size;
  CPoint topLeft = w.TopLeft();
  const CPoint edge(m_nHitTest == HTLEFT ? point.x - m_ptOffset.x : point.x + m_ptOffset.x,
                    m_nHitTest == HTTOP ? point.y - m_ptOffset.y : point.y + m_ptOffset.y);
  switch (m_nHitTest) {
    case HTLEFT:
      size = m_pBar->CalcDynamicLayout(w.right - edge.x - extra.cx, LM_HORZ);
      topLeft.x = w.right - size.cx - extra.cx;
      break;
    case HTRIGHT: size = m_pBar->CalcDynamicLayout(edge.x - w.left - extra.cx, LM_HORZ); break;
    case HTTOP:
      size = m_pBar->CalcDynamicLayout(w.bottom - edge.y - extra.cy, LM_HORZ | LM_LENGTHY);
      topLeft.y = w.bottom - size.cy - extra.cy;
      break;
    case HTBOTTOM:
      size = m_pBar->CalcDynamicLayout(edge.y - w.top - extra.cy, LM_HORZ | LM_LENGTHY);
      break;
    default:  // a corner: the bar reads the cursor and may move the drag rectangle's top-left
      size = m_pBar->CalcDynamicLayout(0, LM_HORZ);
      topLeft = m_rectFrameDragHorz.TopLeft();
      break;
  }
  m_rectFrameDragHorz =
      CRect(topLeft.x, topLeft.y, topLeft.x + size.cx + extra.cx, topLeft.y + size.cy + extra.cy);
  mini->SetWindowPos(nullptr, topLeft.x, topLeft.y, m_rectFrameDragHorz.Width(),
                     m_rectFrameDragHorz.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  m_pBar->m_pDockBar->LayoutBars();
}

UINT CDockContext::DockTarget(CPoint point, CRect* rect) const {
  if (!m_pDockSite) return 0;
  for (UINT id :
       {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT}) {
    auto* dock = dynamic_cast<CDockBar*>(m_pDockSite->GetControlBar(id));
    if (!dock || !(m_pBar->m_dwDockStyle & dock->m_dwStyle & CBRS_ALIGN_ANY)) continue;
    CRect zone;
    dock->GetWindowRect(&zone);
    const DWORD side = dock->m_dwStyle & CBRS_ALIGN_ANY;
    if (side == CBRS_ALIGN_TOP) zone.bottom += kDockZone;
    if (side == CBRS_ALIGN_BOTTOM) zone.top -= kDockZone;
    if (side == CBRS_ALIGN_LEFT) zone.right += kDockZone;
    if (side == CBRS_ALIGN_RIGHT) zone.left -= kDockZone;
    if (zone.PtInRect(point)) {
      *rect = zone;
      return id;
    }
  }
  return 0;
}

void CDockContext::Move(CPoint point) {
  m_ptLast = point;
  if (m_bResizing) {
    Stretch(point);
    return;
  }
  m_rectFrameDragHorz.OffsetRect(point.x - m_ptOffset.x - m_rectFrameDragHorz.left,
                                 point.y - m_ptOffset.y - m_rectFrameDragHorz.top);
  m_uDropDockId = DockTarget(point, &m_rectDragDock);
  if (!m_uDropDockId) m_rectDragDock.SetRectEmpty();
}

void CDockContext::EndDrag(CPoint point, bool accept) {
  if (!m_tracker) return;
  qApp->removeEventFilter(m_tracker);
  m_tracker->deleteLater();
  m_tracker = nullptr;
  if (::GetCapture() == m_pBar->m_hWnd) ::ReleaseCapture();
  if (m_bResizing) {
    m_bResizing = false;
    if (accept && point != m_ptStart) {
      Stretch(point);
      m_pBar->CalcDynamicLayout(m_rectFrameDragHorz.Width() - CMiniDockFrameWnd::Extra().cx,
                                LM_HORZ | LM_COMMIT);
    }
    m_nHitTest = HTCLIENT;
    if (auto* mini = dynamic_cast<CFrameWnd*>(m_pBar->m_pDockBar->GetParent()))
      mini->RecalcLayout();
    return;
  }
  m_nHitTest = HTCLIENT;
  if (accept) Move(point);
  // A press and release without moving leaves the bar where it is.
  if (!accept || !m_pDockSite || point == m_ptStart) return;
  if (m_uDropDockId) {
    m_pDockSite->DockControlBar(m_pBar, m_uDropDockId);
  } else {
    m_ptMRUFloatPos = m_rectFrameDragHorz.TopLeft();
    m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos);
  }
}

void CDockContext::ToggleDocking() {
  if (!CanMove(m_pBar)) return;
  m_pDockSite = m_pBar->m_pDockSite;
  if (m_pBar->IsFloating()) {
    auto* dock = dynamic_cast<CDockBar*>(m_pDockSite->GetControlBar(m_uMRUDockID));
    const bool allowed = dock && (dock->m_dwStyle & m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY);
    m_pDockSite->DockControlBar(m_pBar, allowed ? m_uMRUDockID : 0);
    return;
  }
  CPoint at = m_ptMRUFloatPos;
  if (at.x < 0 && at.y < 0) {  // never floated: where it sits now
    CRect rc;
    m_pBar->GetWindowRect(&rc);
    at = rc.TopLeft();
  }
  m_pDockSite->FloatControlBar(m_pBar, at);
}
