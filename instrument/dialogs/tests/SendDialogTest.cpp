// The send dialog end to end: the connection dialog's search, the send
// dialog's choices and checks, and what the simulated generator stored.
#include "DialogFixture.h"

#include "instrument/dialogs/TableViewSeam.h"
#include "instrument/dialogs/WaveSendDlg.h"
#include "platform/win/NumericLocale.h"
#include "platform/window/Dialogs.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

namespace dialogtest::send {
namespace {

using enum CWave_sendDLG::Control;

constexpr const char* kOld = "1.01.01.20";  // a KRV5000 of version 20: four slots
constexpr const char* kNew = "1.01.01.35";  // version 35: thirty-two

class SendDialog : public DialogFixture {
 protected:
  // The English wordings of the messages whose figures the dialog replaces.
  void UseRealTexts() {
    fake.SetText(325, "On CH1 the peak value must lie between 0.002 and 3 V.");
    fake.SetText(326, "On CH2 the peak value must lie between 0.002 and 10 V.");
    fake.SetText(335, "A waveform of more than 16384 points can be stored only in ##.");
    fake.SetText(336, "This @@ MHz generator takes frequencies up to ## MHz.");
    fake.SetText(618,
                 "The generator did not report its bandwidth; it takes frequencies up to ## MHz.");
  }
  // A send dialog script: choose, send, and cancel when the send was refused.
  static std::function<void(HWND)> SendWith(int channel, int slot, bool refused) {
    return [=](HWND d) {
      if (channel == 1) ui_test::ClickCenter(Item(d, IDC_CH2));
      Choose(Item(d, IDC_SLOTS), slot);
      ui_test::ClickCenter(Item(d, IDC_SEND));
      EXPECT_EQ(DialogHasEnded(d), !refused);
      if (refused) ui_test::ClickCenter(Item(d, IDC_CANCEL_BUTTON));
    };
  }
};

// Renames the waveform and its entry in the send dialog's list, as the table
// view and the list's refill would.
void RenameListed(HWND dialog, const char* name) {
  g_WaveArray[0].wavename = name;
  HWND waves = GetDlgItem(dialog, IDC_WAVES);
  SendMessage(waves, CB_RESETCONTENT, 0, 0);
  SendMessage(waves, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  SendMessage(waves, CB_SETCURSEL, 0, 0);
}

// A parameter as the generator prints it, whatever the desktop's locale.
std::string ExpForm(double value) { return FormatInCLocale("%.2E", value); }

// Each row sends one waveform to one simulated family over usbtmc and ends
// in a message, or in the codes the generator stored where the row says,
// committed by the row's index or name.
TEST_F(SendDialog, EachFamilyTakesWhatItsModelTakes) {
  struct Row {
    const char* model;
    const char* version;
    int count;
    double hertz;
    double peak;
    int channel;
    int slot;
    const char* expect;  // a message text, or where the waveform is stored
    const char* commit;  // the commit's argument when stored
  };
  UseRealTexts();
  const Row rows[] = {
      {"KRV1000", kOld, 16384, 1e3, 1.0, 0, 0, "M50", "50"},
      {"KRV1000", kOld, 16384, 1e3, 2.5, 1, 2, "M52", "52"},
      {"KRV1000", kOld, 1000, 1e3, 1.0, 0, 0, "text 352", nullptr},
      {"KRV1000", kOld, 524288, 1e3, 1.0, 0, 0, "text 343", nullptr},
      {"KRV1000", kOld, 16384, 6e6, 1.0, 0, 0, "text 324", nullptr},
      {"KRV1000", kOld, 16384, 1e3, 12.0, 0, 0,
       "On CH1 the peak value must lie between 0.002 and 10 V.", nullptr},
      {"KRV1000", kOld, 16384, 1e3, 5.0, 1, 0,
       "On CH2 the peak value must lie between 0.002 and 3 V.", nullptr},
      {"KRV1000X", kOld, 16384, 1e3, 12.0, 1, 0, "wave", "wave"},
      {"KRV1000X", kOld, 16384, 1e3, 12.0, 0, 0,
       "On CH1 the peak value must lie between 0.002 and 10 V.", nullptr},
      {"KRV800", kOld, 16384, 6e6, 1.0, 0, 0, "text 345", nullptr},
      {"KRV800", kOld, 16384, 5e6, 1.0, 0, 9, "M59", "59"},
      {"KRV5000", kOld, 524288, 1e3, 1.0, 0, 3, "M4", "4"},
      {"KRV5000", kOld, 524288, 1e3, 1.0, 0, 0,
       "A waveform of more than 16384 points can be stored only in ARB4.", nullptr},
      {"KRV5000", kNew, 16384, 1e3, 1.0, 0, 0, "M36", "36"},
      {"KRV5000", kNew, 524288, 1e3, 1.0, 0, 1,
       "A waveform of more than 16384 points can be stored only in ARB25~ARB32.", nullptr},
      {"KRV5000", kOld, 16384, 35e6, 1.0, 0, 0, "M1", "1"},
      {"KRV5000", kOld, 16384, 41e6, 1.0, 0, 0,
       "This 160 MHz generator takes frequencies up to 40 MHz.", nullptr},
      {"KRV5000", kOld, 16384, 1e3, 12.0, 1, 0, "text 337", nullptr},
      {"KRP2", kOld, 16384, 25e6, 1.0, 0, 3, "M9", "9"},
      {"KRP2", kOld, 16384, 30e6, 1.0, 0, 0, "text 346", nullptr},
      {"KRP2", kOld, 16384, 1e3, 4.0, 0, 0, "text 347", nullptr},
      {"KRP1000X", kOld, 16384, 1e3, 0.5, 0, 1, "M7", "7"},
      {"KRP1000X-E", kOld, 16384, 1e3, 1.0, 0, 0, "wave", "wave"},
      {"KRP1000X-E", kOld, 524288, 1e3, 1.0, 0, 0, "text 352", nullptr},
      {"KRV2000", kOld, 1000, 1e3, 1.0, 0, 0, "wave", "wave"},
      {"KRV6000X", kOld, 3, 1e3, 1.0, 0, 0, "wave", "wave"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.model) + " " + row.version + " " + std::to_string(row.count) +
                 " points " + std::to_string(row.hertz) + " Hz " + std::to_string(row.peak) +
                 " V CH" + std::to_string(row.channel + 1) + " slot " + std::to_string(row.slot));
    ResetLinkState();
    g_WaveArray.RemoveAll();
    Boxes().clear();
    usbtmc = std::make_shared<sim::FakeUsbtmcSystem>();
    visa::SetUsbtmcSystem(usbtmc);
    sim::GeneratorIdentity identity;
    identity.version = row.version;
    auto gen = AttachUsbtmc(Generator(row.model, identity));
    g_WaveArray.Add(PatternWave("wave", row.count, row.hertz, row.peak));
    const bool stored = row.commit != nullptr;
    RunConnection(1, 0, SendWith(row.channel, row.slot, !stored));

    if (!stored) {
      EXPECT_EQ(Boxes(), std::vector<std::string>{row.expect});
      EXPECT_EQ(gen->LastCommit(), "");
      EXPECT_EQ(g_WaveArray[0].vpp, 0.0);  // the amplitude stays out of a refused record
      continue;
    }
    EXPECT_EQ(Boxes(), std::vector<std::string>{});
    const auto slot = gen->Slot(row.expect);
    ASSERT_TRUE(slot);
    const bool sixteen = gen->Family().codeBits == 16;
    EXPECT_EQ(slot->data, PatternCodes(row.count, sixteen));
    EXPECT_EQ(slot->name, "wave");
    EXPECT_EQ(slot->amplitude, ExpForm(2 * row.peak));
    EXPECT_EQ(gen->LastCommit(), row.commit);
    EXPECT_EQ(g_OutputChannel, row.channel);
    EXPECT_DOUBLE_EQ(g_WaveArray[0].vpp, 2 * row.peak);
  }
}

// A waveform whose samples are all equal (a new waveform, a DC level) goes
// out at the DC amplitude, 4 mVpp, with its level as the offset: every code
// is the middle code 0 and the header carries the level. The record keeps
// its own offset; an edited new waveform is judged by its samples.
TEST_F(SendDialog, ADcLevelIsSentWithItsLevelInTheHeader) {
  struct Row {
    const char* model;
    float level;
    int vppunit;  // the samples are in this unit, the offset too
    const char* slot;
    const char* header;
  };
  const Row rows[] = {
      {"KRV1000", 0.0f, 0, "M50",
       "C1:WVDT M50,WVNM,dc,TYPE,5,LENGTH,32KB,FREQ,1000.000000000,AMPL,0.004000000,"
       "OFST,0.000000000,PHASE,0.000000000,WAVEDATA,"},
      {"KRV5000", 1.5f, 0, "M1",
       "C1:WVDT M1,WVNM,dc,TYPE,5,LENGTH,32KB,FREQ,1000.000000000,AMPL,0.004000000,"
       "OFST,1.500000000,PHASE,0.000000000,WAVEDATA,"},
      {"KRP2", -250.0f, 1, "M6",
       "C1:WVDT M6,WVNM,dc,TYPE,5,LENGTH,32KB,FREQ,1000.000000000,AMPL,0.004000000,"
       "OFST,-0.250000000,PHASE,0.000000000,WAVEDATA,"},
      {"KRV2000", 0.0f, 0, "dc",
       "C1:WVDT WVNM,dc,TYPE,5,LENGTH,32KB,FREQ,1000.000000000,AMPL,0.004000000,"
       "OFST,0.000000000,PHASE,0.000000000,WAVEDATA,"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.model) + " " + std::to_string(row.level));
    ResetLinkState();
    g_WaveArray.RemoveAll();
    Boxes().clear();
    usbtmc = std::make_shared<sim::FakeUsbtmcSystem>();
    visa::SetUsbtmcSystem(usbtmc);
    auto gen = AttachUsbtmc(Generator(row.model));
    CWaveData wave = PatternWave("dc", 16384, 1e3, 0.0);
    wave.shape = 8;  // as the new-waveform dialog makes it
    wave.vppunit = wave.offsetunit = row.vppunit;
    std::fill(wave.thedata.GetData(), wave.thedata.GetData() + 16384, row.level);
    g_WaveArray.Add(std::move(wave));
    RunConnection(1, 0, SendWith(0, 0, false));

    EXPECT_EQ(Boxes(), std::vector<std::string>{});
    const auto log = gen->Log();
    EXPECT_NE(std::find(log.begin(), log.end(), std::string(row.header) + " <32768 bytes>"),
              log.end());
    const auto stored = gen->Slot(row.slot);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->data, sim::Bytes(32768, 0));
    EXPECT_EQ(g_WaveArray[0].offset, 0.0);
    EXPECT_EQ(g_WaveArray[0].vpp, row.vppunit == 1 ? 4.0 : 0.004);
  }

