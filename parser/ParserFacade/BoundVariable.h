#pragma once
// A variable bound to a double: the caller's (bindVariable) or its own
// storage (made by the default factory). A duplicate reads and writes the
// same double; own storage is shared by ownership, so a copied parser may
// outlive the parser it was copied from.

#include <memory>
#include <string>

#include "parser/ExprParserRegistrar/Definitions.h"

namespace exprparser {

class BoundVariable final : public VariableDef {
 public:
  BoundVariable(std::u16string name, double* value) : value_(value), name_(std::move(name)) {}
  explicit BoundVariable(std::u16string name)
      : storage_(std::make_shared<double>(0.0)), value_(storage_.get()), name_(std::move(name)) {}
  const char16_t* name() const override { return name_.c_str(); }
  double compute(unsigned, const double*) override { return *value_; }
  void assign(double value) override { *value_ = value; }
  double current() const override { return *value_; }
  const double* valueAddress() const override { return value_; }
  std::unique_ptr<VariableDef> duplicate() const override {
    auto copy = std::make_unique<BoundVariable>(name_, value_);
    copy->storage_ = storage_;
    return copy;
  }

 private:
  std::shared_ptr<double> storage_;  // null when bound to the caller's double
  double* value_;
  std::u16string name_;
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
