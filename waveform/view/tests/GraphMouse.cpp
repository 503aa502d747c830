#include "GraphMouse.h"

#include <QRectF>
#include <QTest>
#include <QWidget>

#include "controls/GraphControl.h"
#include "controls/HostedControl.h"
#include "waveform/view/PelmoranView.h"

namespace graph_mouse {
namespace {
QWidget* GraphWidgetOf(CPelmoranView* view) { return WidgetOf(view->Graph().m_hWnd); }
}  // namespace

hosted::Graph& Model(CPelmoranView* view) {
  return static_cast<hosted::GraphWidget*>(GraphWidgetOf(view))->Model();
}

hosted::GraphMapping Mapping(CPelmoranView* view) {
  return hosted::MapGraph(Model(view), QRectF(GraphWidgetOf(view)->rect()), 1.0);
}

QPoint At(CPelmoranView* view, double x, double y) {
  const hosted::GraphMapping m = Mapping(view);
  return QPoint(qRound(m.PixelX(x)), qRound(m.PixelY(y)));
}

void Press(CPelmoranView* view, QPoint at, Qt::MouseButton button) {
  QTest::mousePress(GraphWidgetOf(view), button, {}, at);
}

void Move(CPelmoranView* view, QPoint at) { QTest::mouseMove(GraphWidgetOf(view), at); }

void Release(CPelmoranView* view, QPoint at, Qt::MouseButton button) {
  QTest::mouseRelease(GraphWidgetOf(view), button, {}, at);
}

void Stroke(CPelmoranView* view, const std::vector<QPoint>& points) {
  Press(view, points.front());
  for (size_t i = 1; i < points.size(); ++i) Move(view, points[i]);
  Release(view, points.back());
}

}  // namespace graph_mouse
