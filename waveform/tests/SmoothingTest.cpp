#include "WaveTestSupport.h"

#include "waveform/Smoothing.h"

#include <cmath>
#include <limits>

namespace {

using namespace waveform;

Floats Smoothed(const Floats& samples) {
  auto e = Entry(samples);
  Smooth(*e);
  return Items(e->record.thedata);
}

// Each sample becomes the mean of itself and as many samples on either
// side as the ends allow, up to 128.
TEST(Smoothing, CentredMeanWithShrinkingEnds) {
  const Floats squares = {0, 1, 4, 9, 16, 25, 36, 49, 64, 81};
  const Floats expected = {0,
                           static_cast<float>(5.0 / 3),
                           6,
                           13,
                           static_cast<float>(204.0 / 9),
                           static_cast<float>(285.0 / 9),
                           40,
                           51,
                           static_cast<float>(194.0 / 3),
                           81};
  EXPECT_EQ(Smoothed(squares), expected);

  // Far from the ends the window holds 257 samples: sample 300 of squares of
  // i is the mean of 172^2 .. 428^2.
  Floats big(1000);
  for (int i = 0; i < 1000; ++i) big[i] = static_cast<float>(i) * i;
  double sum = 0;
  for (int i = 172; i <= 428; ++i) sum += static_cast<double>(i) * i;
  EXPECT_EQ(Smoothed(big)[300], static_cast<float>(sum / 257));
}

// A constant stays constant and a straight line stays straight, ends included.
TEST(Smoothing, ConstantsAndLinesAreKept) {
  EXPECT_EQ(Smoothed(Floats(1000, 1.0f)), Floats(1000, 1.0f));
  EXPECT_EQ(Smoothed(Ramp(1000)), Ramp(1000));
  EXPECT_EQ(Smoothed({3}), (Floats{3}));
  EXPECT_EQ(Smoothed({3, 4}), (Floats{3, 4}));
}

// A huge, infinite or undefined sample spoils only the windows it is in.
TEST(Smoothing, ExtremeSamplesStayInTheirWindows) {
  const float values[] = {1e30f, std::numeric_limits<float>::infinity(),
                          std::numeric_limits<float>::quiet_NaN()};
  for (float extreme : values) {
    SCOPED_TRACE(extreme);
    Floats samples(1000, 1.0f);
    samples[500] = extreme;
    const Floats out = Smoothed(samples);
    EXPECT_EQ(out[371], 1.0f);
    EXPECT_EQ(out[629], 1.0f);
    EXPECT_EQ(out[999], 1.0f);
    if (std::isnan(extreme)) {
      EXPECT_TRUE(std::isnan(out[372]) && std::isnan(out[628]));
    } else {
      EXPECT_GT(out[628], 1e27f);
    }
  }
  Floats both(600, 0.0f);
  both[300] = std::numeric_limits<float>::infinity();
  both[301] = -std::numeric_limits<float>::infinity();
  EXPECT_TRUE(std::isnan(Smoothed(both)[300]));
}

TEST(Smoothing, RecordsAStateUnlessThereAreNoSamples) {
  auto e = Entry({1, 5, 1});
  EXPECT_EQ(Smooth(*e).status, EditStatus::Done);
  EXPECT_EQ(Items(e->record.thedata), (Floats{1, static_cast<float>(7.0 / 3), 1}));
  EXPECT_EQ(Items(e->record.showdata), Items(e->record.thedata));
  EXPECT_FALSE(e->record.saved);
  EXPECT_EQ(e->history.GetStateCount(), 2);

  auto empty = Entry({});
  EXPECT_EQ(Smooth(*empty).status, EditStatus::Unchanged);
  EXPECT_TRUE(empty->history.pending());
  EXPECT_TRUE(empty->record.saved);
}

}  // namespace
