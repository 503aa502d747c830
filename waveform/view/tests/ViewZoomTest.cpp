// Zoom: the kinds dragged out on the real graph, the pan trackbars that
// follow, the whole waveform at once and the way back.
#include "ViewTestFixture.h"

#include "platform/window/tests/UiTestKit.h"

#include <QTest>
#include <QWidget>

namespace {

enum Zoom : WPARAM { kHorizontal, kVertical, kRegion, kWhole, kNone, kBack };

class ZoomTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    CWaveData wave = MakeWave("w", Ramp(1000));
    wave.span = 2000.0;
    wave.offset = 500.0;
    view = Open(wave);
    Send(WM_VIEW_OPTION, 0);  // the cursors on: a zoom takes them away
  }
  const hosted::Axis& X() { return *Model(view).axes[0]; }
  const hosted::Axis& Y() { return *Model(view).axes[1]; }
  // A pan trackbar of the form, by id.
  HWND Bar(int id) { return ::GetDlgItem(view->m_hWnd, id); }
  int Pos(int id) { return static_cast<int>(::SendMessage(Bar(id), SBM_GETPOS, 0, 0)); }
  void SetPos(int id, int pos) { ::SendMessage(Bar(id), SBM_SETPOS, pos, 0); }
  int RangeMax(int id) { return static_cast<int>(::SendMessage(Bar(id), TBM_GETRANGEMAX, 0, 0)); }
  int PageSize(int id) { return static_cast<int>(::SendMessage(Bar(id), TBM_GETPAGESIZE, 0, 0)); }
  // The trackbar's report of a move, as its parent gets it.
  void Scroll(UINT message, int id, UINT code) {
    view->SendMessage(message, MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(Pos(id))),
                      reinterpret_cast<LPARAM>(Bar(id)));
  }
  bool Shown(int id) { return ::IsWindowVisible(Bar(id)); }

  CPelmoranView* view = nullptr;
};

TEST_F(ZoomTest, EachInteractiveZoomHidesTheCursorsAndHandsTheGraphItsMode) {
  const std::pair<Zoom, LONG> rows[] = {{kHorizontal, view::kHorizontalZoom},
                                        {kVertical, view::kVerticalZoom},
                                        {kRegion, view::kRegionZoom}};
  for (auto [zoom, mode] : rows) {
    if (!Wave().cursorson) Send(WM_VIEW_OPTION, 0);
    ASSERT_TRUE(Wave().cursorson);
    Send(WM_ZOOM, zoom);
    EXPECT_EQ(Model(view).interactionMode, mode);
    EXPECT_EQ(g_nZoomKind, static_cast<int>(zoom) + 1);
    EXPECT_FALSE(Wave().cursorson);
    EXPECT_FALSE(g_bEditEnable);
    EXPECT_FALSE(Model(view).cursors[0]->visible);
    EXPECT_EQ(Told(WM_STATUS_TEXT).back().wParam, 3u);
  }
}

TEST_F(ZoomTest, ARegionDraggedOutShowsBothPanBarsAndTheyMoveTheAxes) {
  Send(WM_ZOOM, kRegion);
  EXPECT_FALSE(Shown(view::kHScroll));
  Stroke(view, {At(view, 200, 600), At(view, 300, 500), At(view, 400, 300)});
  EXPECT_TRUE(Shown(view::kHScroll));
  EXPECT_TRUE(Shown(view::kVScroll));
  const double xmin = X().minimum, width = X().maximum - X().minimum;
  const double height = Y().maximum - Y().minimum;
  EXPECT_NEAR(xmin, 200, 5);
  EXPECT_NEAR(width, 200, 5);
  // The horizontal bar spans what is left of the display beside the visible width.
  EXPECT_EQ(RangeMax(view::kHScroll), static_cast<int>(1000 - width));
  EXPECT_EQ(Pos(view::kHScroll), static_cast<int>(xmin));
  EXPECT_EQ(PageSize(view::kHScroll), static_cast<int>(1000 - width) / 20);
  // At the top of its range the vertical bar shows the record's own top,
  // offset + span / 2, and keeps the height dragged out.
  SetPos(view::kVScroll, 0);
  Scroll(WM_VSCROLL, view::kVScroll, SB_THUMBTRACK);
  EXPECT_DOUBLE_EQ(Y().maximum, 1500.0);
  EXPECT_DOUBLE_EQ(Y().maximum - Y().minimum, height);
  SetPos(view::kVScroll, 25);
  Scroll(WM_VSCROLL, view::kVScroll, SB_THUMBTRACK);
  EXPECT_DOUBLE_EQ(Y().maximum, 1000.0);
  // Horizontal: the bar's position is the X axis's new start, the width kept.
  SetPos(view::kHScroll, 100);
  Scroll(WM_HSCROLL, view::kHScroll, SB_THUMBTRACK);
  EXPECT_DOUBLE_EQ(X().minimum, 100.0);
  EXPECT_DOUBLE_EQ(X().maximum, 100.0 + width);
  Scroll(WM_HSCROLL, view::kHScroll, SB_BOTTOM);
  EXPECT_DOUBLE_EQ(X().minimum, RangeMax(view::kHScroll));
  SetPos(view::kHScroll, 7);
  Scroll(WM_HSCROLL, view::kHScroll, SB_ENDSCROLL);  // the end of a scroll changes nothing
  EXPECT_DOUBLE_EQ(X().minimum, RangeMax(view::kHScroll));
}

