// Drawing with the mouse on the real graph: the modes the frame's commands
// enter, free-hand and line strokes stored at the release, what a stroke
// that did not start stores (nothing), drags past the waveform's ends, and
// the one-step undo of the last drawing.
#include "ViewTestFixture.h"

#include "platform/window/tests/UiTestKit.h"

#include <QMenu>

#include <cmath>

namespace {

class DrawingTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    view = Open(MakeWave("w", Floats(100, 0.0f)));
  }
  // The display position and level the graph reports for a point.
  int P(QPoint at) { return static_cast<int>(std::trunc(ValueXAt(view, at) + 0.5)); }
  float Y(QPoint at) { return static_cast<float>(ValueYAt(view, at)); }
  Floats Samples() { return Items(Wave().thedata); }

  CPelmoranView* view = nullptr;
};

TEST_F(DrawingTest, TheFramesDrawingCommandsEnterOneModeAtATime) {
  Send(WM_VIEW_OPTION, 0);
  view->Graph().GetCursors().Add().SetName("SplineCursor1");
  Send(WM_DRAW_FREEHAND);
  EXPECT_TRUE(g_bDrawFreehand);
  EXPECT_TRUE(Wave().freehand);
  EXPECT_FALSE(Wave().cursorson);
  EXPECT_FALSE(Model(view).cursors[0]->visible);
  EXPECT_EQ(Model(view).cursors.size(), 3u);  // the point cursors go
  EXPECT_EQ(Model(view).interactionMode, view::kDrawingMode);
  EXPECT_EQ(Told(WM_STATUS_TEXT).back().wParam, 2u);
  // A line command is WM_DRAW_FREEHAND and then WM_DRAW_LINE: the line alone stays.
  for (WPARAM line : {1, 2, 3}) {
    Send(WM_DRAW_FREEHAND);
    Send(WM_DRAW_LINE, line);
    const bool flags[] = {g_bDrawFreehand, g_bDrawHLine, g_bDrawVLine, g_bDrawTwoPoint};
    const bool bytes[] = {Wave().freehand, Wave().hline, Wave().vline, Wave().twopoint};
    for (WPARAM m = 0; m < 4; ++m) {
      EXPECT_EQ(flags[m], m == line) << line << " " << m;
      EXPECT_EQ(bytes[m], m == line) << line << " " << m;
    }
  }
  // WM_SET_DRAWMODE sets one flag and nothing else.
  Send(WM_SET_DRAWMODE, 1, 0);
  EXPECT_TRUE(g_bDrawFreehand && g_bDrawTwoPoint);
}

TEST_F(DrawingTest, VerticalAndTwoPointLinesNeedSamples) {
  OpenEmpty();
  ScriptedBoxes boxes;
  boxes.Expect(IDOK, "no samples");
  boxes.Expect(IDOK, "no samples");
  Send(WM_DRAW_LINE, 2);
  Send(WM_DRAW_LINE, 3);
  EXPECT_FALSE(g_bDrawVLine || g_bDrawTwoPoint);
  Send(WM_DRAW_LINE, 1);  // a horizontal line is taken, and draws nothing
  EXPECT_TRUE(g_bDrawHLine);
  CPelmoranView* empty = main_->ActiveView();
  Stroke(empty, {At(empty, 2, 1.0), At(empty, 6, 1.0)});
  EXPECT_EQ(Wave(1).thedata.GetSize(), 0u);
}

