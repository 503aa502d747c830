#include "parser/ExprParserCompiler/ExprParserCompiler.h"

#include <algorithm>

#include "parser/ExprParserCompiler/CompilerInternals.h"
#include "parser/ExprParserCompiler/ExpressionStates.h"
#include "parser/ExprParserRegistrar/ExprParserRegistrar.h"
#include "parser/ExprParserRegistrar/TextUtils.h"
#include "parser/ParserErrors/ParserErrors.h"

namespace exprparser {
using namespace compiler;

ExprParserCompiler::ExprParserCompiler(ExprParserRegistrar* registrar)
    : expressionState_(std::make_unique<ExpressionState>()),
      nameState_(std::make_unique<NameState>()),
      registrar_(registrar) {
  discardProgram();
}

ExprParserCompiler::~ExprParserCompiler() = default;

std::unique_ptr<ExprParserCompiler> ExprParserCompiler::duplicate(
    ExprParserRegistrar* registrar) const {
  auto copy = std::make_unique<ExprParserCompiler>(registrar);
  copy->autoDefinition_ = autoDefinition_;
  copy->nestingDepth_ = nestingDepth() + 1;
  copy->compileDepth_ = compileDepth() + 1;
  return copy;
}

int ExprParserCompiler::limitReached(int nesting) const {
  if (nesting >= kMaxMacroNesting) return kMaxMacroNesting;
  if (compileDepth() >= kMaxCompileDepth) return kMaxCompileDepth;
  return 0;
}

// --- program life ------------------------------------------------------------

void ExprParserCompiler::clearProgram() {
  runSteps_.clear();
  program_.clear();
}

void ExprParserCompiler::discardProgram() {
  clearProgram();
  Instruction nan;
  nan.constant = true;
  nan.value = quietNaN();
  program_.push_back(std::move(nan));
  program_.back().destination = &program_.back().value;
  usedVariables_.clear();
  usedNames_.clear();
  s_ = ParseState{};
  expressionText_.clear();
}

bool ExprParserCompiler::isConstantProgram() const {
  return !program_.empty() && program_.back().constant;
}

VariableKey ExprParserCompiler::usedVariable(unsigned index) const {
  return usedVariables_.at(index);
}

void ExprParserCompiler::compileText(const std::u16string& text) {
  discardProgram();
  clearProgram();
  syntax_ = registrar_->syntax();
  try {
    parse(text);
    // Exactly one result may remain; anything else would leave a value
    // with no consumer.
    if (!program_.empty() && program_.back().span != program_.size()) {
      const std::size_t orphan = program_.size() - program_.back().span - 1;
      raiseAtIndex(InvalidSyntax, program_[orphan].position);
    }
    std::erase_if(program_, [](const Instruction& i) { return i.marker; });
    if (!program_.empty()) {
      // Constants already sit in their consumers' argument slots.
      auto last = std::move(program_.back());
      program_.pop_back();
      std::erase_if(program_, [](const Instruction& i) { return i.constant; });
      program_.push_back(std::move(last));
    } else {
      Instruction nan;
      nan.constant = true;
      nan.value = quietNaN();
      program_.push_back(std::move(nan));
    }
    program_.back().destination = &program_.back().value;
    const Instruction* previous = nullptr;  // the step run just before
    for (Instruction& i : program_) {
      if (!i.item) continue;
      i.step = i.source ? &readSource : i.item->stepFunction(Chain::kNone, &i);
      if (!i.step) i.step = &callCompute;
      if (i.elided || i.constant) continue;
      // An argument made by the step just before is taken as it comes.
      if (previous && i.step != &callCompute && i.argCount >= 1 &&
          i.argCount <= Instruction::kDirectArguments) {
        const Chain chain = previous->destination == &i.arguments[std::size_t(i.argCount - 1)]
                                ? Chain::kLast
                            : previous->destination == &i.arguments[0] ? Chain::kFirst
                                                                       : Chain::kNone;
        if (chain != Chain::kNone)
          if (StepFunction chained = i.item->stepFunction(chain, &i)) i.step = chained;
      }
      runSteps_.push_back(&i);
      previous = &i;
    }
    linkRun();
    expressionText_ = text;
  } catch (...) {
    discardProgram();
    throw;
  }
}

// Each step goes on to the next by itself; a stretch of kStretch steps ends
// in a step that returns, so that where a build makes no tail calls the
// stack still grows by no more than one stretch.
void ExprParserCompiler::linkRun() {
  static const Instruction end = [] {
    Instruction i;
    i.step = [](const Instruction&, double previous) { return previous; };
    return i;
  }();
  constexpr std::size_t kStretch = 64;
  std::vector<Instruction*> starts;
  for (std::size_t k = 0; k < runSteps_.size(); ++k) {
    if (k % kStretch == 0) starts.push_back(runSteps_[k]);
    runSteps_[k]->next =
        k + 1 < runSteps_.size() && (k + 1) % kStretch != 0 ? runSteps_[k + 1] : &end;
  }
  runSteps_ = std::move(starts);
}

// --- the parse ---------------------------------------------------------------

void ExprParserCompiler::parse(const std::u16string& expression) {
  s_.text = removeSpaces(expression, s_.positionMap);
  if (s_.text.empty()) return;
  s_.levels.assign(1, BracketLevel{});
  s_.token.clear();
  s_.nextChar = 0;
  s_.current = expressionState_.get();
  s_.current->enter(this, registrar_);
  std::u16string symbol;
  for (s_.position = 0; s_.position < s_.text.size(); ++s_.position) {
    const std::size_t length = s_.text.size();
    char16_t c = s_.text[s_.position];
    s_.nextChar = s_.position + 1 < length ? s_.text[s_.position + 1] : 0;
    if (s_.current->offerChar(&c)) continue;
    const std::u16string_view rest = std::u16string_view(s_.text).substr(s_.position);
    if (registrar_->matchOperatorAt(rest, unsigned(rest.size()), symbol))
      s_.current->onOperator(symbol);
    else if (c == syntax_.argumentSeparator)
      s_.current->onSeparator();
    else if (c == u'(')
      s_.current->onOpenBracket();
    else if (c == u')')
      s_.current->onCloseBracket();
    else if (c == syntax_.nameBegin)
      s_.current->onNameBegin();
    else if (c == syntax_.nameEnd)
      s_.current->onNameEnd();
    else
      appendCurrentChar();
  }
  s_.current->finish();
  endToken();
  while (!s_.operators.empty()) {
    PendingOp& top = s_.operators.back();
    if (top.precedence < 0) raiseAtIndex(MissingClosingBracket, top.position);
    emit(top, true);
    s_.operators.pop_back();
  }
}

ExprParserCompiler::BracketLevel& ExprParserCompiler::level() {
  if (s_.levels.empty()) s_.levels.emplace_back();  // only after a stray ')', which raises
  return s_.levels.back();
}

void ExprParserCompiler::setKind(int kind) {
  BracketLevel& l = level();
  l.previousKind = l.currentKind;
  l.currentKind = kind;
}

void ExprParserCompiler::markContent(bool value) {
  auto& ops = s_.operators;
  if (ops.empty()) return;
  if (ops.back().precedence >= 0) {
    ops.back().content = value;
  } else if (ops.size() >= 2) {
    ops[ops.size() - 2].content = value;
  }
}

void ExprParserCompiler::appendCurrentChar() {
  if (s_.position >= s_.text.size()) return;
  if (s_.token.empty()) s_.tokenStart = s_.position;
  s_.token += s_.text[s_.position];
}

bool ExprParserCompiler::endToken() {
  if (s_.token.empty()) return true;
  const std::u16string token = s_.token;
  const unsigned start = s_.tokenStart;
  if (level().currentKind == kValue || level().currentKind == kFunction)
    raiseAtToken(MissingOperator, start, token);
  if (s_.position < s_.text.size() && s_.text[s_.position] == u'(') {
    unsigned index = 0;
    if (!registrar_->findFunction(token, index)) raiseAtToken(UndefinedFunction, start, token);
    markContent(true);
    setKind(kFunction);
    FunctionDef* function = registrar_->functionAt(index);
    s_.token.clear();
    if (ArgumentHook* hook = function->argumentHook()) {
      s_.current = hook;
      hook->enter(this, registrar_);
      return false;
    }
    PendingOp entry;
    entry.precedence = 5;
    entry.position = start;
    entry.hasMarker = true;
    entry.kind = kFunction;
    entry.index = int(index);
    entry.item = function;
    s_.operators.push_back(std::move(entry));
    return true;
  }
  if (isNumberText(token, syntax_.decimalPoint)) {
    const double value = numberTextValue(token, syntax_.decimalPoint);
    pushValue(&value);
  } else if (int k = registrar_->findConstant(token); k >= 0) {
    std::u16string name;
    double value = 0;
    registrar_->constantAt(unsigned(k), name, value);
    pushValue(&value);
  } else {
    pushVariable(token);
  }
  s_.token.clear();
  return true;
}

void ExprParserCompiler::pushValue(const double* value) {
  setKind(kValue);
  Instruction q;
  q.constant = true;
  q.value = *value;
  q.position = s_.token.empty() ? s_.position : s_.tokenStart;
  program_.push_back(std::move(q));
  markContent(true);
}

void ExprParserCompiler::pushVariable(const std::u16string& name) {
  VariableDef* variable = nullptr;
  if (registrar_->hasVariable(name)) {
    VariableKey key = registrar_->variableKey(name);
    variable = registrar_->variableByKey(key);
  } else if (autoDefinition_) {
    try {
      VariableKey key = registrar_->createVariable(name);
      variable = registrar_->variableByKey(key);
    } catch (const ParserError&) {
      variable = nullptr;
    }
  }
  const unsigned start = s_.token.empty() ? s_.position : s_.tokenStart;
  if (!variable) raiseAtToken(UndefinedVariable, start, name);
  noteUsedVariable(name);
  setKind(kValue);
  Instruction q;
  q.item = variable;
  q.source = variable->valueAddress();
  q.position = start;
  program_.push_back(std::move(q));
  markContent(true);
}

void ExprParserCompiler::noteUsedVariable(const std::u16string& name) {
  if (usedNames_.count(name) || !registrar_->hasVariable(name)) return;
  usedNames_.insert(name);
  usedVariables_.push_back(registrar_->variableKey(name));
}

void ExprParserCompiler::onOperator(const std::u16string& symbol) {
  if (!endToken()) return;
  markContent(true);
  setKind(kOperator);
  const bool prefix = level().previousKind == kNothing || level().previousKind == kOperator;
  unsigned index = 0;
  if (!registrar_->findOperator(symbol, prefix, index))
    raiseAtToken(OperatorSyntax, s_.position, symbol);
  OperatorDef* op = registrar_->operatorAt(index);
  s_.position += unsigned(symbol.size()) - 1;
  if (s_.position + 1 >= s_.text.size()) raiseAtIndex(UnexpectedOperator, s_.position);
  auto& ops = s_.operators;
  int g = op->precedenceLevel();
  if (!ops.empty() && ops.back().precedence >= 0) {
    // A prefix operator is not closed by an infix operator of its own level.
    if (ops.back().precedence == g && ops.back().prefix) g = ops.back().precedence + 1;
    if (g <= ops.back().precedence) {
      while (!ops.empty() && ops.back().precedence >= 0 && ops.back().precedence >= g) {
        emit(ops.back(), true);
        ops.pop_back();
      }
    }
  }
  PendingOp entry;
  entry.precedence = op->precedenceLevel();
  entry.position = s_.position;
  entry.argCount = prefix ? 1 : 2;
  entry.kind = kOperator;
  entry.index = int(index);
  entry.item = op;
  entry.prefix = prefix;
  ops.push_back(std::move(entry));
}

void ExprParserCompiler::onOpenBracket() {
  const bool hadToken = !s_.token.empty();
  if (!endToken()) return;
  // A bracket right after a value or a closed call would leave that value
  // with no consumer.
  if (!hadToken && (level().currentKind == kValue || level().currentKind == kFunction))
    raiseAtToken(MissingOperator, s_.position, u"(");
  markContent(false);
  PendingOp marker;
  marker.position = s_.position;
  s_.operators.push_back(std::move(marker));
  if (level().currentKind == kFunction) {
    Instruction record;
    record.marker = true;
    record.position = s_.position;
    program_.push_back(std::move(record));
  }
  s_.levels.emplace_back();
}

void ExprParserCompiler::onCloseOrSeparator() {
  const char16_t c = s_.text[s_.position];
  const bool close = c == u')' && c != syntax_.argumentSeparator;
  if (!endToken()) return;
  if (level().currentKind == kOperator) raiseAtIndex(UnexpectedOperator, s_.position);
  s_.levels.pop_back();
  if (!close) {
    if (s_.levels.empty() || s_.levels.back().currentKind != kFunction)
      raiseAtIndex(ArgSepOutsideFunction, s_.position);
    s_.levels.emplace_back();
    if (s_.nextChar == u')') raiseAtIndex(ArgSepMisuse, s_.position);
  }
  auto& ops = s_.operators;
  int emitted = 0;
  for (;;) {
    if (ops.empty())
      raiseAtIndex(close ? MissingOpeningBracket : ArgSepOutsideFunction, s_.position);
    if (ops.back().precedence < 0) break;
    emit(ops.back(), true);
    ops.pop_back();
    ++emitted;
  }
  PendingOp* owner = ops.size() >= 2 ? &ops[ops.size() - 2] : nullptr;
  const bool content = owner && owner->content;
  if (content && owner->kind == kFunction) ++owner->argCount;
  if (close) {
    ops.pop_back();
    if (level().currentKind != kFunction) setKind(kValue);
  }
  if (emitted == 0 && !close && !content) raiseAtIndex(ArgSepMisuse, s_.position);
  const bool keep = close && (s_.nextChar == u')' || s_.nextChar == syntax_.argumentSeparator);
  markContent(keep ? content : false);
}

void ExprParserCompiler::onNameBegin() {
  s_.current = nameState_.get();
  s_.current->enter(this, registrar_);
}

void ExprParserCompiler::onNameEnd() { raiseAtIndex(UnexpectedEndVarDelimiter, s_.position); }

void ExprParserCompiler::resumeExpressionState() { s_.current = expressionState_.get(); }

// --- raising -----------------------------------------------------------------

unsigned ExprParserCompiler::mapped(unsigned index) const {
  const auto& map = s_.positionMap;
  if (index < map.size()) return map[index];
  return map.empty() ? 0 : map.back() + 1;
}

void ExprParserCompiler::raiseAt(int code, unsigned position, std::u16string item, int id) {
  SExprExcepData record;
  record.code = code;
  record.position = std::int32_t(position);
  record.item = std::move(item);
  record.id = id;
  raiseParserError(std::move(record), kLineAt, kCompilerSource);
}

void ExprParserCompiler::raiseAtToken(int code, unsigned index, std::u16string item) {
  SExprExcepData record;
  record.code = code;
  record.position = std::int32_t(mapped(index));
  record.item = std::move(item);
  raiseParserError(std::move(record), kLineAtToken, kCompilerSource);
}

void ExprParserCompiler::raiseAtIndex(int code, unsigned index) {
  SExprExcepData record;
  record.code = code;
  record.position = std::int32_t(mapped(index));
  raiseParserError(std::move(record), kLineAtIndex, kCompilerSource);
}

void ExprParserCompiler::raiseNamed(int code, std::u16string item) {
  SExprExcepData record;
  record.code = code;
  record.item = std::move(item);
  raiseParserError(std::move(record), kLineNamed, kCompilerSource);
}

}  // namespace exprparser
