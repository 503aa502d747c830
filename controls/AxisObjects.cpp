// The graph's axes: the collection, each axis, its ticks, labels and value
// pairs.
#include "controls/GraphObjects.h"
#include "controls/GraphPart.h"

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
      : GraphPart(IID_CSgValuePairs, kValuePairsSpecs, &axis->valuePairsBag, std::move(g)),
        axis_(std::move(axis)) {}

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
        kMap[slot], a, n, r, hr, pairs, [&] { g_->Changed(); },
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
