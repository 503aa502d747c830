#pragma once
// Draws a graph into any painter (widget, image, printer, PDF) at that
// device's resolution, and maps between axis values and device pixels.

#include "controls/GraphModel.h"

#include <QRectF>

#include <vector>

class QPainter;

namespace hosted {

// The plot area inside bounds and the axis ranges it shows.
struct GraphMapping {
  QRectF area;
  double xMin = 0, xMax = 1, yMin = 0, yMax = 1;

  double PixelX(double x) const { return area.left() + (x - xMin) / (xMax - xMin) * area.width(); }
  double PixelY(double y) const {
    return area.bottom() - (y - yMin) / (yMax - yMin) * area.height();
  }
  double ValueX(double px) const {
    return xMin + (px - area.left()) / area.width() * (xMax - xMin);
  }
  double ValueY(double py) const {
    return yMin + (area.bottom() - py) / area.height() * (yMax - yMin);
  }
};

// scale: device pixels per screen pixel (1 on screen, dpi / 96 elsewhere).
GraphMapping MapGraph(Graph& graph, const QRectF& bounds, double scale);
void RenderGraph(Graph& graph, QPainter& painter, const QRectF& bounds, double scale);

// Where labels of the given widths, centred at `centres` in that order, are
// drawn along an axis: the left edge of each, kept inside [low, high], or
// NaN for a label left out because it would come within `gap` of one
// already placed.
std::vector<double> PlaceLabels(const std::vector<double>& centres,
                                const std::vector<double>& widths, double low, double high,
                                double gap);

// Tick positions of a "nice" step (1, 2 or 5 times a power of ten) covering
// [minimum, maximum] with about count intervals.
std::vector<double> NiceTicks(double minimum, double maximum, int count);

}  // namespace hosted
