#pragma once
// The hosted graph: a widget that draws its model and turns the mouse into
// cursor drags, zooms, pans and events, and the graph object behind the
// private interface. Moves made by code (cursor positions, axis ranges) raise
// no event: the host answers events by moving cursors and axes itself. Every
// press, move and release that drags no cursor and zooms or pans nothing
// raises the plot-area event (moves also with no button held, for the
// tracking read-out); outside interaction mode 0 (drawing) one on a plot's
// curve raises the plot event first.

#include "controls/GraphModel.h"
#include "controls/HostedControl.h"

#include <QWidget>

#include <memory>

namespace hosted {

class GraphWidget : public QWidget, public HostedControl {
 public:
  GraphWidget(HWND window, QWidget* parent);
  ~GraphWidget() override;

  IDispatch* Dispatch() override;
  // Text "plots=3;cursors=Cursor1,CursorXY,Cursor2;xpairs=11"; empty: one
  // plot, the two axes, no cursors.
  void Initialize(const std::string& text) override;
  Graph& Model() { return *graph_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum class Drag { None, Cursor, Zoom, Pan, Press };
  void Paint();
  void Press(QMouseEvent* event);
  void Move(QMouseEvent* event);
  void Release(QMouseEvent* event);
  void RaiseMouse(DISPID areaEvent, DISPID plotEvent, QMouseEvent* event, bool pressed);
  int HitCursor(const QPointF& at) const;
  bool HitPlot(const QPointF& at, short* plot, LONG* point) const;
  void DragCursor(const QPointF& at, bool tracking);

  HWND window_;
  std::shared_ptr<Graph> graph_;
  IDispatch* object_ = nullptr;  // the graph object, one reference
  Drag drag_ = Drag::None;
  int cursor_ = -1;
  QPointF anchor_, last_;
  short pressedButton_ = 0;
};

QWidget* NewGraphWidget(HWND window, QWidget* parent);

// The graph's object over a model (for tests without a window).
IDispatch* NewGraphObject(std::shared_ptr<Graph> graph, std::function<QSize()> size);

}  // namespace hosted
