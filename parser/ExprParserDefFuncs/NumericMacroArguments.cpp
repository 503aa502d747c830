// How a numeric macro call is read and compiled: its argument texts are
// collected by the reader, the expression goes into a private parser made
// from copies of the caller's definitions, and the run-time arguments are
// compiled into the caller's own program.

#include "parser/ExprParserDefFuncs/NumericMacros.h"

#include "parser/ExprParserCompiler/ExprParserCompiler.h"
#include "parser/ExprParserRegistrar/ExprParserRegistrar.h"
#include "parser/ExprParserRegistrar/TextUtils.h"
#include "parser/ParserFacade/ExprParser.h"

namespace exprparser {
namespace {

// Lets a private parser with automatic definition create its unknown names
// in the caller's registrar, so both see the same variable.
class ForwardingVariableFactory final : public VariableFactory {
 public:
  explicit ForwardingVariableFactory(ExprParserRegistrar* outer) : outer_(outer) {}
  std::unique_ptr<VariableDef> create(const std::u16string& name) override {
    try {
      VariableKey key = outer_->createVariable(name);
      return outer_->variableByKey(key)->duplicate();
    } catch (const ExprException&) {
      return nullptr;
    }
  }
  std::unique_ptr<VariableFactory> duplicate() const override {
    return std::make_unique<ForwardingVariableFactory>(outer_);
  }

 private:
  ExprParserRegistrar* outer_;
};

}  // namespace

// --- the reader ----------------------------------------------------------------

MacroArgumentReader::~MacroArgumentReader() = default;

void MacroArgumentReader::preparePending() { pending_ = owner_->duplicateMacro(); }

void MacroArgumentReader::enter(ExprParserCompiler* compiler, ExprParserRegistrar* registrar) {
  CompilerState::enter(compiler, registrar);
  texts_.clear();
  depth_ = 1;
  start_ = compiler->position();
}

void MacroArgumentReader::finish() { compiler_->raiseAtIndex(MissingClosingBracket, start_); }

void MacroArgumentReader::onOpenBracket() {
  ++depth_;
  compiler_->appendCurrentChar();
}

void MacroArgumentReader::onSeparator() {
  if (depth_ != 1) return compiler_->appendCurrentChar();
  texts_.push_back(compiler_->currentToken());
  compiler_->flushToken();
}

void MacroArgumentReader::onCloseBracket() {
  if (--depth_ != 0) return compiler_->appendCurrentChar();
  texts_.push_back(compiler_->currentToken());
  compiler_->flushToken();
  compiler_->resumeExpressionState();
  std::unique_ptr<NumericMacro> instance = std::move(pending_);
  if (!instance) instance = owner_->duplicateMacro();
  instance->compileArguments(texts_, compiler_, registrar_, start_);
  const int count = instance->argCount();
  compiler_->emitOwnedFunction(std::move(instance), count);
}

// --- the macro -------------------------------------------------------------------

NumericMacro::NumericMacro() = default;
NumericMacro::~NumericMacro() = default;

ArgumentHook* NumericMacro::argumentHook() {
  if (!reader_) reader_ = std::make_unique<MacroArgumentReader>(this);
  reader_->preparePending();
  return reader_.get();
}

void NumericMacro::fillDefaults(std::vector<std::u16string>&, char16_t) const {}

void TrapezoidMacro::fillDefaults(std::vector<std::u16string>& args, char16_t point) const {
  if (args.size() == 4) args.push_back(fixedText(0.1, point, 1));
}

void SolveMacro::fillDefaults(std::vector<std::u16string>& args, char16_t point) const {
  if (args.size() < 4) args.push_back(u"0");
  if (args.size() < 5) args.push_back(fixedText(0.01, point, 2));
  if (args.size() < 6) args.push_back(u"100");
}

void NumericMacro::compileArguments(std::vector<std::u16string> args, ExprParserCompiler* compiler,
                                    ExprParserRegistrar* registrar, unsigned start) {
  parser_.reset();
  foldable_ = false;
  const int count = int(args.size());
  if (count < minTexts() || count > maxTexts())
    compiler->raiseAt(NoOverloadForArgCount, start, name(), count);
  if (const int limit = compiler->limitReached(compiler->nestingDepth()))
    compiler->raiseAt(MacroNestingTooDeep, start, {}, limit);
  fillDefaults(args, registrar->syntax().decimalPoint);

  auto parser = std::make_unique<ExprParser>(*compiler, *registrar);
  if (parser->autoDefinitionEnabled())
    parser->enableAutoDefinition(true, std::make_unique<ForwardingVariableFactory>(registrar));
  const std::u16string& variable = args[1];
  try {
    parser->removeVariable(parser->variableKey(variable));
  } catch (const ParserError&) {
  }
  int argument = 2;
  const VariableDef* bound = nullptr;
  try {
    VariableKey key = parser->bindVariable(variable, &value_);
    bound = parser->variableByKey(key);
    argument = 1;
    parser->compileText(args[0]);
    for (std::size_t i = 2; i < args.size(); ++i) {
      argument = int(i) + 1;
      compiler->compileNested(args[i]);
    }
  } catch (const ParserError& inner) {
    SExprExcepData record;
    record.code = FunctionArgumentSyntax;
    record.position = std::int32_t(start);
    record.item = name();
    record.id = argument;
    raiseWithContext(inner, std::move(record), contextLine(), kDefFuncsSource);
  }
  for (unsigned i = 0; i < parser->usedVariableCount(); ++i) {
    const VariableKey used = parser->usedVariable(i);
    if (used.name != variable) compiler->noteUsedVariable(used.name);
  }
  foldable_ = parser->compiler().dependsOnlyOn(
      [bound](const DefinitionItem* item) { return item == bound; });
  parser_ = std::move(parser);
}

}  // namespace exprparser
