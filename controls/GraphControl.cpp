#include "controls/GraphControl.h"

#include "controls/ControlObject.h"
#include "controls/GraphObjects.h"
#include "controls/GraphPicture.h"
#include "controls/GraphRenderer.h"
#include "controls/SharedObjects.h"
#include "controls/SlotNames.h"
#include "platform/com/ErrorInfo.h"
#include "platform/window/DispatchGuard.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <sstream>

namespace hosted {

using namespace SG;

namespace {

class GraphObject : public ControlObject {
 public:
  GraphObject(std::shared_ptr<Graph> g, std::function<QSize()> size)
      : ControlObject(IID_CSgGraph, kGraphSpecs, &g->bag, SG_METHOD_SLOTS(SG_GRAPH_METHODS)),
        g_(std::move(g)),
        size_(std::move(size)),
        shared_(std::make_shared<SharedObjects>()) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    using S = GraphSlots;
    const bool setter = slot == S::SetBackgroundColor || slot == S::SetInteractionMode ||
                        slot == S::SetPlotAreaColor || slot == S::SetCaption ||
                        slot == S::SetCaptionColor;
    if (setter && (*hr = NeedArguments(n, 1)) < 0) return true;
    switch (slot) {
      case S::GetBackgroundColor: *hr = DeliverColor(r, g_->background); return true;
      case S::SetBackgroundColor: g_->background = a[0].color; break;
      case S::GetInteractionMode: *hr = Deliver(r, g_->interactionMode); return true;
      case S::SetInteractionMode: g_->interactionMode = ArgInt(a[0]); break;
      case S::GetFont: *hr = DeliverFont(r); return true;
      case S::GetPlot:
        *hr = DeliverObject(r, g_->plots.empty() ? static_cast<SlotObject*>(nullptr)
                                                 : NewPlotObject(g_, g_->plots.front()));
        return true;
      case S::GetPlotAreaColor: *hr = DeliverColor(r, g_->plotAreaColor); return true;
      case S::SetPlotAreaColor: g_->plotAreaColor = a[0].color; break;
      case S::GetCaption: *hr = Deliver(r, g_->caption); return true;
      case S::SetCaption: g_->caption = ArgText(a[0]); break;
      case S::GetCaptionColor: *hr = DeliverColor(r, g_->captionColor); return true;
      case S::SetCaptionColor: g_->captionColor = a[0].color; break;
      case S::GetAnnotation:
        *hr = DeliverObject(r, NewAnnotationObject(shared_, shared_->annotation));
        return true;
      case S::GetPlots: *hr = DeliverObject(r, NewPlotsObject(g_)); return true;
      case S::GetAxes: *hr = DeliverObject(r, NewAxesObject(g_)); return true;
      case S::GetCursors: *hr = DeliverObject(r, NewCursorsObject(g_)); return true;
      // The data methods act on the first plot, in the plot's own forms.
      case S::PlotXvsY: *hr = ToFirstPlot(PlotSlots::PlotXvsY, a, std::min(n, 2u)); return true;
      case S::ChartXvsY: *hr = ToFirstPlot(PlotSlots::ChartXvsY, a, std::min(n, 2u)); return true;
      case S::PlotSamples:
        *hr = ToFirstPlot(PlotSlots::PlotSamples, a, std::min(n, 3u));
        return true;
      case S::ChartSamples:
        *hr = ToFirstPlot(PlotSlots::ChartSamples, a, std::min(n, 2u));
        return true;
      case S::PlotMatrix: *hr = ToFirstPlot(PlotSlots::PlotMatrix, a, std::min(n, 2u)); return true;
      case S::ChartMatrix:
        *hr = ToFirstPlot(PlotSlots::ChartMatrix, a, std::min(n, 2u));
        return true;
      case S::ClearData:
        for (const auto& plot : g_->plots) plot->data.reset();
        break;
      case S::GetImage: {
        if ((*hr = NeedArguments(n, 1)) < 0) return true;
        auto image = ImageByKey(*shared_, a[0]);
        *hr = image ? DeliverObject(r, NewImageObject(shared_, image)) : NoSuchItem();
        return true;
      }
      case S::GetControlImage: *hr = DeliverPicture(r, size_()); return true;
      case S::GetControlImageOfSize:
        if ((*hr = NeedArguments(n, 2)) < 0) return true;
        *hr = DeliverPicture(r, QSize(ArgInt(a[0]), ArgInt(a[1])));
        return true;
      case S::GetBindings: *hr = DeliverObject(r, NewBindingsObject(shared_)); return true;
      case S::GetAnnotations: *hr = DeliverObject(r, NewAnnotationsObject(shared_)); return true;
      default: return false;
    }
    g_->Changed();
    *hr = S_OK;
    return true;
  }

