#pragma once
// Where the bill windows keep their unsaved bills: one recovery file a
// window under the user's state folder, never beside the bill (its folder
// may be read-only, shared or a removable disk). Each run of the program
// holds a lock file there for as long as it lives, so a second copy of the
// program running at the same time never takes its files; once a run is gone
// (its windows never closed: a crash, a kill, a lost session) the next start
// takes its files and offers the bills back.
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "base/FileLock.h"
#include "bill/RecoveryRecord.h"

namespace korvane {

// A recovery file left behind by a run that is gone, read as it is.
struct TFoundBill {
  QString File;
  TRecoveryRead Read;
};

class TBillRecovery {
public:
  // Recovery files under `folder`, which is made (for the user alone) when
  // missing.
  explicit TBillRecovery(const QString &folder = DefaultFolder());
  // Lets this run's lock go; the files of windows never closed stay for the
  // next start.
  ~TBillRecovery();
  TBillRecovery(const TBillRecovery &) = delete;
  TBillRecovery &operator=(const TBillRecovery &) = delete;

  // $XDG_STATE_HOME/Tarnwell/korvane-bill/recovery (~/.local/state/...).
  static QString DefaultFolder();

  // False when the folder or the lock could not be made; Why() says why.
  bool Usable() const { return lock_.Held(); }
  const QString &Why() const { return why_; }
  const QString &Folder() const { return folder_; }
  // This run's name: its lock file and the start of its recovery files.
  const QString &Run() const { return run_; }

  // A window's own number in this run.
  int NewSlot() { return ++lastSlot_; }
  QString FileOf(int slot) const;
  // Writes the window's recovery file atomically, readable by the user
  // alone. False, with the reason, when it cannot.
  bool Keep(int slot, const TRecoveryRecord &record, QString *why = nullptr);
  // The window's bill is saved, closed or back as it was: no copy is needed.
  void Drop(int slot);

  // The recovery files of every run that is gone, oldest run first. From now
  // on they are this run's: no other copy of the program takes them.
  std::vector<TFoundBill> TakeLeftBehind();
  // Deletes the files taken, but those of a newer version and those in
  // `keep` (a bill that could not be kept again), and lets their runs go.
  void ForgetLeftBehind(const QStringList &keep = {});

private:
  QString folder_;
  QString run_;
  QString why_;
  TFileLock lock_;
  int lastSlot_ = 0;
  std::vector<TFileLock> takenLocks_;
  QStringList takenFiles_;
};

} // namespace korvane
