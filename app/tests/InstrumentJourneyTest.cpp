// Whole-program journeys with instruments: the program's own menus and
// dialogs against simulated generators and oscilloscopes served over VXI-11
// on loopback, the waveforms saved, reopened, sent and read back, and the
// faults a user can meet along the way.
#include "app/tests/ProgramFixture.h"

#include "instrument/LinkState.h"
#include "instrument/dialogs/ConnectTypeDlg.h"
#include "instrument/dialogs/InportFromScopeDlg.h"
#include "instrument/dialogs/ReadWaveDlg.h"
#include "instrument/dialogs/WaveSendDlg.h"
#include "platform/visa/Visa.h"
#include "platform/visa/VisaConfig.h"
#include "platform/window/Menu.h"
#include "sim/GeneratorFamilies.h"
#include "sim/SimGenerator.h"
#include "sim/SimScope.h"
#include "sim/Vxi11Server.h"
#include "tools/StandardShapes.h"
#include "waveform/WaveCollections.h"

#include <functional>
#include <memory>

namespace program_test {
namespace {

// The combo box's entry texts.
std::vector<std::string> Entries(HWND combo) {
  std::vector<std::string> out;
  const int n = static_cast<int>(SendMessage(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    std::vector<char> text(static_cast<std::size_t>(SendMessage(combo, CB_GETLBTEXTLEN, i, 0)) + 1);
    SendMessage(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    out.emplace_back(text.data());
  }
  return out;
}

// Picks an entry as the user does: the selection and its notification.
void Choose(HWND dialog, int id, int index) {
  HWND combo = GetDlgItem(dialog, id);
  SendMessage(combo, CB_SETCURSEL, index, 0);
  SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void Click(HWND dialog, int id) { ui_test::ClickCenter(GetDlgItem(dialog, id)); }

class InstrumentJourney : public Journey {
 protected:
  void SetUp() override {
    Journey::SetUp();
    ResetLinkState();
    ASSERT_TRUE(app.InitInstance());
    ui_test::Pump();
  }
  void TearDown() override {
    if (g_VisaDefaultRM) viClose(g_VisaDefaultRM);
    g_VisaDefaultRM = 0;
    server.reset();
    visa::SetPortmapperPort(0);
    Journey::TearDown();
    ResetLinkState();
  }

  // Serves the instrument over VXI-11 on loopback; "127.0.0.1" reaches it.
  void Serve(std::shared_ptr<sim::SimInstrument> instrument, std::uint32_t maxRecv = 1u << 20) {
    server = std::make_unique<sim::Vxi11Server>(std::move(instrument),
                                                sim::Vxi11ServerOptions{"127.0.0.1", 0, maxRecv});
    std::string error;
    ASSERT_TRUE(server->Start(&error)) << error;
    visa::SetPortmapperPort(server->PortmapperPort());
  }
  // A Communication command: the address typed into the connection dialog,
  // then `next` in the send, read or import dialog it opens (none: the
  // search is expected to find nothing).
  void Transfer(UINT command, const char* address, std::function<void(HWND)> next) {
    dialogs.Expect([address](HWND d) {
      Click(d, CConnectTypeDLG::IDC_IP);
      SetWindowText(GetDlgItem(d, CConnectTypeDLG::IDC_ADDRESS), address);
      Click(d, CConnectTypeDLG::IDC_CONNECT);
    });
    if (next) dialogs.Expect(std::move(next));
    Command(command);
  }
  // File > New with the dialog's defaults: a 16K waveform of the next free name.
  void NewWaveform() {
    dialogs.Expect([](HWND d) { Click(d, 1235); });
    Command(32840);
  }
  // Draw > Standard Waveform: a sine of the given peak-to-peak amplitude.
  void StandardSine(const char* amplitude) {
    dialogs.Expect([amplitude](HWND d) {
      Choose(d, 1080, kShapeSine);
      SetWindowText(GetDlgItem(d, 1029), amplitude);
      Click(d, 1242);
    });
    Command(32825);
  }
  void ExpectSaveDialog(const std::string& path, int layout) {
    commonDialogs.Expect(CommonDialogRequest::Kind::SaveFile,
                         [path, layout](CommonDialogRequest& r) {
                           r.accepted = true;
                           r.path = path;
                           r.filterIndex = layout;
                         });
  }
  CWaveData& Named(const char* name) {
    const int at = g_WaveNameList.Find(name);
    EXPECT_GE(at, 0) << name;
    return g_WaveArray[std::max(at, 0)];
  }

  std::unique_ptr<sim::Vxi11Server> server;
};

std::shared_ptr<sim::SimGenerator> Generator(const char* model) {
  return std::make_shared<sim::SimGenerator>(*sim::FindGeneratorFamily(model));
}

// Make a waveform, filter it, save it, close and reopen it, send it to a
// generator and read it back into a window of its own.
TEST_F(InstrumentJourney, MakeFilterSaveReopenSendAndReadBack) {
  NewWaveform();
  ASSERT_EQ(WaveWindows(), 1);
  StandardSine("2");
  Picture("journey1-1-sine.png");
  const std::vector<float> sine = Samples(ActiveWave());
  EXPECT_FLOAT_EQ(*std::max_element(sine.begin(), sine.end()), 1.0f);

  dialogs.Expect([](HWND d) { Click(d, 1215); });  // the low-pass of the dialog's defaults
  Command(32832);
  const std::vector<float> filtered = Samples(ActiveWave());
  EXPECT_NE(filtered, sine);
  EXPECT_FALSE(ActiveWave().saved);
  Picture("journey1-2-filtered.png");

  const std::string path = files / "filtered.csv";
  ExpectSaveDialog(path, 1);
  Command(32875);
  EXPECT_EQ(ActiveCaption(), CString("filtered"));
  EXPECT_TRUE(Named("filtered").saved);
  const std::vector<float> written = FileSamples(path);
  ASSERT_EQ(written.size(), filtered.size());
  for (std::size_t i = 0; i < written.size(); ++i)
    ASSERT_EQ(written[i], AsWritten(filtered[i])) << i;

  CloseActiveWindow();  // saved: no question
  EXPECT_EQ(WaveWindows(), 0);
  EXPECT_EQ(g_WaveArray.GetSize(), 0);
  OpenFromMenu(path);
  ASSERT_EQ(WaveWindows(), 1);
  EXPECT_EQ(Samples(Named("filtered")), written);
  Picture("journey1-3-reopened.png");

  auto generator = Generator("KRV1000X");
  Serve(generator);
  Transfer(32870, "127.0.0.1", [](HWND d) {
    EXPECT_EQ(Entries(GetDlgItem(d, CWave_sendDLG::IDC_WAVES)),
              std::vector<std::string>{"filtered"});
    Choose(d, CWave_sendDLG::IDC_SLOTS, 0);
    Click(d, CWave_sendDLG::IDC_SEND);
  });
  const auto stored = generator->Slot("filtered");
  ASSERT_TRUE(stored);
  EXPECT_EQ(generator->LastCommit(), "filtered");
  EXPECT_EQ(stored->Codes().size(), 2 * written.size());

  CloseActiveWindow();
  EXPECT_EQ(WaveWindows(), 0);
  Transfer(32872, "127.0.0.1", [](HWND d) {
    const auto entries = Entries(GetDlgItem(d, CReadWaveDLG::IDC_WAVES));
    const auto at = std::find(entries.begin(), entries.end(), "user:filtered") - entries.begin();
    ASSERT_LT(static_cast<std::size_t>(at), entries.size());
    Choose(d, CReadWaveDLG::IDC_WAVES, static_cast<int>(at));
    Click(d, CReadWaveDLG::IDC_READ);
  });
  ASSERT_EQ(WaveWindows(), 1);
  EXPECT_EQ(ActiveCaption(), CString("filtered"));
  // A user waveform's read takes the parameters of position M0 (amplitude 4):
  // each sample is its stored code over 32768, times half that amplitude.
  const std::vector<float> read = Samples(Named("filtered"));
  const auto codes = stored->Codes();
  ASSERT_EQ(read.size(), codes.size() / 2);
  for (std::size_t i = 0; i < read.size(); ++i) {
    const auto code = static_cast<std::int16_t>(codes[2 * i] | codes[2 * i + 1] << 8);
    ASSERT_EQ(read[i], static_cast<float>(code * 2.0 / 32768)) << i;
  }
  EXPECT_FALSE(Named("filtered").saved);
  Picture("journey1-4-read-back.png");
  boxes.Expect(IDNO, "filtered");
  CloseActiveWindow();
  EXPECT_EQ(WaveWindows(), 0);
  EXPECT_EQ(g_WaveArray.GetSize(), 0);
}

// A million-sample capture picked to 512K, the close question answered Yes:
// the save dialog writes it, the window closes and the file reopens equal.
TEST_F(InstrumentJourney, ImportFromTheScopeAndSaveAtTheClosePrompt) {
  sim::ScopeSetup setup;
  setup.sampleCount = "1000000";
  Serve(std::make_shared<sim::SimScope>(setup));
  Transfer(33069, "127.0.0.1", [](HWND d) {
    Click(d, CInportFromSCOPE::IDC_CH1);
    Choose(d, CInportFromSCOPE::IDC_LENGTH, 1);
    Click(d, CInportFromSCOPE::IDC_IMPORT);
  });
  ASSERT_EQ(WaveWindows(), 1);
  EXPECT_EQ(ActiveCaption(), CString("Wavename1"));
  const std::vector<float> captured = Samples(Named("Wavename1"));
  EXPECT_EQ(captured.size(), 524288u);
  Picture("journey4-1-imported.png");
  EXPECT_FALSE(Named("Wavename1").saved);

  const std::string path = files / "capture.csv";
  boxes.Expect(IDYES, "Wavename1");
  ExpectSaveDialog(path, 2);
  CloseActiveWindow();
  EXPECT_EQ(WaveWindows(), 0);
  EXPECT_EQ(g_WaveArray.GetSize(), 0);  // the record went with its window
  const std::vector<float> written = FileSamples(path);
  ASSERT_EQ(written.size(), captured.size());
  for (std::size_t i = 0; i < written.size(); ++i)
    ASSERT_EQ(written[i], AsWritten(captured[i])) << i;

  OpenFromMenu(path);
  ASSERT_EQ(WaveWindows(), 1);
  EXPECT_EQ(ActiveCaption(), CString("capture"));
  EXPECT_EQ(Samples(Named("capture")), written);
  Picture("journey4-2-reopened.png");
}

// Each fault ends in its message, the waveforms stay as they were, and the
// next try without the fault goes through.
TEST_F(InstrumentJourney, FaultsEndInTheirMessagesAndLoseNothing) {
  NewWaveform();
  StandardSine("2");
  const CString made = ActiveCaption();
  const std::vector<float> sine = Samples(ActiveWave());

  boxes.Expect(IDOK, "No instrument was found");
  Transfer(32870, "127.0.0.2", nullptr);
  EXPECT_FALSE(g_InstrumentConnected);

  // Small pieces, so the waveform's block goes in several.
  auto generator = Generator("KRV1000X");
  Serve(generator, 4096);
  sim::SimFaults broken;
  broken.breakBlockWrite = true;
  generator->SetFaults(broken);
  boxes.Expect(IDOK, "nothing was committed");
  Transfer(32870, "127.0.0.1", [](HWND d) {
    Choose(d, CWave_sendDLG::IDC_SLOTS, 0);
    Click(d, CWave_sendDLG::IDC_SEND);
    EXPECT_FALSE(DialogHasEnded(d));
    Click(d, CWave_sendDLG::IDC_CANCEL_BUTTON);
  });
  EXPECT_EQ(generator->LastCommit(), "");
  EXPECT_FALSE(generator->Slot(made.GetString()));
  EXPECT_EQ(Samples(ActiveWave()), sine);

  // A generator that does not tell its bandwidth is held to the lowest
  // limit, which a 1 kHz waveform is well under.
  generator->SetFaults({});
  Transfer(32870, "127.0.0.1", [generator](HWND d) {
    sim::SimFaults silent;
    silent.noReply = true;
    generator->SetFaults(silent);
    Choose(d, CWave_sendDLG::IDC_SLOTS, 0);
    Click(d, CWave_sendDLG::IDC_SEND);
  });
  EXPECT_EQ(generator->LastCommit(), made.GetString());
  ASSERT_TRUE(generator->Slot(made.GetString()));
  generator->SetFaults({});

  // The read of the built-in sine: no reply, then a short block, then a
  // clean reply into a window of its own.
  boxes.Expect(IDOK, "did not answer the parameter request");
  boxes.Expect(IDOK, "where its reply announced");
  Transfer(32872, "127.0.0.1", [generator](HWND d) {
    const auto entries = Entries(GetDlgItem(d, CReadWaveDLG::IDC_WAVES));
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0], "sine");
    Choose(d, CReadWaveDLG::IDC_WAVES, 0);
    for (bool sim::SimFaults::*fault :
         {&sim::SimFaults::noReply, &sim::SimFaults::truncatedBlock}) {
      sim::SimFaults faults;
      faults.*fault = true;
      generator->SetFaults(faults);
      Click(d, CReadWaveDLG::IDC_READ);
      EXPECT_FALSE(DialogHasEnded(d));
      EXPECT_EQ(g_WaveArray.GetSize(), 1);
    }
    generator->SetFaults({});
    Click(d, CReadWaveDLG::IDC_READ);
  });
  EXPECT_EQ(WaveWindows(), 2);
  EXPECT_EQ(ActiveCaption(), CString("sine"));
  EXPECT_EQ(Samples(Named(made.GetString())), sine);
  Picture("journey6-1-after-the-faults.png");
}

// Every menu, tip, status text and dialog caption in Chinese, and back.
TEST_F(InstrumentJourney, ChineseEverywhereTheUserLooksAndBack) {
  NewWaveform();
  Command(32819);
  auto nonAscii = [](const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c & 0x80; });
  };
  std::function<int(HMENU)> checkMenu = [&](HMENU menu) {
    int items = 0;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char text[128] = {};
      GetMenuString(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      if (!*text) continue;  // a separator
      const UINT id = GetMenuItemID(menu, i);
      if (id >= AFX_IDM_FIRST_MDICHILD && id < AFX_IDM_FIRST_MDICHILD + kMdiWindowMenuItems)
        continue;  // the Window menu's list of windows shows their titles
      ++items;
      EXPECT_TRUE(nonAscii(text)) << text;
      if (HMENU sub = GetSubMenu(menu, i)) items += checkMenu(sub);
    }
    return items;
  };
  EXPECT_GT(checkMenu(GetMenu(Frame().m_hWnd)), 50);

