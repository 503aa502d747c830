#pragma once
// One step of a compiled expression. A program is a flat list in postfix
// order; each step writes its result straight into an argument slot of its
// consumer, so a run is a straight walk with no lookups and no allocation.

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
  unsigned position = 0;  // in the text without blanks
  bool marker = false;    // where a function's arguments begin; removed before running
  bool hasMarker = false;
  // Instructions in this step's subtree, itself and its marker included; lets
  // the compiler link each new step to its arguments without walking them.
  unsigned span = 1;
};

}  // namespace exprparser
