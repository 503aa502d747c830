// How the view shows its waveform: the cursor line and the cursors dragged
// on the graph or placed by a typed time, grid, point view and cursor
// trace, the colours, the refresh after a tool changed the waveform, and
// the drawing pointer.
#include "ViewTestFixture.h"

#include "platform/window/Cursors.h"
#include "platform/window/tests/UiTestKit.h"

#include <cmath>

namespace {

class PresentationTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    view = Open(MakeWave("w", Ramp(16384)));
  }
  const hosted::Cursor& Cursor(int index) { return *Model(view).cursors.at(index - 1); }
  CPelmoranView* view = nullptr;
};

TEST_F(PresentationTest, TheCursorLineShowsBothCursorsAtAFifthAndFourFifths) {
  Send(WM_VIEW_OPTION, 0);
  EXPECT_TRUE(Cursor(1).visible);
  EXPECT_TRUE(Cursor(3).visible);
  EXPECT_DOUBLE_EQ(Cursor(1).x, 16384 * 0.2);
  EXPECT_DOUBLE_EQ(Cursor(3).x, 16384 * 0.8);
  // The record keeps the fractions: they select samples on a long waveform.
  EXPECT_DOUBLE_EQ(Wave().cursor1, 16384 * 0.2);
  EXPECT_DOUBLE_EQ(Wave().cursor2, 16384 * 0.8);
  EXPECT_TRUE(Wave().cursorson);
  EXPECT_TRUE(g_bEditEnable);
  const auto readouts = Told(WM_CURSOR_READOUT);
  ASSERT_EQ(readouts.size(), 2u);
  EXPECT_EQ(readouts[0].lParam, 0);
  EXPECT_DOUBLE_EQ(readouts[0].cursor.position, 16384 * 0.2);
  EXPECT_EQ(readouts[0].cursor.period, 1.0);
  EXPECT_EQ(readouts[0].cursor.value, 3277.0f);  // the wave's value under it
  EXPECT_EQ(readouts[1].lParam, 1);
  EXPECT_EQ(Told(WM_STATUS_TEXT).back().wParam, 1u);
  EXPECT_EQ(Model(view).interactionMode, view::kCursorMode);
  EXPECT_EQ(Cursor(1).moveMode, view::kMoveFree);  // pinned only while the option runs

  Send(WM_VIEW_OPTION, 0);
  EXPECT_FALSE(Cursor(1).visible);
  EXPECT_FALSE(Wave().cursorson);
  EXPECT_FALSE(g_bEditEnable);
  EXPECT_EQ(Told(WM_STATUS_TEXT).back().wParam, 0u);
  EXPECT_EQ(Model(view).interactionMode, view::kDrawingMode);
}

TEST_F(PresentationTest, HidingTheCursorsWhilePointsArePlacedLeavesTheGraphAsItIs) {
  Send(WM_VIEW_OPTION, 0);
  view->Graph().GetCursors().Add().SetName("SplineCursor1");
  Send(WM_VIEW_OPTION, 0);
  EXPECT_FALSE(Cursor(1).visible);
  EXPECT_EQ(Cursor(1).moveMode, view::kMovePinned);
  EXPECT_EQ(Model(view).interactionMode, view::kCursorMode);
}

TEST_F(PresentationTest, DraggedCursorsNeitherPassEachOtherNorLeaveTheWaveform) {
  Send(WM_VIEW_OPTION, 0);
  ForgetTold();
  // Cursor1 dragged past Cursor2 stops on it.
  Stroke(view, {At(view, 3277, 0), At(view, 8000, 0), At(view, 15000, 0)});
  EXPECT_EQ(Cursor(1).x, 13107.0);
  EXPECT_EQ(Wave().cursor1, 13107);
  ASSERT_FALSE(Told(WM_CURSOR_READOUT).empty());
  EXPECT_EQ(Told(WM_CURSOR_READOUT).back().lParam, 0);
  EXPECT_EQ(g_dCursor1X, 13107.0);  // the frame keeps what the view reported
  // Cursor2 dragged past the end stops on the last display position.
  Send(WM_VIEW_OPTION, 0);
  Send(WM_VIEW_OPTION, 0);
  view->Graph().GetAxes().Item("XAxis").SetMinMax(0.0, 20000.0);
  Stroke(view, {At(view, 13107, 0), At(view, 19000, 0)});
  EXPECT_EQ(Cursor(3).x, 16383.0);
  EXPECT_EQ(Wave().cursor2, 16383);
  // Cursor2 dragged left of Cursor1 stops on it.
  Stroke(view, {At(view, 16383, 0), At(view, 10, 0)});
  EXPECT_EQ(Cursor(3).x, 3276.0);
}

struct TypedTimeRow {
  const char* name;
  double time;
  double position;
};

