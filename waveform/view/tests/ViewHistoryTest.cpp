// Every way the view changes a waveform's samples is one step of its
// history: the edit commands, smoothing, the four strokes, points by mouse
// and by table, the equation result and Undo Last Draw. Each is undone
// exactly by one Undo and brought back exactly by one Redo, whatever came
// before it.
#include "ViewTestFixture.h"

#include "waveform/WaveMessages.h"

#include <cmath>
#include <functional>
#include <string>

namespace {

// 100 samples no step of which leaves them as they are: a slow wave with a
// little of each index in it, well inside the span of 4 V.
Floats Start() {
  Floats values(100);
  for (int i = 0; i < 100; ++i) values[i] = static_cast<float>(std::sin(i * 0.1) + (i % 7) * 0.03);
  return values;
}

class HistoryTest : public ViewTest {
 public:
  // The user's steps, for the rows below.
  void SendFrame(UINT message, WPARAM wParam = 0) { Send(message, wParam); }
  // The cursors shown at display positions a and b, and an edit command.
  void Edit(CPelmoranView* view, WPARAM op, double a, double b) {
    if (!Wave(view->FindWaveIndex()).cursorson) view->SendMessage(WM_VIEW_OPTION, 0);
    const double span = Wave(view->FindWaveIndex()).displaylen;
    double ta = (a + 1e-9) / span, tb = (b + 1e-9) / span;
    view->SendMessage(WM_SET_CURSOR_POS, reinterpret_cast<WPARAM>(&ta), 0);
    view->SendMessage(WM_SET_CURSOR_POS, reinterpret_cast<WPARAM>(&tb), 1);
    Send(WM_EDIT_OP, op);
  }
  void Freehand(CPelmoranView* view) {
    Send(WM_DRAW_FREEHAND);
    Stroke(view, {At(view, 10, 1.0), At(view, 25, 1.5), At(view, 40, -1.0)});
  }
  // A line of kind 1 horizontal, 2 vertical, 3 two-point, as the frame's
  // line commands enter it.
  void Line(CPelmoranView* view, WPARAM kind, const std::vector<QPoint>& points) {
    Send(WM_DRAW_FREEHAND);
    Send(WM_DRAW_LINE, kind);
    Stroke(view, points);
  }
  void Click(CPelmoranView* view, double x, double y) {
    Press(view, At(view, x, y));
    Release(view, At(view, x, y));
  }

