#include "app/ui/AboutBoxDlg.h"

#include "app/ui/AboutBox.h"
#include "app/ui/URLLabel.h"
#include "desktop/ContactDetails.h"
#include "desktop/KorvaneSettings.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace korvane {

TAboutBoxDlg::TAboutBoxDlg(QObject *parent) : QObject(parent) {}

QString TAboutBoxDlg::EffectiveProductName() const {
  return ProductName.isEmpty() ? QGuiApplication::applicationDisplayName() : ProductName;
}

QString TAboutBoxDlg::EffectiveSettingsFile() const {
  return SettingsFile.isEmpty() ? KorvaneSettingsFile() : SettingsFile;
}

QString TAboutBoxDlg::WebLinkURL() const {
  return WebAddressUrl(WebURL);
}

void TAboutBoxDlg::Fill(TAboutBox &box) const {
  const QString product = EffectiveProductName();
  box.DeveloperName->setText(DeveloperName);
  box.ProductName->setText(product);
  box.ProductName->setFont(ProductFont);
  QPalette productPalette = box.ProductName->palette();
  productPalette.setColor(QPalette::WindowText, ProductFontColor.isValid()
                                                    ? ProductFontColor
                                                    : productPalette.color(QPalette::ButtonText));
  box.ProductName->setPalette(productPalette);
  box.Version->setText(QStringLiteral("Version ") + Version);
  box.Description->setText(Description);
  box.CopyrightNotice->setText(Copyright);
  box.EMailLabel->SetURL(QStringLiteral("mailto:") + EMail);
  box.EMailLabel->setText(EMail);
  box.WebLabel->SetURL(WebLinkURL());
  box.WebLabel->setText(WebCaption);
  box.EMailLabel->SetOpener(UrlOpener);
  box.WebLabel->SetOpener(UrlOpener);
  box.setWindowTitle(QStringLiteral("About ") + product);
  box.Splash->setScaledContents(StretchPic);
  box.Splash->setPixmap(Picture);

  box.OKBtn->setVisible(true);
  box.EMailLabel->setVisible(true);
  box.LEMail->setVisible(true);
  box.CBSplash->setVisible(true);
  box.CBSplash->setChecked(ReadSplashScreen(EffectiveSettingsFile()));
  box.LWeb->setVisible(ShowWebb);
  box.WebLabel->setVisible(ShowWebb);
  box.Comment->setVisible(false);
}

bool TAboutBoxDlg::StoreSplashSetting(const TAboutBox &box) const {
  return WriteSplashScreen(EffectiveSettingsFile(), box.CBSplash->isChecked());
}

int TAboutBoxDlg::Execute(QWidget *parent) {
  if (!parent)
    parent = qobject_cast<QWidget *>(this->parent());
  TAboutBox box(parent);
  Fill(box);
  box.CentreOnDesktop();
  const int result = box.exec();
  // A settings file that cannot be written costs the user nothing but this
  // tick, so it is not worth a message box on top of the closing window.
  StoreSplashSetting(box);
  return result;
}

} // namespace korvane