TEST_F(PresentationTest, ATypedTimePlacesTheCursorWithinTheWaveform) {
  const TypedTimeRow rows[] = {
      {"inside", 0.5, 8192.0}, {"above the span", 7.0, 16383.0}, {"negative", -1.0, 0.0}};
  Send(WM_VIEW_OPTION, 0);
  for (const TypedTimeRow& r : rows) {
    SCOPED_TRACE(r.name);
    double t = r.time;
    ForgetTold();
    Send(WM_SET_CURSOR_POS, reinterpret_cast<WPARAM>(&t), 1);
    EXPECT_EQ(Cursor(3).x, r.position);
    EXPECT_EQ(Wave().cursor2, static_cast<int>(r.position));
    // The read-out follows: the value is the waveform's at the new place.
    const auto told = Told(WM_CURSOR_READOUT);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].lParam, 1);
    EXPECT_EQ(told[0].cursor.position, r.position);
    EXPECT_EQ(told[0].cursor.value, Wave().showdata[static_cast<unsigned>(r.position)]);
  }
  double t = 0.25;  // hidden cursors do not move
  Send(WM_VIEW_OPTION, 0);
  Send(WM_SET_CURSOR_POS, reinterpret_cast<WPARAM>(&t), 0);
  EXPECT_EQ(Cursor(1).x, 16384 * 0.2);
  Wave().period = 0.0;  // no span to place it in: the start, not a division by zero
  Send(WM_VIEW_OPTION, 0);
  Send(WM_SET_CURSOR_POS, reinterpret_cast<WPARAM>(&t), 0);
  EXPECT_EQ(Cursor(1).x, 0.0);
}

TEST_F(PresentationTest, GridAndPointViewToggle) {
  Send(WM_VIEW_OPTION, 1);
  EXPECT_FALSE(Wave().grid);
  EXPECT_FALSE(Model(view).axes[0]->ticks->gridLines);
  EXPECT_FALSE(Model(view).axes[1]->ticks->subGridLines);
  EXPECT_FALSE(Model(view).axes[0]->valuePairGrid);
  Send(WM_VIEW_OPTION, 1);
  EXPECT_TRUE(Model(view).axes[1]->ticks->gridLines);

  Send(WM_VIEW_OPTION, 2);
  EXPECT_TRUE(Wave().pointview);
  EXPECT_EQ(Model(view).plots[0]->style, view::kPointStyle);
  Send(WM_VIEW_OPTION, 2);
  EXPECT_EQ(Model(view).plots[0]->style, view::kLineStyle);
}

TEST_F(PresentationTest, PointViewAndTraceOfAWaveformWithoutSamplesAreRefused) {
  CPelmoranView* empty = OpenEmpty();
  ScriptedBoxes boxes;
  boxes.Expect(IDOK, "no samples");
  boxes.Expect(IDOK, "no samples");
  Send(WM_VIEW_OPTION, 2);
  Send(WM_VIEW_OPTION, 3);
  EXPECT_FALSE(Wave(1).pointview);
  EXPECT_FALSE(Wave(1).tracking);
  EXPECT_FALSE(Model(empty).cursors[1]->visible);
}

TEST_F(PresentationTest, TheTraceFollowsTheWaveUnderTheMouse) {
  Send(WM_VIEW_OPTION, 0);
  Send(WM_VIEW_OPTION, 3);
  EXPECT_TRUE(Wave().tracking);
  EXPECT_FALSE(Wave().cursorson);
  EXPECT_FALSE(Cursor(1).visible);
  EXPECT_EQ(Cursor(2).moveMode, view::kMoveFollow);
  ForgetTold();
  const QPoint at = At(view, 500, 1.0);
  Move(view, at);
  ASSERT_EQ(Told(WM_TRACK_READOUT).size(), 1u);
  const TrackReadout r = Told(WM_TRACK_READOUT)[0].track;
  const double p = std::trunc(ValueXAt(view, at) + 0.5);  // the nearest display position
  EXPECT_EQ(r.position, p);
  EXPECT_EQ(r.value, p);  // the wave's own value there (a ramp), not the mouse's
  EXPECT_EQ(r.timeunit, 2);
  EXPECT_EQ(r.timespan, 1.0);
  EXPECT_TRUE(Cursor(2).visible);
  EXPECT_EQ(Cursor(2).x, p);
  // Off again: the mouse's own level is read out.
  Send(WM_VIEW_OPTION, 3);
  EXPECT_FALSE(Cursor(2).visible);
  ForgetTold();
  const QPoint next = at + QPoint(5, 5);
  Move(view, next);
  ASSERT_EQ(Told(WM_TRACK_READOUT).size(), 1u);
  EXPECT_DOUBLE_EQ(Told(WM_TRACK_READOUT)[0].track.value, ValueYAt(view, next));
}

