#pragma once
// One step of a compiled expression. A program is a flat list in postfix
// order; each step writes its result straight into an argument slot of its
// consumer and goes on to the next step itself, so a run is a straight walk
// with no lookups, no allocation and one jump a step.

#include <array>
#include <memory>

#include "parser/ExprParserRegistrar/Definitions.h"

namespace exprparser {

struct Instruction {
  DefinitionItem* item = nullptr;  // null for a constant and for a marker
  double value = 0.0;              // a constant's value; the result of the last step
  bool constant = false;
  std::unique_ptr<double[]> arguments;
  int argCount = 0;
  double* destination = nullptr;
  std::unique_ptr<DefinitionItem> ownedItem;  // items emitted by argument hooks
  unsigned position = 0;                      // in the text without blanks
  bool marker = false;  // where a function's arguments begin; removed before running
  bool hasMarker = false;
  // Instructions in this step's subtree, itself and its marker included; lets
  // the compiler link each new step to its arguments without walking them.
  unsigned span = 1;
  // How a run computes this step, and the step run after it (the end of a
  // stretch of the run), set when the program is finished.
  StepFunction step = nullptr;
  const Instruction* next = nullptr;
  const double* source = nullptr;  // a variable's double, read without a call
  // Where a step with a StepFunction reads its first arguments: its own slots,
  // or straight from a variable's double, whose own step then stays in the
  // program but is left out of the run.
  static constexpr int kDirectArguments = 3;
  const double* in[kDirectArguments] = {};
  bool elided = false;             // a variable step whose consumer reads it directly; not run
  unsigned constantArguments = 0;  // bit k: argument k was a constant while compiling
  bool constantArgument(int k) const { return k < 32 && (constantArguments >> k & 1u) != 0; }
};

// How every step ends: its result into its consumer's slot, then on to the
// next step, as a jump where the compiler makes tail calls.
[[gnu::always_inline]] inline double passOn(const Instruction& i, double result) {
  *i.destination = result;
  return i.next->step(*i.next, result);
}

inline double callCompute(const Instruction& i, double) {
  return passOn(i, i.item->compute(unsigned(i.argCount), i.arguments.get()));
}
inline double readSource(const Instruction& i, double) { return passOn(i, *i.source); }

// The arguments of a step with direct inputs: the first kCount through in[],
// the first or the last of them from `previous` when the step is chained.
template <int kCount, Chain kChain>
[[gnu::always_inline]] inline std::array<double, Instruction::kDirectArguments> directArguments(
    const Instruction& i, double previous) {
  static_assert(kCount <= Instruction::kDirectArguments);
  std::array<double, Instruction::kDirectArguments> a{};
  for (int k = 0; k < kCount; ++k)
    a[k] = (kChain == Chain::kLast && k == kCount - 1) || (kChain == Chain::kFirst && k == 0)
               ? previous
               : *i.in[k];
  return a;
}

// The build of an item's step template for a chain.
template <class Item>
StepFunction stepFor(Chain chain) {
  switch (chain) {
    case Chain::kFirst: return &Item::template step<Chain::kFirst>;
    case Chain::kLast: return &Item::template step<Chain::kLast>;
    case Chain::kNone: break;
  }
  return &Item::template step<Chain::kNone>;
}

}  // namespace exprparser
