#pragma once
// What the hosted graph shows: plots, axes with ticks and value pairs,
// cursors and the graph's own colours and interaction mode. The control's
// objects edit it, the renderer draws it, the widget turns the mouse into
// changes and events. Sample data is shared and immutable once plotted, so
// a picture of the graph costs no copy of the samples.

#include "containers/SgAllocate.h"
#include "controls/SlotValues.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace hosted {

using COLORREF = DWORD;

// The storage of a plot's samples: a long record's copy lies on huge pages,
// as the record's own arrays do, and is never zeroed before it is written.
using SG::SampleVector;

// One plot's samples in the element type they arrived in.
struct SampleData {
  std::variant<SampleVector<float>, SampleVector<double>> values;
  uint64_t version = 0;   // bumped whenever the values are rewritten in place
  std::vector<double> x;  // empty: sample i sits at first + i * step
  size_t Size() const;
  double At(size_t i) const;
};

struct Ticks {
  bool gridLines = false;
  bool subGridLines = false;
  COLORREF gridColor = 0x00404040;
  SG::SlotBag bag;
};

struct ValuePair {
  std::string name;
  double value = 0.0;
  SG::SlotBag bag;
};

struct Axis {
  std::string name;
  double minimum = 0.0;
  double maximum = 10.0;
  bool visible = true;
  std::string caption;
  COLORREF color = 0x00C0C0C0;
  std::shared_ptr<Ticks> ticks = std::make_shared<Ticks>();
  std::vector<std::shared_ptr<ValuePair>> valuePairs;
  bool valuePairGrid = false;
  SG::SlotBag bag, labelsBag, valuePairsBag;
};

struct ColumnCache;

struct Plot {
  std::string name;
  LONG style = 1;  // 1 line, 5 points; anything else is drawn as a line
  bool visible = true;
  COLORREF lineColor = 0x0000FF00;
  COLORREF pointColor = 0x0000FF00;
  std::shared_ptr<const SampleData> data;
  double first = 0.0;
  double step = 1.0;
  // The column summary of the last draw (or of the replot that made it).
  std::shared_ptr<const ColumnCache> columns;
  SG::SlotBag bag;
};

struct Cursor {
  std::string name;
  double x = 0.0;
  double y = 0.0;
  // 0 the user drags it; 1 it follows the program only (the editor's
  // tracking cross-hair, which sits under the mouse and must not catch the
  // presses meant for the cursors near it); 4 pinned while the editor
  // changes its view.
  LONG moveMode = 0;
  COLORREF color = 0x0000FFFF;
  LONG style = 1;       // 0 point only, 1 cross-hair, 2 vertical line, 3 horizontal line
  LONG pointStyle = 0;  // 0 none, otherwise a marker
  bool visible = true;
  std::weak_ptr<Plot> plot;
  SG::SlotBag bag;
};

// Interaction modes the graph knows; other values act as kCursors.
enum InteractionMode : LONG {
  kPlotAreaEvents = 0,  // presses raise only the plot-area events (drawing)
  kCursors = 1,         // cursors can be dragged; presses on a plot raise plot events
  kPlotPress = 2,
  // The editor's zoom commands: region 6, horizontal 7, vertical 8; undoing
  // a zoom passes the pan of the same kind (10, 11, 12) on its way back to 1.
  kZoomXY = 6,
  kZoomX = 7,
  kZoomY = 8,
  kPanXY = 10,
  kPanX = 11,
  kPanY = 12,
};

struct Graph {
  COLORREF background = 0x00000000;
  COLORREF plotAreaColor = 0x00000000;
  COLORREF captionColor = 0x00FFFFFF;
  std::string caption;
  LONG interactionMode = kCursors;
  std::vector<std::shared_ptr<Plot>> plots;
  std::vector<std::shared_ptr<Axis>> axes;  // 1 is X, 2 is Y
  std::vector<std::shared_ptr<Cursor>> cursors;
  int plotAreaWidth = 0;  // on screen, at the last paint or resize: a replot summarises for it
  SG::SlotBag bag;
  // Called after every change that needs a repaint.
  std::function<void()> changed;

  void Changed() const {
    if (changed) changed();
  }
  Axis& XAxis();
  Axis& YAxis();
  std::shared_ptr<Plot> AddPlot();
  std::shared_ptr<Axis> AddAxis();
  std::shared_ptr<Cursor> AddCursor();
};

// A cursor on a plot of samples takes the value of the sample nearest its X:
// the read-out of a cursor placed by code or by the mouse is the wave's value
// there. A cursor on no plot keeps the Y it was given.
void FollowPlot(Cursor& cursor);

// The objects a graph starts with: n plots "Plot-1".., the axes "XAxis" and
// "YAxis", the cursors named (on the first plot; a name with "XY" is a
// cross-hair, the others vertical lines), and on the X axis the value pairs
// given.
void InitGraph(Graph& graph, int plots, const std::vector<std::string>& cursors, int xValuePairs);

}  // namespace hosted
