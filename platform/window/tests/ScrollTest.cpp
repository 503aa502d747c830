// A window's own scroll bars and the DC origins scrolled views paint with.
#include "UiTestKit.h"

#include "platform/window/Gdi.h"
#include "platform/window/RenderPng.h"
#include "platform/window/ScrollBars.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
std::vector<WPARAM> g_vscroll;

LRESULT ScrolledProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_VSCROLL) g_vscroll.push_back(LOWORD(w));
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    SetWindowOrgEx(dc, 10, 20, nullptr);  // the content scrolled by (10, 20)
    RECT mark{10, 20, 14, 24};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &mark, red);
    DeleteObject(red);
    EndPaint(h, &ps);
    return 0;
  }
  return DefWindowProc(h, msg, w, l);
}

TEST(WindowScrollBars, RangePageAndPositionFollowThePlatform) {
  WNDCLASS wc;
  wc.lpfnWndProc = ScrolledProc;
  wc.lpszClassName = "ScrollTestWindow";
  wc.hbrBackground = CreateSolidBrush(RGB(255, 255, 255));
  RegisterClass(&wc);
  HWND h = CreateWindowEx(0, "ScrollTestWindow", "", WS_OVERLAPPEDWINDOW | WS_VSCROLL, 0, 0, 120,
                          100, nullptr, nullptr, nullptr, nullptr);
  RECT client;
  GetClientRect(h, &client);
  EXPECT_LT(client.right, 120);  // the bar is not client area
  EXPECT_EQ(client.bottom, 100);

  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0, info.nMax = 100, info.nPage = 20, info.nPos = 95;
  EXPECT_EQ(SetScrollInfo(h, SB_VERT, &info, TRUE), 81);  // at most nMax - nPage + 1
  EXPECT_EQ(GetScrollPos(h, SB_VERT), 81);
  EXPECT_EQ(SetScrollPos(h, SB_VERT, 5, TRUE), 81);
  SCROLLINFO read;
  read.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(h, SB_VERT, &read));
  EXPECT_EQ(read.nPos, 5);
  EXPECT_EQ(read.nPage, 20u);
  EXPECT_EQ(read.nMax, 100);

  ui_test::ShowActive(h);
  auto* bar = WidgetOf(h)->findChild<QScrollBar*>();
  ASSERT_NE(bar, nullptr);
  g_vscroll.clear();
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(g_vscroll, std::vector<WPARAM>{SB_LINEDOWN});

  QImage image = RenderWindow(h);
  EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(6, 6), QColor(255, 255, 255));
  DestroyWindow(h);
  DeleteObject(wc.hbrBackground);  // no window of the class is left
}

// Every kind of bar reports a user's move with the same code: a window's own
// bar (to the window), a scroll-bar control (to its parent) and a list
// view's bar (to the list).
TEST(ScrollCodes, EveryKindOfBarReportsAMoveAlike) {
  struct Row {
    QAbstractSlider::SliderAction action;
    WPARAM code;
  };
  const Row rows[] = {{QAbstractSlider::SliderSingleStepAdd, SB_LINEDOWN},
                      {QAbstractSlider::SliderSingleStepSub, SB_LINEUP},
                      {QAbstractSlider::SliderPageStepAdd, SB_PAGEDOWN},
                      {QAbstractSlider::SliderPageStepSub, SB_PAGEUP},
                      {QAbstractSlider::SliderToMinimum, SB_TOP},
                      {QAbstractSlider::SliderToMaximum, SB_BOTTOM},
                      {QAbstractSlider::SliderMove, SB_THUMBTRACK}};

  WNDCLASS wc;
  wc.lpfnWndProc = ScrolledProc;
  wc.lpszClassName = "ScrollCodeWindow";
  RegisterClass(&wc);
  HWND window = CreateWindowEx(0, "ScrollCodeWindow", "", WS_OVERLAPPEDWINDOW | WS_VSCROLL, 0, 0,
                               200, 200, nullptr, nullptr, nullptr, nullptr);
  HWND control = CreateWindowEx(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, 16, 100,
                                window, nullptr, nullptr, nullptr);
  HWND list = CreateWindowEx(0, "SysListView32", "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 20, 0, 150,
                             100, window, nullptr, nullptr, nullptr);
  static std::vector<WPARAM> listCodes;
  static WNDPROC listProc = nullptr;
  listProc = reinterpret_cast<WNDPROC>(SetWindowLongPtr(
      list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND h, UINT msg, WPARAM w, LPARAM l) {
        if (msg == WM_VSCROLL) listCodes.push_back(LOWORD(w));
        return CallWindowProc(listProc, h, msg, w, l);
      })));
  ui_test::ShowActive(window);
  QScrollBar* own = nullptr;
  for (auto* bar : WidgetOf(window)->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
    if (bar != WidgetOf(control)) own = bar;
  auto* controlBar = qobject_cast<QScrollBar*>(WidgetOf(control));
  auto* listView = qobject_cast<QAbstractScrollArea*>(WidgetOf(list));
  ASSERT_TRUE(own && controlBar && listView);

  for (const Row& row : rows) {
    g_vscroll.clear();
    listCodes.clear();
    own->triggerAction(row.action);
    controlBar->triggerAction(row.action);
    listView->verticalScrollBar()->triggerAction(row.action);
    EXPECT_EQ(g_vscroll, (std::vector<WPARAM>{row.code, row.code})) << row.action;
    EXPECT_EQ(listCodes, std::vector<WPARAM>{row.code}) << row.action;
  }
  DestroyWindow(window);
}

