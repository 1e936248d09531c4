// Deterministic generator of source trees for tpx32's tests: the modes by name.
//
// A tree is a main file and the headers it includes, as paths relative to a folder. Modes:
//   soup    random token soup aimed at the places where tpx32's speed shortcuts and the
//           general paths they shorten could disagree (soup.h)
//   golden  the large inputs of the golden end-to-end cases, rebuilt byte for byte from a
//           recipe name and parameters (golden.h)
//   valid   random but valid C90 or C++98 input for the differential test against gcc
//           (valid.h)
// The grammar pieces (names, numbers, literals, comments, blanks, line ends, directives) are
// members of SourceWriter (source_writer.h), so that further modes can reuse them.
//
// Header-only, so that the e2e runner (which a cross build compiles on its own) can use it.
#ifndef TPX32_TESTS_RANDOM_GENERATOR_H_
#define TPX32_TESTS_RANDOM_GENERATOR_H_

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "golden.h"
#include "soup.h"
#include "tree.h"
#include "valid.h"

namespace tpxgen {

inline Tree Generate(std::string_view mode, std::uint64_t seed, const Params& params) {
  if (mode == "soup") return GenerateSoup(seed, params);
  if (mode == "golden") return GenerateGolden(seed, params);
  if (mode == "valid") return GenerateValid(seed, params);
  throw std::runtime_error("unknown generator mode: " + std::string(mode));
}

}  // namespace tpxgen

#endif  // TPX32_TESTS_RANDOM_GENERATOR_H_
