#pragma once
// Misuse of a grid (an index outside it, impossible fixed counts, inserting
// into a row list) raises this with one of the texts below.
#include "base/KorvaneError.h"

namespace korvane {

namespace GridMsg {
inline constexpr const char *IndexOutOfRange = "Grid index out of range";
inline constexpr const char *FixedColTooBig = "Fixed column count must be less than column count";
inline constexpr const char *FixedRowTooBig = "Fixed row count must be less than row count";
inline constexpr const char *TooManyDeleted = "Too many rows or columns deleted";
inline constexpr const char *CannotInsertDelete = "Cannot insert or delete rows from grid";
} // namespace GridMsg

class EInvalidGridOperation : public EKorvaneError {
public:
  using EKorvaneError::EKorvaneError;
};

} // namespace korvane
