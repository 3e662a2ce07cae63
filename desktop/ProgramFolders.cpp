#include "desktop/ProgramFolders.h"

#include <QDir>
#include <QStandardPaths>

#include "costs/MakerFolders.h"

namespace korvane {

QString WithTrailingSlash(const QString &dir) {
  QString out = dir;
  while (out.size() > 1 && out.endsWith(QLatin1Char('/')))
    out.chop(1);
  if (!out.endsWith(QLatin1Char('/')))
    out += QLatin1Char('/');
  return out;
}

TProgramFolders RecordProgramFolders(const QString &programDir) {
  TProgramFolders folders;
  folders.ProgramDir = WithTrailingSlash(programDir);
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (documents.isEmpty())
    documents = QDir::homePath() + QStringLiteral("/Documents");
  folders.DocumentsDir = WithTrailingSlash(documents);
  folders.UserDir = folders.DocumentsDir + QStringLiteral("Tarnwell/korvane/");
  QDir().mkpath(folders.UserDir);
  folders.SharedDataDir =
      QString::fromStdString(SharedDataFolder(folders.ProgramDir.toStdString()));
  return folders;
}

QString HelpPagePath(const QString &programDir) {
  return QDir(programDir).filePath(QStringLiteral("Help/Korvane.htm"));
}

} // namespace korvane
