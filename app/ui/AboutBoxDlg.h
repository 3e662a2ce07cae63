#pragma once
// The about box as a reusable component: it keeps the texts, font and picture
// and builds a fresh TAboutBox window each time it is shown.
//
//   TAboutBoxDlg about(mainWindow);           // once, owned by the window
//   ConfigureKorvaneAboutBox(about, contact); // fill the properties
//   about.Execute();                          // the About menu item
#include "desktop/UrlOpener.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPixmap>
#include <QString>

class QWidget;

namespace korvane {

class TAboutBox;

class TAboutBoxDlg : public QObject {
  Q_OBJECT
public:
  explicit TAboutBoxDlg(QObject *parent = nullptr);

  QString DeveloperName;
  QString ProductName; // empty: the application's display name
  QFont ProductFont;
  QColor ProductFontColor; // invalid: the style's button-text colour
  QString Version;
  QString Copyright;
  QString Description;
  QString EMail;
  QString WebURL; // shown as a link to "http://" + WebURL
  QString WebCaption;
  QPixmap Picture;
  bool StretchPic = false;
  bool ShowWebb = true;

  // The settings file holding "SplashScreen"; empty means KorvaneSettingsFile()
  // at the moment of use.
  QString SettingsFile;
  // Handler for the two link labels; empty means the desktop's.
  TUrlOpener UrlOpener;

  // Builds the window, shows it modally, writes "SplashScreen" back and
  // destroys the window. The parent defaults to this component's parent
  // when that is a widget. Returns the window's result (1 after OK).
  int Execute(QWidget *parent = nullptr);

  // The steps of Execute, for hosts and tests that show the window
  // themselves: fill a window from the properties and the settings...
  void Fill(TAboutBox &box) const;
  // ...and store the check box back into the settings at once.
  bool StoreSplashSetting(const TAboutBox &box) const;

  QString EffectiveProductName() const;
  QString EffectiveSettingsFile() const;
  // "http://" + WebURL, unless WebURL already names its scheme.
  QString WebLinkURL() const;
};

} // namespace korvane
