#pragma once
// Runs a facade call and reports what it threw: the math code and text, or
// the out-of-memory exception. Every caught exception is ended with Delete.
#include "containers/CSgExceptionT.h"
#include "platform/afx/Exception.h"

#include <functional>
#include <string>

namespace facade_test {

struct Outcome {
  int returned = 0;
  bool threwMath = false, threwMemory = false;
  int code = 0;
  std::string text;
};

inline Outcome Call(const std::function<int()>& call) {
  Outcome o;
  try {
    o.returned = call();
  } catch (SG::CSgMathException* e) {
    o.threwMath = true;
    o.code = e->GetErrorCode();
    o.text = e->GetErrorString().GetString();
    e->Delete();
  } catch (CMemoryException* e) {
    o.threwMemory = true;
    e->Delete();
  }
  return o;
}

}  // namespace facade_test
