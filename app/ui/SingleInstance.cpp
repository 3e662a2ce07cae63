#include "app/ui/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

namespace korvane {

namespace {

const QByteArray kActivateRequest = QByteArrayLiteral("activate\n");

QString DefaultLockDir() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty())
    dir = QDir::tempPath();
  return dir;
}

} // namespace

TSingleInstance::TSingleInstance(QString name, QString lockDir, QObject *parent)
    : QObject(parent), name_(std::move(name)),
      lockDir_(lockDir.isEmpty() ? DefaultLockDir() : std::move(lockDir)) {}

TSingleInstance::~TSingleInstance() {
  if (server_)
    server_->close();
}

QString TSingleInstance::LockFilePath() const {
  return QDir(lockDir_).filePath(name_ + QStringLiteral(".lock"));
}

QString TSingleInstance::SocketPath() const {
  return QDir(lockDir_).filePath(name_);
}

bool TSingleInstance::Claim() {
  if (server_)
    return true;
  auto lock = std::make_unique<QLockFile>(LockFilePath());
  // Only a dead holder makes a lock stale: a copy that has run for days
  // still holds it.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) {
    // A lock we cannot even create (no such folder, no rights) must not keep
    // the program from running at all: run without the guard.
    if (lock->error() != QLockFile::LockFailedError)
      return true;
    return false;
  }
  lock_ = std::move(lock);
  // A copy that crashed leaves its socket file behind; we hold the lock, so
  // any socket of this name is such a leftover.
  QLocalServer::removeServer(SocketPath());
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &TSingleInstance::readRequest);
  server_->listen(SocketPath());
  return true;
}

bool TSingleInstance::SignalFirst(int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    QLocalSocket socket;
    socket.connectToServer(SocketPath());
    if (socket.waitForConnected(qMax(1, timeoutMs - static_cast<int>(clock.elapsed())))) {
      socket.write(kActivateRequest);
      const bool sent = socket.waitForBytesWritten(qMax(1, timeoutMs));
      socket.disconnectFromServer();
      if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(100);
      return sent;
    }
    if (clock.elapsed() >= timeoutMs)
      return false;
    QThread::msleep(50);
  }
}

void TSingleInstance::readRequest() {
  while (QLocalSocket *socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto handle = [this, socket] {
      // Whatever arrives, one request per connection: the words are only
      // there so a stray client that sends nothing cannot raise the window.
      if (socket->bytesAvailable() <= 0)
        return;
      socket->readAll();
      socket->disconnectFromServer();
      emit Activate();
    };
    connect(socket, &QLocalSocket::readyRead, this, handle);
    handle();
  }
}

void BringToFront(QWidget *window) {
  if (!window)
    return;
  if (window->isMinimized())
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window->show();
  window->raise();
  window->activateWindow();
}

} // namespace korvane
