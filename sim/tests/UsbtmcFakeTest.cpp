// The VISA layer's USB resources through the usbtmc seam, with simulated
// instruments behind it.
#include "SimFixtures.h"
#include "sim/FakeUsbtmc.h"
#include "sim/SimScope.h"

using namespace simtest;

namespace {

class UsbtmcFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    gen = MakeGenerator("KRV5000");
    scope = std::make_shared<sim::SimScope>();
    system->Attach(gen, 0x1234, 0x0001, "GEN1");
    system->Attach(scope, 0x1234, 0x0002, "SCOPE1");
    visa::SetUsbtmcSystem(system);
    viOpenDefaultRM(&rm);
  }
  void TearDown() override {
    viClose(rm);
    visa::SetUsbtmcSystem(nullptr);
  }
  std::shared_ptr<sim::FakeUsbtmcSystem> system = std::make_shared<sim::FakeUsbtmcSystem>();
  std::shared_ptr<sim::SimGenerator> gen;
  std::shared_ptr<sim::SimScope> scope;
  ViSession rm = 0;
};

}  // namespace

TEST_F(UsbtmcFixture, FindListsEveryUsbInstrumentInOrder) {
  ViFindList list = 0;
  ViUInt32 count = 0;
  char desc[VI_FIND_BUFLEN];
  ASSERT_EQ(viFindRsrc(rm, "USB?*INSTR", &list, &count, desc), VI_SUCCESS);
  EXPECT_EQ(count, 2u);
  EXPECT_STREQ(desc, "USB0::0x1234::0x0001::GEN1::INSTR");
  EXPECT_EQ(viFindNext(list, desc), VI_SUCCESS);
  EXPECT_STREQ(desc, "USB0::0x1234::0x0002::SCOPE1::INSTR");
  // None left: an error status and an empty descriptor.
  EXPECT_EQ(viFindNext(list, desc), VI_ERROR_RSRC_NFOUND);
  EXPECT_STREQ(desc, "");
  EXPECT_EQ(viFindRsrc(rm, "TCPIP?*INSTR", &list, &count, desc), VI_ERROR_RSRC_NFOUND);
  EXPECT_EQ(count, 0u);
}

TEST_F(UsbtmcFixture, QueriesReachTheRightInstrument) {
  ViSession g = 0, s = 0;
  ASSERT_EQ(viOpen(rm, "USB0::0x1234::0x0001::GEN1::INSTR", 0, 0, &g), VI_SUCCESS);
  ASSERT_EQ(viOpen(rm, "usb0::0x1234::0x0002::SCOPE1::instr", 0, 0, &s), VI_SUCCESS);
  char reply[256];
  viPrintf(s, "CHS?\n");
  ASSERT_EQ(viScanf(s, "%t", reply), VI_SUCCESS);
  EXPECT_STREQ(reply, "CHS 4\n");
  viPrintf(g, "PROD MODEL?\n");
  ASSERT_EQ(viScanf(g, "%t", reply), VI_SUCCESS);
  EXPECT_STREQ(reply, "KRV5000\n");
  EXPECT_EQ(viSetAttribute(s, VI_ATTR_TMO_VALUE, 120000), VI_SUCCESS);
  EXPECT_EQ(system->TimeoutsSet().back(), 120000u);
}

TEST_F(UsbtmcFixture, FaultsAndUnknownDevices) {
  ViSession vi = 0;
  EXPECT_EQ(viOpen(rm, "USB0::0x1234::0x0009::NONE::INSTR", 0, 0, &vi), VI_ERROR_RSRC_NFOUND);
  sim::SimFaults f;
  f.refuseOpen = true;
  gen->SetFaults(f);
  EXPECT_LT(viOpen(rm, "USB0::0x1234::0x0001::GEN1::INSTR", 0, 0, &vi), 0);
  gen->SetFaults({});
  ASSERT_EQ(viOpen(rm, "USB0::0x1234::0x0001::GEN1::INSTR", 0, 0, &vi), VI_SUCCESS);
  char reply[256];
  f = {};
  f.noReply = true;
  gen->SetFaults(f);
  viPrintf(vi, "*IDN?\n");
  EXPECT_EQ(viScanf(vi, "%t", reply), VI_ERROR_TMO);
  f = {};
  f.refuseWrite = true;
  gen->SetFaults(f);
  EXPECT_EQ(viPrintf(vi, "*IDN?\n"), VI_ERROR_IO);
  EXPECT_EQ(gen->Log().back(), "*IDN?");  // logged even when refused
}
