#pragma once
// The one translation of a wrapper operation into a call of a control's
// private interface: fetch the interface (an empty holder throws the
// unusable-object exception with the wrapper's class name), marshal the
// arguments by their C++ type, call the slot, check the HRESULT, convert the
// result, and free everything made on every way out.

#include "containers/CSgInterface.h"
#include "containers/CSgPicture.h"
#include "containers/CSgScalarVector.h"
#include "containers/CSgVariant.h"
#include "containers/CSgVector.h"
#include "controls/SlotCall.h"
#include "matrix/CSgMatrix.h"

#include <deque>
#include <type_traits>
#include <vector>

namespace SG {

template <class T>
class CSgScalarMatrix;
// One point as the data methods take it: two rows, one column, X then Y.
CSgScalarMatrix<double> PointMatrix(double x, double y);

// Returns for hr >= 0; otherwise throws the framework's OLE dispatch
// exception with the thread's error description and hr as its status.
void CheckHResult(HRESULT hr);

// Value kinds of the slot tables: what a getter returns and a setter takes.
namespace kind {
struct Switch {
  using Get = bool;
  using Set = bool;
};
struct VDouble {
  using Get = double;
  using Set = double;
};  // double through a VT_R8 VARIANT
struct Double {
  using Get = double;
  using Set = double;
};
struct Int32 {
  using Get = LONG;
  using Set = LONG;
};
struct Int16 {
  using Get = SHORT;
  using Set = SHORT;
};
struct Color {
  using Get = CSgColor;
  using Set = CSgColor;
};
struct Text {
  using Get = CString;
  using Set = CString;
};
struct Vector {
  using Get = CSgScalarVector<double>;
  using Set = CSgVector;
};  // arrays in VARIANTs
}  // namespace kind

// The omitted optional argument: VT_ERROR holding DISP_E_PARAMNOTFOUND.
struct Missing {};
// A double that crosses as a VT_R8 VARIANT.
struct AsVariant {
  double value;
};

// An interface reference the frame passes and then releases.
struct OwnedReference {
  IUnknown* pointer;
};

class CallFrame {
 public:
  // Fetches holder's interface; null throws the unusable-object exception
  // naming className.
  CallFrame(CSgInterface& holder, const char* className);
  // For facades: the interface their GetInterface produced.
  CallFrame(IUnknown* pointer, bool mustRelease, int threadOption, const char* className);
  CallFrame(const CallFrame&) = delete;
  CallFrame& operator=(const CallFrame&) = delete;
  ~CallFrame();

  int ThreadOption() const { return m_threadOption; }

  template <class K>
  typename K::Get Get(UINT slot) {
    return Call<Tag<K>>(slot);
  }
  // Defined after Call: clang wants a deduced return type seen before a call
  // whose arguments do not depend on the template.
  template <class K>
  void Set(UINT slot, const typename K::Set& value);
  // R: void, bool, double, LONG, SHORT, CSgColor, CString, CSgPicture,
  // CSgScalarVector<double>, a wrapper class (made with this frame's thread
  // option and adopting the delivered reference), or Tag<kind::VDouble>.
  template <class R, class... A>
  auto Call(UINT slot, const A&... args);

  template <class K>
  struct Tag {};

 private:
  // The arguments of one call and what must be freed after it.
  class Args {
   public:
    Args() = default;
    Args(const Args&) = delete;
    Args& operator=(const Args&) = delete;
    ~Args();
    void Add(bool v);
    void Add(LONG v);
    void Add(SHORT v);
    void Add(double v);
    void Add(AsVariant v);
    void Add(const CSgColor& v);
    void Add(const CString& v);
    void Add(const char* v);
    void Add(const CSgVariant& v);
    void Add(Missing);
    void Add(const CSgVector& v);  // built in place: large arrays are copied once
    void Add(const CSgMatrix& m);
    void Add(const CSgInterface& v);  // the raw interface of a wrapper, null when empty
    void Add(const OwnedReference& v);
    const SlotValue* Data() const { return m_values.data(); }
    UINT Count() const { return static_cast<UINT>(m_values.size()); }

