#pragma once
// Owned copies of slot values for the controls' side: what a setter stores
// and a getter delivers. A delivered copy belongs to the caller.

#include "controls/SlotCall.h"

#include <map>

namespace SG {

// A deep copy of v (VARIANT copied, BSTR duplicated, interface add-ref'd).
SlotValue CopySlotValue(const SlotValue& v);
void FreeSlotValue(SlotValue& v);
// Fills out (whose kind the caller set) from stored; a stored value of
// another kind, or none, delivers the kind's empty value.
HRESULT DeliverSlotValue(const SlotValue* stored, SlotValue* out);

// The stored values of the properties a control keeps without meaning,
// keyed by the getter's slot.
class SlotBag {
 public:
  SlotBag() = default;
  // A copy holds copies of the values (texts and variants duplicated,
  // objects referenced once more).
  SlotBag(const SlotBag& other);
  SlotBag& operator=(const SlotBag& other);
  ~SlotBag();
  void Store(UINT key, const SlotValue& value);
  const SlotValue* Find(UINT key) const;

 private:
  std::map<UINT, SlotValue> values_;
};

// Argument readers: the value converted from whatever kind it came as.
double ArgDouble(const SlotValue& v);
LONG ArgInt(const SlotValue& v);
bool ArgBool(const SlotValue& v);
bool ArgMissing(const SlotValue& v);  // the omitted-argument VARIANT

}  // namespace SG
