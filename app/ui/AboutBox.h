#pragma once
// The about window. It only lays out its controls; TAboutBoxDlg fills it,
// shows it and reads it back.
#include <QDialog>
#include <QFont>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QStatusBar;

namespace korvane {

class TURLLabel;

class TAboutBox : public QDialog {
  Q_OBJECT
public:
  static constexpr int kClientWidth = 284;
  static constexpr int kClientHeight = 298;

  explicit TAboutBox(QWidget *parent = nullptr);

  // Centres the window on the desktop its parent (or the primary screen) is on.
  void CentreOnDesktop();

  // The heavy display face of the box's titles ("Impact"). Where it is not
  // installed a bold narrow sans stands in: left to itself, font matching may
  // pick a symbol font for an unknown family.
  static QFont HeadlineFont(int pixelSize);

  // The controls, owned by the window.
  QLabel *ProductName = nullptr;
  QLabel *DeveloperName = nullptr;
  QLabel *Version = nullptr;
  QLabel *Description = nullptr;
  QLabel *CopyrightNotice = nullptr;
  QLabel *LEMail = nullptr;
  QLabel *LWeb = nullptr;
  TURLLabel *EMailLabel = nullptr;
  TURLLabel *WebLabel = nullptr;
  QFrame *Panel1 = nullptr;
  QLabel *Splash = nullptr;
  QStatusBar *Comment = nullptr;
  QCheckBox *CBSplash = nullptr;
  QPushButton *OKBtn = nullptr;
};

} // namespace korvane
