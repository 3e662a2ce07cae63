#pragma once
// The maker's contact details. They live in the maker's own settings file
// (shared by all of the maker's programs); every value has a built-in default
// so a fresh machine still shows a complete about box and a working enquiry.
#include <QString>

namespace korvane {

struct TContactDetails {
  QString company;
  QString description;
  QString logo;
  QString addr1;
  QString addr2;
  QString code;
  QString country;
  QString email; // the enquiry address
  QString web;   // without a scheme, as shown to the user
  QString tel;
  QString fax;
  QString user;
};

// The built-in values, used for every entry the settings file lacks.
TContactDetails DefaultContactDetails();

// Reads group "Tarnwell" of `settingsFile` (MakerSettingsFile() when empty).
// A missing file or entry gives the default; an entry present but empty is
// kept empty, as the maker may have cleared it on purpose.
TContactDetails ReadContactDetails(const QString &settingsFile = QString());

// The address a "web" value opens: a value without a scheme gets "http://",
// one the maker stored in full is kept ("http://http://..." helps nobody).
QString WebAddressUrl(const QString &web);

// The maker's copyright notice shown in the about box.
QString MakerCopyright();

} // namespace korvane
