#include "app/ui/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace korvane {

namespace {

constexpr char kActivateRequest[] = "activate\n";

QString DefaultLockDir() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty())
    dir = QDir::tempPath();
  return dir;
}

// The socket address of `path`; false when the path is too long for one.
bool SocketAddress(const QString &path, sockaddr_un &address) {
  const QByteArray name = QFile::encodeName(path);
  address = {};
  address.sun_family = AF_UNIX;
  if (name.isEmpty() || static_cast<std::size_t>(name.size()) >= sizeof address.sun_path)
    return false;
  std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  return true;
}

// Sends the request to a copy listening at `address`; false when none is.
bool SendRequest(const sockaddr_un &address) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0)
    return false;
  bool sent = false;
  if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0) {
    const ssize_t n = ::send(fd, kActivateRequest, sizeof kActivateRequest - 1, MSG_NOSIGNAL);
    sent = n == static_cast<ssize_t>(sizeof kActivateRequest - 1);
  }
  ::close(fd);
  return sent;
}

} // namespace

TSingleInstance::TSingleInstance(QString name, QString lockDir, QObject *parent)
    : QObject(parent), name_(std::move(name)),
      lockDir_(lockDir.isEmpty() ? DefaultLockDir() : std::move(lockDir)) {}

TSingleInstance::~TSingleInstance() {
  if (listener_ >= 0) {
    ::close(listener_);
    ::unlink(QFile::encodeName(SocketPath()).constData());
  }
  // The socket goes first, while the lock still keeps a new copy from making
  // its own.
  lock_.Release();
}

QString TSingleInstance::LockFilePath() const {
  return QDir(lockDir_).filePath(name_ + QStringLiteral(".lock"));
}

QString TSingleInstance::SocketPath() const {
  return QDir(lockDir_).filePath(name_);
}

bool TSingleInstance::Claim() {
  if (lock_.Held())
    return true;
  // A lock we cannot even create (no such folder, no rights) or take (a file
  // system without locks) must not keep the program from running at all:
  // run without the guard.
  const TFileLock::TTry taken =
      lock_.TryLock(QFile::encodeName(LockFilePath()).toStdString(), false);
  if (taken != TFileLock::TTry::Taken)
    return taken == TFileLock::TTry::Failed;
  sockaddr_un address;
  if (!SocketAddress(SocketPath(), address))
    return true; // no socket: later copies start on their own
  // A copy that crashed leaves its socket file behind; we hold the lock, so
  // any socket of this name is such a leftover.
  ::unlink(address.sun_path);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0)
    return true;
  // Only this user may connect: the socket is made with no rights for others.
  const mode_t mask = ::umask(0077);
  const bool bound = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
  ::umask(mask);
  if (!bound || ::listen(fd, 8) != 0) {
    ::close(fd);
    return true;
  }
  listener_ = fd;
  accepting_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(accepting_, &QSocketNotifier::activated, this, &TSingleInstance::Accept);
  return true;
}

bool TSingleInstance::SignalFirst(int timeoutMs) {
  sockaddr_un address;
  if (!SocketAddress(SocketPath(), address))
    return false;
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    if (SendRequest(address))
      return true;
    if (clock.elapsed() >= timeoutMs)
      return false;
    QThread::msleep(50);
  }
}

void TSingleInstance::Accept() {
  for (;;) {
    const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (client < 0)
      return;
    auto *notifier = new QSocketNotifier(client, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this,
            [this, client, notifier] { ReadRequest(client, notifier); });
  }
}

void TSingleInstance::ReadRequest(int client, QSocketNotifier *notifier) {
  // Whatever arrives, one request per connection: the words are only there
  // so a stray client that connects and sends nothing cannot raise the
  // window.
  char buffer[64];
  const ssize_t n = ::read(client, buffer, sizeof buffer);
  if (n < 0 && (errno == EAGAIN || errno == EINTR))
    return;
  notifier->setEnabled(false);
  notifier->deleteLater();
  ::close(client);
  if (n > 0)
    emit Activate();
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
