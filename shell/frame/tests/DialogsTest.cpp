// The frame's own small dialogs: the colour settings (picks applied at
// once, kept by OK, undone by Cancel), the About box and the help pages.
#include "shell/frame/tests/FrameFixture.h"

#include "shell/frame/AboutDlg.h"
#include "shell/frame/ColorSet.h"
#include "waveform/PrivateMessages.h"

namespace shell_test {
namespace {

class ColorSettings : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    CColor_Set::PickedInForce().fill(false);
    for (int i = 0; i < 5; ++i) g_ColorsA[i] = RGB(i, i, i);  // the graph's own colours
    OpenWave("Wave1");
    ViewLog().clear();
  }
  // Runs the dialog; `script` works it and ends it.
  void Run(std::function<void(HWND)> script) {
    dialogs.Expect(std::move(script));
    frame->RunColorDialog();
  }
  void Pick(HWND dialog, int role, COLORREF color) {
    commonDialogs.ExpectColor(color);
    ui_test::ClickCenter(GetDlgItem(dialog, CColor_Set::IDC_FIRST_PICK + role));
    ui_test::Pump();
  }
  // The colours the view was told to apply, in order.
  std::vector<std::pair<WPARAM, COLORREF>> Applied() const {
    std::vector<std::pair<WPARAM, COLORREF>> applied;
    for (const ViewHeard& h : Heard(WM_SET_COLORS)) applied.emplace_back(h.wParam, h.color);
    return applied;
  }
};

TEST_F(ColorSettings, APickIsAppliedAtOnceAndKeptByOk) {
  Run([&](HWND dialog) {
    EXPECT_EQ(GetWindowTextString(dialog), "Graph Colours");
    auto* swatch = dynamic_cast<SG::CSgButton*>(
        CWnd::FromHandlePermanent(GetDlgItem(dialog, CColor_Set::IDC_FIRST_SWATCH + 1)));
    ASSERT_NE(swatch, nullptr);
    EXPECT_EQ(swatch->GetColor(), RGB(1, 1, 1));  // it opens on the graph's own colours
    Pick(dialog, 1, RGB(10, 20, 30));
    EXPECT_EQ(swatch->GetColor(), RGB(10, 20, 30));
    ui_test::ClickCenter(GetDlgItem(dialog, CColor_Set::IDC_OK));
  });
  EXPECT_EQ(Applied(), (std::vector<std::pair<WPARAM, COLORREF>>{{2, RGB(10, 20, 30)}}));
  EXPECT_EQ(g_ColorsB[1], RGB(10, 20, 30));
}

// Cancel puts back what the graph showed when the dialog opened: an
// earlier kept pick, else the graph's own colour.
TEST_F(ColorSettings, CancelRestoresTheColoursInForceBeforeTheDialog) {
  Run([&](HWND dialog) {
    Pick(dialog, 0, RGB(200, 0, 0));
    ui_test::PressKey(dialog, Qt::Key_Return);  // Enter is OK
  });
  ViewLog().clear();
  Run([&](HWND dialog) {
    Pick(dialog, 0, RGB(0, 200, 0));
    Pick(dialog, 3, RGB(0, 0, 200));
    ui_test::PressKey(dialog, Qt::Key_Escape);        // ignored
    SendMessage(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);  // ignored too
    ui_test::Pump();
    EXPECT_TRUE(IsWindowVisible(dialog));
    ui_test::ClickCenter(GetDlgItem(dialog, CColor_Set::IDC_CANCEL));
  });
  EXPECT_EQ(Applied(),
            (std::vector<std::pair<WPARAM, COLORREF>>{
                {1, RGB(0, 200, 0)}, {4, RGB(0, 0, 200)}, {1, RGB(200, 0, 0)}, {4, RGB(3, 3, 3)}}));
  EXPECT_EQ(g_ColorsB[0], RGB(200, 0, 0));
  EXPECT_EQ(g_ColorsB[3], RGB(0, 0, 0));
}

TEST_F(ColorSettings, DefaultsPutTheGraphsColoursBackAndEnd) {
  Run([&](HWND dialog) {
    Pick(dialog, 2, RGB(9, 9, 9));
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(CColor_Set::IDC_DEFAULTS, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(dialog, CColor_Set::IDC_DEFAULTS)));
  });
  EXPECT_EQ(Applied().back().first, WPARAM{0});
  EXPECT_FALSE(CColor_Set::PickedInForce()[2]);
}

TEST_F(FrameTest, TheAboutBoxNamesTheProgramAndClosesOnEnterNotEsc) {
  dialogs.Expect([](HWND dialog) {
    EXPECT_EQ(GetWindowTextString(dialog), "About Pelmoran");
    EXPECT_EQ(GetWindowTextString(GetDlgItem(dialog, 1305)), "Pelmoran, version 1.0");
    ui_test::PressKey(dialog, Qt::Key_Escape);
    ui_test::Pump();
    EXPECT_TRUE(IsWindowVisible(dialog));
    ui_test::PressKey(GetDlgItem(dialog, 1163), Qt::Key_Return);
  });
  CAboutDlg about;
  EXPECT_EQ(about.DoModal(), IDOK);
  dialogs.Expect([](HWND dialog) { SendMessage(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); });
  CAboutDlg closed;
  EXPECT_EQ(closed.DoModal(), IDCANCEL);
}

TEST_F(FrameTest, HelpOpensThePagesOfTheConfiguredLanguage) {
  Command(33011);
  Command(32819);
  Command(33011);
  const auto& opened = Fake().OpenedDocuments();
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0].path, folder.Folder() + "Help_EN.html");
  EXPECT_EQ(opened[0].folder, folder.Folder());
  EXPECT_EQ(opened[1].path, folder.Folder() + "Help_CN.html");
}

}  // namespace
}  // namespace shell_test
