// Point drawing: points clicked on the real graph or taken from the point
// table, joined by lines or a spline; the point cursors dragged afterwards;
// the spline's refusal of two points at one index; and what the view
// refuses to start.
#include "ViewTestFixture.h"

#include "platform/window/tests/UiTestKit.h"
#include "waveform/WaveMessages.h"

#include <cmath>

namespace {

class PointsTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    view = Open(MakeWave("w", Floats(100, 0.25f)));
  }
  void TearDown() override {
    CPelmoranView::SetPointDialogRunner(nullptr);
    g_pTablePoints.clear();
    ViewTest::TearDown();
  }
  int P(QPoint at) { return static_cast<int>(std::trunc(ValueXAt(view, at) + 0.5)); }
  float Y(QPoint at) { return static_cast<float>(ValueYAt(view, at)); }
  void Click(QPoint at) {
    Press(view, at);
    Release(view, at);
  }
  std::vector<std::string> PointCursors() {
    std::vector<std::string> names;
    for (const auto& c : Model(view).cursors)
      if (c->name.find("SplineCursor") != std::string::npos) names.push_back(c->name);
    return names;
  }
  static SplinePoint Point(int index, double value) {
    SplinePoint p;
    p.index = index;
    p.value = value;
    return p;
  }
  Floats Samples() { return Items(Wave().thedata); }

  CPelmoranView* view = nullptr;
};

TEST_F(PointsTest, MousePointsJoinedByLinesMakeANewWaveform) {
  g_nSplinePointCount = 3;
  g_bLinearFill = true;
  g_bSplineFill = false;
  Send(WM_VIEW_OPTION, 3);  // the trace on: the points mode ends it
  Send(WM_DRAW_POINTS, 0);
  EXPECT_TRUE(g_bPointsMode);
  EXPECT_FALSE(Wave().tracking);
  EXPECT_EQ(Model(view).interactionMode, view::kDrawingMode);
  const QPoint a = At(view, 20, 1.0), b = At(view, 60, -1.0), c = At(view, 40, 1.5);
  Click(a);
  Click(b);
  EXPECT_EQ(PointCursors(), (std::vector<std::string>{"SplineCursor1", "SplineCursor2"}));
  EXPECT_EQ(Samples(), Floats(100, 0.25f));  // nothing until the last point
  Click(c);
  // Through (0, 0), then the points in index order, each reached exactly.
  const Floats s = Samples();
  EXPECT_EQ(s[0], 0.0f);
  EXPECT_FLOAT_EQ(s[P(a)], Y(a));
  EXPECT_FLOAT_EQ(s[P(c)], Y(c));
  EXPECT_FLOAT_EQ(s[P(b)], Y(b));
  EXPECT_NEAR(s[P(a) / 2], Y(a) * (P(a) / 2) / P(a), 1e-5);
  EXPECT_EQ(s[P(b) + 1], 0.0f);  // past the last point
  EXPECT_EQ(Plotted(view, 1), s);
  EXPECT_EQ(Wave().shape, -1);
  EXPECT_DOUBLE_EQ(Wave().vpp, 2.0 * std::fabs(Y(c)));
  EXPECT_EQ(Wave().offset, 0.0);
  EXPECT_FALSE(g_bPointsMode);
  EXPECT_EQ(Model(view).interactionMode, view::kCursorMode);
  EXPECT_EQ(PointCursors().size(), 3u);  // they stay, to be dragged
  const hosted::Cursor& third = *Model(view).cursors.back();
  EXPECT_EQ(third.color, RGB(255, 0, 0));
  EXPECT_EQ(third.pointStyle, 14);
  Send(WM_UNDO_LAST_DRAW);
  EXPECT_EQ(Samples(), Floats(100, 0.25f));
}

TEST_F(PointsTest, ADraggedPointRefillsTheWaveformAndStaysOnIt) {
  g_nSplinePointCount = 1;
  Send(WM_DRAW_POINTS, 0);
  const QPoint a = At(view, 50, 1.0);
  Click(a);
  ASSERT_FLOAT_EQ(Samples()[P(a)], Y(a));
  view->Graph().GetAxes().Item("XAxis").SetMinMax(0.0, 300.0);
  const QPoint moved = At(view, 250, 1.0);  // far past the end
  Stroke(view, {At(view, 50, 1.0), At(view, 120, 1.0), moved});
  const Floats s = Samples();
  ASSERT_EQ(s.size(), 100u);
  EXPECT_FLOAT_EQ(s[98], Y(moved));  // the last sample but one, and the waveform kept
  EXPECT_NEAR(s[49], Y(moved) * 49 / 98, 1e-5);
}

