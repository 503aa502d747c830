// The program as a user meets it at start-up: with and without files named,
// opening files from the File menu, the table view, the language switch
// with pictures of the main window in both languages, and Exit with its save
// prompt ending the message loop.
#include "app/tests/ProgramFixture.h"

#include "platform/window/Menu.h"
#include "shell/tableview/TableView.h"
#include "shell/tests/StandInView.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

#include <QMenuBar>
#include <QScreen>
#include <QWidget>

namespace program_test {
namespace {

TEST_F(Journey, AnEmptyCommandLineStartsMaximisedWithoutWaveformWindows) {
  ASSERT_TRUE(app.InitInstance());
  ui_test::Pump();
  QWidget* frame = WidgetOf(Frame().m_hWnd);
  EXPECT_TRUE(frame->isMaximized());
  // It covers the screen's work area, with or without a window manager to
  // grant the request (an X display without one left it at 800 x 600).
  EXPECT_EQ(frame->frameGeometry(), frame->screen()->availableGeometry());
  EXPECT_EQ(WaveWindows(), 0);
  EXPECT_EQ(Frame().GetWindowTextString(), CString("Pelmoran"));
  EXPECT_EQ(MenuCaption(0), CString("File"));
  EXPECT_FALSE(g_bWaveOpen);
}

// Files named on the command line open through the readers; one that
// cannot be read is refused with its message and start-up goes on.
TEST_F(Journey, FilesNamedOnTheCommandLineOpenOrAreRefused) {
  app.SetCommandLine({Write("first.csv", "xpos,value\n0,0.5\n1,-0.5\n"), (files / "missing.bin"),
                      Write("notes.txt", "hello\n")});
  boxes.Expect(IDOK, "The file cannot be read");
  boxes.Expect(IDOK, "\"txt\" was not opened");
  ASSERT_TRUE(app.InitInstance());
  ui_test::Pump();
  EXPECT_EQ(WaveWindows(), 1);
  ASSERT_EQ(g_WaveArray.GetSize(), 1);
  EXPECT_EQ(g_WaveArray[0].wavename, CString("first"));
  EXPECT_EQ(Frame().GetWindowTextString(), CString("Pelmoran - first"));
}

// Two files from the File menu, a value changed in the table view, the
// language switched (with a picture of each), and Exit: the changed
// waveform asks, No discards it, and the message loop ends.
TEST_F(Journey, OpenEditSwitchTheLanguageAndExit) {
  ASSERT_TRUE(app.InitInstance());
  std::string sine = "xpos,value\n";
  for (int i = 0; i < 200; ++i)
    sine += std::to_string(i) + "," + std::to_string(i % 50 / 25.0 - 1) + "\n";
  OpenFromMenu(Write("ramp.csv", sine));
  std::string square;
  for (int i = 0; i < 400; ++i) square += std::to_string(i) + (i % 200 < 100 ? ",1\n" : ",-1\n");
  OpenFromMenu(Write("pulse.dat", square));
  EXPECT_EQ(WaveWindows(), 2);
  EXPECT_TRUE(g_bWaveOpen);
  // The pictures show the whole window at a desktop's size, with or without
  // a window manager to maximise it.
  Picture("main-window-en.png");

  dialogs.Expect([](HWND table) {
    EXPECT_EQ(GetWindowTextString(GetDlgItem(table, CTable_view::IDC_NAME)), "pulse");
    listview::SetItemText(GetDlgItem(table, CTable_view::IDC_GRID), 2, 1, "0.25");
    ui_test::ClickCenter(GetDlgItem(table, CTable_view::IDC_OK));
  });
  Command(33064);
  const int pulse = g_WaveNameList.Find("pulse");
  ASSERT_GE(pulse, 0);
  EXPECT_EQ(g_WaveArray[pulse].thedata[2], 0.25f);
  EXPECT_FALSE(g_WaveArray[pulse].saved);

  Command(32819);
  EXPECT_EQ(MenuCaption(0), CString("文件"));
  QMenuBar* bar = MenuBarOf(GetMenu(Frame().m_hWnd));
  ASSERT_NE(bar, nullptr);
  for (QAction* item : bar->actions())  // every caption fits the bar
    EXPECT_LT(bar->actionGeometry(item).bottom(), bar->height()) << item->text().toStdString();
  Picture("main-window-zh.png");

  boxes.Expect(IDNO, "pulse");
  Frame().PostMessage(WM_COMMAND, 33001);
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(g_WaveArray.GetSize(), 0);
}

// Dialogs open centred on the main window, wherever it is, as the
// platform's modal dialogs open: the About box the application runs and the
// new-waveform dialog the frame runs without a parent.
TEST_F(Journey, DialogsOpenCentredOnTheMainWindow) {
  ASSERT_TRUE(app.InitInstance());
  Frame().ShowWindow(SW_RESTORE);
  Frame().MoveWindow(10, 20, 620, 560);  // away from the screen's centre
  ui_test::Pump();
  CRect frame;
  Frame().GetWindowRect(&frame);
  const CPoint centre = frame.CenterPoint();
  auto expectCentred = [centre](HWND dialog) {
    CRect rect;
    GetWindowRect(dialog, &rect);
    EXPECT_NEAR(rect.CenterPoint().x, centre.x, 1) << GetWindowTextString(dialog);
    EXPECT_NEAR(rect.CenterPoint().y, centre.y, 1) << GetWindowTextString(dialog);
  };
  dialogs.Expect([&](HWND about) {
    expectCentred(about);
    ui_test::ClickCenter(GetDlgItem(about, 1163));
  });
  Command(33012);
  dialogs.Expect([&](HWND created) {
    expectCentred(created);
    SendMessage(created, WM_CLOSE, 0, 0);
  });
  Command(32840);
}

// The Window menu lists the waveform windows below its own commands,
// numbered in the order they opened, the active one checked; choosing one
// activates it.
TEST_F(Journey, TheWindowMenuListsTheWaveformWindowsAndActivatesTheChosenOne) {
  ASSERT_TRUE(app.InitInstance());
  OpenFromMenu(Write("first.csv", "xpos,value\n0,0.5\n1,-0.5\n"));
  OpenFromMenu(Write("second.csv", "xpos,value\n0,1\n1,-1\n"));
  ASSERT_EQ(WaveWindows(), 2);
  auto listed = [this] {
    HMENU bar = GetMenu(Frame().m_hWnd);
    HMENU window = GetSubMenu(bar, GetMenuItemCount(bar) - 3);  // Window, Language, Help
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(window); ++i) {
      char text[64] = {};
      GetMenuString(window, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      const bool checked = GetMenuState(window, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED;
      items.push_back(std::string(checked ? "* " : "") +
                      (GetMenuItemID(window, i) == 0 ? "-" : text));
    }
    return items;
  };
  std::vector<std::string> items = listed();
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(items.begin() + 2, items.end()),
            (std::vector<std::string>{"-", "&1 first", "* &2 second"}));
  Command(AFX_IDM_FIRST_MDICHILD);
  EXPECT_EQ(ActiveCaption(), CString("first"));
  items = listed();
  EXPECT_EQ(std::vector<std::string>(items.begin() + 2, items.end()),
            (std::vector<std::string>{"-", "* &1 first", "&2 second"}));
  CloseActiveWindow();
  items = listed();
  EXPECT_EQ(std::vector<std::string>(items.begin() + 2, items.end()),
            (std::vector<std::string>{"-", "* &1 second"}));
}

}  // namespace

namespace {

// The application's own commands reach it through the main frame's routing
// and go on to the active view as the frame's private messages.
TEST(ApplicationCommands, SaveAsPreviewPrintAndAboutReachTheirReceivers) {
  shell_test::LoadShippedResources();
  ResetWaveState();
  g_WaveArray.RemoveAll();
  shell_test::ShippedProgramFolder folder("English");
  CPelmoranApp app(RUNTIME_CLASS(shell_test::CStandInDoc), RUNTIME_CLASS(shell_test::CStandInView));
  ASSERT_TRUE(app.InitInstance());
  CWaveData wave;
  wave.wavename = "Wave1";
  wave.saved = true;
  g_WaveArray.Add(std::move(wave));
  app.MainFrame()->SendMessage(WM_WAVE_UPDATE, kWaveUpdateOpenWindow, 0);
  shell_test::ViewLog().clear();
  for (UINT id : {32875u, 33023u, 32873u, 32874u}) app.MainFrame()->SendMessage(WM_COMMAND, id, 0);
  std::vector<UINT> heard;
  for (const shell_test::ViewHeard& h : shell_test::ViewLog()) heard.push_back(h.message);
  EXPECT_EQ(heard,
            (std::vector<UINT>{WM_FILE_SAVE, WM_FILE_SAVEAS, WM_PRINT_PREVIEW, WM_PRINT_WAVE}));
  ScriptedDialogs dialogs;
  dialogs.Expect([](HWND about) {
    EXPECT_EQ(GetWindowTextString(about), "About Pelmoran");
    ui_test::ClickCenter(GetDlgItem(about, 1163));
  });
  app.MainFrame()->SendMessage(WM_COMMAND, 33012, 0);
  app.MainFrame()->SendMessage(WM_CLOSE);
  ui_test::Pump();
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

}  // namespace
}  // namespace program_test