  // Drawn into after it was made: its samples, not its shape, decide.
  g_WaveArray.RemoveAll();
  g_WaveArray.Add(PatternWave("edited", 16384, 1e3, 1.0));
  g_WaveArray[0].shape = 8;
  usbtmc = std::make_shared<sim::FakeUsbtmcSystem>();
  visa::SetUsbtmcSystem(usbtmc);
  auto gen = AttachUsbtmc(Generator("KRV2000"));
  RunConnection(1, 0, SendWith(0, 0, false));
  ASSERT_TRUE(gen->Slot("edited"));
  EXPECT_EQ(gen->Slot("edited")->data, PatternCodes(16384, true));
  EXPECT_EQ(gen->Slot("edited")->amplitude, ExpForm(2.0));
}

// The same dialog over the network (VXI-11, a real RPC peer) and over raw
// USB, where the device of the chosen row is selected before anything is
// asked of it.
TEST_F(SendDialog, SendsOverTheNetworkAndOverRawUsb) {
  auto network = Generator("KRV1000X");
  ServeOverVxi11(network);
  g_WaveArray.Add(PatternWave("net", 16384, 1e3, 1.0));
  RunConnectionTo("127.0.0.1", 1, 0, SendWith(0, 0, false));
  ASSERT_TRUE(network->Slot("net"));
  EXPECT_EQ(network->Slot("net")->data, PatternCodes(16384, true));
  EXPECT_EQ(network->LastCommit(), "net");

  sim::GeneratorIdentity a, b;
  a.serial = "A0001";
  b.serial = "B0002";
  auto first = Generator("KRV1000", a), second = Generator("KRV1000", b);
  usbDriver->Attach(first);
  usbDriver->Attach(second);
  g_WaveArray[0].wavename = "usb";
  RunConnection(1, 0, [&](HWND d) {
    // The scan left the last device current; the list of the first was read.
    EXPECT_EQ(Entries(Item(d, IDC_DEVICES)),
              (std::vector<std::string>{"KRV1000.A0001.0", "KRV1000.B0002.1"}));
    const auto log = first->Log();
    EXPECT_NE(std::find(log.begin(), log.end(), "STL? RELEASE"), log.end());
    Choose(Item(d, IDC_SLOTS), 1);
    ui_test::ClickCenter(Item(d, IDC_SEND));
  });
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
  ASSERT_TRUE(first->Slot("M51"));
  EXPECT_EQ(first->Slot("M51")->data, PatternCodes(16384, false));
  EXPECT_EQ(first->LastCommit(), "51");
  EXPECT_EQ(second->LastCommit(), "");
}

