// The graph's plots and cursors, as collections and one by one.
#include "controls/GraphObjects.h"

#include "controls/ColumnReduction.h"
#include "controls/GraphPart.h"
#include "controls/SlotNames.h"
#include "containers/CSgVariant.h"
#include "matrix/CSgScalarMatrix.h"

namespace hosted {
namespace {

class PlotObject : public GraphPart {
 public:
  PlotObject(std::shared_ptr<Graph> g, std::shared_ptr<Plot> p)
      : GraphPart(IID_CSgPlot, kPlotSpecs, &p->bag, std::move(g)), p_(std::move(p)) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    using S = PlotSlots;
    if (IsSetter(slot) && (*hr = NeedArguments(n, 1)) < 0) return true;
    switch (slot) {
      case S::GetPlotStyle: *hr = Deliver(r, p_->style); return true;
      case S::SetPlotStyle: *hr = Put(p_->style, ArgInt(a[0])); return true;
      case S::GetName: *hr = Deliver(r, p_->name); return true;
      case S::SetName: *hr = Put(p_->name, ArgText(a[0])); return true;
      case S::GetVisible: *hr = Deliver(r, p_->visible); return true;
      case S::SetVisible: *hr = Put(p_->visible, ArgBool(a[0])); return true;
      case S::GetXAxis:
        *hr = DeliverObject(r, NewAxisObject(g_, g_->axes.empty() ? g_->AddAxis() : g_->axes[0]));
        return true;
      case S::GetYAxis:
        g_->YAxis();
        *hr = DeliverObject(r, NewAxisObject(g_, g_->axes[1]));
        return true;
      case S::GetLineColor: *hr = DeliverColor(r, p_->lineColor); return true;
      case S::SetLineColor: *hr = Put(p_->lineColor, a[0].color); return true;
      case S::GetPointColor: *hr = DeliverColor(r, p_->pointColor); return true;
      case S::SetPointColor: *hr = Put(p_->pointColor, a[0].color); return true;
      case S::ClearData:
        p_->data.reset();
        g_->Changed();
        *hr = S_OK;
        return true;
      case S::PlotSamples: *hr = PlotY(a, n, false); return true;
      case S::ChartSamples: *hr = PlotY(a, n, true); return true;
      case S::PlotXvsY:
      case S::ChartXvsY: *hr = PlotXY(a, n, slot == S::ChartXvsY); return true;
      case S::PlotMatrix:
      case S::ChartMatrix: *hr = PlotPoints(a, n, slot == S::ChartMatrix); return true;
    }
    return false;
  }

 private:
  // Plot samples: data, first, step; chart samples: data, step, appended to
  // what is there.
  HRESULT PlotY(const SlotValue* a, UINT n, bool append) {
    if (HRESULT hr = NeedArguments(n, 1); FAILED(hr)) return hr;
    std::shared_ptr<SampleData> data;
    std::shared_ptr<ColumnCache> summary;
    if (append) {
      data = SamplesFromVariant(a[0].variant);
    } else {
      const double first = n > 1 && !ArgMissing(a[1]) ? ArgDouble(a[1]) : 0.0;
      double step = n > 2 && !ArgMissing(a[2]) ? ArgDouble(a[2]) : 1.0;
      if (!(step > 0.0)) step = 1.0;
      // Summarised for the screen while copied, when the graph was drawn.
      summary = std::make_shared<ColumnCache>();
      summary->first = first;
      summary->step = step;
      summary->xMin = g_->XAxis().minimum;
      summary->xMax = g_->XAxis().maximum;
      summary->width = g_->plotAreaWidth;
      // The old samples' memory is reused when only this plot holds it;
      // bad data leaves them as they were.
      std::shared_ptr<SampleData> old = std::const_pointer_cast<SampleData>(std::move(p_->data));
      data = SamplesFromVariant(a[0].variant, &old, summary.get());
      if (!data) p_->data = std::move(old);
    }
    if (!data) return ReportError(DISP_E_TYPEMISMATCH, "The plot data must be numbers.");
    p_->columns = summary && summary->data ? summary : nullptr;
    if (append) {
      if (n > 1 && !ArgMissing(a[1])) p_->step = ArgDouble(a[1]);
      if (p_->data && p_->data->x.empty()) {
        SampleVector<double> joined;
        joined.reserve(p_->data->Size() + data->Size());
        for (size_t i = 0; i < p_->data->Size(); ++i) joined.push_back(p_->data->At(i));
        for (size_t i = 0; i < data->Size(); ++i) joined.push_back(data->At(i));
        data->values = std::move(joined);
      }
    } else {
      p_->first = n > 1 && !ArgMissing(a[1]) ? ArgDouble(a[1]) : 0.0;
      p_->step = n > 2 && !ArgMissing(a[2]) ? ArgDouble(a[2]) : 1.0;
    }
    if (!(p_->step > 0.0)) p_->step = 1.0;
    p_->data = std::move(data);
    for (const auto& c : g_->cursors)
      if (c->plot.lock() == p_) FollowPlot(*c);
    g_->Changed();
    return S_OK;
  }

