#include "app/ui/AboutBox.h"

#include "app/ui/URLLabel.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

namespace korvane {

namespace {

QLabel *NamedLabel(QWidget *parent, const char *name, const QString &text = QString()) {
  auto *label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  // Every text here comes from properties or settings: show it as it is.
  label->setTextFormat(Qt::PlainText);
  return label;
}

TURLLabel *NamedLink(QWidget *parent, const char *name) {
  auto *link = new TURLLabel(parent);
  link->setObjectName(QLatin1String(name));
  return link;
}

} // namespace

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("AboutBox"));
  setFixedSize(kClientWidth, kClientHeight);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setFixedSize(100, 100);
  Splash = NamedLabel(Panel1, "Splash");
  Splash->setAlignment(Qt::AlignCenter);
  auto *panelLayout = new QVBoxLayout(Panel1);
  panelLayout->setContentsMargins(2, 2, 2, 2);
  panelLayout->addWidget(Splash);

  ProductName = NamedLabel(this, "ProductName");
  DeveloperName = NamedLabel(this, "DeveloperName");
  DeveloperName->setFont(HeadlineFont(19));
  Version = NamedLabel(this, "Version");
  auto *titles = new QVBoxLayout;
  titles->setSpacing(0);
  titles->addWidget(ProductName);
  titles->addWidget(DeveloperName);
  titles->addSpacing(4);
  titles->addWidget(Version);
  titles->addStretch(1);
  auto *top = new QHBoxLayout;
  top->addWidget(Panel1, 0, Qt::AlignTop);
  top->addSpacing(8);
  top->addLayout(titles, 1);

  Description = NamedLabel(this, "Description");
  Description->setWordWrap(true);
  CopyrightNotice = NamedLabel(this, "CopyrightNotice");
  CopyrightNotice->setWordWrap(true);
  QFont small = CopyrightNotice->font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  CopyrightNotice->setFont(small);

  LEMail = NamedLabel(this, "LEMail", QStringLiteral("E-Mail"));
  LWeb = NamedLabel(this, "LWeb", QStringLiteral("WebSite"));
  EMailLabel = NamedLink(this, "EMailLabel");
  WebLabel = NamedLink(this, "WebLabel");
  auto *contact = new QGridLayout;
  contact->setHorizontalSpacing(10);
  contact->addWidget(LEMail, 0, 0);
  contact->addWidget(EMailLabel, 0, 1);
  contact->addWidget(LWeb, 1, 0);
  contact->addWidget(WebLabel, 1, 1);
  contact->setColumnStretch(1, 1);

  CBSplash = new QCheckBox(QStringLiteral("Show this form on program bootup"), this);
  CBSplash->setObjectName(QStringLiteral("CBSplash"));
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  auto *bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(OKBtn);

  Comment = new QStatusBar(this);
  Comment->setObjectName(QStringLiteral("Comment"));
  Comment->setSizeGripEnabled(false);

  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 6);
  layout->addLayout(top);
  layout->addWidget(Description);
  layout->addWidget(CopyrightNotice);
  layout->addLayout(contact);
  layout->addStretch(1);
  layout->addWidget(CBSplash);
  layout->addLayout(bottom);
  layout->addWidget(Comment);
}

QFont TAboutBox::HeadlineFont(int pixelSize) {
  const QString impact = QStringLiteral("Impact");
  QFont font;
  font.setFamilies({impact, QStringLiteral("Nimbus Sans Narrow"),
                    QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow"),
                    QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  if (!QFontDatabase::hasFamily(impact))
    font.setWeight(QFont::Bold);
  return font;
}

void TAboutBox::CentreOnDesktop() {
  const QWidget *anchor = parentWidget();
  QScreen *screen = anchor ? anchor->screen() : QGuiApplication::primaryScreen();
  if (!screen)
    return;
  QRect r(QPoint(0, 0), size());
  r.moveCenter(screen->availableGeometry().center());
  move(r.topLeft());
}

} // namespace korvane