// One hide rule at the opening and after a change of device, and a family
// with one output always gets CH1, whatever was chosen before.
TEST_F(SendDialog, SingleChannelFamiliesAlwaysSendOnChannelOne) {
  auto krp2 = AttachUsbtmc(Generator("KRP2"));
  AttachUsbtmc(Generator("KRV1000"));
  g_WaveArray.Add(PatternWave("wave", 16384, 1e3, 1.0));
  RunConnection(1, 0, [&](HWND d) {
    ASSERT_EQ(Entries(Item(d, IDC_DEVICES))[0].rfind("KRP2.", 0), 0u);  // sorted first
    EXPECT_FALSE(IsWindowVisible(Item(d, IDC_CH2)));
    Choose(Item(d, IDC_DEVICES), 1);
    EXPECT_TRUE(IsWindowVisible(Item(d, IDC_CH2)));
    ui_test::ClickCenter(Item(d, IDC_CH2));
    Choose(Item(d, IDC_DEVICES), 0);
    EXPECT_FALSE(IsWindowVisible(Item(d, IDC_CH1)));
    EXPECT_FALSE(IsWindowVisible(Item(d, IDC_CH2)));
    ui_test::ClickCenter(Item(d, IDC_SEND));
  });
  EXPECT_EQ(g_OutputChannel, 0);
  const auto log = krp2->Log();
  EXPECT_TRUE(std::any_of(log.begin(), log.end(),
                          [](const std::string& m) { return m.rfind("C1:WVDT M6,", 0) == 0; }));
}

