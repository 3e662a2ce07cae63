#include "bill/ui/PricerProcess.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "base/FileIO.h"
#include "bill/BillLexer.h"

namespace korvane {

namespace {

// What the program may say on standard error before the rest is dropped.
constexpr qint64 kMaxSaid = 64 << 10;

// The program names itself at the start of each line it writes, as a
// command should; in the window's message, which names the file, that is
// noise.
QString WithoutProgramName(const QString &said, const QString &program) {
  const QString name = QFileInfo(program).fileName() + QStringLiteral(": ");
  QStringList lines = said.trimmed().split(QLatin1Char('\n'));
  for (QString &line : lines)
    if (line.startsWith(name))
      line.remove(0, name.size());
  return lines.join(QLatin1Char('\n'));
}

} // namespace

TPricerRun RunPricerForBill(QWidget *parent, const QString &program, const QStringList &args,
                            int timeLimitMs) {
  TPricerRun run;
  const QTemporaryDir scratch;
  if (!scratch.isValid()) {
    run.Said = QObject::tr("No folder for the bill: %1").arg(scratch.errorString());
    return run;
  }
  const QString billFile = scratch.filePath(QStringLiteral("model.dct"));
  QProcess process;
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardInputFile(QProcess::nullDevice());
  QString said;
  QObject::connect(&process, &QProcess::readyReadStandardError, [&] {
    const QByteArray more = process.readAllStandardError();
    if (said.size() < kMaxSaid)
      said += QString::fromUtf8(more.left(kMaxSaid - said.size()));
  });

  QProgressDialog progress(QObject::tr("Reading the model..."), QObject::tr("Cancel"), 0, 0,
                           parent);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(400);
  QEventLoop loop;
  QTimer limit;
  limit.setSingleShot(true);
  bool stopped = false;
  const auto stop = [&] {
    stopped = true;
    process.kill();
  };
  QObject::connect(&limit, &QTimer::timeout, stop);
  QObject::connect(&progress, &QProgressDialog::canceled, stop);
  QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart)
      loop.quit();
  });
  process.start(program, QStringList(args) << QStringLiteral("--bill-out") << billFile);
  limit.start(timeLimitMs);
  if (process.state() != QProcess::NotRunning || process.error() != QProcess::FailedToStart)
    loop.exec();
  process.waitForFinished(1000);
  progress.reset();

  if (process.error() == QProcess::FailedToStart) {
    run.Said = QObject::tr("%1 could not be started: %2").arg(program, process.errorString());
  } else if (stopped) {
    run.Said = limit.isActive()
                   ? QObject::tr("Stopped.")
                   : QObject::tr("Stopped after %1 s: the file takes too long to read.")
                         .arg(timeLimitMs / 1000);
  } else if (process.exitStatus() != QProcess::NormalExit || process.exitCode() > 1) {
    run.Said = said.trimmed().isEmpty() ? QObject::tr("The file could not be read.")
                                        : WithoutProgramName(said, program);
  } else {
    std::string error;
    run.Made = ReadFileBytes(QFile::encodeName(billFile).toStdString(), run.BillText, &error,
                             TBillLexer::kMaxBillBytes);
    run.Said = run.Made ? WithoutProgramName(said, program) : QString::fromStdString(error);
  }
  return run;
}

} // namespace korvane
