#include "tests/controls_ui/UiFixture.h"

namespace korvane::test {

void UiFixture::SetUp() {
  TUiTest::SetUp();
  savedBeep_ = SetBeepHandler([this] { ++beeps; });
}

void UiFixture::TearDown() {
  SetBeepHandler(savedBeep_);
  TUiTest::TearDown();
}

} // namespace korvane::test