// A name the instrument stores at another position is a question; names that
// mean a free slot are not, and the comparison ignores case.
TEST_F(SendDialog, TheDuplicateQuestionOpensTheTableViewOnOk) {
  auto gen = AttachUsbtmc(Generator("KRV1000"));
  gen->Store("M51", {"RAMP"});
  gen->Store("M52", {"NULL"});
  g_WaveArray.Add(PatternWave("ramp", 16384, 1e3, 1.0));
  int opened = 0;
  SetTableViewOpener([&] {
    ++opened;
    g_WaveArray[0].wavename = "ramp2";  // renamed in the table view
  });
  fake.ExpectBox(IDOK, "text 311");
  RunConnection(1, 0, [&](HWND d) {
    ui_test::ClickCenter(Item(d, IDC_SEND));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(Entries(Item(d, IDC_WAVES)), std::vector<std::string>{"ramp2"});
    EXPECT_FALSE(DialogHasEnded(d));
    ui_test::ClickCenter(Item(d, IDC_SEND));  // the new name is sent
  });
  EXPECT_EQ(fake.Boxes().back().type & 0xF, static_cast<UINT>(MB_OKCANCEL));
  EXPECT_EQ(gen->Slot("M50")->name, "ramp2");

  // Cancel: nothing opens, nothing is sent; "null" and "empty" are free slots.
  g_WaveArray[0].wavename = "RaMp";
  fake.ExpectBox(IDCANCEL, "text 311");
  RunConnection(1, 0, [&](HWND d) {
    Choose(Item(d, IDC_SLOTS), 2);
    ui_test::ClickCenter(Item(d, IDC_SEND));
    EXPECT_FALSE(DialogHasEnded(d));
    RenameListed(d, "null");
    ui_test::ClickCenter(Item(d, IDC_SEND));
  });
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(gen->Slot("M52")->name, "null");
  // The same name at the chosen position is no duplicate either.
  g_WaveArray[0].wavename = "ramp";
  Boxes().clear();
  RunConnection(1, 0, SendWith(0, 1, false));
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
}

