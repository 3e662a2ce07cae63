#include "app/ui/MapiControl.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace korvane {

namespace {

// xdg-email's exit codes turned into simple-mail results.
int ResultOfExitCode(int exitCode) {
  switch (exitCode) {
  case 0:
    return SUCCESS_SUCCESS;
  case 2: // a file on the command line does not exist
    return MAPI_E_ATTACHMENT_NOT_FOUND;
  case 3: // no mail program is set up on this desktop
    return MAPI_E_NOT_SUPPORTED;
  case 5: // a file on the command line cannot be read
    return MAPI_E_ATTACHMENT_OPEN_FAILURE;
  default: // 1 bad command line, 4 the action failed
    return MAPI_E_FAILURE;
  }
}

// An address goes to the mail program as one argument after the options. One
// that starts with '-' would be read as an option, and control characters
// have no place in an address; both are refused rather than passed on.
bool CleanAddress(const QString &entry, QString &address) {
  address = entry.trimmed();
  if (address.startsWith(QLatin1String("SMTP:"), Qt::CaseInsensitive))
    address = address.mid(5).trimmed();
  if (address.startsWith(QLatin1Char('-')))
    return false;
  for (const QChar c : address)
    if (c.category() == QChar::Other_Control)
      return false;
  return true;
}

bool AddAddresses(const QStringList &entries, const char *option, QStringList &arguments) {
  for (const QString &entry : entries) {
    QString address;
    if (!CleanAddress(entry, address))
      return false;
    if (address.isEmpty())
      continue;
    if (option)
      arguments << QLatin1String(option);
    arguments << address;
  }
  return true;
}

} // namespace

TMapiControl::TMapiControl(QObject *parent) : QObject(parent) {}

QString TMapiControl::FindMailProgram() const {
  if (MailProgram.contains(QLatin1Char('/'))) {
    const QFileInfo info(MailProgram);
    return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
  }
  return QStandardPaths::findExecutable(MailProgram);
}

int TMapiControl::BuildArguments(QStringList &arguments) {
  arguments.clear();
  DisplayFileName.clear();
  // Qt hands arguments to the program in UTF-8; say so, or xdg-email reads
  // them in the locale's encoding.
  arguments << QStringLiteral("--utf8");
  if (!AddAddresses(CopyTo, "--cc", arguments) || !AddAddresses(BlindCopyTo, "--bcc", arguments))
    return MAPI_E_INVALID_RECIPS;
  if (!Subject.isEmpty())
    arguments << QStringLiteral("--subject") << Subject;
  if (!Body.isEmpty())
    arguments << QStringLiteral("--body") << Body;
  for (const QString &entry : AttachedFiles) {
    if (entry.isEmpty())
      continue;
    const QFileInfo info(entry);
    DisplayFileName << info.fileName();
    if (!info.isFile())
      return MAPI_E_ATTACHMENT_NOT_FOUND;
    if (!info.isReadable())
      return MAPI_E_ATTACHMENT_OPEN_FAILURE;
    // Absolute, so the mail program finds it whatever its working folder.
    arguments << QStringLiteral("--attach") << info.absoluteFilePath();
  }
  if (!AddAddresses(Recipients, nullptr, arguments))
    return MAPI_E_INVALID_RECIPS;
  return SUCCESS_SUCCESS;
}

int TMapiControl::SendMail() {
  const QString program = FindMailProgram();
  if (program.isEmpty())
    return NotSupported();
  QStringList arguments;
  const int built = BuildArguments(arguments);
  if (built != SUCCESS_SUCCESS)
    return Report(built);
  const int result = RunMailProgram(program, arguments);
  if (result == MAPI_E_NOT_SUPPORTED)
    return NotSupported();
  return Report(result);
}

int TMapiControl::RunMailProgram(const QString &program, const QStringList &arguments) {
  auto process = std::make_unique<QProcess>();
  // Forwarded channels: no pipes that could fill up while the composer runs,
  // and the mail program's complaints reach the terminal we were started from.
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->setInputChannelMode(QProcess::ForwardedInputChannel);
  process->setProgram(program);
  process->setArguments(arguments);
  QEventLoop loop;
  QObject::connect(process.get(), &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(process.get(), &QProcess::errorOccurred, &loop, &QEventLoop::quit);
  QTimer handOver;
  handOver.setSingleShot(true);
  QObject::connect(&handOver, &QTimer::timeout, &loop, &QEventLoop::quit);
  process->start();
  if (!process->waitForStarted())
    return MAPI_E_FAILURE;
  handOver.start(std::max(0, HandOverMsecs));
  // Paint and timers go on while we wait, but no user input gets in: the
  // send behaves like a modal call, as the menu command expects.
  if (process->state() != QProcess::NotRunning)
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  if (process->state() != QProcess::NotRunning) {
    // The composer is open and holds the user's message. Leave it running:
    // the process object deletes itself when the program ends.
    QProcess *running = process.release();
    QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
    return SUCCESS_SUCCESS;
  }
  if (process->exitStatus() != QProcess::NormalExit)
    return MAPI_E_FAILURE;
  return ResultOfExitCode(process->exitCode());
}

int TMapiControl::Report(int result) {
  if (result == SUCCESS_SUCCESS)
    emit OnSuccess(this);
  else if (result == MAPI_USER_ABORT)
    emit OnUserAbort(this);
  else
    emit OnMapiError(this, result);
  return result;
}

int TMapiControl::NotSupported() {
  if (MessageFunc) {
    MessageFunc(kNotSupportedText);
  } else {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    kNotSupportedText, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
  }
  return MAPI_E_NOT_SUPPORTED;
}

} // namespace korvane
