#include "controls/GraphPicture.h"

#include "controls/GraphRenderer.h"
#include "platform/window/Gdi.h"

#include <QPaintDevice>
#include <QPixmap>
#include <QWidget>
#include <QPainter>

#include <algorithm>

namespace hosted {

std::shared_ptr<Graph> SnapshotGraph(const Graph& graph) {
  // Each part is copied whole; only the parts the graph holds by pointer are
  // copied one by one, so that later changes to the graph leave the picture
  // as it was.
  auto copy = std::make_shared<Graph>(graph);
  copy->changed = nullptr;
  for (auto& plot : copy->plots) plot = std::make_shared<Plot>(*plot);
  for (auto& axis : copy->axes) {
    axis = std::make_shared<Axis>(*axis);
    axis->ticks = std::make_shared<Ticks>(*axis->ticks);
    for (auto& pair : axis->valuePairs) pair = std::make_shared<ValuePair>(*pair);
  }
  for (auto& cursor : copy->cursors) {
    cursor = std::make_shared<Cursor>(*cursor);
    // On the copy of its plot.
    const auto on = std::find(graph.plots.begin(), graph.plots.end(), cursor->plot.lock());
    cursor->plot.reset();
    if (on != graph.plots.end()) cursor->plot = copy->plots[on - graph.plots.begin()];
  }
  return copy;
}

namespace {
// Screen pixels to HIMETRIC at the screen's 96 dots per inch.
LONG Himetric(int pixels) { return static_cast<LONG>(pixels * 2540L / 96); }
}  // namespace

ControlPicture::ControlPicture(SHORT type, int width, int height)
    : PictureObject(type, 1, Himetric(width), Himetric(height)), width_(width), height_(height) {}

GraphPicture::GraphPicture(std::shared_ptr<Graph> snapshot, int width, int height)
    : ControlPicture(PICTYPE_ENHMETAFILE, width, height), snapshot_(std::move(snapshot)) {}

void GraphPicture::Render(QPainter& painter, const QRectF& target) const {
  // Lines and text keep the proportions they have on screen.
  const double scale = PixelWidth() > 0 ? target.width() / PixelWidth() : 1.0;
  RenderGraph(*snapshot_, painter, target, scale > 0 ? scale : 1.0);
}

namespace {
class WidgetPicture : public ControlPicture {
 public:
  WidgetPicture(QImage image, int width, int height)
      : ControlPicture(PICTYPE_BITMAP, width, height), image_(std::move(image)) {}
  void Render(QPainter& painter, const QRectF& target) const override {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
    painter.restore();
  }

 private:
  QImage image_;
};
}  // namespace

IPictureDisp* NewWidgetPicture(QWidget& widget, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  QImage image = widget.grab().toImage();
  if (!image.isNull() && width > 0 && height > 0 && image.size() != QSize(width, height))
    image = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return new WidgetPicture(std::move(image), width, height);
}

BOOL RenderControlPicture(IUnknown* picture, QPainter& painter, const QRectF& target) {
  auto* ours = picture ? dynamic_cast<ControlPicture*>(static_cast<IUnknown*>(picture)) : nullptr;
  if (!ours) return FALSE;
  // The picture draws the same whatever pen and brush the device context
  // holds (a page frame drawn just before leaves them selected).
  painter.save();
  painter.setPen(QPen());
  painter.setBrush(Qt::NoBrush);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  ours->Render(painter, target);
  painter.restore();
  return TRUE;
}

BOOL RenderControlPicture(IUnknown* picture, HDC dc, const RECT& target) {
  if (!dc) return FALSE;
  return RenderControlPicture(picture, dc->Painter(), QRectF(QRectOf(target)));
}

QImage ControlPictureImage(IUnknown* picture) {
  auto* ours = picture ? dynamic_cast<ControlPicture*>(picture) : nullptr;
  if (!ours) return {};
  QImage image(std::max(1, ours->PixelWidth()), std::max(1, ours->PixelHeight()),
               QImage::Format_RGB32);
  QPainter painter(&image);
  ours->Render(painter, QRectF(image.rect()));
  return image;
}

}  // namespace hosted
