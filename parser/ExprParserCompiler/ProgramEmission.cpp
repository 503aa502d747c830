// Emitting steps into the program: overload choice, linking each step to the
// arguments before it, folding constant sub-expressions, and compiling the
// argument texts of macros into the same program.

#include <algorithm>

#include "parser/ExprParserCompiler/CompilerInternals.h"
#include "parser/ExprParserCompiler/ExprParserCompiler.h"
#include "parser/ExprParserRegistrar/ExprParserRegistrar.h"
#include "parser/ParserErrors/ParserErrors.h"

namespace exprparser {
using namespace compiler;

void ExprParserCompiler::emit(PendingOp& entry, bool overloadSearch) {
  DefinitionItem* item = entry.item;
  if (entry.kind == kFunction) {
    if (overloadSearch && !entry.owned) {
      const std::u16string name = registrar_->functionAt(unsigned(entry.index))->name();
      unsigned index = 0;
      if (!registrar_->findFunctionForArgs(name, entry.argCount, index))
        raiseAt(NoOverloadForArgCount, entry.position, name, entry.argCount);
      item = registrar_->functionAt(index);
    }
    static_cast<FunctionDef*>(item)->prepare(this, registrar_);
  }
  Instruction q;
  q.item = item;
  q.argCount = entry.argCount;
  if (entry.argCount >= 1) q.arguments = std::make_unique<double[]>(std::size_t(entry.argCount));
  for (int k = 0; k < std::min(entry.argCount, Instruction::kDirectArguments); ++k)
    q.in[k] = &q.arguments[std::size_t(k)];
  q.ownedItem = std::move(entry.owned);
  q.position = entry.position;
  q.hasMarker = entry.hasMarker;
  program_.push_back(std::move(q));
  double result = 0;
  if (!linkArguments(program_.back(), result)) {
    SExprExcepData record;
    record.code = InvalidSyntax;
    record.position = std::int32_t(mapped(entry.position));
    raiseParserError(std::move(record), kLineFold, kCompilerSource);
  }
}

// Links the new last step to the arguments before it, writes constant
// arguments into its slots, and folds it when they are all constants and its
// item allows. Each argument's subtree is skipped by its span, so the cost is
// one step per argument and no recursion, however long the text.
bool ExprParserCompiler::linkArguments(Instruction& q, double& result) {
  std::ptrdiff_t cursor = std::ptrdiff_t(program_.size()) - 2;
  bool allFoldable = q.item->isFoldable();
  const bool direct = q.item->stepFunction() && q.argCount <= Instruction::kDirectArguments;
  unsigned span = 1;
  for (int a = q.argCount - 1; a >= 0; --a) {
    if (cursor < 0) return false;
    Instruction& p = program_[std::size_t(cursor)];
    if (p.marker) return false;
    p.destination = &q.arguments[std::size_t(a)];
    if (p.constant) {
      q.arguments[std::size_t(a)] = p.value;
      if (a < 32) q.constantArguments |= 1u << a;
    } else {
      allFoldable = false;
      if (direct && p.source) {
        q.in[a] = p.source;
        p.elided = true;
      }
    }
    span += p.span;
    cursor -= std::ptrdiff_t(p.span);
  }
  if (q.hasMarker) {
    if (cursor < 0 || !program_[std::size_t(cursor)].marker) return false;
    ++span;
  }
  q.span = span;
  if (!allFoldable) return true;
  result = q.item->compute(unsigned(q.argCount), q.arguments.get());
  Instruction folded = std::move(q);
  folded.constant = true;
  folded.value = result;
  folded.span = 1;
  program_.resize(program_.size() - span);
  program_.push_back(std::move(folded));
  return true;
}

void ExprParserCompiler::emitOwnedFunction(std::unique_ptr<FunctionDef> item, int argCount) {
  PendingOp entry;
  entry.precedence = 5;
  entry.position = s_.position;
  entry.argCount = argCount;
  entry.kind = kFunction;
  entry.item = item.get();
  entry.owned = std::move(item);
  emit(entry, false);
  setKind(kFunction);
  markContent(true);
}

void ExprParserCompiler::emitFunctionByName(const std::u16string& name, int argCount) {
  unsigned index = 0;
  if (!registrar_->findFunctionForArgs(name, argCount, index))
    raiseAt(NoOverloadForArgCount, s_.position, name, argCount);
  PendingOp entry;
  entry.precedence = 5;
  entry.position = s_.position;
  entry.argCount = argCount;
  entry.kind = kFunction;
  entry.index = int(index);
  entry.item = registrar_->functionAt(index);
  emit(entry, false);
  setKind(kFunction);
  markContent(true);
}

void ExprParserCompiler::compileNested(const std::u16string& text) {
  if (const int limit = limitReached(nestingDepth()))
    raiseAt(MacroNestingTooDeep, mapped(0), {}, limit);
  const std::size_t before = program_.size();
  {
    // Moved, not copied: a text with many macro calls stays linear.
    ParseState outer = std::move(s_);
    s_ = ParseState{};
    ++nestedParses_;
    struct Restore {
      ExprParserCompiler* self;
      ParseState& outer;
      ~Restore() {
        --self->nestedParses_;
        self->s_ = std::move(outer);
      }
    } restore{this, outer};
    parse(text);
  }
  const std::size_t added = program_.size() - before;
  if (added == 0 || program_.back().span != added) raiseAtIndex(InvalidSyntax, 0);
}

bool ExprParserCompiler::dependsOnlyOn(
    const std::function<bool(const DefinitionItem*)>& allowed) const {
  // Variable reads may have been merged into their consumers, so the
  // variables are taken from the used list rather than from the steps.
  for (VariableKey key : usedVariables_)
    if (!registrar_->hasVariable(key.name) || !allowed(registrar_->variableByKey(key)))
      return false;
  for (const Instruction& i : program_) {
    if (i.constant || i.marker || !i.item) continue;
    if (!dynamic_cast<const VariableDef*>(i.item) && !i.item->isFoldable()) return false;
  }
  return true;
}

}  // namespace exprparser
