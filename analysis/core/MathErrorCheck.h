#pragma once
// The error check every facade function ends with. The check itself is
// inline: its usual outcome (code 0) is one comparison, and the spline fill
// calls a facade function once per sample.

namespace SG {

// Code 0 or exceptions disabled: nothing. -20001: the out-of-memory
// exception. Any other code: throws a new CSgMathException by pointer.
void RaiseMathError(int code);

// Error check: raises the code (see RaiseMathError) and returns it.
inline int CheckMathError(int code) {
  if (code != 0) RaiseMathError(code);
  return code;
}

}  // namespace SG
