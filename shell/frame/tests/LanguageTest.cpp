// The texts of the main frame: menus, status panes, the coordinate bar and
// tooltips in the configured language, switched from the Language menu,
// and the resource's caption where a language file has no text.
#include "shell/frame/tests/FrameFixture.h"

#include "platform/window/Menu.h"
#include "shell/base/ActiveChild.h"
#include "shell/base/Translator.h"

#include <fstream>

namespace shell_test {
namespace {

CString MenuText(HMENU menu, UINT item, UINT flags) {
  char text[256] = {};
  GetMenuString(menu, item, text, sizeof text, flags);
  return text;
}

class Languages : public FrameTest {
 protected:
  HMENU Bar() const { return GetMenu(frame->m_hWnd); }
  CString TopLevel(int position) const { return MenuText(Bar(), position, MF_BYPOSITION); }
  CString Label(int id) const {
    return frame->m_wndCoordinateBar.GetDlgItem(id)->GetWindowTextString();
  }
  CString Tooltip(UINT id, bool wide) {
    if (wide) {
      TOOLTIPTEXTW tip;
      tip.hdr.idFrom = id;
      tip.hdr.code = TTN_NEEDTEXTW;
      frame->SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&tip));
      return CString(tip.szText);
    }
    TOOLTIPTEXTA tip;
    tip.hdr.idFrom = id;
    tip.hdr.code = TTN_NEEDTEXTA;
    frame->SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&tip));
    return CString(tip.szText);
  }
};

TEST_F(Languages, TheFrameShowsTheConfiguredLanguageAndSwitchesOnTheLanguageMenu) {
  EXPECT_EQ(TopLevel(0), CString("File"));
  EXPECT_EQ(TopLevel(9), CString("Help"));
  EXPECT_EQ(MenuText(Bar(), 32840, MF_BYCOMMAND), CString("New..."));
  EXPECT_EQ(MenuText(GetSubMenu(Bar(), 3), 1, MF_BYPOSITION), CString("Line Drawing"));
  EXPECT_EQ(Label(1164), CString("Cursor 1:"));
  EXPECT_EQ(Tooltip(32899, false), CString("Open..."));

  Fake().Clock().Clear();
  Command(32819);  // Chinese
  EXPECT_EQ(folder.ProfileLanguage(), "Chinese");
  EXPECT_EQ(Fake().Clock().Sleeps(), (std::vector<DWORD>{500, 500}));
  EXPECT_EQ(TopLevel(0), CString("文件"));
  EXPECT_EQ(MenuText(GetSubMenu(Bar(), 4), 0, MF_BYPOSITION), CString("算术运算"));
  EXPECT_EQ(MenuText(Bar(), 32820, MF_BYCOMMAND), CString("English (英语)"));
  EXPECT_EQ(Label(1164), CString("左光标："));
  EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(1), CString("就绪"));
  EXPECT_EQ(Tooltip(32899, true), CString("打开..."));

  // The waveform windows' menu, shown once one opens, is in Chinese too,
  // and so is the frame's own when the last one closes.
  OpenWave("Wave1");
  EXPECT_EQ(GetMenu(frame->m_hWnd), frame->SharedMenu());
  EXPECT_EQ(TopLevel(1), CString("编辑"));
  Command(32820);  // English, while a waveform window is open
  WindowOf("Wave1")->SendMessage(WM_CLOSE);
  ui_test::Pump();
  EXPECT_EQ(GetMenu(frame->m_hWnd), frame->m_hMenuDefault);
  EXPECT_EQ(TopLevel(1), CString("Edit"));

  // Choosing the language in force changes nothing and does not pause.
  Fake().Clock().Clear();
  Command(32820);
  EXPECT_TRUE(Fake().Clock().Sleeps().empty());
  EXPECT_EQ(folder.ProfileLanguage(), "English");
}

// A language file without a text for an id: the menu keeps the resource's
// caption, a tooltip is empty, the dialog labels keep theirs.
TEST_F(Languages, AnIdWithoutATextKeepsTheResourcesCaption) {
  std::ofstream(folder.Path() / "Languages" / "English.lng")
      << "[Translation]\nMENU_1=Datei\n";  // the first entry only: id 1
  Command(32819);
  Command(32820);
  EXPECT_EQ(TopLevel(0), CString("Datei"));
  EXPECT_EQ(TopLevel(1), CString("编辑"));  // the template's own text
  EXPECT_EQ(MenuText(Bar(), 32899, MF_BYCOMMAND), CString("打开..."));
  EXPECT_EQ(Tooltip(32899, false), CString(""));
  EXPECT_EQ(Label(1164), CString("左光标："));  // the Chinese text it had stays
}

}  // namespace
}  // namespace shell_test
