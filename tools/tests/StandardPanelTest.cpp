// The standard-shape panel: its picture buttons with their tips, a click
// opening the standard dialog with that shape only while a waveform window
// exists, Enter clicking nothing, and the scroll bar of a short panel.
#include "ToolTestSupport.h"

#include "platform/window/ScrollBars.h"
#include "tools/StandWaveDLG.h"

namespace {

class StandardPanelTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    ASSERT_TRUE(panel.Create(CStandWaveDLG::IDD, frame));
    panel.ShowWindow(SW_SHOW);
    ui_test::Pump();
  }
  void TearDown() override {
    panel.DestroyWindow();
    ToolTest::TearDown();
  }
  CStandWaveDLG panel;
};

TEST_F(StandardPanelTest, ButtonsOpenTheDialogWithTheirShapeOnlyWithAWaveform) {
  for (const ShapeInfo& shape : kShapes) {
    if (!shape.button) continue;
    EXPECT_NE(SendMessage(Item(panel, shape.button), BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_EQ(panel.m_tooltip.GetShownText(Item(panel, shape.button)), CString(shape.tooltip));
  }
  EXPECT_EQ(panel.m_tooltip.GetDelayTime(TTDT_AUTOMATIC), 500);
  Review(panel, "standard-panel");

  Click(panel, 1004);  // no waveform yet: nothing opens, nothing is said
  AddWave(*frame, MakeRecord("wave1", 1024));
  g_nPointCount = 1024;
  dialogs.Expect([&](HWND d) {
    EXPECT_EQ(Selection(d, 1080), kShapeDC);
    Click(d, 1079);
  });
  Click(panel, 1012);
  dialogs.Expect([&](HWND d) {
    EXPECT_EQ(Selection(d, 1080), kShapeSine);
    Click(d, 1079);
  });
  Click(panel, 1004);
  EXPECT_EQ(panel.m_dlgStandard.m_samples.GetSize(), 0u);  // released after each run
  ui_test::PressKey(Item(panel, 1006), Qt::Key_Return);    // Enter clicks nothing
}

TEST_F(StandardPanelTest, AShortPanelScrollsAndATallOneReturnsToTheTop) {
  RECT client{};
  GetClientRect(panel, &client);
  panel.MoveWindow(0, 0, client.right, client.bottom / 2);
  EXPECT_TRUE(CStandWaveDLG::ScrollBarShown());
  SendMessage(panel, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(GetScrollPos(panel, SB_VERT), 1);
  SendMessage(panel, WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(GetScrollPos(panel, SB_VERT), client.bottom);
  SendMessage(panel, WM_VSCROLL, SB_TOP, 0);
  SendMessage(panel, WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(GetScrollPos(panel, SB_VERT), 0);
  SendMessage(panel, WM_VSCROLL, SB_LINEDOWN, 0);
  panel.MoveWindow(0, 0, client.right, client.bottom + 40);
  EXPECT_FALSE(CStandWaveDLG::ScrollBarShown());
  EXPECT_EQ(GetScrollPos(panel, SB_VERT), 0);
}

}  // namespace
