#pragma once
// A read-only view of any vector (or matrix) as an array of doubles: a double
// vector lends its own array, any other element type is converted into an
// array the proxy owns and frees. The element count comes from the source.
#include "containers/CSgDataProxy.h"

namespace SG {

template <class T, class Source>
class CSgInputDataProxy : public CSgDataProxy {
 public:
  explicit CSgInputDataProxy(const Source& source) { source.ProvideDoubleData(*this); }
  const T* Data() const { return static_cast<const T*>(data); }
};

}  // namespace SG
