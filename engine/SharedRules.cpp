#include "engine/SharedRules.h"

namespace korvane {

void ThrowNotFinite() {
  // Both a division by zero and any other result that is not a number end
  // here: the solve reports the item as bad data either way.
  throw EEngineError("Invalid floating point operation");
}

double RoundHalfEven(double x) {
  // std::round takes halves away from zero; a half lands on the even neighbour.
  if (std::fabs(x - std::trunc(x)) == 0.5)
    return 2 * std::round(x / 2);
  return std::round(x);
}

} // namespace korvane
