#pragma once
// The generator families the simulator can play, one row each: the model it
// names, its sample code width, and how its read-back reports the length.

#include <span>
#include <string_view>

namespace sim {

struct GeneratorFamily {
  std::string_view model;      // "*IDN?" model field and "PROD MODEL?" reply
  int codeBits;                // 14 or 16
  bool lengthInBytes;          // LENGTH as "<bytes>B" instead of "<KiB>KB"
  std::string_view bandwidth;  // "PROD?" reply value
};

std::span<const GeneratorFamily> GeneratorFamilies();
// The row of that model (exact name), or nullptr.
const GeneratorFamily* FindGeneratorFamily(std::string_view model);

}  // namespace sim
