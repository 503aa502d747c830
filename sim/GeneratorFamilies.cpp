#include "sim/GeneratorFamilies.h"

namespace sim {
namespace {

constexpr GeneratorFamily kFamilies[] = {
    {"KRV5000", 14, false, "160MHz"}, {"KRV1000X", 16, true, "60MHz"},
    {"KRV1000", 14, false, "25MHz"},  {"KRV800", 14, false, "20MHz"},
    {"KRP2", 14, false, "30MHz"},     {"KRV2000", 16, true, "120MHz"},
    {"KRV6000X", 16, true, "500MHz"}, {"KRP1000X-E", 16, true, "50MHz"},
    {"KRP1000X", 14, false, "40MHz"},
};

}  // namespace

std::span<const GeneratorFamily> GeneratorFamilies() { return kFamilies; }

const GeneratorFamily* FindGeneratorFamily(std::string_view model) {
  for (const auto& f : kFamilies)
    if (f.model == model) return &f;
  return nullptr;
}

}  // namespace sim
