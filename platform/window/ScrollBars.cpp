#include "platform/window/ScrollBars.h"

#include "platform/win/NeverDestroyed.h"
#include "platform/window/DispatchGuard.h"
#include "platform/window/StandardControls.h"
#include "platform/window/WindowApi.h"

#include <QEvent>
#include <QScrollBar>
#include <QWidget>
#include <map>

namespace {
// One pair of bars per window, laid along its right and bottom edges.
struct Bars {
  const QWidget* owner = nullptr;  // tells the window from a later one given the same handle
  QObject* layout = nullptr;       // the owner's child that places the bars
  QScrollBar* vertical = nullptr;
  QScrollBar* horizontal = nullptr;
  SCROLLINFO info[2];  // SB_HORZ, SB_VERT
};

class BarLayout : public QObject {
 public:
  BarLayout(Bars* bars, QWidget* owner) : QObject(owner), bars_(bars) {}
  bool eventFilter(QObject* obj, QEvent* e) override {
    if (e->type() == QEvent::Resize) Place(static_cast<QWidget*>(obj), *bars_);
    return false;
  }
  static void Place(QWidget* w, const Bars& b) {
    int extent = b.vertical     ? b.vertical->sizeHint().width()
                 : b.horizontal ? b.horizontal->sizeHint().height()
                                : 0;
    bool v = b.vertical && !b.vertical->isHidden(), h = b.horizontal && !b.horizontal->isHidden();
    if (v) b.vertical->setGeometry(w->width() - extent, 0, extent, w->height() - (h ? extent : 0));
    if (h)
      b.horizontal->setGeometry(0, w->height() - extent, w->width() - (v ? extent : 0), extent);
  }

 private:
  Bars* bars_;
};

std::map<HWND, Bars>& AllBars() {
  static win_detail::NeverDestroyed<std::map<HWND, Bars>> bars;
  return *bars;
}

// The window's bar, made on first use.
QScrollBar* BarOf(HWND h, int which, bool create) {
  QWidget* w = WidgetOf(h);
  if (!w || (which != SB_VERT && which != SB_HORZ)) return nullptr;
  auto& all = AllBars();
  auto found = all.find(h);
  if (found != all.end() && found->second.owner != w) {
    delete found->second.layout;  // a destroyed window's, whose widget has not gone yet
    all.erase(found);
    found = all.end();
  }
  if (found == all.end()) {
    if (!create) return nullptr;
    found = all.emplace(h, Bars{}).first;
    Bars* bars = &found->second;
    bars->owner = w;
    bars->layout = new BarLayout(bars, w);  // goes with the widget
    w->installEventFilter(bars->layout);
    QObject::connect(w, &QObject::destroyed, [h, w] {
      if (auto it = AllBars().find(h); it != AllBars().end() && it->second.owner == w)
        AllBars().erase(it);
    });
  }
  Bars& b = found->second;
  QScrollBar*& bar = which == SB_VERT ? b.vertical : b.horizontal;
  if (!bar && create) {
    bar = new QScrollBar(which == SB_VERT ? Qt::Vertical : Qt::Horizontal, w);
    bar->setRange(0, 0);
    bool vertical = which == SB_VERT;
    QObject::connect(bar, &QAbstractSlider::actionTriggered, [h, vertical, bar](int action) {
      DispatchGuard::RunGuarded([&] {
        SendMessage(h, vertical ? WM_VSCROLL : WM_HSCROLL,
                    MAKEWPARAM(static_cast<WORD>(scroll_detail::ScrollCodeOf(action)),
                               static_cast<WORD>(bar->sliderPosition())),
                    0);
      });
    });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, [h, vertical, bar] {
      DispatchGuard::RunGuarded([&] {
        SendMessage(h, vertical ? WM_VSCROLL : WM_HSCROLL,
                    MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(bar->sliderPosition())), 0);
        SendMessage(h, vertical ? WM_VSCROLL : WM_HSCROLL, SB_ENDSCROLL, 0);
      });
    });
    bar->show();
    BarLayout::Place(w, b);
  }
  return bar;
}

