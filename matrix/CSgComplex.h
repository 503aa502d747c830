#pragma once
// The abstract complex value: a data object without a lock. The typed complex
// values (real and imaginary part of one element type) derive from it.

#include "containers/CSgDataObject.h"

namespace SG {

class CSgComplex : public CSgDataObject {
 public:
  CSgComplex() = default;
  ~CSgComplex() override = default;

 protected:
  CSgComplex(const CSgComplex&) : CSgDataObject() {}
  CSgComplex& operator=(const CSgComplex&) { return *this; }
};

}  // namespace SG
