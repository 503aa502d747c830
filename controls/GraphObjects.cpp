#include "controls/GraphObjects.h"

#include "controls/ColumnReduction.h"

#include "containers/CSgScalarVector.h"
#include "containers/CSgVariant.h"
#include "matrix/CSgScalarMatrix.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/SafeArray.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace hosted {

using namespace SG;

namespace {

// Items of a collection by name or index, removal, clearing and adding: the
// same four slots for plots, axes and cursors.
template <class Item>
bool CollectionSlot(UINT slot, const SlotValue* args, UINT count, SlotValue* result, HRESULT* hr,
                    std::vector<std::shared_ptr<Item>>& items, Graph& graph,
                    const std::function<std::shared_ptr<Item>()>& add,
                    const std::function<SlotObject*(std::shared_ptr<Item>)>& wrap) {
  switch (slot) {
    case 3: *hr = DeliverShort(result, static_cast<SHORT>(items.size())); return true;
    case 4:
    case 6: {
      if ((*hr = NeedArguments(count, 1)) < 0) return true;
      std::vector<std::string> names;
      for (const auto& item : items) names.push_back(item->name);
      const int i = FindItem(args[0], names);
      if (i < 0) return *hr = NoSuchItem(), true;
      if (slot == 6) {
        items.erase(items.begin() + i);
        graph.Changed();
        *hr = S_OK;
      } else {
        *hr = DeliverObject(result, wrap(items[i]));
      }
      return true;
    }
    case 7: items.clear(); graph.Changed(); *hr = S_OK; return true;
    case 8: {
      auto item = add();
      graph.Changed();
      *hr = DeliverObject(result, wrap(item));
      return true;
    }
  }
  return false;
}

class GraphPart : public SlotObject {
 public:
  GraphPart(const IID& iid, std::span<const SlotSpec> specs, SlotBag* bag, std::shared_ptr<Graph> g,
            std::vector<UINT> methods = {})
      : SlotObject(iid, specs, bag, std::move(methods)), g_(std::move(g)) {}

 protected:
  // Stores a value that changes the drawing and asks for a repaint.
  template <class T, class V>
  HRESULT Put(T& field, V value) {
    field = value;
    g_->Changed();
    return S_OK;
  }
  std::shared_ptr<Graph> g_;
};

class TicksObject : public GraphPart {
 public:
  TicksObject(std::shared_ptr<Graph> g, std::shared_ptr<Ticks> t)
      : GraphPart(IID_CSgTicks, kTicksSpecs, &t->bag, std::move(g)), t_(std::move(t)) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    if ((slot == 28 || slot == 30 || slot == 34) && (*hr = NeedArguments(n, 1)) < 0) return true;
    switch (slot) {
      case 27: *hr = Deliver(r, t_->gridLines); return true;
      case 28: *hr = Put(t_->gridLines, ArgBool(a[0])); return true;
      case 29: *hr = Deliver(r, t_->subGridLines); return true;
      case 30: *hr = Put(t_->subGridLines, ArgBool(a[0])); return true;
      case 33: *hr = DeliverColor(r, t_->gridColor); return true;
      case 34: *hr = Put(t_->gridColor, a[0].color); return true;
    }
    return false;
  }

 private:
  std::shared_ptr<Ticks> t_;
};

class ValuePairObject : public GraphPart {
 public:
  ValuePairObject(std::shared_ptr<Graph> g, std::shared_ptr<ValuePair> p)
      : GraphPart(IID_CSgValuePair, kValuePairSpecs, &p->bag, std::move(g)), p_(std::move(p)) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    if ((slot == 4 || slot == 6) && (*hr = NeedArguments(n, 1)) < 0) return true;
    switch (slot) {
      case 3: *hr = Deliver(r, p_->name); return true;
      case 4: *hr = Put(p_->name, ArgText(a[0])); return true;
      case 5: *hr = Deliver(r, p_->value); return true;
      case 6: *hr = Put(p_->value, ArgDouble(a[0])); return true;
    }
    return false;
  }

 private:
  std::shared_ptr<ValuePair> p_;
};

