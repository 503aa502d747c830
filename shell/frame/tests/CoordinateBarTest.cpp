// The coordinate bar as the user works it: read-outs of the active
// waveform, the clamps of the two time edits, Enter moving the cursor last
// pressed, the buttons' keys and states, and the link-state picture.
#include "shell/frame/tests/FrameFixture.h"

#include "instrument/LinkState.h"
#include "platform/window/Gdi.h"
#include "platform/window/Resources.h"
#include "waveform/DisplayMath.h"
#include "waveform/PrivateMessages.h"

namespace shell_test {
namespace {

class CoordinateBar : public FrameTest {
 protected:
  CBaseDLG& Bar() { return frame->m_wndCoordinateBar; }
  HWND Item(int id) { return ::GetDlgItem(Bar().m_hWnd, id); }
  // Types a time over an edit's text and moves on, as the user does.
  void Type(int id, const char* text) {
    ui_test::MoveFocus(Item(id));
    TypeOver(id, text);
    ui_test::MoveFocus(Item(CBaseDLG::IDC_CURSOR_X));
    ui_test::Pump();
  }
  // Opens a waveform whose period (ms) and display length are given.
  void TypeOver(int id, const char* text) {
    ui_test::PressKey(Item(id), Qt::Key_A, Qt::ControlModifier);
    ui_test::TypeText(Item(id), text);
  }
  int OpenTimed(const char* name, int samples, double period) {
    const int index = OpenWave(name, samples);
    g_WaveArray[index].period = period;
    g_dTimeSpan = DisplayTimeSpan(period);
    return index;
  }
};

// The read-outs divide by the active waveform's display length, and a
// period of 1000 or more is shown in the next unit.
TEST_F(CoordinateBar, ReadOutsUseTheActiveWaveformAndTheShownUnit) {
  OpenTimed("Active", 2001, 2000.0);
  OpenTimed("Newest", 101, 5.0);
  WindowOf("Active")->MDIActivate();
  ui_test::Pump();
  CursorReadout readout{1000.7, 2000.0, 0.25};
  frame->SendMessage(WM_CURSOR_READOUT, reinterpret_cast<WPARAM>(&readout), 1);
  EXPECT_DOUBLE_EQ(Bar().m_RightTime.GetValue(), 1.0);
  EXPECT_DOUBLE_EQ(Bar().m_RightValue.GetValue(), 0.25);
  EXPECT_EQ(g_dCursor2X, 1000.0);
  readout.position = 500;
  frame->SendMessage(WM_CURSOR_READOUT, reinterpret_cast<WPARAM>(&readout), 0);
  EXPECT_DOUBLE_EQ(Bar().m_LeftTime.GetValue(), 0.5);
  EXPECT_EQ(g_dCursor1X, 500.0);
  TrackReadout track{2000.0, -1.5, 1, 2000.0};
  frame->SendMessage(WM_TRACK_READOUT, 0, reinterpret_cast<LPARAM>(&track));
  EXPECT_DOUBLE_EQ(Bar().m_CursorX.GetValue(), 2.0);
  EXPECT_DOUBLE_EQ(Bar().m_CursorY.GetValue(), -1.5);
  // The waveform's own cursors, when its window reports them shown.
  g_WaveArray[0].cursor1 = 400;
  g_WaveArray[0].cursor2 = 1600;
  frame->SendMessage(WM_DRAWMODE_STATE, 0, 4);  // off: nothing
  EXPECT_DOUBLE_EQ(Bar().m_LeftTime.GetValue(), 0.5);
  frame->SendMessage(WM_DRAWMODE_STATE, 1, 4);
  EXPECT_DOUBLE_EQ(Bar().m_LeftTime.GetValue(), 0.4);
  EXPECT_DOUBLE_EQ(Bar().m_RightTime.GetValue(), 1.6);
  EXPECT_DOUBLE_EQ(Bar().m_RightValue.GetValue(), 0.0);
}

TEST_F(CoordinateBar, TheTimeEditsStayWithinEachOtherAndTheWaveform) {
  OpenTimed("Wave1", 1001, 10.0);
  struct Row {
    int edit;
    const char* typed;
    double left, right;  // what the two edits show afterwards
  };
  const Row rows[] = {
      {CBaseDLG::IDC_LEFT_TIME, "7", 7, 0},   // the right edit holds 0: no upper limit
      {CBaseDLG::IDC_LEFT_TIME, "-1", 0, 0},  // below 0
      {CBaseDLG::IDC_RIGHT_TIME, "4", 0, 4},
      {CBaseDLG::IDC_LEFT_TIME, "6", 4, 4},  // above the right edit
      {CBaseDLG::IDC_LEFT_TIME, "1.5", 1.5, 4},
      {CBaseDLG::IDC_RIGHT_TIME, "1", 1.5, 1.5},  // below the left edit
      {CBaseDLG::IDC_RIGHT_TIME, "25", 1.5, 10},  // beyond the waveform
  };
  for (const Row& row : rows) {
    Type(row.edit, row.typed);
    EXPECT_DOUBLE_EQ(Bar().m_LeftTime.GetValue(), row.left) << row.typed;
    EXPECT_DOUBLE_EQ(Bar().m_RightTime.GetValue(), row.right) << row.typed;
  }
}

// Enter moves the cursor of the edit pressed last, once a key press, with
// its display position stored; before either was pressed it moves none.
TEST_F(CoordinateBar, EnterMovesTheCursorOfTheEditPressedLastOnce) {
  OpenTimed("Wave1", 1001, 10.0);
  Type(CBaseDLG::IDC_RIGHT_TIME, "8");
  ViewLog().clear();
  ui_test::PressKey(Item(CBaseDLG::IDC_LEFT_TIME), Qt::Key_Return);
  EXPECT_TRUE(Heard(WM_SET_CURSOR_POS).empty());

  ui_test::ClickCenter(Item(CBaseDLG::IDC_LEFT_TIME));
  EXPECT_TRUE(Bar().LeftEditActive());
  TypeOver(CBaseDLG::IDC_LEFT_TIME, "2.5");
  ui_test::PressKey(Item(CBaseDLG::IDC_LEFT_TIME), Qt::Key_Return);
  ui_test::Pump();
  ASSERT_EQ(Heard(WM_SET_CURSOR_POS).size(), 1u);
  EXPECT_EQ(Heard(WM_SET_CURSOR_POS)[0].time, 2.5);
  EXPECT_EQ(Heard(WM_SET_CURSOR_POS)[0].lParam, 0);
  // Display units, where the view places the cursor: 2.5 of 10 ms over 1001.
  EXPECT_DOUBLE_EQ(g_dCursor1X, 250.25);

  ViewLog().clear();
  ui_test::ClickCenter(Item(CBaseDLG::IDC_RIGHT_TIME));
  TypeOver(CBaseDLG::IDC_RIGHT_TIME, "30");
  ui_test::PressKey(Item(CBaseDLG::IDC_RIGHT_TIME), Qt::Key_Return);
  ui_test::Pump();
  ASSERT_EQ(Heard(WM_SET_CURSOR_POS).size(), 1u);
  EXPECT_EQ(Heard(WM_SET_CURSOR_POS)[0].time, 10.0);  // within the waveform
  EXPECT_EQ(Heard(WM_SET_CURSOR_POS)[0].lParam, 1);
  EXPECT_DOUBLE_EQ(g_dCursor2X, 1000.0);  // the last display position
}

TEST_F(CoordinateBar, TheButtonsTakeTheirKeysAndFollowTheirStates) {
  HWND read = Item(CBaseDLG::IDC_READ);
  g_LinkDirection = 1;
  ui_test::MoveFocus(read);
  // Space presses Read: the connection dialog opens for a read.
  std::string opened;
  dialogs.Expect([&](HWND window) {
    opened = GetWindowTextString(window);
    SendMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  ui_test::PressKey(read, Qt::Key_Space);
  ui_test::Pump();
  EXPECT_EQ(g_LinkDirection, 0);
  EXPECT_EQ(opened, "Connection");
  ui_test::PressKey(read, Qt::Key_Tab);
  ui_test::Pump();
  EXPECT_NE(GetFocus(), read);  // and Tab leaves it

  HWND step = Item(CBaseDLG::IDC_STEP_TEST);
  CRect rect;
  ::GetWindowRect(step, &rect);
  EXPECT_TRUE(rect.IsRectEmpty());
  EXPECT_EQ(GetWindowLongPtr(step, GWL_STYLE) & WS_TABSTOP, 0);

  app.OnIdle(0);
  EXPECT_FALSE(IsWindowEnabled(Item(CBaseDLG::IDC_SEND)));
  EXPECT_TRUE(IsWindowEnabled(read));
  EXPECT_TRUE(IsWindowEnabled(step));
  OpenWave("Wave1");
  app.OnIdle(0);
  EXPECT_TRUE(IsWindowEnabled(Item(CBaseDLG::IDC_SEND)));
}

// Send opens the connection dialog for a send; the hidden step-test button
// (reached by its command) opens the step-by-step test.
TEST_F(CoordinateBar, SendAndTheStepTestOpenTheirDialogs) {
  OpenWave("Wave1");
  const std::pair<int, const char*> kButtons[] = {{CBaseDLG::IDC_SEND, "Connection"},
                                                  {CBaseDLG::IDC_STEP_TEST, nullptr}};
  for (const auto& [id, caption] : kButtons) {
    std::string opened;
    dialogs.Expect([&opened](HWND window) {
      opened = GetWindowTextString(window);
      SendMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    g_LinkDirection = 0;
    Bar().SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    ui_test::Pump();
    if (caption) {
      EXPECT_EQ(opened, caption);
      EXPECT_EQ(g_LinkDirection, 1);
    } else {
      EXPECT_FALSE(opened.empty());
    }
  }
}

TEST_F(CoordinateBar, TheLinkPictureFollowsTheConnectedFlag) {
  auto shown = [&] {
    auto* bitmap = reinterpret_cast<HBITMAP>(
        SendMessage(Item(CBaseDLG::IDC_LINK), STM_GETIMAGE, IMAGE_BITMAP, 0));
    return bitmap ? bitmap->image : QImage();
  };
  const QImage off = resources::Bitmap(201).convertToFormat(QImage::Format_RGB32);
  const QImage on = resources::Bitmap(202).convertToFormat(QImage::Format_RGB32);
  ASSERT_NE(off, on);
  EXPECT_EQ(shown(), off);
  g_InstrumentConnected = true;
  frame->SendMessage(WM_LINK_STATE);
  EXPECT_EQ(shown(), on);
  EXPECT_NE(GetWindowLongPtr(Item(CBaseDLG::IDC_LINK), GWL_STYLE) & SS_CENTERIMAGE, 0);
}

}  // namespace
}  // namespace shell_test
