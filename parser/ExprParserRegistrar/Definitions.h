#pragma once
// The interfaces every operator, function, macro and variable of the parser
// implements, and the small value types the registrar hands out. Texts are
// 16-bit strings; names are compared exactly and case-sensitively.

#include <memory>
#include <string>

namespace exprparser {

class ExprParserCompiler;
class ExprParserRegistrar;
class CompilerState;
using ArgumentHook = CompilerState;
struct Instruction;
// The evaluator's direct route to an item's value, from the step's argument
// slots, without the virtual call; it ends by handing its result on to the
// next step (passOn). `previous` is the result of the step run just before,
// which a chained step takes as its first or last argument, so a value the
// next step consumes stays in a register.
using StepFunction = double (*)(const Instruction& step, double previous);
enum class Chain { kNone, kFirst, kLast };

class DefinitionItem {
 public:
  virtual ~DefinitionItem() = default;
  virtual const char16_t* name() const = 0;
  virtual const char16_t* usage() const = 0;
  virtual const char16_t* summary() const = 0;
  // True when the result depends only on the arguments, so a call whose
  // arguments are all constants may be computed once while compiling.
  virtual bool isFoldable() const = 0;
  virtual double compute(unsigned argCount, const double* args) = 0;
  // Null: the evaluator calls compute. A chained step takes the argument
  // `chain` names from `previous` rather than from its slot; null when there
  // is none. `step`, when given, has its constant arguments in place, so an
  // item may choose a build for them.
  virtual StepFunction stepFunction(Chain /*chain*/ = Chain::kNone,
                                    const Instruction* /*step*/ = nullptr) const {
    return nullptr;
  }
};

class OperatorDef : public DefinitionItem {
 public:
  bool isFoldable() const override { return true; }
  virtual int precedenceLevel() const = 0;  // 0..4, higher binds tighter
  virtual bool isPrefix() const { return false; }
  virtual std::unique_ptr<OperatorDef> duplicate() const = 0;
};

class FunctionDef : public DefinitionItem {
 public:
  bool isFoldable() const override { return true; }
  virtual int argCount() const = 0;  // -1: any number, at least one
  // A hook takes over the text inside the brackets while compiling; the
  // function keeps owning it.
  virtual ArgumentHook* argumentHook() { return nullptr; }
  virtual void prepare(ExprParserCompiler*, ExprParserRegistrar*) {}
  virtual std::unique_ptr<FunctionDef> duplicate() const = 0;
};

class VariableDef : public DefinitionItem {
 public:
  const char16_t* usage() const override { return u""; }
  const char16_t* summary() const override { return u""; }
  bool isFoldable() const override { return false; }
  virtual void assign(double value) = 0;
  virtual double current() const = 0;
  virtual std::unique_ptr<VariableDef> duplicate() const = 0;
  virtual int extra() const { return 0; }
  // The double the variable reads, when it reads one directly.
  virtual const double* valueAddress() const { return nullptr; }
};

class VariableFactory {
 public:
  virtual ~VariableFactory() = default;
  virtual std::unique_ptr<VariableDef> create(const std::u16string& name) = 0;
  virtual std::unique_ptr<VariableFactory> duplicate() const = 0;
};

struct SyntaxChars {
  char16_t decimalPoint = 0;
  char16_t argumentSeparator = 0;
  char16_t nameBegin = 0;
  char16_t nameEnd = 0;
};

// A variable's position in the registrar's table, its name and the table's
// change counter when the position was taken; a stale key is refreshed by name.
struct VariableKey {
  int index = -1;
  std::u16string name;
  int stamp = 0;
};

}  // namespace exprparser