class ValuePairsObject : public GraphPart {
 public:
  ValuePairsObject(std::shared_ptr<Graph> g, std::shared_ptr<Axis> axis)
      : GraphPart(IID_CSgValuePairs, kValuePairsSpecs, &axis->valuePairsBag, std::move(g)), axis_(std::move(axis)) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    auto& pairs = axis_->valuePairs;
    switch (slot) {
      case 10: *hr = Deliver(r, axis_->valuePairGrid); return true;
      case 11:
        if ((*hr = NeedArguments(n, 1)) >= 0) *hr = Put(axis_->valuePairGrid, ArgBool(a[0]));
        return true;
      case 17: {  // count pairs from the first value, one unit apart
        if ((*hr = NeedArguments(n, 2)) < 0) return true;
        const LONG first = ArgInt(a[0]), number = ArgInt(a[1]);
        for (LONG i = 0; i < number; ++i) {
          auto p = std::make_shared<ValuePair>();
          p->value = first + i;
          p->name = std::to_string(first + i);
          pairs.push_back(p);
        }
        g_->Changed();
        *hr = S_OK;
        return true;
      }
    }
    // The collection slots sit at 3, 12, 14, 15 and 16 here.
    static constexpr UINT kMap[] = {0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 6, 7, 8};
    if (slot >= std::size(kMap) || kMap[slot] == 0) return false;
    return CollectionSlot<ValuePair>(
        kMap[slot], a, n, r, hr, pairs, *g_,
        [&] {
          pairs.push_back(std::make_shared<ValuePair>());
          return pairs.back();
        },
        [&](std::shared_ptr<ValuePair> p) -> SlotObject* { return new ValuePairObject(g_, std::move(p)); });
  }

 private:
  std::shared_ptr<Axis> axis_;
};

class AxisObject : public GraphPart {
 public:
  AxisObject(std::shared_ptr<Graph> g, std::shared_ptr<Axis> axis)
      : GraphPart(IID_CSgAxis, kAxisSpecs, &axis->bag, std::move(g)), a_(std::move(axis)) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    if ((slot == 4 || slot == 6 || slot == 8 || slot == 18 || slot == 28 || slot == 30) &&
        (*hr = NeedArguments(n, 1)) < 0)
      return true;
    switch (slot) {
      case 3: *hr = Deliver(r, a_->visible); return true;
      case 4: *hr = Put(a_->visible, ArgBool(a[0])); return true;
      case 5: *hr = Deliver(r, a_->maximum); return true;
      case 6: *hr = Put(a_->maximum, ArgDouble(a[0])); return true;
      case 7: *hr = Deliver(r, a_->minimum); return true;
      case 8: *hr = Put(a_->minimum, ArgDouble(a[0])); return true;
      case 17: *hr = Deliver(r, a_->caption); return true;
      case 18: *hr = Put(a_->caption, ArgText(a[0])); return true;
      case 21: *hr = DeliverObject(r, new TicksObject(g_, a_->ticks)); return true;
      case 24: *hr = DeliverObject(r, new LabelsObject(g_, a_)); return true;
      case 27: *hr = DeliverColor(r, a_->color); return true;
      case 28: *hr = Put(a_->color, a[0].color); return true;
      case 29: *hr = Deliver(r, a_->name); return true;
      case 30: *hr = Put(a_->name, ArgText(a[0])); return true;
      case 31:
        if ((*hr = NeedArguments(n, 2)) < 0) return true;
        a_->minimum = ArgDouble(a[0]);
        a_->maximum = ArgDouble(a[1]);
        g_->Changed();
        *hr = S_OK;
        return true;
      case 32: *hr = DeliverObject(r, new ValuePairsObject(g_, a_)); return true;
      case 33: *hr = AutoScale(); return true;
    }
    return false;
  }

 private:
  class LabelsObject : public GraphPart {
   public:
    LabelsObject(std::shared_ptr<Graph> g, std::shared_ptr<Axis> axis)
        : GraphPart(IID_CSgLabels, kLabelsSpecs, &axis->labelsBag, std::move(g)), keep_(std::move(axis)) {}

   private:
    std::shared_ptr<Axis> keep_;
  };

  // Fits the axis to the data of every plot (X: the sample positions).
  HRESULT AutoScale() {
    const bool isX = !g_->axes.empty() && g_->axes[0] == a_;
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    for (const auto& plot : g_->plots) {
      if (!plot->data || plot->data->Size() == 0) continue;
      const SampleData& d = *plot->data;
      if (isX) {
        lo = std::min(lo, plot->first);
        hi = std::max(hi, plot->first + (d.Size() - 1) * plot->step);
      } else {
        for (size_t i = 0; i < d.Size(); ++i) {
          lo = std::min(lo, d.At(i));
          hi = std::max(hi, d.At(i));
        }
      }
    }
    if (lo <= hi) {
      a_->minimum = lo;
      a_->maximum = hi;
      g_->Changed();
    }
    return S_OK;
  }
  std::shared_ptr<Axis> a_;
};

