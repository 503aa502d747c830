#pragma once
// The view's tests run real waveform windows offscreen: a main frame with
// the document template (ViewFrames.h), records appended as a producer
// appends them, messages sent to the main frame as its menu commands send
// them, and the mouse pressed, moved and released on the real graph.

#include "ViewFrames.h"
#include "WaveTestSupport.h"

#include "controls/GraphControl.h"
#include "platform/services/tests/FakeServices.h"
#include "platform/window/WinApp.h"
#include "waveform/WaveCollections.h"
#include "waveform/view/PelmoranView.h"

#include <QObject>
#include <QPoint>
#include <gtest/gtest.h>

#include <functional>

#include <string>
#include <vector>

// A record as the new-waveform dialog makes it: the samples, a span of 4 V
// around 0, a period of 1 ms at 1 kHz, shape 0 (so its read-outs show).
CWaveData MakeWave(const char* name, const Floats& samples);

// The edit commands by their WM_EDIT_OP codes.
enum Op : WPARAM { kUndo, kRedo, kCut, kDelete, kPaste, kCopy, kSelectAll, kFlipH, kFlipV };

class QMenu;

// While alive, hands each popup menu that shows (the context menu) to
// answer, queued into the loop that runs the menu.
class MenuWatcher : public QObject {
 public:
  explicit MenuWatcher(std::function<void(QMenu*)> answer);
  ~MenuWatcher() override;
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  std::function<void(QMenu*)> answer_;
};

class ViewTest : public ::testing::Test {
 public:
  static void SetUpTestSuite();

 protected:
  void SetUp() override;
  void TearDown() override;

  // Appends the record (with its history and name) and opens its window, as
  // a producer does; the new window's view.
  CPelmoranView* Open(const CWaveData& record);
  // A window on a waveform without samples; text 302 (which refuses what
  // needs samples) reads "no samples".
  CPelmoranView* OpenEmpty();
  CWaveData& Wave(int index = 0) { return g_WaveArray[index]; }
  // To the main frame, which relays it to the active view.
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  services::FakeServices& Fake() { return *services::FakeServices::Active(); }

 public:
  // The graph's model and mouse: positions in the graph's own units.
  static hosted::Graph& Model(CPelmoranView* view);
  static QPoint At(CPelmoranView* view, double x, double y);
  static double ValueXAt(CPelmoranView* view, QPoint at);
  static double ValueYAt(CPelmoranView* view, QPoint at);
  static void Press(CPelmoranView* view, QPoint at, Qt::MouseButton button = Qt::LeftButton);
  static void Move(CPelmoranView* view, QPoint at);
  static void Release(CPelmoranView* view, QPoint at, Qt::MouseButton button = Qt::LeftButton);
  // Press at the first point, move through the others, release at the last.
  static void Stroke(CPelmoranView* view, const std::vector<QPoint>& points);
  // The samples plot p shows now.
  static Floats Plotted(CPelmoranView* view, int plot);

 protected:
  // What the view told the main frame, of one kind.
  std::vector<ToldFrame> Told(UINT message) const { return main_->Told(message); }
  void ForgetTold() { main_->told.clear(); }

  CWinApp app_{"Pelmoran"};
  CTestMainFrame* main_ = nullptr;
};
