// The oscilloscope import end to end: the connection dialog hands the address
// on, the import dialog searches, captures the checked channel of the
// simulated scope and makes it a new waveform with its own window; every
// failure says why and creates nothing.
#include "DialogFixture.h"

#include "instrument/dialogs/InportFromScopeDlg.h"
#include "platform/usb/RawUsbDriver.h"
#include "platform/window/Dialogs.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

#include <cstring>

namespace dialogtest::import {
namespace {

using enum CInportFromSCOPE::Control;

// What a network capture's code means: a signed byte, 25 codes a division;
// the scale and offset are single-precision numbers as the queries give them.
float Volts(std::uint8_t code, float vdiv, float offset) {
  return static_cast<float>(static_cast<std::int8_t>(code) * static_cast<double>(vdiv) / 25 -
                            static_cast<double>(offset));
}

// Rewrites the capture reply of an inner scope: the bytes from `at` on
// replaced by `with` (a damaged block header).
class DamagedBlock final : public sim::SimInstrument {
 public:
  DamagedBlock(std::size_t at, std::string with) : at_(at), with_(std::move(with)) {}
  std::shared_ptr<sim::SimScope> inner = std::make_shared<sim::SimScope>();

 protected:
  void Handle(const std::string& text, std::span<const std::uint8_t> raw) override {
    inner->Receive(raw);
    while (auto reply = inner->TakeReply()) {
      sim::Bytes bytes = reply->Flatten();
      if (text.find(":WF?") != std::string::npos)
        std::memcpy(bytes.data() + at_, with_.data(), with_.size());
      Reply(std::move(bytes));
    }
  }

