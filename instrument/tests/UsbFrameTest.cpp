// The raw-USB frame, the completion judges and the reply reassembly.
#include "LinkFixture.h"

TEST(UsbFrame, BuildsTheWorkedFrames) {
  struct Row {
    const char* command;
    std::vector<int> frame;
  };
  const Row rows[] = {
      {"*OPC?",
       {0x55, 0x53, 0x42, 0x3A, 0x05, 0, 0, 0, 0x8A, 0x02, 0, 0, 0x2A, 0x4F, 0x50, 0x43, 0x3F}},
      {"*IDN?",
       {0x55, 0x53, 0x42, 0x3A, 0x05, 0, 0, 0, 0x92, 0x01, 0, 0, 0x2A, 0x49, 0x44, 0x4E, 0x3F}},
      {"abc", {0x55, 0x53, 0x42, 0x3A, 0x03, 0, 0, 0, 0xB2, 0x01, 0, 0, 0x61, 0x62, 0x63}},
  };
  for (const Row& r : rows) {
    BYTE frame[64] = {};
    CInstrumentLink::BuildUsbCommandFrame(frame, r.command,
                                          static_cast<int>(std::strlen(r.command)));
    EXPECT_EQ(std::vector<int>(frame, frame + r.frame.size()), r.frame) << r.command;
  }
}

TEST(UsbFrame, QueryTypeAndJudges) {
  EXPECT_EQ(CInstrumentLink::UsbQueryType("*opc?"), 2);
  EXPECT_EQ(CInstrumentLink::UsbQueryType("OLR?"), 2);
  EXPECT_EQ(CInstrumentLink::UsbQueryType("*IDN?"), 1);
  EXPECT_EQ(CInstrumentLink::UsbQueryType("C1:VDIV?"), 1);
  struct Row {
    const char* query;
    const char* reply;
    bool complete;
  };
  const Row rows[] = {
      {"IQS?", "IQS 2", true},     {"IQS?", "IQS 3", true},    {"IQS?", "IQS 1", false},
      {"IQS?", "IQS 4", false},    {"IQS?", "", false},        {"*OPC?", "*OPC 1", true},
      {"*OPC?", " *OPC 1 ", true}, {"*OPC?", "*OPC 0", false}, {"*OPC?", "", false},
      {"OLR?", "OLR 0", false},    {"OLR?", "OLR 1", true},    {"OLR?", "OLR x", true},
      {"OLR?", "BUSY", true},      {"OLR?", "", false},  // an unanswered poll is not a completion
      {"OLR?", "   ", false},      {"*IDN?", "*OPC 1", false},
  };
  for (const Row& r : rows)
    EXPECT_EQ(CInstrumentLink::JudgeReply(r.query, r.reply), r.complete)
        << r.query << " [" << r.reply << "]";
}

class UsbTransport : public LinkFixture {
 protected:
  void SetUp() override {
    LinkFixture::SetUp();
    usbDriver->Attach(gen);
    SelectUsbDevice();
  }
  void SelectUsbDevice() { link.SelectUsbDevice(0); }
  // Queues a reply of exactly n payload bytes.
  void QueueReply(std::size_t n) {
    gen->Store("M51", {"x", "", "", "", "", sim::Bytes(n - 47, 'a')});
    link.SendUsbCommand("WVDT? M51");
  }
  std::shared_ptr<sim::SimGenerator> gen = Generator("KRV1000");
};

TEST_F(UsbTransport, CommandIsTrimmedAndBlankIsNotSent) {
  EXPECT_TRUE(link.SendUsbCommand("  *IDN?  "));
  EXPECT_EQ(gen->Log().back(), "*IDN?");
  EXPECT_FALSE(link.SendUsbCommand("   "));
  EXPECT_FALSE(link.SendUsbCommand(CString('A', 4085)));  // does not fit the frame buffer
  EXPECT_EQ(gen->Log().size(), 1u);
}

TEST_F(UsbTransport, RepliesOfOneAndTwoPackets) {
  for (std::size_t n : {500u, 501u, 4095u}) {
    QueueReply(n);
    CString reply;
    link.ReadUsbFrame(reply);
    EXPECT_EQ(static_cast<std::size_t>(reply.GetLength()), n);
  }
}

TEST_F(UsbTransport, OversizedBadAndShortFramesGiveNoReply) {
  QueueReply(4096);  // one byte beyond the reply buffer
  CString reply = "old";
  link.ReadUsbFrame(reply);
  EXPECT_TRUE(reply.IsEmpty());
  link.SendUsbCommand("*IDN?");  // the refused frame was drained: this one reads clean
  link.ReadUsbFrame(reply);
  EXPECT_EQ(reply.Left(5), "*IDN ");

  for (int fault = 0; fault < 3; ++fault) {
    sim::SimFaults f;
    (fault == 0 ? f.badChecksum : fault == 1 ? f.shortPacket : f.wrongLengthField) = true;
    gen->SetFaults(f);
    clock.Clear();
    link.SendUsbCommand("*IDN?");
    link.ReadUsbReply(reply);
    EXPECT_TRUE(reply.IsEmpty()) << fault;
    EXPECT_EQ(Pauses(), std::vector<DWORD>(10, 50)) << fault;  // ten retries, 50 ms apart
  }
}

