#pragma once
// korvane-price run beside the window to turn a file the window does not read
// in its own process (a building model) into a bill: a hostile or huge file
// can cost the user a wait, never an unsaved bill.
#include <QString>
#include <QStringList>

#include <string>

class QWidget;

namespace korvane {

struct TPricerRun {
  bool Made = false;    // a bill was written (exit status 0 or 1)
  std::string BillText; // the bill it wrote
  QString Said;         // what it said on standard error: notes, or why not
};

// Runs `program` with `args` and "--bill-out FILE" (a private temporary
// file), a progress dialog over `parent` while it runs; Cancel stops it, and
// so does `timeLimitMs`.
TPricerRun RunPricerForBill(QWidget *parent, const QString &program, const QStringList &args,
                            int timeLimitMs);

} // namespace korvane
