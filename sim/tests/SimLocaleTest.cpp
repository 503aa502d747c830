// The simulated generator under a German desktop locale: the parameters it
// stores and prints keep the point.
#include "platform/win/tests/GermanLocale.h"
#include "sim/SimGenerator.h"

using GermanSimGenerator = GermanLocaleTest;

TEST_F(GermanSimGenerator, ParametersKeepThePoint) {
  sim::SimGenerator gen(*sim::FindGeneratorFamily("KRV1000"));
  const std::string block =
      "C1:WVDT M52,WVNM,ramp,TYPE,5,LENGTH,0KB,FREQ,2500.000000000,AMPL,0.200000000,"
      "OFST,-0.050000000,PHASE,90.000000000,WAVEDATA,\x01\x02";
  gen.Receive({reinterpret_cast<const std::uint8_t*>(block.data()), block.size()});
  const std::string ask = "WVPR? M52";
  gen.Receive({reinterpret_cast<const std::uint8_t*>(ask.data()), ask.size()});
  sim::Bytes reply = gen.TakeReply()->Flatten();
  EXPECT_EQ(std::string(reply.begin(), reply.end()),
            "WVPR POS,M52,WVNM,ramp,FREQ,2.50E+03,AMPL,2.00E-01,OFST,-5.00E-02,PHASE,9.00E+01\n");
}