  // The toolbar's tips, as the frame answers the tip request.
  for (UINT id : {32840u, 32899u, 32875u, 33004u, 32844u, 32870u}) {
    TOOLTIPTEXTW tip;
    tip.hdr.code = TTN_NEEDTEXTW;
    tip.hdr.idFrom = id;
    Frame().SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&tip));
    std::u16string text(reinterpret_cast<const char16_t*>(tip.szText));
    text = text.substr(0, text.find(u'\0'));
    EXPECT_FALSE(text.empty()) << id;
    EXPECT_TRUE(std::any_of(text.begin(), text.end(), [](char16_t c) { return c > 0x7F; })) << id;
  }

  // The status bar: its ready and date panes, and a drawing mode's prompt.
  for (int pane : {1, 2})
    EXPECT_TRUE(nonAscii(Frame().m_wndStatusBar.GetPaneText(pane).GetString())) << pane;
  Command(32850);
  EXPECT_TRUE(nonAscii(Frame().m_wndStatusBar.GetPaneText(1).GetString()));
  Picture("journey5-1-chinese.png");

  // Every dialog a menu opens shows its Chinese caption; each is cancelled.
  auto captionIsChinese = [&](HWND d) {
    EXPECT_TRUE(nonAscii(GetWindowTextString(d))) << GetWindowTextString(d);
    EndDialog(d, IDCANCEL);
  };
  for (UINT id : {32840u, 32825u, 32832u, 32826u, 32824u, 32827u, 32829u, 32830u, 33064u}) {
    dialogs.Expect(captionIsChinese);
    Command(id);
  }
  auto generator = Generator("KRV1000X");
  Serve(generator);
  for (UINT id : {32870u, 32872u}) {
    dialogs.Expect([&](HWND d) {
      EXPECT_TRUE(nonAscii(GetWindowTextString(d)));
      Click(d, CConnectTypeDLG::IDC_IP);
      SetWindowText(GetDlgItem(d, CConnectTypeDLG::IDC_ADDRESS), "127.0.0.1");
      Click(d, CConnectTypeDLG::IDC_CONNECT);
    });
    dialogs.Expect(captionIsChinese);
    Command(id);
  }

  Serve(std::make_shared<sim::SimScope>());
  dialogs.Expect([&](HWND d) {
    Click(d, CConnectTypeDLG::IDC_IP);
    SetWindowText(GetDlgItem(d, CConnectTypeDLG::IDC_ADDRESS), "127.0.0.1");
    Click(d, CConnectTypeDLG::IDC_CONNECT);
  });
  dialogs.Expect(captionIsChinese);
  Command(33069);

  Command(32820);
  EXPECT_EQ(MenuCaption(0), CString("File"));
  EXPECT_EQ(Frame().m_wndStatusBar.GetPaneText(1), CString("Ready"));
  dialogs.Expect([](HWND d) {
    EXPECT_EQ(GetWindowTextString(d), "Standard Waveform");
    EndDialog(d, IDCANCEL);
  });
  Command(32825);
}

}  // namespace
}  // namespace program_test
