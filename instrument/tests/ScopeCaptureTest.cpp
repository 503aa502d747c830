// Raw-USB capture and screen dump against the simulated oscilloscope.
#include "LinkFixture.h"

#include <filesystem>

class Capture : public LinkFixture {
 protected:
  void SetUp() override {
    LinkFixture::SetUp();
    usbDriver->Attach(scope);
    link.SelectUsbDevice(0);
  }
  std::shared_ptr<sim::SimScope> scope = std::make_shared<sim::SimScope>();
};

TEST_F(Capture, ThinsTheChannelToAboutThreeHundredCodes) {
  std::vector<BYTE> out(2000, 0xEE);
  std::size_t copied = 0;
  EXPECT_EQ(link.ReadScopeWaveUsb("C1", out.data(), out.size(), &copied), 300);
  EXPECT_EQ(copied, 305u);
  auto codes = scope->CaptureCodes(1, sim::ScopeWire::RawUsb);  // 7000 codes after the 13-byte head
  ASSERT_EQ(codes.size(), 7000u);
  // Step 23: payload bytes 13, 36, ... 7005 -> 305 codes.
  for (int i = 0; i < 305; ++i)
    ASSERT_EQ(out[static_cast<std::size_t>(i)], codes[static_cast<std::size_t>(23 * i)]) << i;
  EXPECT_EQ(out[305], 0xEE);
  std::vector<std::string> log = scope->Log();
  EXPECT_EQ(log[0], "WFCLR SRC,C1");
  EXPECT_NE(std::find(log.begin(), log.end(), "C1:WF?"), log.end());
  // The program-wide capture buffer holds the last reply, zeros after it.
  EXPECT_EQ(g_ScopeAcqBuffer.size(), 33882112u);
  EXPECT_EQ(std::string(g_ScopeAcqBuffer.begin(), g_ScopeAcqBuffer.begin() + 10), "C1:WF DAT2");
  EXPECT_EQ(g_ScopeAcqBuffer[13 + 23], codes[23]);
  EXPECT_EQ(g_ScopeAcqBuffer[13 + 7000], 0);
}

TEST_F(Capture, SmallCountsAndSmallBuffersCannotRunAway) {
  sim::ScopeSetup setup;
  setup.sampleCount = "120";  // a step of 0 would never advance
  scope = std::make_shared<sim::SimScope>(setup);
  usbDriver = std::make_shared<sim::FakeRawUsbDriver>();
  usbDriver->Attach(scope);
  rawusb::SetRawUsbDriver(usbDriver);
  link.SelectUsbDevice(0);
  std::vector<BYTE> out(50, 0);
  EXPECT_EQ(link.ReadScopeWaveUsb("C2", out.data(), out.size()), 300);
  auto codes = scope->CaptureCodes(2, sim::ScopeWire::RawUsb);
  EXPECT_TRUE(std::equal(out.begin(), out.end(), codes.begin()));
}

// A scope whose waveform reply is preceded by replies that are themselves
// frame heads ("USB:..."), as a capture may meet before the data is ready.
class FrameHeadsFirst final : public sim::SimInstrument {
 public:
  explicit FrameHeadsFirst(int heads) : heads_(heads) {}
  std::shared_ptr<sim::SimScope> inner = std::make_shared<sim::SimScope>();

 protected:
  void Handle(const std::string& text, std::span<const std::uint8_t> raw) override {
    if (text.find(":WF?") != std::string::npos)
      for (int i = 0; i < heads_; ++i) Reply(std::string("USB:not yet"));
    inner->Receive(raw);
    while (auto reply = inner->TakeReply()) Reply(std::move(*reply));
  }

 private:
  int heads_;
};

TEST(CaptureRereads, AFrameHeadPayloadIsReadAgainAtMostTenTimes) {
  struct Row {
    int heads;
    bool copied;
  };
  for (Row row : {Row{3, true}, Row{10, false}}) {
    ResetLinkState();
    services::FakeServices fake;  // no pause sleeps
    auto driver = std::make_shared<sim::FakeRawUsbDriver>();
    auto scope = std::make_shared<FrameHeadsFirst>(row.heads);
    driver->Attach(scope);
    rawusb::SetRawUsbDriver(driver);
    CInstrumentLink link;
    link.SelectUsbDevice(0);
    std::vector<BYTE> out(400, 0xEE);
    EXPECT_EQ(link.ReadScopeWaveUsb("C1", out.data(), out.size()), 300);
    auto codes = scope->inner->CaptureCodes(1, sim::ScopeWire::RawUsb);
    if (row.copied) {
      EXPECT_EQ(out[1], codes[23]) << row.heads;
    } else {
      EXPECT_EQ(out[0], 0xEE) << row.heads;
    }
    // Ten reads at most: after ten frame heads the data reply is still queued.
    EXPECT_EQ(scope->HasReply(), !row.copied) << row.heads;
    rawusb::SetRawUsbDriver(nullptr);
  }
}

TEST_F(Capture, BadChecksumIsNotData) {
  sim::SimFaults f;
  f.badChecksum = true;
  scope->SetFaults(f);
  std::vector<BYTE> out(400, 0xEE);
  std::size_t copied = 1;
  link.ReadScopeWaveUsb("C1", out.data(), out.size(), &copied);
  EXPECT_EQ(out[0], 0xEE);
  EXPECT_EQ(copied, 0u);
}

TEST_F(Capture, ScreenDumpWritesTheFullBitmap) {
  auto path =
      std::filesystem::temp_directory_path() / ("pelmoran-dump-" + std::to_string(::getpid()));
  ASSERT_TRUE(link.ScreenDump(path.string().c_str()));
  EXPECT_TRUE(link.screenDumpDone);
  auto file = path.string() + ".bmp";
  EXPECT_EQ(std::filesystem::file_size(file), 424696u);
  EXPECT_EQ(g_ScreenDumpBuffer.size(), 424696u);  // the whole bitmap fits, the last byte too
  EXPECT_EQ(g_ScreenDumpBuffer[0], 'B');
  EXPECT_EQ(g_ScreenDumpBuffer[424695], 0x40);
  std::filesystem::remove(file);
  sim::SimFaults f;
  f.badChecksum = true;
  scope->SetFaults(f);
  EXPECT_FALSE(link.ScreenDump(path.string().c_str()));
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(SmallRoutines, SourceFrequencyHexAndGroups) {
  EXPECT_EQ(CInstrumentLink::BuildSourceFrequencyCommand(" F 10MHz ", "2.5"), "SOUR:FREQ 12.5E6");
  EXPECT_EQ(CInstrumentLink::HexPairToByte("7F"), 127);
  std::vector<BYTE> a(65536, 0), b(65536, 0);
  for (int i = 100; i < 110; ++i) a[i] = b[i] = 50;
  EXPECT_TRUE(CInstrumentLink::IsSingleGroup("1", a.data(), b.data()));
  a[65535] = b[65535] = 9;  // a run at the very end: no read past the array
  EXPECT_FALSE(CInstrumentLink::IsSingleGroup("1", a.data(), b.data()));
}
