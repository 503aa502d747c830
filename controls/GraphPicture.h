#pragma once
// The picture of a graph: a standard picture object that carries a snapshot
// of the graph (sharing its samples) and draws it at any resolution, so the
// printed or previewed picture is as sharp as the device allows.

#include "controls/GraphModel.h"
#include "platform/com/Picture.h"
#include "platform/window/WinUser.h"

#include <QImage>
#include <QRectF>

class QPainter;

namespace hosted {

// A copy of what the graph draws; the samples are shared, not copied.
std::shared_ptr<Graph> SnapshotGraph(const Graph& graph);

class GraphPicture : public PictureObject {
 public:
  // width, height: the graph's size in screen pixels.
  GraphPicture(std::shared_ptr<Graph> snapshot, int width, int height);
  void Render(QPainter& painter, const QRectF& target) const;
  int PixelWidth() const { return width_; }
  int PixelHeight() const { return height_; }

 private:
  std::shared_ptr<Graph> snapshot_;
  int width_, height_;
};

// Draws a picture that one of our controls made onto the device context,
// scaled to target; FALSE for any other picture.
BOOL RenderControlPicture(IUnknown* picture, HDC dc, const RECT& target);
BOOL RenderControlPicture(IUnknown* picture, QPainter& painter, const QRectF& target);
// The picture at its own size, for a file or a test.
QImage ControlPictureImage(IUnknown* picture);

}  // namespace hosted
