// The read dialog end to end: the connection dialog's search, the stored
// lists of the chosen generator, the read into a new waveform, and every
// failure leaving the dialog open with no window made.
#include "DialogFixture.h"

#include "instrument/dialogs/ReadWaveDlg.h"
#include "platform/window/Dialogs.h"
#include "platform/window/RenderPng.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

namespace dialogtest::read {
namespace {

using enum CReadWaveDLG::Control;

class ReadDialog : public DialogFixture {
 protected:
  // A stored waveform of the test pattern's codes at amplitude 2 (half 1)
  // and 500 Hz.
  static sim::StoredWave Pattern(const char* name, bool sixteenBit) {
    return {name, "5.00E02", "2.00E00", "0.00E00", "0.00E00", PatternCodes(16384, sixteenBit)};
  }
  // Chooses the listed waveform and reads it.
  static std::function<void(HWND)> ReadEntry(const char* listed) {
    return [listed](HWND d) {
      const auto entries = Entries(Item(d, IDC_WAVES));
      const auto at = std::find(entries.begin(), entries.end(), listed) - entries.begin();
      ASSERT_LT(static_cast<std::size_t>(at), entries.size()) << listed;
      Choose(Item(d, IDC_WAVES), static_cast<int>(at));
      ui_test::ClickCenter(Item(d, IDC_READ));
    };
  }
  // The samples of the newest waveform.
  static std::vector<float> NewestSamples() {
    const CWaveData& wave = g_WaveArray[g_WaveArray.GetSize() - 1];
    return {wave.thedata.GetData(), wave.thedata.GetData() + wave.thedata.GetSize()};
  }
};

// The pattern's 14-bit codes 0x1FFF, 0x2000, 0, 0x0FFF and 0x3000 are
// 8191/8192, -1, 0, 4095/8192 and -1/2 of half the amplitude.
TEST_F(ReadDialog, ReadsAStoredWaveformIntoANewWindowOverTheNetwork) {
  auto gen = Generator("KRV1000");
  gen->Store("M53", Pattern("pattern", false));
  ServeOverVxi11(gen);
  RunConnectionTo("127.0.0.1", 0, 0, [&](HWND d) {
    // EMPTY slots are not listed; the built-in sine is.
    EXPECT_EQ(Entries(Item(d, IDC_WAVES)), (std::vector<std::string>{"sine", "pattern"}));
    ReadEntry("pattern")(d);
  });
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
  ASSERT_EQ(g_WaveArray.GetSize(), 1);
  const CWaveData& wave = g_WaveArray[0];
  EXPECT_EQ(wave.wavename, "pattern");
  EXPECT_EQ(wave.samplecount, 16384);
  EXPECT_EQ(wave.pointcount, 16384);
  EXPECT_EQ(g_nPointCount, 16384);
  EXPECT_DOUBLE_EQ(wave.freq, 500);
  EXPECT_EQ(wave.frequnit, 2);
  EXPECT_DOUBLE_EQ(wave.period, 2);
  EXPECT_DOUBLE_EQ(wave.span, 2);
  const float volts[] = {8191.0f / 8192, -1, 0, 4095.0f / 8192, -0.5f};
  const auto samples = NewestSamples();
  for (std::size_t i = 0; i < samples.size(); ++i) ASSERT_EQ(samples[i], volts[i % 5]) << i;
  EXPECT_EQ(FrameLog(), (std::vector<Received>{{WM_WAVE_UPDATE, kWaveUpdateOpenAndReplot}}));
  EXPECT_EQ(main->MDIGetActive()->GetWindowTextString(), "pattern");
  EXPECT_TRUE(g_bWaveOpen);
  EXPECT_FALSE(g_bEditEnable);
  EXPECT_FALSE(wave.cursorson);
}

// The dark pixels of a combo box's text field, its frame and drop-down
// button left out: a caret draws at most about 15, the shortest entry here
// ("sine") about 40.
int TextPixels(HWND combo) {
  const QImage image = RenderWindow(combo);
  int dark = 0;
  for (int y = 3; y < image.height() - 3; ++y)
    for (int x = 3; x < image.width() - 30; ++x)
      if (qGray(image.pixel(x, y)) < 128) ++dark;
  return dark;
}
constexpr int kSomeText = 25;

// The dialog opens with its first generator and its first stored waveform
// shown selected, and Read reads what the boxes show.
TEST_F(ReadDialog, OpensWithTheFirstGeneratorAndWaveformShown) {
  AttachUsbtmc(Generator("KRV1000"))->Store("M53", Pattern("pattern", false));
  AttachUsbtmc(Generator("KRV800"));
  RunConnection(0, 0, [&](HWND d) {
    ui_test::Pump();
    const auto devices = Entries(Item(d, IDC_DEVICES));
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(TextOf(Item(d, IDC_DEVICES)), devices[0]);
    EXPECT_EQ(SendMessage(Item(d, IDC_DEVICES), CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(TextOf(Item(d, IDC_WAVES)), "sine");
    EXPECT_EQ(SendMessage(Item(d, IDC_WAVES), CB_GETCURSEL, 0, 0), 0);
    // What the boxes show: their text is drawn inside them.
    EXPECT_GT(TextPixels(Item(d, IDC_DEVICES)), kSomeText);
    EXPECT_GT(TextPixels(Item(d, IDC_WAVES)), kSomeText);
    ui_test::ClickCenter(Item(d, IDC_READ));
  });
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
  ASSERT_EQ(g_WaveArray.GetSize(), 1);
  EXPECT_EQ(g_WaveArray[0].wavename, "sine");
}

// A 16-bit family lists its user waveforms as "user:" and the name; the
// read takes the name, and a window of that name refuses the read.
TEST_F(ReadDialog, UserWaveformsOfTheSixteenBitFamilies) {
  fake.SetText(341, "A waveform named ## is already open.");
  auto gen = AttachUsbtmc(Generator("KRV1000X"));
  gen->Store("abc", Pattern("abc", true));
  gen->Store(" b ", Pattern(" b ", true));
  g_WaveArray.Add(PatternWave("abc", 100, 1e3, 1.0));
  RunConnection(0, 0, [&](HWND d) {
    // The user list "STL, b ,abc": its tokens are trimmed.
    EXPECT_EQ(Entries(Item(d, IDC_WAVES)),
              (std::vector<std::string>{"sine", "user:b", "user:abc"}));
    ReadEntry("user:abc")(d);
    EXPECT_FALSE(DialogHasEnded(d));
    g_WaveArray.RemoveAll();
    ui_test::ClickCenter(Item(d, IDC_READ));
  });
  EXPECT_EQ(Boxes(), std::vector<std::string>{"A waveform named abc is already open."});
  ASSERT_EQ(g_WaveArray.GetSize(), 1);
  EXPECT_EQ(g_WaveArray[0].wavename, "abc");
  // A user read takes the parameters of position M0: amplitude 4, half 2.
  const float volts[] = {2 * 32766.0f / 32768, -2, 0, 2 * 16382.0f / 32768, -1};
  const auto samples = NewestSamples();
  ASSERT_EQ(samples.size(), 16384u);
  for (std::size_t i = 0; i < samples.size(); ++i) ASSERT_EQ(samples[i], volts[i % 5]) << i;
}

// Raw-USB rows come first, and each list request goes to the device of the
// chosen row, selected first (the scan left the last device current); the
// row is the entry's, even where one serial holds another.
TEST_F(ReadDialog, EachListComesFromTheChosenDevice) {
  sim::GeneratorIdentity a, b;
  a.serial = "S1";
  b.serial = "S12";
  auto zero = Generator("KRV1000", a), one = Generator("KRV1000", b);
  zero->Store("M51", Pattern("zero", false));
  one->Store("M52", Pattern("one", false));
  usbDriver->Attach(zero);
  usbDriver->Attach(one);
  AttachUsbtmc(Generator("KRV800"));
  RunConnection(0, 0, [&](HWND d) {
    const auto devices = Entries(Item(d, IDC_DEVICES));
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_EQ(devices[0], "KRV1000.S1.0");
    EXPECT_EQ(devices[1], "KRV1000.S12.1");
    EXPECT_EQ(devices[2].rfind("KRV800.KRG00000001.", 0), 0u);
    EXPECT_EQ(Entries(Item(d, IDC_WAVES)), (std::vector<std::string>{"sine", "zero"}));
    Choose(Item(d, IDC_DEVICES), 1);
    EXPECT_EQ(Entries(Item(d, IDC_WAVES)), (std::vector<std::string>{"sine", "one"}));
    ReadEntry("one")(d);
  });
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
  ASSERT_EQ(g_WaveArray.GetSize(), 1);
  EXPECT_EQ(g_WaveArray[0].wavename, "one");
  EXPECT_EQ(NewestSamples()[1], -1.0f);
}

// Every failed read says why, leaves the dialog open and makes no waveform.
TEST_F(ReadDialog, AFailedReadOpensNoWindow) {
  struct Row {
    bool sim::SimFaults::*fault;
    const char* message;
  };
  const Row rows[] = {{&sim::SimFaults::noReply, "text 609"},
                      {&sim::SimFaults::delayPastTimeout, "text 609"},  // a stalled reply
                      {&sim::SimFaults::truncatedBlock, "text 612"},
                      {&sim::SimFaults::wrongLengthField, "text 612"},
                      {&sim::SimFaults::overlongBlock, "text 612"}};
  auto gen = AttachUsbtmc(Generator("KRV1000"));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.message);
    Boxes().clear();
    RunConnection(0, 0, [&](HWND d) {
      sim::SimFaults faults;
      faults.*row.fault = true;
      gen->SetFaults(faults);
      ReadEntry("sine")(d);
      EXPECT_FALSE(DialogHasEnded(d));
      gen->SetFaults({});
      ui_test::ClickCenter(Item(d, IDC_CANCEL_BUTTON));
    });
    EXPECT_EQ(Boxes(), std::vector<std::string>{row.message});
  }
  // A connection lost on the network.
  auto network = Generator("KRV1000");
  ServeOverVxi11(network);
  Boxes().clear();
  RunConnectionTo("127.0.0.1", 0, 0, [&](HWND d) {
    sim::SimFaults drop;
    drop.dropConnection = true;
    network->SetFaults(drop);
    ReadEntry("sine")(d);
    EXPECT_FALSE(DialogHasEnded(d));
    ui_test::ClickCenter(Item(d, IDC_CANCEL_BUTTON));
  });
  EXPECT_EQ(Boxes(), std::vector<std::string>{"text 608"});
  EXPECT_EQ(g_WaveArray.GetSize(), 0);
  EXPECT_EQ(FrameLog(), std::vector<Received>{});
}

// Without the connected flag the read is refused and the chosen session
// closed; Esc does nothing; Cancel closes the sessions of the search.
TEST_F(ReadDialog, RefusalsAndTheEndOfTheSessions) {
  AttachUsbtmc(Generator("KRV1000"));
  AttachUsbtmc(Generator("KRV800"));
  RunConnection(0, 0, [&](HWND d) {
    g_InstrumentConnected = false;
    ui_test::ClickCenter(Item(d, IDC_READ));
    EXPECT_FALSE(DialogHasEnded(d));
    EXPECT_EQ(viClose(g_VisaInstrument), VI_ERROR_INV_OBJECT);  // closed already
    g_InstrumentConnected = true;
    SendMessage(Item(d, IDC_WAVES), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ui_test::ClickCenter(Item(d, IDC_READ));  // nothing chosen: nothing happens
    ui_test::PressKey(Item(d, IDC_WAVES), Qt::Key_Escape);
    EXPECT_FALSE(DialogHasEnded(d));
    ui_test::ClickCenter(Item(d, IDC_CANCEL_BUTTON));
  });
  EXPECT_EQ(Boxes(), std::vector<std::string>{"text 312"});
  for (int row = 0; row < 2; ++row)
    EXPECT_EQ(viClose(static_cast<ViObject>(std::stoi(g_VisaGenerators[row].handle.str()))),
              VI_ERROR_INV_OBJECT);
  EXPECT_EQ(g_WaveArray.GetSize(), 0);
}

}  // namespace
}  // namespace dialogtest::read