TEST_F(DrawingTest, AFreehandStrokeIsStoredAtTheRelease) {
  Send(WM_DRAW_FREEHAND);
  Wave().saved = true;
  const QPoint a = At(view, 10, 1.0), b = At(view, 40, -1.5);
  Press(view, a);
  EXPECT_EQ(Wave().thedata[P(a)], 0.0f);          // the record waits for the release
  EXPECT_FLOAT_EQ(Plotted(view, 1)[P(a)], Y(a));  // ... the graph does not
  Move(view, b);
  Release(view, b);
  const Floats s = Samples();
  EXPECT_FLOAT_EQ(s[P(a)], Y(a));
  EXPECT_NEAR(s[P(b)], Y(b), 1e-5);
  for (int i = P(a) + 1; i < P(b); ++i)
    EXPECT_NEAR(s[i], Y(a) + (Y(b) - Y(a)) * (i - P(a)) / (P(b) - P(a)), 1e-5) << i;
  EXPECT_EQ(s[P(a) - 1], 0.0f);
  EXPECT_EQ(s[P(b) + 1], 0.0f);
  EXPECT_EQ(Items(Wave().copydata), s);
  EXPECT_EQ(Plotted(view, 1), s);
  EXPECT_EQ(Wave().shape, -1);
  EXPECT_FALSE(Wave().saved);
  Send(WM_UNDO_LAST_DRAW);
  EXPECT_EQ(Samples(), Floats(100, 0.0f));
  Send(WM_UNDO_LAST_DRAW);  // twice: the same samples again
  EXPECT_EQ(Samples(), Floats(100, 0.0f));
}

TEST_F(DrawingTest, OnlyAStrokeThePressStartedIsStored) {
  Send(WM_DRAW_FREEHAND);
  Wave().saved = true;
  const QPoint a = At(view, 10, 1.0), b = At(view, 30, 1.0);
  MenuWatcher closeMenu([](QMenu* menu) { menu->close(); });  // a right press opens it
  Press(view, a, Qt::RightButton);
  Move(view, b);
  Release(view, b, Qt::RightButton);
  EXPECT_EQ(Samples(), Floats(100, 0.0f));
  EXPECT_TRUE(Wave().saved);
  EXPECT_EQ(g_LastDrawArray[0].GetSize(), 0u);  // not even a snapshot
  // A left press off the waveform (its axis shows more than it holds)
  // starts no free-hand stroke either.
  view->Graph().GetAxes().Item("XAxis").SetMinMax(0.0, 200.0);
  Stroke(view, {At(view, 150, 1.0), At(view, 50, 1.0)});
  EXPECT_EQ(Samples(), Floats(100, 0.0f));
  EXPECT_TRUE(Wave().saved);
}

TEST_F(DrawingTest, DragsPastEitherEndAreClampedOntoTheWaveform) {
  view->Graph().GetAxes().Item("XAxis").SetMinMax(-50.0, 200.0);
  Send(WM_DRAW_FREEHAND);
  Stroke(view, {At(view, 90, 1.0), At(view, 180, 1.0)});
  const Floats s = Samples();
  ASSERT_EQ(s.size(), 100u);
  EXPECT_NEAR(s[99], Y(At(view, 180, 1.0)), 1e-5);
  Send(WM_DRAW_LINE, 1);
  const QPoint start = At(view, 5, -1.0);
  Stroke(view, {start, At(view, -40, -1.0)});
  // Down to the first sample, which stands under the (clamped) mouse and is not part of it.
  EXPECT_EQ(Samples()[0], 0.0f);
  EXPECT_EQ(Samples()[1], Y(start));
  EXPECT_EQ(Samples()[P(start)], Y(start));
  EXPECT_EQ(Wave().thedata.GetSize(), 100u);
}

TEST_F(DrawingTest, LinesFollowTheMouseAndAreStoredAtTheRelease) {
  Send(WM_DRAW_LINE, 1);
  const QPoint level = At(view, 50, 0.5);
  Press(view, level);
  Move(view, At(view, 40, 1.5));
  Move(view, At(view, 45, 1.5));  // the first drag leaves no trail
  Release(view, At(view, 45, 1.5));
  const int p = P(level), end = P(At(view, 45, 1.5));
  for (int i = 0; i < 100; ++i) EXPECT_EQ(Samples()[i], i > end && i <= p ? Y(level) : 0.0f) << i;

  Send(WM_DRAW_LINE, 2);
  const QPoint anchor = At(view, 70, 0.0);
  Press(view, anchor);
  for (double y : {1.0, -1.5, 1.25}) Move(view, At(view, 80, y));
  Release(view, At(view, 80, 1.25));
  EXPECT_EQ(Samples()[P(anchor)], Y(At(view, 80, 1.25)));
  EXPECT_EQ(Samples()[P(anchor) + 1], 0.0f);
}

