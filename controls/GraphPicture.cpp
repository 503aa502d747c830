#include "controls/GraphPicture.h"

#include "controls/GraphRenderer.h"
#include "platform/window/Gdi.h"

#include <QPaintDevice>
#include <QPainter>

namespace hosted {

std::shared_ptr<Graph> SnapshotGraph(const Graph& graph) {
  auto copy = std::make_shared<Graph>();
  copy->background = graph.background;
  copy->plotAreaColor = graph.plotAreaColor;
  copy->captionColor = graph.captionColor;
  copy->caption = graph.caption;
  copy->interactionMode = graph.interactionMode;
  for (const auto& p : graph.plots) {
    auto plot = std::make_shared<Plot>();
    plot->name = p->name;
    plot->style = p->style;
    plot->visible = p->visible;
    plot->lineColor = p->lineColor;
    plot->pointColor = p->pointColor;
    plot->data = p->data;
    plot->first = p->first;
    plot->step = p->step;
    plot->columns = p->columns;
    copy->plots.push_back(plot);
  }
  for (const auto& a : graph.axes) {
    auto axis = std::make_shared<Axis>();
    axis->name = a->name;
    axis->minimum = a->minimum;
    axis->maximum = a->maximum;
    axis->visible = a->visible;
    axis->caption = a->caption;
    axis->color = a->color;
    axis->ticks->gridLines = a->ticks->gridLines;
    axis->ticks->subGridLines = a->ticks->subGridLines;
    axis->ticks->gridColor = a->ticks->gridColor;
    axis->valuePairGrid = a->valuePairGrid;
    for (const auto& vp : a->valuePairs) {
      auto pair = std::make_shared<ValuePair>();
      pair->name = vp->name;
      pair->value = vp->value;
      axis->valuePairs.push_back(pair);
    }
    copy->axes.push_back(axis);
  }
  for (const auto& c : graph.cursors) {
    auto cursor = std::make_shared<Cursor>();
    cursor->name = c->name;
    cursor->x = c->x;
    cursor->y = c->y;
    cursor->color = c->color;
    cursor->style = c->style;
    cursor->pointStyle = c->pointStyle;
    cursor->visible = c->visible;
    copy->cursors.push_back(cursor);
  }
  return copy;
}

namespace {
// Screen pixels to HIMETRIC at the screen's 96 dots per inch.
LONG Himetric(int pixels) { return static_cast<LONG>(pixels * 2540L / 96); }
}  // namespace

GraphPicture::GraphPicture(std::shared_ptr<Graph> snapshot, int width, int height)
    : PictureObject(PICTYPE_ENHMETAFILE, 1, Himetric(width), Himetric(height)),
      snapshot_(std::move(snapshot)),
      width_(width),
      height_(height) {}

void GraphPicture::Render(QPainter& painter, const QRectF& target) const {
  // Lines and text keep the proportions they have on screen.
  const double scale = width_ > 0 ? target.width() / width_ : 1.0;
  RenderGraph(*snapshot_, painter, target, scale > 0 ? scale : 1.0);
}

BOOL RenderControlPicture(IUnknown* picture, QPainter& painter, const QRectF& target) {
  auto* ours = picture ? dynamic_cast<GraphPicture*>(static_cast<IUnknown*>(picture)) : nullptr;
  if (!ours) return FALSE;
  ours->Render(painter, target);
  return TRUE;
}

BOOL RenderControlPicture(IUnknown* picture, HDC dc, const RECT& target) {
  if (!dc) return FALSE;
  return RenderControlPicture(picture, dc->Painter(), QRectF(QRectOf(target)));
}

QImage ControlPictureImage(IUnknown* picture) {
  auto* ours = picture ? dynamic_cast<GraphPicture*>(picture) : nullptr;
  if (!ours) return {};
  QImage image(std::max(1, ours->PixelWidth()), std::max(1, ours->PixelHeight()), QImage::Format_RGB32);
  QPainter painter(&image);
  ours->Render(painter, QRectF(image.rect()));
  return image;
}

}  // namespace hosted
