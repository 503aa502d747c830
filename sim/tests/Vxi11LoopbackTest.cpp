// Our VISA client (libtirpc) against the simulator's VXI-11 server.
#include "SimFixtures.h"

#include <cstring>
#include <numeric>
#include <vector>

using namespace simtest;

namespace {

std::vector<unsigned char> Pattern(std::size_t n) {
  std::vector<unsigned char> v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<unsigned char>((i * 131) ^ (i >> 7));
  return v;
}

std::vector<unsigned char> Block(const std::string& header,
                                 const std::vector<unsigned char>& data) {
  std::vector<unsigned char> all(header.begin(), header.end());
  all.insert(all.end(), data.begin(), data.end());
  return all;
}

}  // namespace

TEST(Vxi11Loopback, IdentifiesThroughPortmapperAndLink) {
  auto gen = MakeGenerator("KRV1000X");
  LoopbackServer server(gen);
  VisaSession s(kLoopback);
  ASSERT_EQ(s.openStatus, VI_SUCCESS);
  EXPECT_EQ(s.Query("*IDN?\n"), "*IDN KALVO,KRV1000X,KRG00000001,1.01.01.20\n");
  EXPECT_EQ(gen->Log().back(), "*IDN?");
}

// Writes larger than the link's maximum receive size are split with END only
// on the last piece; the instrument must see one message, and the read-back
// must be byte for byte what was written, whatever its size.
TEST(Vxi11Loopback, BlockWriteSplitsAndReadsBackExactly) {
  for (std::uint32_t maxRecv : {1024u, 4096u, 1u << 20}) {
    auto gen = MakeGenerator("KRV1000");
    LoopbackServer server(gen, maxRecv);
    VisaSession s(kLoopback);
    ASSERT_EQ(s.openStatus, VI_SUCCESS);
    auto data = Pattern(2 * 16384 + 3);  // odd length: not a multiple of anything
    auto block = Block("C1:WVDT M50,WVNM,ramp,TYPE,5,LENGTH,32KB,WAVEDATA,", data);
    ViUInt32 written = 0;
    ASSERT_EQ(viWrite(s.vi, block.data(), static_cast<ViUInt32>(block.size()), &written),
              VI_SUCCESS);
    EXPECT_EQ(written, block.size());
    ASSERT_EQ(gen->Slot("M50")->data, sim::Bytes(data.begin(), data.end())) << maxRecv;

    ASSERT_EQ(viWrite(s.vi, reinterpret_cast<const unsigned char*>("WVDT? M50"), 9, &written),
              VI_SUCCESS);
    std::vector<unsigned char> reply(100000);
    ViUInt32 got = 0;
    ASSERT_EQ(viRead(s.vi, reply.data(), static_cast<ViUInt32>(reply.size()), &got), VI_SUCCESS);
    std::string head = "WVDT POS,M50,WVNM,ramp,TYPE,5,LENGTH,32KB,WAVEDATA,";
    ASSERT_EQ(got, head.size() + data.size());
    EXPECT_EQ(std::string(reply.begin(), reply.begin() + head.size()), head);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), reply.begin() + head.size()));
  }
}

// A read never writes past the count; the rest of the response comes with
// the next read, and the final piece carries END.
TEST(Vxi11Loopback, ReadStopsAtCountAndContinues) {
  auto gen = MakeGenerator("KRV1000");
  LoopbackServer server(gen);
  VisaSession s(kLoopback);
  viPrintf(s.vi, "*IDN?\n");
  unsigned char buf[16];
  std::memset(buf, 0xEE, sizeof buf);
  ViUInt32 got = 0;
  EXPECT_EQ(viRead(s.vi, buf, 10, &got), VI_SUCCESS_MAX_CNT);
  EXPECT_EQ(got, 10u);
  EXPECT_EQ(buf[10], 0xEE);
  std::string rest(64, '\0');
  EXPECT_EQ(viRead(s.vi, reinterpret_cast<unsigned char*>(rest.data()), 64, &got), VI_SUCCESS);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), 10) + rest.substr(0, got),
            "*IDN KALVO,KRV1000,KRG00000001,1.01.01.20\n");
}

// viScanf "%t" stops at its buffer and drops the rest of that response, so
// the next query reads its own reply, not the tail of the last one.
TEST(Vxi11Loopback, ScanfBoundsTheBufferAndKeepsMessagesApart) {
  auto gen = MakeGenerator("KRV1000");
  LoopbackServer server(gen);
  VisaSession s(kLoopback);
  viPrintf(s.vi, "*IDN?\n");
  char small[12];
  std::memset(small, 0x55, sizeof small);
  ViUInt32 size = 8;
  ASSERT_EQ(viScanf(s.vi, "%#t", &size, small), VI_SUCCESS);
  EXPECT_STREQ(small, "*IDN KA");
  EXPECT_EQ(size, 7u);
  EXPECT_EQ(static_cast<unsigned char>(small[8]), 0x55);
  EXPECT_EQ(s.Query("PROD MODEL?\n"), "KRV1000\n");
  EXPECT_EQ(viScanf(s.vi, "%d", small), VI_ERROR_NSUP_FMT);
}

