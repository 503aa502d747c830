#pragma once
// The private interfaces of our hosted controls. Every kind of control object
// (the graph, an axis, a cursor, ...) answers QueryInterface for its own
// private interface id with an ISgSlotCall: one entry point that takes the
// slot number of the operation (3 is the first after IUnknown) and its
// values, each tagged with the kind the wrapper marshals it as. Slot tables
// (SlotTables.h) are therefore data on both sides of the interface.

#include "containers/CSgColor.h"
#include "platform/com/Dispatch.h"

namespace SG {

enum class SlotKind : unsigned char {
  None,     // no value (a result slot that delivers nothing)
  Variant,  // VARIANT by value; a delivered one is cleared by the caller
  Double,   // plain 8-byte double
  Bool,     // VARIANT_BOOL: -1 true, 0 false
  Int32,
  Int16,
  Color,   // OLE_COLOR
  Text,    // BSTR; a delivered one is freed by the caller
  Object,  // IUnknown*; a delivered one carries a reference for the caller
};

// One value crossing the interface. Arguments are passed by value: the callee
// neither frees nor keeps them (it copies what it keeps).
struct SlotValue {
  SlotKind kind = SlotKind::None;
  VARIANT variant{};
  double number = 0.0;
  VARIANT_BOOL flag = 0;
  LONG int32 = 0;
  SHORT int16 = 0;
  OLE_COLOR color = 0;
  BSTR text = nullptr;
  IUnknown* object = nullptr;
};

inline constexpr IID IID_ISgSlotCall = GuidFromText("5E0C2D1A-7F3B-4C52-9A61-0B8E4F7D2C11");

struct ISgSlotCall : IUnknown {
  static constexpr const IID& iid = IID_ISgSlotCall;
  // result is null for a slot without a result; otherwise its kind is set by
  // the caller and the callee fills the matching field.
  virtual HRESULT STDMETHODCALLTYPE CallSlot(UINT slot, const SlotValue* args, UINT count,
                                             SlotValue* result) = 0;

 protected:
  ~ISgSlotCall() = default;
};

// The version interface every control object answers as well; slot 3
// delivers the control's version text.
inline constexpr IID IID_ControlVersion = GuidFromText("A6BC76B3-19E7-4017-8487-8265834C8C59");

struct IControlVersion : IUnknown {
  static constexpr const IID& iid = IID_ControlVersion;
  virtual HRESULT STDMETHODCALLTYPE GetVersion(BSTR* version) = 0;

 protected:
  ~IControlVersion() = default;
};

// The dispatch member that hands out a control's object (the object answers
// the private interface and the version interface).
constexpr DISPID DISPID_CONTROL_OBJECT = 2000;

}  // namespace SG
