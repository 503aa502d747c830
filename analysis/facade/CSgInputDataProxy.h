#pragma once
// A read-only view of any vector (or matrix) as an array of doubles: a double
// vector lends its own array, any other element type is converted into an
// array the proxy owns and frees. The element count comes from the source.
#include <type_traits>
#include <typeinfo>

#include "containers/CSgDataProxy.h"
#include "containers/CSgScalarVector.h"

namespace SG {

template <class T, class Source>
class CSgInputDataProxy : public CSgDataProxy {
 public:
  explicit CSgInputDataProxy(const Source& source) {
    if constexpr (std::is_same_v<T, double> && std::is_same_v<Source, CSgVector>) {
      // The double vectors the program passes: the same provider, whose
      // overriding is closed (final), called directly so that it inlines.
      // The type test compares the type records' addresses, which the linker
      // makes one per type; were they ever two, the virtual call below would
      // do the same work.
      if (&typeid(source) == &typeid(CSgScalarVector<double>)) [[likely]] {
        static_cast<const CSgScalarVector<double>&>(source).ProvideDoubleData(*this);
        return;
      }
    }
    // Any other source fills a plain proxy whose data, owned or lent, this
    // one takes over: this proxy's address never leaves the constructor, so
    // where the constructor is inlined the compiler keeps the lent pointer
    // and count in registers instead of building the object on the stack.
    CSgDataProxy provided;
    source.ProvideDoubleData(provided);
    TakeOver(provided);
  }
  // Always inline, as the base's release: see CSgDataProxy::ReleaseData.
  [[gnu::always_inline]] ~CSgInputDataProxy() override {}
  const T* Data() const { return static_cast<const T*>(data); }
};

}  // namespace SG
