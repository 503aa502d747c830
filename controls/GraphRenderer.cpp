#include "controls/GraphRenderer.h"

#include "controls/ColumnReduction.h"
#include "controls/VectorClones.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <unordered_map>
#include <vector>

namespace hosted {
namespace {

QColor Qc(COLORREF c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// A degenerate range is widened so that mapping never divides by zero.
void Widen(double& lo, double& hi) {
  if (!(hi > lo)) {
    const double mid = std::isfinite(lo) ? lo : 0.0;
    lo = mid - 0.5;
    hi = mid + 0.5;
  }
}

QString Number(double v) { return QString::number(v, 'g', 6); }

// One device pixel on screen is drawn with a cosmetic pen (the painter's
// fast path); on finer devices the width follows the scale.
QPen Pen(COLORREF c, double scale, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(Qc(c), scale > 1.0 ? scale : 0.0, style);
  pen.setCosmetic(scale <= 1.0);
  return pen;
}

// A line plot of more samples than pixels is one vertical span a column:
// from the column's smallest to its largest sample, stretched to where the
// previous column ended, so the join between them is kept. On a plain 32-bit
// image at device scale the spans are written straight into the pixels
// (the painter's cosmetic line costs several times more per pixel); false
// where the painter's state asks for its own drawing.
SG_VECTOR_CLONES bool PaintColumnSpans(const std::vector<ColumnExtent>& columns, QPainter& p,
                                       const GraphMapping& m, const QColor& color, double scale) {
  auto* image = dynamic_cast<QImage*>(p.device());
  if (!image || scale != 1.0 || color.alpha() != 255 || p.opacity() != 1.0 ||
      p.transform().type() > QTransform::TxTranslate ||
      p.compositionMode() != QPainter::CompositionMode_SourceOver ||
      (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32 &&
       image->format() != QImage::Format_ARGB32_Premultiplied))
    return false;
  const QPointF shift(p.transform().dx(), p.transform().dy());
  const QRect clip = p.clipBoundingRect().translated(shift).toAlignedRect().intersected(
      m.area.translated(shift).toAlignedRect().intersected(image->rect()));
  if (clip.isEmpty()) return true;
  const QRgb pixel = color.rgba();
  const qsizetype stride = image->bytesPerLine() / 4;
  QRgb* bits = reinterpret_cast<QRgb*>(image->bits());
  auto row = [&](double y) { return static_cast<int>(std::floor(y + shift.y())); };
  // The span of each pixel column of the clip, empty where no column lands.
  const int left = clip.left(), width = clip.width();
  std::vector<std::int32_t> tops(width, INT32_MAX), bottoms(width, INT32_MIN);
  bool havePrevious = false;
  double previous = 0;
  for (size_t c = 0; c < columns.size(); ++c) {
    const ColumnExtent& e = columns[c];
    if (!e.used) continue;
    const int x = static_cast<int>(std::floor(m.area.left() + c + 0.5 + shift.x()));
    double top = m.PixelY(e.maximum), bottom = m.PixelY(e.minimum);
    if (havePrevious) {
      top = std::min(top, previous);
      bottom = std::max(bottom, previous);
    }
    previous = m.PixelY(e.last);
    havePrevious = true;
    if (x < clip.left() || x > clip.right() || !(bottom >= top)) continue;
    tops[x - left] = std::max(row(top), clip.top());
    bottoms[x - left] = std::min(row(bottom), clip.bottom());
  }
  // Row by row over groups of sixteen columns, a whole cache line of pixels
  // at a time: a long record fills most of each column, and column by
  // column every pixel would be a store to another line.
  constexpr int kGroup = 16, kLanes = 8;
  typedef std::int32_t Lanes __attribute__((vector_size(kLanes * 4)));
  const Lanes colour = Lanes{} + static_cast<std::int32_t>(pixel);
  int x0 = 0;
  for (; x0 + kGroup <= width; x0 += kGroup) {
    Lanes t[kGroup / kLanes], b[kGroup / kLanes];
    std::memcpy(t, &tops[x0], sizeof t);
    std::memcpy(b, &bottoms[x0], sizeof b);
    const int r0 = *std::min_element(&tops[x0], &tops[x0] + kGroup);
    const int r1 = *std::max_element(&bottoms[x0], &bottoms[x0] + kGroup);
    for (int r = r0; r <= r1; ++r) {
      QRgb* line = bits + r * stride + left + x0;
      const Lanes at = Lanes{} + r;
      for (int k = 0; k < kGroup / kLanes; ++k) {
        Lanes px;
        std::memcpy(&px, line + k * kLanes, sizeof px);
        const Lanes outside = (at < t[k]) | (b[k] < at);  // all ones off the span
        px = (px & outside) | (colour & ~outside);
        std::memcpy(line + k * kLanes, &px, sizeof px);
      }
    }
  }
  for (; x0 < width; ++x0)
    for (int r = tops[x0]; r <= bottoms[x0]; ++r) bits[r * stride + left + x0] = pixel;
  return true;
}

void DrawPlot(Plot& plot, QPainter& p, const GraphMapping& m, double scale) {
  if (!plot.visible || !plot.data || plot.data->Size() == 0) return;
  const SampleData& data = *plot.data;
  const bool points = plot.style == 5;
  p.setPen(Pen(points ? plot.pointColor : plot.lineColor, scale));
  const int width = static_cast<int>(std::ceil(m.area.width()));

  auto drawSamples = [&](const QPolygonF& poly) {
    if (points) {
      const double r = 1.5 * scale;
      p.setBrush(Qc(plot.pointColor));
      for (const QPointF& pt : poly) p.drawEllipse(pt, r, r);
      p.setBrush(Qt::NoBrush);
    } else {
      p.drawPolyline(poly);
    }
  };

  if (!data.x.empty()) {  // X-Y data: drawn as given
    QPolygonF poly;
    const size_t n = std::min(data.x.size(), data.Size());
    for (size_t i = 0; i < n; ++i) poly << QPointF(m.PixelX(data.x[i]), m.PixelY(data.At(i)));
    drawSamples(poly);
    return;
  }
  size_t begin = 0, end = 0;
  VisibleRange(data.Size(), plot.first, plot.step, m.xMin, m.xMax, &begin, &end);
  // Keep the lines that enter and leave the area.
  if (begin > 0) --begin;
  if (end < data.Size()) ++end;
  if (end - begin <= static_cast<size_t>(2 * width) + 2) {
    QPolygonF poly;
    poly.reserve(static_cast<int>(end - begin));
    for (size_t i = begin; i < end; ++i)
      poly << QPointF(m.PixelX(plot.first + i * plot.step), m.PixelY(data.At(i)));
    drawSamples(poly);
    return;
  }
  // More samples than pixels: two segments a column, peaks kept.
  if (!plot.columns || !plot.columns->Matches(data, plot.first, plot.step, m.xMin, m.xMax, width)) {
    auto cache = std::make_shared<ColumnCache>();
    cache->data = &data;
    cache->version = data.version;
    cache->first = plot.first;
    cache->step = plot.step;
    cache->xMin = m.xMin;
    cache->xMax = m.xMax;
    cache->width = width;
    cache->columns = ReduceColumns(data, plot.first, plot.step, m.xMin, m.xMax, width);
    plot.columns = std::move(cache);
  }
  const std::vector<ColumnExtent>& columns = plot.columns->columns;
  if (!points && PaintColumnSpans(columns, p, m, Qc(plot.lineColor), scale)) return;
  std::vector<QLineF> lines;
  lines.reserve(columns.size() * 2);
  bool havePrevious = false;
  QPointF previous;
  for (size_t c = 0; c < columns.size(); ++c) {
    const ColumnExtent& e = columns[c];
    if (!e.used) continue;
    const double x = m.area.left() + c + 0.5;
    if (havePrevious) lines.emplace_back(previous, QPointF(x, m.PixelY(e.first)));
    lines.emplace_back(QPointF(x, m.PixelY(e.minimum)),
                       QPointF(x, m.PixelY(e.maximum) - (points ? 0 : 0.01)));
    previous = QPointF(x, m.PixelY(e.last));
    havePrevious = true;
  }
  p.drawLines(lines.data(), static_cast<int>(lines.size()));
}

// The labels' font and its metrics, made once for each size: making them
// costs more than drawing all the labels of a graph. Kept for the thread's
// life and never destroyed, as fonts must not outlive the application.
struct LabelFont {
  explicit LabelFont(int pixelSize) : font(SizedFont(pixelSize)), metrics(font) {}
  static QFont SizedFont(int pixelSize) {
    QFont font("Sans Serif");
    font.setPixelSize(pixelSize);
    return font;
  }
  // A label's width, measured once: a graph shows the same few labels at
  // every repaint.
  double Width(const QString& text) const {
    auto [at, added] = widths.try_emplace(text, 0.0);
    if (added) {
      if (widths.size() > 4096) {  // a long session of changing ranges
        widths.clear();
        at = widths.try_emplace(text, 0.0).first;
      }
      at->second = metrics.horizontalAdvance(text);
    }
    return at->second;
  }
  QFont font;
  QFontMetricsF metrics;
  mutable std::unordered_map<QString, double> widths;
};

const LabelFont& LabelFontFor(int pixelSize) {
  thread_local auto* fonts = new std::map<int, LabelFont>;
  return fonts->try_emplace(pixelSize, pixelSize).first->second;
}

void DrawCursor(const Cursor& c, QPainter& p, const GraphMapping& m, double scale) {
  if (!c.visible) return;
  const double x = m.PixelX(c.x), y = m.PixelY(c.y);
  p.setPen(Pen(c.color, scale));
  if (c.style == 1 || c.style == 2)
    p.drawLine(QPointF(x, m.area.top()), QPointF(x, m.area.bottom()));
  if (c.style == 1 || c.style == 3)
    p.drawLine(QPointF(m.area.left(), y), QPointF(m.area.right(), y));
  if (c.pointStyle != 0 || c.style == 0) {
    const double r = 3 * scale;
    p.drawRect(QRectF(x - r, y - r, 2 * r, 2 * r));
  }
}

}  // namespace

std::vector<double> PlaceLabels(const std::vector<double>& centres,
                                const std::vector<double>& widths, double low, double high,
                                double gap) {
  std::vector<double> lefts(centres.size(), std::numeric_limits<double>::quiet_NaN());
  std::vector<std::pair<double, double>> placed;  // [left, right] of each label drawn
  for (size_t i = 0; i < centres.size(); ++i) {
    const double w = widths[i];
    const double left = std::clamp(centres[i] - w / 2, low, std::max(low, high - w));
    const bool meets = std::any_of(placed.begin(), placed.end(), [&](const auto& other) {
      return left < other.second + gap && other.first < left + w + gap;
    });
    if (meets) continue;
    lefts[i] = left;
    placed.emplace_back(left, left + w);
  }
  return lefts;
}

std::vector<double> NiceTicks(double minimum, double maximum, int count) {
  std::vector<double> ticks;
  if (!(maximum > minimum) || !std::isfinite(maximum - minimum) || count < 1) return ticks;
  const double raw = (maximum - minimum) / count;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  const double fraction = raw / power;
  const double step = (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10) * power;
  for (double v = std::ceil(minimum / step) * step;
       v <= maximum + step * 1e-9 && ticks.size() < 1000; v += step)
    ticks.push_back(std::abs(v) < step * 1e-9 ? 0.0 : v);
  return ticks;
}

GraphMapping MapGraph(Graph& graph, const QRectF& bounds, double scale) {
  GraphMapping m;
  const double left = 56 * scale, right = 12 * scale, top = 10 * scale, bottom = 26 * scale;
  m.area =
      QRectF(bounds.left() + left, bounds.top() + top, std::max(1.0, bounds.width() - left - right),
             std::max(1.0, bounds.height() - top - bottom));
  m.xMin = graph.XAxis().minimum;
  m.xMax = graph.XAxis().maximum;
  m.yMin = graph.YAxis().minimum;
  m.yMax = graph.YAxis().maximum;
  Widen(m.xMin, m.xMax);
  Widen(m.yMin, m.yMax);
  return m;
}

void RenderGraph(Graph& graph, QPainter& p, const QRectF& bounds, double scale) {
  const GraphMapping m = MapGraph(graph, bounds, scale);
  if (scale == 1.0) graph.plotAreaWidth = static_cast<int>(std::ceil(m.area.width()));
  p.save();
  // The background only around the plot area: each pixel is filled once,
  // which halves the fill of a full repaint.
  const QRectF area = m.area.intersected(bounds);
  p.fillRect(QRectF(bounds.left(), bounds.top(), bounds.width(), area.top() - bounds.top()),
             Qc(graph.background));
  p.fillRect(QRectF(bounds.left(), area.bottom(), bounds.width(), bounds.bottom() - area.bottom()),
             Qc(graph.background));
  p.fillRect(QRectF(bounds.left(), area.top(), area.left() - bounds.left(), area.height()),
             Qc(graph.background));
  p.fillRect(QRectF(area.right(), area.top(), bounds.right() - area.right(), area.height()),
             Qc(graph.background));
  p.fillRect(m.area, Qc(graph.plotAreaColor));
  const LabelFont& labels = LabelFontFor(std::max(1, static_cast<int>(std::lround(11 * scale))));
  p.setFont(labels.font);
  const QFontMetricsF& metrics = labels.metrics;

  Axis& xAxis = graph.XAxis();
  Axis& yAxis = graph.YAxis();
  const std::vector<double> xTicks = NiceTicks(m.xMin, m.xMax, 10);
  const std::vector<double> yTicks = NiceTicks(m.yMin, m.yMax, 8);

  // Grids: sub-grid dotted between the ticks, grid solid at them.
  auto grid = [&](const Ticks& t, const std::vector<double>& ticks, bool vertical) {
    if (t.subGridLines && ticks.size() > 1) {
      p.setPen(Pen(t.gridColor, scale, Qt::DotLine));
      const double half = (ticks[1] - ticks[0]) / 2;
      for (double v : ticks) {
        const double s = v + half;
        if (vertical)
          p.drawLine(QPointF(m.PixelX(s), m.area.top()), QPointF(m.PixelX(s), m.area.bottom()));
        else
          p.drawLine(QPointF(m.area.left(), m.PixelY(s)), QPointF(m.area.right(), m.PixelY(s)));
      }
    }
    if (t.gridLines) {
      p.setPen(Pen(t.gridColor, scale));
      for (double v : ticks) {
        if (vertical)
          p.drawLine(QPointF(m.PixelX(v), m.area.top()), QPointF(m.PixelX(v), m.area.bottom()));
        else
          p.drawLine(QPointF(m.area.left(), m.PixelY(v)), QPointF(m.area.right(), m.PixelY(v)));
      }
    }
  };
  p.setClipRect(m.area);
  const bool pairs = !xAxis.valuePairs.empty();
  if (!pairs) grid(*xAxis.ticks, xTicks, true);
  grid(*yAxis.ticks, yTicks, false);
  if (pairs && xAxis.valuePairGrid) {
    p.setPen(Pen(xAxis.ticks->gridColor, scale));
    for (const auto& vp : xAxis.valuePairs)
      p.drawLine(QPointF(m.PixelX(vp->value), m.area.top()),
                 QPointF(m.PixelX(vp->value), m.area.bottom()));
  }
  for (const auto& plot : graph.plots) DrawPlot(*plot, p, m, scale);
  for (const auto& cursor : graph.cursors) DrawCursor(*cursor, p, m, scale);
  p.setClipping(false);

  // Axes and their labels: the X axis shows its value pairs when it has any.
  p.setPen(Pen(xAxis.color, scale));
  p.drawRect(m.area);
  const double tick = 4 * scale;
  if (xAxis.visible) {
    p.setPen(Pen(xAxis.color, scale));
    std::vector<double> centres, widths;
    std::vector<QString> texts;
    auto label = [&](double v, const QString& text) {
      const double x = m.PixelX(v);
      if (x < m.area.left() - 0.5 || x > m.area.right() + 0.5) return;
      p.drawLine(QPointF(x, m.area.bottom()), QPointF(x, m.area.bottom() + tick));
      centres.push_back(x);
      widths.push_back(labels.Width(text));
      texts.push_back(text);
    };
    if (pairs)
      for (const auto& vp : xAxis.valuePairs) label(vp->value, QString::fromStdString(vp->name));
    else
      for (double v : xTicks) label(v, Number(v));
    // Labels at the ends stay inside the graph; one that would meet its
    // neighbour is left out.
    const std::vector<double> lefts =
        PlaceLabels(centres, widths, bounds.left(), bounds.right(), metrics.averageCharWidth());
    for (size_t i = 0; i < texts.size(); ++i)
      if (!std::isnan(lefts[i]))
        p.drawText(QPointF(lefts[i], m.area.bottom() + tick + metrics.ascent()), texts[i]);
  }
  if (yAxis.visible) {
    p.setPen(Pen(yAxis.color, scale));
    for (double v : yTicks) {
      const double y = m.PixelY(v);
      p.drawLine(QPointF(m.area.left() - tick, y), QPointF(m.area.left(), y));
      const QString text = Number(v);
      const double w = labels.Width(text);
      p.drawText(QPointF(m.area.left() - tick - 2 * scale - w, y + metrics.ascent() / 2 - 1), text);
    }
  }
  p.restore();
}

}  // namespace hosted
