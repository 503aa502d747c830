// A window's own scroll bars and the DC origins scrolled views paint with.
#include "UiTestKit.h"

#include "platform/window/Gdi.h"
#include "platform/window/RenderPng.h"
#include "platform/window/ScrollBars.h"

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
}  // namespace