   private:
    std::vector<SlotValue> m_values;
    std::deque<CSgVariant> m_variants;
    std::vector<BSTR> m_strings;
    std::vector<IUnknown*> m_releases;
  };

  HRESULT Invoke(UINT slot, const Args& args, SlotValue* result);

  ISgSlotCall* m_interface = nullptr;
  bool m_release = false;
  int m_threadOption = 0;
};

// Result conversion, by the type the operation returns.
namespace frame_detail {
template <class R>
struct Result;

template <class K>
struct Result<CallFrame::Tag<K>> : Result<typename K::Get> {};

template <>
struct Result<bool> {
  static constexpr SlotKind kind = SlotKind::Bool;
  static bool From(SlotValue& v, int) { return v.flag != 0; }
};
template <>
struct Result<double> {
  static constexpr SlotKind kind = SlotKind::Double;
  static double From(SlotValue& v, int) { return v.number; }
};
template <>
struct Result<LONG> {
  static constexpr SlotKind kind = SlotKind::Int32;
  static LONG From(SlotValue& v, int) { return v.int32; }
};
template <>
struct Result<SHORT> {
  static constexpr SlotKind kind = SlotKind::Int16;
  static SHORT From(SlotValue& v, int) { return v.int16; }
};
template <>
struct Result<CSgColor> {
  static constexpr SlotKind kind = SlotKind::Color;
  static CSgColor From(SlotValue& v, int) {
    CSgColor c;
    c.SetOleColor(v.color);
    return c;
  }
};
// Each of these owns what the slot delivered and frees it, also on a throw.
template <>
struct Result<CString> {
  static constexpr SlotKind kind = SlotKind::Text;
  static CString From(SlotValue& v, int);
};
template <>
struct Result<CallFrame::Tag<kind::VDouble>> {
  static constexpr SlotKind kind = SlotKind::Variant;
  static double From(SlotValue& v, int);
};
template <>
struct Result<CSgScalarVector<double>> {
  static constexpr SlotKind kind = SlotKind::Variant;
  static CSgScalarVector<double> From(SlotValue& v, int);
};
template <>
struct Result<CSgPicture> {
  static constexpr SlotKind kind = SlotKind::Object;
  static CSgPicture From(SlotValue& v, int);
};
template <>
struct Result<CallFrame::Tag<kind::Vector>> : Result<CSgScalarVector<double>> {};
template <class W>
requires std::is_base_of_v<CSgInterface, W>
struct Result<W> {
  static constexpr SlotKind kind = SlotKind::Object;
  static W From(SlotValue& v, int threadOption) {
    IUnknown* p = v.object;
    v.object = nullptr;
    try {
      return W(p, threadOption, true);
    } catch (...) {
      if (p) p->Release();
      throw;
    }
  }
};
}  // namespace frame_detail

template <class R, class... A>
auto CallFrame::Call(UINT slot, const A&... args) {
  Args packed;
  (packed.Add(args), ...);
  if constexpr (std::is_void_v<R>) {
    CheckHResult(Invoke(slot, packed, nullptr));
  } else {
    using Conv = frame_detail::Result<R>;
    SlotValue result;
    result.kind = Conv::kind;
    const HRESULT hr = Invoke(slot, packed, &result);
    if (hr < 0) {
      // A failing callee delivers nothing; free what it may have left anyway.
      if (result.kind == SlotKind::Variant) VariantClear(&result.variant);
      if (result.text) SysFreeString(result.text);
      if (result.object) result.object->Release();
      CheckHResult(hr);
    }
    return Conv::From(result, m_threadOption);
  }
}

template <class K>
void CallFrame::Set(UINT slot, const typename K::Set& value) {
  if constexpr (std::is_same_v<K, kind::VDouble>)
    Call<void>(slot, AsVariant{value});
  else
    Call<void>(slot, value);
}

}  // namespace SG
