#pragma once
// The program's common exception base: every failure the program raises on
// purpose carries a message text and derives from this, so a handler can tell
// our own failures from those of the library underneath.
#include <stdexcept>
#include <string>

namespace korvane {

class EKorvaneError : public std::runtime_error {
public:
  explicit EKorvaneError(const std::string &message) : std::runtime_error(message) {}
};

} // namespace korvane