  // A matrix of two rows: X above Y, one point a column.
  HRESULT PlotPoints(const SlotValue* a, UINT n, bool append) {
    if (HRESULT hr = NeedArguments(n, 1); FAILED(hr)) return hr;
    const CSgScalarMatrix<double> m{CSgVariant(a[0].variant)};
    if (m.GetRows() != 2)
      return ReportError(E_INVALIDARG, "Points need a matrix of two rows, X above Y.");
    auto data = std::make_shared<SampleData>();
    SampleVector<double> ys;
    if (append && p_->data && !p_->data->x.empty()) {
      data->x = p_->data->x;
      for (size_t i = 0; i < p_->data->Size(); ++i) ys.push_back(p_->data->At(i));
    }
    const double* values = m.GetData();
    for (unsigned c = 0; c < m.GetCols(); ++c) {
      data->x.push_back(values[c]);
      ys.push_back(values[m.GetCols() + c]);
    }
    data->values = std::move(ys);
    p_->data = std::move(data);
    p_->columns.reset();
    g_->Changed();
    return S_OK;
  }

  HRESULT PlotXY(const SlotValue* a, UINT n, bool append) {
    if (HRESULT hr = NeedArguments(n, 2); FAILED(hr)) return hr;
    auto x = SamplesFromVariant(a[0].variant);
    auto y = SamplesFromVariant(a[1].variant);
    if (!x || !y) return ReportError(DISP_E_TYPEMISMATCH, "The plot data must be numbers.");
    auto data = std::make_shared<SampleData>();
    SampleVector<double> ys;
    if (append && p_->data && !p_->data->x.empty()) {
      data->x = p_->data->x;
      for (size_t i = 0; i < p_->data->Size(); ++i) ys.push_back(p_->data->At(i));
    }
    for (size_t i = 0; i < std::min(x->Size(), y->Size()); ++i) {
      data->x.push_back(x->At(i));
      ys.push_back(y->At(i));
    }
    data->values = std::move(ys);
    p_->data = std::move(data);
    g_->Changed();
    return S_OK;
  }
  std::shared_ptr<Plot> p_;
};

class PlotsObject : public GraphPart {
 public:
  explicit PlotsObject(std::shared_ptr<Graph> g)
      : GraphPart(IID_CSgPlots, kPlotsSpecs, &g->bag, g) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    return CollectionSlot<Plot>(
        slot, a, n, r, hr, g_->plots, [&] { g_->Changed(); }, [&] { return g_->AddPlot(); },
        [&](std::shared_ptr<Plot> p) { return NewPlotObject(g_, std::move(p)); });
  }
};