 private:
  HRESULT ToFirstPlot(UINT plotSlot, const SlotValue* a, UINT n) {
    if (g_->plots.empty()) g_->AddPlot();
    ComPtr<SlotObject> plot = ComPtr<SlotObject>::Adopt(NewPlotObject(g_, g_->plots.front()));
    return plot->CallSlot(plotSlot, a, n, nullptr);
  }
  HRESULT DeliverPicture(SlotValue* r, QSize size) {
    return DeliverObject(r, static_cast<IPictureDisp*>(
                                new GraphPicture(SnapshotGraph(*g_), size.width(), size.height())));
  }
  HRESULT DeliverFont(SlotValue* r) {
    if (!g_->bag.Find(GraphSlots::GetFont)) {
      SlotValue font;
      font.kind = SlotKind::Object;
      font.object = static_cast<IFontDisp*>(new FontObject("Sans Serif", 8.25));
      g_->bag.Store(GraphSlots::GetFont, font);
      font.object->Release();
    }
    return DeliverSlotValue(g_->bag.Find(GraphSlots::GetFont), r);
  }
  std::shared_ptr<Graph> g_;
  std::function<QSize()> size_;
  std::shared_ptr<SharedObjects> shared_;
};

VARIANT Real(double v) {
  VARIANT x{};
  x.vt = VT_R8;
  x.dblVal = v;
  return x;
}

}  // namespace

IDispatch* NewGraphObject(std::shared_ptr<Graph> graph, std::function<QSize()> size) {
  return static_cast<IDispatch*>(new GraphObject(std::move(graph), std::move(size)));
}

GraphWidget::GraphWidget(HWND window, QWidget* parent)
    : QWidget(parent), window_(window), graph_(std::make_shared<Graph>()) {
  InitGraph(*graph_, 1, {}, 0);
  QPointer<QWidget> self(this);
  graph_->changed = [self] {
    if (self) self->update();
  };
  object_ = NewGraphObject(graph_, [self] { return self ? self->size() : QSize(); });
  setMouseTracking(true);
  BindHostedControl(window_, this);
}

GraphWidget::~GraphWidget() {
  graph_->changed = nullptr;
  UnbindHostedControl(window_);
  object_->Release();
}

IDispatch* GraphWidget::Dispatch() { return object_; }

void GraphWidget::Initialize(const std::string& text) {
  int plots = 1, pairs = 0;
  std::vector<std::string> cursors;
  for (const auto& [key, value] : TemplateEntries(text)) {
    if (key == "plots") plots = std::max(0, std::atoi(value.c_str()));
    if (key == "xpairs") pairs = std::max(0, std::atoi(value.c_str()));
    if (key == "cursors") {
      std::stringstream names(value);
      std::string name;
      while (std::getline(names, name, ',')) cursors.push_back(name);
    }
  }
  InitGraph(*graph_, plots, cursors, pairs);
  update();
}

void GraphWidget::Paint() {
  QPainter painter(this);
  RenderGraph(*graph_, painter, QRectF(rect()), 1.0);
  if (drag_ == Drag::Zoom) {  // the rectangle the release will zoom to
    const GraphMapping m = MapGraph(*graph_, QRectF(rect()), 1.0);
    QRectF band = QRectF(anchor_, last_).normalized();
    if (graph_->interactionMode == kZoomX)
      band.setTop(m.area.top()), band.setBottom(m.area.bottom());
    if (graph_->interactionMode == kZoomY)
      band.setLeft(m.area.left()), band.setRight(m.area.right());
    painter.setPen(QPen(Qt::white, 0, Qt::DashLine));
    painter.drawRect(band);
  }
}