// Refusals before any instrument traffic and a missing slot.
TEST_F(SendDialog, RefusesWhatCannotBeSentAndStaysOpen) {
  auto gen = AttachUsbtmc(Generator("KRV1000"));
  RunConnection(1, 0, SendWith(0, 0, true));
  EXPECT_EQ(Boxes(), std::vector<std::string>{"text 616"});  // no waveform open

  g_WaveArray.Add(PatternWave("正弦", 16384, 1e3, 1.0));
  Boxes().clear();
  RunConnection(1, 0, [&](HWND d) {
    gen->ClearLog();
    ui_test::ClickCenter(Item(d, IDC_SEND));
    EXPECT_TRUE(gen->Log().empty());  // refused before anything was asked
    RenameListed(d, "wave");
    SendMessage(Item(d, IDC_SLOTS), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ui_test::ClickCenter(Item(d, IDC_SEND));
    EXPECT_FALSE(DialogHasEnded(d));
    ui_test::ClickCenter(Item(d, IDC_CANCEL_BUTTON));
  });
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"text 348", "text 615"}));
}

// A slot remembered from a model with more slots is none of this one's: no
// slot is shown, and a quick send asks for one instead of overwriting the
// last slot; a change of device offers ARB1.
TEST_F(SendDialog, ASlotBeyondTheModelsListIsNotChosenForTheUser) {
  auto gen = AttachUsbtmc(Generator("KRV1000"));
  AttachUsbtmc(Generator("KRV800"));
  g_WaveArray.Add(PatternWave("wave", 16384, 1e3, 1.0));
  g_SelectedSlot = 29;  // ARB30, chosen on a 32-slot model
  RunConnection(1, 0, [&](HWND d) {
    ASSERT_EQ(Entries(Item(d, IDC_DEVICES))[0].rfind("KRV1000.", 0), 0u);
    EXPECT_EQ(Entries(Item(d, IDC_SLOTS)).size(), 10u);
    EXPECT_EQ(TextOf(Item(d, IDC_SLOTS)), "");
    ui_test::ClickCenter(Item(d, IDC_SEND));
    EXPECT_FALSE(DialogHasEnded(d));
    Choose(Item(d, IDC_DEVICES), 1);
    Choose(Item(d, IDC_DEVICES), 0);
    EXPECT_EQ(TextOf(Item(d, IDC_SLOTS)), "ARB1");
    Choose(Item(d, IDC_SLOTS), 2);
    ui_test::ClickCenter(Item(d, IDC_SEND));
  });
  EXPECT_EQ(Boxes(), std::vector<std::string>{"text 615"});
  EXPECT_EQ(gen->Slot("M59")->name, "EMPTY");
  EXPECT_EQ(gen->Slot("M52")->name, "wave");
  EXPECT_EQ(gen->LastCommit(), "52");
}

// A KRV5000 whose bandwidth could not be read keeps to the lowest limit.
TEST_F(SendDialog, AnUnknownBandwidthAppliesTheLowestLimit) {
  UseRealTexts();
  auto gen = AttachUsbtmc(Generator("KRV5000"));
  g_WaveArray.Add(PatternWave("wave", 16384, 25e6, 1.0));
  RunConnection(1, 0, [&](HWND d) {
    sim::SimFaults silent;
    silent.noReply = true;
    gen->SetFaults(silent);
    ui_test::ClickCenter(Item(d, IDC_SEND));
    EXPECT_FALSE(DialogHasEnded(d));
    gen->SetFaults({});
    g_WaveArray[0].freq = 19e6;
    ui_test::ClickCenter(Item(d, IDC_SEND));
  });
  EXPECT_EQ(Boxes(), std::vector<std::string>{
                         "The generator did not report its bandwidth; it takes frequencies up to "
                         "20 MHz."});
  EXPECT_EQ(gen->LastCommit(), "1");
}

