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
