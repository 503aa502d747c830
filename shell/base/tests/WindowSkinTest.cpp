// The window skin on real windows: the records the hook makes by class name,
// the pixels of a skinned push button in its four states, backgrounds, and
// what stopping the skin and destroying windows leave behind.
#include "platform/window/Dialog.h"
#include "platform/window/Dialogs.h"
#include "platform/window/Gdi.h"
#include "platform/window/ListView.h"
#include "platform/window/Menu.h"
#include "platform/window/NonClient.h"
#include "platform/window/RenderPng.h"
#include "platform/window/Resources.h"
#include "platform/window/WindowApi.h"
#include "platform/window/tests/UiTestKit.h"
#include "shell/base/SkinPainters.h"
#include "shell/base/WindowSkin.h"

#include <QImage>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace {
QColor Rgb(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

INT_PTR QuietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

class WindowSkin : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    ASSERT_TRUE(resources::Load(SHELL_TEST_RESOURCES, &error)) << error;
  }
  void SetUp() override {
    SkinStart();
    dialog = CreateDialogParam(nullptr, 700, nullptr, QuietDialog, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    ui_test::Pump();
  }
  void TearDown() override {
    if (IsWindow(dialog)) DestroyWindow(dialog);
    SkinStop();
  }
  HWND Item(int id) { return GetDlgItem(dialog, id); }
  QColor FaceOf(HWND button) { return RenderWindow(button).pixelColor(5, 5); }
  HWND dialog = nullptr;
};

TEST_F(WindowSkin, TheHookChoosesProcedureAndPainterByClassName) {
  struct Row {
    HWND window;
    WNDPROC proc;
    bool button, combo, header;
  };
  HWND header = GetWindow(Item(706), GW_CHILD);
  ASSERT_EQ(GetClassNameString(header), "SysHeader32");
  const Row rows[] = {
      {Item(701), SkinButtonProc, true, false, false},
      {Item(702), SkinButtonProc, true, false, false},  // a check box is tracked for hover too
      {Item(703), SkinComboProc, false, true, false},
      {Item(704), SkinWindowProc, false, false, false},
      {Item(705), SkinStatusBarProc, false, false, false},
      {Item(706), SkinWindowProc, false, false, false},
      {dialog, SkinWindowProc, false, false, false},
  };
  for (const Row& row : rows) {
    SkinData* data = SkinDataOf(row.window);
    ASSERT_NE(data, nullptr) << GetClassNameString(row.window);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(row.window, GWLP_WNDPROC)), row.proc);
    EXPECT_EQ(data->button != nullptr, row.button);
    EXPECT_EQ(data->combo != nullptr, row.combo);
    EXPECT_NE(data->previous, nullptr);
  }
  SkinData* headerData = SkinDataOf(header);
  ASSERT_NE(headerData, nullptr);
  EXPECT_EQ(headerData->previous, nullptr);  // headers are not subclassed
  EXPECT_NE(headerData->header, nullptr);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtr(header, GCLP_HBRBACKGROUND)), g_SkinBrush);
  HWND popup =
      CreateWindowEx(0, "#32768", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(SkinDataOf(popup), nullptr);
  DestroyWindow(popup);
}

