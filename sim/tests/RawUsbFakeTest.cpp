// The frame codec and the fake raw-USB driver behind the driver's calls.
#include "sim/FakeRawUsb.h"
#include "sim/SimGenerator.h"
#include "sim/SimScope.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

sim::Bytes B(std::initializer_list<int> v) {
  sim::Bytes out;
  for (int x : v) out.push_back(static_cast<std::uint8_t>(x));
  return out;
}

sim::Bytes Text(const std::string& s) { return sim::Bytes(s.begin(), s.end()); }

struct FrameCase {
  const char* payload;
  int type;
  sim::Bytes frame;
};

}  // namespace

TEST(RawUsbFrame, MatchesTheWorkedFrames) {
  const FrameCase cases[] = {
      {"*OPC?", 2,
       B({0x55, 0x53, 0x42, 0x3A, 0x05, 0, 0, 0, 0x8A, 0x02, 0, 0, 0x2A, 0x4F, 0x50, 0x43, 0x3F})},
      {"*IDN?", 1,
       B({0x55, 0x53, 0x42, 0x3A, 0x05, 0, 0, 0, 0x92, 0x01, 0, 0, 0x2A, 0x49, 0x44, 0x4E, 0x3F})},
      {"abc", 1, B({0x55, 0x53, 0x42, 0x3A, 0x03, 0, 0, 0, 0xB2, 0x01, 0, 0, 0x61, 0x62, 0x63})},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sim::MakeFrame(Text(c.payload), static_cast<std::uint8_t>(c.type)), c.frame)
        << c.payload;
    EXPECT_EQ(sim::OpenFrame(c.frame), Text(c.payload));
  }
  auto bad = cases[0].frame;
  bad[8] ^= 1;
  EXPECT_FALSE(sim::OpenFrame(bad));
  auto longer = cases[0].frame;
  longer[4] = 6;  // claims a byte it does not carry
  EXPECT_FALSE(sim::OpenFrame(longer));
}

class RawUsbFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    driver->Attach(gen);
    driver->Attach(scope);
    rawusb::SetRawUsbDriver(driver);
  }
  void TearDown() override { rawusb::SetRawUsbDriver(nullptr); }
  void Send(const std::string& command) {
    auto frame = sim::MakeFrame(Text(command), 1);
    ASSERT_NE(WriteUSBDevice(3, frame.data(), static_cast<DWORD>(frame.size())), 0);
  }
  // Reads one reply frame the way the host does: 512-byte packets.
  sim::Bytes ReadFrame(int* packets = nullptr) {
    sim::Bytes all;
    BYTE packet[512];
    int n = 0, count = 0;
    while ((n = ReadUSBDevice(4, packet, 512)) > 0) {
      all.insert(all.end(), packet, packet + n);
      ++count;
      if (all.size() >= 12) {
        std::uint32_t len =
            all[4] | all[5] << 8 | all[6] << 16 | static_cast<std::uint32_t>(all[7]) << 24;
        if (all.size() >= 12 + len) break;
      }
    }
    if (packets) *packets = count;
    return all;
  }
  std::shared_ptr<sim::FakeRawUsbDriver> driver = std::make_shared<sim::FakeRawUsbDriver>();
  std::shared_ptr<sim::SimGenerator> gen =
      std::make_shared<sim::SimGenerator>(*sim::FindGeneratorFamily("KRV1000"));
  std::shared_ptr<sim::SimScope> scope = std::make_shared<sim::SimScope>();
};

TEST_F(RawUsbFixture, PollsAreAnsweredAheadOfAPendingReply) {
  ASSERT_EQ(SearchAllUSB(nullptr), 2);
  LoadOneUsb(0);
  Send("*IDN?");
  Send("*OPC?");
  EXPECT_EQ(sim::OpenFrame(ReadFrame()), Text("*OPC 1"));
  Send("OLR?");
  EXPECT_EQ(sim::OpenFrame(ReadFrame()), Text("OLR 1"));
  EXPECT_EQ(sim::OpenFrame(ReadFrame()), Text("*IDN KALVO,KRV1000,KRG00000001,1.01.01.20\n"));
  BYTE packet[512];
  EXPECT_EQ(ReadUSBDevice(4, packet, 512), 0);  // nothing pending
}

TEST_F(RawUsbFixture, LongRepliesComeInPacketsWithTheRealByteCount) {
  LoadOneUsb(1);
  Send("SCDP");
  int packets = 0;
  auto frame = ReadFrame(&packets);
  ASSERT_EQ(frame.size(), 12 + sim::kScreenDumpBytes);
  EXPECT_EQ(packets, static_cast<int>((frame.size() + 511) / 512));
  EXPECT_TRUE(sim::OpenFrame(frame));
}

TEST_F(RawUsbFixture, FrameFaults) {
  LoadOneUsb(0);
  sim::SimFaults f;
  f.badChecksum = true;
  gen->SetFaults(f);
  Send("*IDN?");
  EXPECT_FALSE(sim::OpenFrame(ReadFrame()));

  f = {};
  f.shortPacket = true;
  gen->SetFaults(f);
  Send("*IDN?");
  BYTE packet[512];
  int n = ReadUSBDevice(4, packet, 512);
  EXPECT_LT(n, 12 + 42);  // the reply's one packet came short

  f = {};
  f.refuseWrite = true;
  gen->SetFaults(f);
  auto frame = sim::MakeFrame(Text("*IDN?"), 1);
  EXPECT_EQ(WriteUSBDevice(3, frame.data(), static_cast<DWORD>(frame.size())), 0);

  f = {};
  f.partialUsbWrite = true;  // a long write comes through in part; the instrument sees nothing
  gen->SetFaults(f);
  gen->ClearLog();
  auto block = sim::MakeFrame(sim::Bytes(3000, 'x'), 1);
  EXPECT_EQ(WriteUSBDevice(3, block.data(), static_cast<DWORD>(block.size())), 1024);
  EXPECT_TRUE(gen->Log().empty());

  f = {};
  f.refuseOpen = true;
  gen->SetFaults(f);
  EXPECT_EQ(LoadUSBDevice(0), 0);
  EXPECT_NE(LoadUSBDevice(1), 0);
}

TEST_F(RawUsbFixture, BadFramesFromTheHostAreNotMessages) {
  LoadOneUsb(0);
  auto frame = sim::MakeFrame(Text("*IDN?"), 1);
  frame[8] ^= 0x10;
  WriteUSBDevice(3, frame.data(), static_cast<DWORD>(frame.size()));
  EXPECT_EQ(driver->BadFramesReceived(), 1);
  EXPECT_TRUE(gen->Log().empty());
  // A padded data frame: the length field, not the written count, bounds it.
  auto block = sim::MakeFrame(Text("C1:WVDT M51,WVNM,x,TYPE,5,LENGTH,0KB,WAVEDATA,\x01\x02"), 1);
  block.resize(64, 0);
  ASSERT_NE(WriteUSBDevice(3, block.data(), 64), 0);
  EXPECT_EQ(gen->Slot("M51")->data, B({1, 2}));
}
