// Golden mode: the large inputs of golden end-to-end cases, rebuilt byte for byte from a
// recipe name and its parameters, so the cases need not keep them in the repository.
#ifndef TPX32_TESTS_RANDOM_GOLDEN_H_
#define TPX32_TESTS_RANDOM_GOLDEN_H_

#include <cstdint>
#include <stdexcept>
#include <string>

#include "tree.h"

namespace tpxgen {

inline Tree GenerateGolden(const Params& params) {
  const std::string recipe = params.Text("recipe", "");
  throw std::runtime_error("unknown golden recipe: " + recipe);
}

// The golden recipes at a larger scale, varied by the seed, for the comparison harness.
inline Tree GenerateScaledGolden(std::uint64_t seed) {
  (void)seed;
  throw std::runtime_error("no scaled golden recipes yet");
}

}  // namespace tpxgen

#endif  // TPX32_TESTS_RANDOM_GOLDEN_H_