class CursorObject : public GraphPart {
 public:
  CursorObject(std::shared_ptr<Graph> g, std::shared_ptr<Cursor> c)
      : GraphPart(IID_CSgCursor, kCursorSpecs, &c->bag, std::move(g)), c_(std::move(c)) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    using S = CursorSlots;
    if ((IsSetter(slot) || slot == S::SetPosition) &&
        (*hr = NeedArguments(n, slot == S::SetPosition ? 2 : 1)) < 0)
      return true;
    switch (slot) {
      case S::GetXPosition: *hr = Deliver(r, c_->x); return true;
      case S::SetXPosition:
        c_->x = ArgDouble(a[0]);
        FollowPlot(*c_);
        g_->Changed();
        *hr = S_OK;
        return true;
      case S::GetYPosition: *hr = Deliver(r, c_->y); return true;
      case S::SetYPosition: *hr = Put(c_->y, ArgDouble(a[0])); return true;
      case S::GetMoveMode: *hr = Deliver(r, c_->moveMode); return true;
      case S::SetMoveMode: *hr = Put(c_->moveMode, ArgInt(a[0])); return true;
      case S::GetColor: *hr = DeliverColor(r, c_->color); return true;
      case S::SetColor: *hr = Put(c_->color, a[0].color); return true;
      case S::GetStyle: *hr = Deliver(r, c_->style); return true;
      case S::SetStyle: *hr = Put(c_->style, ArgInt(a[0])); return true;
      case S::GetPointStyle: *hr = Deliver(r, c_->pointStyle); return true;
      case S::SetPointStyle: *hr = Put(c_->pointStyle, ArgInt(a[0])); return true;
      case S::GetPlot: {
        auto plot = c_->plot.lock();
        *hr = DeliverObject(r, plot ? NewPlotObject(g_, plot) : static_cast<SlotObject*>(nullptr));
        return true;
      }
      case S::SetPlot: *hr = SetPlot(a[0]); return true;
      case S::GetVisible: *hr = Deliver(r, c_->visible); return true;
      case S::SetVisible: *hr = Put(c_->visible, ArgBool(a[0])); return true;
      case S::GetName: *hr = Deliver(r, c_->name); return true;
      case S::SetName: *hr = Put(c_->name, ArgText(a[0])); return true;
      case S::SetPosition:
        c_->x = ArgDouble(a[0]);
        c_->y = ArgDouble(a[1]);
        g_->Changed();
        *hr = S_OK;
        return true;
    }
    return false;
  }

 private:
  // A plot of this graph, recognised by its data being one of ours.
  HRESULT SetPlot(const SlotValue& v) {
    c_->plot.reset();
    if (v.object) {
      for (const auto& plot : g_->plots) {
        // The plot objects this graph made compare through their name.
        ISgSlotCall* call = nullptr;
        if (SUCCEEDED(v.object->QueryInterface(IID_CSgPlot, reinterpret_cast<void**>(&call)))) {
          SlotValue name;
          name.kind = SlotKind::Text;
          if (SUCCEEDED(call->CallSlot(PlotSlots::GetName, nullptr, 0, &name)) &&
              ArgText(name) == plot->name)
            c_->plot = plot;
          FreeSlotValue(name);
          call->Release();
        }
        if (!c_->plot.expired()) break;
      }
    }
    g_->Changed();
    return S_OK;
  }
  std::shared_ptr<Cursor> c_;
};

class CursorsObject : public GraphPart {
 public:
  explicit CursorsObject(std::shared_ptr<Graph> g)
      : GraphPart(IID_CSgCursors, kCursorsSpecs, &g->bag, g) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    return CollectionSlot<Cursor>(
        slot, a, n, r, hr, g_->cursors, [&] { g_->Changed(); },
        // A cursor added by code floats: the user can drag it anywhere.
        [&] { return g_->AddCursor(); },
        [&](std::shared_ptr<Cursor> c) -> SlotObject* {
          return new CursorObject(g_, std::move(c));
        });
  }
};

}  // namespace

SlotObject* NewPlotsObject(std::shared_ptr<Graph> graph) {
  return new PlotsObject(std::move(graph));
}
SlotObject* NewPlotObject(std::shared_ptr<Graph> graph, std::shared_ptr<Plot> plot) {
  return new PlotObject(std::move(graph), std::move(plot));
}
SlotObject* NewCursorsObject(std::shared_ptr<Graph> graph) {
  return new CursorsObject(std::move(graph));
}

}  // namespace hosted