TEST_F(WindowSkin, PushButtonsAreOwnerDrawnInTheirFourStates) {
  HWND ok = Item(701), check = Item(702);
  EXPECT_EQ(GetWindowLongPtr(ok, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(GetWindowLongPtr(check, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
  EXPECT_EQ(FaceOf(ok), Rgb(kSkinColor));
  SendMessage(ok, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(FaceOf(ok), Rgb(kSkinHoverColor));
  SendMessage(ok, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(FaceOf(ok), Rgb(kSkinColor));
  SendMessage(ok, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(FaceOf(ok), Rgb(kSkinPushedColor));
  SendMessage(ok, BM_SETSTATE, FALSE, 0);
  EnableWindow(ok, FALSE);
  EXPECT_EQ(FaceOf(ok), Rgb(kSkinDisabledFace));
  QImage image = RenderWindow(ok);
  EXPECT_EQ(image.pixelColor(0, 5), Rgb(GetSysColor(COLOR_BTNHIGHLIGHT)));
  EXPECT_EQ(image.pixelColor(image.width() - 1, 5),
            Rgb(GetSysColor(COLOR_BTNHIGHLIGHT)));  // disabled: light
  EnableWindow(ok, TRUE);
  image = RenderWindow(ok);
  EXPECT_EQ(image.pixelColor(image.width() - 1, 5), Rgb(GetSysColor(COLOR_BTNSHADOW)));
  SendMessage(check, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(SkinDataOf(check)->button->hover, 1);
  // The real pointer: entering lights the button, leaving it (the platform's
  // leave notification) puts the normal face back.
  QTest::mouseMove(WidgetOf(ok), QPoint(5, 5));
  ui_test::Pump();
  EXPECT_EQ(FaceOf(ok), Rgb(kSkinHoverColor));
  QTest::mouseMove(WidgetOf(dialog), QPoint(2, 2));
  ui_test::Pump();
  EXPECT_EQ(SkinDataOf(ok)->button->hover, 0);
  EXPECT_EQ(FaceOf(ok), Rgb(kSkinColor));
}

// The drawing rules of a skinned push button, state by state: face, text
// colour, light top and left line, two-pixel shadow right and bottom (light
// when disabled), and the focus rectangle inset by 2.
TEST_F(WindowSkin, APushButtonsPixelsFollowTheDrawingRules) {
  HWND ok = Item(701);
  struct State {
    const char* name;
    std::function<void()> enter, leave;
    COLORREF face, text;
    bool disabled;
  };
  const State states[] = {
      {"normal", [] {}, [] {}, kSkinColor, kSkinButtonText, false},
      {"hover", [&] { SendMessage(ok, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3)); },
       [&] { SendMessage(ok, WM_MOUSELEAVE, 0, 0); }, kSkinHoverColor, kSkinButtonText, false},
      {"pressed", [&] { SendMessage(ok, BM_SETSTATE, TRUE, 0); },
       [&] { SendMessage(ok, BM_SETSTATE, FALSE, 0); }, kSkinPushedColor, kSkinPushedText, false},
      {"disabled", [&] { EnableWindow(ok, FALSE); }, [&] { EnableWindow(ok, TRUE); },
       kSkinDisabledFace, kSkinDisabledText, true},
  };
  const QColor light = Rgb(GetSysColor(COLOR_BTNHIGHLIGHT));
  for (const State& state : states) {
    SCOPED_TRACE(state.name);
    state.enter();
    QImage image = RenderWindow(ok);
    if (const char* out = std::getenv("PELMORAN_REVIEW_PNG_DIR"))
      image.save(QString("%1/skin-button-%2.png").arg(out, state.name));
    state.leave();
    const int w = image.width(), h = image.height(), midX = w / 3, midY = h / 2;
    const QColor dark = state.disabled ? light : Rgb(GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(image.pixelColor(midX, 0), light);
    EXPECT_EQ(image.pixelColor(0, midY), light);
    EXPECT_EQ(image.pixelColor(1, midY), Rgb(state.face));
    for (int edge : {1, 2}) {
      EXPECT_EQ(image.pixelColor(w - edge, midY), dark) << edge;
      EXPECT_EQ(image.pixelColor(midX, h - edge), dark) << edge;
    }
    EXPECT_EQ(image.pixelColor(w - 3, midY), Rgb(state.face));
    // The caption is drawn in the state's text colour: the cores of its
    // antialiased strokes come within a few steps of it.
    int inked = 0;
    const QColor ink = Rgb(state.text);
    for (int y = 3; y < h - 3; ++y)
      for (int x = 3; x < w - 3; ++x) {
        QColor c = image.pixelColor(x, y);
        inked += std::abs(c.red() - ink.red()) <= 16 && std::abs(c.green() - ink.green()) <= 16 &&
                 std::abs(c.blue() - ink.blue()) <= 16;
      }
    EXPECT_GT(inked, 3);
  }
  // With the focus, a dotted rectangle inset by 2 crosses the face.
  SetFocus(ok);
  ui_test::Pump();
  QImage focused = RenderWindow(ok);
  int marked = 0;
  for (int x = 3; x < focused.width() - 3; ++x)
    marked += focused.pixelColor(x, 2) != Rgb(kSkinColor);
  EXPECT_GT(marked, 0);
  EXPECT_EQ(focused.pixelColor(focused.width() / 3, 3), Rgb(kSkinColor));
}

// The combo box's frame and drop button: outer frame, inner frame of the
// window colour, a strip as wide as a scroll bar in the skin (or hover)
// colour, and the chevron's three strokes about the strip's centre.
TEST_F(WindowSkin, AComboBoxDrawsItsFrameAndDropButton) {
  HWND combo = Item(703);
  RECT client;
  GetClientRect(combo, &client);
  const int w = client.right, h = client.bottom;
  const int stripLeft = w - 2 - GetSystemMetrics(SM_CXVSCROLL), stripRight = w - 2;
  const int cx = (stripLeft + stripRight) / 2, cy = (2 + h - 2) / 2;
  for (int hover : {0, 1}) {
    SCOPED_TRACE(hover);
    if (hover) SendMessage(combo, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    QImage image = RenderWindow(combo);
    if (const char* out = std::getenv("PELMORAN_REVIEW_PNG_DIR"))
      image.save(QString("%1/skin-combo-%2.png").arg(out, hover ? "hover" : "normal"));
    EXPECT_EQ(image.pixelColor(w / 2, 0), Rgb(kSkinComboFrame));
    EXPECT_EQ(image.pixelColor(0, h / 2), Rgb(kSkinComboFrame));
    EXPECT_EQ(image.pixelColor(w - 1, h / 2), Rgb(kSkinComboFrame));
    EXPECT_EQ(image.pixelColor(w / 2, 1), Rgb(GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(image.pixelColor(w - 2, h / 2), Rgb(GetSysColor(COLOR_WINDOW)));
    const QColor strip = Rgb(hover ? kSkinHoverColor : kSkinColor);
    EXPECT_EQ(image.pixelColor(stripLeft, 2), strip);
    EXPECT_EQ(image.pixelColor(stripRight - 1, h - 3), strip);
    EXPECT_NE(image.pixelColor(stripLeft - 1, 2), strip);
    for (QPoint p : {QPoint(cx, cy + 2), QPoint(cx, cy + 1), QPoint(cx, cy), QPoint(cx - 4, cy - 2),
                     QPoint(cx + 3, cy - 3)})
      EXPECT_EQ(image.pixelColor(p), Rgb(kSkinComboArrow)) << p.x() << "," << p.y();
    // A line leaves out its last point, as on the platform.
    for (QPoint p : {QPoint(cx + 5, cy - 3), QPoint(cx + 4, cy - 4), QPoint(cx, cy + 3)})
      EXPECT_EQ(image.pixelColor(p), strip) << p.x() << "," << p.y();
  }
  SendMessage(combo, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(SkinDataOf(combo)->combo->hover, 0);
}

TEST_F(WindowSkin, DialogsStaticsAndStatusBarsTakeTheSkinColour) {
  QImage image = RenderWindow(dialog);
  EXPECT_EQ(image.pixelColor(2, 2), Rgb(kSkinColor));
  RECT label;
  GetWindowRect(Item(704), &label);
  EXPECT_EQ(RenderWindow(Item(704)).pixelColor(RenderWindow(Item(704)).width() - 2, 1),
            Rgb(kSkinColor));
  EXPECT_EQ(RenderWindow(Item(705)).pixelColor(1, 1), Rgb(kSkinColor));
  EXPECT_EQ(RenderWindow(Item(703)).pixelColor(0, 0), Rgb(kSkinComboFrame));
  // A size grip is filled with the skin colour; a plain scroll bar is not.
  struct Row {
    DWORD style;
    bool skinned;
  };
  for (const Row& row : {Row{SBS_SIZEGRIP, true}, Row{SBS_VERT, false}}) {
    HWND bar = CreateWindowEx(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | row.style, 0, 0, 16, 40,
                              dialog, nullptr, nullptr, nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(bar, GWLP_WNDPROC)), SkinScrollBarProc);
    EXPECT_EQ(RenderWindow(bar).pixelColor(8, 20) == Rgb(kSkinColor), row.skinned) << row.style;
    DestroyWindow(bar);
  }
}

TEST_F(WindowSkin, OwnerDrawnHeaderItemsAreDrawnInTheSkinColour) {
  HWND list = Item(706);
  listview::InsertColumn(list, 0, "Time", LVCFMT_LEFT, 60);
  listview::InsertColumn(list, 1, "Value", LVCFMT_LEFT, 60);
  HWND header = listview::Header(list);
  HDITEM item;
  item.mask = HDI_FORMAT;
  item.fmt = HDF_OWNERDRAW;
  ASSERT_TRUE(SendMessage(header, HDM_SETITEM, 0, reinterpret_cast<LPARAM>(&item)));
  QImage image = RenderWindow(header);
  EXPECT_EQ(image.pixelColor(2, 2), Rgb(kSkinColor));   // item 0: the skin's painter
  EXPECT_NE(image.pixelColor(62, 2), Rgb(kSkinColor));  // item 1: drawn as the list draws it
  item.mask = HDI_FORMAT;
  ASSERT_TRUE(SendMessage(header, HDM_GETITEM, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_TRUE(item.fmt & HDF_OWNERDRAW);
}

TEST_F(WindowSkin, FrameworkDialogsAreSkinnedBeneathTheirObjects) {
  CDialog framework(700);
  ASSERT_TRUE(framework.Create(700));
  framework.ShowWindow(SW_SHOW);
  HWND ok = framework.GetDlgItem(701)->m_hWnd;
  EXPECT_EQ(GetWindowLongPtr(ok, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(FaceOf(ok), Rgb(kSkinColor));
  EXPECT_EQ(RenderWindow(framework.m_hWnd).pixelColor(2, 2), Rgb(kSkinColor));
  // The framework's procedure runs first and passes on to the skin's.
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(framework.m_hWnd, GWLP_WNDPROC)),
            CWnd::FrameworkProc);
  ASSERT_NE(SkinDataOf(framework.m_hWnd), nullptr);
  EXPECT_NE(SkinDataOf(framework.m_hWnd)->previous, nullptr);
  framework.DestroyWindow();
}

// Stopping the skin while framework windows live (the main frame's close
// routine does) leaves their objects' procedures first and their classes'
// procedures last in the chain.
TEST_F(WindowSkin, StoppingLeavesFrameworkWindowsWorking) {
  CDialog framework(700);
  ASSERT_TRUE(framework.Create(700));
  framework.ShowWindow(SW_SHOW);
  ui_test::Pump();
  HWND ok = framework.GetDlgItem(701)->m_hWnd;
  const WNDPROC original = SkinDataOf(ok)->previous;
  EXPECT_EQ(SkinStop(), 0);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(framework.m_hWnd, GWLP_WNDPROC)),
            CWnd::FrameworkProc);
  EXPECT_EQ(GetProp(framework.m_hWnd, kSkinProperty), nullptr);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(ok, GWLP_WNDPROC)), original);
  // The close box goes through the object's procedure to the dialog class's,
  // which turns it into Cancel, and back to the object, whose Cancel ends it.
  framework.SendMessage(WM_CLOSE);
  EXPECT_TRUE(DialogHasEnded(framework.m_hWnd));
  framework.DestroyWindow();
  SkinStart();  // for TearDown
}

TEST_F(WindowSkin, MenuBarsAndSystemMenusTakeTheSkinBackground) {
  HWND frame = CreateWindowEx(0, "#32770", "frame", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
  HMENU menu = LoadMenu(nullptr, 720);
  ASSERT_NE(menu, nullptr);
  SetMenu(frame, menu);
  COLORREF color = 0;
  EXPECT_FALSE(MenuBackgroundColor(menu, &color));
  ShowWindow(frame, SW_SHOW);
  ASSERT_TRUE(MenuBackgroundColor(menu, &color));
  EXPECT_EQ(color, kSkinColor);
  ASSERT_TRUE(MenuBackgroundColor(GetSubMenu(menu, 0), &color));  // and its drop-downs
  EXPECT_EQ(color, kSkinColor);
  // The system menu took the skin background when the window was made.
  HMENU system = GetSystemMenu(frame, FALSE);
  ASSERT_NE(system, nullptr);
  ASSERT_TRUE(MenuBackgroundColor(system, &color));
  EXPECT_EQ(color, kSkinColor);
  HMENU other = LoadMenu(nullptr, 720);
  SetMenuBackground(frame, other, RGB(1, 2, 3));
  EXPECT_EQ(GetMenu(frame), other);
  ASSERT_TRUE(MenuBackgroundColor(GetSubMenu(other, 0), &color));
  EXPECT_EQ(color, RGB(1, 2, 3));
  DestroyWindow(frame);
  DestroyMenu(menu);
  DestroyMenu(other);
}

TEST_F(WindowSkin, StoppingGivesBackEveryProcedureAndProperty) {
  HWND ok = Item(701);
  WNDPROC original = SkinDataOf(ok)->previous;
  HWND header = GetWindow(Item(706), GW_CHILD);
  HBRUSH skinBrush = g_SkinBrush;
  SkinStart();  // a second start installs no second hook and keeps the records
  EXPECT_EQ(SkinStop(), 0);
  EXPECT_EQ(SkinStop(), -1);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(ok, GWLP_WNDPROC)), original);
  for (HWND h : {ok, header, dialog}) EXPECT_EQ(GetProp(h, kSkinProperty), nullptr);
  EXPECT_TRUE(g_SkinWindows.empty());
  EXPECT_NE(reinterpret_cast<HBRUSH>(GetClassLongPtr(header, GCLP_HBRBACKGROUND)), skinBrush);
  EXPECT_NE(reinterpret_cast<HBRUSH>(GetClassLongPtr(dialog, GCLP_HBRBACKGROUND)), skinBrush);
  SkinStart();  // for TearDown
}

TEST_F(WindowSkin, AHookThatCannotBeRemovedLeavesTheSkinAsItIs) {
  HWND ok = Item(701);
  const HHOOK hook = g_SkinHook;
  const HBRUSH brush = g_SkinBrush;
  const size_t records = g_SkinWindows.size();
  int unknownHook = 0;
  g_SkinHook = reinterpret_cast<HHOOK>(&unknownHook);
  const int result = SkinStop();
  EXPECT_NE(result, 0);
  EXPECT_NE(result, -1);
  EXPECT_EQ(result, static_cast<int>(GetLastError()));
  EXPECT_EQ(g_SkinBrush, brush);
  EXPECT_EQ(g_SkinWindows.size(), records);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(ok, GWLP_WNDPROC)), SkinButtonProc);
  EXPECT_NE(GetProp(ok, kSkinProperty), nullptr);
  g_SkinHook = hook;  // the real hook, for TearDown
}

TEST_F(WindowSkin, DestroyedWindowsGiveUpTheirRecords) {
  size_t before = g_SkinWindows.size();
  ASSERT_GE(before, 8u);
  DestroyWindow(dialog);
  EXPECT_TRUE(g_SkinWindows.empty());
  HWND again = CreateDialogParam(nullptr, 700, nullptr, QuietDialog, 0);
  EXPECT_EQ(g_SkinWindows.size(), before);
  DestroyWindow(again);
  EXPECT_TRUE(g_SkinWindows.empty());
}
}  // namespace
