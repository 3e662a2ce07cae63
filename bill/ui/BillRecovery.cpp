#include "bill/ui/BillRecovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <map>

#include "base/FileIO.h"
#include "base/UserFolders.h"
#include "bill/BillLexer.h"

namespace korvane {

namespace {

// Room for the header beside the largest bill the window reads.
constexpr std::size_t kMaxRecoveryBytes = TBillLexer::kMaxBillBytes + (1u << 16);

std::string Local(const QString &path) {
  return QFile::encodeName(path).toStdString();
}

} // namespace

QString TBillRecovery::DefaultFolder() {
  return QFile::decodeName(QByteArray::fromStdString(TarnwellStateFolder())) +
         QStringLiteral("korvane-bill/recovery");
}

TBillRecovery::TBillRecovery(const QString &folder) : folder_(QDir::cleanPath(folder)) {
  // The process number tells a person whose files these are; the random part
  // keeps a later run that gets the same number from the files of an old one.
  run_ = QStringLiteral("bill-%1-%2")
             .arg(QCoreApplication::applicationPid())
             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
  if (!QDir().mkpath(folder_)) {
    why_ = QStringLiteral("%1 cannot be made").arg(folder_);
    return;
  }
  // The bills are the user's work: no one else reads them here.
  QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                     QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
  // Only a run that has ended lets its lock go, however long it has lived.
  std::string error;
  if (lock_.TryLock(Local(QDir(folder_).filePath(
                        QString::fromStdString(RecoveryLockName(run_.toStdString())))),
                    true, &error) != TFileLock::TTry::Taken)
    why_ = QStringLiteral("%1 cannot be locked: %2")
               .arg(folder_, error.empty() ? QStringLiteral("held by another program")
                                           : QString::fromStdString(error));
}

TBillRecovery::~TBillRecovery() = default;

QString TBillRecovery::FileOf(int slot) const {
  return QDir(folder_).filePath(QString::fromStdString(RecoveryFileName(run_.toStdString(), slot)));
}

bool TBillRecovery::Keep(int slot, const TRecoveryRecord &record, QString *why) {
  if (!Usable()) {
    if (why)
      *why = why_;
    return false;
  }
  std::string error;
  if (AtomicWritePrivateFile(Local(FileOf(slot)), RecoveryFileBytes(record), &error))
    return true;
  if (why)
    *why = QString::fromStdString(error);
  return false;
}

void TBillRecovery::Drop(int slot) {
  QFile::remove(FileOf(slot));
}

std::vector<TFoundBill> TBillRecovery::TakeLeftBehind() {
  std::vector<TFoundBill> found;
  if (!Usable())
    return found;
  // Files by run, the run of the oldest file first; a run's lock decides for
  // all its files at once.
  const QString locks =
      QString::fromLatin1(kRecoveryLockExtension.data(), kRecoveryLockExtension.size());
  QStringList order, lockFiles;
  std::map<QString, QStringList> runs;
  const QDir dir(folder_);
  // Every file, no name filters (they would compile a pattern at each start
  // of the window): a lock is known by its ending, a record by its name.
  const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::Time | QDir::Reversed);
  for (const QFileInfo &file : files) {
    if (file.fileName().endsWith(locks)) {
      lockFiles << file.fileName().chopped(locks.size());
      continue;
    }
    const QString run =
        QString::fromStdString(RecoveryRunOf(QFile::encodeName(file.fileName()).toStdString()));
    if (run.isEmpty() || run == run_)
      continue;
    if (!runs.contains(run))
      order << run;
    runs[run] << file.filePath();
  }
  // A run that ended with nothing to keep leaves only its lock: taken and let
  // go at once, which removes it, so crashed runs do not pile up here.
  for (const QString &run : std::as_const(lockFiles))
    if (run != run_ && !runs.contains(run))
      TFileLock().TryLock(Local(dir.filePath(run + locks)), true);
  for (const QString &run : std::as_const(order)) {
    const QStringList &paths = runs[run];
    TFileLock lock;
    if (lock.TryLock(
            Local(dir.filePath(QString::fromStdString(RecoveryLockName(run.toStdString())))),
            true) != TFileLock::TTry::Taken)
      continue; // its run is alive: another copy of the program
    takenLocks_.push_back(std::move(lock));
    for (const QString &path : paths) {
      TFoundBill bill{path, {}};
      std::string bytes;
      // Any bytes read; a file that cannot be read at all is offered empty.
      if (ReadFileBytes(Local(path), bytes, nullptr, kMaxRecoveryBytes))
        bill.Read = ReadRecoveryBytes(bytes);
      if (bill.Read.State != TRecoveryState::Newer)
        takenFiles_ << path;
      found.push_back(std::move(bill));
    }
  }
  return found;
}

void TBillRecovery::ForgetLeftBehind(const QStringList &keep) {
  for (const QString &path : std::as_const(takenFiles_))
    if (!keep.contains(path))
      QFile::remove(path);
  takenFiles_.clear();
  takenLocks_.clear(); // letting go removes each lock file
}

} // namespace korvane