// The user's own moves of the horizontal bar, by keys and by a click in its
// groove: the axis starts where the bar now stands, not where it stood.
TEST_F(ZoomTest, ThePanBarMovedByKeysAndClicksMovesTheAxisWithIt) {
  Send(WM_ZOOM, kHorizontal);
  Stroke(view, {At(view, 200, 600), At(view, 400, 300)});
  ASSERT_TRUE(Shown(view::kHScroll));
  QWidget* bar = WidgetOf(Bar(view::kHScroll));
  const double width = X().maximum - X().minimum;
  const int start = Pos(view::kHScroll), page = PageSize(view::kHScroll);
  ASSERT_GT(page, 1);

  QTest::keyClick(bar, Qt::Key_Right);
  EXPECT_EQ(Pos(view::kHScroll), start + 1);
  EXPECT_DOUBLE_EQ(X().minimum, start + 1);
  QTest::keyClick(bar, Qt::Key_PageDown);  // toward the end, as the platform's trackbar pages
  EXPECT_EQ(Pos(view::kHScroll), start + 1 + page);
  EXPECT_DOUBLE_EQ(X().minimum, start + 1 + page);
  QTest::keyClick(bar, Qt::Key_PageUp);
  EXPECT_DOUBLE_EQ(X().minimum, start + 1);
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                    QPoint(bar->width() - 4, bar->height() / 2));
  EXPECT_EQ(Pos(view::kHScroll), start + 1 + page);
  EXPECT_DOUBLE_EQ(X().minimum, start + 1 + page);
  EXPECT_DOUBLE_EQ(X().maximum - X().minimum, width);
}

TEST_F(ZoomTest, AHorizontalZoomShowsOnlyTheHorizontalBar) {
  Send(WM_ZOOM, kHorizontal);
  Stroke(view, {At(view, 200, 600), At(view, 400, 300)});
  EXPECT_TRUE(Shown(view::kHScroll));
  EXPECT_FALSE(Shown(view::kVScroll));
  EXPECT_DOUBLE_EQ(Y().maximum, 1500.0);  // a horizontal zoom keeps the Y axis
}

TEST_F(ZoomTest, TheWholeWaveformIncludesTheZeroLineAndBackRestoresTheRecordsAxes) {
  for (int i = 0; i < 1000; ++i) Wave().thedata[i] = 1.0f + (i % 3);
  Send(WM_ZOOM, kWhole);
  EXPECT_EQ(X().minimum, 0.0);
  EXPECT_EQ(X().maximum, 1000.0);
  EXPECT_EQ(Y().minimum, 0.0);
  EXPECT_EQ(Y().maximum, 3.0);
  EXPECT_FALSE(Shown(view::kHScroll));
  EXPECT_EQ(Pos(view::kVScroll), 0);

  Send(WM_ZOOM, kVertical);
  g_nZoomKind = 0;  // as the frame's undo-zoom command does first
  Send(WM_ZOOM, kBack);
  EXPECT_EQ(X().maximum, 999.0);  // one less than the whole waveform's
  EXPECT_EQ(Y().maximum, 1500.0);
  EXPECT_EQ(Y().minimum, -500.0);
  EXPECT_EQ(Model(view).interactionMode, view::kCursorMode);
  EXPECT_EQ(g_nZoomKind, 0);
  EXPECT_FALSE(Model(view).cursors[0]->visible);  // they come back with the cursor line
  EXPECT_EQ(Told(WM_STATUS_TEXT).back().wParam, 0u);
}

TEST_F(ZoomTest, AnUnknownZoomOnlyHidesTheCursorsAndAnEmptyWaveformRefuses) {
  const LONG mode = Model(view).interactionMode;
  Send(WM_ZOOM, kNone);
  EXPECT_FALSE(Wave().cursorson);
  EXPECT_EQ(Model(view).interactionMode, mode);
  OpenEmpty();
  ScriptedBoxes boxes;
  boxes.Expect(IDOK, "no samples");
  Send(WM_ZOOM, kRegion);
  EXPECT_EQ(g_nZoomKind, 0);
}

}  // namespace
