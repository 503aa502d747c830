// The main frame's commands: every command's state with no waveform window,
// with one whose cursors are hidden and with one that shows them (menus and
// toolbar alike), what each command sends the active view, the drawing-mode
// marks, the relayed messages and what the frame does with the view's
// reports.
#include "instrument/LinkState.h"
#include "shell/frame/tests/FrameFixture.h"

#include "platform/afx/Time.h"
#include "platform/window/Menu.h"
#include "shell/base/ActiveChild.h"
#include "waveform/PrivateMessages.h"

namespace shell_test {
namespace {

enum class State { NoWindow, CursorsHidden, CursorsShown };

struct CommandRule {
  UINT id;
  bool noWindow, cursorsHidden, cursorsShown;
};

// Every command of the menus and the toolbar.
// clang-format off
const CommandRule kRules[] = {
    // always
    {32840, 1, 1, 1}, {57600, 1, 1, 1}, {32899, 1, 1, 1}, {33001, 1, 1, 1}, {32872, 1, 1, 1},
    {33069, 1, 1, 1}, {32819, 1, 1, 1}, {32820, 1, 1, 1}, {33191, 1, 1, 1}, {33192, 1, 1, 1},
    {33011, 1, 1, 1}, {33012, 1, 1, 1}, {32821, 1, 1, 1},
    // while a waveform window is open
    {32875, 0, 1, 1}, {33023, 0, 1, 1}, {32873, 0, 1, 1}, {32874, 0, 1, 1}, {32841, 0, 1, 1},
    {32816, 0, 1, 1}, {32817, 0, 1, 1}, {32818, 0, 1, 1}, {32842, 0, 1, 1}, {32843, 0, 1, 1},
    {32844, 0, 1, 1}, {32846, 0, 1, 1}, {32879, 0, 1, 1}, {32850, 0, 1, 1}, {32851, 0, 1, 1},
    {32854, 0, 1, 1}, {32853, 0, 1, 1}, {32896, 0, 1, 1}, {32876, 0, 1, 1}, {33064, 0, 1, 1},
    {32870, 0, 1, 1}, {57650, 0, 1, 1}, {57651, 0, 1, 1}, {32824, 0, 1, 1}, {32825, 0, 1, 1},
    {32826, 0, 1, 1}, {32827, 0, 1, 1}, {32829, 0, 1, 1}, {32830, 0, 1, 1}, {32832, 0, 1, 1},
    // while it also shows its cursors
    {33002, 0, 0, 1}, {33003, 0, 0, 1}, {33004, 0, 0, 1}, {33005, 0, 0, 1}, {33006, 0, 0, 1},
    {32859, 0, 0, 1}, {32862, 0, 0, 1}, {32865, 0, 0, 1}, {32866, 0, 0, 1}};
// clang-format on

class CommandStates : public FrameTest, public testing::WithParamInterface<State> {
 protected:
  // A waveform window opens without cursors; one that shows them says so
  // when it becomes active again.
  void Enter(State state) {
    if (state == State::NoWindow) return;
    OpenWave("Wave1", 100, state == State::CursorsShown);
    OpenWave("Wave2", 100, state == State::CursorsShown);
    WindowOf("Wave1")->MDIActivate();
    ui_test::Pump();
  }
  static bool Expected(const CommandRule& rule, State state) {
    return state == State::NoWindow        ? rule.noWindow
           : state == State::CursorsHidden ? rule.cursorsHidden
                                           : rule.cursorsShown;
  }
};

TEST_P(CommandStates, EveryCommandFollowsItsRuleInMenusAndToolbar) {
  Enter(GetParam());
  // The menus as the user opens them: each drop-down asks its items.
  HMENU bar = GetMenu(frame->m_hWnd);
  std::function<void(HMENU)> open = [&](HMENU menu) {
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
      if (HMENU sub = GetSubMenu(menu, i)) open(sub);
  };
  for (int i = 0; i < GetMenuItemCount(bar); ++i) open(GetSubMenu(bar, i));
  for (const CommandRule& rule : kRules) {
    EXPECT_EQ(Enabled(rule.id), Expected(rule, GetParam())) << rule.id;
    if (rule.id == 57600 || rule.id == 33191 || rule.id == 33192) continue;  // no menu item
    const UINT menuState = GetMenuState(bar, rule.id, MF_BYCOMMAND);
    ASSERT_NE(menuState, static_cast<UINT>(-1)) << "no menu item " << rule.id;
    EXPECT_EQ((menuState & MF_GRAYED) == 0, Expected(rule, GetParam())) << "menu " << rule.id;
  }
  app.OnIdle(0);
  for (int i = 0; i < frame->m_wndToolBar.GetCount(); ++i) {
    const UINT id = frame->m_wndToolBar.GetItemID(i);
    if (id == 0) continue;
    const auto rule = std::find_if(std::begin(kRules), std::end(kRules),
                                   [id](const CommandRule& r) { return r.id == id; });
    ASSERT_NE(rule, std::end(kRules)) << "toolbar button " << id << " has no rule";
    EXPECT_EQ(frame->m_wndToolBar.IsButtonEnabled(id), Expected(*rule, GetParam()))
        << "button " << id;
  }
}

INSTANTIATE_TEST_SUITE_P(States, CommandStates,
                         testing::Values(State::NoWindow, State::CursorsHidden,
                                         State::CursorsShown),
                         [](const testing::TestParamInfo<State>& info) {
                           return info.param == State::NoWindow        ? "NoWindow"
                                  : info.param == State::CursorsHidden ? "CursorsHidden"
                                                                       : "CursorsShown";
                         });

struct Sent {
  UINT message;
  WPARAM wParam;
};

TEST_F(FrameTest, EachViewCommandSendsItsMessageToTheActiveView) {
  OpenWave("Other", 10, true);
  OpenWave("Wave1", 10, true);
  const std::pair<UINT, std::vector<Sent>> kActions[] = {
      {33002, {{WM_EDIT_OP, 0}}},
      {33003, {{WM_EDIT_OP, 1}}},
      {33004, {{WM_EDIT_OP, 2}}},
      {33005, {{WM_EDIT_OP, 5}}},
      {33006, {{WM_EDIT_OP, 4}}},
      {32859, {{WM_EDIT_OP, 3}}},
      {32862, {{WM_EDIT_OP, 6}}},
      {32865, {{WM_EDIT_OP, 7}}},
      {32866, {{WM_EDIT_OP, 8}}},
      {32841, {{WM_VIEW_OPTION, 0}}},
      {32816, {{WM_VIEW_OPTION, 1}}},
      {32817, {{WM_VIEW_OPTION, 2}}},
      {32818, {{WM_VIEW_OPTION, 3}}},
      {32842, {{WM_ZOOM, 0}}},
      {32843, {{WM_ZOOM, 1}}},
      {32844, {{WM_ZOOM, 2}}},
      {32846, {{WM_ZOOM, 3}}},
      {32879, {{WM_ZOOM, 5}}},
      {32850, {{WM_DRAW_FREEHAND, 0}}},
      {32851, {{WM_DRAW_FREEHAND, 0}, {WM_DRAW_LINE, 1}}},
      {32854, {{WM_DRAW_FREEHAND, 0}, {WM_DRAW_LINE, 2}}},
      {32853, {{WM_DRAW_FREEHAND, 0}, {WM_DRAW_LINE, 3}}},
      {32896, {{WM_UNDO_LAST_DRAW, 0}}},
      {32876, {{WM_SMOOTH, 0}}}};
  for (const auto& [id, expected] : kActions) {
    ViewLog().clear();
    g_nZoomKind = 3;
    Command(id);
    ASSERT_EQ(ViewLog().size(), expected.size()) << id;
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(ViewLog()[i].view, CString("Wave1")) << id;
      EXPECT_EQ(ViewLog()[i].message, expected[i].message) << id;
      EXPECT_EQ(ViewLog()[i].wParam, expected[i].wParam) << id;
    }
    if (id == 32879) EXPECT_EQ(g_nZoomKind, 0);
  }
}

// One mode at a time carries the mark and the flag; the cursor lines take
// the marks away but leave the modes; each window brings back its own.
TEST_F(FrameTest, DrawingModesMarkOneItemAndEachWindowRepublishesItsOwn) {
  const int first = OpenWave("First");
  const int second = OpenWave("Second");
  Command(32850);
  EXPECT_TRUE(Checked(32850));
  EXPECT_TRUE(g_bDrawFreehand);
  g_bPointsMode = true;
  Command(32851);
  for (UINT id : {32850u, 32854u, 32853u}) EXPECT_FALSE(Checked(id)) << id;
  EXPECT_TRUE(Checked(32851));
  EXPECT_TRUE(g_bDrawHLine);
  EXPECT_FALSE(g_bDrawFreehand || g_bDrawVLine || g_bDrawTwoPoint || g_bPointsMode);
  Command(32841);
  EXPECT_FALSE(Checked(32851));
  EXPECT_TRUE(g_bDrawHLine);

  g_WaveArray[first].twopoint = true;
  g_WaveArray[first].cursorson = true;
  g_WaveArray[second].hline = false;
  WindowOf("First")->MDIActivate();
  ui_test::Pump();
  EXPECT_TRUE(Checked(32853));
  EXPECT_TRUE(g_bDrawTwoPoint);
  EXPECT_FALSE(g_bDrawHLine);
  EXPECT_TRUE(g_bEditEnable);
  EXPECT_EQ(frame->GetWindowTextString(), CString("Pelmoran - First"));
  WindowOf("Second")->MDIActivate();
  ui_test::Pump();
  EXPECT_FALSE(Checked(32853));
  EXPECT_FALSE(g_bDrawTwoPoint);
  EXPECT_FALSE(g_bEditEnable);
  EXPECT_EQ(frame->GetWindowTextString(), CString("Pelmoran - Second"));
}

// Each tool command and each transfer runs its dialog modally; the script
// sees its translated caption and closes it. A transfer records its
// direction before the connection dialog opens.
TEST_F(FrameTest, EachToolAndTransferCommandRunsItsDialog) {
  OpenWave("Wave1", 100, true);
  struct Case {
    UINT id;
    int dialog;
    int direction;  // g_LinkDirection afterwards, -1: unchanged
    int import;
  };
  const Case kCases[] = {{32840, 138, -1, -1}, {32825, 143, -1, -1}, {32826, 142, -1, -1},
                         {32824, 150, -1, -1}, {32827, 145, -1, -1}, {32829, 147, -1, -1},
                         {32830, 149, -1, -1}, {32832, 153, -1, -1}, {32870, 353, 1, 0},
                         {32872, 353, 0, 0},   {33069, 353, 0, 1}};
  for (const Case& c : kCases) {
    dialogs.Expect([dialog = c.dialog](HWND window) {
      EXPECT_EQ(GetWindowTextString(window), ShellText(dialog).str()) << dialog;
      SendMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    Command(c.id);
    if (c.direction >= 0) EXPECT_EQ(g_LinkDirection, c.direction) << c.id;
    if (c.import >= 0) EXPECT_EQ(g_ImportFromScope, c.import) << c.id;
  }
}

TEST_F(FrameTest, RelayedMessagesReachTheActiveViewWithTheirParameters) {
  frame->SendMessage(WM_FILE_SAVE, 0, 0);  // no window: nothing happens
  EXPECT_TRUE(ViewLog().empty());
  OpenWave("Wave1");
  ViewLog().clear();
  double time = 0.25;
  const struct {
    UINT message;
    WPARAM w;
    LPARAM l;
    WPARAM heardW;
    LPARAM heardL;
  } kRelays[] = {
      {WM_SET_CURSOR_POS, reinterpret_cast<WPARAM>(&time), 1, reinterpret_cast<WPARAM>(&time), 1},
      {WM_DRAW_POINTS, 1, 7, 1, 0},
      {WM_APPLY_EQUATION, 3, 3, 0, 0},
      {WM_FILE_SAVE, 0, 0, 0, 0},
      {WM_FILE_SAVEAS, 0, 0, 0, 0},
      {WM_PRINT_PREVIEW, 0, 0, 0, 0},
      {WM_PRINT_WAVE, 0, 0, 0, 0},
      {WM_SET_COLORS, 4, 9, 4, 0},
      {WM_WAVE_ACTIVATE, 0, 0, 0, 0},
      {WM_SHOW_CURSORS, 0, 0, 0, 0}};
  for (const auto& relay : kRelays) {
    ViewLog().clear();
    EXPECT_EQ(frame->SendMessage(relay.message, relay.w, relay.l), 1);
    ASSERT_EQ(ViewLog().size(), 1u) << relay.message;
    EXPECT_EQ(ViewLog()[0].wParam, relay.heardW) << relay.message;
    EXPECT_EQ(ViewLog()[0].lParam, relay.heardL) << relay.message;
  }
  EXPECT_EQ(Heard(WM_SET_CURSOR_POS).size(), 0u);
}

TEST_F(FrameTest, WaveUpdatesOpenWindowsOrBringTheirWaveformsWindowToTheTop) {
  const int first = OpenWave("First");
  OpenWave("Second");
  ViewLog().clear();
  frame->SendMessage(WM_WAVE_UPDATE, first, 0);
  ui_test::Pump();
  EXPECT_EQ(frame->MDIGetActive(), WindowOf("First"));
  ASSERT_EQ(Heard(WM_WAVE_UPDATE).size(), 1u);
  EXPECT_EQ(Heard(WM_WAVE_UPDATE)[0].view, CString("First"));
  EXPECT_EQ(Heard(WM_WAVE_UPDATE)[0].wParam, static_cast<WPARAM>(first));
  ViewLog().clear();
  frame->SendMessage(WM_WAVE_UPDATE, kWaveUpdateActiveChanged, 0);
  EXPECT_EQ(Heard(WM_WAVE_UPDATE).at(0).wParam, WPARAM{kWaveUpdateReplotOwn});
  CWaveData third;
  third.wavename = "Third";
  g_WaveArray.Add(std::move(third));
  ViewLog().clear();
  frame->SendMessage(WM_WAVE_UPDATE, kWaveUpdateOpenAndReplot, 0);
  ui_test::Pump();
  ASSERT_NE(WindowOf("Third"), nullptr);
  EXPECT_EQ(Heard(WM_WAVE_UPDATE).at(0).view, CString("Third"));
  EXPECT_EQ(Heard(WM_WAVE_UPDATE).at(0).wParam, WPARAM{kWaveUpdateReplotNewest});
  ViewLog().clear();
  frame->SendMessage(WM_WAVE_UPDATE, 77, 0);  // no such waveform: the active view still hears
  EXPECT_EQ(Heard(WM_WAVE_UPDATE).at(0).view, CString("Third"));
}

TEST_F(FrameTest, TheStatusBarShowsTheViewsStatusCodesAndIgnoresOthers) {
  EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(1), CString("Ready"));
  const CTime today = CTime::GetCurrentTime();
  CString date;
  date.Format("%04d\\%02d\\%02d", today.GetYear(), today.GetMonth(), today.GetDay());
  EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(2), ShellText(183) + date);
  EXPECT_EQ(ShellText(183).Left(5), CString("Date:"));
  for (int code = 0; code < 4; ++code) {
    frame->SendMessage(WM_STATUS_TEXT, code, 0);
    EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(1), ShellText(184 + code)) << code;
  }
  frame->SendMessage(WM_STATUS_TEXT, 4, 0);
  EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(1), ShellText(187));
}

TEST_F(FrameTest, TheWindowTitleNamesTheActiveWaveform) {
  EXPECT_EQ(frame->GetWindowTextString(), CString("Pelmoran"));
  OpenWave("Wave1");
  EXPECT_EQ(frame->GetWindowTextString(), CString("Pelmoran - Wave1"));
  WindowOf("Wave1")->SendMessage(WM_CLOSE);
  ui_test::Pump();
  frame->OnIdleUpdateCmdUI();
  EXPECT_EQ(frame->GetWindowTextString(), CString("Pelmoran"));
}

}  // namespace
}  // namespace shell_test
