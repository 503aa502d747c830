#include "controls/GraphModel.h"

#include <algorithm>
#include <cmath>

namespace hosted {

size_t SampleData::Size() const {
  return std::visit([](const auto& v) { return v.size(); }, values);
}

double SampleData::At(size_t i) const {
  return std::visit([i](const auto& v) { return static_cast<double>(v[i]); }, values);
}

Axis& Graph::XAxis() {
  while (axes.size() < 2) AddAxis();
  return *axes[0];
}

Axis& Graph::YAxis() {
  while (axes.size() < 2) AddAxis();
  return *axes[1];
}

std::shared_ptr<Plot> Graph::AddPlot() {
  auto plot = std::make_shared<Plot>();
  plot->name = "Plot-" + std::to_string(plots.size() + 1);
  plots.push_back(plot);
  return plot;
}

std::shared_ptr<Axis> Graph::AddAxis() {
  auto axis = std::make_shared<Axis>();
  axis->name = "Axis-" + std::to_string(axes.size() + 1);
  axes.push_back(axis);
  return axis;
}

std::shared_ptr<Cursor> Graph::AddCursor() {
  auto cursor = std::make_shared<Cursor>();
  cursor->name = "Cursor-" + std::to_string(cursors.size() + 1);
  cursors.push_back(cursor);
  return cursor;
}

void FollowPlot(Cursor& cursor) {
  auto plot = cursor.plot.lock();
  if (!plot || !plot->data || !plot->data->x.empty() || plot->data->Size() == 0 ||
      !(plot->step > 0.0))
    return;
  const double index = std::round((cursor.x - plot->first) / plot->step);
  if (!std::isfinite(index)) return;
  cursor.y =
      plot->data->At(static_cast<size_t>(std::clamp(index, 0.0, double(plot->data->Size() - 1))));
}

void InitGraph(Graph& graph, int plots, const std::vector<std::string>& cursors, int xValuePairs) {
  graph.plots.clear();
  graph.axes.clear();
  graph.cursors.clear();
  for (int i = 0; i < plots; ++i) graph.AddPlot();
  graph.AddAxis()->name = "XAxis";
  graph.AddAxis()->name = "YAxis";
  graph.YAxis().minimum = -10.0;
  for (int i = 0; i < xValuePairs; ++i) {
    auto pair = std::make_shared<ValuePair>();
    pair->name = std::to_string(i);
    pair->value = graph.XAxis().minimum + (graph.XAxis().maximum - graph.XAxis().minimum) * i /
                                              (xValuePairs > 1 ? xValuePairs - 1 : 1);
    graph.XAxis().valuePairs.push_back(pair);
  }
  for (const std::string& name : cursors) {
    auto cursor = graph.AddCursor();
    cursor->name = name;
    // A tracking cursor ("...XY") is a cross-hair; the others mark X only.
    cursor->style = name.find("XY") != std::string::npos ? 1 : 2;
    if (!graph.plots.empty()) cursor->plot = graph.plots.front();
  }
}

}  // namespace hosted
