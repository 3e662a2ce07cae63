#pragma once
// Hands a message to the desktop's mail program (xdg-email), which opens a
// composer with the recipients, subject, body and attachments filled in.
// Results use the simple-mail codes callers already know: 0 sent, 1 user
// cancelled, 26 no mail support, others failures.
//
//   TMapiControl mail(mainWindow);
//   mail.ShowDialog = true;
//   mail.Recipients = {"someone@example.org"};
//   mail.Subject = "...";
//   int rc = mail.SendMail();
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace korvane {

enum TMapiResult : int {
  SUCCESS_SUCCESS = 0,
  MAPI_USER_ABORT = 1,
  MAPI_E_FAILURE = 2,
  MAPI_E_ATTACHMENT_NOT_FOUND = 11,
  MAPI_E_ATTACHMENT_OPEN_FAILURE = 12,
  MAPI_E_INVALID_RECIPS = 25,
  MAPI_E_NOT_SUPPORTED = 26,
};

// Shows a message to the user; the default is a message box.
using TMailMessageFunc = std::function<void(const QString &)>;

class TMapiControl : public QObject {
  Q_OBJECT
public:
  static inline const QString kNotSupportedText =
      QStringLiteral("System does not support MAPI mail server");

  explicit TMapiControl(QObject *parent = nullptr);

  QString Subject;
  QString Body;
  QString FromName;   // the mail program sends from its own account
  QString FromAdress; // likewise
  QStringList Recipients;
  QStringList CopyTo;
  QStringList BlindCopyTo;
  QStringList AttachedFiles;
  QStringList DisplayFileName; // the attachments' file names, filled by SendMail
  bool ShowDialog = false;     // xdg-email always shows its composer
  bool UseAppHandle = true;    // the composer is the mail program's own window

  // The mail program: a name looked up on PATH, or a path to it.
  QString MailProgram = QStringLiteral("xdg-email");
  // How long SendMail waits for the mail program to report back. A program
  // still running after that holds the message in its composer; it is left
  // running (never killed) and the send counts as handed over.
  int HandOverMsecs = 5000;
  // Where "no mail support" is told; empty means a message box.
  TMailMessageFunc MessageFunc;

  // The full path of the mail program, or empty when there is none.
  QString FindMailProgram() const;
  // The argument list SendMail passes, or an error code when the message
  // cannot be sent as it stands (a bad address, a missing attachment).
  // Fills DisplayFileName.
  int BuildArguments(QStringList &arguments);

  // Sends the message; fires OnSuccess, OnUserAbort or OnMapiError by the
  // result, except for "no mail support", which is told to the user instead.
  int SendMail();

signals:
  void OnUserAbort(korvane::TMapiControl *Sender);
  void OnMapiError(korvane::TMapiControl *Sender, int ErrCode);
  void OnSuccess(korvane::TMapiControl *Sender);

private:
  int RunMailProgram(const QString &program, const QStringList &arguments);
  int Report(int result);
  int NotSupported();
};

} // namespace korvane
