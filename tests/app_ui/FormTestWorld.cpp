#include "tests/app_ui/FormTestWorld.h"

#include "costs/FittingsFiles.h"
#include "desktop/KorvaneSettings.h"

namespace korvane::test {

void TFormTest::SetUp() {
  TUiTest::SetUp();
  savedDir_ = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(StageDir() + QStringLiteral("/Korvane")));
}

void TFormTest::TearDown() {
  form_.reset();
  world_.reset();
  QDir::setCurrent(savedDir_);
  TUiTest::TearDown();
}

TFormKorvane &TFormTest::Start(const QStringList &arguments, TCostFileEditor costEditor) {
  form_.reset();
  world_ = std::make_unique<TKorvaneWorld>();
  TRecordingSink fittingsMessages;
  bool ended = false;
  EXPECT_TRUE(ReadFittingsIni(world_->SpiralPriceTable,
                              (StageDir() + QStringLiteral("/Common Files/")).toStdString(),
                              fittingsMessages, [&] { ended = true; }));
  EXPECT_FALSE(ended);
  BuildCatalogue(world_->Catalogue);
  TFormKorvaneServices services;
  services.Messages = realMessageBoxes ? nullptr : &messages;
  services.Dialogs = &dialogs;
  services.Arguments = arguments;
  services.ProgramDir = StageDir() + QStringLiteral("/Korvane/");
  services.UrlOpener = [this](const QUrl &url) {
    opened << url;
    return true;
  };
  services.CostFileEditor = std::move(costEditor);
  form_ = std::make_unique<TFormKorvane>(*world_, std::move(services));
  return *form_;
}

void TFormTest::Close() {
  if (form_)
    form_->close();
}

QString TFormTest::SettingsFile() const {
  return KorvaneSettingsFile();
}

std::string TFormTest::Details(std::size_t line) const {
  const TDetailLines &lines = form_->Report().Details;
  return line < lines.size() ? lines[line] : std::string("<no line>");
}

} // namespace korvane::test
