#include "waveform/Readouts.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::array<CString, 4>;

TEST(Readouts, ValuesWithTheirUnits) {
  CWaveData w;
  w.span = 2.0;
  w.offset = 0.25;
  w.freq = 1.5;
  w.frequnit = 3;
  w.phase = -90;
  EXPECT_EQ(ParameterReadouts(w), (Texts{"2.000 Vpp", "0.250 V", "1.500 kHz", "-90.000"}));

  w.vpp = 500;
  w.vppunit = 1;
  w.offset = 500;
  w.offsetunit = 1;
  w.frequnit = 7;
  EXPECT_EQ(ParameterReadouts(w), (Texts{"500.000 mVpp", "500.000 mV", "1.500", "-90.000"}));

  // The offset keeps its own unit whatever the amplitude's is.
  w.vppunit = 0;
  EXPECT_EQ(ParameterReadouts(w)[1], "500.000 mV");
}

TEST(Readouts, ShapesWithoutParameters) {
  CWaveData w;
  w.vpp = 3;
  for (int shape : {5, 8}) {
    w.shape = shape;
    EXPECT_EQ(ParameterReadouts(w), (Texts{" --", " --", " --", " --"}));
  }
}

}  // namespace
