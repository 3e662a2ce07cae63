#include "app/ui/HelpMenu.h"
#include "desktop/ContactDetails.h"
#include "programs/korvane-price/PriceArgs.h"
#include "tests/support/UiTest.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace korvane {
namespace {

using test::TUiTest;

class HelpMenuTest : public TUiTest {};

TEST_F(HelpMenuTest, HelpOpensThePageBesideTheProgram) {
  QList<QUrl> opened;
  const TUrlOpener opener = [&opened](const QUrl &url) {
    opened << url;
    return false; // whatever the handler says is handed back
  };
  EXPECT_FALSE(OpenHelp(QStringLiteral("/opt/Tarnwell/Korvane/"), opener));
  EXPECT_FALSE(OpenHelp(QStringLiteral("/opt/Tarnwell/Korvane"), opener));
  const QUrl page = QUrl::fromLocalFile(QStringLiteral("/opt/Tarnwell/Korvane/Help/Korvane.htm"));
  EXPECT_EQ(opened, QList<QUrl>({page, page}));
}

TEST_F(HelpMenuTest, ContactDetailsDefaultWithoutTheMakersFile) {
  const TContactDetails c = ReadContactDetails();
  const TContactDetails d = DefaultContactDetails();
  EXPECT_EQ(c.email, d.email);
  EXPECT_EQ(c.web, d.web);
  EXPECT_FALSE(d.email.isEmpty());
  EXPECT_FALSE(d.web.isEmpty());
  EXPECT_TRUE(MakerCopyright().contains(d.company));
}

// The staged page: complete, self-contained and without dead links.
TEST(HelpPageTest, StagedPageCoversEveryItemTypeAndStaysOffline) {
  const QString dir = QStringLiteral(KORVANE_STAGE_DIR "/Korvane/Help/");
  QFile page(dir + QStringLiteral("Korvane.htm"));
  ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << "help page not staged";
  const QString html = QString::fromUtf8(page.readAll());
  ASSERT_TRUE(QFile::exists(dir + QStringLiteral("korvane.css")));
  EXPECT_TRUE(html.contains(QStringLiteral("href=\"korvane.css\"")));

  for (const char *name :
       {"Straight Rectangular", "Radius Bend", "Square Bend", "Reducing Square Bend",
        "Square To Round", "Taper", "Rectangular Stop End", "Y-Piece", "Spiral", "Round Spigot",
        "Elbow", "Reducer", "T-Piece", "Nipple", "Round Stop End", "korvane-price",
        "Overall markup", "Fittings.ini"})
    EXPECT_TRUE(html.contains(QLatin1String(name))) << name;

  EXPECT_FALSE(html.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
  EXPECT_FALSE(html.contains(QRegularExpression(QStringLiteral("(src|href)=\"[a-z]+:"))))
      << "the page must not reach out to the network";

  QSet<QString> ids;
  auto idMatches = QRegularExpression(QStringLiteral("id=\"([^\"]+)\"")).globalMatch(html);
  while (idMatches.hasNext())
    ids.insert(idMatches.next().captured(1));
  auto links = QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(html);
  int count = 0;
  while (links.hasNext()) {
    const QString target = links.next().captured(1);
    ++count;
    EXPECT_TRUE(ids.contains(target)) << "dead link #" << target.toStdString();
  }
  EXPECT_GE(count, 15);
}

// The guide's source from the first `start` to the next `end` after it;
// empty when the page or `start` is missing.
QString GuidePart(const QString &start, const QString &end) {
  QFile page(QStringLiteral(KORVANE_SOURCE_DIR "/data/help/Korvane.htm"));
  if (!page.open(QIODevice::ReadOnly))
    return {};
  const QString html = QString::fromUtf8(page.readAll());
  const qsizetype from = html.indexOf(start);
  if (from < 0)
    return {};
  return html.mid(from, html.indexOf(end, from + 1) - from);
}

// The page's command-line section keeps up with the pricer: every option and
// environment variable its own usage text names is explained on the page.
TEST(HelpPageTest, CommandLineSectionNamesEveryOptionOfThePricer) {
  const QString section = GuidePart(QStringLiteral("<h2 id=\"cli\">"), QStringLiteral("<h2 "));
  ASSERT_FALSE(section.isEmpty());

  const std::string_view usage = PriceUsage();
  const QString text = QString::fromUtf8(usage.data(), qsizetype(usage.size()));
  QSet<QString> names;
  auto found =
      QRegularExpression(QStringLiteral("--[a-z][a-z-]*|KORVANE_[A-Z_]+")).globalMatch(text);
  while (found.hasNext())
    names.insert(found.next().captured(0));
  EXPECT_GE(names.size(), 10);
  for (const QString &name : names)
    EXPECT_TRUE(section.contains(QStringLiteral("<code>") + name)) << name.toStdString();
}

// The guide lists every format the Export commands and korvane-price write,
// by the name and extension the format table gives them.
TEST(HelpPageTest, ExportListNamesEveryFormat) {
  const QString list =
      GuidePart(QStringLiteral("<ul id=\"export-formats\">"), QStringLiteral("</ul>"));
  ASSERT_FALSE(list.isEmpty());
  int items = 0;
  for (const TJobFormat &format : JobFormats()) {
    const QString item =
        QStringLiteral("<li>%1 (<code>.%2</code>)</li>")
            .arg(QString::fromUtf8(format.Title.data(), format.Title.size()),
                 QString::fromUtf8(format.Extension.data(), format.Extension.size()));
    EXPECT_TRUE(list.contains(item)) << item.toStdString();
    ++items;
  }
  EXPECT_EQ(list.count(QStringLiteral("<li>")), items);
}

} // namespace
} // namespace korvane