int GraphWidget::HitCursor(const QPointF& at) const {
  const GraphMapping m = MapGraph(*graph_, QRectF(rect()), 1.0);
  for (size_t i = 0; i < graph_->cursors.size(); ++i) {
    const Cursor& c = *graph_->cursors[i];
    if (!c.visible || c.moveMode == 1 || c.moveMode == 4) continue;
    const double dx = std::abs(m.PixelX(c.x) - at.x()), dy = std::abs(m.PixelY(c.y) - at.y());
    const bool vertical = c.style == 1 || c.style == 2;
    if (dx <= 4 && (vertical || dy <= 4)) return static_cast<int>(i);
  }
  return -1;
}

bool GraphWidget::HitPlot(const QPointF& at, short* plotIndex, LONG* point) const {
  const GraphMapping m = MapGraph(*graph_, QRectF(rect()), 1.0);
  const double x = m.ValueX(at.x());
  for (size_t i = 0; i < graph_->plots.size(); ++i) {
    const Plot& p = *graph_->plots[i];
    if (!p.visible || !p.data || !p.data->x.empty() || p.data->Size() == 0) continue;
    const double index = std::round((x - p.first) / p.step);
    if (index < 0 || index >= double(p.data->Size())) continue;
    if (std::abs(m.PixelY(p.data->At(static_cast<size_t>(index))) - at.y()) <= 4) {
      *plotIndex = static_cast<short>(i + 1);
      *point = static_cast<LONG>(index);
      return true;
    }
  }
  return false;
}

void GraphWidget::RaiseMouse(DISPID areaEvent, DISPID plotEvent, QMouseEvent* event, bool pressed) {
  const GraphMapping m = MapGraph(*graph_, QRectF(rect()), 1.0);
  const QPointF at = event->position();
  short button = pressed ? ButtonOf(event->button()) : ButtonOf(event->buttons());
  short shift = ShiftOf(event->modifiers());
  VARIANT x = Real(m.ValueX(at.x())), y = Real(m.ValueY(at.y()));
  short plot = 0;
  LONG point = 0;
  // The plot-area event always follows: a click on the curve while points
  // are placed, or a move over it while the read-out follows the mouse, must
  // reach the host as well.
  if (graph_->interactionMode != kPlotAreaEvents && HitPlot(at, &plot, &point))
    Events().Fire(plotEvent, {ByRef(&button), ByRef(&shift), ByRef(&x), ByRef(&y), ByRef(&plot),
                              ByRef(&point)});
  Events().Fire(areaEvent, {ByRef(&button), ByRef(&shift), ByRef(&x), ByRef(&y)});
  VariantClear(&x);
  VariantClear(&y);
}

void GraphWidget::DragCursor(const QPointF& at, bool tracking) {
  if (cursor_ < 0 || static_cast<size_t>(cursor_) >= graph_->cursors.size()) return;
  Cursor& c = *graph_->cursors[cursor_];
  const GraphMapping m = MapGraph(*graph_, QRectF(rect()), 1.0);
  c.x = std::clamp(m.ValueX(at.x()), std::min(m.xMin, m.xMax), std::max(m.xMin, m.xMax));
  c.y = m.ValueY(at.y());
  FollowPlot(c);
  update();
  LONG index = cursor_ + 1;
  LONG trackingFlag = tracking ? 1 : 0;
  VARIANT x = Real(c.x), y = Real(c.y);
  Events().Fire(kCursorChange, {ByRef(&index), ByRef(&x), ByRef(&y), ByRef(&trackingFlag)});
}

