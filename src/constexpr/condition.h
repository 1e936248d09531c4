// The condition of #if and #elif: the constant-expression parser, the types a condition may
// name, and constant folding with the compiler's conversion rules.
#pragma once

namespace tpx {

struct RunContext;

// Evaluates the rest of the current directive line as a constant expression and returns true
// when its value is non-zero. Reads tokens through the scanner in directive-line mode up to and
// including the end-of-line token (or the end of input), leaving nothing in the scanner's save
// slot. Errors are reported and count as a true or false result as the rules say.
bool EvaluateCondition(RunContext& ctx);

}  // namespace tpx
