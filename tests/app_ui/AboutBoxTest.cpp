#include "app/ui/AboutBox.h"
#include "app/ui/AboutBoxDlg.h"
#include "app/ui/HelpMenu.h"
#include "app/ui/ProductPicture.h"
#include "app/ui/URLLabel.h"
#include "desktop/ContactDetails.h"
#include "desktop/KorvaneSettings.h"
#include "desktop/ProgramVersion.h"
#include "tests/support/UiTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>

namespace korvane {
namespace {

using test::TUiTest;

class AboutBoxTest : public TUiTest {
protected:
  AboutBoxTest() {
    ConfigureKorvaneAboutBox(about, DefaultContactDetails());
    about.UrlOpener = [this](const QUrl &url) {
      opened << url.toString();
      return true;
    };
  }
  QString SettingsPath() const { return ConfigHome() + QStringLiteral("/Tarnwell/korvane.conf"); }

  // Runs the real modal Execute; `act` plays the user inside the window.
  int RunModal(const std::function<void(TAboutBox &)> &act) {
    int seen = 0;
    onModal = [&](QWidget *w) {
      auto *box = qobject_cast<TAboutBox *>(w);
      ASSERT_NE(box, nullptr);
      ++seen;
      act(*box);
    };
    const int result = about.Execute();
    EXPECT_EQ(seen, 1);
    return result;
  }

  TAboutBoxDlg about;
  QStringList opened;
};

TEST(ProgramVersionTest, VersionTextsDropOnlyTheBuildNumber) {
  const struct {
    TFileVersion version;
    const char *full;
    const char *shown;
  } cases[] = {
      {{1, 2, 2, 0}, "1.2.2.0", "1.2.2"},
      {{10, 0, 3, 7}, "10.0.3.7", "10.0.3"},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(FileVersionText(c.version), QLatin1String(c.full));
    EXPECT_EQ(VersionWithoutBuild(c.version), QLatin1String(c.shown));
  }
}

TEST_F(AboutBoxTest, FillsEveryControlFromTheProperties) {
  TAboutBox box;
  about.Description = QStringLiteral("Duct pricing");
  about.Fill(box);

  EXPECT_EQ(box.windowTitle(), QStringLiteral("About Korvane"));
  EXPECT_EQ(box.ProductName->text(), QStringLiteral("Korvane"));
  EXPECT_EQ(box.ProductName->font().pixelSize(), 37);
  EXPECT_EQ(box.DeveloperName->text(), QStringLiteral("Tarnwell"));
  EXPECT_EQ(box.Version->text(),
            QStringLiteral("Version ") + VersionWithoutBuild(ProgramFileVersion()));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$"))
                  .match(box.Version->text())
                  .hasMatch());
  EXPECT_EQ(box.Description->text(), QStringLiteral("Duct pricing"));
  EXPECT_EQ(box.CopyrightNotice->text(), MakerCopyright());
  EXPECT_EQ(box.EMailLabel->text(), DefaultContactDetails().email);
  EXPECT_EQ(box.EMailLabel->URL(), QStringLiteral("mailto:") + DefaultContactDetails().email);
  EXPECT_EQ(box.WebLabel->text(), DefaultContactDetails().web);
  EXPECT_EQ(box.WebLabel->URL(), QStringLiteral("http://") + DefaultContactDetails().web);
  EXPECT_TRUE(box.Splash->hasScaledContents());
  EXPECT_FALSE(box.Splash->pixmap().isNull());
  EXPECT_EQ(box.size(), QSize(TAboutBox::kClientWidth, TAboutBox::kClientHeight));

