// The send path's model table and checks, without windows: what each family
// offers and where its slots are stored, and the limits at their edges.
#include "instrument/InstrumentLink.h"
#include "instrument/dialogs/SendChecks.h"
#include "platform/services/tests/FakeServices.h"
#include "waveform/WaveData.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(SendModels, SlotsAndPositionsByFamily) {
  struct Row {
    const char* tag;
    const char* version;
    std::vector<const char*> firstAndLastSlot;  // names
    std::vector<const char*> positions;         // of the first and the last slot
    bool singleChannel;
  };
  const Row rows[] = {
      {"USBTMCKRV1000", "1.0", {"ARB1", "ARB10"}, {"M50", "M59"}, false},
      {"USBKRV1000", "", {"ARB1", "ARB10"}, {"M50", "M59"}, false},
      {"USBTMCKRV800", "", {"ARB1", "ARB10"}, {"M50", "M59"}, true},
      {"USBTMCKRV5000", "2.0.34", {"ARB1", "ARB4"}, {"M1", "M4"}, false},
      {"USBTMCKRV5000", " 35", {"ARB1", "ARB32"}, {"M36", "M67"}, false},
      {"USBTMCKRP2", "", {"ARB1", "ARB4"}, {"M6", "M9"}, true},
      {"USBTMCKRP1000X", "", {"ARB1", "ARB4"}, {"M6", "M9"}, true},
      {"USBTMCKRP1000X-E", "", {"/Local", "/Local"}, {"M6", "M6"}, true},
      {"USBTMCKRV1000X", "", {"/Local", "/Local"}, {kLocalStoragePath, kLocalStoragePath}, false},
      {"USBTMCKRV2000", "", {"/Local", "/Local"}, {kLocalStoragePath, kLocalStoragePath}, false},
      {"USBTMCKRV6000X", "", {"/Local", "/Local"}, {kLocalStoragePath, kLocalStoragePath}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.tag) + " " + row.version);
    const SendFamily* family = FindSendFamily(row.tag, VersionNumber(row.version));
    ASSERT_NE(family, nullptr);
    const int last = SlotCount(*family) - 1;
    EXPECT_EQ(SlotName(*family, 0), row.firstAndLastSlot[0]);
    EXPECT_EQ(SlotName(*family, last), row.firstAndLastSlot[1]);
    EXPECT_EQ(SlotPosition(*family, 0), row.positions[0]);
    EXPECT_EQ(SlotPosition(*family, last), row.positions[1]);
    EXPECT_EQ(SlotPosition(*family, last + 1), "");
    EXPECT_EQ(SlotPosition(*family, -1), "");
    EXPECT_EQ(family->singleChannel, row.singleChannel);
  }
  EXPECT_EQ(FindSendFamily("", 0), nullptr);
  EXPECT_EQ(FindSendFamily("USBTMCZG9", 0), nullptr);
}

TEST(SendModels, VersionNumberReadsTheLastTwoCharacters) {
  EXPECT_EQ(VersionNumber("1.01.01.35"), 35);
  EXPECT_EQ(VersionNumber("1.01.01.34"), 34);
  EXPECT_EQ(VersionNumber("V 7"), 7);
  EXPECT_EQ(VersionNumber("3a"), 3);
  EXPECT_EQ(VersionNumber("x5"), 0);
  EXPECT_EQ(VersionNumber(""), 0);
}

// The transfer buffer bounds even the family that takes any count.
TEST(SendChecks, CountsAtTheirEdges) {
  services::FakeServices fake;
  fake.SetTextSource([](int id) { return "text " + std::to_string(id); });
  const SendFamily& any = *FindSendFamily("USBTMCKRV6000X", 0);
  const SendFamily& upTo8M = *FindSendFamily("USBTMCKRV2000", 0);
  EXPECT_FALSE(CheckSampleCount(any, 20000000, 40000100));
  EXPECT_EQ(CheckSampleCount(any, 20971520, kWaveBlockBuffer + 1)->id, 352);
  EXPECT_FALSE(CheckSampleCount(upTo8M, 8388608, 2 * 8388608 + 200));
  EXPECT_EQ(CheckSampleCount(upTo8M, 8388609, 2 * 8388609 + 200)->id, 352);
  EXPECT_EQ(CheckSampleCount(any, 1, 200)->id, 352);
}

// The extremes of sample - offset start from the first sample, the offset
// taken in the amplitude's unit; samples all equal are a DC level.
TEST(SendChecks, AmplitudeAndPeakFromTheSamples) {
  struct Row {
    std::vector<float> samples;
    int vppunit;
    double offset;
    int offsetunit;
    double amplitude, peak;
  };
  const Row rows[] = {
      {{1, -1, 0.5f}, 0, 0, 0, 2, 1},
      {{3, 4}, 0, 5, 0, 4, 4},              // all below the offset: the top is 4, not 5
      {{3000, 4000}, 1, 5, 0, 4000, 4000},  // mVpp with an offset in V
      {{-3, -2}, 0, 0, 0, 6, 3},
      // All equal: the DC amplitude, 4 mVpp, and the level or its half as the peak.
      {{2, 2}, 0, 2000, 1, 0.004, 2},
      {{0, 0, 0}, 0, 0, 0, 0.004, 0.002},
      {{-250, -250}, 1, 0, 1, 4, 250},
      {{0.001f, 0.001f}, 0, 0, 0, 0.004, 0.002},
  };
  for (const Row& row : rows) {
    CWaveData wave;
    wave.vppunit = row.vppunit;
    wave.offset = row.offset;
    wave.offsetunit = row.offsetunit;
    wave.shape = 8;  // the DC shape too
    wave.samplecount = static_cast<int>(row.samples.size());
    wave.thedata.SetSize(static_cast<unsigned>(row.samples.size()), TRUE);
    std::copy(row.samples.begin(), row.samples.end(), wave.thedata.GetData());
    const SendPeak peak = PeakOfSamples(wave);
    EXPECT_DOUBLE_EQ(peak.amplitude, row.amplitude) << row.samples[0];
    EXPECT_DOUBLE_EQ(peak.peak, row.peak) << row.samples[0];
  }
}

}  // namespace