SCROLLINFO& InfoOf(HWND h, int which) { return AllBars()[h].info[which == SB_VERT ? 1 : 0]; }

// The platform's largest position is nMax - nPage + 1 (nMax with no page).
void Apply(QScrollBar* bar, const SCROLLINFO& s) {
  int top = s.nPage ? s.nMax - static_cast<int>(s.nPage) + 1 : s.nMax;
  bar->setRange(s.nMin, std::max(s.nMin, top));
  bar->setPageStep(std::max(1, static_cast<int>(s.nPage)));
  bar->setValue(s.nPos);
}
}  // namespace

int SetScrollInfo(HWND h, int which, const SCROLLINFO* info, BOOL) {
  QScrollBar* bar = info ? BarOf(h, which, true) : nullptr;
  if (!bar) return 0;
  SCROLLINFO& s = InfoOf(h, which);
  if (info->fMask & SIF_RANGE) s.nMin = info->nMin, s.nMax = info->nMax;
  if (info->fMask & SIF_PAGE) s.nPage = info->nPage;
  if (info->fMask & SIF_POS) s.nPos = info->nPos;
  Apply(bar, s);
  s.nPos = bar->value();  // clamped as the platform clamps it
  return s.nPos;
}

BOOL GetScrollInfo(HWND h, int which, SCROLLINFO* info) {
  QScrollBar* bar = info ? BarOf(h, which, false) : nullptr;
  if (!bar) return FALSE;
  const SCROLLINFO& s = InfoOf(h, which);
  if (info->fMask & SIF_RANGE) info->nMin = s.nMin, info->nMax = s.nMax;
  if (info->fMask & SIF_PAGE) info->nPage = s.nPage;
  if (info->fMask & SIF_POS) info->nPos = bar->value();
  if (info->fMask & SIF_TRACKPOS) info->nTrackPos = bar->sliderPosition();
  return TRUE;
}

int SetScrollPos(HWND h, int which, int pos, BOOL redraw) {
  int previous = GetScrollPos(h, which);
  SCROLLINFO info;
  info.fMask = SIF_POS;
  info.nPos = pos;
  SetScrollInfo(h, which, &info, redraw);
  return previous;
}

int GetScrollPos(HWND h, int which) {
  QScrollBar* bar = BarOf(h, which, false);
  return bar ? bar->value() : 0;
}

BOOL SetScrollRange(HWND h, int which, int minimum, int maximum, BOOL redraw) {
  SCROLLINFO info;
  info.fMask = SIF_RANGE;
  info.nMin = minimum;
  info.nMax = maximum;
  return SetScrollInfo(h, which, &info, redraw) >= 0;
}

BOOL ShowScrollBar(HWND h, int which, BOOL show) {
  QScrollBar* bar = BarOf(h, which, show != FALSE);
  if (!bar) return !show;
  bar->setVisible(show != FALSE);
  BarLayout::Place(WidgetOf(h), AllBars()[h]);
  return TRUE;
}

BOOL ScrollWindow(HWND h, int dx, int dy, const RECT*, const RECT*) {
  QWidget* w = WidgetOf(h);
  if (!w) return FALSE;
  w->update();  // the next paint draws the moved content
  (void)dx, (void)dy;
  return TRUE;
}

BOOL SystemParametersInfo(UINT action, UINT, void* value, UINT) {
  if (action != SPI_GETWHEELSCROLLLINES || !value) return FALSE;
  *static_cast<UINT*>(value) = 3;
  return TRUE;
}

namespace scroll_detail {
UINT ScrollCodeOf(int sliderAction) {
  switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    case QAbstractSlider::SliderMove: return SB_THUMBTRACK;
    default: return SB_ENDSCROLL;
  }
}

void ClientInset(HWND h, int* right, int* bottom) {
  *right = *bottom = 0;
  auto found = AllBars().find(h);
  if (found == AllBars().end()) return;
  const Bars& b = found->second;
  if (b.vertical && !b.vertical->isHidden()) *right = b.vertical->sizeHint().width();
  if (b.horizontal && !b.horizontal->isHidden()) *bottom = b.horizontal->sizeHint().height();
}
}  // namespace scroll_detail
