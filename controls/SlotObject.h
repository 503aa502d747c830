#pragma once
// The base of every object of our hosted controls: answers QueryInterface
// for its private interface id and runs each slot call either through its
// own handler (the operations that mean something to the control) or,
// following the object's slot table, by storing and delivering the value.
// No C++ exception leaves CallSlot: a failure becomes an HRESULT with a
// description in the thread's error object.

#include "containers/SgInterfaceIds.h"
#include "controls/SlotNames.h"
#include "controls/SlotTables.h"
#include "controls/SlotValues.h"
#include "platform/com/Dispatch.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace SG {

struct SlotSpec {
  UINT slot;
  SlotKind kind;
  bool getter;
  UINT key;  // the getter's slot, where the value is stored
};

constexpr SlotKind kSlotKind_Switch = SlotKind::Bool;
constexpr SlotKind kSlotKind_VDouble = SlotKind::Variant;
constexpr SlotKind kSlotKind_Double = SlotKind::Double;
constexpr SlotKind kSlotKind_Int32 = SlotKind::Int32;
constexpr SlotKind kSlotKind_Int16 = SlotKind::Int16;
constexpr SlotKind kSlotKind_Color = SlotKind::Color;
constexpr SlotKind kSlotKind_Text = SlotKind::Text;
constexpr SlotKind kSlotKind_Vector = SlotKind::Variant;

#define SG_SPEC_P(get, set, K, Name) \
  {get, kSlotKind_##K, true, get}, {set, kSlotKind_##K, false, get},
#define SG_SPEC_G(slot, K, Name) {slot, kSlotKind_##K, true, slot},
#define SG_SPEC_O(slot, W, Name) {slot, SlotKind::Object, true, slot},
#define SG_SPEC_OP(get, set, W, Name) \
  {get, SlotKind::Object, true, get}, {set, SlotKind::Object, false, get},
// One static array of specs per table.
#define SG_SPEC_ARRAY(name, TABLE) \
  inline constexpr SlotSpec name[] = {TABLE(SG_SPEC_P, SG_SPEC_G, SG_SPEC_O, SG_SPEC_OP)};

class SlotObject : public ComObject<ISgSlotCall, IDispatch> {
 public:
  // specs must outlive the object (a static table); bag is where unnamed
  // properties live (owned by the control's model); methods: slots accepted
  // without effect.
  SlotObject(const IID& iid, std::span<const SlotSpec> specs, SlotBag* bag,
             std::vector<UINT> methods = {});

  HRESULT STDMETHODCALLTYPE CallSlot(UINT slot, const SlotValue* args, UINT count,
                                     SlotValue* result) final;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) override;

 protected:
  // Returns true when it handled the slot (with *hr set).
  virtual bool Handle(UINT slot, const SlotValue* args, UINT count, SlotValue* result,
                      HRESULT* hr) {
    return false;
  }
  void* QueryExtra(REFIID riid) override;
  // Whether the slot is a property setter of this object's table (a handler
  // checks the one argument before it uses it).
  bool IsSetter(UINT slot) const;

 private:
  HRESULT Generic(UINT slot, const SlotValue* args, UINT count, SlotValue* result);
  IID iid_;
  std::span<const SlotSpec> specs_;
  SlotBag* bag_;
  std::vector<UINT> methods_;
};

// Helpers for handlers.
HRESULT Deliver(SlotValue* out, double v);  // into a Variant (VT_R8) or Double result
HRESULT Deliver(SlotValue* out, bool v);
HRESULT Deliver(SlotValue* out, LONG v);
HRESULT DeliverShort(SlotValue* out, SHORT v);
HRESULT DeliverColor(SlotValue* out, DWORD colorRef);
HRESULT Deliver(SlotValue* out, const std::string& text);
// Hands the caller the object's creation reference.
HRESULT DeliverObject(SlotValue* out, IUnknown* created);
class SlotObject;
HRESULT DeliverObject(SlotValue* out, SlotObject* created);
std::string ArgText(const SlotValue& v);
// A collection key: a name (VT_BSTR) or a 1-based index; -1 when no item
// matches (names compared exactly).
int FindItem(const SlotValue& key, const std::vector<std::string>& names);
HRESULT NoSuchItem();
HRESULT NeedArguments(UINT count, UINT needed);

