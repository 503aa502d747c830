// "msctls_statusbar32": panes given by their right edges (-1 reaches the
// window's right), each with its text, over a background colour of choice.
#include "platform/window/Gdi.h"
#include "platform/window/StandardControls.h"

#include <QWidget>
#include <vector>

namespace controls {
namespace {
class StatusWidget : public QWidget {
 public:
  StatusWidget(HWND h, QWidget* parent) : QWidget(parent), window_(h) {}
  std::vector<int> edges{-1};
  std::vector<QString> texts{QString()};
  COLORREF background = 0xFFFFFFFF;  // none chosen: the button face

  RECT PaneRect(size_t i) const {
    int left = i == 0 ? 0 : edges[i - 1] + 2;
    int right = edges[i] < 0 || edges[i] > width() ? width() : edges[i];
    return RECT{left, 2, right, height()};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    DeviceContext dc(this, window_);
    RECT all{0, 0, width(), height()};
    HBRUSH fill =
        CreateSolidBrush(background == 0xFFFFFFFF ? GetSysColor(COLOR_BTNFACE) : background);
    FillRect(&dc, &all, fill);
    DeleteObject(fill);
    SetBkMode(&dc, TRANSPARENT);
    for (size_t i = 0; i < edges.size(); ++i) {
      RECT pane = PaneRect(i);
      DrawEdge(&dc, &pane, EDGE_SUNKEN, BF_RECT);
      RECT inner{pane.left + 3, pane.top, pane.right - 2, pane.bottom};
      QByteArray text = texts[i].toUtf8();
      DrawText(&dc, text.constData(), -1, &inner, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
  }

 private:
  HWND window_;
};

LRESULT StatusProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  auto* bar = As<StatusWidget>(h);
  if (!bar) return DefWindowProc(h, msg, w, l);
  const size_t pane = w & 0xFF;
  switch (msg) {
    case SB_SETPARTS: {
      auto* rights = reinterpret_cast<const int*>(l);
      size_t n = std::max<size_t>(1, std::min<size_t>(w, 256));
      bar->edges.assign(rights, rights + n);
      bar->texts.resize(n);
      bar->update();
      return TRUE;
    }
    case SB_GETPARTS: return static_cast<LRESULT>(bar->edges.size());
    case SB_SETTEXT:
      if (pane >= bar->texts.size()) return FALSE;
      if (QString text = Text(l); text != bar->texts[pane]) {  // the same text paints nothing
        bar->texts[pane] = text;
        bar->update();
      }
      return TRUE;
    case SB_GETTEXT:
      if (pane >= bar->texts.size()) return 0;
      return CopyText(bar->texts[pane], 0x7FFFFFFF, l);
    case SB_GETTEXTLENGTH: return pane < bar->texts.size() ? bar->texts[pane].toUtf8().size() : 0;
    case SB_GETRECT:
      if (pane >= bar->edges.size() || !l) return FALSE;
      *reinterpret_cast<RECT*>(l) = bar->PaneRect(pane);
      return TRUE;
    case SB_SETBKCOLOR: {
      COLORREF old = bar->background;
      bar->background = static_cast<COLORREF>(l);
      bar->update();
      return old;
    }
    case WM_SETTEXT:
      if (QString text = Text(l); text != bar->texts[0]) {
        bar->texts[0] = text;
        bar->update();
      }
      return TRUE;
    default: return DefWindowProc(h, msg, w, l);
  }
}

QWidget* MakeStatus(HWND h, QWidget* parent) {
  auto* bar = new StatusWidget(h, parent);
  bar->setFixedHeight(22);
  return bar;
}
}  // namespace

void RegisterStatusBar() { Register("msctls_statusbar32", StatusProc, MakeStatus); }
}  // namespace controls