class AxesObject : public GraphPart {
 public:
  explicit AxesObject(std::shared_ptr<Graph> g) : GraphPart(IID_CSgAxes, kAxesSpecs, &g->bag, g) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    return CollectionSlot<Axis>(
        slot, a, n, r, hr, g_->axes, *g_, [&] { return g_->AddAxis(); },
        [&](std::shared_ptr<Axis> axis) { return NewAxisObject(g_, std::move(axis)); });
  }
};

class PlotObject : public GraphPart {
 public:
  PlotObject(std::shared_ptr<Graph> g, std::shared_ptr<Plot> p)
      : GraphPart(IID_CSgPlot, kPlotSpecs, &p->bag, std::move(g)), p_(std::move(p)) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    if ((slot == 4 || slot == 8 || slot == 12 || slot == 29 || slot == 31) && (*hr = NeedArguments(n, 1)) < 0)
      return true;
    switch (slot) {
      case 3: *hr = Deliver(r, p_->style); return true;
      case 4: *hr = Put(p_->style, ArgInt(a[0])); return true;
      case 7: *hr = Deliver(r, p_->name); return true;
      case 8: *hr = Put(p_->name, ArgText(a[0])); return true;
      case 11: *hr = Deliver(r, p_->visible); return true;
      case 12: *hr = Put(p_->visible, ArgBool(a[0])); return true;
      case 13: *hr = DeliverObject(r, NewAxisObject(g_, g_->axes.empty() ? g_->AddAxis() : g_->axes[0])); return true;
      case 26: g_->YAxis(); *hr = DeliverObject(r, NewAxisObject(g_, g_->axes[1])); return true;
      case 28: *hr = DeliverColor(r, p_->lineColor); return true;
      case 29: *hr = Put(p_->lineColor, a[0].color); return true;
      case 30: *hr = DeliverColor(r, p_->pointColor); return true;
      case 31: *hr = Put(p_->pointColor, a[0].color); return true;
      case 50: p_->data.reset(); g_->Changed(); *hr = S_OK; return true;
      case 51: *hr = PlotY(a, n, false); return true;
      case 53: *hr = PlotY(a, n, true); return true;
      case 52:
      case 54: *hr = PlotXY(a, n, slot == 54); return true;
      case 55:
      case 56: *hr = PlotPoints(a, n, slot == 56); return true;
    }
    return false;
  }

 private:
  // 51: data, first, step; 53 (chart): data, step, appended to what is there.
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
        std::vector<double> joined;
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
    g_->Changed();
    return S_OK;
  }

  // A matrix of two rows: X above Y, one point a column.
  HRESULT PlotPoints(const SlotValue* a, UINT n, bool append) {
    if (HRESULT hr = NeedArguments(n, 1); FAILED(hr)) return hr;
    const CSgScalarMatrix<double> m{CSgVariant(a[0].variant)};
    if (m.GetRows() != 2) return ReportError(E_INVALIDARG, "Points need a matrix of two rows, X above Y.");
    auto data = std::make_shared<SampleData>();
    std::vector<double> ys;
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
    std::vector<double> ys;
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
  explicit PlotsObject(std::shared_ptr<Graph> g) : GraphPart(IID_CSgPlots, kPlotsSpecs, &g->bag, g) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    return CollectionSlot<Plot>(
        slot, a, n, r, hr, g_->plots, *g_, [&] { return g_->AddPlot(); },
        [&](std::shared_ptr<Plot> p) { return NewPlotObject(g_, std::move(p)); });
  }
};

