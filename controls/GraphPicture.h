#pragma once
// The controls' pictures: standard picture objects that draw themselves onto
// any device. The graph's carries a snapshot of the graph (sharing its
// samples) and draws it at the device's resolution, so the printed or
// previewed picture is as sharp as the device allows.

#include "controls/GraphModel.h"
#include "platform/com/Picture.h"
#include "platform/window/WinUser.h"

#include <QImage>
#include <QRectF>

class QPainter;
class QWidget;

namespace hosted {

// A copy of what the graph draws; the samples are shared, not copied.
std::shared_ptr<Graph> SnapshotGraph(const Graph& graph);

// A picture one of our controls made: it draws itself scaled to any target.
class ControlPicture : public PictureObject {
 public:
  // width, height: the control's size in screen pixels.
  ControlPicture(SHORT type, int width, int height);
  virtual void Render(QPainter& painter, const QRectF& target) const = 0;
  int PixelWidth() const { return width_; }
  int PixelHeight() const { return height_; }

 private:
  int width_, height_;
};

class GraphPicture : public ControlPicture {
 public:
  GraphPicture(std::shared_ptr<Graph> snapshot, int width, int height);
  void Render(QPainter& painter, const QRectF& target) const override;

 private:
  std::shared_ptr<Graph> snapshot_;
};

// The picture of a widget control (numeric edit, button) as it shows now,
// at width x height screen pixels.
IPictureDisp* NewWidgetPicture(QWidget& widget, int width, int height);

// Draws a picture that one of our controls made onto the device context,
// scaled to target; FALSE for any other picture.
BOOL RenderControlPicture(IUnknown* picture, HDC dc, const RECT& target);
BOOL RenderControlPicture(IUnknown* picture, QPainter& painter, const QRectF& target);
// The picture at its own size, for a file or a test.
QImage ControlPictureImage(IUnknown* picture);

}  // namespace hosted
