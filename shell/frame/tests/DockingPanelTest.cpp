// The left docking panel as the user handles it: its gripper and buttons
// while docked, the sizing edge dragged within its limits, the close button
// and the View menu's toggle, floating it.
#include "shell/frame/tests/FrameFixture.h"

#include "platform/window/Menu.h"
#include "platform/window/NonClient.h"
#include "shell/base/ActiveChild.h"

namespace shell_test {
namespace {

class DockingPanel : public FrameTest {
 protected:
  CCoolDialogBarCH& Panel() { return frame->m_wndFloatDlg; }
  CRect PanelRect() {
    CRect rc;
    Panel().GetWindowRect(&rc);
    return rc;
  }
  // The hit code of a point of the panel (window coordinates).
  LRESULT HitAt(POINT p) {
    const CRect rc = PanelRect();
    return Panel().SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rc.left + p.x, rc.top + p.y));
  }
  // Drags the sizing edge (3 pixels in from the right) to a screen x.
  void DragEdgeTo(int screenX) {
    const CRect rc = PanelRect();
    ui_test::Drag(Panel().m_hWnd, POINT{rc.Width() - 3, rc.Height() / 2},
                  POINT{screenX, rc.top + rc.Height() / 2});
    ui_test::Pump();
  }
};

TEST_F(DockingPanel, ItDocksLeftWithTheShapePanelInsideAndAGripperOnTop) {
  EXPECT_EQ(Panel().m_nDockBarID, UINT{AFX_IDW_DOCKBAR_LEFT});
  EXPECT_FALSE(Panel().IsFloating());
  CRect dialog, client;
  frame->m_wndStandWave.GetWindowRect(&dialog);
  Panel().GetClientRect(&client);
  EXPECT_EQ(PanelRect().Width(), dialog.Width() + 9);
  EXPECT_EQ(client.Width(), dialog.Width());
  CPoint origin(0, 0);
  Panel().ClientToScreen(&origin);
  EXPECT_EQ(origin.y - PanelRect().top, 20);  // the gripper strip
  const int w = PanelRect().Width();
  EXPECT_EQ(HitAt(POINT{w - 15, 12}), HTSYSMENU);
  EXPECT_EQ(HitAt(POINT{w - 28, 12}), HTMINBUTTON);
  EXPECT_EQ(HitAt(POINT{5, 5}), HTCAPTION);
  EXPECT_EQ(HitAt(POINT{w - 3, 200}), HTSIZE);
}

// The panel's shape buttons show their pictures and open the standard
// waveform dialog with their shape while a waveform window is open.
TEST_F(DockingPanel, TheShapeButtonsShowPicturesAndOpenTheStandardDialog) {
  HWND sine = ::GetDlgItem(frame->m_wndStandWave.m_hWnd, 1004);
  ASSERT_NE(sine, nullptr);
  EXPECT_NE(SendMessage(sine, BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  OpenWave("Wave1");
  dialogs.Expect([](HWND window) {
    EXPECT_EQ(GetWindowTextString(window), ShellText(143).str());
    SendMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  ui_test::ClickCenter(sine);
  ui_test::Pump();
}

// The edge follows the mouse; past the frame it stops at the panel's width
// plus the frame's, and to the left at 32 pixels.
TEST_F(DockingPanel, DraggingTheSizingEdgeResizesWithinItsLimits) {
  const CRect before = PanelRect();
  DragEdgeTo(before.right + 40);
  EXPECT_EQ(PanelRect().left, before.left);
  EXPECT_EQ(PanelRect().right, before.right + 40);
  CRect site;
  frame->GetWindowRect(&site);
  const int wide = Panel().m_sizeVert.cx;
  DragEdgeTo(site.right + 5000);
  EXPECT_EQ(Panel().m_sizeVert.cx, wide + site.Width());
  DragEdgeTo(site.left - 5000);
  EXPECT_EQ(Panel().m_sizeVert.cx, 32);
  EXPECT_EQ(PanelRect().Width(), 32);
}

// The close button hides the panel; the View menu's toggle, which marks
// whether it shows, brings it back.
TEST_F(DockingPanel, TheCloseButtonHidesItAndTheViewMenuShowsItAgain) {
  const int w = PanelRect().Width();
  ui_test::Click(Panel().m_hWnd, POINT{w - 15, 12});
  ui_test::Pump();
  EXPECT_FALSE(Panel().IsVisible());
  CRect mdi;
  ::GetWindowRect(frame->m_hWndMDIClient, &mdi);
  CRect client;
  frame->GetClientRect(&client);
  frame->ClientToScreen(&client);
  EXPECT_EQ(mdi.left, client.left);  // the waveform windows take the room
  EXPECT_TRUE(Enabled(32821));
  Command(32821);
  EXPECT_TRUE(Panel().IsVisible());
  EXPECT_EQ(Panel().m_nDockBarID, UINT{AFX_IDW_DOCKBAR_LEFT});
  frame->SendMessage(WM_INITMENUPOPUP,
                     reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(frame->m_hWnd), 2)), 0);
  EXPECT_TRUE(Checked(32821));
  Command(32821);
  EXPECT_FALSE(Panel().IsVisible());
}

TEST_F(DockingPanel, TheUndockButtonAndADoubleClickOnTheGripperFloatIt) {
  const int w = PanelRect().Width();
  ui_test::Click(Panel().m_hWnd, POINT{w - 28, 12});
  ui_test::Pump();
  EXPECT_TRUE(Panel().IsFloating());
  EXPECT_EQ(HitAt(POINT{5, 5}), HTCLIENT);  // no gripper afloat
  Panel().m_pDockContext->ToggleDocking();
  ui_test::Pump();
  ASSERT_FALSE(Panel().IsFloating());
  ui_test::DoubleClick(Panel().m_hWnd, POINT{5, 5});
  ui_test::Pump();
  EXPECT_TRUE(Panel().IsFloating());
}

}  // namespace
}  // namespace shell_test
