// The simulated instruments' command sets, driven directly.
#include "sim/SimGenerator.h"
#include "sim/SimScope.h"

#include <gtest/gtest.h>

namespace {

std::string Ask(sim::SimInstrument& inst, const std::string& command) {
  inst.Receive({reinterpret_cast<const std::uint8_t*>(command.data()), command.size()});
  auto reply = inst.TakeReply();
  if (!reply) return "<none>";
  sim::Bytes bytes = reply->Flatten();
  return std::string(bytes.begin(), bytes.end());
}

void Send(sim::SimInstrument& inst, const std::string& bytes) {
  inst.Receive({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

}  // namespace

TEST(SimGenerator, EveryFamilyIdentifiesByItsModel) {
  ASSERT_EQ(sim::GeneratorFamilies().size(), 9u);
  for (const auto& family : sim::GeneratorFamilies()) {
    sim::SimGenerator gen(family);
    std::string model(family.model);
    EXPECT_EQ(Ask(gen, "*IDN?\n"), "*IDN KALVO," + model + ",KRG00000001,1.01.01.20\n");
    EXPECT_EQ(Ask(gen, "PROD MODEL?\n"), model + "\n");
  }
  sim::GeneratorIdentity id;
  id.model = "KRV1000";
  id.private1 = "KRV8000 PRI";
  sim::SimGenerator custom(*sim::FindGeneratorFamily("KRV1000"), id);
  EXPECT_EQ(Ask(custom, "*IDN-KVRN-PRI?\n"), "KRV8000 PRI\n");
}

TEST(SimGenerator, FourteenBitSlotsListWriteCommitAndReadBack) {
  sim::SimGenerator gen(*sim::FindGeneratorFamily("KRV1000"));
  std::string list = Ask(gen, "STL? RELEASE\n");
  EXPECT_EQ(list.substr(0, 26), "STL M0, sine, M50, EMPTY, ");
  const std::string codes("\x01\x00\xFE\x1F", 4);
  Send(gen,
       "C1:WVDT M52,WVNM,ramp,TYPE,5,LENGTH,0KB,FREQ,2500.000000000,AMPL,0.200000000,"
       "OFST,-0.050000000,PHASE,90.000000000,WAVEDATA," +
           codes);
  Send(gen, "C1:ARWV INDEX, 52\n");
  EXPECT_EQ(gen.LastCommit(), "52");
  EXPECT_NE(Ask(gen, "STL? RELEASE").find("M52, ramp"), std::string::npos);
  EXPECT_EQ(Ask(gen, "WVPR? M52"),
            "WVPR POS,M52,WVNM,ramp,FREQ,2.50E+03,AMPL,2.00E-01,OFST,-5.00E-02,PHASE,9.00E+01\n");
  EXPECT_EQ(Ask(gen, "WVDT? M52"), "WVDT POS,M52,WVNM,ramp,TYPE,5,LENGTH,0KB,WAVEDATA," + codes);
  EXPECT_EQ(Ask(gen, "WVPR? M99"), "<none>");
}

TEST(SimGenerator, SixteenBitUserWaveformsAndDataFaults) {
  sim::SimGenerator gen(*sim::FindGeneratorFamily("KRV1000X"));
  std::string data(4096, '\x5A');
  Send(gen, "C1:WVDT WVNM,abc,TYPE,5,LENGTH,4KB,WAVEDATA," + data);
  Send(gen, "C1:ARWV NAME, abc\n");
  EXPECT_EQ(gen.LastCommit(), "abc");
  EXPECT_EQ(Ask(gen, "STL? user\n"), "STL,abc\n");
  std::string head = "WVDT POS,USER,WVNM,abc,TYPE,5,LENGTH,4096B,WAVEDATA,";
  EXPECT_EQ(Ask(gen, "WVDT? USER,abc"), head + data);
  sim::SimFaults f;
  f.truncatedBlock = true;
  f.wrongLengthField = true;
  gen.SetFaults(f);
  EXPECT_EQ(Ask(gen, "WVDT? USER,abc"),
            "WVDT POS,USER,WVNM,abc,TYPE,5,LENGTH,8192B,WAVEDATA," + data.substr(0, 2048));
}

TEST(SimScope, AnswersTheQueriesAndCaptures) {
  sim::SimScope scope;
  EXPECT_EQ(Ask(scope, "CHS?\n"), "CHS 4\n");
  EXPECT_EQ(Ask(scope, "C2:VDIV?\n"), "C2:VDIV 5.00E-01V\n");
  EXPECT_EQ(Ask(scope, "C1:OFST?"), "C1:OFST 0.00E+00V\n");
  EXPECT_EQ(Ask(scope, "TDIV?\n"), "TDIV 1.00E-03S\n");
  EXPECT_EQ(Ask(scope, "SANU? C1"), "SANU 7000\n");
  Send(scope, "WFSU NP,1000.00000000000000");
  std::string wave = Ask(scope, "C1:WF?");
  ASSERT_EQ(wave.size(), sim::kCaptureHeaderBytes + 1000);
  EXPECT_EQ(wave.substr(0, 3), "C1:");
  EXPECT_EQ(Ask(scope, "*OPC?"), "*OPC 1");
}
