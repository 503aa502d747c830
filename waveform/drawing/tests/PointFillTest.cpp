// The point drawing's fills: sorting, straight lines that reach each point,
// the cubic spline and its refusal of two points at one index, and the
// waveform the filled values make.
#include "waveform/drawing/PointFill.h"

#include "containers/CSgExceptionT.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace drawing;

// Point 0 at (0, 0.0), then the points given as (index, value).
PointList Points(std::initializer_list<std::pair<int, double>> points) {
  PointList list(1);
  for (auto [index, value] : points) {
    SplinePoint p;
    p.index = index;
    p.value = value;
    p.name.Format("SplineCursor%d", static_cast<int>(list.size()));
    list.push_back(p);
  }
  return list;
}

std::vector<double> Values(const SG::CSgScalarVector<double>& v) {
  return std::vector<double>(v.GetData(), v.GetData() + v.GetSize());
}

std::vector<float> Values(const SG::CSgScalarVector<float>& v) {
  return std::vector<float>(v.GetData(), v.GetData() + v.GetSize());
}

TEST(PointFill, SortingMovesIndexValueAndNameButNotTheWaveformKey) {
  PointList list = Points({{6, 0.0}, {2, 1.0}, {4, 1.0}});
  list[1].wave = 7;
  SortSplinePoints(list);
  EXPECT_EQ(list[0].index, 0);
  EXPECT_EQ((std::vector<int>{list[1].index, list[2].index, list[3].index}),
            (std::vector<int>{2, 4, 6}));
  EXPECT_EQ(list[1].name, CString("SplineCursor2"));
  EXPECT_EQ(list[3].name, CString("SplineCursor1"));
  EXPECT_EQ(list[1].wave, 7);  // the key stays where it was
}

struct LinearRow {
  const char* name;
  PointList points;
  std::vector<double> filled;
};

TEST(PointFill, StraightLinesReachEveryPointsValue) {
  const LinearRow rows[] = {
      {"three points", Points({{2, 1.0}, {4, 1.0}, {6, 0.0}}), {0, .5, 1, 1, 1, .5, 0}},
      {"entered out of order", Points({{6, 0.0}, {2, 1.0}, {4, 1.0}}), {0, .5, 1, 1, 1, .5, 0}},
      // The segment after two points at one index starts at the second's value.
      {"two points at one index", Points({{2, 1.0}, {2, 3.0}, {4, 3.0}}), {0, .5, 1, 3, 3}},
      {"falling then rising", Points({{1, -2.0}, {3, 2.0}}), {0, -2, 0, 2}},
  };
  for (const LinearRow& r : rows) {
    SCOPED_TRACE(r.name);
    PointList list = r.points;
    SortSplinePoints(list);
    SG::CSgScalarVector<double> result;
    FillLinear(result, list);
    EXPECT_EQ(Values(result), r.filled);
  }
}

TEST(PointFill, TheSplinePassesThroughThePointsWithFlatEnds) {
  PointList list = Points({{5, 1.0}, {10, 0.0}});
  SG::CSgScalarVector<double> result;
  FillSpline(result, list);
  ASSERT_EQ(result.GetSize(), 11u);
  EXPECT_EQ(result[0], 0.0);
  EXPECT_NEAR(result[5], 1.0, 1e-12);
  EXPECT_NEAR(result[10], 0.0, 1e-12);
  for (int s = 1; s < 5; ++s) EXPECT_NEAR(result[5 - s], result[5 + s], 1e-12) << s;
  EXPECT_LT(result[4], 1.0);
}

TEST(PointFill, TheSplineRefusesTwoPointsAtOneIndexAndChangesNothing) {
  for (PointList list : {Points({{3, 1.0}, {3, 2.0}}), Points({{0, 1.0}, {4, 2.0}})}) {
    SG::CSgScalarVector<double> result(2, 7.0);
    try {
      FillSpline(result, list);
      ADD_FAILURE() << "no exception";
    } catch (SG::CSgMathException* e) {
      char text[128];
      e->GetErrorMessage(text, sizeof text);
      EXPECT_STREQ(text, "Math Exception: x-values must be distinct.");
      e->Delete();
    }
    EXPECT_EQ(Values(result), (std::vector<double>{7.0, 7.0}));
  }
}

TEST(PointFill, TheWaveformIsClippedToTheSpanAndKeepsItsLength) {
  SG::CSgScalarVector<double> filled(5, 0.0);
  double values[] = {0.0, 3.0, -3.0, 0.25, std::nan("")};
  for (int i = 0; i < 5; ++i) filled[i] = values[i];
  // Shorter than the values: the ones past the end are left out, not the
  // whole waveform zeroed.
  EXPECT_EQ(Values(PointWave(filled, 3, 1.0)), (std::vector<float>{0, 1, -1}));
  EXPECT_EQ(Values(PointWave(filled, 7, 1.0)), (std::vector<float>{0, 1, -1, .25f, 0, 0, 0}));
}

}  // namespace