TEST_F(DrawingTest, ATwoPointLineIsPreviewedUntilTheRelease) {
  Wave().thedata[10] = 1.0f;
  DisplayDecimation(Wave());
  Send(WM_DRAW_LINE, 3);
  const QPoint from = At(view, 10, -1.0), to = At(view, 20, 1.5);
  Press(view, from);
  Move(view, to);
  EXPECT_TRUE(Model(view).plots[1]->visible);
  EXPECT_FLOAT_EQ(Plotted(view, 2)[P(to)], Y(to));
  EXPECT_EQ(Plotted(view, 1)[P(to)], 0.0f);  // the waveform as it was, until the release
  Release(view, to);
  EXPECT_FALSE(Model(view).plots[1]->visible);
  const Floats s = Samples();
  EXPECT_EQ(s[P(from)], 1.0f);  // the line starts at the wave's own value
  EXPECT_FLOAT_EQ(s[P(to)], Y(to));
  EXPECT_EQ(Plotted(view, 1), s);
  // A press and release without a move stores the samples as they were.
  Press(view, At(view, 50, 0.0));
  Release(view, At(view, 50, 0.0));
  EXPECT_EQ(Samples(), s);
}

TEST_F(DrawingTest, EachWindowUndoesItsOwnLastDrawingAndTheSixtyFifthDrawsToo) {
  for (int i = 0; i < 64; ++i) g_WaveArray.Add(MakeWave(("r" + std::to_string(i)).c_str(), {1, 2}));
  CPelmoranView* last = Open(MakeWave("65th", Floats(100, 0.0f)));
  ASSERT_EQ(last->FindWaveIndex(), 65);
  Send(WM_DRAW_FREEHAND);
  Stroke(last, {At(last, 10, 1.0), At(last, 20, 1.0)});
  ASSERT_NE(Items(Wave(65).thedata), Floats(100, 0.0f));
  // The first window draws too; each undo restores its own waveform.
  static_cast<CMDIChildWnd*>(view->GetParentFrame())->MDIActivate();
  Send(WM_DRAW_FREEHAND);
  Stroke(view, {At(view, 60, -1.0), At(view, 70, -1.0)});
  const Floats drawn = Items(Wave(65).thedata);
  Send(WM_UNDO_LAST_DRAW);
  EXPECT_EQ(Samples(), Floats(100, 0.0f));
  EXPECT_EQ(Items(Wave(65).thedata), drawn);
  static_cast<CMDIChildWnd*>(last->GetParentFrame())->MDIActivate();
  Send(WM_UNDO_LAST_DRAW);
  EXPECT_EQ(Items(Wave(65).thedata), Floats(100, 0.0f));
}

TEST_F(ViewTest, ALongWaveformIsDrawnAtTheSampleEachDisplayPositionStandsFor) {
  CPelmoranView* view = Open(MakeWave("long", Floats(10000000, 0.0f)));
  ASSERT_EQ(Wave().dispstep, 2);
  view->Graph().GetAxes().Item("XAxis").SetMinMax(0.0, 200.0);
  Send(WM_VIEW_OPTION, 3);  // the trace reads the sample under the mouse
  Wave().thedata[200] = 0.75f;
  const QPoint at = At(view, 100, 1.0);
  ASSERT_EQ(std::trunc(ValueXAt(view, at) + 0.5), 100.0);
  ForgetTold();
  Move(view, at);
  ASSERT_EQ(Told(WM_TRACK_READOUT).size(), 1u);
  EXPECT_EQ(Told(WM_TRACK_READOUT)[0].track.value, 0.75);
  Send(WM_DRAW_FREEHAND);
  Press(view, at);
  Release(view, at);
  EXPECT_FLOAT_EQ(Wave().thedata[200], static_cast<float>(ValueYAt(view, at)));
  EXPECT_EQ(Wave().thedata[201], 0.0f);
}

}  // namespace
