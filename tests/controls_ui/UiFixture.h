#pragma once
// Widget tests of the entry controls: the shared widget-test world, with
// every beep counted.
#include <ostream>

#include "base/Variant.h"
#include "controls/ui/SystemBeep.h"
#include "tests/support/UiTest.h"

// Readable failure messages for the values these tests compare.
namespace korvane {
inline void PrintTo(const Variant &v, std::ostream *os) {
  static const char *const kinds[] = {"empty", "text", "double", "int", "bool"};
  *os << kinds[static_cast<int>(v.kind())] << " " << v.toText();
}
} // namespace korvane

namespace korvane::test {

class UiFixture : public TUiTest {
protected:
  void SetUp() override;
  void TearDown() override;

  int beeps = 0;

private:
  TBeepHandler savedBeep_;
};

} // namespace korvane::test
