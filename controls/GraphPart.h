#pragma once
// This file is not part of the controls' interface: the base of the graph's
// sub-objects and the collection slots they share.

#include "controls/GraphModel.h"
#include "controls/SlotObject.h"
#include "platform/com/ErrorInfo.h"

#include <functional>
#include <memory>
#include <vector>

namespace hosted {

using namespace SG;

// Items of a collection by name or index, removal, clearing and adding: the
// same four slots for plots, axes and cursors.
template <class Item>
inline bool CollectionSlot(UINT slot, const SlotValue* args, UINT count, SlotValue* result, HRESULT* hr,
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

}  // namespace hosted