TEST_F(PresentationTest, ColoursComeFromTheirTables) {
  for (int role = 0; role < 5; ++role) g_ColorsB[role] = SG::CSgColor(10 * role + 1, 2, 3);
  Send(WM_SET_COLORS, 7);  // no such choice
  EXPECT_NE(Model(view).background, RGB(11, 2, 3));
  Send(WM_SET_COLORS, 2);
  EXPECT_EQ(Model(view).background, RGB(11, 2, 3));
  EXPECT_NE(Model(view).plots[0]->lineColor, RGB(1, 2, 3));
  Send(WM_SET_COLORS, 6);
  EXPECT_EQ(Model(view).plots[1]->lineColor, RGB(1, 2, 3));
  EXPECT_EQ(Model(view).plots[2]->pointColor, RGB(1, 2, 3));
  EXPECT_EQ(Model(view).axes[1]->ticks->gridColor, RGB(21, 2, 3));
  EXPECT_EQ(Model(view).cursors[2]->color, RGB(41, 2, 3));
  Send(WM_SET_COLORS, 0);  // the graph's own again
  EXPECT_EQ(SG::CSgColor(Model(view).background), g_ColorsA[1]);
  EXPECT_EQ(SG::CSgColor(Model(view).cursors[0]->color), g_ColorsA[3]);
}

TEST_F(PresentationTest, ARefreshRebuildsTheGraphOfItsOwnWaveformOnly) {
  CPelmoranView* other = Open(MakeWave("other", Floats(100, 1.0f)));
  // A tool changed waveform 0 (vpp 2 mV around an offset of 1 V): its window comes to the front.
  Wave(0).thedata = SG::CSgScalarVector<float>(100, 2.0f);
  DisplayDecimation(Wave(0));
  Wave(0).vpp = 2.0;
  Wave(0).vppunit = 1;
  Wave(0).offset = 1.0;
  Wave(0).saved = true;
  Send(WM_WAVE_UPDATE, kWaveUpdateActiveChanged);  // the active window's record: "other"
  EXPECT_EQ(Model(other).axes[0]->maximum, 100.0);
  Send(WM_WAVE_UPDATE, 0);
  EXPECT_EQ(main_->ActiveView(), view);
  EXPECT_EQ(Plotted(view, 1), Floats(100, 2.0f));
  EXPECT_EQ(Model(view).axes[0]->maximum, 100.0);
  EXPECT_FALSE(Wave(0).saved);
  // Sent straight to the other window, the index of waveform 0 changes nothing there.
  Wave(1).saved = true;
  other->SendMessage(WM_WAVE_UPDATE, 0);
  EXPECT_EQ(Plotted(other, 1), Floats(100, 1.0f));
  EXPECT_TRUE(Wave(1).saved);
  // The standard generator's refresh: the Y axis around the offset in the amplitude's unit.
  Wave(0).saved = true;
  Send(WM_WAVE_UPDATE, kWaveUpdateActiveChanged);
  EXPECT_EQ(Model(view).axes[1]->maximum, 1001.0);  // 1 V = 1000 mV, plus 1 mV
  EXPECT_EQ(Model(view).axes[1]->minimum, 999.0);
  EXPECT_FALSE(Wave(0).saved);
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(view->m_hWnd, view::kHScroll)));
}

TEST_F(PresentationTest, AFreshWindowOfAWaveformReadBackChangesOnlyItsAxes) {
  CWaveData read = MakeWave("read", Floats(50, 1.0f));
  read.span = 8.0;
  CPelmoranView* fresh = Open(read);
  Model(fresh).plots[0]->data.reset();
  Send(WM_WAVE_UPDATE, kWaveUpdateReplotNewest);
  EXPECT_EQ(Model(fresh).axes[0]->maximum, 50.0);
  EXPECT_EQ(Model(fresh).axes[1]->maximum, 4.0);
  EXPECT_TRUE(Plotted(fresh, 1).empty());
  EXPECT_FALSE(Wave(1).saved);  // never saved: its window asks before it closes
}

TEST_F(PresentationTest, TheCursorsComeBackAfterThePreviewOnlyWhenTheyWereOn) {
  Send(WM_SHOW_CURSORS);
  EXPECT_FALSE(Cursor(1).visible);
  Send(WM_VIEW_OPTION, 0);
  view->Graph().GetCursors().Item("Cursor1").SetVisible(false);
  view->Graph().SetInteractionMode(view::kDrawingMode);
  Send(WM_SHOW_CURSORS);
  EXPECT_TRUE(Cursor(1).visible);
  EXPECT_EQ(Model(view).interactionMode, view::kCursorMode);
}

TEST_F(PresentationTest, DrawingModesShowTheDrawingPointer) {
  EXPECT_FALSE(view->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(view->m_hWnd), HTCLIENT));
  Send(WM_DRAW_FREEHAND);
  EXPECT_TRUE(view->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(view->m_hWnd), HTCLIENT));
  EXPECT_EQ(::GetCursor(), ::LoadCursor(nullptr, view::kDrawingPointer));
}

}  // namespace
