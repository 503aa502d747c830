// The graph's axes: the collection, each axis, its ticks, labels and value
// pairs.
#include "controls/GraphObjects.h"
#include "controls/GraphPart.h"
#include "controls/SlotNames.h"

#include <algorithm>
#include <limits>

namespace hosted {
namespace {

class TicksObject : public GraphPart {
 public:
  TicksObject(std::shared_ptr<Graph> g, std::shared_ptr<Ticks> t)
      : GraphPart(IID_CSgTicks, kTicksSpecs, &t->bag, std::move(g)), t_(std::move(t)) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    using S = TicksSlots;
    if (IsSetter(slot) && (*hr = NeedArguments(n, 1)) < 0) return true;
    switch (slot) {
      case S::GetGridLines: *hr = Deliver(r, t_->gridLines); return true;
      case S::SetGridLines: *hr = Put(t_->gridLines, ArgBool(a[0])); return true;
      case S::GetSubGridLines: *hr = Deliver(r, t_->subGridLines); return true;
      case S::SetSubGridLines: *hr = Put(t_->subGridLines, ArgBool(a[0])); return true;
      case S::GetGridColor: *hr = DeliverColor(r, t_->gridColor); return true;
      case S::SetGridColor: *hr = Put(t_->gridColor, a[0].color); return true;
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
    using S = ValuePairSlots;
    if (IsSetter(slot) && (*hr = NeedArguments(n, 1)) < 0) return true;
    switch (slot) {
      case S::GetName: *hr = Deliver(r, p_->name); return true;
      case S::SetName: *hr = Put(p_->name, ArgText(a[0])); return true;
      case S::GetValue: *hr = Deliver(r, p_->value); return true;
      case S::SetValue: *hr = Put(p_->value, ArgDouble(a[0])); return true;
    }
    return false;
  }

 private:
  std::shared_ptr<ValuePair> p_;
};

class ValuePairsObject : public GraphPart {
 public:
  ValuePairsObject(std::shared_ptr<Graph> g, std::shared_ptr<Axis> axis)
      : GraphPart(IID_CSgValuePairs, kValuePairsSpecs, &axis->valuePairsBag, std::move(g)),
        axis_(std::move(axis)) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    using S = ValuePairsSlots;
    auto& pairs = axis_->valuePairs;
    switch (slot) {
      case S::GetGridLines: *hr = Deliver(r, axis_->valuePairGrid); return true;
      case S::SetGridLines:
        if ((*hr = NeedArguments(n, 1)) >= 0) *hr = Put(axis_->valuePairGrid, ArgBool(a[0]));
        return true;
      case S::AddEvenly: {  // count pairs from the first value, one unit apart
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
    // The collection methods sit at slots of their own here.
    UINT common = 0;
    switch (slot) {
      case S::GetCount: common = CollectionSlots::GetCount; break;
      case S::Item: common = CollectionSlots::Item; break;
      case S::Remove: common = CollectionSlots::Remove; break;
      case S::RemoveAll: common = CollectionSlots::RemoveAll; break;
      case S::Add: common = CollectionSlots::Add; break;
      default: return false;
    }
    return CollectionSlot<ValuePair>(
        common, a, n, r, hr, pairs, [&] { g_->Changed(); },
        [&] {
          pairs.push_back(std::make_shared<ValuePair>());
          return pairs.back();
        },
        [&](std::shared_ptr<ValuePair> p) -> SlotObject* {
          return new ValuePairObject(g_, std::move(p));
        });
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
    using S = AxisSlots;
    if (IsSetter(slot) && (*hr = NeedArguments(n, 1)) < 0) return true;
    switch (slot) {
      case S::GetVisible: *hr = Deliver(r, a_->visible); return true;
      case S::SetVisible: *hr = Put(a_->visible, ArgBool(a[0])); return true;
      case S::GetMaximum: *hr = Deliver(r, a_->maximum); return true;
      case S::SetMaximum: *hr = Put(a_->maximum, ArgDouble(a[0])); return true;
      case S::GetMinimum: *hr = Deliver(r, a_->minimum); return true;
      case S::SetMinimum: *hr = Put(a_->minimum, ArgDouble(a[0])); return true;
      case S::GetCaption: *hr = Deliver(r, a_->caption); return true;
      case S::SetCaption: *hr = Put(a_->caption, ArgText(a[0])); return true;
      case S::GetTicks: *hr = DeliverObject(r, new TicksObject(g_, a_->ticks)); return true;
      case S::GetLabels: *hr = DeliverObject(r, new LabelsObject(g_, a_)); return true;
      case S::GetAxisColor: *hr = DeliverColor(r, a_->color); return true;
      case S::SetAxisColor: *hr = Put(a_->color, a[0].color); return true;
      case S::GetName: *hr = Deliver(r, a_->name); return true;
      case S::SetName: *hr = Put(a_->name, ArgText(a[0])); return true;
      case S::SetMinMax:
        if ((*hr = NeedArguments(n, 2)) < 0) return true;
        a_->minimum = ArgDouble(a[0]);
        a_->maximum = ArgDouble(a[1]);
        g_->Changed();
        *hr = S_OK;
        return true;
      case S::GetValuePairs: *hr = DeliverObject(r, new ValuePairsObject(g_, a_)); return true;
      case S::AutoScaleNow: *hr = AutoScale(); return true;
    }
    return false;
  }

 private:
  class LabelsObject : public GraphPart {
   public:
    LabelsObject(std::shared_ptr<Graph> g, std::shared_ptr<Axis> axis)
        : GraphPart(IID_CSgLabels, kLabelsSpecs, &axis->labelsBag, std::move(g)),
          keep_(std::move(axis)) {}

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
        slot, a, n, r, hr, g_->axes, [&] { g_->Changed(); }, [&] { return g_->AddAxis(); },
        [&](std::shared_ptr<Axis> axis) { return NewAxisObject(g_, std::move(axis)); });
  }
};

}  // namespace

SlotObject* NewAxesObject(std::shared_ptr<Graph> graph) { return new AxesObject(std::move(graph)); }
SlotObject* NewAxisObject(std::shared_ptr<Graph> graph, std::shared_ptr<Axis> axis) {
  return new AxisObject(std::move(graph), std::move(axis));
}

}  // namespace hosted