TEST(Vxi11Loopback, FaultsBecomeVisaErrors) {
  auto gen = MakeGenerator("KRV1000");
  LoopbackServer server(gen);
  {
    sim::SimFaults f;
    f.refuseOpen = true;
    gen->SetFaults(f);
    VisaSession refused(kLoopback);
    EXPECT_LT(refused.openStatus, 0);
  }
  gen->SetFaults({});
  VisaSession s(kLoopback);
  ASSERT_EQ(s.openStatus, VI_SUCCESS);
  viSetAttribute(s.vi, VI_ATTR_TMO_VALUE, 1);  // the server waits this long for a reply

  sim::SimFaults noReply;
  noReply.noReply = true;
  gen->SetFaults(noReply);
  viPrintf(s.vi, "*IDN?\n");
  char reply[256];
  EXPECT_EQ(viScanf(s.vi, "%t", reply), VI_ERROR_TMO);

  sim::SimFaults late;
  late.delayPastTimeout = true;
  gen->SetFaults(late);
  viPrintf(s.vi, "*IDN?\n");
  EXPECT_EQ(viScanf(s.vi, "%t", reply), VI_ERROR_TMO);
  // The late reply is still queued; a device clear drops it.
  gen->SetFaults({});
  EXPECT_EQ(viClear(s.vi), VI_SUCCESS);
  EXPECT_EQ(s.Query("PROD MODEL?\n"), "KRV1000\n");

  sim::SimFaults refuse;
  refuse.refuseWrite = true;
  gen->SetFaults(refuse);
  EXPECT_LT(viPrintf(s.vi, "*IDN?\n"), 0);
}

TEST(Vxi11Loopback, MissingServerAndBadNamesFailToOpen) {
  visa::SetPortmapperPort(1);  // nothing listens there
  ViSession rm = 0, vi = 0;
  viOpenDefaultRM(&rm);
  EXPECT_EQ(viOpen(rm, kLoopback, 0, 0, &vi), VI_ERROR_RSRC_NFOUND);
  EXPECT_EQ(viOpen(rm, "GPIB0::1::INSTR", 0, 0, &vi), VI_ERROR_INV_RSRC_NAME);
  EXPECT_EQ(vi, VI_NULL);
  viClose(rm);
  visa::SetPortmapperPort(0);
}

// A closed session is forgotten: its number reaches nothing, even after a new
// session was opened.
TEST(Vxi11Loopback, ClosedSessionIsForgotten) {
  auto gen = MakeGenerator("KRV1000");
  LoopbackServer server(gen);
  ViSession rm = 0, first = 0, second = 0;
  viOpenDefaultRM(&rm);
  ASSERT_EQ(viOpen(rm, kLoopback, 0, 0, &first), VI_SUCCESS);
  ASSERT_EQ(viClose(first), VI_SUCCESS);
  ASSERT_EQ(viOpen(rm, kLoopback, 0, 0, &second), VI_SUCCESS);
  EXPECT_NE(first, second);
  EXPECT_EQ(viPrintf(first, "*IDN?\n"), VI_ERROR_INV_OBJECT);
  EXPECT_EQ(viClear(first), VI_ERROR_INV_OBJECT);
  EXPECT_EQ(viClose(first), VI_ERROR_INV_OBJECT);
  // Closing the manager closes what was opened through it.
  viClose(rm);
  EXPECT_EQ(viPrintf(second, "*IDN?\n"), VI_ERROR_INV_OBJECT);
}

TEST(Vxi11Loopback, TimeoutAttributeIsKept) {
  auto gen = MakeGenerator("KRV1000");
  LoopbackServer server(gen);
  VisaSession s(kLoopback);
  ViUInt32 ms = 0;
  ASSERT_EQ(viGetAttribute(s.vi, VI_ATTR_TMO_VALUE, &ms), VI_SUCCESS);
  EXPECT_EQ(ms, 2000u);
  ASSERT_EQ(viSetAttribute(s.vi, VI_ATTR_TMO_VALUE, 120000), VI_SUCCESS);
  viGetAttribute(s.vi, VI_ATTR_TMO_VALUE, &ms);
  EXPECT_EQ(ms, 120000u);
  EXPECT_EQ(viSetAttribute(s.vi, 0x3FFF0000u, 1), VI_ERROR_NSUP_ATTR);
}