 protected:
  void TearDown() override {
    g_pTablePoints.clear();
    ViewTest::TearDown();
  }
  // A new window of its own on the start samples, the active one.
  CPelmoranView* OpenStart() {
    const std::string name = "w" + std::to_string(g_WaveArray.GetSize());
    return Open(MakeWave(name.c_str(), Start()));
  }
  Floats Samples(CPelmoranView* view) { return Items(Wave(view->FindWaveIndex()).thedata); }
  int States(CPelmoranView* view) {
    return g_WaveStore.GetEntry(view->FindWaveIndex()).history.GetStateCount();
  }
};

using Action = std::function<void(HistoryTest&, CPelmoranView*)>;

struct ChangeRow {
  const char* name;
  Action prepare;  // at most one step, before the change
  Action change;
};

SplinePoint TablePoint(int index, double value) {
  SplinePoint p;
  p.index = index;
  p.value = value;
  return p;
}

void LinearFill(int points) {
  g_nSplinePointCount = points;
  g_bLinearFill = true;
  g_bSplineFill = false;
}

const ChangeRow kChanges[] = {
    {"delete", nullptr, [](HistoryTest& t, CPelmoranView* v) { t.Edit(v, kDelete, 10, 30); }},
    {"cut", nullptr, [](HistoryTest& t, CPelmoranView* v) { t.Edit(v, kCut, 50, 55); }},
    {"flip vertically", nullptr,
     [](HistoryTest& t, CPelmoranView* v) { t.Edit(v, kFlipV, 5, 60); }},
    {"flip horizontally", nullptr,
     [](HistoryTest& t, CPelmoranView* v) { t.Edit(v, kFlipH, 5, 60); }},
    {"paste", [](HistoryTest& t, CPelmoranView* v) { t.Edit(v, kCut, 0, 20); },
     [](HistoryTest& t, CPelmoranView*) { t.SendFrame(WM_EDIT_OP, kPaste); }},
    {"smoothing", nullptr, [](HistoryTest& t, CPelmoranView*) { t.SendFrame(WM_SMOOTH); }},
    {"free-hand stroke", nullptr, [](HistoryTest& t, CPelmoranView* v) { t.Freehand(v); }},
    {"horizontal line", nullptr,
     [](HistoryTest& t, CPelmoranView* v) {
       t.Line(v, 1, {ViewTest::At(v, 20, 1.5), ViewTest::At(v, 50, 0)});
     }},
    {"vertical line", nullptr,
     [](HistoryTest& t, CPelmoranView* v) {
       t.Line(v, 2, {ViewTest::At(v, 30, 0), ViewTest::At(v, 30, 1.7)});
     }},
    {"two-point line", nullptr,
     [](HistoryTest& t, CPelmoranView* v) {
       t.Line(v, 3, {ViewTest::At(v, 10, 0), ViewTest::At(v, 60, 1.8)});
     }},
    {"points by mouse", [](HistoryTest&, CPelmoranView*) { LinearFill(2); },
     [](HistoryTest& t, CPelmoranView* v) {
       t.SendFrame(WM_DRAW_POINTS, 0);
       t.Click(v, 20, 1.0);
       t.Click(v, 80, -1.0);
     }},
    {"points from the table",
     [](HistoryTest&, CPelmoranView*) {
       LinearFill(2);
       g_pTablePoints = {TablePoint(0, 0.0), TablePoint(30, 1.5), TablePoint(90, -0.5)};
     },
     [](HistoryTest& t, CPelmoranView*) { t.SendFrame(WM_DRAW_POINTS, 1); }},
    {"equation result",
     [](HistoryTest&, CPelmoranView*) {
       g_EquationWave = SG::CSgScalarVector<float>(100, 0.0f);
       for (unsigned i = 0; i < 100; ++i) g_EquationWave[i] = 0.02f * static_cast<float>(i) - 1;
     },
     [](HistoryTest& t, CPelmoranView*) { t.SendFrame(WM_APPLY_EQUATION); }},
    {"undo last draw", [](HistoryTest& t, CPelmoranView* v) { t.Freehand(v); },
     [](HistoryTest& t, CPelmoranView*) { t.SendFrame(WM_UNDO_LAST_DRAW); }},
};

// Each change on a waveform of its own: one Undo shows exactly the samples
// from before it, a second changes nothing (the change was one step, and
// the only one), and Redo shows exactly the samples it made. The plot shows
// what the record holds at every step.
TEST_F(HistoryTest, EveryChangeIsOneStepUndoneAndRedoneExactly) {
  for (const ChangeRow& row : kChanges) {
    SCOPED_TRACE(row.name);
    CPelmoranView* view = OpenStart();
    if (row.prepare) row.prepare(*this, view);
    const Floats before = Samples(view);
    const int states = States(view);
    row.change(*this, view);
    const Floats after = Samples(view);
    ASSERT_NE(after, before);
    EXPECT_EQ(States(view), states == 0 ? 2 : states + 1);

    Send(WM_EDIT_OP, kUndo);
    EXPECT_EQ(Samples(view), before);
    EXPECT_EQ(Plotted(view, 1), before);
    EXPECT_FALSE(Wave(view->FindWaveIndex()).saved);
    Send(WM_EDIT_OP, kRedo);
    EXPECT_EQ(Samples(view), after);
    EXPECT_EQ(Plotted(view, 1), after);
    Send(WM_EDIT_OP, kRedo);  // the newest state: nothing further
    EXPECT_EQ(Samples(view), after);
    // Two undos reach the start: the preparation was at most one step.
    Send(WM_EDIT_OP, kUndo);
    Send(WM_EDIT_OP, kUndo);
    EXPECT_EQ(Samples(view), Start());
  }
}

// Undo Last Draw still puts back the samples from before the last drawing,
// however many steps came after it, and twice in a row the same samples;
// the second, changing nothing, adds no step.
TEST_F(HistoryTest, UndoLastDrawStillRestoresTheLastDrawingsSnapshot) {
  CPelmoranView* view = OpenStart();
  const Floats start = Samples(view);
  Edit(view, kDelete, 0, 10);
  const Floats deleted = Samples(view);
  Freehand(view);
  ASSERT_NE(Samples(view), deleted);
  Edit(view, kFlipV, 30, 50);
  Send(WM_UNDO_LAST_DRAW);
  EXPECT_EQ(Samples(view), deleted);
  EXPECT_EQ(Plotted(view, 1), deleted);
  const int states = States(view);
  Send(WM_UNDO_LAST_DRAW);
  EXPECT_EQ(Samples(view), deleted);
  EXPECT_EQ(States(view), states);
  // Back through the flip, the stroke and the delete to the start.
  for (int i = 0; i < 4; ++i) Send(WM_EDIT_OP, kUndo);
  EXPECT_EQ(Samples(view), start);
}

}  // namespace

namespace {

// Dragging a point of a point drawing refills the waveform at every move:
// the moves continue the drawing's step rather than each adding a whole
// copy of the samples. After an undo and a redo a drag is a step of its own.
TEST_F(HistoryTest, DraggingAPointContinuesThePointDrawingsStep) {
  CPelmoranView* view = OpenStart();
  LinearFill(1);
  SendFrame(WM_DRAW_POINTS, 0);
  Click(view, 50, 1.0);
  ASSERT_EQ(States(view), 2);
  const Floats drawn = Samples(view);
  Stroke(view, {At(view, 50, 1.0), At(view, 60, 0.5), At(view, 70, -0.5)});
  const Floats dragged = Samples(view);
  ASSERT_NE(dragged, drawn);
  EXPECT_EQ(States(view), 2);
  Send(WM_EDIT_OP, kUndo);
  EXPECT_EQ(Samples(view), Start());
  Send(WM_EDIT_OP, kRedo);
  EXPECT_EQ(Samples(view), dragged);
  Stroke(view, {At(view, 70, -0.5), At(view, 40, 1.5)});
  EXPECT_EQ(States(view), 3);
  Send(WM_EDIT_OP, kUndo);
  EXPECT_EQ(Samples(view), dragged);
}

}  // namespace