// Items of a collection by name or index, removal, clearing and adding: the
// same slots (CollectionSlots) in every collection of the controls. Items
// have a name; changed is called after every change.
template <class Item>
inline bool CollectionSlot(UINT slot, const SlotValue* args, UINT count, SlotValue* result,
                           HRESULT* hr, std::vector<std::shared_ptr<Item>>& items,
                           const std::function<void()>& changed,
                           const std::function<std::shared_ptr<Item>()>& add,
                           const std::function<SlotObject*(std::shared_ptr<Item>)>& wrap) {
  switch (slot) {
    case CollectionSlots::GetCount:
      *hr = DeliverShort(result, static_cast<SHORT>(items.size()));
      return true;
    case CollectionSlots::Item:
    case CollectionSlots::Remove: {
      if ((*hr = NeedArguments(count, 1)) < 0) return true;
      std::vector<std::string> names;
      for (const auto& item : items) names.push_back(item->name);
      const int i = FindItem(args[0], names);
      if (i < 0) return *hr = NoSuchItem(), true;
      if (slot == CollectionSlots::Remove) {
        items.erase(items.begin() + i);
        changed();
        *hr = S_OK;
      } else {
        *hr = DeliverObject(result, wrap(items[i]));
      }
      return true;
    }
    case CollectionSlots::RemoveAll:
      items.clear();
      changed();
      *hr = S_OK;
      return true;
    case CollectionSlots::Add: {
      auto item = add();
      changed();
      *hr = DeliverObject(result, wrap(item));
      return true;
    }
  }
  return false;
}

}  // namespace SG

namespace SG {
SG_SPEC_ARRAY(kGraphSpecs, SG_GRAPH_SLOTS)
SG_SPEC_ARRAY(kNumEditSpecs, SG_NUMEDIT_SLOTS)
SG_SPEC_ARRAY(kButtonSpecs, SG_BUTTON_SLOTS)
SG_SPEC_ARRAY(kAxesSpecs, SG_AXES_SLOTS)
SG_SPEC_ARRAY(kAxisSpecs, SG_AXIS_SLOTS)
SG_SPEC_ARRAY(kTicksSpecs, SG_TICKS_SLOTS)
SG_SPEC_ARRAY(kValuePairsSpecs, SG_VALUEPAIRS_SLOTS)
SG_SPEC_ARRAY(kValuePairSpecs, SG_VALUEPAIR_SLOTS)
SG_SPEC_ARRAY(kLabelsSpecs, SG_LABELS_SLOTS)
SG_SPEC_ARRAY(kPlotsSpecs, SG_PLOTS_SLOTS)
SG_SPEC_ARRAY(kPlotSpecs, SG_PLOT_SLOTS)
SG_SPEC_ARRAY(kCursorsSpecs, SG_CURSORS_SLOTS)
SG_SPEC_ARRAY(kCursorSpecs, SG_CURSOR_SLOTS)
SG_SPEC_ARRAY(kBindingsSpecs, SG_BINDINGS_SLOTS)
SG_SPEC_ARRAY(kBindingSpecs, SG_BINDING_SLOTS)
SG_SPEC_ARRAY(kAnnotationsSpecs, SG_ANNOTATIONS_SLOTS)
SG_SPEC_ARRAY(kAnnotationSpecs, SG_ANNOTATION_SLOTS)
SG_SPEC_ARRAY(kCaptionSpecs, SG_CAPTION_SLOTS)
SG_SPEC_ARRAY(kShapeSpecs, SG_SHAPE_SLOTS)
SG_SPEC_ARRAY(kArrowSpecs, SG_ARROW_SLOTS)
SG_SPEC_ARRAY(kImageSpecs, SG_IMAGE_SLOTS)
}  // namespace SG
