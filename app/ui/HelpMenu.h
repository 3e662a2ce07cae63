#pragma once
// The services of the main window's Help drop-down, ready to be wired to
// its actions:
//
//   HelpAction            -> OpenHelp(ProgramDir)
//   "&Tarnwell Direct"    -> SendEnquiry(MapiControl1, contact)
//   "&About"              -> AboutBoxDlg1.Execute()
//
// with ConfigureKorvaneAboutBox(AboutBoxDlg1, contact) run once at start.
#include "desktop/ContactDetails.h"
#include "desktop/UrlOpener.h"

#include <QString>

namespace korvane {

class TAboutBoxDlg;
class TMapiControl;

// Opens the help page with the desktop's handler (or `opener`). A missing
// page is left to the handler to report. Returns what the handler returned.
bool OpenHelp(const QString &programDir, const TUrlOpener &opener = {});

// The values this program gives the about box: names, font, version without
// its build number, the maker's notice and addresses, and the product picture.
void ConfigureKorvaneAboutBox(TAboutBoxDlg &about, const TContactDetails &contact);

inline const QString kEnquirySubject = QStringLiteral("Korvane Enquiry");
inline const QString kEnquiryBody =
    QStringLiteral("Please supply details of the Korvane program...");

// The enquiry to the maker: a composer addressed to the contact "email",
// with the enquiry subject and body and no attachments. Returns SendMail's
// result; the menu command itself has no use for it.
int SendEnquiry(TMapiControl &mapi, const TContactDetails &contact);

} // namespace korvane
