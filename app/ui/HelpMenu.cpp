#include "app/ui/HelpMenu.h"

#include "app/ui/AboutBox.h"
#include "app/ui/AboutBoxDlg.h"
#include "app/ui/MapiControl.h"
#include "app/ui/ProductPicture.h"
#include "desktop/ProgramFolders.h"
#include "desktop/ProgramVersion.h"

#include <QApplication>
#include <QPalette>
#include <QUrl>

namespace korvane {

bool OpenHelp(const QString &programDir, const TUrlOpener &opener) {
  return OpenUrlWith(opener, QUrl::fromLocalFile(HelpPagePath(programDir)));
}

void ConfigureKorvaneAboutBox(TAboutBoxDlg &about, const TContactDetails &contact) {
  about.DeveloperName = QStringLiteral("Tarnwell");
  about.ProductName = QStringLiteral("Korvane");
  about.ProductFont = TAboutBox::HeadlineFont(37);
  about.ProductFontColor = QApplication::palette().color(QPalette::ButtonText);
  about.Version = VersionWithoutBuild(ProgramFileVersion());
  about.Copyright = MakerCopyright();
  about.Description = QString();
  about.EMail = contact.email;
  about.WebURL = contact.web;
  about.WebCaption = contact.web;
  about.Picture = ProductPicture();
  about.StretchPic = true;
  about.ShowWebb = true;
}

int SendEnquiry(TMapiControl &mapi, const TContactDetails &contact) {
  mapi.ShowDialog = true;
  mapi.UseAppHandle = false;
  mapi.Recipients = QStringList{contact.email};
  mapi.Subject = kEnquirySubject;
  mapi.Body = kEnquiryBody;
  mapi.AttachedFiles.clear();
  return mapi.SendMail();
}

} // namespace korvane