  for (QWidget *shown :
       {static_cast<QWidget *>(box.OKBtn), static_cast<QWidget *>(box.LEMail),
        static_cast<QWidget *>(box.EMailLabel), static_cast<QWidget *>(box.CBSplash),
        static_cast<QWidget *>(box.LWeb), static_cast<QWidget *>(box.WebLabel)})
    EXPECT_TRUE(shown->isVisibleTo(&box)) << shown->objectName().toStdString();
  EXPECT_FALSE(box.Comment->isVisibleTo(&box));
  EXPECT_TRUE(box.OKBtn->isDefault());
}

TEST_F(AboutBoxTest, WithoutShowWebbTheWebCaptionAndLinkAreHidden) {
  about.ShowWebb = false;
  TAboutBox box;
  about.Fill(box);
  EXPECT_FALSE(box.LWeb->isVisibleTo(&box));
  EXPECT_FALSE(box.WebLabel->isVisibleTo(&box));
  EXPECT_TRUE(box.LEMail->isVisibleTo(&box));
  EXPECT_TRUE(box.EMailLabel->isVisibleTo(&box));
}

TEST_F(AboutBoxTest, EmptyProductNameFallsBackToTheApplicationName) {
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Fallback Title"));
  about.ProductName.clear();
  TAboutBox box;
  about.Fill(box);
  EXPECT_EQ(box.ProductName->text(), QStringLiteral("Fallback Title"));
  EXPECT_EQ(box.windowTitle(), QStringLiteral("About Fallback Title"));
  QGuiApplication::setApplicationDisplayName(QString());
}

TEST_F(AboutBoxTest, TickedOnCloseIsWrittenAndShownTickedAfterRestart) {
  ASSERT_FALSE(QFile::exists(SettingsPath()));
  const int result = RunModal([](TAboutBox &box) {
    EXPECT_FALSE(box.CBSplash->isChecked()); // nothing stored yet
    box.CBSplash->setChecked(true);
    box.OKBtn->click();
  });
  EXPECT_EQ(result, 1);

  QFile file(SettingsPath());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(text.contains(QStringLiteral("[Settings]")));
  EXPECT_TRUE(text.contains(QStringLiteral("SplashScreen=true")));

  // A new run: a fresh component and window, reading the file afresh.
  TAboutBoxDlg restarted;
  ConfigureKorvaneAboutBox(restarted, DefaultContactDetails());
  TAboutBox box;
  restarted.Fill(box);
  EXPECT_TRUE(box.CBSplash->isChecked());
}

TEST_F(AboutBoxTest, UntickingIsWrittenEvenWhenTheBoxIsClosedWithEscape) {
  ASSERT_TRUE(WriteSplashScreen(SettingsPath(), true));
  RunModal([](TAboutBox &box) {
    EXPECT_TRUE(box.CBSplash->isChecked());
    box.CBSplash->setChecked(false);
    box.reject();
  });
  EXPECT_FALSE(ReadSplashScreen(SettingsPath()));
}

TEST_F(AboutBoxTest, SplashSettingReadsOnlyClearValuesAsOn) {
  const struct {
    const char *stored;
    bool on;
  } cases[] = {{"true", true}, {"True", true},   {"1", true}, {"false", false},
               {"0", false},   {"maybe", false}, {"", false}, {"\x01\xff", false}};
  QDir().mkpath(ConfigHome() + QStringLiteral("/Tarnwell"));
  for (const auto &c : cases) {
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray("[Settings]\nSplashScreen=") + c.stored + "\n");
    file.close();
    EXPECT_EQ(ReadSplashScreen(SettingsPath()), c.on) << c.stored;
  }
  EXPECT_FALSE(ReadSplashScreen(ConfigHome() + QStringLiteral("/missing.conf")));
}

TEST_F(AboutBoxTest, LinksOpenTheirAddressesThroughTheOpener) {
  TAboutBox box;
  about.Fill(box);
  box.EMailLabel->OpenURL();
  box.WebLabel->OpenURL();
  EXPECT_EQ(opened, QStringList({QStringLiteral("mailto:enquiries@tarnwell.example"),
                                 QStringLiteral("http://www.tarnwell.example")}));
}

TEST_F(AboutBoxTest, AWebAddressWithItsSchemeIsNotPrefixedTwice) {
  about.WebURL = QStringLiteral("https://www.tarnwell.example/korvane");
  EXPECT_EQ(about.WebLinkURL(), about.WebURL);
  about.WebURL = QStringLiteral("www.tarnwell.example");
  EXPECT_EQ(about.WebLinkURL(), QStringLiteral("http://www.tarnwell.example"));
}

// ---------------------------------------------------------------- TURLLabel

class URLLabelTest : public TUiTest {};

TEST_F(URLLabelTest, CaptionFollowsTheURLOnlyWhileEmptyOrStillTheOldURL) {
  TURLLabel label;
  label.SetURL(QStringLiteral("http://a.example"));
  EXPECT_EQ(label.text(), QStringLiteral("http://a.example"));
  label.SetURL(QStringLiteral("http://b.example"));
  EXPECT_EQ(label.text(), QStringLiteral("http://b.example"));
  label.setText(QStringLiteral("Our web site"));
  label.SetURL(QStringLiteral("http://c.example"));
  EXPECT_EQ(label.text(), QStringLiteral("Our web site"));
  EXPECT_EQ(label.URL(), QStringLiteral("http://c.example"));
  EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_TRUE(label.font().underline());
}

TEST_F(URLLabelTest, AClickOpensTheURLButAPressDraggedAwayDoesNot) {
  QStringList opened;
  TURLLabel label;
  label.resize(120, 20);
  label.SetURL(QStringLiteral("mailto:x@example.org"));
  label.SetOpener([&opened](const QUrl &url) {
    opened << url.toString();
    return true;
  });
  auto mouse = [&label](QEvent::Type type, QPointF at) {
    QMouseEvent event(type, at, label.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&label, &event);
  };
  mouse(QEvent::MouseButtonPress, {10, 10});
  mouse(QEvent::MouseButtonRelease, {12, 10});
  EXPECT_EQ(opened, QStringList{QStringLiteral("mailto:x@example.org")});
  mouse(QEvent::MouseButtonPress, {10, 10});
  mouse(QEvent::MouseButtonRelease, {500, 10});
  EXPECT_EQ(opened.size(), 1);
}

TEST(ProductPictureTest, DrawsADetailedPictureFillingItsFrame) {
  const QImage image = ProductPicture(QSize(120, 80)).toImage();
  ASSERT_EQ(image.size(), QSize(120, 80));
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      colours.insert(image.pixel(x, y));
  EXPECT_GT(colours.size(), 100); // shaded metal, not a flat fill
  // Stretched to the frame: the background reaches every corner, and the
  // dark outline of the fitting sits in the middle band of the frame.
  EXPECT_NE(image.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_NE(image.pixel(119, 79), qRgb(255, 255, 255));
  int dark = 0;
  for (int x = 0; x < image.width(); ++x)
    dark += qGray(image.pixel(x, image.height() / 2)) < 110;
  EXPECT_GT(dark, 0);
}

} // namespace
} // namespace korvane