TEST_F(UsbTransport, WaitModesPollBeforeReading) {
  link.SendUsbCommand("WVPR? M0");
  CString reply;
  link.WaitUsbReply("3", reply);
  EXPECT_EQ(reply.Left(13), "WVPR POS,M0,W");
  std::vector<std::string> log = gen->Log();
  EXPECT_EQ(log, (std::vector<std::string>{"WVPR? M0", "*OPC?", "OLR?"}));
  sim::SimFaults f;
  f.noReply = true;
  gen->SetFaults(f);
  link.WaitUsbReply("1", reply);
  EXPECT_TRUE(reply.IsEmpty());
}

TEST(UsbFrame, SixteenBitChecksumAndDataMidpoint) {
  const WORD words[] = {1, 2, 0xFFFF};
  EXPECT_EQ(CInstrumentLink::FrameChecksum16(words, 2), 0xFFFD);
  EXPECT_EQ(CInstrumentLink::FrameChecksum16(words, 3), 0xFFFE);
  struct Row {
    std::vector<int> nonZero;
    int index;
  };
  const Row rows[] = {{{}, 0}, {{10, 20}, 15}, {{5000}, 2500}, {{0}, 0}, {{100, 2999, 3000}, 1549}};
  for (const Row& r : rows) {
    std::vector<BYTE> buffer(65536, 0);
    for (int i : r.nonZero) buffer[static_cast<std::size_t>(i)] = 7;
    int index = -1;
    EXPECT_TRUE(CInstrumentLink::FindDataMidpoint(buffer.data(), index));
    EXPECT_EQ(index, r.index) << r.nonZero.size();
  }
}

// The driver wrappers the main frame and the import use: a refused load says
// so with text 300; unloading the import's device releases the current one.
TEST_F(UsbTransport, LoadAndUnloadThroughTheDriver) {
  int number = 0;
  EXPECT_TRUE(link.LoadUsbDevice(number));
  EXPECT_TRUE(messages.empty());
  g_UsbDeviceHandle = 0;
  link.UnloadScopeDevice();
  EXPECT_EQ(usbDriver->Current(), -1);
  sim::SimFaults f;
  f.refuseOpen = true;
  gen->SetFaults(f);
  EXPECT_FALSE(link.LoadUsbDevice(number));
  EXPECT_EQ(messages, (std::vector<std::string>{"text 300"}));
  number = 5;  // no such device
  EXPECT_FALSE(link.LoadUsbDevice(number));
}

TEST_F(UsbTransport, CommandThenWaitModeAndDbst) {
  CString reply;
  link.QueryUsbWithWait("WVPR? M0", "1", reply);
  EXPECT_EQ(reply.Left(11), "WVPR POS,M0");
  EXPECT_EQ(gen->Log(), (std::vector<std::string>{"WVPR? M0", "*OPC?", "*OPC?"}));
  clock.Clear();
  link.SendDbstCommand();
  EXPECT_EQ(gen->Log().back(), "DBST");
  EXPECT_EQ(Pauses(), std::vector<DWORD>{2000});
}

// A device that never answers its completion polls: the poll gives up after
// its eleven short polls, about a second, and says so; a driver whose reads
// take their own time-out ends it as soon as that second has passed.
TEST_F(UsbTransport, CompletionPollOfASilentDeviceEndsWithinASecond) {
  sim::SimFaults f;
  f.noReply = true;
  gen->SetFaults(f);
  clock.Clear();
  EXPECT_FALSE(link.WaitOpcComplete());
  EXPECT_EQ(Pauses(), std::vector<DWORD>(12, 100));  // the first pause, then 11 polls
  gen->SetFaults({});
  clock.Clear();
  EXPECT_TRUE(link.WaitOpcComplete());
  EXPECT_EQ(Pauses(), (std::vector<DWORD>{100, 100}));

  class SlowSilentDriver final : public rawusb::IRawUsbDriver {
   public:
    explicit SlowSilentDriver(services::FakeClock& clock) : clock_(clock) {}
    int Search() override { return 1; }
    int Select(int) override { return 1; }
    int Load(int) override { return 1; }
    int Unload() override { return 1; }
    int UnloadIndex(int) override { return 1; }
    int Write(int, const BYTE*, DWORD count) override { return static_cast<int>(count); }
    int Read(int, BYTE*, DWORD) override {
      clock_.Advance(2000);  // a read that waits out the driver's time-out
      return 0;
    }

   private:
    services::FakeClock& clock_;
  };
  rawusb::SetRawUsbDriver(std::make_shared<SlowSilentDriver>(clock));
  const ULONGLONG start = GetTickCount64();
  EXPECT_FALSE(link.PollAfterCommand(true));
  EXPECT_EQ(GetTickCount64() - start, 100u + 100u + 2000u);  // one poll, and no OLR? after it
}