// A write that fails is reported by the link; the dialog stays open with the
// record as it was, and the search's sessions stay for another try.
TEST_F(SendDialog, AFailedWriteIsReportedAndNothingIsLost) {
  auto network = Generator("KRV1000");
  ServeOverVxi11(network);
  g_WaveArray.Add(PatternWave("wave", 16384, 1e3, 1.0));
  RunConnectionTo("127.0.0.1", 1, 0, [&](HWND d) {
    sim::SimFaults drop;
    drop.dropConnection = true;
    network->SetFaults(drop);
    ui_test::ClickCenter(Item(d, IDC_SEND));
    EXPECT_FALSE(DialogHasEnded(d));
    ui_test::ClickCenter(Item(d, IDC_CANCEL_BUTTON));
  });
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0], "text 604");
  EXPECT_EQ(g_WaveArray[0].vpp, 0.0);
  EXPECT_EQ(network->LastCommit(), "");

  network->SetFaults({});
  auto usb = Generator("KRV1000");
  usbDriver->Attach(usb);
  sim::SimFaults partial;
  partial.partialUsbWrite = true;
  Boxes().clear();
  RunConnection(1, 0, [&](HWND d) {
    usb->SetFaults(partial);
    ui_test::ClickCenter(Item(d, IDC_SEND));
    EXPECT_FALSE(DialogHasEnded(d));
    ui_test::ClickCenter(Item(d, IDC_CANCEL_BUTTON));
  });
  EXPECT_EQ(Boxes(), std::vector<std::string>{"text 605"});
  EXPECT_EQ(usb->LastCommit(), "");
}

// The sessions the search opened are closed when the dialog ends, by a send
// or by Cancel; Esc does not end it.
TEST_F(SendDialog, EndingClosesTheSearchSessions) {
  AttachUsbtmc(Generator("KRV1000"));
  AttachUsbtmc(Generator("KRV800"));
  g_WaveArray.Add(PatternWave("wave", 16384, 1e3, 1.0));
  for (bool send : {false, true}) {
    RunConnection(1, 0, [&](HWND d) {
      ui_test::PressKey(Item(d, IDC_WAVES), Qt::Key_Escape);
      EXPECT_FALSE(DialogHasEnded(d));
      ui_test::ClickCenter(Item(d, send ? IDC_SEND : IDC_CANCEL_BUTTON));
    });
    for (int row = 0; row < 2; ++row) {
      const auto session = static_cast<ViObject>(std::stoi(g_VisaGenerators[row].handle.str()));
      EXPECT_EQ(viClose(session), VI_ERROR_INV_OBJECT) << send << row;
    }
  }
}

// Choosing another waveform brings its window to the top and takes its count.
TEST_F(SendDialog, ChoosingAWaveformActivatesItsWindow) {
  AttachUsbtmc(Generator("KRV1000"));
  g_WaveArray.Add(PatternWave("first", 16384, 1e3, 1.0));
  OpenWindow();
  g_WaveArray.Add(PatternWave("second", 1000, 1e3, 1.0));
  OpenWindow();
  RunConnection(1, 0, [&](HWND d) {
    EXPECT_EQ(SendMessage(Item(d, IDC_WAVES), CB_GETCURSEL, 0, 0), 1);  // the active one
    Choose(Item(d, IDC_WAVES), 0);
    EXPECT_EQ(main->MDIGetActive()->GetWindowTextString(), "first");
    EXPECT_EQ(g_nPointCount, 16384);
    ui_test::ClickCenter(Item(d, IDC_CANCEL_BUTTON));
  });
  EXPECT_EQ(FrameLog()[0], (Received{WM_WAVE_ACTIVATE, 0}));
}

}  // namespace
}  // namespace dialogtest::send