TEST_F(PointsTest, TwoMousePointsAtOneIndexMakeTheSplineRefuse) {
  g_nSplinePointCount = 2;
  g_bLinearFill = false;
  g_bSplineFill = true;
  Send(WM_DRAW_POINTS, 0);
  Click(At(view, 30, 1.0));
  ScriptedBoxes boxes;
  boxes.Expect(IDOK, "Math Exception: x-values must be distinct.");
  Click(At(view, 30, -1.0));
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].caption, "Math Error");
  EXPECT_EQ(Samples(), Floats(100, 0.25f));
  EXPECT_EQ(Plotted(view, 1), Floats(100, 0.25f));
  EXPECT_TRUE(PointCursors().empty());
  EXPECT_FALSE(g_bPointsMode);
  EXPECT_TRUE(g_bPointsByMouse);
}

TEST_F(PointsTest, TablePointsAreSortedAndJoined) {
  Wave().thedata = SG::CSgScalarVector<float>(10, 0.25f);
  Wave().vpp = 7.0;
  DisplayDecimation(Wave());
  g_nSplinePointCount = 3;
  g_bLinearFill = true;
  g_bSplineFill = false;
  for (auto order : {std::vector<int>{2, 4, 6}, std::vector<int>{6, 2, 4}}) {
    g_pTablePoints = {Point(0, 0.0)};
    for (int index : order) g_pTablePoints.push_back(Point(index, index == 6 ? 0.0 : 1.0));
    Send(WM_DRAW_POINTS, 1);
    EXPECT_EQ(Samples(), (Floats{0, .5, 1, 1, 1, .5, 0, 0, 0, 0}));
    EXPECT_EQ(Plotted(view, 1), Samples());
  }
  EXPECT_TRUE(g_bPointsMode);  // so that undo last draw reopens the dialog
  EXPECT_TRUE(g_bTablePointsDrawn);
  EXPECT_EQ(Wave().vpp, 7.0);
  // Values beyond half the span are clipped.
  g_pTablePoints = {Point(0, 0.0), Point(2, 3.0), Point(4, 3.0), Point(6, 0.0)};
  Wave().span = 2.0;
  Send(WM_DRAW_POINTS, 1);
  EXPECT_EQ(Samples()[2], 1.0f);
  // Undo last draw brings the samples back and reopens the point list.
  int reopenedWith = -1;
  CPelmoranView::SetPointDialogRunner([&](int count) { reopenedWith = count; });
  Send(WM_UNDO_LAST_DRAW);
  EXPECT_EQ(Samples(), (Floats{0, .5, 1, 1, 1, .5, 0, 0, 0, 0}));
  EXPECT_EQ(reopenedWith, 3);
}

TEST_F(PointsTest, ASplineOfTablePointsAtOneIndexLeavesTheWaveformAndTheMode) {
  g_nSplinePointCount = 2;
  g_bLinearFill = false;
  g_bSplineFill = true;
  g_pTablePoints = {Point(0, 0.0), Point(5, 1.0), Point(5, 2.0)};
  ScriptedBoxes boxes;
  boxes.Expect(IDOK, "x-values must be distinct.");
  Send(WM_DRAW_POINTS, 1);
  EXPECT_EQ(Samples(), Floats(100, 0.25f));
  EXPECT_TRUE(g_bPointsMode);
  // A good spline passes through its points.
  g_pTablePoints = {Point(0, 0.0), Point(50, 1.0), Point(99, 0.5)};
  Send(WM_DRAW_POINTS, 1);
  EXPECT_FLOAT_EQ(Samples()[50], 1.0f);
  EXPECT_FLOAT_EQ(Samples()[99], 0.5f);
}

TEST_F(PointsTest, NoPointsCannotBeDrawnAndAShortTableIsDrawnAsFarAsItGoes) {
  g_nSplinePointCount = 0;
  Fake().SetText(kMsgNoDrawingPoints, "at least one point");
  {
    ScriptedBoxes boxes;
    boxes.Expect(IDOK, "at least one point");
    boxes.Expect(IDOK, "at least one point");
    Send(WM_DRAW_POINTS, 0);
    Send(WM_DRAW_POINTS, 1);
  }
  EXPECT_FALSE(g_bPointsMode);
  Click(At(view, 30, 1.0));  // no point is placed anywhere
  EXPECT_TRUE(PointCursors().empty());
  g_nSplinePointCount = 5;  // the dialog's list ended early
  g_pTablePoints = {Point(0, 0.0), Point(4, 1.0)};
  Send(WM_DRAW_POINTS, 1);
  EXPECT_EQ(Samples()[4], 1.0f);
  EXPECT_EQ(Samples()[5], 0.0f);
}

}  // namespace