 private:
  std::size_t at_;
  std::string with_;
};

class ImportDialog : public DialogFixture {
 protected:
  std::shared_ptr<sim::SimScope> Scope(sim::ScopeSetup setup) {
    return std::make_shared<sim::SimScope>(std::move(setup));
  }
  void AttachScope(std::shared_ptr<sim::SimInstrument> scope) {
    usbtmc->Attach(std::move(scope), 0x1234, 0x0200, "SC" + std::to_string(++serials));
  }
  // Imports `channel` (0 to 3) at the length entry (0 16K, 1 512K).
  static std::function<void(HWND)> ImportChannel(int channel, int length = 0) {
    return [=](HWND d) {
      const int boxes[] = {IDC_CH1, IDC_CH2, IDC_CH3, IDC_CH4};
      ui_test::ClickCenter(Item(d, boxes[channel]));
      Choose(Item(d, IDC_LENGTH), length);
      ui_test::ClickCenter(Item(d, IDC_IMPORT));
      EXPECT_TRUE(DialogHasEnded(d));  // an import ends the dialog, whatever happened
    };
  }
  static std::vector<float> Samples(int index) {
    const CWaveData& wave = g_WaveArray[index];
    return {wave.thedata.GetData(), wave.thedata.GetData() + wave.thedata.GetSize()};
  }
  // Lists a raw-USB scope (device 0) beside the network ones, as the raw-USB
  // scan of a generator search does, and chooses it.
  static void AddRawRow(HWND d) {
    g_ScopeTable[1] = {"KDS1104X", "0", "USBRAW", "4"};
    SendMessage(GetDlgItem(d, IDC_SCOPES), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("KDS1104X"));
    Choose(GetDlgItem(d, IDC_SCOPES), 0);  // sorted before the "USB0::..." resource
  }
  static std::vector<std::string> WaveformSetups(const sim::SimInstrument& scope) {
    std::vector<std::string> out;
    for (const std::string& m : scope.Log())
      if (m.rfind("WFSU", 0) == 0) out.push_back(m);
    return out;
  }
};

// A capture of exactly 16K samples is taken as it is, volt for volt; a KRP1
// model that is not an X model has 18 divisions.
TEST_F(ImportDialog, ImportsAChannelAt16KOverTheNetwork) {
  sim::ScopeSetup setup;
  setup.sampleCount = "16384";
  setup.channel[1] = {"5.00E-01V", "-1.00E-01V"};
  setup.privateIdentity = "KALVO KRP1204";
  auto scope = Scope(setup);
  ServeOverVxi11(scope);
  RunConnectionTo("127.0.0.1", 0, 1, ImportChannel(1));
  EXPECT_EQ(g_ScopeIpAddress, "127.0.0.1");
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
  ASSERT_EQ(g_WaveArray.GetSize(), 1);
  const CWaveData& wave = g_WaveArray[0];
  EXPECT_EQ(wave.wavename, "Wavename1");
  EXPECT_EQ(wave.samplecount, 16384);
  EXPECT_EQ(g_nPointCount, 16384);
  const auto codes = scope->CaptureCodes(2);
  const auto samples = Samples(0);
  ASSERT_EQ(samples.size(), 16384u);
  for (std::size_t i = 0; i < samples.size(); ++i)
    ASSERT_FLOAT_EQ(samples[i], Volts(codes[i], 0.5f, -0.1f)) << i;
  EXPECT_NEAR(wave.freq, 1 / 0.018, 1e-4);  // 18 divisions of 1 ms
  EXPECT_EQ(wave.frequnit, 2);
  EXPECT_NEAR(wave.period, 18, 1e-4);
  const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
  EXPECT_FLOAT_EQ(static_cast<float>(wave.span), *high - *low);
  EXPECT_FLOAT_EQ(static_cast<float>(wave.offset), (*high + *low) / 2);
  EXPECT_EQ(WaveformSetups(*scope).back(), "WFSU TYPE,1");
  EXPECT_EQ(main->MDIGetActive()->GetWindowTextString(), "Wavename1");
  EXPECT_EQ(ViewLog(), (std::vector<Received>{{WM_WAVE_REPLOT, 0}}));
  EXPECT_EQ(FrameLog(), (std::vector<Received>{{WM_MENU_UPDATE, 0}}));
  EXPECT_FALSE(g_bEditEnable);
}

// More samples than the length are picked at floor(k x count / N); fewer are
// stretched. A scope that does not answer the private identity queries has
// 14 divisions, and the names count on past those in use.
TEST_F(ImportDialog, PicksAt512KAndStretchesAt16K) {
  sim::ScopeSetup setup;
  setup.sampleCount = "1000000";
  auto scope = Scope(setup);
  AttachScope(scope);
  RunConnection(0, 1, ImportChannel(0, 1));
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
  ASSERT_EQ(g_WaveArray.GetSize(), 1);
  EXPECT_EQ(g_nPointCount, 524288);
  auto codes = scope->CaptureCodes(1);
  auto samples = Samples(0);
  ASSERT_EQ(samples.size(), 524288u);
  for (std::int64_t k = 0; k < 524288; ++k)
    ASSERT_FLOAT_EQ(samples[k], Volts(codes[k * 1000000 / 524288], 0.5, 0)) << k;
  EXPECT_NEAR(g_WaveArray[0].freq, 1 / 0.014, 1e-4);

  g_WaveArray.Add(PatternWave("Wavename2", 10, 1e3, 1.0));
  usbtmc = std::make_shared<sim::FakeUsbtmcSystem>();
  visa::SetUsbtmcSystem(usbtmc);
  setup.sampleCount = "14000";
  scope = Scope(setup);
  AttachScope(scope);
  RunConnection(0, 1, ImportChannel(3));
  ASSERT_EQ(g_WaveArray.GetSize(), 3);
  EXPECT_EQ(g_WaveArray[2].wavename, "Wavename3");
  codes = scope->CaptureCodes(4);
  samples = Samples(2);
  ASSERT_EQ(samples.size(), 16384u);
  EXPECT_FLOAT_EQ(samples[0], Volts(codes[0], 0.5, 0));
  const auto [low, high] = std::minmax_element(codes.begin(), codes.end(), [](auto a, auto b) {
    return static_cast<std::int8_t>(a) < static_cast<std::int8_t>(b);
  });
  for (float v : samples) {
    ASSERT_GE(v, Volts(*low, 0.5, 0));
    ASSERT_LE(v, Volts(*high, 0.5, 0));
  }
}

// Each failed capture ends in its message, creates nothing and leaves the
// scope's waveform set-up as it was.
TEST_F(ImportDialog, AFailedCaptureCreatesNothing) {
  struct Row {
    const char* name;
    std::shared_ptr<sim::SimInstrument> scope;
    std::vector<std::string> boxes;
    bool setupTouched;
  };
  auto with = [](const char* tdiv, const char* vdiv, const char* count) {
    sim::ScopeSetup setup;
    setup.tdiv = tdiv;
    setup.channel[0].vdiv = vdiv;
    setup.sampleCount = count;
    return std::make_shared<sim::SimScope>(setup);
  };
  auto shortBlock = std::make_shared<sim::SimScope>();
  sim::SimFaults truncated;
  truncated.truncatedBlock = true;
  shortBlock->SetFaults(truncated);
  const Row rows[] = {
      {"short block", shortBlock, {"text 620"}, true},
      {"length below the descriptor",
       std::make_shared<DamagedBlock>(12, "000000100"),
       {"text 620"},
       true},
      {"no #9", std::make_shared<DamagedBlock>(10, "#8"), {"text 620"}, true},
      {"no time base", with("0.00E+00S", "5.00E-01V", "7000"), {"text 621"}, false},
      {"no volts per division", with("1.00E-03S", "0V", "7000"), {"text 621"}, false},
      {"nothing captured", with("1.00E-03S", "5.00E-01V", "0"), {"text 622"}, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Boxes().clear();
    usbtmc = std::make_shared<sim::FakeUsbtmcSystem>();
    visa::SetUsbtmcSystem(usbtmc);
    AttachScope(row.scope);
    RunConnection(0, 1, ImportChannel(0));
    EXPECT_EQ(Boxes(), row.boxes);
    EXPECT_EQ(g_WaveArray.GetSize(), 0);
    const auto setups = WaveformSetups(*row.scope);
    if (row.setupTouched)
      EXPECT_EQ(setups, (std::vector<std::string>{"WFSU TYPE,0", "WFSU TYPE,1"}));
    else
      EXPECT_EQ(setups, std::vector<std::string>{});
  }
  EXPECT_EQ(FrameLog(), std::vector<Received>{});
}

// A scope that stops answering aborts the capture (message 344); one whose
// connection is lost says so.
TEST_F(ImportDialog, AnUnansweredOrLostScope) {
  for (bool sim::SimFaults::*fault :
       {&sim::SimFaults::noReply, &sim::SimFaults::delayPastTimeout}) {
    auto silent = Scope({});
    AttachScope(silent);
    Boxes().clear();
    RunConnection(0, 1, [&](HWND d) {
      sim::SimFaults f;
      f.*fault = true;
      silent->SetFaults(f);
      ImportChannel(0)(d);
    });
    EXPECT_EQ(Boxes(), std::vector<std::string>{"text 344"});
  }

  auto lost = Scope({});
  ServeOverVxi11(lost);
  Boxes().clear();
  RunConnectionTo("127.0.0.1", 0, 1, [&](HWND d) {
    sim::SimFaults f;
    f.dropConnection = true;
    lost->SetFaults(f);
    ImportChannel(0)(d);
  });
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"send cmd failed", "text 619"}));
  EXPECT_EQ(g_WaveArray.GetSize(), 0);
}