class CursorObject : public GraphPart {
 public:
  CursorObject(std::shared_ptr<Graph> g, std::shared_ptr<Cursor> c)
      : GraphPart(IID_CSgCursor, kCursorSpecs, &c->bag, std::move(g)), c_(std::move(c)) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    const bool setter = slot % 2 == 0 && slot >= 4 && slot <= 24 && slot != 14 && slot != 16;
    if ((setter || slot == 25) && (*hr = NeedArguments(n, slot == 25 ? 2 : 1)) < 0) return true;
    switch (slot) {
      case 3: *hr = Deliver(r, c_->x); return true;
      case 4: *hr = Put(c_->x, ArgDouble(a[0])); return true;
      case 5: *hr = Deliver(r, c_->y); return true;
      case 6: *hr = Put(c_->y, ArgDouble(a[0])); return true;
      case 7: *hr = Deliver(r, c_->moveMode); return true;
      case 8: *hr = Put(c_->moveMode, ArgInt(a[0])); return true;
      case 9: *hr = DeliverColor(r, c_->color); return true;
      case 10: *hr = Put(c_->color, a[0].color); return true;
      case 11: *hr = Deliver(r, c_->style); return true;
      case 12: *hr = Put(c_->style, ArgInt(a[0])); return true;
      case 17: *hr = Deliver(r, c_->pointStyle); return true;
      case 18: *hr = Put(c_->pointStyle, ArgInt(a[0])); return true;
      case 19: {
        auto plot = c_->plot.lock();
        *hr = DeliverObject(r, plot ? NewPlotObject(g_, plot) : static_cast<SlotObject*>(nullptr));
        return true;
      }
      case 20: *hr = SetPlot(a[0]); return true;
      case 21: *hr = Deliver(r, c_->visible); return true;
      case 22: *hr = Put(c_->visible, ArgBool(a[0])); return true;
      case 23: *hr = Deliver(r, c_->name); return true;
      case 24: *hr = Put(c_->name, ArgText(a[0])); return true;
      case 25:
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
          if (SUCCEEDED(call->CallSlot(7, nullptr, 0, &name)) && ArgText(name) == plot->name) c_->plot = plot;
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
        slot, a, n, r, hr, g_->cursors, *g_,
        [&] {
          auto c = g_->AddCursor();
          if (!g_->plots.empty()) c->plot = g_->plots.front();
          return c;
        },
        [&](std::shared_ptr<Cursor> c) -> SlotObject* { return new CursorObject(g_, std::move(c)); });
  }
};

// The plot's previous data is rewritten in place when nothing else shares
// it (no picture holds it): a replot then writes into memory already mapped.
// With a summary requested, the copy and the summary are one pass.
template <class T>
std::shared_ptr<SampleData> CopyArray(SAFEARRAY* array, ULONG count, std::shared_ptr<SampleData>* reuse,
                                      ColumnCache* summary) {
  void* raw = nullptr;
  if (FAILED(SafeArrayAccessData(array, &raw))) return nullptr;
  const T* first = static_cast<const T*>(raw);
  std::shared_ptr<SampleData> data;
  if (reuse && *reuse && reuse->use_count() == 1 && (*reuse)->x.empty() &&
      std::holds_alternative<std::vector<T>>((*reuse)->values)) {
    data = std::move(*reuse);
    ++data->version;
  } else {
    data = std::make_shared<SampleData>();
    data->values = std::vector<T>();
  }
  auto& target = std::get<std::vector<T>>(data->values);
  if (summary && summary->width > 0) {
    CopyAndReduce(first, count, target, *summary);
    summary->data = data.get();
    summary->version = data->version;
  } else {
    target.assign(first, first + count);
  }
  SafeArrayUnaccessData(array);
  return data;
}

}  // namespace

std::shared_ptr<SampleData> SamplesFromVariant(const VARIANT& v, std::shared_ptr<SampleData>* reuse,
                                               ColumnCache* summary) {
  if ((v.vt & VT_ARRAY) && !(v.vt & VT_BYREF) && v.parray && SafeArrayGetDim(v.parray) == 1) {
    const ULONG count = v.parray->rgsabound[0].cElements;
    // The common cases travel without a conversion per element.
    if ((v.vt & VT_TYPEMASK) == VT_R4) return CopyArray<float>(v.parray, count, reuse, summary);
    if ((v.vt & VT_TYPEMASK) == VT_R8) return CopyArray<double>(v.parray, count, reuse, summary);
  }
  const VARTYPE base = v.vt & VT_TYPEMASK;
  if (base == VT_EMPTY || base == VT_NULL || base == VT_BSTR || base == VT_DISPATCH || base == VT_UNKNOWN ||
      base == VT_ERROR)
    return nullptr;
  CSgScalarVector<double> converted{CSgVariant(v)};
  auto data = std::make_shared<SampleData>();
  data->values = std::vector<double>(converted.GetData(), converted.GetData() + converted.GetSize());
  return data;
}

SlotObject* NewPlotsObject(std::shared_ptr<Graph> graph) { return new PlotsObject(std::move(graph)); }
SlotObject* NewPlotObject(std::shared_ptr<Graph> graph, std::shared_ptr<Plot> plot) {
  return new PlotObject(std::move(graph), std::move(plot));
}
SlotObject* NewAxesObject(std::shared_ptr<Graph> graph) { return new AxesObject(std::move(graph)); }
SlotObject* NewAxisObject(std::shared_ptr<Graph> graph, std::shared_ptr<Axis> axis) {
  return new AxisObject(std::move(graph), std::move(axis));
}
SlotObject* NewCursorsObject(std::shared_ptr<Graph> graph) { return new CursorsObject(std::move(graph)); }

}  // namespace hosted
