#pragma once
// Helpers of the vector tests: building vectors from lists, reading them
// back, and catching the library's exceptions (thrown by pointer).

#include "containers/CSgScalarVector.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

template <class T, class V = SG::CSgScalarVector<T>>
V Vec(std::initializer_list<T> values) {
  V v;
  v.SetSize(static_cast<unsigned int>(values.size()), TRUE);
  unsigned int i = 0;
  for (T x : values) v.GetData()[i++] = x;
  return v;
}

template <class T>
std::vector<T> Items(const SG::CSgVectorT<T>& v) {
  return std::vector<T>(v.GetData(), v.GetData() + v.GetSize());
}

// Runs f, which must throw an E* by pointer; returns its message and ends it.
template <class E, class F>
std::string ThrownMessage(F&& f) {
  try {
    f();
  } catch (E* e) {
    std::string text(e->GetErrorString());
    e->Delete();
    return text;
  } catch (CException* e) {
    e->Delete();
    ADD_FAILURE() << "another exception type";
    return {};
  }
  ADD_FAILURE() << "nothing thrown";
  return {};
}