// CH3 and CH4 follow the scope's channel count; a checked box of a channel
// the scope does not have is refused before anything is asked.
TEST_F(ImportDialog, ADisabledChannelIsNeverImported) {
  sim::ScopeSetup setup;
  setup.channels = 2;
  auto scope = Scope(setup);
  AttachScope(scope);
  RunConnection(0, 1, [&](HWND d) {
    EXPECT_TRUE(IsDlgButtonChecked(d, IDC_CH1));
    EXPECT_FALSE(IsWindowEnabled(Item(d, IDC_CH3)));
    EXPECT_FALSE(IsWindowEnabled(Item(d, IDC_CH4)));
    EXPECT_EQ(Entries(Item(d, IDC_LENGTH)), (std::vector<std::string>{"16K", "512K"}));
    CheckDlgButton(d, IDC_CH1, BST_UNCHECKED);
    CheckDlgButton(d, IDC_CH3, BST_CHECKED);  // checked while another scope was chosen
    scope->ClearLog();
    ui_test::ClickCenter(Item(d, IDC_IMPORT));
    EXPECT_FALSE(DialogHasEnded(d));
    EXPECT_TRUE(scope->Log().empty());
    ui_test::ClickCenter(Item(d, IDC_CH2));  // one box checked at a time
    EXPECT_FALSE(IsDlgButtonChecked(d, IDC_CH3));
    ui_test::ClickCenter(Item(d, IDC_IMPORT));
  });
  EXPECT_EQ(Boxes(), std::vector<std::string>{"text 623"});
  ASSERT_EQ(g_WaveArray.GetSize(), 1);
}

