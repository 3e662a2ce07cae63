#pragma once
// One running copy per user. The first copy holds a lock file in the user's
// runtime folder and listens on a local socket of the same name; a later copy
// finds the lock taken, tells the first one over the socket to come to the
// front, and ends before it creates a window or touches the settings.
//
//   TSingleInstance guard(QStringLiteral("Tarnwell-korvane"));
//   if (!guard.Claim()) { guard.SignalFirst(); return 0; }
//   ... create the main window ...
//   QObject::connect(&guard, &TSingleInstance::Activate, [&] { BringToFront(&window); });
#include <QObject>
#include <QString>

#include "base/FileLock.h"

class QSocketNotifier;
class QWidget;

namespace korvane {

class TSingleInstance : public QObject {
  Q_OBJECT
public:
  // `lockDir` empty: the user's runtime folder (XDG_RUNTIME_DIR), else the
  // temporary folder.
  explicit TSingleInstance(QString name, QString lockDir = QString(), QObject *parent = nullptr);
  ~TSingleInstance() override;

  const QString &Name() const { return name_; }
  QString LockFilePath() const;
  // The socket lives beside the lock, in the user's own folder: a name in
  // the shared temporary folder would meet other users' copies.
  QString SocketPath() const;

  // True when no other copy runs: this one now holds the lock and listens
  // for later copies. False when another copy holds it.
  bool Claim();
  bool IsFirst() const { return listener_ >= 0; }

  // From a later copy: asks the first one to come to the front. The first
  // copy may still be starting and not yet listening, so this retries for up
  // to `timeoutMs`. True when the request was delivered.
  bool SignalFirst(int timeoutMs = 2000);

signals:
  // A later copy asked this one to show itself.
  void Activate();

private:
  void Accept();
  void ReadRequest(int client, QSocketNotifier *notifier);

  QString name_;
  QString lockDir_;
  // Held for as long as this copy runs. The file stays when it is let go:
  // removing a file another copy may have just opened would let two copies
  // hold locks on two files.
  TFileLock lock_;
  // A plain Unix socket watched by the event loop: a networking library would
  // cost every start of the program the time to load it and its own
  // dependencies, for one local message.
  int listener_ = -1;
  QSocketNotifier *accepting_ = nullptr; // owned by this object
};

// Shows `window` in front of the others: a minimised window is restored
// first, then raised and given the focus.
void BringToFront(QWidget *window);

} // namespace korvane
