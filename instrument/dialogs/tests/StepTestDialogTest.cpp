// The step-by-step protocol test over raw USB: its buttons in order, from
// the list request to the data read-back of the waveform it wrote.
#include "DialogFixture.h"

#include "instrument/dialogs/StepTestDlg.h"
#include "platform/window/Dialogs.h"
#include "waveform/WaveCollections.h"

namespace dialogtest::step {
namespace {

using enum CTest_Read_Send_ByStep::Control;

class StepTestDialog : public DialogFixture {
 protected:
  void Run(std::function<void(HWND)> script) {
    dialogs.Expect(std::move(script));
    CTest_Read_Send_ByStep dialog(nullptr);
    dialog.DoModal();
  }
  static int IndexOf(HWND combo, const std::string& text) {
    const auto entries = Entries(combo);
    return static_cast<int>(std::find(entries.begin(), entries.end(), text) - entries.begin());
  }
};

TEST_F(StepTestDialog, TheButtonsInOrderWriteAndReadAWaveformBack) {
  auto gen = Generator("KRV1000");
  usbDriver->Attach(std::make_shared<sim::SimScope>());  // device 0: not a generator
  usbDriver->Attach(gen);
  CInstrumentLink scan;
  scan.SearchUsbGenerators();
  ASSERT_EQ(g_UsbGeneratorIndex, 1);
  CWaveData wave = PatternWave("ramp", 16384, 1e3, 1.0);
  wave.vpp = 2;
  g_WaveArray.Add(wave);
  g_StoredWaves[50] = {"X9", "stale"};
  Run([&](HWND d) {
    EXPECT_EQ(Entries(Item(d, IDC_STORE_POSITIONS)).size(), 60u);
    EXPECT_EQ(Entries(Item(d, IDC_READ_POSITIONS))[59], "M59");
    EXPECT_EQ(Entries(Item(d, IDC_WAVES)), std::vector<std::string>{"ramp"});
    usbDriver->Select(0);  // another device current: each request selects the generator
    ui_test::ClickCenter(Item(d, IDC_LIST_REQUEST));
    ui_test::ClickCenter(Item(d, IDC_STORE_LIST_REPLY));
    const auto store = Entries(Item(d, IDC_STORE_POSITIONS));
    ASSERT_EQ(store.size(), 71u);
    EXPECT_EQ(store[60], "M0");  // the whole first position, after the opening's sixty
    EXPECT_EQ(store[70], "M59");
    EXPECT_EQ(g_StoredWaves[50].name, "");  // the list was emptied first
    ui_test::ClickCenter(Item(d, IDC_LIST_REQUEST2));
    ui_test::ClickCenter(Item(d, IDC_READ_LIST_REPLY));
    EXPECT_EQ(Entries(Item(d, IDC_READ_POSITIONS)).size(), 71u);

    Choose(Item(d, IDC_STORE_POSITIONS), 53);
    usbDriver->Select(0);
    ui_test::ClickCenter(Item(d, IDC_WRITE_PARAMS));
    ui_test::ClickCenter(Item(d, IDC_WRITE_WAVE));
    Choose(Item(d, IDC_READ_POSITIONS), IndexOf(Item(d, IDC_READ_POSITIONS), "M53"));
    ui_test::ClickCenter(Item(d, IDC_QUERY_PARAMS));
    ui_test::ClickCenter(Item(d, IDC_READ_PARAMS));
    ui_test::ClickCenter(Item(d, IDC_READ_DATA));
    SendMessage(d, WM_CLOSE, 0, 0);
  });
  ASSERT_EQ(Boxes().size(), 8u);
  EXPECT_EQ(Boxes()[0], "发送获取列表命令STL? DEBUG");
  EXPECT_EQ(Boxes()[1].rfind("接收到的列表返回STL M0, sine, M50, EMPTY", 0), 0u);
  EXPECT_EQ(Boxes()[2], Boxes()[0]);
  EXPECT_EQ(Boxes()[4].rfind("发送参数C1:WVPR POS,M53,WVNM,ramp,FREQ,1000.000000000,AMPL,2.0", 0),
            0u);
  EXPECT_EQ(Boxes()[5], "命令发送成功！");
  EXPECT_EQ(Boxes()[6], "发送获取参数命令C1:WVPR? M53");
  EXPECT_EQ(Boxes()[7].rfind("收到的参数WVPR POS,M53,WVNM,ramp,", 0), 0u);
  ASSERT_TRUE(gen->Slot("M53"));
  EXPECT_EQ(gen->Slot("M53")->data, PatternCodes(16384, false));
  EXPECT_EQ(gen->LastCommit(), "53");
  EXPECT_EQ(g_LastReadWave.name, "M53");
  EXPECT_DOUBLE_EQ(g_LastReadWave.amplitude, 2);
  const float volts[] = {8191.0f / 8192, -1, 0, 4095.0f / 8192, -0.5f};
  ASSERT_EQ(g_LastReadWave.samples.GetSize(), 16384u);
  for (unsigned i = 0; i < 16384; ++i)
    ASSERT_EQ(g_LastReadWave.samples.GetData()[i], volts[i % 5]) << i;
  EXPECT_EQ(g_WaveArray.GetSize(), 1);  // the read steps make no window
}

// Without a raw-USB generator found nothing is sent; a write step that wrote
// nothing says so; a read step without a position does nothing.
TEST_F(StepTestDialog, NothingSentIsNeverReportedAsSent) {
  auto scope = std::make_shared<sim::SimScope>();
  usbDriver->Attach(scope);
  Run([&](HWND d) {
    ui_test::ClickCenter(Item(d, IDC_LIST_REQUEST));
    ui_test::ClickCenter(Item(d, IDC_WRITE_WAVE));
    g_UsbGeneratorIndex = 0;
    ui_test::ClickCenter(Item(d, IDC_WRITE_WAVE));  // no waveform open
    SendMessage(Item(d, IDC_READ_POSITIONS), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ui_test::ClickCenter(Item(d, IDC_QUERY_PARAMS));
    ui_test::PressKey(Item(d, IDC_WAVES), Qt::Key_Escape);
    EXPECT_TRUE(DialogHasEnded(d));
  });
  EXPECT_EQ(Boxes(),
            (std::vector<std::string>{"未找到 USB 信号源，请先连接信号源。",
                                      "未找到 USB 信号源，请先连接信号源。", "命令发送失败！"}));
  EXPECT_TRUE(scope->Log().empty());
}

}  // namespace
}  // namespace dialogtest::step
