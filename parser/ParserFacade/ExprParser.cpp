#include "parser/ParserFacade/ExprParser.h"

#include <clocale>
#include <cmath>

#include "parser/ExprParserDefFuncs/DefaultDefinitions.h"
#include "parser/ExprParserDefFuncs/MacroFunction.h"
#include "parser/ExprParserRegistrar/TextUtils.h"
#include "parser/ParserFacade/BoundVariable.h"

namespace exprparser {
namespace {

std::optional<char16_t> queryCurrentLocale() {
  const std::lconv* conventions = std::localeconv();
  if (!conventions || !conventions->decimal_point || !conventions->decimal_point[0])
    return std::nullopt;
  const auto* p = reinterpret_cast<const unsigned char*>(conventions->decimal_point);
  if (p[0] < 0x80) return char16_t(p[0]);
  if ((p[0] & 0xE0) == 0xC0 && p[1]) return char16_t(((p[0] & 0x1F) << 6) | (p[1] & 0x3F));
  if ((p[0] & 0xF0) == 0xE0 && p[1] && p[2])
    return char16_t(((p[0] & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F));
  return std::nullopt;
}

ExprParser::LocaleDecimalQuery g_localeQuery = &queryCurrentLocale;

}  // namespace

void ExprParser::setLocaleDecimalQuery(LocaleDecimalQuery query) {
  g_localeQuery = query ? query : &queryCurrentLocale;
}

ExprParser::ExprParser() : nan_(quietNaN()), constantResult_(quietNaN()) {
  registrar_ = std::make_unique<ExprParserRegistrar>(this);
  compiler_ = std::make_unique<ExprParserCompiler>(registrar_.get());
  registrar_->applySyntax(SyntaxChars{u'.', u',', u'[', u']'});
  registrar_->setVariableFactory(std::make_unique<DefaultVariableFactory>());
  compiler_->setAutoDefinition(false);
  defineDefaultOperators(*registrar_);
  defineDefaultFunctions(*registrar_);
  registrar_->addConstant(u"NaN", quietNaN());
  discardProgram();
}

ExprParser::ExprParser(const ExprParser& other) : nan_(quietNaN()), constantResult_(quietNaN()) {
  copyFrom(other);
  compiler_->setDepths(other.compiler_->nestingDepth(), other.compiler_->compileDepth());
  try {
    compiler_->compileText(other.expressionText());
  } catch (const ExprException&) {
    compiler_->discardProgram();
  }
  captureProgram();
}

ExprParser::ExprParser(const ExprParserCompiler& compiler, const ExprParserRegistrar& registrar)
    : nan_(quietNaN()), constantResult_(quietNaN()) {
  rebuildFrom(compiler, registrar);
}

ExprParser::~ExprParser() {
  compiler_.reset();
  registrar_.reset();
}

void ExprParser::rebuildFrom(const ExprParserCompiler& compiler,
                             const ExprParserRegistrar& registrar) {
  auto newRegistrar = registrar.duplicate(this);
  auto newCompiler = compiler.duplicate(newRegistrar.get());
  compiler_.reset();
  registrar_ = std::move(newRegistrar);
  compiler_ = std::move(newCompiler);
  captureProgram();
}

void ExprParser::copyFrom(const ExprParser& other) {
  rebuildFrom(*other.compiler_, *other.registrar_);
}

// --- the program cache and the run --------------------------------------------

void ExprParser::captureProgram() {
  auto& program = compiler_->program();
  first_ = program.data();
  end_ = program.data() + program.size();
  count_ = unsigned(program.size());
  const auto& run = compiler_->runStarts();
  runFirst_ = run.data();
  runEnd_ = run.data() + run.size();
  if (program.empty() || program.back().constant) {
    count_ = 0;
    constantResult_ = program.empty() ? nan_ : program.back().value;
    first_ = nullptr;
  }
}

double ExprParser::evaluateText(const std::u16string& text) {
  compileText(text);
  return evaluateProgram();
}

bool ExprParser::lastResultFinite() const {
  return std::isfinite(count_ == 0 ? constantResult_ : (end_ - 1)->value);
}

bool ExprParser::lastResultNaN() const {
  return std::isnan(count_ == 0 ? constantResult_ : (end_ - 1)->value);
}

// --- definitions ---------------------------------------------------------------

VariableKey ExprParser::bindVariable(const std::u16string& name, double* value) {
  return registrar_->addVariable(std::make_unique<BoundVariable>(name, value));
}

void ExprParser::enableAutoDefinition(bool enable, std::unique_ptr<VariableFactory> factory) {
  if (!factory) factory = std::make_unique<DefaultVariableFactory>();
  registrar_->setVariableFactory(std::move(factory));
  compiler_->setAutoDefinition(enable);
}

void ExprParser::addMacro(const std::u16string& prototype, const std::u16string& expression,
                          const std::u16string& description) {
  auto macro = std::make_unique<MacroFunction>();
  macro->compileMacro(prototype, expression, description, compiler_.get(), registrar_.get());
  registrar_->addFunction(std::move(macro));
}

bool ExprParser::useLocaleSyntax() {
  const std::optional<char16_t> point = g_localeQuery();
  if (!point) return false;
  SyntaxChars s = registrar_->syntax();
  s.decimalPoint = *point;
  s.argumentSeparator = *point == u',' ? u';' : u',';
  registrar_->applySyntax(s);
  return true;
}

VariableKey ExprParser::addVariable(std::unique_ptr<VariableDef> v) {
  return registrar_->addVariable(std::move(v));
}
void ExprParser::removeVariable(const VariableKey& key) { registrar_->removeVariable(key); }
void ExprParser::removeAllVariables() {
  registrar_->removeAllVariables();
  discardProgram();
}
VariableDef* ExprParser::variableByKey(VariableKey& key) { return registrar_->variableByKey(key); }
VariableDef* ExprParser::variableByName(const std::u16string& name) {
  return registrar_->variableByName(name);
}
VariableKey ExprParser::variableKey(const std::u16string& name) {
  return registrar_->variableKey(name);
}
void ExprParser::loadPluginByClassId(const std::u16string& id) {
  registrar_->loadPluginByClassId(id);
}
void ExprParser::addConstant(const std::u16string& name, double value) {
  registrar_->addConstant(name, value);
}
unsigned ExprParser::constantCount() const { return registrar_->constantCount(); }
void ExprParser::constantAt(unsigned index, std::u16string& name, double& value) const {
  registrar_->constantAt(index, name, value);
}
void ExprParser::addFunction(std::unique_ptr<FunctionDef> f) {
  registrar_->addFunction(std::move(f));
}
unsigned ExprParser::functionCount() const { return registrar_->functionCount(); }
FunctionDef* ExprParser::functionAt(unsigned index) const { return registrar_->functionAt(index); }
void ExprParser::addOperator(std::unique_ptr<OperatorDef> op) {
  registrar_->addOperator(std::move(op));
}
unsigned ExprParser::operatorCount() const { return registrar_->operatorCount(); }
OperatorDef* ExprParser::operatorAt(unsigned index) const { return registrar_->operatorAt(index); }
void ExprParser::applySyntax(SyntaxChars s) { registrar_->applySyntax(s); }
SyntaxChars ExprParser::syntax() const { return registrar_->syntax(); }

// --- compiler forwards -----------------------------------------------------------

bool ExprParser::autoDefinitionEnabled() const { return compiler_->autoDefinitionEnabled(); }
void ExprParser::compileText(const std::u16string& text) {
  try {
    compiler_->compileText(text);
  } catch (...) {
    captureProgram();  // the compiler has already dropped the half-built program
    throw;
  }
  captureProgram();
}
bool ExprParser::isConstantProgram() const { return compiler_->isConstantProgram(); }
unsigned ExprParser::usedVariableCount() const { return compiler_->usedVariableCount(); }
VariableKey ExprParser::usedVariable(unsigned index) const {
  return compiler_->usedVariable(index);
}
std::u16string ExprParser::expressionText() const { return compiler_->expressionText(); }
void ExprParser::discardProgram() {
  if (!compiler_) return;
  compiler_->discardProgram();
  captureProgram();
}

}  // namespace exprparser
