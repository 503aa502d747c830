#pragma once
// The mouse on a waveform window's graph, as a user moves it: where a value
// lies on the screen, and presses, moves and releases there. Shared by the
// view's tests and the whole-program journeys.

#include <QPoint>
#include <Qt>

#include <vector>

#include "controls/GraphModel.h"
#include "controls/GraphRenderer.h"

class CPelmoranView;

namespace graph_mouse {

hosted::Graph& Model(CPelmoranView* view);
hosted::GraphMapping Mapping(CPelmoranView* view);
// The pixel of the graph where (x, y) is drawn.
QPoint At(CPelmoranView* view, double x, double y);
void Press(CPelmoranView* view, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Move(CPelmoranView* view, QPoint at);
void Release(CPelmoranView* view, QPoint at, Qt::MouseButton button = Qt::LeftButton);
// Press at the first point, move through the others, release at the last.
void Stroke(CPelmoranView* view, const std::vector<QPoint>& points);

}  // namespace graph_mouse
