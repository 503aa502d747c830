#pragma once
// A variable bound to a double: the caller's (bindVariable) or its own
// storage (made by the default factory). A duplicate shares the same double,
// so it must not outlive the variable it was copied from.

#include <memory>
#include <string>

#include "parser/ExprParserRegistrar/Definitions.h"

namespace exprparser {

class BoundVariable final : public VariableDef {
 public:
  BoundVariable(std::u16string name, double* value) : value_(value), name_(std::move(name)) {}
  explicit BoundVariable(std::u16string name) : value_(&storage_), name_(std::move(name)) {}
  const char16_t* name() const override { return name_.c_str(); }
  double compute(unsigned, const double*) override { return *value_; }
  void assign(double value) override { *value_ = value; }
  double current() const override { return *value_; }
  const double* valueAddress() const override { return value_; }
  std::unique_ptr<VariableDef> duplicate() const override {
    return std::make_unique<BoundVariable>(name_, value_);
  }

 private:
  double* value_;
  std::u16string name_;
  double storage_ = 0.0;
};

class DefaultVariableFactory final : public VariableFactory {
 public:
  std::unique_ptr<VariableDef> create(const std::u16string& name) override {
    return std::make_unique<BoundVariable>(name);
  }
  std::unique_ptr<VariableFactory> duplicate() const override {
    return std::make_unique<DefaultVariableFactory>();
  }
};

}  // namespace exprparser