// No oscilloscope, or raw-USB devices only: the search says so and the
// dialog ends before it is used.
TEST_F(ImportDialog, TheSearchSaysWhatItDidNotFind) {
  RunConnection(0, 1, nullptr);
  usbDriver->Attach(Scope({}));
  RunConnection(0, 1, nullptr);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"text 321", "text 322"}));
}

// A raw-USB scope's capture: its device is loaded for the import and released
// however the dialog ends.
TEST_F(ImportDialog, ARawUsbImportReleasesItsDevice) {
  AttachScope(Scope({}));
  auto raw = Scope({});
  usbDriver->Attach(raw);
  RunConnection(0, 1, [&](HWND d) {
    AddRawRow(d);
    ImportChannel(0)(d);
  });
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
  ASSERT_EQ(g_WaveArray.GetSize(), 1);
  EXPECT_EQ(g_WaveArray[0].samplecount, 16384);
  EXPECT_FLOAT_EQ(Samples(0)[0], 0.0f);  // the sine starts at the screen's centre
  const auto log = raw->Log();
  EXPECT_EQ(log.front(), "DBST");
  EXPECT_NE(std::find(log.begin(), log.end(), "C1:TRA ON"), log.end());
  EXPECT_EQ(WaveformSetups(*raw).back(), "WFSU TYPE,1");
  EXPECT_EQ(usbDriver->Current(), -1);
  EXPECT_EQ(g_UsbDeviceHandle, -1);

  struct Way {
    const char* name;
    std::function<void(HWND)> end;
  };
  const Way ways[] = {
      {"cancel button", [](HWND d) { ui_test::ClickCenter(GetDlgItem(d, IDC_UNLOAD)); }},
      {"close box", [](HWND d) { SendMessage(d, WM_CLOSE, 0, 0); }},
      {"Esc", [](HWND d) { ui_test::PressKey(GetDlgItem(d, IDC_SCOPES), Qt::Key_Escape); }},
      {"Enter", [](HWND d) { ui_test::PressKey(GetDlgItem(d, IDC_SCOPES), Qt::Key_Return); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    RunConnection(0, 1, [&](HWND d) {
      g_UsbDeviceHandle = 0;  // loaded by an import
      usbDriver->Select(0);
      way.end(d);
      EXPECT_TRUE(DialogHasEnded(d));
    });
    EXPECT_EQ(usbDriver->Current(), -1);
    EXPECT_EQ(g_WaveArray.GetSize(), 1);  // nothing imported on the way out
  }
}

// A raw-USB capture's code is an unsigned byte, 25 codes a division about
// code 132: v = (c - 132) x V / 25 - O, worked out by hand for each row.
TEST_F(ImportDialog, RawUsbCodesAreUnsignedAboutCode132) {
  struct Row {
    std::uint8_t code;
    const char* vdiv;
    const char* offset;
    float volts;
  };
  const Row rows[] = {
      {0, "5.00E-01V", "0.00E+00V", -2.64f},   {25, "5.00E-01V", "0.00E+00V", -2.14f},
      {132, "5.00E-01V", "0.00E+00V", 0.0f},   {157, "5.00E-01V", "0.00E+00V", 0.5f},
      {255, "5.00E-01V", "0.00E+00V", 2.46f},  {0, "2.00E+00V", "1.50E+00V", -12.06f},
      {25, "2.00E+00V", "1.50E+00V", -10.06f}, {132, "2.00E+00V", "1.50E+00V", -1.5f},
      {157, "2.00E+00V", "1.50E+00V", 0.5f},   {255, "2.00E+00V", "1.50E+00V", 8.34f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.code) + " at " + row.vdiv + " offset " + row.offset);
    g_WaveArray.RemoveAll();
    usbtmc = std::make_shared<sim::FakeUsbtmcSystem>();
    visa::SetUsbtmcSystem(usbtmc);
    usbDriver = std::make_shared<sim::FakeRawUsbDriver>();
    rawusb::SetRawUsbDriver(usbDriver);
    AttachScope(Scope({}));
    sim::ScopeSetup setup;
    setup.capture = {row.code};
    setup.channel[0] = {row.vdiv, row.offset};
    usbDriver->Attach(Scope(setup));
    RunConnection(0, 1, [&](HWND d) {
      AddRawRow(d);
      ImportChannel(0)(d);
    });
    ASSERT_EQ(g_WaveArray.GetSize(), 1);
    const auto samples = Samples(0);
    ASSERT_EQ(samples.size(), 16384u);
    for (std::size_t i = 0; i < samples.size(); ++i) ASSERT_FLOAT_EQ(samples[i], row.volts) << i;
  }
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
}

// The resampling steps on their own: exact picks and the interpolated
// sequence's values and length.
TEST(ImportSamples, PickingAndStretching) {
  const float source[] = {0, 4, 8, 12, 16, 20, 24};
  float picked[3];
  CInportFromSCOPE::PickSamples(source, 7, picked, 3);  // indices 0, 2, 4
  EXPECT_EQ(std::vector<float>(picked, picked + 3), (std::vector<float>{0, 8, 16}));

  // Three samples to eight: m = trunc(8 / 3 + 0.95) = 3 values between each
  // pair, 1 + 2 x 3 = 7, padded with the last to 8.
  const float three[] = {0, 4, -4};
  float stretched[17];
  EXPECT_EQ(CInportFromSCOPE::InterpolateSamples(three, 3, stretched, 8), 8);
  EXPECT_EQ(std::vector<float>(stretched, stretched + 8),
            (std::vector<float>{0, 1, 2, 3, 2, 0, -2, -2}));
  static float out[16384];
  static float capture[300];
  EXPECT_EQ(CInportFromSCOPE::InterpolateSamples(capture, 300, g_ScopeStretched.data(), 16384),
            16446);
  CInportFromSCOPE::StretchSamples(three, 3, out, 8);
  EXPECT_EQ(std::vector<float>(out, out + 8), (std::vector<float>{0, 1, 2, 3, 2, 0, -2, -2}));
}

TEST(ImportSamples, CodesAreTwosComplementAndDivisionsFollowTheModel) {
  const BYTE codes[] = {0, 25, 231, 124, 127, 128, 255};
  float max = 0, min = 0;
  ASSERT_EQ(CInportFromSCOPE::ConvertCodesVisa(codes, 7, 2.0f, 0.5f, max, min), 7);
  const float volts[] = {-0.5f, 1.5f, -2.5f, 9.42f, 9.66f, -10.74f, -0.58f};
  for (int i = 0; i < 7; ++i) EXPECT_FLOAT_EQ(g_ScopeSamples[i], volts[i]) << int(codes[i]);
  EXPECT_FLOAT_EQ(max, 9.66f);
  EXPECT_FLOAT_EQ(min, -10.74f);

  struct Row {
    const char* first;
    const char* second;
    int divisions;
  };
  const Row rows[] = {{"KALVO KRP1204", "", 18},    {"", "MODEL KRP1102", 18},
                      {"KALVO KRP1000X", "", 14},   {"KRP1204 at the start", "", 14},
                      {"KDS1104X", "KDS1104X", 14}, {"", "", 14}};
  for (const Row& row : rows)
    EXPECT_EQ(CInportFromSCOPE::Divisions(row.first, row.second), row.divisions) << row.first;
}

}  // namespace
}  // namespace dialogtest::import
