#include "desktop/MessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>

namespace korvane {

TMsgResult TMessageBoxSink::Show(TMsgKind kind, TMsgButtons buttons, const std::string &text) {
  QMessageBox::Icon icon = QMessageBox::Information;
  switch (kind) {
  case TMsgKind::Error:
    icon = QMessageBox::Critical;
    break;
  case TMsgKind::Warning:
    icon = QMessageBox::Warning;
    break;
  case TMsgKind::Confirmation:
    icon = QMessageBox::Question;
    break;
  case TMsgKind::Information:
    break;
  }
  // Texts break lines with a lone carriage return in places; a message box
  // only breaks on line feeds.
  QString body = QString::fromStdString(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox::StandardButtons standard = QMessageBox::Ok;
  if (buttons == TMsgButtons::YesNoCancel)
    standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  else if (buttons == TMsgButtons::YesNo)
    standard = QMessageBox::Yes | QMessageBox::No;
  QMessageBox box(icon, QApplication::applicationName(), body, standard, parent_.data());
  switch (box.exec()) {
  case QMessageBox::Yes:
    return TMsgResult::Yes;
  case QMessageBox::No:
    return TMsgResult::No;
  case QMessageBox::Cancel:
    return TMsgResult::Cancel;
  default:
    // Closed without a choice: the answer that changes nothing.
    if (buttons == TMsgButtons::YesNo)
      return TMsgResult::No;
    return buttons == TMsgButtons::YesNoCancel ? TMsgResult::Cancel : TMsgResult::Ok;
  }
}

} // namespace korvane