// What a parent hears of a control's move: the code, the position carried in
// wParam and the position the control answers when asked right then.
struct Heard {
  WPARAM code;
  int carried;
  int asked;
  bool operator==(const Heard&) const = default;
};
std::vector<Heard> g_heard;

LRESULT HearingProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  if ((msg == WM_HSCROLL || msg == WM_VSCROLL) && l)
    g_heard.push_back({LOWORD(w), HIWORD(w),
                       static_cast<int>(SendMessage(reinterpret_cast<HWND>(l), SBM_GETPOS, 0, 0))});
  return DefWindowProc(h, msg, w, l);
}

std::ostream& operator<<(std::ostream& out, const Heard& h) {
  return out << "{code " << h.code << ", carried " << h.carried << ", asked " << h.asked << "}";
}

class MovedByTheUser : public testing::Test {
 protected:
  void SetUp() override {
    WNDCLASS wc;
    wc.lpfnWndProc = HearingProc;
    wc.lpszClassName = "HearingWindow";
    RegisterClass(&wc);
    parent = CreateWindowEx(0, "HearingWindow", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                            nullptr, nullptr, nullptr);
    ui_test::ShowActive(parent);
  }
  void TearDown() override { DestroyWindow(parent); }
  // A control of `cls` at 200 of 0..1000 with a page of 40.
  HWND Make(const char* cls, DWORD style, RECT r) {
    HWND h = CreateWindowEx(0, cls, "", WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                            r.right - r.left, r.bottom - r.top, parent, nullptr, nullptr, nullptr);
    SendMessage(h, SBM_SETRANGE, 0, 1000);
    SendMessage(h, TBM_SETPAGESIZE, 0, 40);
    SendMessage(h, SBM_SETPOS, 200, 0);
    return h;
  }
  std::vector<Heard> Key(HWND h, Qt::Key key) {
    g_heard.clear();
    QTest::keyClick(WidgetOf(h), key);
    return g_heard;
  }
  // A click in the groove, right of (or below) the thumb.
  std::vector<Heard> ClickGroove(HWND h, QPoint at) {
    g_heard.clear();
    QTest::mouseClick(WidgetOf(h), Qt::LeftButton, Qt::NoModifier, at);
    return g_heard;
  }
  int Pos(HWND h) { return static_cast<int>(SendMessage(h, SBM_GETPOS, 0, 0)); }

  HWND parent = nullptr;
};

// Keys as the platform's trackbar reads them in either orientation; each move
// is heard with the position already taken, so a handler that asks for the
// position does not lag one move behind.
TEST_F(MovedByTheUser, ATrackbarAnswersThePositionItShowsWhenItsParentHears) {
  struct Row {
    Qt::Key key;
    Heard horizontal, vertical;
  };
  const Row rows[] = {{Qt::Key_Right, {SB_LINEDOWN, 201, 201}, {SB_LINEDOWN, 201, 201}},
                      {Qt::Key_PageDown, {SB_PAGEDOWN, 241, 241}, {SB_PAGEDOWN, 241, 241}},
                      {Qt::Key_Down, {SB_LINEDOWN, 242, 242}, {SB_LINEDOWN, 242, 242}},
                      {Qt::Key_Left, {SB_LINEUP, 241, 241}, {SB_LINEUP, 241, 241}},
                      {Qt::Key_Up, {SB_LINEUP, 240, 240}, {SB_LINEUP, 240, 240}},
                      {Qt::Key_PageUp, {SB_PAGEUP, 200, 200}, {SB_PAGEUP, 200, 200}},
                      {Qt::Key_End, {SB_BOTTOM, 1000, 1000}, {SB_BOTTOM, 1000, 1000}},
                      {Qt::Key_Home, {SB_TOP, 0, 0}, {SB_TOP, 0, 0}}};
  HWND across = Make("msctls_trackbar32", TBS_HORZ, {10, 10, 310, 35});
  HWND upright = Make("msctls_trackbar32", TBS_VERT, {350, 10, 375, 280});
  for (const Row& row : rows) {
    EXPECT_EQ(Key(across, row.key), std::vector<Heard>{row.horizontal}) << row.key;
    EXPECT_EQ(Key(upright, row.key), std::vector<Heard>{row.vertical}) << row.key;
  }
  // A click in the groove pages toward it, heard once with the new position.
  SendMessage(across, SBM_SETPOS, 200, 0);
  EXPECT_EQ(ClickGroove(across, QPoint(280, 12)), (std::vector<Heard>{{SB_PAGEDOWN, 240, 240}}));
  EXPECT_EQ(Pos(across), 240);
  SendMessage(upright, SBM_SETPOS, 200, 0);
  EXPECT_EQ(ClickGroove(upright, QPoint(12, 250)), (std::vector<Heard>{{SB_PAGEDOWN, 240, 240}}));
  EXPECT_EQ(Pos(upright), 240);
}

TEST_F(MovedByTheUser, AScrollBarControlAnswersThePositionItShowsWhenItsParentHears) {
  HWND bar = Make("ScrollBar", SBS_HORZ, {10, 100, 310, 117});
  EXPECT_EQ(ClickGroove(bar, QPoint(270, 8)), (std::vector<Heard>{{SB_PAGEDOWN, 240, 240}}));
  EXPECT_EQ(Pos(bar), 240);
  EXPECT_EQ(ClickGroove(bar, QPoint(30, 8)), (std::vector<Heard>{{SB_PAGEUP, 200, 200}}));
  EXPECT_EQ(Pos(bar), 200);
}
}  // namespace