void GraphWidget::Press(QMouseEvent* event) {
  const QPointF at = event->position();
  FireMouseDown(Events(), *event);
  anchor_ = last_ = at;
  pressedButton_ = ButtonOf(event->button());
  const LONG mode = graph_->interactionMode;
  if (event->button() == Qt::LeftButton && mode != kPlotAreaEvents) {
    if (mode >= kZoomXY && mode <= kZoomY) {
      drag_ = Drag::Zoom;
      return;
    }
    if (mode >= kPanXY && mode <= kPanY) {
      drag_ = Drag::Pan;
      return;
    }
    if ((cursor_ = HitCursor(at)) >= 0) {
      drag_ = Drag::Cursor;
      return;
    }
  }
  drag_ = Drag::Press;
  RaiseMouse(kPlotAreaMouseDown, kPlotMouseDown, event, true);
}

void GraphWidget::Move(QMouseEvent* event) {
  const QPointF at = event->position();
  switch (drag_) {
    case Drag::Cursor: DragCursor(at, true); break;
    case Drag::Zoom:
      last_ = at;
      update();
      break;
    case Drag::Pan: {
      const GraphMapping m = MapGraph(*graph_, QRectF(rect()), 1.0);
      const double dx = m.ValueX(at.x()) - m.ValueX(last_.x()),
                   dy = m.ValueY(at.y()) - m.ValueY(last_.y());
      const LONG mode = graph_->interactionMode;
      if (mode != kPanY) graph_->XAxis().minimum -= dx, graph_->XAxis().maximum -= dx;
      if (mode != kPanX) graph_->YAxis().minimum -= dy, graph_->YAxis().maximum -= dy;
      last_ = at;
      update();
      break;
    }
    default: RaiseMouse(kPlotAreaMouseMove, kPlotMouseMove, event, false); break;
  }
}

void GraphWidget::Release(QMouseEvent* event) {
  const Drag drag = std::exchange(drag_, Drag::None);
  const QPointF at = event->position();
  if (drag == Drag::Zoom) {
    const GraphMapping m = MapGraph(*graph_, QRectF(rect()), 1.0);
    const LONG mode = graph_->interactionMode;
    const double x0 = m.ValueX(anchor_.x()), x1 = m.ValueX(at.x());
    const double y0 = m.ValueY(anchor_.y()), y1 = m.ValueY(at.y());
    bool changed = false;
    if (mode != kZoomY && std::abs(at.x() - anchor_.x()) >= 3) {
      graph_->XAxis().minimum = std::min(x0, x1);
      graph_->XAxis().maximum = std::max(x0, x1);
      changed = true;
    }
    if (mode != kZoomX && std::abs(at.y() - anchor_.y()) >= 3) {
      graph_->YAxis().minimum = std::min(y0, y1);
      graph_->YAxis().maximum = std::max(y0, y1);
      changed = true;
    }
    update();
    if (changed) Events().Fire(kAxisChange, {});
    return;
  }
  if (drag == Drag::Pan) {
    Events().Fire(kAxisChange, {});
    return;
  }
  if (drag == Drag::Cursor) {
    cursor_ = -1;
    return;
  }
  RaiseMouse(kPlotAreaMouseUp, kPlotMouseUp, event, true);
}

// Qt's event loop never sees an exception: what escapes is reported.
void GraphWidget::paintEvent(QPaintEvent*) {
  DispatchGuard::RunGuarded([&] { Paint(); });
}
// A replot before the first paint (a window just opened plots its samples
// once it has its size) already summarises for the width it will be drawn at.
void GraphWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  graph_->plotAreaWidth =
      static_cast<int>(std::ceil(MapGraph(*graph_, QRectF(rect()), 1.0).area.width()));
}
void GraphWidget::mousePressEvent(QMouseEvent* event) {
  DispatchGuard::RunGuarded([&] { Press(event); });
}
void GraphWidget::mouseMoveEvent(QMouseEvent* event) {
  DispatchGuard::RunGuarded([&] { Move(event); });
}
void GraphWidget::mouseReleaseEvent(QMouseEvent* event) {
  DispatchGuard::RunGuarded([&] { Release(event); });
}

QWidget* NewGraphWidget(HWND window, QWidget* parent) { return new GraphWidget(window, parent); }

}  // namespace hosted
